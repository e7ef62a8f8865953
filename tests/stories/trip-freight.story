    0.00 voice voice 0
    0.00 voice rate 0
    0.00 voice volume 90
    0.02 play 1 volume 0 pan 0 frequency 22051
    5.71 stop 1
    5.71 say "Dravlen. version 3"
    5.71 say " By Brannock "
    5.73 say " Would you like to reed the instructions? "
    5.75 say " yes "
    5.78 key n
    5.78 voice rate 5
    5.78 say "n"
    5.78 voice rate 0
    5.80 say "Would you like to reed the special key instructions?"
    5.82 say " yes "
    5.85 key n
    5.85 voice rate 5
    5.85 say "n"
    5.85 voice rate 0
    5.85 say " Day Monday"
    5.85 say " Time:  8 A.M. "
    8.22 say " You are at the Los Angeles trucking terminal."
    8.22 say " Three types of cargo are available:"
    8.22 say " 1 oranges  (highest profit if they don't spoil)"
    8.22 say " 2 freight forwarding, penalty for late delivery "
    8.22 say " 3 U.S. Mail, lowest rate, but no hurry to arrive "
    8.22 say " The cargo is due in New York by 4 PM on Thursday."
    8.22 say " Which type of cargo do you want? "
    8.22 say " 1 oranges "
    8.25 key 2
    8.25 say " 2 freight "
    8.28 key enter
    8.30 say " How many pounds will you carry (40,000 is the legal limit) "
    8.33 key 4
    8.33 voice rate 5
    8.33 say "4"
    8.33 voice rate 0
    8.36 key 0
    8.36 voice rate 5
    8.36 say "0"
    8.36 voice rate 0
    8.39 key 0
    8.39 voice rate 5
    8.39 say "0"
    8.39 voice rate 0
    8.42 key 0
    8.42 voice rate 5
    8.42 say "0"
    8.42 voice rate 0
    8.45 key 0
    8.45 voice rate 5
    8.45 say "0"
    8.45 voice rate 0
    8.48 key enter
    8.48 say " you have chosen to carry  40000 pounds of freight. Is this correct?"
    8.50 say " yes "
    8.53 key y
    8.53 voice rate 5
    8.53 say "y"
    8.53 voice rate 0
    8.53 say " Which truck do you wish to drive? "
    8.53 say " freight liner "
    8.56 key enter
    8.77 say "They are loading your truck now."
   11.52 play 32 volume 0 pan 0 frequency 22051
   16.12 stop 32
   16.33 say " Day Monday"
   16.33 say " Time:  9 A.M. "
   18.51 play 29 volume 0 pan 0 frequency 22051
   22.71 stop 29
   22.73 play 27 volume 0 pan 0 frequency 22051
   27.33 stop 27
   27.35 play 40 volume 0 pan 0 frequency 22051
   29.25 stop 40
   29.25 say " You paid $190.00 for a nearly full tank of diesel fuel."
   29.25 say " Two of your tires are worn.  Do you want replacements?"
   29.27 say " yes "
   29.30 key n
   29.30 voice rate 5
   29.30 say "n"
   29.30 voice rate 0
   29.30 say " You may choose the Northern, Middle or Southern route. "
   29.30 say "     Which route do you choose? "
   29.30 say " northern "
   29.33 key s
   29.33 say " southern "
   29.36 key enter
   29.36 play 44 volume 0 pan 0 frequency 22051
   41.37 play 46 looped volume -10000 pan 0
   42.86 stop 44
   42.86 say " Cruising on I-10 in California"
   42.86 say " You are feeling rested & rearing to go."
   42.86 draw 0.550798
   42.86 say " Current weather: clear & dry"
   42.86 say " How fast do you wish to go? "
   42.91 key 5
   42.91 voice rate 5
   42.91 say "5"
   42.91 voice rate 0
   42.96 key 5
   42.96 voice rate 5
   42.96 say "5"
   42.96 voice rate 0
   42.98 play 22 volume 0 pan 0 frequency 22051
   44.58 stop 22
   45.08 draw 0.708148
   45.08 draw 0.290905
   45.08 draw 0.510828
   45.08 draw 0.892947
   45.21 play 10 volume 0 pan 1500 frequency 22051
   49.81 stop 10
   49.81 say " Day Monday"
   49.81 say " Time:  10 A.M. "
   52.03 draw 0.896293
   52.03 say " Approximate fuel  182"
   52.03 say "Speed  55"
   52.03 say "        Odometer:  55"
   52.03 say "Miles to go:  3065"
   52.03 say " Cruising on I-10 in California"
   52.03 say " You are feeling fine"
   52.03 draw 0.125585
   52.03 say " Current weather: clear & dry"
   52.03 say " How fast do you wish to go? "
   52.08 key 5
   52.08 voice rate 5
   52.08 say "5"
   52.08 voice rate 0
   52.13 key 5
   52.13 voice rate 5
   52.13 say "5"
   52.13 voice rate 0
   52.15 play 22 volume 0 pan 0 frequency 22051
   53.75 stop 22
   53.75 draw 0.207243
   53.75 draw 0.051467
   53.75 draw 0.440810
   53.75 draw 0.029876
   53.88 play 9 volume 0 pan -1500 frequency 22051
   58.88 stop 9
   58.88 say " Day Monday"
   58.88 say " Time:  11 A.M. "
   61.10 draw 0.456833
   61.10 say " Approximate fuel  166"
   61.10 say "Speed  55"
   61.10 say "        Odometer:  110"
   61.10 say "Miles to go:  3010"
   61.10 say " You have just past Palm Springs"
   68.78 say " Cruising on I-10 in California"
   68.78 say " You are feeling fine"
   68.78 draw 0.649144
   68.78 say " Current weather: clear & dry"
   68.78 say " How fast do you wish to go? "
   68.83 key 5
   68.83 voice rate 5
   68.83 say "5"
   68.83 voice rate 0
   68.88 key 5
   68.88 voice rate 5
   68.88 say "5"
   68.88 voice rate 0
   68.90 play 22 volume 0 pan 0 frequency 22051
   70.50 stop 22
   70.50 draw 0.278487
   70.50 draw 0.676255
   70.50 draw 0.590863
   73.89 say " Day Monday"
   73.89 say " Time:  12 Noon"
   76.05 draw 0.023982
   76.05 say " Approximate fuel  149"
   76.05 say "Speed  55"
   76.05 say "        Odometer:  165"
   76.05 say "Miles to go:  2955"
   76.05 say " Cruising on I-10 in California"
   76.05 say " You are feeling fine"
   76.05 draw 0.558854
   76.05 say " Current weather: clear & dry"
   76.05 say " Truck stop ahead.  Do you want to stop? "
   76.07 say " yes "
   76.10 key x
   76.10 voice rate 5
   76.10 say "x"
   76.10 voice rate 0
   76.10 say " Truck stop ahead.  Do you want to stop? "
   76.12 say " yes "
   76.15 key esc
   76.15 say " exit game? "
   76.15 say " yes "
   76.18 key n
   76.18 voice rate 5
   76.18 say "n"
   76.18 voice rate 0
   76.20 say " Truck stop ahead.  Do you want to stop? "
   76.22 say " yes "
   76.25 key n
   76.25 voice rate 5
   76.25 say "n"
   76.25 voice rate 0
   76.25 say " How fast do you wish to go? "
   76.30 key 5
   76.30 voice rate 5
   76.30 say "5"
   76.30 voice rate 0
   76.35 key 5
   76.35 voice rate 5
   76.35 say "5"
   76.35 voice rate 0
   76.37 play 22 volume 0 pan 0 frequency 22051
   77.97 stop 22
   77.97 draw 0.259252
   77.97 draw 0.415101
   77.97 draw 0.283525
   81.36 say " Day Monday"
   81.36 say " Time:  1 P.M. "
   83.52 draw 0.693138
   83.52 say " Approximate fuel  144"
   83.52 say "Speed  55"
   83.52 say "        Odometer:  220"
   83.52 say "Miles to go:  2900"
   83.52 say " Cruising on I-10 in California"
   83.52 say " You are feeling   bored"
   83.52 draw 0.440454
   83.52 say " Current weather: clear & dry"
   83.52 say " Truck stop ahead.  Do you want to stop? "
   83.54 say " yes "
   83.57 key y
   83.57 voice rate 5
   83.57 say "y"
   83.57 voice rate 0
   83.57 draw 0.156868
   83.57 play 43 volume 0 pan 0 frequency 22051
   84.07 stop 46
   87.37 stop 43
   87.37 say " Diesel fuel costs "
   87.37 say " 90 cents"
   89.65 say " per gallon."
   89.65 say "     How many gallons do you want"
   89.70 key 9
   89.70 voice rate 5
   89.70 say "9"
   89.70 voice rate 0
   89.75 key x
   89.75 voice rate 5
   89.75 say "x"
   89.75 voice rate 0
   89.75 say " Diesel fuel costs "
   89.75 say " 90 cents"
   92.24 say " per gallon."
   92.24 say "     How many gallons do you want"
   92.29 key esc
   92.29 say " exit game? "
   92.29 say " yes "
   92.32 key n
   92.32 voice rate 5
   92.32 say "n"
   92.32 voice rate 0
   92.34 say " Diesel fuel costs "
   92.34 say " 90 cents"
   94.81 say " per gallon."
   94.81 say "     How many gallons do you want"
   94.86 key 4
   94.86 voice rate 5
   94.86 say "4"
   94.86 voice rate 0
   94.91 key 6
   94.91 voice rate 5
   94.91 say "6"
   94.91 voice rate 0
   94.96 key enter
   94.96 voice rate 5
   94.96 voice rate 0
   94.98 play 27 volume 0 pan 0 frequency 22051
   99.58 stop 27
   99.58 draw 0.544649
   99.60 play 40 volume 0 pan 0 frequency 22051
  101.50 stop 40
  101.50 say "Pay "
  101.50 say "41 dollors, and,  40 cents"
  103.90 say " So far, you have spent "
  103.90 say "231 dollors, and,  40 cents"
  107.56 say " Do you want to get some sleep? "
  107.58 say " yes "
  107.61 key x
  107.61 voice rate 5
  107.61 say "x"
  107.61 voice rate 0
  107.61 say " Do you want to get some sleep? "
  107.63 say " yes "
  107.66 key y
  107.66 voice rate 5
  107.66 say "y"
  107.66 voice rate 0
  107.68 say "     How many hours of rest"
  107.71 key 8
  107.71 voice rate 5
  107.71 say "8"
  107.71 voice rate 0
  107.74 key enter
  107.76 play 25 volume 0 pan 0 frequency 22051
  110.66 stop 25
  110.68 play 25 volume 0 pan 0 frequency 22051
  113.58 stop 25
  113.60 play 25 volume 0 pan 0 frequency 22051
  116.50 stop 25
  116.52 play 25 volume 0 pan 0 frequency 22051
  119.42 stop 25
  119.44 play 25 volume 0 pan 0 frequency 22051
  122.34 stop 25
  122.36 play 25 volume 0 pan 0 frequency 22051
  125.26 stop 25
  125.28 play 25 volume 0 pan 0 frequency 22051
  128.18 stop 25
  128.20 play 25 volume 0 pan 0 frequency 22051
  131.10 stop 25
  131.10 say " Thanks to the daytime noise, you got only 4hours real sleep."
  135.08 play 23 volume 0 pan 0 frequency 22051
  138.28 stop 23
  138.28 say " Day Monday"
  138.28 say " Time:  10 P.M. "
  140.50 play 44 volume 0 pan 0 frequency 22051
  152.51 play 46 looped volume -10000 pan 0 frequency 22055
  154.00 stop 44
  154.00 say " How fast do you wish to go? "
  154.05 key 5
  154.05 voice rate 5
  154.05 say "5"
  154.05 voice rate 0
  154.10 key 5
  154.10 voice rate 5
  154.10 say "5"
  154.10 voice rate 0
  154.12 play 22 volume 0 pan 0 frequency 22051
  155.72 stop 22
  155.72 draw 0.780315
  155.72 draw 0.306364
  155.72 draw 0.221958
  159.11 say " Day Monday"
  159.11 say " Time:  11 P.M. "
  161.33 draw 0.387971
  161.33 say " Approximate fuel  174"
  161.33 say "Speed  55"
  161.33 say "        Odometer:  275"
  161.33 say "Miles to go:  2845"
  161.33 say " You have just past Blythe"
  168.65 say " Time zone changes -- set clock ahead one hour."
  168.65 say " Day Tuesday"
  168.65 say " Time:  12 Midnight"
  174.23 say " Cruising on I-10 in Arizona"
  174.23 say " You are feeling rested & rearing to go."
  174.23 draw 0.936384
  174.23 say " Current weather: clear & dry"
  174.23 say " How fast do you wish to go? "
  174.28 key 5
  174.28 voice rate 5
  174.28 say "5"
  174.28 voice rate 0
  174.33 key 5
  174.33 voice rate 5
  174.33 say "5"
  174.33 voice rate 0
  174.35 play 22 volume 0 pan 0 frequency 22051
  175.95 stop 22
  175.95 draw 0.975995
  175.95 draw 0.672384
  175.95 draw 0.902834
  179.34 say " Day Tuesday"
  179.34 say " Time:  1 A.M. "
  181.56 draw 0.845751
  181.56 say " Approximate fuel  167"
  181.56 say "Speed  55"
  181.56 say "        Odometer:  330"
  181.56 say "Miles to go:  2790"
  181.56 say " Cruising on I-10 in Arizona"
  181.56 say " You are feeling rested & rearing to go."
  181.56 draw 0.377994
  181.56 say " Current weather: clear & dry"
  181.56 say " How fast do you wish to go? "
  181.61 key 5
  181.61 voice rate 5
  181.61 say "5"
  181.61 voice rate 0
  181.66 key 5
  181.66 voice rate 5
  181.66 say "5"
  181.66 voice rate 0
  181.68 play 22 volume 0 pan 0 frequency 22051
  183.28 stop 22
  183.28 draw 0.092217
  183.28 draw 0.653411
  183.28 draw 0.557841
  183.28 draw 0.361565
  183.40 play 11 volume 0 pan -1500 frequency 22051
  187.90 stop 11
  187.90 say " Day Tuesday"
  187.90 say " Time:  2 A.M. "
  190.12 draw 0.225055
  190.12 say " Approximate fuel  148"
  190.12 say "Speed  55"
  190.12 say "        Odometer:  385"
  190.12 say "Miles to go:  2735"
  190.12 say " You have just past Phoenix"
  197.50 say " Cruising on I-10 in Arizona"
  197.50 say " You are feeling rested & rearing to go."
  197.50 draw 0.406520
  197.50 say " Current weather: clear & dry"
  197.50 say " How fast do you wish to go? "
  197.55 key 5
  197.55 voice rate 5
  197.55 say "5"
  197.55 voice rate 0
  197.60 key 5
  197.60 voice rate 5
  197.60 say "5"
  197.60 voice rate 0
  197.62 play 22 volume 0 pan 0 frequency 22051
  199.22 stop 22
  199.22 draw 0.468940
  199.22 draw 0.269236
  199.22 draw 0.291793
  202.61 say " Day Tuesday"
  202.61 say " Time:  3 A.M. "
  204.83 draw 0.457686
  204.83 say " Approximate fuel  138"
  204.83 say "Speed  55"
  204.83 say "        Odometer:  440"
  204.83 say "Miles to go:  2680"
  204.83 say " Cruising on I-10 in Arizona"
  204.83 say " You are feeling fine"
  204.83 draw 0.860534
  204.83 say " Current weather: clear & dry"
  204.83 say " Truck stop ahead.  Do you want to stop? "
  204.85 say " yes "
  204.88 key y
  204.88 voice rate 5
  204.88 say "y"
  204.88 voice rate 0
  204.88 draw 0.586253
  204.88 play 43 volume 0 pan 0 frequency 22051
  205.38 stop 46
  208.68 stop 43
  208.68 say " Diesel fuel costs "
  208.68 say "1 dollor, and,  5 cents"
  211.80 say " per gallon."
  211.80 say "     How many gallons do you want"
  211.85 key 5
  211.85 voice rate 5
  211.85 say "5"
  211.85 voice rate 0
  211.90 key 2
  211.90 voice rate 5
  211.90 say "2"
  211.90 voice rate 0
  211.95 key enter
  211.95 voice rate 5
  211.95 voice rate 0
  211.97 play 27 volume 0 pan 0 frequency 22051
  216.57 stop 27
  216.57 draw 0.283488
  216.59 play 40 volume 0 pan 0 frequency 22051
  218.49 stop 40
  218.49 say "Pay "
  218.49 say "54 dollors, and,  60 cents"
  220.89 say " So far, you have spent "
  220.89 say "286 dollors"
  223.59 say " Do you want to get some sleep? "
  223.61 say " yes "
  223.64 key y
  223.64 voice rate 5
  223.64 say "y"
  223.64 voice rate 0
  223.66 say "     How many hours of rest"
  223.69 key 8
  223.69 voice rate 5
  223.69 say "8"
  223.69 voice rate 0
  223.72 key enter
  223.74 play 24 volume 0 pan 0 frequency 22051
  226.44 stop 24
  226.46 play 24 volume 0 pan 0 frequency 22051
  229.16 stop 24
  229.18 play 24 volume 0 pan 0 frequency 22051
  231.88 stop 24
  231.90 play 24 volume 0 pan 0 frequency 22051
  234.60 stop 24
  234.62 play 24 volume 0 pan 0 frequency 22051
  237.32 stop 24
  237.34 play 24 volume 0 pan 0 frequency 22051
  240.04 stop 24
  240.06 play 24 volume 0 pan 0 frequency 22051
  242.76 stop 24
  242.78 play 24 volume 0 pan 0 frequency 22051
  245.48 stop 24
  245.50 play 23 volume 0 pan 0 frequency 22051
  248.70 stop 23
  248.70 say " Day Tuesday"
  248.70 say " Time:  12 Noon"
  250.92 play 44 volume 0 pan 0 frequency 22051
  262.93 play 46 looped volume -10000 pan 0 frequency 22055
  264.42 stop 44
  264.42 say " How fast do you wish to go? "
  264.47 key 5
  264.47 voice rate 5
  264.47 say "5"
  264.47 voice rate 0
  264.52 key 5
  264.52 voice rate 5
  264.52 say "5"
  264.52 voice rate 0
  264.54 play 22 volume 0 pan 0 frequency 22051
  266.14 stop 22
  266.14 draw 0.277978
  266.14 draw 0.454622
  266.14 draw 0.205410
  266.14 draw 0.201379
  267.17 play 5 volume 0 pan -1500 frequency 22051
  271.37 stop 5
  271.37 say " Day Tuesday"
  271.37 say " Time:  1 P.M. "
  273.59 draw 0.514035
  273.59 say " Approximate fuel  179"
  273.59 say "Speed  55"
  273.59 say "        Odometer:  495"
  273.59 say "Miles to go:  2625"
  273.59 say " You have just past Tucson"
  280.91 say " Cruising on I-10 in Arizona"
  280.91 say " You are feeling rested & rearing to go."
  280.91 draw 0.087229
  280.91 say " Current weather: clear & dry"
  280.91 say " How fast do you wish to go? "
  280.96 key 5
  280.96 voice rate 5
  280.96 say "5"
  280.96 voice rate 0
  281.01 key 5
  281.01 voice rate 5
  281.01 say "5"
  281.01 voice rate 0
  281.03 play 22 volume 0 pan 0 frequency 22051
  282.63 stop 22
  282.63 draw 0.483586
  282.63 draw 0.362176
  282.63 draw 0.707687
  286.02 say " Day Tuesday"
  286.02 say " Time:  2 P.M. "
  288.24 draw 0.746746
  288.24 say " Approximate fuel  169"
  288.24 say "Speed  55"
  288.24 say "        Odometer:  550"
  288.24 say "Miles to go:  2570"
  288.24 say " Cruising on I-10 in Arizona"
  288.24 say " You are feeling rested & rearing to go."
  288.24 draw 0.691093
  288.24 say " Current weather: clear & dry"
  288.24 say " How fast do you wish to go? "
  288.29 key 5
  288.29 voice rate 5
  288.29 say "5"
  288.29 voice rate 0
  288.34 key 5
  288.34 voice rate 5
  288.34 say "5"
  288.34 voice rate 0
  288.36 play 22 volume 0 pan 0 frequency 22051
  289.96 stop 22
  289.96 draw 0.689180
  289.96 draw 0.373600
  289.96 draw 0.668135
  289.96 draw 0.339849
  290.99 play 13 volume 0 pan -1500 frequency 22051
  296.99 stop 13
  296.99 say " Day Tuesday"
  296.99 say " Time:  3 P.M. "
  299.21 draw 0.572794
  299.21 say " Approximate fuel  155"
  299.21 say "Speed  55"
  299.21 say "        Odometer:  605"
  299.21 say "Miles to go:  2515"
  299.21 say " Cruising on I-10 in Arizona"
  299.21 say " You are feeling rested & rearing to go."
  299.21 draw 0.325807
  299.21 say " Current weather: clear & dry"
  299.21 say " How fast do you wish to go? "
  299.26 key 5
  299.26 voice rate 5
  299.26 say "5"
  299.26 voice rate 0
  299.31 key 5
  299.31 voice rate 5
  299.31 say "5"
  299.31 voice rate 0
  299.33 play 22 volume 0 pan 0 frequency 22051
  300.93 stop 22
  300.93 draw 0.445145
  300.93 draw 0.061529
  300.93 draw 0.242675
  300.93 draw 0.971603
  301.96 play 6 volume 0 pan 1500 frequency 22051
  306.16 stop 6
  306.16 say " Day Tuesday"
  306.16 say " Time:  4 P.M. "
  308.38 draw 0.230584
  308.38 say " Approximate fuel  139"
  308.38 say "Speed  55"
  308.38 say "        Odometer:  660"
  308.38 say "Miles to go:  2460"
  308.38 say " You have just past Lordsburg"
  315.88 draw 0.691478
  315.88 say " Cruising on I-10 in New Mexico"
  315.88 say " You are feeling fine"
  315.88 draw 0.650477
  315.88 say " Current weather: clear & dry"
  315.88 say " Truck stop ahead.  Do you want to stop? "
  315.90 say " yes "
  315.93 key n
  315.93 voice rate 5
  315.93 say "n"
  315.93 voice rate 0
  315.93 say " How fast do you wish to go? "
  315.98 key 5
  315.98 voice rate 5
  315.98 say "5"
  315.98 voice rate 0
  316.03 key 5
  316.03 voice rate 5
  316.03 say "5"
  316.03 voice rate 0
  316.05 play 22 volume 0 pan 0 frequency 22051
  317.65 stop 22
  317.65 draw 0.723939
  317.65 draw 0.475089
  317.65 draw 0.596664
  321.04 say " Day Tuesday"
  321.04 say " Time:  5 P.M. "
  323.26 draw 0.066969
  323.26 say " Approximate fuel  125"
  323.26 say "Speed  55"
  323.26 say "        Odometer:  715"
  323.26 say "Miles to go:  2405"
  323.26 say " Cruising on I-10 in New Mexico"
  323.26 say " You are feeling fine"
  323.26 draw 0.072562
  323.26 say " Current weather: clear & dry"
  323.26 say " Truck stop ahead.  Do you want to stop? "
  323.28 say " yes "
  323.31 key n
  323.31 voice rate 5
  323.31 say "n"
  323.31 voice rate 0
  323.31 say " How fast do you wish to go? "
  323.36 key 5
  323.36 voice rate 5
  323.36 say "5"
  323.36 voice rate 0
  323.41 key 5
  323.41 voice rate 5
  323.41 say "5"
  323.41 voice rate 0
  323.43 play 22 volume 0 pan 0 frequency 22051
  325.03 stop 22
  325.03 draw 0.198976
  325.03 draw 0.151861
  325.03 draw 0.100104
  328.42 say " Day Tuesday"
  328.42 say " Time:  6 P.M. "
  330.64 draw 0.129294
  330.64 say " Approximate fuel  114"
  330.64 say "Speed  55"
  330.64 say "        Odometer:  770"
  330.64 say "Miles to go:  2350"
  330.64 say " Cruising on I-10 in New Mexico"
  330.64 say " You are feeling   bored"
  330.64 draw 0.553278
  330.64 say " Current weather: clear & dry"
  330.64 say " Truck stop ahead.  Do you want to stop? "
  330.66 say " yes "
  330.69 key y
  330.69 voice rate 5
  330.69 say "y"
  330.69 voice rate 0
  330.69 draw 0.187815
  330.69 play 43 volume 0 pan 0 frequency 22051
  331.19 stop 46
  334.49 stop 43
  334.49 say " Diesel fuel costs "
  334.49 say " 91 cents"
  336.77 say " per gallon."
  336.77 say "     How many gallons do you want"
  336.82 key 7
  336.82 voice rate 5
  336.82 say "7"
  336.82 voice rate 0
  336.87 key 6
  336.87 voice rate 5
  336.87 say "6"
  336.87 voice rate 0
  336.92 key enter
  336.92 voice rate 5
  336.92 voice rate 0
  336.94 play 27 volume 0 pan 0 frequency 22051
  341.54 stop 27
  341.54 draw 0.952101
  341.56 play 40 volume 0 pan 0 frequency 22051
  343.46 stop 40
  343.46 say "Pay "
  343.46 say "69 dollors, and,  16 cents"
  345.86 say " So far, you have spent "
  345.86 say "355 dollors, and,  16 cents"
  349.52 say " Do you want to get some sleep? "
  349.54 say " yes "
  349.57 key y
  349.57 voice rate 5
  349.57 say "y"
  349.57 voice rate 0
  349.59 say "     How many hours of rest"
  349.62 key 8
  349.62 voice rate 5
  349.62 say "8"
  349.62 voice rate 0
  349.65 key enter
  349.67 play 25 volume 0 pan 0 frequency 22051
  352.57 stop 25
  352.59 play 25 volume 0 pan 0 frequency 22051
  355.49 stop 25
  355.51 play 25 volume 0 pan 0 frequency 22051
  358.41 stop 25
  358.43 play 25 volume 0 pan 0 frequency 22051
  361.33 stop 25
  361.35 play 25 volume 0 pan 0 frequency 22051
  364.25 stop 25
  364.27 play 25 volume 0 pan 0 frequency 22051
  367.17 stop 25
  367.19 play 25 volume 0 pan 0 frequency 22051
  370.09 stop 25
  370.11 play 25 volume 0 pan 0 frequency 22051
  373.01 stop 25
  373.01 say " Thanks to the daytime noise, you got only 4hours real sleep."
  376.99 play 23 volume 0 pan 0 frequency 22051
  380.19 stop 23
  380.19 say " Day Wednesday"
  380.19 say " Time:  3 A.M. "
  382.53 play 44 volume 0 pan 0 frequency 22051
  394.54 play 46 looped volume -10000 pan 0 frequency 22055
  396.03 stop 44
  396.03 say " How fast do you wish to go? "
  396.08 key 5
  396.08 voice rate 5
  396.08 say "5"
  396.08 voice rate 0
  396.13 key 5
  396.13 voice rate 5
  396.13 say "5"
  396.13 voice rate 0
  396.15 play 22 volume 0 pan 0 frequency 22051
  397.75 stop 22
  397.75 draw 0.681612
  397.75 draw 0.541020
  397.75 draw 0.707181
  401.14 say " Day Wednesday"
  401.14 say " Time:  4 A.M. "
  403.48 draw 0.263887
  403.48 say " Approximate fuel  179"
  403.48 say "Speed  55"
  403.48 say "        Odometer:  825"
  403.48 say "Miles to go:  2295"
  403.48 say " You have just past El Paso"
  410.86 say " Cruising on I-10 in Texas"
  410.86 say " You are feeling rested & rearing to go."
  410.86 draw 0.926726
  410.86 say " Current weather: clear & dry"
  410.86 say " How fast do you wish to go? "
  410.91 key 5
  410.91 voice rate 5
  410.91 say "5"
  410.91 voice rate 0
  410.96 key 5
  410.96 voice rate 5
  410.96 say "5"
  410.96 voice rate 0
  410.98 play 22 volume 0 pan 0 frequency 22051
  412.58 stop 22
  412.58 draw 0.839193
  412.58 draw 0.726319
  412.58 draw 0.480240
  415.97 say " Day Wednesday"
  415.97 say " Time:  5 A.M. "
  418.31 draw 0.842103
  418.31 say " Approximate fuel  172"
  418.31 say "Speed  55"
  418.31 say "        Odometer:  880"
  418.31 say "Miles to go:  2240"
  418.31 say " Cruising on I-10 in Texas"
  418.31 say " You are feeling rested & rearing to go."
  418.31 draw 0.744752
  418.31 say " Current weather: clear & dry"
  418.31 say " How fast do you wish to go? "
  418.36 key 5
  418.36 voice rate 5
  418.36 say "5"
  418.36 voice rate 0
  418.41 key 5
  418.41 voice rate 5
  418.41 say "5"
  418.41 voice rate 0
  418.43 play 22 volume 0 pan 0 frequency 22051
  420.03 stop 22
  420.03 draw 0.660326
  420.03 draw 0.913975
  420.03 draw 0.633666
  420.03 draw 0.365941
  420.16 play 12 volume 0 pan -1500 frequency 22051
  426.36 stop 12
  426.36 say " Day Wednesday"
  426.36 say " Time:  6 A.M. "
  428.70 draw 0.552845
  428.70 say " Approximate fuel  157"
  428.70 say "Speed  55"
  428.70 say "        Odometer:  935"
  428.70 say "Miles to go:  2185"
  428.70 say " Cruising on I-10 in Texas"
  428.70 say " You are feeling rested & rearing to go."
  428.70 draw 0.196381
  428.70 say " Current weather: clear & dry"
  428.70 say " How fast do you wish to go? "
  428.75 key 5
  428.75 voice rate 5
  428.75 say "5"
  428.75 voice rate 0
  428.80 key 5
  428.80 voice rate 5
  428.80 say "5"
  428.80 voice rate 0
  428.82 play 22 volume 0 pan 0 frequency 22051
  430.42 stop 22
  430.42 draw 0.192072
  430.42 draw 0.725670
  430.42 draw 0.784937
  433.81 say " Day Wednesday"
  433.81 say " Time:  7 A.M. "
  436.15 draw 0.972098
  436.15 say " Approximate fuel  149"
  436.15 say "Speed  55"
  436.15 say "        Odometer:  990"
  436.15 say "Miles to go:  2130"
  436.15 say " You have just past Pecos"
  443.41 say " Time zone changes -- set clock ahead one hour."
  443.41 say " Day Wednesday"
  443.41 say " Time:  8 A.M. "
  448.87 say " Cruising on I-20 in Texas"
  448.87 say " You are feeling fine"
  448.87 draw 0.850971
  448.87 say " Current weather: clear & dry"
  448.87 say " Truck stop ahead.  Do you want to stop? "
  448.89 say " yes "
  448.92 key n
  448.92 voice rate 5
  448.92 say "n"
  448.92 voice rate 0
  448.92 say " How fast do you wish to go? "
  448.97 key 5
  448.97 voice rate 5
  448.97 say "5"
  448.97 voice rate 0
  449.02 key 5
  449.02 voice rate 5
  449.02 say "5"
  449.02 voice rate 0
  449.04 play 22 volume 0 pan 0 frequency 22051
  450.64 stop 22
  450.64 draw 0.543594
  450.64 draw 0.089791
  450.64 draw 0.488873
  450.64 draw 0.927936
  450.77 play 10 volume 0 pan 1500 frequency 22051
  455.37 stop 10
  455.37 say " Day Wednesday"
  455.37 say " Time:  9 A.M. "
  457.71 draw 0.787618
  457.71 say " Approximate fuel  135"
  457.71 say "Speed  55"
  457.71 say "        Odometer:  1045"
  457.71 say "Miles to go:  2075"
  457.71 say " Cruising on I-20 in Texas"
  457.71 say " You are feeling fine"
  457.71 draw 0.485094
  457.71 say " Current weather: clear & dry"
  457.71 say " Truck stop ahead.  Do you want to stop? "
  457.73 say " yes "
  457.76 key n
  457.76 voice rate 5
  457.76 say "n"
  457.76 voice rate 0
  457.76 say " How fast do you wish to go? "
  457.81 key 5
  457.81 voice rate 5
  457.81 say "5"
  457.81 voice rate 0
  457.86 key 5
  457.86 voice rate 5
  457.86 say "5"
  457.86 voice rate 0
  457.88 play 22 volume 0 pan 0 frequency 22051
  459.48 stop 22
  459.48 draw 0.455279
  459.48 draw 0.217986
  459.48 draw 0.177213
  462.87 say " Day Wednesday"
  462.87 say " Time:  10 A.M. "
  465.27 draw 0.073624
  465.27 say " Approximate fuel  116"
  465.27 say "Speed  55"
  465.27 say "        Odometer:  1100"
  465.27 say "Miles to go:  2020"
  465.27 say " You have just past Odessa"
  472.65 say " Cruising on I-20 in Texas"
  472.65 say " You are feeling   bored"
  472.65 draw 0.892393
  472.65 say " Current weather: clear & dry"
  472.65 say " Truck stop ahead.  Do you want to stop? "
  472.67 say " yes "
  472.70 key y
  472.70 voice rate 5
  472.70 say "y"
  472.70 voice rate 0
  472.70 draw 0.640177
  472.70 play 43 volume 0 pan 0 frequency 22051
  473.20 stop 46
  476.50 stop 43
  476.50 say " Diesel fuel costs "
  476.50 say "1 dollor, and,  7 cents"
  479.62 say " per gallon."
  479.62 say "     How many gallons do you want"
  479.67 key 7
  479.67 voice rate 5
  479.67 say "7"
  479.67 voice rate 0
  479.72 key 4
  479.72 voice rate 5
  479.72 say "4"
  479.72 voice rate 0
  479.77 key enter
  479.77 voice rate 5
  479.77 voice rate 0
  479.79 play 27 volume 0 pan 0 frequency 22051
  484.39 stop 27
  484.39 draw 0.143332
  484.41 play 40 volume 0 pan 0 frequency 22051
  486.31 stop 40
  486.31 say "Pay "
  486.31 say "79 dollors, and,  18 cents"
  488.71 say " So far, you have spent "
  488.71 say "434 dollors, and,  34 cents"
  492.37 say " Do you want to get some sleep? "
  492.39 say " yes "
  492.42 key y
  492.42 voice rate 5
  492.42 say "y"
  492.42 voice rate 0
  492.44 say "     How many hours of rest"
  492.47 key 8
  492.47 voice rate 5
  492.47 say "8"
  492.47 voice rate 0
  492.50 key enter
  492.52 play 25 volume 0 pan 0 frequency 22051
  495.42 stop 25
  495.44 play 25 volume 0 pan 0 frequency 22051
  498.34 stop 25
  498.36 play 25 volume 0 pan 0 frequency 22051
  501.26 stop 25
  501.28 play 25 volume 0 pan 0 frequency 22051
  504.18 stop 25
  504.20 play 25 volume 0 pan 0 frequency 22051
  507.10 stop 25
  507.12 play 25 volume 0 pan 0 frequency 22051
  510.02 stop 25
  510.04 play 25 volume 0 pan 0 frequency 22051
  512.94 stop 25
  512.96 play 25 volume 0 pan 0 frequency 22051
  515.86 stop 25
  515.86 say " Thanks to the daytime noise, you got only 4hours real sleep."
  519.84 play 23 volume 0 pan 0 frequency 22051
  523.04 stop 23
  523.04 say " Day Wednesday"
  523.04 say " Time:  7 P.M. "
  525.38 play 44 volume 0 pan 0 frequency 22051
  537.39 play 46 looped volume -10000 pan 0 frequency 22055
  538.88 stop 44
  538.88 say " How fast do you wish to go? "
  538.93 key 5
  538.93 voice rate 5
  538.93 say "5"
  538.93 voice rate 0
  538.98 key 5
  538.98 voice rate 5
  538.98 say "5"
  538.98 voice rate 0
  539.00 play 22 volume 0 pan 0 frequency 22051
  540.60 stop 22
  540.60 draw 0.414127
  540.60 draw 0.049109
  540.60 draw 0.209373
  540.60 draw 0.730708
  541.63 play 5 volume 0 pan 1500 frequency 22051
  545.83 stop 5
  545.83 say " Day Wednesday"
  545.83 say " Time:  8 P.M. "
  548.17 draw 0.651123
  548.17 say " Approximate fuel  183"
  548.17 say "Speed  55"
  548.17 say "        Odometer:  1155"
  548.17 say "Miles to go:  1965"
  548.17 say " Cruising on I-20 in Texas"
  548.17 say " You are feeling rested & rearing to go."
  548.17 draw 0.478978
  548.17 say " Current weather: clear & dry"
  548.17 say " How fast do you wish to go? "
  548.22 key 5
  548.22 voice rate 5
  548.22 say "5"
  548.22 voice rate 0
  548.27 key 5
  548.27 voice rate 5
  548.27 say "5"
  548.27 voice rate 0
  548.29 play 22 volume 0 pan 0 frequency 22051
  549.89 stop 22
  549.89 draw 0.274781
  549.89 draw 0.652223
  549.89 draw 0.956450
  553.28 say " Day Wednesday"
  553.28 say " Time:  9 P.M. "
  555.62 draw 0.435521
  555.62 say " Approximate fuel  169"
  555.62 say "Speed  55"
  555.62 say "        Odometer:  1210"
  555.62 say "Miles to go:  1910"
  555.62 say " Cruising on I-20 in Texas"
  555.62 say " You are feeling rested & rearing to go."
  555.62 draw 0.070133
  555.62 say " Current weather: clear & dry"
  555.62 say " How fast do you wish to go? "
  555.67 key 5
  555.67 voice rate 5
  555.67 say "5"
  555.67 voice rate 0
  555.72 key 5
  555.72 voice rate 5
  555.72 say "5"
  555.72 voice rate 0
  555.74 play 22 volume 0 pan 0 frequency 22051
  557.34 stop 22
  557.34 draw 0.057731
  557.34 draw 0.082871
  557.34 draw 0.959707
  560.73 say " Day Wednesday"
  560.73 say " Time:  10 P.M. "
  563.13 draw 0.540761
  563.13 say " Approximate fuel  158"
  563.13 say "Speed  55"
  563.13 say "        Odometer:  1265"
  563.13 say "Miles to go:  1855"
  563.13 say " You have just past Abilene"
  570.57 draw 0.837462
  570.57 say " Construction ahead !!"
  570.78 say " Slow down -- speed limit 35 MPH"
  570.78 say " Cruising on I-20 in Texas"
  570.78 say " You are feeling rested & rearing to go."
  570.78 draw 0.170034
  570.78 say " Current weather: clear & dry"
  570.78 say " How fast do you wish to go? "
  570.83 key 3
  570.83 voice rate 5
  570.83 say "3"
  570.83 voice rate 0
  570.88 key 5
  570.88 voice rate 5
  570.88 say "5"
  570.88 voice rate 0
  570.90 play 22 volume 0 pan 0 frequency 22051
  572.50 stop 22
  574.51 draw 0.260345
  574.51 draw 0.691978
  574.51 draw 0.895570
  575.89 say " Day Wednesday"
  575.89 say " Time:  11 P.M. "
  578.29 draw 0.340688
  578.29 say " Approximate fuel  138"
  578.29 say "Speed  35"
  578.29 say "        Odometer:  1300"
  578.29 say "Miles to go:  1820"
  578.29 say " Cruising on I-20 in Texas"
  578.29 say " You are feeling fine"
  578.29 draw 0.064673
  578.29 say " Current weather: clear & dry"
  578.29 say " Truck stop ahead.  Do you want to stop? "
  578.31 say " yes "
  578.34 key y
  578.34 voice rate 5
  578.34 say "y"
  578.34 voice rate 0
  578.34 draw 0.864120
  578.34 play 43 volume 0 pan 0 frequency 22051
  578.84 stop 46
  582.14 stop 43
  582.14 say " Diesel fuel costs "
  582.14 say "1 dollor, and,  15 cents"
  585.32 say " per gallon."
  585.32 say "     How many gallons do you want"
  585.37 key 5
  585.37 voice rate 5
  585.37 say "5"
  585.37 voice rate 0
  585.42 key 2
  585.42 voice rate 5
  585.42 say "2"
  585.42 voice rate 0
  585.47 key enter
  585.47 voice rate 5
  585.47 voice rate 0
  585.49 play 27 volume 0 pan 0 frequency 22051
  590.09 stop 27
  590.09 draw 0.290872
  590.11 play 40 volume 0 pan 0 frequency 22051
  592.01 stop 40
  592.01 say "Pay "
  592.01 say "59 dollors, and,  80 cents"
  594.41 say " So far, you have spent "
  594.41 say "494 dollors, and,  14 cents"
  598.07 say " Do you want to get some sleep? "
  598.09 say " yes "
  598.12 key y
  598.12 voice rate 5
  598.12 say "y"
  598.12 voice rate 0
  598.14 say "     How many hours of rest"
  598.17 key 8
  598.17 voice rate 5
  598.17 say "8"
  598.17 voice rate 0
  598.20 key enter
  598.22 play 24 volume 0 pan 0 frequency 22051
  600.92 stop 24
  600.94 play 24 volume 0 pan 0 frequency 22051
  603.64 stop 24
  603.66 play 24 volume 0 pan 0 frequency 22051
  606.36 stop 24
  606.38 play 24 volume 0 pan 0 frequency 22051
  609.08 stop 24
  609.10 play 24 volume 0 pan 0 frequency 22051
  611.80 stop 24
  611.82 play 24 volume 0 pan 0 frequency 22051
  614.52 stop 24
  614.54 play 24 volume 0 pan 0 frequency 22051
  617.24 stop 24
  617.26 play 24 volume 0 pan 0 frequency 22051
  619.96 stop 24
  619.98 play 23 volume 0 pan 0 frequency 22051
  623.18 stop 23
  623.18 say " Day Thursday"
  623.18 say " Time:  8 A.M. "
  625.46 play 44 volume 0 pan 0 frequency 22051
  637.47 play 46 looped volume -10000 pan 0 frequency 14035
  638.96 stop 44
  638.96 say " How fast do you wish to go? "
  639.01 key 3
  639.01 voice rate 5
  639.01 say "3"
  639.01 voice rate 0
  639.06 key 5
  639.06 voice rate 5
  639.06 say "5"
  639.06 voice rate 0
  639.08 play 22 volume 0 pan 0 frequency 22051
  640.68 stop 22
  640.68 draw 0.741082
  640.68 draw 0.158034
  640.68 draw 0.694963
  640.68 draw 0.841420
  641.71 play 13 volume 0 pan 1500 frequency 22051
  647.71 stop 13
  647.71 say " Day Thursday"
  647.71 say " Time:  9 A.M. "
  649.99 draw 0.727152
  649.99 say " Approximate fuel  177"
  649.99 say "Speed  35"
  649.99 say "        Odometer:  1335"
  649.99 say "Miles to go:  1785"
  649.99 say " Cruising on I-20 in Texas"
  649.99 say " You are feeling rested & rearing to go."
  649.99 draw 0.359108
  649.99 say " Current weather: clear & dry"
  649.99 say " How fast do you wish to go? "
  650.04 key 3
  650.04 voice rate 5
  650.04 say "3"
  650.04 voice rate 0
  650.09 key 5
  650.09 voice rate 5
  650.09 say "5"
  650.09 voice rate 0
  650.11 play 22 volume 0 pan 0 frequency 22051
  651.71 stop 22
  651.71 draw 0.726690
  651.71 draw 0.139467
  651.71 draw 0.313819
  651.71 draw 0.419583
  651.84 play 7 volume 0 pan -1500 frequency 22051
  658.84 stop 7
  658.84 say " Day Thursday"
  658.84 say " Time:  10 A.M. "
  661.18 draw 0.877212
  661.18 say " Approximate fuel  161"
  661.18 say "Speed  35"
  661.18 say "        Odometer:  1370"
  661.18 say "Miles to go:  1750"
  661.18 say " Cruising on I-20 in Texas"
  661.18 say " You are feeling rested & rearing to go."
  661.18 draw 0.153740
  661.18 say " Current weather: clear & dry"
  661.18 say " How fast do you wish to go? "
  661.23 key 3
  661.23 voice rate 5
  661.23 say "3"
  661.23 voice rate 0
  661.28 key 5
  661.28 voice rate 5
  661.28 say "5"
  661.28 voice rate 0
  661.30 play 22 volume 0 pan 0 frequency 22051
  662.90 stop 22
  662.90 draw 0.880125
  662.90 draw 0.798964
  662.90 draw 0.971624
  662.90 draw 0.367703
  663.03 play 18 volume 0 pan -1500 frequency 22051
  668.03 stop 18
  668.03 say " Day Thursday"
  668.03 say " Time:  11 A.M. "
  670.37 draw 0.204940
  670.37 say " Approximate fuel  136"
  670.37 say "Speed  35"
  670.37 say "        Odometer:  1405"
  670.37 say "Miles to go:  1715"
  670.37 say " Cruising on I-20 in Texas"
  670.37 say " You are feeling rested & rearing to go."
  670.37 draw 0.240570
  670.37 say " Current weather: clear & dry"
  670.37 say " How fast do you wish to go? "
  670.42 key 3
  670.42 voice rate 5
  670.42 say "3"
  670.42 voice rate 0
  670.47 key 5
  670.47 voice rate 5
  670.47 say "5"
  670.47 voice rate 0
  670.49 play 22 volume 0 pan 0 frequency 22051
  672.09 stop 22
  672.09 draw 0.827863
  672.09 draw 0.965228
  672.09 draw 0.698810
  675.48 say " Day Thursday"
  675.48 say " Time:  12 Noon"
  677.76 draw 0.482497
  677.76 say " Approximate fuel  122"
  677.76 say "Speed  35"
  677.76 say "        Odometer:  1440"
  677.76 say "Miles to go:  1680"
  677.76 say " You have just past Dallas"
  685.14 say " Cruising on I-20 in Texas"
  685.14 say " You are feeling fine"
  685.14 draw 0.287050
  685.14 say " Current weather: clear & dry"
  685.14 say " Truck stop ahead.  Do you want to stop? "
  685.16 say " yes "
  685.19 key n
  685.19 voice rate 5
  685.19 say "n"
  685.19 voice rate 0
  685.19 say " How fast do you wish to go? "
  685.24 key 5
  685.24 voice rate 5
  685.24 say "5"
  685.24 voice rate 0
  685.29 key 5
  685.29 voice rate 5
  685.29 say "5"
  685.29 voice rate 0
  685.31 play 22 volume 0 pan 0 frequency 22051
  686.91 stop 22
  688.92 draw 0.833688
  688.92 draw 0.872180
  688.92 draw 0.092132
  690.30 say " Day Thursday"
  690.30 say " Time:  1 P.M. "
  692.58 draw 0.215949
  692.58 say " Approximate fuel  107"
  692.58 say "Speed  55"
  692.58 say "        Odometer:  1495"
  692.58 say "Miles to go:  1625"
  692.58 say " Cruising on I-20 in Texas"
  692.58 say " You are feeling fine"
  692.58 draw 0.831761
  692.58 say " Current weather: clear & dry"
  692.58 say " Truck stop ahead.  Do you want to stop? "
  692.60 say " yes "
  692.63 key n
  692.63 voice rate 5
  692.63 say "n"
  692.63 voice rate 0
  692.63 say " How fast do you wish to go? "
  692.68 key 5
  692.68 voice rate 5
  692.68 say "5"
  692.68 voice rate 0
  692.73 key 5
  692.73 voice rate 5
  692.73 say "5"
  692.73 voice rate 0
  692.75 play 22 volume 0 pan 0 frequency 22051
  694.35 stop 22
  694.35 draw 0.848304
  694.35 draw 0.314653
  694.35 draw 0.279295
  697.74 say " Day Thursday"
  697.74 say " Time:  2 P.M. "
  700.02 draw 0.430815
  700.02 say " Approximate fuel  97"
  700.02 say "Speed  55"
  700.02 say "        Odometer:  1550"
  700.02 say "Miles to go:  1570"
  700.02 say " Cruising on I-20 in Texas"
  700.02 say " You are feeling   bored"
  700.02 draw 0.539447
  700.02 say " Current weather: clear & dry"
  700.02 say " Truck stop ahead.  Do you want to stop? "
  700.04 say " yes "
  700.07 key y
  700.07 voice rate 5
  700.07 say "y"
  700.07 voice rate 0
  700.07 draw 0.095567
  700.07 play 43 volume 0 pan 0 frequency 22051
  700.57 stop 46
  703.87 stop 43
  703.87 say " Diesel fuel costs "
  703.87 say " 88 cents"
  706.15 say " per gallon."
  706.15 say "     How many gallons do you want"
  706.20 key 9
  706.20 voice rate 5
  706.20 say "9"
  706.20 voice rate 0
  706.25 key 3
  706.25 voice rate 5
  706.25 say "3"
  706.25 voice rate 0
  706.30 key enter
  706.30 voice rate 5
  706.30 voice rate 0
  706.32 play 27 volume 0 pan 0 frequency 22051
  710.92 stop 27
  710.92 draw 0.836912
  710.94 play 40 volume 0 pan 0 frequency 22051
  712.84 stop 40
  712.84 say "Pay "
  712.84 say "81 dollors, and,  84 cents"
  715.24 say " So far, you have spent "
  715.24 say "575 dollors, and,  98 cents"
  718.90 say " Do you want to get some sleep? "
  718.92 say " yes "
  718.95 key y
  718.95 voice rate 5
  718.95 say "y"
  718.95 voice rate 0
  718.97 say "     How many hours of rest"
  719.00 key 8
  719.00 voice rate 5
  719.00 say "8"
  719.00 voice rate 0
  719.03 key enter
  719.05 play 25 volume 0 pan 0 frequency 22051
  721.95 stop 25
  721.97 play 25 volume 0 pan 0 frequency 22051
  724.87 stop 25
  724.89 play 25 volume 0 pan 0 frequency 22051
  727.79 stop 25
  727.81 play 25 volume 0 pan 0 frequency 22051
  730.71 stop 25
  730.73 play 25 volume 0 pan 0 frequency 22051
  733.63 stop 25
  733.65 play 25 volume 0 pan 0 frequency 22051
  736.55 stop 25
  736.57 play 25 volume 0 pan 0 frequency 22051
  739.47 stop 25
  739.49 play 25 volume 0 pan 0 frequency 22051
  742.39 stop 25
  742.39 say " Thanks to the daytime noise, you got only 4hours real sleep."
  746.37 play 23 volume 0 pan 0 frequency 22051
  749.57 stop 23
  749.57 say " Day Thursday"
  749.57 say " Time:  11 P.M. "
  751.91 play 44 volume 0 pan 0 frequency 22051
  763.92 play 46 looped volume -10000 pan 0 frequency 22055
  765.41 stop 44
  765.41 say " How fast do you wish to go? "
  765.46 key 5
  765.46 voice rate 5
  765.46 say "5"
  765.46 voice rate 0
  765.51 key 5
  765.51 voice rate 5
  765.51 say "5"
  765.51 voice rate 0
  765.53 play 22 volume 0 pan 0 frequency 22051
  767.13 stop 22
  767.13 draw 0.534735
  767.13 draw 0.774968
  767.13 draw 0.230836
  770.52 say " Day Friday"
  770.52 say " Time:  12 Midnight"
  772.92 draw 0.965293
  772.92 say " Approximate fuel  183"
  772.92 say "Speed  55"
  772.92 say "        Odometer:  1605"
  772.92 say "Miles to go:  1515"
  772.92 say " Cruising on I-20 in Texas"
  772.92 say " You are feeling rested & rearing to go."
  772.92 draw 0.751027
  772.92 say " Current weather: clear & dry"
  772.92 say " How fast do you wish to go? "
  772.97 key 5
  772.97 voice rate 5
  772.97 say "5"
  772.97 voice rate 0
  773.02 key 5
  773.02 voice rate 5
  773.02 say "5"
  773.02 voice rate 0
  773.04 play 22 volume 0 pan 0 frequency 22051
  774.64 stop 22
  774.64 draw 0.343094
  774.64 draw 0.948528
  774.64 draw 0.700512
  778.03 say " Day Friday"
  778.03 say " Time:  1 A.M. "
  780.19 draw 0.840561
  780.19 say " Approximate fuel  169"
  780.19 say "Speed  55"
  780.19 say "        Odometer:  1660"
  780.19 say "Miles to go:  1460"
  780.19 say " You have just past Louisiana border"
  788.17 draw 0.045497
  789.18 play 45 volume 0 pan 0 frequency 22051
  789.68 stop 46
  792.18 stop 45
  792.18 say " Weighing station open -- trucks must stop."
  795.27 draw 0.055642
  795.27 say "scale weighs truck with cargo, fuel and driver  60158.5 pounds"
  799.29 say " You are not allowed to enter Louisiana with that load."
  802.89 say "     Take a 200 mile detour through Arkansas with 45 MPH limit."
  807.27 play 44 volume 0 pan 0 frequency 22051
  819.28 play 46 looped volume -10000 pan 0 frequency 22055
  820.77 stop 44
  820.77 say " Cruising on Arkansas county roads"
  820.77 say " You are feeling rested & rearing to go."
  820.77 draw 0.742737
  820.77 say " Current weather: clear & dry"
  820.77 say " How fast do you wish to go? "
  820.82 key 4
  820.82 voice rate 5
  820.82 say "4"
  820.82 voice rate 0
  820.87 key 5
  820.87 voice rate 5
  820.87 say "5"
  820.87 voice rate 0
  820.89 play 22 volume 0 pan 0 frequency 22051
  822.49 stop 22
  823.49 draw 0.304686
  823.49 draw 0.516784
  823.49 draw 0.156262
  825.88 say " Day Friday"
  825.88 say " Time:  2 A.M. "
  828.04 draw 0.977952
  828.04 say " Approximate fuel  153"
  828.04 say "Speed  45"
  828.04 say "        Odometer:  1705"
  828.04 say "Miles to go:  1615"
  828.04 say " Cruising on Arkansas county roads"
  828.04 say " You are feeling fine"
  828.04 draw 0.502751
  828.04 say " Current weather: clear & dry"
  828.04 say " How fast do you wish to go? "
  828.09 key 4
  828.09 voice rate 5
  828.09 say "4"
  828.09 voice rate 0
  828.14 key 5
  828.14 voice rate 5
  828.14 say "5"
  828.14 voice rate 0
  828.16 play 22 volume 0 pan 0 frequency 22051
  829.76 stop 22
  829.76 draw 0.829001
  829.76 draw 0.074038
  829.76 draw 0.478915
  833.15 say " Day Friday"
  833.15 say " Time:  3 A.M. "
  835.31 draw 0.062279
  835.31 say " Approximate fuel  126"
  835.31 say "Speed  45"
  835.31 say "        Odometer:  1750"
  835.31 say "Miles to go:  1570"
  835.31 say " Cruising on Arkansas county roads"
  835.31 say " You are feeling fine"
  835.31 draw 0.884241
  835.31 say " Current weather: clear, but roadway is wet"
  835.31 say " Truck stop ahead.  Do you want to stop? "
  835.33 say " yes "
  835.36 key y
  835.36 voice rate 5
  835.36 say "y"
  835.36 voice rate 0
  835.36 draw 0.445810
  835.36 play 43 volume 0 pan 0 frequency 22051
  835.86 stop 46
  839.16 stop 43
  839.16 say " Diesel fuel costs "
  839.16 say "1 dollor"
  841.38 say " per gallon."
  841.38 say "     How many gallons do you want"
  841.43 key 6
  841.43 voice rate 5
  841.43 say "6"
  841.43 voice rate 0
  841.48 key 4
  841.48 voice rate 5
  841.48 say "4"
  841.48 voice rate 0
  841.53 key enter
  841.53 voice rate 5
  841.53 voice rate 0
  841.55 play 27 volume 0 pan 0 frequency 22051
  846.15 stop 27
  846.15 draw 0.068550
  846.17 play 40 volume 0 pan 0 frequency 22051
  848.07 stop 40
  848.07 say "Pay "
  848.07 say "64 dollors"
  849.51 say " So far, you have spent "
  849.51 say "639 dollors, and,  98 cents"
  853.17 say " Do you want to get some sleep? "
  853.19 say " yes "
  853.22 key y
  853.22 voice rate 5
  853.22 say "y"
  853.22 voice rate 0
  853.24 say "     How many hours of rest"
  853.27 key 8
  853.27 voice rate 5
  853.27 say "8"
  853.27 voice rate 0
  853.30 key enter
  853.32 play 24 volume 0 pan 0 frequency 22051
  856.02 stop 24
  856.04 play 24 volume 0 pan 0 frequency 22051
  858.74 stop 24
  858.76 play 24 volume 0 pan 0 frequency 22051
  861.46 stop 24
  861.48 play 24 volume 0 pan 0 frequency 22051
  864.18 stop 24
  864.20 play 24 volume 0 pan 0 frequency 22051
  866.90 stop 24
  866.92 play 24 volume 0 pan 0 frequency 22051
  869.62 stop 24
  869.64 play 24 volume 0 pan 0 frequency 22051
  872.34 stop 24
  872.36 play 24 volume 0 pan 0 frequency 22051
  875.06 stop 24
  875.08 play 23 volume 0 pan 0 frequency 22051
  878.28 stop 23
  878.28 say " Day Friday"
  878.28 say " Time:  12 Noon"
  880.44 play 44 volume 0 pan 0 frequency 22051
  892.45 play 46 looped volume -10000 pan 0 frequency 18045
  893.94 stop 44
  893.94 say " How fast do you wish to go? "
  893.99 key 4
  893.99 voice rate 5
  893.99 say "4"
  893.99 voice rate 0
  894.04 key 5
  894.04 voice rate 5
  894.04 say "5"
  894.04 voice rate 0
  894.06 play 22 volume 0 pan 0 frequency 22051
  895.66 stop 22
  895.66 draw 0.076496
  895.66 draw 0.538793
  895.66 draw 0.075566
  895.66 draw 0.183772
  896.69 play 3 volume 0 pan -1500 frequency 22051
  900.69 stop 3
  900.69 say " Day Friday"
  900.69 say " Time:  1 P.M. "
  902.85 draw 0.436357
  902.85 say " Approximate fuel  175"
  902.85 say "Speed  45"
  902.85 say "        Odometer:  1795"
  902.85 say "Miles to go:  1525"
  902.85 say " Cruising on Arkansas county roads"
  902.85 say " You are feeling rested & rearing to go."
  902.85 draw 0.497783
  902.85 say " Current weather: clear & dry"
  902.85 say " How fast do you wish to go? "
  902.90 key 4
  902.90 voice rate 5
  902.90 say "4"
  902.90 voice rate 0
  902.95 key 5
  902.95 voice rate 5
  902.95 say "5"
  902.95 voice rate 0
  902.97 play 22 volume 0 pan 0 frequency 22051
  904.57 stop 22
  904.57 draw 0.583312
  904.57 draw 0.620513
  904.57 draw 0.372811
  905.60 play 8 volume 0 pan 0 frequency 22051
  911.60 stop 8
  911.60 say " Day Friday"
  911.60 say " Time:  2 P.M. "
  913.76 draw 0.618737
  913.76 say " Approximate fuel  159"
  913.76 say "Speed  45"
  913.76 say "        Odometer:  1840"
  913.76 say "Miles to go:  1480"
  913.76 say " Cruising on Arkansas county roads"
  913.76 say " You are feeling rested & rearing to go."
  913.76 draw 0.157245
  913.76 say " Current weather: clear & dry"
  913.76 say " How fast do you wish to go? "
  913.81 key 4
  913.81 voice rate 5
  913.81 say "4"
  913.81 voice rate 0
  913.86 key 5
  913.86 voice rate 5
  913.86 say "5"
  913.86 voice rate 0
  913.88 play 22 volume 0 pan 0 frequency 22051
  915.48 stop 22
  915.48 draw 0.275508
  915.48 draw 0.798718
  915.48 draw 0.153089
  918.87 say " Day Friday"
  918.87 say " Time:  3 P.M. "
  921.03 draw 0.223323
  921.03 say " Approximate fuel  137"
  921.03 say "Speed  45"
  921.03 say "        Odometer:  1885"
  921.03 say "Miles to go:  1435"
  921.03 say " Cruising on Arkansas county roads"
  921.03 say " You are feeling rested & rearing to go."
  921.03 draw 0.242978
  921.03 say " Current weather: clear & dry"
  921.03 say " How fast do you wish to go? "
  921.08 key 4
  921.08 voice rate 5
  921.08 say "4"
  921.08 voice rate 0
  921.13 key 5
  921.13 voice rate 5
  921.13 say "5"
  921.13 voice rate 0
  921.15 play 22 volume 0 pan 0 frequency 22051
  922.75 stop 22
  922.75 draw 0.479507
  922.75 draw 0.000746
  922.75 say " You just blew a tire !!"
  924.70 play 45 volume 0 pan 0 frequency 22051
  925.20 stop 46
  927.70 stop 45
  927.72 play 37 volume 0 pan 0 frequency 22051
  930.42 stop 37
  930.42 draw 0.030311
  930.42 say "It took 1hours to change the outside tire."
  933.45 play 44 volume 0 pan 0 frequency 22051
  945.46 play 46 looped volume -10000 pan 0 frequency 18045
  946.95 stop 44
  946.95 draw 0.461548
  946.95 say " Day Friday"
  946.95 say " Time:  5 P.M. "
  949.11 draw 0.162521
  949.11 say " Approximate fuel  119"
  949.11 say "Speed  45"
  949.11 say "        Odometer:  1930"
  949.11 say "Miles to go:  1390"
  949.11 say " Cruising on Arkansas county roads"
  949.11 say " You are feeling fine"
  949.11 draw 0.679502
  949.11 say " Current weather: clear & dry"
  949.11 say " Truck stop ahead.  Do you want to stop? "
  949.13 say " yes "
  949.16 key n
  949.16 voice rate 5
  949.16 say "n"
  949.16 voice rate 0
  949.16 say " How fast do you wish to go? "
  949.21 key 4
  949.21 voice rate 5
  949.21 say "4"
  949.21 voice rate 0
  949.26 key 5
  949.26 voice rate 5
  949.26 say "5"
  949.26 voice rate 0
  949.28 play 22 volume 0 pan 0 frequency 22051
  950.88 stop 22
  950.88 draw 0.795205
  950.88 draw 0.578163
  950.88 draw 0.694765
  950.88 draw 0.390958
  951.91 play 13 volume 0 pan -1500 frequency 22051
  957.91 stop 13
  957.91 say " Day Friday"
  957.91 say " Time:  6 P.M. "
  960.07 draw 0.046296
  960.07 say " Approximate fuel  99"
  960.07 say "Speed  45"
  960.07 say "        Odometer:  1975"
  960.07 say "Miles to go:  1345"
  960.07 say " Cruising on Arkansas county roads"
  960.07 say " You are feeling fine"
  960.07 draw 0.439422
  960.07 say " Current weather: clear & dry"
  960.07 say " Truck stop ahead.  Do you want to stop? "
  960.09 say " yes "
  960.12 key n
  960.12 voice rate 5
  960.12 say "n"
  960.12 voice rate 0
  960.12 say " How fast do you wish to go? "
  960.17 key 4
  960.17 voice rate 5
  960.17 say "4"
  960.17 voice rate 0
  960.22 key 5
  960.22 voice rate 5
  960.22 say "5"
  960.22 voice rate 0
  960.24 play 22 volume 0 pan 0 frequency 22051
  961.84 stop 22
  961.84 draw 0.371980
  961.84 draw 0.597003
  961.84 draw 0.134218
  961.84 draw 0.227713
  962.87 play 4 volume 0 pan -1500 frequency 22051
  967.87 stop 4
  967.87 say " Day Friday"
  967.87 say " Time:  7 P.M. "
  970.03 draw 0.814782
  970.03 say " Approximate fuel  89"
  970.03 say "Speed  45"
  970.03 say "        Odometer:  2020"
  970.03 say "Miles to go:  1300"
  970.03 say " You have just past Vicksburg"
  977.53 say " Cruising on I-20 in Mississippi"
  977.53 say " You are feeling   bored"
  977.53 draw 0.264326
  977.53 say " Current weather: clear & dry"
  977.53 say " Truck stop ahead.  Do you want to stop? "
  977.55 say " yes "
  977.58 key y
  977.58 voice rate 5
  977.58 say "y"
  977.58 voice rate 0
  977.58 draw 0.410320
  977.58 play 43 volume 0 pan 0 frequency 22051
  978.08 stop 46
  981.38 stop 43
  981.38 say " Diesel fuel costs "
  981.38 say " 99 cents"
  983.66 say " per gallon."
  983.66 say "     How many gallons do you want"
  983.71 key 1
  983.71 voice rate 5
  983.71 say "1"
  983.71 voice rate 0
  983.76 key 0
  983.76 voice rate 5
  983.76 say "0"
  983.76 voice rate 0
  983.81 key 1
  983.81 voice rate 5
  983.81 say "1"
  983.81 voice rate 0
  983.86 key enter
  983.86 voice rate 5
  983.86 voice rate 0
  983.88 play 27 volume 0 pan 0 frequency 22051
  988.48 stop 27
  988.48 draw 0.935972
  988.50 play 40 volume 0 pan 0 frequency 22051
  990.40 stop 40
  990.40 say "Pay "
  990.40 say "99 dollors, and,  99 cents"
  992.80 say " So far, you have spent "
  992.80 say "739 dollors, and,  97 cents"
  996.46 draw 0.275552
  996.46 draw 0.145290
  996.46 say " A new tire costs $ 213 A retread costs $ 110"
  996.46 say "     Do you want to buy a tire?"
  996.48 say " yes "
  996.51 key y
  996.51 voice rate 5
  996.51 say "y"
  996.51 voice rate 0
  996.51 say " Do you want to buy a New tire or a retread?"
  996.51 say " new "
  996.54 key r
  996.54 voice rate 5
  996.54 say "r"
  996.54 voice rate 0
  996.54 say " retread "
  996.57 key f3
  996.57 say " Do you want to buy a New tire or a retread?"
  996.57 say " new "
  996.60 key n
  996.60 voice rate 5
  996.60 say "n"
  996.60 voice rate 0
  996.60 say " new "
  996.63 key down
  996.63 say " retread "
  996.66 key esc
  996.66 say " exit game? "
  996.66 say " yes "
  996.69 key n
  996.69 voice rate 5
  996.69 say "n"
  996.69 voice rate 0
  996.71 say " Do you want to buy a New tire or a retread?"
  996.71 say " new "
  996.74 key up
  996.74 say " retread "
  996.77 key r
  996.77 voice rate 5
  996.77 say "r"
  996.77 voice rate 0
  996.77 say " retread "
  996.80 key enter
  996.82 play 37 volume 0 pan 0 frequency 22051
  999.52 stop 37
  999.54 play 40 volume 0 pan 0 frequency 22051
 1001.44 stop 40
 1001.44 say " Do you want to get some sleep? "
 1001.46 say " yes "
 1001.49 key y
 1001.49 voice rate 5
 1001.49 say "y"
 1001.49 voice rate 0
 1001.51 say "     How many hours of rest"
 1001.54 key 8
 1001.54 voice rate 5
 1001.54 say "8"
 1001.54 voice rate 0
 1001.57 key enter
 1001.59 play 24 volume 0 pan 0 frequency 22051
 1004.29 stop 24
 1004.31 play 24 volume 0 pan 0 frequency 22051
 1007.01 stop 24
 1007.03 play 24 volume 0 pan 0 frequency 22051
 1009.73 stop 24
 1009.75 play 24 volume 0 pan 0 frequency 22051
 1012.45 stop 24
 1012.47 play 24 volume 0 pan 0 frequency 22051
 1015.17 stop 24
 1015.19 play 24 volume 0 pan 0 frequency 22051
 1017.89 stop 24
 1017.91 play 24 volume 0 pan 0 frequency 22051
 1020.61 stop 24
 1020.63 play 24 volume 0 pan 0 frequency 22051
 1023.33 stop 24
 1023.35 play 23 volume 0 pan 0 frequency 22051
 1026.55 stop 23
 1026.55 say " Day Saturday"
 1026.55 say " Time:  4 A.M. "
 1028.83 play 44 volume 0 pan 0 frequency 22051
 1040.84 play 46 looped volume -10000 pan 0 frequency 18045
 1042.33 stop 44
 1042.33 say " How fast do you wish to go? "
 1042.38 key 5
 1042.38 voice rate 5
 1042.38 say "5"
 1042.38 voice rate 0
 1042.43 key 5
 1042.43 voice rate 5
 1042.43 say "5"
 1042.43 voice rate 0
 1042.45 play 22 volume 0 pan 0 frequency 22051
 1044.05 stop 22
 1045.05 draw 0.702020
 1045.05 draw 0.567067
 1045.05 draw 0.611594
 1045.05 draw 0.042031
 1045.18 play 12 volume 0 pan -1500 frequency 22051
 1051.38 stop 12
 1051.38 say " Day Saturday"
 1051.38 say " Time:  5 A.M. "
 1053.66 draw 0.417267
 1053.66 say " Approximate fuel  174"
 1053.66 say "Speed  55"
 1053.66 say "        Odometer:  2075"
 1053.66 say "Miles to go:  1245"
 1053.66 say " Cruising on I-20 in Mississippi"
 1053.66 say " You are feeling rested & rearing to go."
 1053.66 draw 0.004266
 1053.66 say " Current weather: clear & dry"
 1053.66 say " How fast do you wish to go? "
 1053.71 key 5
 1053.71 voice rate 5
 1053.71 say "5"
 1053.71 voice rate 0
 1053.76 key 5
 1053.76 voice rate 5
 1053.76 say "5"
 1053.76 voice rate 0
 1053.78 play 22 volume 0 pan 0 frequency 22051
 1055.38 stop 22
 1055.38 draw 0.246535
 1055.38 draw 0.706056
 1055.38 draw 0.061541
 1055.38 draw 0.294693
 1056.41 play 3 volume 0 pan -1500 frequency 22051
 1060.41 stop 3
 1060.41 say " Day Saturday"
 1060.41 say " Time:  6 A.M. "
 1062.69 draw 0.988113
 1062.69 say " Approximate fuel  167"
 1062.69 say "Speed  55"
 1062.69 say "        Odometer:  2130"
 1062.69 say "Miles to go:  1190"
 1062.69 say " Cruising on I-20 in Mississippi"
 1062.69 say " You are feeling rested & rearing to go."
 1062.69 draw 0.971222
 1062.69 say " Current weather: rain"
 1062.69 play 20 looped volume 0 pan 0
 1062.69 say " How fast do you wish to go? "
 1062.74 key 5
 1062.74 voice rate 5
 1062.74 say "5"
 1062.74 voice rate 0
 1062.79 key 5
 1062.79 voice rate 5
 1062.79 say "5"
 1062.79 voice rate 0
 1062.81 play 22 volume 0 pan 0 frequency 22051
 1064.41 stop 22
 1064.41 draw 0.481846
 1064.41 draw 0.735693
 1064.41 draw 0.632656
 1064.41 draw 0.465693
 1064.53 play 12 volume 0 pan -1500 frequency 22051
 1070.73 stop 12
 1070.73 say " Day Saturday"
 1070.73 say " Time:  7 A.M. "
 1073.01 draw 0.857066
 1073.01 say " Approximate fuel  154"
 1073.01 say "Speed  55"
 1073.01 say "        Odometer:  2185"
 1073.01 say "Miles to go:  1135"
 1073.01 say " You have just past Alabama border"
 1080.87 say " Time zone changes -- set clock ahead one hour."
 1080.87 say " Day Saturday"
 1080.87 say " Time:  8 A.M. "
 1086.27 say " Cruising on I-20 in Alabama"
 1086.27 say " You are feeling rested & rearing to go."
 1086.27 draw 0.172518
 1086.27 say " Current weather: clear & dry"
 1086.27 stop 20
 1086.27 say " How fast do you wish to go? "
 1086.32 key 5
 1086.32 voice rate 5
 1086.32 say "5"
 1086.32 voice rate 0
 1086.37 key 5
 1086.37 voice rate 5
 1086.37 say "5"
 1086.37 voice rate 0
 1086.39 play 22 volume 0 pan 0 frequency 22051
 1087.99 stop 22
 1087.99 draw 0.828432
 1087.99 draw 0.042070
 1087.99 draw 0.866954
 1087.99 draw 0.675997
 1089.02 play 16 volume 0 pan 1500 frequency 22051
 1094.02 stop 16
 1094.02 say " Day Saturday"
 1094.02 say " Time:  9 A.M. "
 1096.30 draw 0.445914
 1096.30 say " Approximate fuel  138"
 1096.30 say "Speed  55"
 1096.30 say "        Odometer:  2240"
 1096.30 say "Miles to go:  1080"
 1096.30 say " Cruising on I-20 in Alabama"
 1096.30 say " You are feeling fine"
 1096.30 draw 0.671570
 1096.30 say " Current weather: clear & dry"
 1096.30 say " Truck stop ahead.  Do you want to stop? "
 1096.32 say " yes "
 1096.35 key n
 1096.35 voice rate 5
 1096.35 say "n"
 1096.35 voice rate 0
 1096.35 say " How fast do you wish to go? "
 1096.40 key 5
 1096.40 voice rate 5
 1096.40 say "5"
 1096.40 voice rate 0
 1096.45 key 5
 1096.45 voice rate 5
 1096.45 say "5"
 1096.45 voice rate 0
 1096.47 play 22 volume 0 pan 0 frequency 22051
 1098.07 stop 22
 1098.07 draw 0.460369
 1098.07 draw 0.780003
 1098.07 draw 0.113444
 1101.46 say " Day Saturday"
 1101.46 say " Time:  10 A.M. "
 1103.80 draw 0.508157
 1103.80 say " Approximate fuel  126"
 1103.80 say "Speed  55"
 1103.80 say "        Odometer:  2295"
 1103.80 say "Miles to go:  1025"
 1103.80 say " Cruising on I-20 in Alabama"
 1103.80 say " You are feeling fine"
 1103.80 draw 0.871490
 1103.80 say " Current weather: rain"
 1103.80 play 20 looped volume 0 pan 0
 1103.80 say " Truck stop ahead.  Do you want to stop? "
 1103.82 say " yes "
 1103.85 key n
 1103.85 voice rate 5
 1103.85 say "n"
 1103.85 voice rate 0
 1103.85 say " How fast do you wish to go? "
 1103.90 key 5
 1103.90 voice rate 5
 1103.90 say "5"
 1103.90 voice rate 0
 1103.95 key 5
 1103.95 voice rate 5
 1103.95 say "5"
 1103.95 voice rate 0
 1103.97 play 22 volume 0 pan 0 frequency 22051
 1105.57 stop 22
 1105.57 draw 0.927529
 1105.57 draw 0.220336
 1105.57 draw 0.251930
 1105.57 draw 0.904012
 1106.60 play 6 volume 0 pan 1500 frequency 22051
 1110.80 stop 6
 1110.80 say " Day Saturday"
 1110.80 say " Time:  11 A.M. "
 1113.14 draw 0.345517
 1113.14 say " Approximate fuel  112"
 1113.14 say "Speed  55"
 1113.14 say "        Odometer:  2350"
 1113.14 say "Miles to go:  970"
 1113.14 say " You have just past Birmingham"
 1120.70 draw 0.056873
 1120.70 say " Cruising on I-20 in Alabama"
 1120.70 say " You are feeling   bored"
 1120.70 draw 0.714887
 1120.70 say " Current weather: clear & dry"
 1120.70 stop 20
 1120.70 say " Truck stop ahead.  Do you want to stop? "
 1120.72 say " yes "
 1120.75 key y
 1120.75 voice rate 5
 1120.75 say "y"
 1120.75 voice rate 0
 1120.75 draw 0.414419
 1120.75 play 43 volume 0 pan 0 frequency 22051
 1121.25 stop 46
 1124.55 stop 43
 1124.55 say " Diesel fuel costs "
 1124.55 say " 99 cents"
 1126.83 say " per gallon."
 1126.83 say "     How many gallons do you want"
 1126.88 key 7
 1126.88 voice rate 5
 1126.88 say "7"
 1126.88 voice rate 0
 1126.93 key 8
 1126.93 voice rate 5
 1126.93 say "8"
 1126.93 voice rate 0
 1126.98 key enter
 1126.98 voice rate 5
 1126.98 voice rate 0
 1127.00 play 27 volume 0 pan 0 frequency 22051
 1131.60 stop 27
 1131.60 draw 0.735324
 1131.62 play 40 volume 0 pan 0 frequency 22051
 1133.52 stop 40
 1133.52 say "Pay "
 1133.52 say "77 dollors, and,  22 cents"
 1135.92 say " So far, you have spent "
 1135.92 say "927 dollors, and,  19 cents"
 1139.58 say " Do you want to get some sleep? "
 1139.60 say " yes "
 1139.63 key y
 1139.63 voice rate 5
 1139.63 say "y"
 1139.63 voice rate 0
 1139.65 say "     How many hours of rest"
 1139.68 key 8
 1139.68 voice rate 5
 1139.68 say "8"
 1139.68 voice rate 0
 1139.71 key enter
 1139.73 play 25 volume 0 pan 0 frequency 22051
 1142.63 stop 25
 1142.65 play 25 volume 0 pan 0 frequency 22051
 1145.55 stop 25
 1145.57 play 25 volume 0 pan 0 frequency 22051
 1148.47 stop 25
 1148.49 play 25 volume 0 pan 0 frequency 22051
 1151.39 stop 25
 1151.41 play 25 volume 0 pan 0 frequency 22051
 1154.31 stop 25
 1154.33 play 25 volume 0 pan 0 frequency 22051
 1157.23 stop 25
 1157.25 play 25 volume 0 pan 0 frequency 22051
 1160.15 stop 25
 1160.17 play 25 volume 0 pan 0 frequency 22051
 1163.07 stop 25
 1163.07 say " Thanks to the daytime noise, you got only 4hours real sleep."
 1167.05 play 23 volume 0 pan 0 frequency 22051
 1170.25 stop 23
 1170.25 say " Day Saturday"
 1170.25 say " Time:  8 P.M. "
 1172.53 play 44 volume 0 pan 0 frequency 22051
 1184.54 play 46 looped volume -10000 pan 0 frequency 22055
 1186.03 stop 44
 1186.03 say " How fast do you wish to go? "
 1186.08 key 5
 1186.08 voice rate 5
 1186.08 say "5"
 1186.08 voice rate 0
 1186.13 key 5
 1186.13 voice rate 5
 1186.13 say "5"
 1186.13 voice rate 0
 1186.15 play 22 volume 0 pan 0 frequency 22051
 1187.75 stop 22
 1187.75 draw 0.477092
 1187.75 draw 0.500566
 1187.75 draw 0.417562
 1191.14 say " Day Saturday"
 1191.14 say " Time:  9 P.M. "
 1193.42 draw 0.290485
 1193.42 say " Approximate fuel  177"
 1193.42 say "Speed  55"
 1193.42 say "        Odometer:  2405"
 1193.42 say "Miles to go:  915"
 1193.42 say " You have just past Georgia border"
 1201.22 say " Cruising on I-20 in Georgia"
 1201.22 say " You are feeling rested & rearing to go."
 1201.22 draw 0.900711
 1201.22 say " Current weather: rain"
 1201.22 play 20 looped volume 0 pan 0
 1201.22 say " How fast do you wish to go? "
 1201.27 key 5
 1201.27 voice rate 5
 1201.27 say "5"
 1201.27 voice rate 0
 1201.32 key 5
 1201.32 voice rate 5
 1201.32 say "5"
 1201.32 voice rate 0
 1201.34 play 22 volume 0 pan 0 frequency 22051
 1202.94 stop 22
 1202.94 draw 0.668788
 1202.94 draw 0.788832
 1202.94 draw 0.895740
 1206.33 say " Day Saturday"
 1206.33 say " Time:  10 P.M. "
 1208.67 draw 0.250189
 1208.67 say " Approximate fuel  165"
 1208.67 say "Speed  55"
 1208.67 say "        Odometer:  2460"
 1208.67 say "Miles to go:  860"
 1208.67 say " You have just past Atlanta"
 1216.05 say " Cruising on I-85 in Georgia"
 1216.05 say " You are feeling rested & rearing to go."
 1216.05 draw 0.919821
 1216.05 say " Current weather: rain"
 1216.05 say " How fast do you wish to go? "
 1216.10 key 5
 1216.10 voice rate 5
 1216.10 say "5"
 1216.10 voice rate 0
 1216.15 key 5
 1216.15 voice rate 5
 1216.15 say "5"
 1216.15 voice rate 0
 1216.17 play 22 volume 0 pan 0 frequency 22051
 1217.77 stop 22
 1217.77 draw 0.862605
 1217.77 draw 0.506085
 1217.77 draw 0.567902
 1217.77 draw 0.114932
 1217.90 play 11 volume 0 pan -1500 frequency 22051
 1222.40 stop 11
 1222.40 say " Day Saturday"
 1222.40 say " Time:  11 P.M. "
 1224.74 draw 0.762116
 1224.74 say " Approximate fuel  158"
 1224.74 say "Speed  55"
 1224.74 say "        Odometer:  2515"
 1224.74 say "Miles to go:  805"
 1224.74 say " Cruising on I-85 in Georgia"
 1224.74 say " You are feeling rested & rearing to go."
 1224.74 draw 0.173225
 1224.74 say " Current weather: clear & dry"
 1224.74 stop 20
 1224.74 say " How fast do you wish to go? "
 1224.79 key 5
 1224.79 voice rate 5
 1224.79 say "5"
 1224.79 voice rate 0
 1224.84 key 5
 1224.84 voice rate 5
 1224.84 say "5"
 1224.84 voice rate 0
 1224.86 play 22 volume 0 pan 0 frequency 22051
 1226.46 stop 22
 1226.46 draw 0.533836
 1226.46 draw 0.126437
 1226.46 draw 0.072917
 1226.46 draw 0.609027
 1227.49 play 3 volume 0 pan 1500 frequency 22051
 1231.49 stop 3
 1231.49 say " Day Sunday"
 1231.49 say " Time:  12 Midnight"
 1233.89 draw 0.491203
 1233.89 say " Approximate fuel  143"
 1233.89 say "Speed  55"
 1233.89 say "        Odometer:  2570"
 1233.89 say "Miles to go:  750"
 1233.89 say " You have just past Carolina border"
 1241.75 draw 0.674810
 1241.75 say " Cruising on I-85 in Carolina"
 1241.75 say " You are feeling fine"
 1241.75 draw 0.790854
 1241.75 say " Current weather: rain"
 1241.75 play 20 looped volume 0 pan 0
 1241.75 say " Truck stop ahead.  Do you want to stop? "
 1241.77 say " yes "
 1241.80 key y
 1241.80 voice rate 5
 1241.80 say "y"
 1241.80 voice rate 0
 1241.80 draw 0.982687
 1241.80 play 43 volume 0 pan 0 frequency 22051
 1242.30 stop 46
 1245.60 stop 20
 1245.60 stop 43
 1245.60 say " Diesel fuel costs "
 1245.60 say "1 dollor, and,  19 cents"
 1248.78 say " per gallon."
 1248.78 say "     How many gallons do you want"
 1248.83 key 4
 1248.83 voice rate 5
 1248.83 say "4"
 1248.83 voice rate 0
 1248.88 key 7
 1248.88 voice rate 5
 1248.88 say "7"
 1248.88 voice rate 0
 1248.93 key enter
 1248.93 voice rate 5
 1248.93 voice rate 0
 1248.95 play 27 volume 0 pan 0 frequency 22051
 1253.55 stop 27
 1253.55 draw 0.084081
 1253.57 play 40 volume 0 pan 0 frequency 22051
 1255.47 stop 40
 1255.47 say "Pay "
 1255.47 say "55 dollors, and,  93 cents"
 1257.87 say " So far, you have spent "
 1257.87 say "983 dollors, and,  12 cents"
 1261.53 say " Do you want to get some sleep? "
 1261.55 say " yes "
 1261.58 key y
 1261.58 voice rate 5
 1261.58 say "y"
 1261.58 voice rate 0
 1261.60 say "     How many hours of rest"
 1261.63 key 8
 1261.63 voice rate 5
 1261.63 say "8"
 1261.63 voice rate 0
 1261.66 key enter
 1261.68 play 24 volume 0 pan 0 frequency 22051
 1264.38 stop 24
 1264.40 play 24 volume 0 pan 0 frequency 22051
 1267.10 stop 24
 1267.12 play 24 volume 0 pan 0 frequency 22051
 1269.82 stop 24
 1269.84 play 24 volume 0 pan 0 frequency 22051
 1272.54 stop 24
 1272.56 play 24 volume 0 pan 0 frequency 22051
 1275.26 stop 24
 1275.28 play 24 volume 0 pan 0 frequency 22051
 1277.98 stop 24
 1278.00 play 24 volume 0 pan 0 frequency 22051
 1280.70 stop 24
 1280.72 play 24 volume 0 pan 0 frequency 22051
 1283.42 stop 24
 1283.44 play 23 volume 0 pan 0 frequency 22051
 1286.64 stop 23
 1286.64 say " Day Sunday"
 1286.64 say " Time:  9 A.M. "
 1288.80 play 44 volume 0 pan 0 frequency 22051
 1288.80 play 20 looped volume 0 pan 0
 1300.81 play 46 looped volume -10000 pan 0 frequency 22055
 1302.30 stop 44
 1302.30 say " How fast do you wish to go? "
 1302.35 key 5
 1302.35 voice rate 5
 1302.35 say "5"
 1302.35 voice rate 0
 1302.40 key 5
 1302.40 voice rate 5
 1302.40 say "5"
 1302.40 voice rate 0
 1302.42 play 22 volume 0 pan 0 frequency 22051
 1304.02 stop 22
 1304.02 draw 0.631212
 1304.02 draw 0.576975
 1304.02 draw 0.650642
 1307.41 say " Day Sunday"
 1307.41 say " Time:  10 A.M. "
 1309.63 draw 0.543179
 1309.63 say " Approximate fuel  178"
 1309.63 say "Speed  55"
 1309.63 say "        Odometer:  2625"
 1309.63 say "Miles to go:  695"
 1309.63 say " Cruising on I-85 in Carolina"
 1309.63 say " You are feeling rested & rearing to go."
 1309.63 draw 0.557367
 1309.63 say " Current weather: clear & dry"
 1309.63 stop 20
 1309.63 say " How fast do you wish to go? "
 1309.68 key 5
 1309.68 voice rate 5
 1309.68 say "5"
 1309.68 voice rate 0
 1309.73 key 5
 1309.73 voice rate 5
 1309.73 say "5"
 1309.73 voice rate 0
 1309.75 play 22 volume 0 pan 0 frequency 22051
 1311.35 stop 22
 1311.35 draw 0.868555
 1311.35 draw 0.452012
 1311.35 draw 0.534976
 1314.74 say " Day Sunday"
 1314.74 say " Time:  11 A.M. "
 1316.96 draw 0.690964
 1316.96 say " Approximate fuel  167"
 1316.96 say "Speed  55"
 1316.96 say "        Odometer:  2680"
 1316.96 say "Miles to go:  640"
 1316.96 say " Cruising on I-85 in Carolina"
 1316.96 say " You are feeling rested & rearing to go."
 1316.96 draw 0.089495
 1316.96 say " Current weather: clear & dry"
 1316.96 say " How fast do you wish to go? "
 1317.01 key 5
 1317.01 voice rate 5
 1317.01 say "5"
 1317.01 voice rate 0
 1317.06 key 5
 1317.06 voice rate 5
 1317.06 say "5"
 1317.06 voice rate 0
 1317.08 play 22 volume 0 pan 0 frequency 22051
 1318.68 stop 22
 1318.68 draw 0.431925
 1318.68 draw 0.102134
 1318.68 draw 0.137810
 1318.68 draw 0.002126
 1319.71 play 4 volume 0 pan -1500 frequency 22051
 1324.71 stop 4
 1324.71 say " Day Sunday"
 1324.71 say " Time:  12 Noon"
 1326.87 draw 0.209706
 1326.87 say " Approximate fuel  150"
 1326.87 say "Speed  55"
 1326.87 say "        Odometer:  2735"
 1326.87 say "Miles to go:  585"
 1326.87 say " Cruising on I-85 in Carolina"
 1326.87 say " You are feeling rested & rearing to go."
 1326.87 draw 0.216637
 1326.87 say " Current weather: clear & dry"
 1326.87 say " How fast do you wish to go? "
 1326.92 key 5
 1326.92 voice rate 5
 1326.92 say "5"
 1326.92 voice rate 0
 1326.97 key 5
 1326.97 voice rate 5
 1326.97 say "5"
 1326.97 voice rate 0
 1326.99 play 22 volume 0 pan 0 frequency 22051
 1328.59 stop 22
 1328.59 draw 0.516244
 1328.59 draw 0.570208
 1328.59 draw 0.823961
 1331.98 say " Day Sunday"
 1331.98 say " Time:  1 P.M. "
 1334.14 draw 0.486711
 1334.14 say " Approximate fuel  141"
 1334.14 say "Speed  55"
 1334.14 say "        Odometer:  2790"
 1334.14 say "Miles to go:  530"
 1334.14 say " You have just past Greensboro"
 1341.70 draw 0.891455
 1341.70 say " Construction ahead !!"
 1341.91 say " Slow down -- speed limit 35 MPH"
 1341.91 say " Cruising on I-85 in North Carolina"
 1341.91 say " You are feeling fine"
 1341.91 draw 0.395061
 1341.91 say " Current weather: clear & dry"
 1341.91 say " Truck stop ahead.  Do you want to stop? "
 1341.93 say " yes "
 1341.96 key n
 1341.96 voice rate 5
 1341.96 say "n"
 1341.96 voice rate 0
 1341.96 say " How fast do you wish to go? "
 1342.01 key 3
 1342.01 voice rate 5
 1342.01 say "3"
 1342.01 voice rate 0
 1342.06 key 5
 1342.06 voice rate 5
 1342.06 say "5"
 1342.06 voice rate 0
 1342.08 play 22 volume 0 pan 0 frequency 22051
 1343.68 stop 22
 1345.69 draw 0.744611
 1345.69 draw 0.552757
 1345.69 draw 0.623825
 1345.69 draw 0.270392
 1345.82 play 12 volume 0 pan -1500 frequency 22051
 1352.02 stop 12
 1352.02 say " Day Sunday"
 1352.02 say " Time:  2 P.M. "
 1354.18 draw 0.937595
 1354.18 say " Approximate fuel  128"
 1354.18 say "Speed  35"
 1354.18 say "        Odometer:  2825"
 1354.18 say "Miles to go:  495"
 1354.18 say " Cruising on I-85 in North Carolina"
 1354.18 say " You are feeling fine"
 1354.18 draw 0.769655
 1354.18 say " Current weather: rain"
 1354.18 play 20 looped volume 0 pan 0
 1354.18 say " Truck stop ahead.  Do you want to stop? "
 1354.20 say " yes "
 1354.23 key n
 1354.23 voice rate 5
 1354.23 say "n"
 1354.23 voice rate 0
 1354.23 say " How fast do you wish to go? "
 1354.28 key 3
 1354.28 voice rate 5
 1354.28 say "3"
 1354.28 voice rate 0
 1354.33 key 5
 1354.33 voice rate 5
 1354.33 say "5"
 1354.33 voice rate 0
 1354.35 play 22 volume 0 pan 0 frequency 22051
 1355.95 stop 22
 1355.95 draw 0.145595
 1355.95 draw 0.537434
 1355.95 draw 0.995786
 1355.95 draw 0.049056
 1356.08 play 18 volume 0 pan -1500 frequency 22051
 1361.08 stop 18
 1361.08 say " Day Sunday"
 1361.08 say " Time:  3 P.M. "
 1363.24 draw 0.302820
 1363.24 say " Approximate fuel  104"
 1363.24 say "Speed  35"
 1363.24 say "        Odometer:  2860"
 1363.24 say "Miles to go:  460"
 1363.24 say " Cruising on I-85 in North Carolina"
 1363.24 say " You are feeling   bored"
 1363.24 draw 0.740813
 1363.24 say " Current weather: clear, but roadway is wet"
 1363.24 stop 20
 1363.24 say " Truck stop ahead.  Do you want to stop? "
 1363.26 say " yes "
 1363.29 key y
 1363.29 voice rate 5
 1363.29 say "y"
 1363.29 voice rate 0
 1363.29 draw 0.039361
 1363.29 play 43 volume 0 pan 0 frequency 22051
 1363.79 stop 46
 1367.09 stop 43
 1367.09 say " Diesel fuel costs "
 1367.09 say " 86 cents"
 1369.37 say " per gallon."
 1369.37 say "     How many gallons do you want"
 1369.42 key 8
 1369.42 voice rate 5
 1369.42 say "8"
 1369.42 voice rate 0
 1369.47 key 6
 1369.47 voice rate 5
 1369.47 say "6"
 1369.47 voice rate 0
 1369.52 key enter
 1369.52 voice rate 5
 1369.52 voice rate 0
 1369.54 play 27 volume 0 pan 0 frequency 22051
 1374.14 stop 27
 1374.14 draw 0.746671
 1374.16 play 40 volume 0 pan 0 frequency 22051
 1376.06 stop 40
 1376.06 say "Pay "
 1376.06 say "73 dollors, and,  96 cents"
 1378.46 say " So far, you have spent "
 1378.46 say "1,057 dollors, and,  8 cents"
 1382.18 say " Do you want to get some sleep? "
 1382.20 say " yes "
 1382.23 key y
 1382.23 voice rate 5
 1382.23 say "y"
 1382.23 voice rate 0
 1382.25 say "     How many hours of rest"
 1382.28 key 8
 1382.28 voice rate 5
 1382.28 say "8"
 1382.28 voice rate 0
 1382.31 key enter
 1382.33 play 25 volume 0 pan 0 frequency 22051
 1385.23 stop 25
 1385.25 play 25 volume 0 pan 0 frequency 22051
 1388.15 stop 25
 1388.17 play 25 volume 0 pan 0 frequency 22051
 1391.07 stop 25
 1391.09 play 25 volume 0 pan 0 frequency 22051
 1393.99 stop 25
 1394.01 play 25 volume 0 pan 0 frequency 22051
 1396.91 stop 25
 1396.93 play 25 volume 0 pan 0 frequency 22051
 1399.83 stop 25
 1399.85 play 25 volume 0 pan 0 frequency 22051
 1402.75 stop 25
 1402.77 play 25 volume 0 pan 0 frequency 22051
 1405.67 stop 25
 1405.67 say " Thanks to the daytime noise, you got only 4hours real sleep."
 1409.65 play 23 volume 0 pan 0 frequency 22051
 1412.85 stop 23
 1412.85 say " Day Monday"
 1412.85 say " Time:  12 Midnight"
 1415.25 play 44 volume 0 pan 0 frequency 22051
 1427.26 play 46 looped volume -10000 pan 0 frequency 14035
 1428.75 stop 44
 1428.75 say " How fast do you wish to go? "
 1428.80 key 3
 1428.80 voice rate 5
 1428.80 say "3"
 1428.80 voice rate 0
 1428.85 key 5
 1428.85 voice rate 5
 1428.85 say "5"
 1428.85 voice rate 0
 1428.87 play 22 volume 0 pan 0 frequency 22051
 1430.47 stop 22
 1430.47 draw 0.573421
 1430.47 draw 0.731706
 1430.47 draw 0.550833
 1430.47 draw 0.939403
 1430.60 play 11 volume 0 pan 1500 frequency 22051
 1435.10 stop 11
 1435.10 say " Day Monday"
 1435.10 say " Time:  1 A.M. "
 1437.26 draw 0.346402
 1437.26 say " Approximate fuel  173"
 1437.26 say "Speed  35"
 1437.26 say "        Odometer:  2895"
 1437.26 say "Miles to go:  425"
 1437.26 say " You have just past Virginia border"
 1445.12 say " Cruising on I-85 in Virginia"
 1445.12 say " You are feeling rested & rearing to go."
 1445.12 draw 0.574469
 1445.12 say " Current weather: clear & dry"
 1445.12 say " How fast do you wish to go? "
 1445.17 key 5
 1445.17 voice rate 5
 1445.17 say "5"
 1445.17 voice rate 0
 1445.22 key 5
 1445.22 voice rate 5
 1445.22 say "5"
 1445.22 voice rate 0
 1445.24 play 22 volume 0 pan 0 frequency 22051
 1446.84 stop 22
 1448.85 draw 0.050780
 1448.85 draw 0.553433
 1448.85 draw 0.419393
 1450.23 say " Day Monday"
 1450.23 say " Time:  2 A.M. "
 1452.39 draw 0.983162
 1452.39 say " Approximate fuel  167"
 1452.39 say "Speed  55"
 1452.39 say "        Odometer:  2950"
 1452.39 say "Miles to go:  370"
 1452.39 say " Cruising on I-85 in Virginia"
 1452.39 say " You are feeling rested & rearing to go."
 1452.39 draw 0.945607
 1452.39 say " Current weather: fog -- limited visibility"
 1452.39 say " How fast do you wish to go? "
 1452.44 key 5
 1452.44 voice rate 5
 1452.44 say "5"
 1452.44 voice rate 0
 1452.49 key 5
 1452.49 voice rate 5
 1452.49 say "5"
 1452.49 voice rate 0
 1452.51 play 22 volume 0 pan 0 frequency 22051
 1454.11 stop 22
 1454.11 draw 0.138279
 1454.11 draw 0.041616
 1454.11 draw 0.120675
 1457.50 say " Day Monday"
 1457.50 say " Time:  3 A.M. "
 1459.66 draw 0.192747
 1459.66 say " Approximate fuel  147"
 1459.66 say "Speed  55"
 1459.66 say "        Odometer:  3005"
 1459.66 say "Miles to go:  315"
 1459.66 say " You have just past Richmond"
 1467.10 say " Cruising on I-95 in Virginia"
 1467.10 say " You are feeling rested & rearing to go."
 1467.10 draw 0.726168
 1467.10 say " Current weather: clear, but roadway is wet"
 1467.10 say " How fast do you wish to go? "
 1467.15 key 5
 1467.15 voice rate 5
 1467.15 say "5"
 1467.15 voice rate 0
 1467.20 key 5
 1467.20 voice rate 5
 1467.20 say "5"
 1467.20 voice rate 0
 1467.22 play 22 volume 0 pan 0 frequency 22051
 1468.82 stop 22
 1468.82 draw 0.543978
 1468.82 draw 0.534925
 1468.82 draw 0.464537
 1472.21 say " Day Monday"
 1472.21 say " Time:  4 A.M. "
 1474.37 draw 0.006694
 1474.37 say " Approximate fuel  133"
 1474.37 say "Speed  55"
 1474.37 say "        Odometer:  3060"
 1474.37 say "Miles to go:  260"
 1474.37 say " Cruising on I-95 in Virginia"
 1474.37 say " You are feeling fine"
 1474.37 draw 0.392472
 1474.37 say " Current weather: clear & dry"
 1474.37 say " Truck stop ahead.  Do you want to stop? "
 1474.39 say " yes "
 1474.42 key y
 1474.42 voice rate 5
 1474.42 say "y"
 1474.42 voice rate 0
 1474.42 draw 0.998938
 1474.42 play 43 volume 0 pan 0 frequency 22051
 1474.92 stop 46
 1478.22 stop 43
 1478.22 say " Diesel fuel costs "
 1478.22 say "1 dollor, and,  19 cents"
 1481.40 say " per gallon."
 1481.40 say "     How many gallons do you want"
 1481.45 key 5
 1481.45 voice rate 5
 1481.45 say "5"
 1481.45 voice rate 0
 1481.50 key 7
 1481.50 voice rate 5
 1481.50 say "7"
 1481.50 voice rate 0
 1481.55 key enter
 1481.55 voice rate 5
 1481.55 voice rate 0
 1481.57 play 27 volume 0 pan 0 frequency 22051
 1486.17 stop 27
 1486.17 draw 0.820291
 1486.19 play 40 volume 0 pan 0 frequency 22051
 1488.09 stop 40
 1488.09 say "Pay "
 1488.09 say "67 dollors, and,  83 cents"
 1490.49 say " So far, you have spent "
 1490.49 say "1,124 dollors, and,  91 cents"
 1494.27 say " Do you want to get some sleep? "
 1494.29 say " yes "
 1494.32 key y
 1494.32 voice rate 5
 1494.32 say "y"
 1494.32 voice rate 0
 1494.34 say "     How many hours of rest"
 1494.37 key 8
 1494.37 voice rate 5
 1494.37 say "8"
 1494.37 voice rate 0
 1494.40 key enter
 1494.42 play 24 volume 0 pan 0 frequency 22051
 1497.12 stop 24
 1497.14 play 24 volume 0 pan 0 frequency 22051
 1499.84 stop 24
 1499.86 play 24 volume 0 pan 0 frequency 22051
 1502.56 stop 24
 1502.58 play 24 volume 0 pan 0 frequency 22051
 1505.28 stop 24
 1505.30 play 24 volume 0 pan 0 frequency 22051
 1508.00 stop 24
 1508.02 play 24 volume 0 pan 0 frequency 22051
 1510.72 stop 24
 1510.74 play 24 volume 0 pan 0 frequency 22051
 1513.44 stop 24
 1513.46 play 24 volume 0 pan 0 frequency 22051
 1516.16 stop 24
 1516.18 play 23 volume 0 pan 0 frequency 22051
 1519.38 stop 23
 1519.38 say " Day Monday"
 1519.38 say " Time:  1 P.M. "
 1521.54 play 44 volume 0 pan 0 frequency 22051
 1533.55 play 46 looped volume -10000 pan 0 frequency 22055
 1535.04 stop 44
 1535.04 say " How fast do you wish to go? "
 1535.09 key 5
 1535.09 voice rate 5
 1535.09 say "5"
 1535.09 voice rate 0
 1535.14 key 5
 1535.14 voice rate 5
 1535.14 say "5"
 1535.14 voice rate 0
 1535.16 play 22 volume 0 pan 0 frequency 22051
 1536.76 stop 22
 1536.76 draw 0.572861
 1536.76 draw 0.196463
 1536.76 draw 0.920469
 1536.76 draw 0.424147
 1536.89 play 17 volume 0 pan -1500 frequency 22051
 1541.89 stop 17
 1541.89 say " Day Monday"
 1541.89 say " Time:  2 P.M. "
 1544.05 draw 0.619327
 1544.05 say " Approximate fuel  184"
 1544.05 say "Speed  55"
 1544.05 say "        Odometer:  3115"
 1544.05 say "Miles to go:  205"
 1544.05 say " You have just past Washington D.C."
 1551.91 say " Cruising on I-95 in Maryland"
 1551.91 say " You are feeling rested & rearing to go."
 1551.91 draw 0.203108
 1551.91 say " Current weather: clear & dry"
 1551.91 say " How fast do you wish to go? "
 1551.96 key 5
 1551.96 voice rate 5
 1551.96 say "5"
 1551.96 voice rate 0
 1552.01 key 5
 1552.01 voice rate 5
 1552.01 say "5"
 1552.01 voice rate 0
 1552.03 play 22 volume 0 pan 0 frequency 22051
 1553.63 stop 22
 1553.63 draw 0.328066
 1553.63 draw 0.344953
 1553.63 draw 0.394752
 1557.02 say " Day Monday"
 1557.02 say " Time:  3 P.M. "
 1559.18 draw 0.022232
 1559.18 say " Approximate fuel  166"
 1559.18 say "Speed  55"
 1559.18 say "        Odometer:  3170"
 1559.18 say "Miles to go:  150"
 1559.18 say " You have just past Baltimore"
 1566.89 play 45 volume 0 pan 0 frequency 22051
 1567.39 stop 46
 1569.89 stop 45
 1569.89 say " STOP!   Pay toll of $ 30"
 1571.92 play 40 volume 0 pan 0 frequency 22051
 1573.82 stop 40
 1573.82 play 44 volume 0 pan 0 frequency 22051
 1585.83 play 46 looped volume -10000 pan 0 frequency 22055
 1587.32 stop 44
 1587.32 say " Cruising on I-95 in Delaware"
 1587.32 say " You are feeling rested & rearing to go."
 1587.32 draw 0.660347
 1587.32 say " Current weather: clear, but roadway is wet"
 1587.32 say " How fast do you wish to go? "
 1587.37 key 5
 1587.37 voice rate 5
 1587.37 say "5"
 1587.37 voice rate 0
 1587.42 key 5
 1587.42 voice rate 5
 1587.42 say "5"
 1587.42 voice rate 0
 1587.44 play 22 volume 0 pan 0 frequency 22051
 1589.04 stop 22
 1589.04 draw 0.169990
 1589.04 draw 0.603300
 1589.04 draw 0.619580
 1589.04 draw 0.697905
 1589.17 play 12 volume 0 pan 1500 frequency 22051
 1595.37 stop 12
 1595.37 say " Day Monday"
 1595.37 say " Time:  4 P.M. "
 1597.53 draw 0.291931
 1597.53 say " Approximate fuel  156"
 1597.53 say "Speed  55"
 1597.53 say "        Odometer:  3225"
 1597.53 say "Miles to go:  95"
 1597.53 say " You have just past New Jersey border"
 1605.66 play 45 volume 0 pan 0 frequency 22051
 1606.16 stop 46
 1608.66 stop 45
 1608.66 say " STOP!   Pay toll of $ 25"
 1610.69 play 40 volume 0 pan 0 frequency 22051
 1612.59 stop 40
 1612.59 play 44 volume 0 pan 0 frequency 22051
 1624.60 play 46 looped volume -10000 pan 0 frequency 22055
 1626.09 stop 44
 1626.09 say " Cruising on New Jersey Turnpike"
 1626.09 say " You are feeling rested & rearing to go."
 1626.09 draw 0.292032
 1626.09 say " Current weather: clear & dry"
 1626.09 say " How fast do you wish to go? "
 1626.14 key 5
 1626.14 voice rate 5
 1626.14 say "5"
 1626.14 voice rate 0
 1626.19 key 5
 1626.19 voice rate 5
 1626.19 say "5"
 1626.19 voice rate 0
 1626.21 play 22 volume 0 pan 0 frequency 22051
 1627.81 stop 22
 1627.81 draw 0.755529
 1627.81 draw 0.388224
 1627.81 draw 0.152463
 1631.20 say " Day Monday"
 1631.20 say " Time:  5 P.M. "
 1633.36 draw 0.905265
 1633.36 say " Approximate fuel  150"
 1633.36 say "Speed  55"
 1633.36 say "        Odometer:  3280"
 1633.36 say "Miles to go:  40"
 1633.36 say " Cruising on New Jersey Turnpike"
 1633.36 say " You are feeling fine"
 1633.36 draw 0.013083
 1633.36 say " Current weather: clear & dry"
 1633.36 say " Truck stop ahead.  Do you want to stop? "
 1633.38 say " yes "
 1633.41 key n
 1633.41 voice rate 5
 1633.41 say "n"
 1633.41 voice rate 0
 1633.41 say " How fast do you wish to go? "
 1633.46 key 5
 1633.46 voice rate 5
 1633.46 say "5"
 1633.46 voice rate 0
 1633.51 key 5
 1633.51 voice rate 5
 1633.51 say "5"
 1633.51 voice rate 0
 1633.53 play 22 volume 0 pan 0 frequency 22051
 1635.13 stop 22
 1635.13 draw 0.886484
 1635.13 draw 0.292257
 1635.13 draw 0.381825
 1636.16 play 8 volume 0 pan 0 frequency 22051
 1642.16 stop 8
 1642.16 play 45 volume 0 pan 0 frequency 22051
 1642.66 stop 46
 1645.16 stop 45
 1645.16 say " WELCOME TO NEW YORK"
 1646.89 play 34 volume 0 pan 0 frequency 22051
 1647.49 stop 34
 1647.51 play 34 volume 0 pan 0 frequency 22051
 1648.11 stop 34
 1648.13 play 35 volume 0 pan 0 frequency 22051
 1651.53 stop 35
 1651.55 play 34 volume 0 pan 0 frequency 22051
 1652.15 stop 34
 1652.15 say " Day Monday"
 1652.15 say " Time:  6 P.M. "
 1654.31 say " The warehouse is closed for the night.  Come back tomorrow."
 1654.52 say " Day Tuesday"
 1654.52 say " Time:  8 A.M. "
 1660.45 play 32 volume 0 pan 0 frequency 22051
 1665.05 stop 32
 1665.05 stop 20
 1665.05 stop 21
 1665.05 stop 46
 1665.05 say " You completed the trip in 8days."
 1665.05 say "     Trip expenses totaled "
 1665.05 say "1,179 dollors, and,  91 cents"
 1671.29 say "Truck payment, insurance and taxes cost "
 1671.29 say "765 dollors"
 1674.95 say " Collect five cents a pound for freight."
 1674.95 say "Total for load "
 1674.95 say "2,000 dollors"
 1679.93 say "     You're late!!  Subtract ten percent penalty."
 1679.93 say "Bad trip. . . You lost $ 144.91"
 1679.93 say "     You are bankrupt !!!"
 1680.24 say " Your rig has been repossessed."
 1680.24 say " press any key "
 1680.27 key x
 1680.27 stop 20
 1680.27 stop 21
 1680.27 stop 46
 1680.27 draw 0.978405
 1680.29 play 30 volume 0 pan 0 frequency 22051
 1682.39 stop 30
 1682.39 draw 0.436676
 1682.41 play 41 volume 0 pan 0 frequency 22051
 1686.33 stop 41
 1686.35 play 1 volume 0 pan 0 frequency 22051
 1692.04 stop 1
 1692.04 say " Thank you for playing Dravlen By Brannock "
 1694.92 beep
 1695.02 beep
 1695.13 say "Sorry, but I could not find the Quillonwerk game menu program."
ended by the game
settings  0 
settings  0 
settings  90 
settings  0 
