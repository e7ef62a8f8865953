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
    8.25 key 1
    8.25 say " 1 oranges "
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
    8.48 say " you have chosen to carry  40000 pounds of oranges. Is this correct?"
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
   29.33 key m
   29.33 say " middle "
   29.36 key enter
   29.36 play 44 volume 0 pan 0 frequency 22051
   41.37 play 46 looped volume -10000 pan 0
   42.86 stop 44
   42.86 say " Cruising on I-15 in California"
   42.86 say " You are feeling rested & rearing to go."
   42.86 draw 0.425721
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
   45.08 draw 0.814584
   45.08 draw 0.735397
   45.08 draw 0.868003
   45.08 draw 0.383381
   46.11 play 16 volume 0 pan -1500 frequency 22051
   51.11 stop 16
   51.11 say " Day Monday"
   51.11 say " Time:  10 A.M. "
   53.33 draw 0.979457
   53.33 say " Approximate fuel  183"
   53.33 say "Speed  55"
   53.33 say "        Odometer:  55"
   53.33 say "Miles to go:  2795"
   53.33 say " Cruising on I-15 in California"
   53.33 say " You are feeling fine"
   53.33 draw 0.893194
   53.33 say " Current weather: clear & dry"
   53.33 say " How fast do you wish to go? "
   53.38 key 5
   53.38 voice rate 5
   53.38 say "5"
   53.38 voice rate 0
   53.43 key 5
   53.43 voice rate 5
   53.43 say "5"
   53.43 voice rate 0
   53.45 play 22 volume 0 pan 0 frequency 22051
   55.05 stop 22
   55.05 draw 0.209715
   55.05 draw 0.741828
   55.05 draw 0.663143
   58.44 say " Day Monday"
   58.44 say " Time:  11 A.M. "
   60.66 draw 0.886801
   60.66 say " Approximate fuel  170"
   60.66 say "Speed  55"
   60.66 say "        Odometer:  110"
   60.66 say "Miles to go:  2740"
   60.66 say " You have just past Barstow"
   68.04 draw 0.858013
   68.57 play 41 volume 0 pan 0 frequency 22051
   72.49 stop 41
   72.49 say " The trailer refrigeration unit has failed endangering the cargo."
   76.90 play 45 volume 0 pan 0 frequency 22051
   77.40 stop 46
   79.90 stop 45
   79.90 say "     Repairs take 2 hours and cost $100.00."
   83.09 play 44 volume 0 pan 0 frequency 22051
   95.10 play 46 looped volume -10000 pan 0 frequency 22055
   96.59 stop 44
   96.59 draw 0.749262
   96.59 say " Day Monday"
   96.59 say " Time:  1 P.M. "
   98.96 say " Cruising on I-40 in California"
   98.96 say " You are feeling fine"
   98.96 draw 0.870145
   98.96 say " Current weather: clear & dry"
   98.96 say " How fast do you wish to go? "
   99.01 key 5
   99.01 voice rate 5
   99.01 say "5"
   99.01 voice rate 0
   99.06 key 5
   99.06 voice rate 5
   99.06 say "5"
   99.06 voice rate 0
   99.08 play 22 volume 0 pan 0 frequency 22051
  100.68 stop 22
  100.68 draw 0.186756
  100.68 draw 0.325567
  100.68 draw 0.372937
  101.71 play 8 volume 0 pan 0 frequency 22051
  107.71 stop 8
  107.71 say " Day Monday"
  107.71 say " Time:  2 P.M. "
  109.87 draw 0.793713
  109.87 say " Approximate fuel  157"
  109.87 say "Speed  55"
  109.87 say "        Odometer:  165"
  109.87 say "Miles to go:  2685"
  109.87 say " Cruising on I-40 in California"
  109.87 say " You are feeling   bored"
  109.87 draw 0.151060
  109.87 say " Current weather: clear & dry"
  109.87 say " Truck stop ahead.  Do you want to stop? "
  109.89 say " yes "
  109.92 key y
  109.92 voice rate 5
  109.92 say "y"
  109.92 voice rate 0
  109.92 draw 0.169943
  109.92 play 43 volume 0 pan 0 frequency 22051
  110.42 stop 46
  113.72 stop 43
  113.72 say " Diesel fuel costs "
  113.72 say " 90 cents"
  116.00 say " per gallon."
  116.00 say "     How many gallons do you want"
  116.05 key enter
  116.05 voice rate 5
  116.05 voice rate 0
  116.05 draw 0.081169
  116.07 play 40 volume 0 pan 0 frequency 22051
  117.97 stop 40
  117.97 say " So far, you have spent "
  117.97 say "290 dollors"
  120.67 say " Do you want to get some sleep? "
  120.69 say " yes "
  120.72 key y
  120.72 voice rate 5
  120.72 say "y"
  120.72 voice rate 0
  120.74 say "     How many hours of rest"
  120.77 key 8
  120.77 voice rate 5
  120.77 say "8"
  120.77 voice rate 0
  120.80 key enter
  120.82 play 25 volume 0 pan 0 frequency 22051
  123.72 stop 25
  123.74 play 25 volume 0 pan 0 frequency 22051
  126.64 stop 25
  126.66 play 25 volume 0 pan 0 frequency 22051
  129.56 stop 25
  129.58 play 25 volume 0 pan 0 frequency 22051
  132.48 stop 25
  132.50 play 25 volume 0 pan 0 frequency 22051
  135.40 stop 25
  135.42 play 25 volume 0 pan 0 frequency 22051
  138.32 stop 25
  138.34 play 25 volume 0 pan 0 frequency 22051
  141.24 stop 25
  141.26 play 25 volume 0 pan 0 frequency 22051
  144.16 stop 25
  144.16 say " Thanks to the daytime noise, you got only 4hours real sleep."
  148.14 play 23 volume 0 pan 0 frequency 22051
  151.34 stop 23
  151.34 say " Day Monday"
  151.34 say " Time:  11 P.M. "
  153.56 say " You now have  97 gallons of fuel."
  153.56 say " Do you want to buy more? "
  153.58 say " yes "
  153.61 key x
  153.61 voice rate 5
  153.61 say "x"
  153.61 voice rate 0
  153.61 say " You now have  97 gallons of fuel."
  153.61 say " Do you want to buy more? "
  153.63 say " yes "
  153.66 key y
  153.66 voice rate 5
  153.66 say "y"
  153.66 voice rate 0
  153.66 draw 0.305175
  153.68 play 29 volume 0 pan 0 frequency 22051
  157.88 stop 29
  157.88 say " Diesel fuel costs "
  157.88 say " 95 cents"
  160.16 say " per gallon."
  160.16 say "     How many gallons do you want"
  160.21 key 9
  160.21 voice rate 5
  160.21 say "9"
  160.21 voice rate 0
  160.26 key 3
  160.26 voice rate 5
  160.26 say "3"
  160.26 voice rate 0
  160.31 key enter
  160.31 voice rate 5
  160.31 voice rate 0
  160.33 play 27 volume 0 pan 0 frequency 22051
  164.93 stop 27
  164.93 draw 0.783290
  164.95 play 40 volume 0 pan 0 frequency 22051
  166.85 stop 40
  166.85 say "Pay "
  166.85 say "88 dollors, and,  35 cents"
  169.25 say " So far, you have spent "
  169.25 say "378 dollors, and,  35 cents"
  172.91 say " Do you want to get some sleep? "
  172.93 say " yes "
  172.96 key n
  172.96 voice rate 5
  172.96 say "n"
  172.96 voice rate 0
  172.96 say " Day Tuesday"
  172.96 say " Time:  12 Midnight"
  175.63 play 44 volume 0 pan 0 frequency 22051
  187.64 play 46 looped volume -10000 pan 0 frequency 22055
  189.13 stop 44
  189.13 say " How fast do you wish to go? "
  189.18 key 5
  189.18 voice rate 5
  189.18 say "5"
  189.18 voice rate 0
  189.23 key 5
  189.23 voice rate 5
  189.23 say "5"
  189.23 voice rate 0
  189.25 play 22 volume 0 pan 0 frequency 22051
  190.85 stop 22
  190.85 draw 0.162906
  190.85 draw 0.070641
  190.85 draw 0.701071
  194.24 say " Day Tuesday"
  194.24 say " Time:  1 A.M. "
  196.46 draw 0.180980
  196.46 say " Approximate fuel  175"
  196.46 say "Speed  55"
  196.46 say "        Odometer:  220"
  196.46 say "Miles to go:  2630"
  196.46 say " Cruising on I-40 in California"
  196.46 say " You are feeling rested & rearing to go."
  196.46 draw 0.598917
  196.46 say " Current weather: clear & dry"
  196.46 say " How fast do you wish to go? "
  196.51 key 5
  196.51 voice rate 5
  196.51 say "5"
  196.51 voice rate 0
  196.56 key 5
  196.56 voice rate 5
  196.56 say "5"
  196.56 voice rate 0
  196.58 play 22 volume 0 pan 0 frequency 22051
  198.18 stop 22
  198.18 draw 0.415264
  198.18 draw 0.513572
  198.18 draw 0.220656
  201.57 say " Day Tuesday"
  201.57 say " Time:  2 A.M. "
  203.79 draw 0.725573
  203.79 say " Approximate fuel  169"
  203.79 say "Speed  55"
  203.79 say "        Odometer:  275"
  203.79 say "Miles to go:  2575"
  203.79 say " You have just past Needles"
  211.17 say " Time zone changes -- set clock ahead one hour."
  211.17 say " Day Tuesday"
  211.17 say " Time:  3 A.M. "
  216.51 say " Cruising on I-40 in California"
  216.51 say " You are feeling rested & rearing to go."
  216.51 draw 0.849435
  216.51 say " Current weather: clear & dry"
  216.51 say " How fast do you wish to go? "
  216.56 key 5
  216.56 voice rate 5
  216.56 say "5"
  216.56 voice rate 0
  216.61 key 5
  216.61 voice rate 5
  216.61 say "5"
  216.61 voice rate 0
  216.63 play 22 volume 0 pan 0 frequency 22051
  218.23 stop 22
  218.23 draw 0.928893
  218.23 draw 0.735940
  218.23 draw 0.476587
  221.62 say " Day Tuesday"
  221.62 say " Time:  4 A.M. "
  223.84 draw 0.492893
  223.84 say " Approximate fuel  154"
  223.84 say "Speed  55"
  223.84 say "        Odometer:  330"
  223.84 say "Miles to go:  2520"
  223.84 say " Cruising on I-40 in California"
  223.84 say " You are feeling rested & rearing to go."
  223.84 draw 0.594520
  223.84 say " Current weather: clear & dry"
  223.84 say " How fast do you wish to go? "
  223.89 key 5
  223.89 voice rate 5
  223.89 say "5"
  223.89 voice rate 0
  223.94 key 5
  223.94 voice rate 5
  223.94 say "5"
  223.94 voice rate 0
  223.96 play 22 volume 0 pan 0 frequency 22051
  225.56 stop 22
  225.56 draw 0.076037
  225.56 draw 0.117477
  225.56 draw 0.966466
  228.95 say " Day Tuesday"
  228.95 say " Time:  5 A.M. "
  231.17 draw 0.583322
  231.17 say " Approximate fuel  143"
  231.17 say "Speed  55"
  231.17 say "        Odometer:  385"
  231.17 say "Miles to go:  2465"
  231.17 say " Cruising on I-40 in California"
  231.17 say " You are feeling fine"
  231.17 draw 0.092422
  231.17 say " Current weather: clear & dry"
  231.17 say " Truck stop ahead.  Do you want to stop? "
  231.19 say " yes "
  231.22 key y
  231.22 voice rate 5
  231.22 say "y"
  231.22 voice rate 0
  231.22 draw 0.013630
  231.22 play 43 volume 0 pan 0 frequency 22051
  231.72 stop 46
  235.02 stop 43
  235.02 say " Diesel fuel costs "
  235.02 say " 85 cents"
  237.30 say " per gallon."
  237.30 say "     How many gallons do you want"
  237.35 key 4
  237.35 voice rate 5
  237.35 say "4"
  237.35 voice rate 0
  237.40 key 7
  237.40 voice rate 5
  237.40 say "7"
  237.40 voice rate 0
  237.45 key enter
  237.45 voice rate 5
  237.45 voice rate 0
  237.47 play 27 volume 0 pan 0 frequency 22051
  242.07 stop 27
  242.07 draw 0.836930
  242.09 play 40 volume 0 pan 0 frequency 22051
  243.99 stop 40
  243.99 say "Pay "
  243.99 say "39 dollors, and,  95 cents"
  246.39 say " So far, you have spent "
  246.39 say "418 dollors, and,  30 cents"
  250.05 say " Do you want to get some sleep? "
  250.07 say " yes "
  250.10 key y
  250.10 voice rate 5
  250.10 say "y"
  250.10 voice rate 0
  250.12 say "     How many hours of rest"
  250.15 key 8
  250.15 voice rate 5
  250.15 say "8"
  250.15 voice rate 0
  250.18 key enter
  250.20 play 25 volume 0 pan 0 frequency 22051
  253.10 stop 25
  253.12 play 25 volume 0 pan 0 frequency 22051
  256.02 stop 25
  256.04 play 25 volume 0 pan 0 frequency 22051
  258.94 stop 25
  258.96 play 25 volume 0 pan 0 frequency 22051
  261.86 stop 25
  261.88 play 25 volume 0 pan 0 frequency 22051
  264.78 stop 25
  264.80 play 25 volume 0 pan 0 frequency 22051
  267.70 stop 25
  267.72 play 25 volume 0 pan 0 frequency 22051
  270.62 stop 25
  270.64 play 25 volume 0 pan 0 frequency 22051
  273.54 stop 25
  273.54 say " Thanks to the daytime noise, you got only 4hours real sleep."
  277.52 play 23 volume 0 pan 0 frequency 22051
  280.72 stop 23
  280.72 say " Day Tuesday"
  280.72 say " Time:  2 P.M. "
  282.94 say " You now have  132 gallons of fuel."
  282.94 say " Do you want to buy more? "
  282.96 say " yes "
  282.99 key y
  282.99 voice rate 5
  282.99 say "y"
  282.99 voice rate 0
  282.99 draw 0.914788
  283.01 play 29 volume 0 pan 0 frequency 22051
  287.21 stop 29
  287.21 say " Diesel fuel costs "
  287.21 say "1 dollor, and,  17 cents"
  290.39 say " per gallon."
  290.39 say "     How many gallons do you want"
  290.44 key 5
  290.44 voice rate 5
  290.44 say "5"
  290.44 voice rate 0
  290.49 key 8
  290.49 voice rate 5
  290.49 say "8"
  290.49 voice rate 0
  290.54 key enter
  290.54 voice rate 5
  290.54 voice rate 0
  290.56 play 27 volume 0 pan 0 frequency 22051
  295.16 stop 27
  295.16 draw 0.704586
  295.18 play 40 volume 0 pan 0 frequency 22051
  297.08 stop 40
  297.08 say "Pay "
  297.08 say "67 dollors, and,  86 cents"
  299.48 say " So far, you have spent "
  299.48 say "486 dollors, and,  16 cents"
  303.14 say " Do you want to get some sleep? "
  303.16 say " yes "
  303.19 key n
  303.19 voice rate 5
  303.19 say "n"
  303.19 voice rate 0
  303.19 say " Day Tuesday"
  303.19 say " Time:  3 P.M. "
  305.62 play 44 volume 0 pan 0 frequency 22051
  317.63 play 46 looped volume -10000 pan 0 frequency 22055
  319.12 stop 44
  319.12 say " How fast do you wish to go? "
  319.17 key 5
  319.17 voice rate 5
  319.17 say "5"
  319.17 voice rate 0
  319.22 key 5
  319.22 voice rate 5
  319.22 say "5"
  319.22 voice rate 0
  319.24 play 22 volume 0 pan 0 frequency 22051
  320.84 stop 22
  320.84 draw 0.387007
  320.84 draw 0.705694
  320.84 draw 0.923311
  320.84 draw 0.288153
  320.97 play 17 volume 0 pan -1500 frequency 22051
  325.97 stop 17
  325.97 say " Day Tuesday"
  325.97 say " Time:  4 P.M. "
  328.19 draw 0.684020
  328.19 say " Approximate fuel  181"
  328.19 say "Speed  55"
  328.19 say "        Odometer:  440"
  328.19 say "Miles to go:  2410"
  328.19 say " You have just past Flagstaff"
  335.69 draw 0.520292
  335.69 say " Cruising on I-40 in Arizona"
  335.69 say " You are feeling rested & rearing to go."
  335.69 draw 0.877366
  335.69 say " Current weather: clear & dry"
  335.69 say " How fast do you wish to go? "
  335.74 key 5
  335.74 voice rate 5
  335.74 say "5"
  335.74 voice rate 0
  335.79 key 5
  335.79 voice rate 5
  335.79 say "5"
  335.79 voice rate 0
  335.81 play 22 volume 0 pan 0 frequency 22051
  337.41 stop 22
  337.41 draw 0.923889
  337.41 draw 0.489230
  337.41 draw 0.596214
  340.80 say " Day Tuesday"
  340.80 say " Time:  5 P.M. "
  343.02 draw 0.264275
  343.02 say " Approximate fuel  164"
  343.02 say "Speed  55"
  343.02 say "        Odometer:  495"
  343.02 say "Miles to go:  2355"
  343.02 say " Cruising on I-40 in Arizona"
  343.02 say " You are feeling rested & rearing to go."
  343.02 draw 0.991711
  343.02 say " Current weather: clear, but roadway is wet"
  343.02 say " How fast do you wish to go? "
  343.07 key 5
  343.07 voice rate 5
  343.07 say "5"
  343.07 voice rate 0
  343.12 key 5
  343.12 voice rate 5
  343.12 say "5"
  343.12 voice rate 0
  343.14 play 22 volume 0 pan 0 frequency 22051
  344.74 stop 22
  344.74 draw 0.210398
  344.74 draw 0.583370
  344.74 draw 0.648900
  348.13 say " Day Tuesday"
  348.13 say " Time:  6 P.M. "
  350.35 draw 0.910971
  350.35 say " Approximate fuel  158"
  350.35 say "Speed  55"
  350.35 say "        Odometer:  550"
  350.35 say "Miles to go:  2300"
  350.35 say " Cruising on I-40 in Arizona"
  350.35 say " You are feeling rested & rearing to go."
  350.35 draw 0.121658
  350.35 say " Current weather: clear & dry"
  350.35 say " How fast do you wish to go? "
  350.40 key 5
  350.40 voice rate 5
  350.40 say "5"
  350.40 voice rate 0
  350.45 key 5
  350.45 voice rate 5
  350.45 say "5"
  350.45 voice rate 0
  350.47 play 22 volume 0 pan 0 frequency 22051
  352.07 stop 22
  352.07 draw 0.675821
  352.07 draw 0.754751
  352.07 draw 0.910535
  352.07 draw 0.241688
  352.20 play 17 volume 0 pan -1500 frequency 22051
  357.20 stop 17
  357.20 say " Day Tuesday"
  357.20 say " Time:  7 P.M. "
  359.42 draw 0.975596
  359.42 say " Approximate fuel  147"
  359.42 say "Speed  55"
  359.42 say "        Odometer:  605"
  359.42 say "Miles to go:  2245"
  359.42 say " Cruising on I-40 in Arizona"
  359.42 say " You are feeling fine"
  359.42 draw 0.303730
  359.42 say " Current weather: clear & dry"
  359.42 say " Truck stop ahead.  Do you want to stop? "
  359.44 say " yes "
  359.47 key n
  359.47 voice rate 5
  359.47 say "n"
  359.47 voice rate 0
  359.47 say " How fast do you wish to go? "
  359.52 key 5
  359.52 voice rate 5
  359.52 say "5"
  359.52 voice rate 0
  359.57 key 5
  359.57 voice rate 5
  359.57 say "5"
  359.57 voice rate 0
  359.59 play 22 volume 0 pan 0 frequency 22051
  361.19 stop 22
  361.19 draw 0.900600
  361.19 draw 0.104660
  361.19 draw 0.673120
  361.19 draw 0.869543
  362.22 play 13 volume 0 pan 1500 frequency 22051
  368.22 stop 13
  368.22 say " Day Tuesday"
  368.22 say " Time:  8 P.M. "
  370.44 draw 0.561028
  370.44 say " Approximate fuel  130"
  370.44 say "Speed  55"
  370.44 say "        Odometer:  660"
  370.44 say "Miles to go:  2190"
  370.44 say " You have just past Gallup"
  377.76 draw 0.467618
  377.76 say " Cruising on I-40 in New Mexico"
  377.76 say " You are feeling fine"
  377.76 draw 0.015088
  377.76 say " Current weather: clear & dry"
  377.76 say " Truck stop ahead.  Do you want to stop? "
  377.78 say " yes "
  377.81 key y
  377.81 voice rate 5
  377.81 say "y"
  377.81 voice rate 0
  377.81 draw 0.393214
  377.81 play 43 volume 0 pan 0 frequency 22051
  378.31 stop 46
  381.61 stop 43
  381.61 say " Diesel fuel costs "
  381.61 say " 98 cents"
  383.89 say " per gallon."
  383.89 say "     How many gallons do you want"
  383.94 key 6
  383.94 voice rate 5
  383.94 say "6"
  383.94 voice rate 0
  383.99 key 0
  383.99 voice rate 5
  383.99 say "0"
  383.99 voice rate 0
  384.04 key enter
  384.04 voice rate 5
  384.04 voice rate 0
  384.06 play 27 volume 0 pan 0 frequency 22051
  388.66 stop 27
  388.66 draw 0.210328
  388.68 play 40 volume 0 pan 0 frequency 22051
  390.58 stop 40
  390.58 say "Pay "
  390.58 say "58 dollors, and,  80 cents"
  392.98 say " So far, you have spent "
  392.98 say "544 dollors, and,  96 cents"
  396.64 say " Do you want to get some sleep? "
  396.66 say " yes "
  396.69 key y
  396.69 voice rate 5
  396.69 say "y"
  396.69 voice rate 0
  396.71 say "     How many hours of rest"
  396.74 key 8
  396.74 voice rate 5
  396.74 say "8"
  396.74 voice rate 0
  396.77 key enter
  396.79 play 24 volume 0 pan 0 frequency 22051
  399.49 stop 24
  399.51 play 24 volume 0 pan 0 frequency 22051
  402.21 stop 24
  402.23 play 24 volume 0 pan 0 frequency 22051
  404.93 stop 24
  404.95 play 24 volume 0 pan 0 frequency 22051
  407.65 stop 24
  407.67 play 24 volume 0 pan 0 frequency 22051
  410.37 stop 24
  410.39 play 24 volume 0 pan 0 frequency 22051
  413.09 stop 24
  413.11 play 24 volume 0 pan 0 frequency 22051
  415.81 stop 24
  415.83 play 24 volume 0 pan 0 frequency 22051
  418.53 stop 24
  418.55 play 23 volume 0 pan 0 frequency 22051
  421.75 stop 23
  421.75 say " Day Wednesday"
  421.75 say " Time:  5 A.M. "
  424.09 say " You now have  133 gallons of fuel."
  424.09 say " Do you want to buy more? "
  424.11 say " yes "
  424.14 key y
  424.14 voice rate 5
  424.14 say "y"
  424.14 voice rate 0
  424.14 draw 0.209518
  424.16 play 29 volume 0 pan 0 frequency 22051
  428.36 stop 29
  428.36 say " Diesel fuel costs "
  428.36 say " 92 cents"
  430.64 say " per gallon."
  430.64 say "     How many gallons do you want"
  430.69 key 5
  430.69 voice rate 5
  430.69 say "5"
  430.69 voice rate 0
  430.74 key 7
  430.74 voice rate 5
  430.74 say "7"
  430.74 voice rate 0
  430.79 key enter
  430.79 voice rate 5
  430.79 voice rate 0
  430.81 play 27 volume 0 pan 0 frequency 22051
  435.41 stop 27
  435.41 draw 0.395524
  435.43 play 40 volume 0 pan 0 frequency 22051
  437.33 stop 40
  437.33 say "Pay "
  437.33 say "52 dollors, and,  44 cents"
  439.73 say " So far, you have spent "
  439.73 say "597 dollors, and,  40 cents"
  443.39 say " Do you want to get some sleep? "
  443.41 say " yes "
  443.44 key n
  443.44 voice rate 5
  443.44 say "n"
  443.44 voice rate 0
  443.44 say " Day Wednesday"
  443.44 say " Time:  6 A.M. "
  445.99 play 44 volume 0 pan 0 frequency 22051
  458.00 play 46 looped volume -10000 pan 0 frequency 22055
  459.49 stop 44
  459.49 say " How fast do you wish to go? "
  459.54 key 5
  459.54 voice rate 5
  459.54 say "5"
  459.54 voice rate 0
  459.59 key 5
  459.59 voice rate 5
  459.59 say "5"
  459.59 voice rate 0
  459.61 play 22 volume 0 pan 0 frequency 22051
  461.21 stop 22
  461.21 draw 0.980703
  461.21 draw 0.194108
  461.21 draw 0.849631
  461.21 draw 0.459645
  462.24 play 16 volume 0 pan -1500 frequency 22051
  467.24 stop 16
  467.24 say " Day Wednesday"
  467.24 say " Time:  7 A.M. "
  469.58 draw 0.192586
  469.58 say " Approximate fuel  176"
  469.58 say "Speed  55"
  469.58 say "        Odometer:  715"
  469.58 say "Miles to go:  2135"
  469.58 say " Cruising on I-40 in New Mexico"
  469.58 say " You are feeling rested & rearing to go."
  469.58 draw 0.171264
  469.58 say " Current weather: clear & dry"
  469.58 say " How fast do you wish to go? "
  469.63 key 5
  469.63 voice rate 5
  469.63 say "5"
  469.63 voice rate 0
  469.68 key 5
  469.68 voice rate 5
  469.68 say "5"
  469.68 voice rate 0
  469.70 play 22 volume 0 pan 0 frequency 22051
  471.30 stop 22
  471.30 draw 0.460533
  471.30 draw 0.221288
  471.30 draw 0.514370
  471.30 draw 0.721152
  471.43 play 10 volume 0 pan 1500 frequency 22051
  476.03 stop 10
  476.03 say " Day Wednesday"
  476.03 say " Time:  8 A.M. "
  478.37 draw 0.951508
  478.37 say " Approximate fuel  171"
  478.37 say "Speed  55"
  478.37 say "        Odometer:  770"
  478.37 say "Miles to go:  2080"
  478.37 say " You have just past Albuquerque"
  485.99 draw 0.035417
  485.99 say " Cruising on I-40 in New Mexico"
  485.99 say " You are feeling rested & rearing to go."
  485.99 draw 0.982805
  485.99 say " Current weather: clear, but roadway is wet"
  485.99 say " How fast do you wish to go? "
  486.04 key 5
  486.04 voice rate 5
  486.04 say "5"
  486.04 voice rate 0
  486.09 key 5
  486.09 voice rate 5
  486.09 say "5"
  486.09 voice rate 0
  486.11 play 22 volume 0 pan 0 frequency 22051
  487.71 stop 22
  487.71 draw 0.739411
  487.71 draw 0.183192
  487.71 draw 0.830363
  491.10 say " Day Wednesday"
  491.10 say " Time:  9 A.M. "
  493.44 draw 0.510732
  493.44 say " Approximate fuel  154"
  493.44 say "Speed  55"
  493.44 say "        Odometer:  825"
  493.44 say "Miles to go:  2025"
  493.44 say " Cruising on I-40 in New Mexico"
  493.44 say " You are feeling rested & rearing to go."
  493.44 draw 0.709649
  493.44 say " Current weather: clear & dry"
  493.44 say " How fast do you wish to go? "
  493.49 key 5
  493.49 voice rate 5
  493.49 say "5"
  493.49 voice rate 0
  493.54 key 5
  493.54 voice rate 5
  493.54 say "5"
  493.54 voice rate 0
  493.56 play 22 volume 0 pan 0 frequency 22051
  495.16 stop 22
  495.16 draw 0.727693
  495.16 draw 0.942748
  495.16 draw 0.391868
  496.19 play 8 volume 0 pan 0 frequency 22051
  502.19 stop 8
  502.19 say " Day Wednesday"
  502.19 say " Time:  10 A.M. "
  504.59 draw 0.939240
  504.59 say " Approximate fuel  146"
  504.59 say "Speed  55"
  504.59 say "        Odometer:  880"
  504.59 say "Miles to go:  1970"
  504.59 say " Cruising on I-40 in New Mexico"
  504.59 say " You are feeling fine"
  504.59 draw 0.477172
  504.59 say " Current weather: clear & dry"
  504.59 say " Truck stop ahead.  Do you want to stop? "
  504.61 say " yes "
  504.64 key n
  504.64 voice rate 5
  504.64 say "n"
  504.64 voice rate 0
  504.64 say " How fast do you wish to go? "
  504.69 key 5
  504.69 voice rate 5
  504.69 say "5"
  504.69 voice rate 0
  504.74 key 5
  504.74 voice rate 5
  504.74 say "5"
  504.74 voice rate 0
  504.76 play 22 volume 0 pan 0 frequency 22051
  506.36 stop 22
  506.36 draw 0.903727
  506.36 draw 0.763658
  506.36 draw 0.400971
  509.75 say " Day Wednesday"
  509.75 say " Time:  11 A.M. "
  512.15 draw 0.071953
  512.15 say " Approximate fuel  125"
  512.15 say "Speed  55"
  512.15 say "        Odometer:  935"
  512.15 say "Miles to go:  1915"
  512.15 say " You have just past Tucumcari"
  519.65 say " Time zone changes -- set clock ahead one hour."
  519.65 say " Day Wednesday"
  519.65 say " Time:  12 Noon"
  525.11 say " Cruising on I-40 in Texas"
  525.11 say " You are feeling fine"
  525.11 draw 0.403581
  525.11 say " Current weather: clear & dry"
  525.11 say " Truck stop ahead.  Do you want to stop? "
  525.13 say " yes "
  525.16 key n
  525.16 voice rate 5
  525.16 say "n"
  525.16 voice rate 0
  525.16 say " How fast do you wish to go? "
  525.21 key 5
  525.21 voice rate 5
  525.21 say "5"
  525.21 voice rate 0
  525.26 key 5
  525.26 voice rate 5
  525.26 say "5"
  525.26 voice rate 0
  525.28 play 22 volume 0 pan 0 frequency 22051
  526.88 stop 22
  526.88 draw 0.558274
  526.88 draw 0.555063
  526.88 draw 0.210127
  526.88 draw 0.942752
  527.91 play 5 volume 0 pan 1500 frequency 22051
  532.11 stop 5
  532.11 say " Day Wednesday"
  532.11 say " Time:  1 P.M. "
  534.45 draw 0.621737
  534.45 say " Approximate fuel  119"
  534.45 say "Speed  55"
  534.45 say "        Odometer:  990"
  534.45 say "Miles to go:  1860"
  534.45 say " Cruising on I-40 in Texas"
  534.45 say " You are feeling   bored"
  534.45 draw 0.707047
  534.45 say " Current weather: clear & dry"
  534.45 say " Truck stop ahead.  Do you want to stop? "
  534.47 say " yes "
  534.50 key y
  534.50 voice rate 5
  534.50 say "y"
  534.50 voice rate 0
  534.50 draw 0.722422
  534.50 play 43 volume 0 pan 0 frequency 22051
  535.00 stop 46
  538.30 stop 43
  538.30 say " Diesel fuel costs "
  538.30 say "1 dollor, and,  10 cents"
  541.48 say " per gallon."
  541.48 say "     How many gallons do you want"
  541.53 key 7
  541.53 voice rate 5
  541.53 say "7"
  541.53 voice rate 0
  541.58 key 1
  541.58 voice rate 5
  541.58 say "1"
  541.58 voice rate 0
  541.63 key enter
  541.63 voice rate 5
  541.63 voice rate 0
  541.65 play 27 volume 0 pan 0 frequency 22051
  546.25 stop 27
  546.25 draw 0.947095
  546.27 play 40 volume 0 pan 0 frequency 22051
  548.17 stop 40
  548.17 say "Pay "
  548.17 say "78 dollors, and,  10 cents"
  550.57 say " So far, you have spent "
  550.57 say "675 dollors, and,  50 cents"
  554.23 say " Do you want to get some sleep? "
  554.25 say " yes "
  554.28 key y
  554.28 voice rate 5
  554.28 say "y"
  554.28 voice rate 0
  554.30 say "     How many hours of rest"
  554.33 key 8
  554.33 voice rate 5
  554.33 say "8"
  554.33 voice rate 0
  554.36 key enter
  554.38 play 25 volume 0 pan 0 frequency 22051
  557.28 stop 25
  557.30 play 25 volume 0 pan 0 frequency 22051
  560.20 stop 25
  560.22 play 25 volume 0 pan 0 frequency 22051
  563.12 stop 25
  563.14 play 25 volume 0 pan 0 frequency 22051
  566.04 stop 25
  566.06 play 25 volume 0 pan 0 frequency 22051
  568.96 stop 25
  568.98 play 25 volume 0 pan 0 frequency 22051
  571.88 stop 25
  571.90 play 25 volume 0 pan 0 frequency 22051
  574.80 stop 25
  574.82 play 25 volume 0 pan 0 frequency 22051
  577.72 stop 25
  577.72 say " Thanks to the daytime noise, you got only 4hours real sleep."
  581.70 play 23 volume 0 pan 0 frequency 22051
  584.90 stop 23
  584.90 say " Day Wednesday"
  584.90 say " Time:  10 P.M. "
  587.30 say " You now have  131 gallons of fuel."
  587.30 say " Do you want to buy more? "
  587.32 say " yes "
  587.35 key y
  587.35 voice rate 5
  587.35 say "y"
  587.35 voice rate 0
  587.35 draw 0.311676
  587.37 play 29 volume 0 pan 0 frequency 22051
  591.57 stop 29
  591.57 say " Diesel fuel costs "
  591.57 say " 95 cents"
  593.85 say " per gallon."
  593.85 say "     How many gallons do you want"
  593.90 key 5
  593.90 voice rate 5
  593.90 say "5"
  593.90 voice rate 0
  593.95 key 9
  593.95 voice rate 5
  593.95 say "9"
  593.95 voice rate 0
  594.00 key enter
  594.00 voice rate 5
  594.00 voice rate 0
  594.02 play 27 volume 0 pan 0 frequency 22051
  598.62 stop 27
  598.62 draw 0.111060
  598.64 play 40 volume 0 pan 0 frequency 22051
  600.54 stop 40
  600.54 say "Pay "
  600.54 say "56 dollors, and,  5 cents"
  602.88 say " So far, you have spent "
  602.88 say "731 dollors, and,  55 cents"
  606.54 say " Do you want to get some sleep? "
  606.56 say " yes "
  606.59 key n
  606.59 voice rate 5
  606.59 say "n"
  606.59 voice rate 0
  606.59 say " Day Wednesday"
  606.59 say " Time:  11 P.M. "
  609.19 play 44 volume 0 pan 0 frequency 22051
  621.20 play 46 looped volume -10000 pan 0 frequency 22055
  622.69 stop 44
  622.69 say " How fast do you wish to go? "
  622.74 key 5
  622.74 voice rate 5
  622.74 say "5"
  622.74 voice rate 0
  622.79 key 5
  622.79 voice rate 5
  622.79 say "5"
  622.79 voice rate 0
  622.81 play 22 volume 0 pan 0 frequency 22051
  624.41 stop 22
  624.41 draw 0.727712
  624.41 draw 0.314199
  624.41 draw 0.332064
  624.41 draw 0.059746
  624.54 play 7 volume 0 pan -1500 frequency 22051
  631.54 stop 7
  631.54 say " Day Thursday"
  631.54 say " Time:  12 Midnight"
  634.06 draw 0.182485
  634.06 say " Approximate fuel  176"
  634.06 say "Speed  55"
  634.06 say "        Odometer:  1045"
  634.06 say "Miles to go:  1805"
  634.06 say " You have just past Amarillo"
  641.56 draw 0.230797
  641.56 say " Cruising on I-40 in Texas"
  641.56 say " You are feeling fine"
  641.56 draw 0.034821
  641.56 say " Current weather: clear & dry"
  641.56 say " How fast do you wish to go? "
  641.61 key 5
  641.61 voice rate 5
  641.61 say "5"
  641.61 voice rate 0
  641.66 key 5
  641.66 voice rate 5
  641.66 say "5"
  641.66 voice rate 0
  641.68 play 22 volume 0 pan 0 frequency 22051
  643.28 stop 22
  643.28 draw 0.631224
  643.28 draw 0.224184
  643.28 draw 0.668684
  643.28 draw 0.623325
  644.31 play 13 volume 0 pan 1500 frequency 22051
  650.31 stop 13
  650.31 say " Day Thursday"
  650.31 say " Time:  1 A.M. "
  652.59 draw 0.728023
  652.59 say " Approximate fuel  169"
  652.59 say "Speed  55"
  652.59 say "        Odometer:  1100"
  652.59 say "Miles to go:  1750"
  652.59 say " Cruising on I-40 in Texas"
  652.59 say " You are feeling fine"
  652.59 draw 0.833901
  652.59 say " Current weather: clear, but roadway is wet"
  652.59 say " How fast do you wish to go? "
  652.64 key 5
  652.64 voice rate 5
  652.64 say "5"
  652.64 voice rate 0
  652.69 key 5
  652.69 voice rate 5
  652.69 say "5"
  652.69 voice rate 0
  652.71 play 22 volume 0 pan 0 frequency 22051
  654.31 stop 22
  654.31 draw 0.113234
  654.31 draw 0.154064
  654.31 draw 0.096498
  657.70 say " Day Thursday"
  657.70 say " Time:  2 A.M. "
  659.98 draw 0.111991
  659.98 say " Approximate fuel  151"
  659.98 say "Speed  55"
  659.98 say "        Odometer:  1155"
  659.98 say "Miles to go:  1695"
  659.98 say " You have just past Oklahoma border"
  667.90 draw 0.447758
  667.90 say " Cruising on I-40 in Oklahoma"
  667.90 say " You are feeling fine"
  667.90 draw 0.934889
  667.90 say " Current weather: clear, but roadway is wet"
  667.90 say " How fast do you wish to go? "
  667.95 key 5
  667.95 voice rate 5
  667.95 say "5"
  667.95 voice rate 0
  668.00 key 5
  668.00 voice rate 5
  668.00 say "5"
  668.00 voice rate 0
  668.02 play 22 volume 0 pan 0 frequency 22051
  669.62 stop 22
  669.62 draw 0.840755
  669.62 draw 0.873504
  669.62 draw 0.845150
  673.01 say " Day Thursday"
  673.01 say " Time:  3 A.M. "
  675.29 draw 0.156091
  675.29 say " Approximate fuel  139"
  675.29 say "Speed  55"
  675.29 say "        Odometer:  1210"
  675.29 say "Miles to go:  1640"
  675.29 say " Cruising on I-40 in Oklahoma"
  675.29 say " You are feeling fine"
  675.29 draw 0.930836
  675.29 say " Current weather: clear, but roadway is wet"
  675.29 say " Truck stop ahead.  Do you want to stop? "
  675.31 say " yes "
  675.34 key y
  675.34 voice rate 5
  675.34 say "y"
  675.34 voice rate 0
  675.34 draw 0.908526
  675.34 play 43 volume 0 pan 0 frequency 22051
  675.84 stop 46
  679.14 stop 43
  679.14 say " Diesel fuel costs "
  679.14 say "1 dollor, and,  16 cents"
  682.32 say " per gallon."
  682.32 say "     How many gallons do you want"
  682.37 key 5
  682.37 voice rate 5
  682.37 say "5"
  682.37 voice rate 0
  682.42 key 1
  682.42 voice rate 5
  682.42 say "1"
  682.42 voice rate 0
  682.47 key enter
  682.47 voice rate 5
  682.47 voice rate 0
  682.49 play 27 volume 0 pan 0 frequency 22051
  687.09 stop 27
  687.09 draw 0.356974
  687.11 play 40 volume 0 pan 0 frequency 22051
  689.01 stop 40
  689.01 say "Pay "
  689.01 say "59 dollors, and,  16 cents"
  691.41 say " So far, you have spent "
  691.41 say "790 dollors, and,  71 cents"
  695.07 say " Do you want to get some sleep? "
  695.09 say " yes "
  695.12 key y
  695.12 voice rate 5
  695.12 say "y"
  695.12 voice rate 0
  695.14 say "     How many hours of rest"
  695.17 key 8
  695.17 voice rate 5
  695.17 say "8"
  695.17 voice rate 0
  695.20 key enter
  695.22 play 24 volume 0 pan 0 frequency 22051
  697.92 stop 24
  697.94 play 24 volume 0 pan 0 frequency 22051
  700.64 stop 24
  700.66 play 24 volume 0 pan 0 frequency 22051
  703.36 stop 24
  703.38 play 24 volume 0 pan 0 frequency 22051
  706.08 stop 24
  706.10 play 24 volume 0 pan 0 frequency 22051
  708.80 stop 24
  708.82 play 24 volume 0 pan 0 frequency 22051
  711.52 stop 24
  711.54 play 24 volume 0 pan 0 frequency 22051
  714.24 stop 24
  714.26 play 24 volume 0 pan 0 frequency 22051
  716.96 stop 24
  716.98 play 23 volume 0 pan 0 frequency 22051
  720.18 stop 23
  720.18 say " Day Thursday"
  720.18 say " Time:  12 Noon"
  722.46 say " You now have  137 gallons of fuel."
  722.46 say " Do you want to buy more? "
  722.48 say " yes "
  722.51 key y
  722.51 voice rate 5
  722.51 say "y"
  722.51 voice rate 0
  722.51 draw 0.531113
  722.53 play 29 volume 0 pan 0 frequency 22051
  726.73 stop 29
  726.73 say " Diesel fuel costs "
  726.73 say "1 dollor, and,  3 cents"
  729.85 say " per gallon."
  729.85 say "     How many gallons do you want"
  729.90 key 5
  729.90 voice rate 5
  729.90 say "5"
  729.90 voice rate 0
  729.95 key 3
  729.95 voice rate 5
  729.95 say "3"
  729.95 voice rate 0
  730.00 key enter
  730.00 voice rate 5
  730.00 voice rate 0
  730.02 play 27 volume 0 pan 0 frequency 22051
  734.62 stop 27
  734.62 draw 0.574084
  734.64 play 40 volume 0 pan 0 frequency 22051
  736.54 stop 40
  736.54 say "Pay "
  736.54 say "54 dollors, and,  59 cents"
  738.94 say " So far, you have spent "
  738.94 say "845 dollors, and,  30 cents"
  742.60 say " Do you want to get some sleep? "
  742.62 say " yes "
  742.65 key n
  742.65 voice rate 5
  742.65 say "n"
  742.65 voice rate 0
  742.65 say " Day Thursday"
  742.65 say " Time:  1 P.M. "
  745.14 play 44 volume 0 pan 0 frequency 22051
  757.15 play 46 looped volume -10000 pan 0 frequency 22055
  758.64 stop 44
  758.64 say " How fast do you wish to go? "
  758.69 key 5
  758.69 voice rate 5
  758.69 say "5"
  758.69 voice rate 0
  758.74 key 5
  758.74 voice rate 5
  758.74 say "5"
  758.74 voice rate 0
  758.76 play 22 volume 0 pan 0 frequency 22051
  760.36 stop 22
  760.36 draw 0.176426
  760.36 draw 0.591059
  760.36 draw 0.970656
  760.36 draw 0.997088
  760.49 play 18 volume 0 pan 1500 frequency 22051
  765.49 stop 18
  765.49 say " Day Thursday"
  765.49 say " Time:  2 P.M. "
  767.77 draw 0.094319
  767.77 say " Approximate fuel  174"
  767.77 say "Speed  55"
  767.77 say "        Odometer:  1265"
  767.77 say "Miles to go:  1585"
  767.77 say " Cruising on I-40 in Oklahoma"
  767.77 say " You are feeling rested & rearing to go."
  767.77 draw 0.028698
  767.77 say " Current weather: clear & dry"
  767.77 say " How fast do you wish to go? "
  767.82 key 5
  767.82 voice rate 5
  767.82 say "5"
  767.82 voice rate 0
  767.87 key 5
  767.87 voice rate 5
  767.87 say "5"
  767.87 voice rate 0
  767.89 play 22 volume 0 pan 0 frequency 22051
  769.49 stop 22
  769.49 draw 0.229880
  769.49 draw 0.669784
  769.49 draw 0.218513
  772.88 say " Day Thursday"
  772.88 say " Time:  3 P.M. "
  775.16 draw 0.813717
  775.16 say " Approximate fuel  169"
  775.16 say "Speed  55"
  775.16 say "        Odometer:  1320"
  775.16 say "Miles to go:  1530"
  775.16 say " You have just past Oklahoma City"
  783.17 play 45 volume 0 pan 0 frequency 22051
  783.67 stop 46
  786.17 stop 45
  786.17 say " STOP!   Pay toll of $ 65"
  788.20 play 40 volume 0 pan 0 frequency 22051
  790.10 stop 40
  790.10 play 44 volume 0 pan 0 frequency 22051
  802.11 play 46 looped volume -10000 pan 0 frequency 22055
  803.60 stop 44
  803.60 say " Cruising on Oklahoma Turnpike"
  803.60 say " You are feeling rested & rearing to go."
  803.60 draw 0.267714
  803.60 say " Current weather: clear & dry"
  803.60 say " How fast do you wish to go? "
  803.65 key 5
  803.65 voice rate 5
  803.65 say "5"
  803.65 voice rate 0
  803.70 key 5
  803.70 voice rate 5
  803.70 say "5"
  803.70 voice rate 0
  803.72 play 22 volume 0 pan 0 frequency 22051
  805.32 stop 22
  805.32 draw 0.695649
  805.32 draw 0.750906
  805.32 draw 0.577818
  808.71 say " Day Thursday"
  808.71 say " Time:  4 P.M. "
  810.99 draw 0.404952
  810.99 say " Approximate fuel  153"
  810.99 say "Speed  55"
  810.99 say "        Odometer:  1375"
  810.99 say "Miles to go:  1475"
  810.99 say " Cruising on Oklahoma Turnpike"
  810.99 say " You are feeling rested & rearing to go."
  810.99 draw 0.699416
  810.99 say " Current weather: clear & dry"
  810.99 say " How fast do you wish to go? "
  811.04 key 5
  811.04 voice rate 5
  811.04 say "5"
  811.04 voice rate 0
  811.09 key 5
  811.09 voice rate 5
  811.09 say "5"
  811.09 voice rate 0
  811.11 play 22 volume 0 pan 0 frequency 22051
  812.71 stop 22
  812.71 draw 0.520537
  812.71 draw 0.758146
  812.71 draw 0.953531
  816.10 say " Day Thursday"
  816.10 say " Time:  5 P.M. "
  818.38 draw 0.955289
  818.38 say " Approximate fuel  146"
  818.38 say "Speed  55"
  818.38 say "        Odometer:  1430"
  818.38 say "Miles to go:  1420"
  818.38 say " Cruising on Oklahoma Turnpike"
  818.38 say " You are feeling fine"
  818.38 draw 0.528819
  818.38 say " Current weather: clear & dry"
  818.38 say " Truck stop ahead.  Do you want to stop? "
  818.40 say " yes "
  818.43 key n
  818.43 voice rate 5
  818.43 say "n"
  818.43 voice rate 0
  818.43 say " How fast do you wish to go? "
  818.48 key 5
  818.48 voice rate 5
  818.48 say "5"
  818.48 voice rate 0
  818.53 key 5
  818.53 voice rate 5
  818.53 say "5"
  818.53 voice rate 0
  818.55 play 22 volume 0 pan 0 frequency 22051
  820.15 stop 22
  820.15 draw 0.035158
  820.15 draw 0.649854
  820.15 draw 0.786950
  823.54 say " Day Thursday"
  823.54 say " Time:  6 P.M. "
  825.82 draw 0.877631
  825.82 say " Approximate fuel  133"
  825.82 say "Speed  55"
  825.82 say "        Odometer:  1485"
  825.82 say "Miles to go:  1365"
  825.82 say " Cruising on Oklahoma Turnpike"
  825.82 say " You are feeling fine"
  825.82 draw 0.075375
  825.82 say " Current weather: clear & dry"
  825.82 say " Truck stop ahead.  Do you want to stop? "
  825.84 say " yes "
  825.87 key n
  825.87 voice rate 5
  825.87 say "n"
  825.87 voice rate 0
  825.87 say " How fast do you wish to go? "
  825.92 key 5
  825.92 voice rate 5
  825.92 say "5"
  825.92 voice rate 0
  825.97 key 5
  825.97 voice rate 5
  825.97 say "5"
  825.97 voice rate 0
  825.99 play 22 volume 0 pan 0 frequency 22051
  827.59 stop 22
  827.59 draw 0.159440
  827.59 draw 0.543492
  827.59 draw 0.121998
  827.59 draw 0.529165
  828.62 play 4 volume 0 pan 1500 frequency 22051
  833.62 stop 4
  833.62 say " Day Thursday"
  833.62 say " Time:  7 P.M. "
  835.90 draw 0.534595
  835.90 say " Approximate fuel  118"
  835.90 say "Speed  55"
  835.90 say "        Odometer:  1540"
  835.90 say "Miles to go:  1310"
  835.90 say " You have just past Missouri border"
  844.03 play 45 volume 0 pan 0 frequency 22051
  844.53 stop 46
  847.03 stop 45
  847.03 say " STOP!   Pay toll of $ 40"
  849.06 play 40 volume 0 pan 0 frequency 22051
  850.96 stop 40
  850.96 play 44 volume 0 pan 0 frequency 22051
  862.97 play 46 looped volume -10000 pan 0 frequency 22055
  864.46 stop 44
  864.46 say " Cruising on I-44 in Missouri"
  864.46 say " You are feeling   bored"
  864.46 draw 0.944181
  864.46 draw 0.595063
  864.46 say " Current weather: rain"
  864.46 play 20 looped volume 0 pan 0
  864.46 say " Truck stop ahead.  Do you want to stop? "
  864.48 say " yes "
  864.51 key y
  864.51 voice rate 5
  864.51 say "y"
  864.51 voice rate 0
  864.51 draw 0.460989
  864.51 play 43 volume 0 pan 0 frequency 22051
  865.01 stop 46
  868.31 stop 20
  868.31 stop 43
  868.31 say " Diesel fuel costs "
  868.31 say "1 dollor, and,  1 cent"
  871.37 say " per gallon."
  871.37 say "     How many gallons do you want"
  871.42 key 7
  871.42 voice rate 5
  871.42 say "7"
  871.42 voice rate 0
  871.47 key 2
  871.47 voice rate 5
  871.47 say "2"
  871.47 voice rate 0
  871.52 key enter
  871.52 voice rate 5
  871.52 voice rate 0
  871.54 play 27 volume 0 pan 0 frequency 22051
  876.14 stop 27
  876.14 draw 0.273950
  876.16 play 40 volume 0 pan 0 frequency 22051
  878.06 stop 40
  878.06 say "Pay "
  878.06 say "72 dollors, and,  72 cents"
  880.46 say " So far, you have spent "
  880.46 say "1,023 dollors, and,  2 cents"
  884.18 say " Do you want to get some sleep? "
  884.20 say " yes "
  884.23 key y
  884.23 voice rate 5
  884.23 say "y"
  884.23 voice rate 0
  884.25 say "     How many hours of rest"
  884.28 key 8
  884.28 voice rate 5
  884.28 say "8"
  884.28 voice rate 0
  884.31 key enter
  884.33 play 24 volume 0 pan 0 frequency 22051
  887.03 stop 24
  887.05 play 24 volume 0 pan 0 frequency 22051
  889.75 stop 24
  889.77 play 24 volume 0 pan 0 frequency 22051
  892.47 stop 24
  892.49 play 24 volume 0 pan 0 frequency 22051
  895.19 stop 24
  895.21 play 24 volume 0 pan 0 frequency 22051
  897.91 stop 24
  897.93 play 24 volume 0 pan 0 frequency 22051
  900.63 stop 24
  900.65 play 24 volume 0 pan 0 frequency 22051
  903.35 stop 24
  903.37 play 24 volume 0 pan 0 frequency 22051
  906.07 stop 24
  906.09 play 23 volume 0 pan 0 frequency 22051
  909.29 stop 23
  909.29 say " Day Friday"
  909.29 say " Time:  4 A.M. "
  911.45 say " You now have  132 gallons of fuel."
  911.45 say " Do you want to buy more? "
  911.47 say " yes "
  911.50 key y
  911.50 voice rate 5
  911.50 say "y"
  911.50 voice rate 0
  911.50 draw 0.666296
  911.52 play 29 volume 0 pan 0 frequency 22051
  915.72 stop 29
  915.72 say " Diesel fuel costs "
  915.72 say "1 dollor, and,  8 cents"
  918.84 say " per gallon."
  918.84 say "     How many gallons do you want"
  918.89 key 5
  918.89 voice rate 5
  918.89 say "5"
  918.89 voice rate 0
  918.94 key 8
  918.94 voice rate 5
  918.94 say "8"
  918.94 voice rate 0
  918.99 key enter
  918.99 voice rate 5
  918.99 voice rate 0
  919.01 play 27 volume 0 pan 0 frequency 22051
  923.61 stop 27
  923.61 draw 0.830058
  923.63 play 40 volume 0 pan 0 frequency 22051
  925.53 stop 40
  925.53 say "Pay "
  925.53 say "62 dollors, and,  64 cents"
  927.93 say " So far, you have spent "
  927.93 say "1,085 dollors, and,  66 cents"
  931.71 say " Do you want to get some sleep? "
  931.73 say " yes "
  931.76 key n
  931.76 voice rate 5
  931.76 say "n"
  931.76 voice rate 0
  931.76 say " Day Friday"
  931.76 say " Time:  5 A.M. "
  934.13 play 44 volume 0 pan 0 frequency 22051
  934.13 play 20 looped volume 0 pan 0
  946.14 play 46 looped volume -10000 pan 0 frequency 22055
  947.63 stop 44
  947.63 say " How fast do you wish to go? "
  947.68 key 5
  947.68 voice rate 5
  947.68 say "5"
  947.68 voice rate 0
  947.73 key 5
  947.73 voice rate 5
  947.73 say "5"
  947.73 voice rate 0
  947.75 play 22 volume 0 pan 0 frequency 22051
  949.35 stop 22
  949.35 draw 0.200591
  949.35 draw 0.044795
  949.35 draw 0.656020
  952.74 say " Day Friday"
  952.74 say " Time:  6 A.M. "
  954.90 draw 0.011782
  954.90 say " Approximate fuel  174"
  954.90 say "Speed  55"
  954.90 say "        Odometer:  1595"
  954.90 say "Miles to go:  1255"
  954.90 say " Cruising on I-44 in Missouri"
  954.90 say " You are feeling rested & rearing to go."
  954.90 draw 0.935681
  954.90 draw 0.638943
  954.90 say " Current weather: rain"
  954.90 say " How fast do you wish to go? "
  954.95 key 5
  954.95 voice rate 5
  954.95 say "5"
  954.95 voice rate 0
  955.00 key 5
  955.00 voice rate 5
  955.00 say "5"
  955.00 voice rate 0
  955.02 play 22 volume 0 pan 0 frequency 22051
  956.62 stop 22
  956.62 draw 0.493480
  956.62 draw 0.794435
  956.62 draw 0.962488
  960.01 say " Day Friday"
  960.01 say " Time:  7 A.M. "
  962.17 draw 0.754560
  962.17 say " Approximate fuel  169"
  962.17 say "Speed  55"
  962.17 say "        Odometer:  1650"
  962.17 say "Miles to go:  1200"
  962.17 say " Cruising on I-44 in Missouri"
  962.17 say " You are feeling rested & rearing to go."
  962.17 draw 0.933757
  962.17 draw 0.861067
  962.17 say " Current weather: rain"
  962.17 say " How fast do you wish to go? "
  962.22 key 5
  962.22 voice rate 5
  962.22 say "5"
  962.22 voice rate 0
  962.27 key 5
  962.27 voice rate 5
  962.27 say "5"
  962.27 voice rate 0
  962.29 play 22 volume 0 pan 0 frequency 22051
  963.89 stop 22
  963.89 draw 0.473544
  963.89 draw 0.138876
  963.89 draw 0.126042
  963.89 draw 0.069361
  964.92 play 4 volume 0 pan -1500 frequency 22051
  969.92 stop 4
  969.92 say " Day Friday"
  969.92 say " Time:  8 A.M. "
  972.08 draw 0.394589
  972.08 say " Approximate fuel  154"
  972.08 say "Speed  55"
  972.08 say "        Odometer:  1705"
  972.08 say "Miles to go:  1145"
  972.08 say " Cruising on I-44 in Missouri"
  972.08 say " You are feeling rested & rearing to go."
  972.08 draw 0.965321
  972.08 draw 0.743246
  972.08 say " Current weather: rain"
  972.08 say " How fast do you wish to go? "
  972.13 key 5
  972.13 voice rate 5
  972.13 say "5"
  972.13 voice rate 0
  972.18 key 5
  972.18 voice rate 5
  972.18 say "5"
  972.18 voice rate 0
  972.20 play 22 volume 0 pan 0 frequency 22051
  973.80 stop 22
  973.80 draw 0.416437
  973.80 draw 0.984558
  973.80 draw 0.930164
  973.80 draw 0.421979
  973.93 play 17 volume 0 pan -1500 frequency 22051
  978.93 stop 17
  978.93 say " Day Friday"
  978.93 say " Time:  9 A.M. "
  981.09 draw 0.370510
  981.09 say " Approximate fuel  141"
  981.09 say "Speed  55"
  981.09 say "        Odometer:  1760"
  981.09 say "Miles to go:  1090"
  981.09 say " Cruising on I-44 in Missouri"
  981.09 say " You are feeling fine"
  981.09 draw 0.759381
  981.09 say " Current weather: clear, but roadway is wet"
  981.09 stop 20
  981.09 say " Truck stop ahead.  Do you want to stop? "
  981.11 say " yes "
  981.14 key n
  981.14 voice rate 5
  981.14 say "n"
  981.14 voice rate 0
  981.14 say " How fast do you wish to go? "
  981.19 key 5
  981.19 voice rate 5
  981.19 say "5"
  981.19 voice rate 0
  981.24 key 5
  981.24 voice rate 5
  981.24 say "5"
  981.24 voice rate 0
  981.26 play 22 volume 0 pan 0 frequency 22051
  982.86 stop 22
  982.86 draw 0.291347
  982.86 draw 0.895998
  982.86 draw 0.048326
  986.25 say " Day Friday"
  986.25 say " Time:  10 A.M. "
  988.47 draw 0.136996
  988.47 say " Approximate fuel  127"
  988.47 say "Speed  55"
  988.47 say "        Odometer:  1815"
  988.47 say "Miles to go:  1035"
  988.47 say " You have just past St. Louis"
  996.03 say " Cruising on I-70 in Illinois"
  996.03 say " You are feeling fine"
  996.03 draw 0.534154
  996.03 say " Current weather: clear & dry"
  996.03 say " Truck stop ahead.  Do you want to stop? "
  996.05 say " yes "
  996.08 key n
  996.08 voice rate 5
  996.08 say "n"
  996.08 voice rate 0
  996.08 say " How fast do you wish to go? "
  996.13 key 5
  996.13 voice rate 5
  996.13 say "5"
  996.13 voice rate 0
  996.18 key 5
  996.18 voice rate 5
  996.18 say "5"
  996.18 voice rate 0
  996.20 play 22 volume 0 pan 0 frequency 22051
  997.80 stop 22
  997.80 draw 0.179131
  997.80 draw 0.083320
  997.80 draw 0.408143
 1001.19 say " Day Friday"
 1001.19 say " Time:  11 A.M. "
 1003.41 draw 0.514183
 1003.41 say " Approximate fuel  118"
 1003.41 say "Speed  55"
 1003.41 say "        Odometer:  1870"
 1003.41 say "Miles to go:  980"
 1003.41 say " Cruising on I-70 in Illinois"
 1003.41 say " You are feeling   bored"
 1003.41 draw 0.452226
 1003.41 say " Current weather: clear & dry"
 1003.41 say " Truck stop ahead.  Do you want to stop? "
 1003.43 say " yes "
 1003.46 key y
 1003.46 voice rate 5
 1003.46 say "y"
 1003.46 voice rate 0
 1003.46 draw 0.906577
 1003.46 play 43 volume 0 pan 0 frequency 22051
 1003.96 stop 46
 1007.26 stop 43
 1007.26 say " Diesel fuel costs "
 1007.26 say "1 dollor, and,  16 cents"
 1010.44 say " per gallon."
 1010.44 say "     How many gallons do you want"
 1010.49 key 7
 1010.49 voice rate 5
 1010.49 say "7"
 1010.49 voice rate 0
 1010.54 key 2
 1010.54 voice rate 5
 1010.54 say "2"
 1010.54 voice rate 0
 1010.59 key enter
 1010.59 voice rate 5
 1010.59 voice rate 0
 1010.61 play 27 volume 0 pan 0 frequency 22051
 1015.21 stop 27
 1015.21 draw 0.914339
 1015.23 play 40 volume 0 pan 0 frequency 22051
 1017.13 stop 40
 1017.13 say "Pay "
 1017.13 say "83 dollors, and,  52 cents"
 1019.53 say " So far, you have spent "
 1019.53 say "1,169 dollors, and,  18 cents"
 1023.31 say " Do you want to get some sleep? "
 1023.33 say " yes "
 1023.36 key y
 1023.36 voice rate 5
 1023.36 say "y"
 1023.36 voice rate 0
 1023.38 say "     How many hours of rest"
 1023.41 key 8
 1023.41 voice rate 5
 1023.41 say "8"
 1023.41 voice rate 0
 1023.44 key enter
 1023.46 play 25 volume 0 pan 0 frequency 22051
 1026.36 stop 25
 1026.38 play 25 volume 0 pan 0 frequency 22051
 1029.28 stop 25
 1029.30 play 25 volume 0 pan 0 frequency 22051
 1032.20 stop 25
 1032.22 play 25 volume 0 pan 0 frequency 22051
 1035.12 stop 25
 1035.14 play 25 volume 0 pan 0 frequency 22051
 1038.04 stop 25
 1038.06 play 25 volume 0 pan 0 frequency 22051
 1040.96 stop 25
 1040.98 play 25 volume 0 pan 0 frequency 22051
 1043.88 stop 25
 1043.90 play 25 volume 0 pan 0 frequency 22051
 1046.80 stop 25
 1046.80 say " Thanks to the daytime noise, you got only 4hours real sleep."
 1050.78 play 23 volume 0 pan 0 frequency 22051
 1053.98 stop 23
 1053.98 say " Day Friday"
 1053.98 say " Time:  8 P.M. "
 1056.14 say " You now have  133 gallons of fuel."
 1056.14 say " Do you want to buy more? "
 1056.16 say " yes "
 1056.19 key y
 1056.19 voice rate 5
 1056.19 say "y"
 1056.19 voice rate 0
 1056.19 draw 0.169912
 1056.21 play 29 volume 0 pan 0 frequency 22051
 1060.41 stop 29
 1060.41 say " Diesel fuel costs "
 1060.41 say " 90 cents"
 1062.69 say " per gallon."
 1062.69 say "     How many gallons do you want"
 1062.74 key 5
 1062.74 voice rate 5
 1062.74 say "5"
 1062.74 voice rate 0
 1062.79 key 7
 1062.79 voice rate 5
 1062.79 say "7"
 1062.79 voice rate 0
 1062.84 key enter
 1062.84 voice rate 5
 1062.84 voice rate 0
 1062.86 play 27 volume 0 pan 0 frequency 22051
 1067.46 stop 27
 1067.46 draw 0.180981
 1067.48 play 40 volume 0 pan 0 frequency 22051
 1069.38 stop 40
 1069.38 say "Pay "
 1069.38 say "51 dollors, and,  30 cents"
 1071.78 say " So far, you have spent "
 1071.78 say "1,220 dollors, and,  48 cents"
 1075.56 say " Do you want to get some sleep? "
 1075.58 say " yes "
 1075.61 key n
 1075.61 voice rate 5
 1075.61 say "n"
 1075.61 voice rate 0
 1075.61 say " Day Friday"
 1075.61 say " Time:  9 P.M. "
 1077.98 play 44 volume 0 pan 0 frequency 22051
 1089.99 play 46 looped volume -10000 pan 0 frequency 22055
 1091.48 stop 44
 1091.48 say " How fast do you wish to go? "
 1091.53 key 5
 1091.53 voice rate 5
 1091.53 say "5"
 1091.53 voice rate 0
 1091.58 key 5
 1091.58 voice rate 5
 1091.58 say "5"
 1091.58 voice rate 0
 1091.60 play 22 volume 0 pan 0 frequency 22051
 1093.20 stop 22
 1093.20 draw 0.614905
 1093.20 draw 0.893480
 1093.20 draw 0.293834
 1096.59 say " Day Friday"
 1096.59 say " Time:  10 P.M. "
 1098.81 draw 0.993809
 1098.81 say " Approximate fuel  184"
 1098.81 say "Speed  55"
 1098.81 say "        Odometer:  1925"
 1098.81 say "Miles to go:  925"
 1098.81 say " Cruising on I-70 in Illinois"
 1098.81 say " You are feeling fine"
 1098.81 draw 0.023795
 1098.81 say " Current weather: clear & dry"
 1098.81 say " How fast do you wish to go? "
 1098.86 key 5
 1098.86 voice rate 5
 1098.86 say "5"
 1098.86 voice rate 0
 1098.91 key 5
 1098.91 voice rate 5
 1098.91 say "5"
 1098.91 voice rate 0
 1098.93 play 22 volume 0 pan 0 frequency 22051
 1100.53 stop 22
 1100.53 draw 0.934261
 1100.53 draw 0.715310
 1100.53 draw 0.814804
 1100.53 draw 0.436653
 1101.56 play 15 volume 0 pan -1500 frequency 22051
 1105.56 stop 15
 1105.56 say " Day Friday"
 1105.56 say " Time:  11 P.M. "
 1107.78 draw 0.868939
 1107.78 say " Approximate fuel  170"
 1107.78 say "Speed  55"
 1107.78 say "        Odometer:  1980"
 1107.78 say "Miles to go:  870"
 1107.78 say " You have just past Terre Haute"
 1115.40 draw 0.794489
 1116.41 play 45 volume 0 pan 0 frequency 22051
 1116.91 stop 46
 1119.41 stop 45
 1119.41 say " Weighing station open -- trucks must stop."
 1122.50 draw 0.556025
 1122.50 say "scale weighs truck with cargo, fuel and driver  60287 pounds"
 1126.40 draw 0.862401
 1126.40 say "     Overweight fine is $200.00 plus  5 cents per pound."
 1130.06 say " Pay fine of "
 1131.14 say "214 dollors, and,  35 cents"
 1133.39 play 40 volume 0 pan 0 frequency 22051
 1135.29 stop 40
 1135.29 play 44 volume 0 pan 0 frequency 22051
 1147.30 play 46 looped volume -10000 pan 0 frequency 22055
 1148.79 stop 44
 1148.79 say " Cruising on I-70 in Indianna"
 1148.79 say " You are feeling fine"
 1148.79 draw 0.278035
 1148.79 say " Current weather: clear & dry"
 1148.79 say " How fast do you wish to go? "
 1148.84 key 5
 1148.84 voice rate 5
 1148.84 say "5"
 1148.84 voice rate 0
 1148.89 key 5
 1148.89 voice rate 5
 1148.89 say "5"
 1148.89 voice rate 0
 1148.91 play 22 volume 0 pan 0 frequency 22051
 1150.51 stop 22
 1150.51 draw 0.514346
 1150.51 draw 0.040296
 1150.51 draw 0.871900
 1150.51 draw 0.496074
 1151.54 play 16 volume 0 pan -1500 frequency 22051
 1156.54 stop 16
 1156.54 say " Day Saturday"
 1156.54 say " Time:  12 Midnight"
 1159.06 draw 0.471142
 1159.06 say " Approximate fuel  154"
 1159.06 say "Speed  55"
 1159.06 say "        Odometer:  2035"
 1159.06 say "Miles to go:  815"
 1159.06 say " Cruising on I-70 in Indianna"
 1159.06 say " You are feeling fine"
 1159.06 draw 0.099039
 1159.06 say " Current weather: clear & dry"
 1159.06 say " How fast do you wish to go? "
 1159.11 key 5
 1159.11 voice rate 5
 1159.11 say "5"
 1159.11 voice rate 0
 1159.16 key 5
 1159.16 voice rate 5
 1159.16 say "5"
 1159.16 voice rate 0
 1159.18 play 22 volume 0 pan 0 frequency 22051
 1160.78 stop 22
 1160.78 draw 0.751829
 1160.78 draw 0.416353
 1160.78 draw 0.311325
 1160.78 draw 0.425338
 1160.90 play 7 volume 0 pan -1500 frequency 22051
 1167.90 stop 7
 1167.90 say " Day Saturday"
 1167.90 say " Time:  1 A.M. "
 1170.18 draw 0.910903
 1170.18 say " Approximate fuel  146"
 1170.18 say "Speed  55"
 1170.18 say "        Odometer:  2090"
 1170.18 say "Miles to go:  760"
 1170.18 say " You have just past Indianapolis"
 1177.86 say " Cruising on I-70 in Indianna"
 1177.86 say " You are feeling fine"
 1177.86 draw 0.995246
 1177.86 say " Current weather: BLIZZARD  !!"
 1177.86 play 20 looped volume 0 pan 0
 1177.86 play 21 looped volume 0 pan 0
 1177.86 say " Truck stop ahead.  Do you want to stop? "
 1177.88 say " yes "
 1177.91 key y
 1177.91 voice rate 5
 1177.91 say "y"
 1177.91 voice rate 0
 1177.91 draw 0.203551
 1177.91 play 43 volume 0 pan 0 frequency 22051
 1178.41 stop 46
 1181.71 stop 20
 1181.71 stop 43
 1181.71 say " Diesel fuel costs "
 1181.71 say " 92 cents"
 1183.99 say " per gallon."
 1183.99 say "     How many gallons do you want"
 1184.04 key 4
 1184.04 voice rate 5
 1184.04 say "4"
 1184.04 voice rate 0
 1184.09 key 4
 1184.09 voice rate 5
 1184.09 say "4"
 1184.09 voice rate 0
 1184.14 key enter
 1184.14 voice rate 5
 1184.14 voice rate 0
 1184.16 play 27 volume 0 pan 0 frequency 22051
 1188.76 stop 27
 1188.76 draw 0.409933
 1188.78 play 40 volume 0 pan 0 frequency 22051
 1190.68 stop 40
 1190.68 say "Pay "
 1190.68 say "40 dollors, and,  48 cents"
 1193.08 say " So far, you have spent "
 1193.08 say "1,475 dollors, and,  31 cents"
 1196.86 say " Do you want to get some sleep? "
 1196.88 say " yes "
 1196.91 key y
 1196.91 voice rate 5
 1196.91 say "y"
 1196.91 voice rate 0
 1196.93 say "     How many hours of rest"
 1196.96 key 8
 1196.96 voice rate 5
 1196.96 say "8"
 1196.96 voice rate 0
 1196.99 key enter
 1197.01 play 24 volume 0 pan 0 frequency 22051
 1199.71 stop 24
 1199.73 play 24 volume 0 pan 0 frequency 22051
 1202.43 stop 24
 1202.45 play 24 volume 0 pan 0 frequency 22051
 1205.15 stop 24
 1205.17 play 24 volume 0 pan 0 frequency 22051
 1207.87 stop 24
 1207.89 play 24 volume 0 pan 0 frequency 22051
 1210.59 stop 24
 1210.61 play 24 volume 0 pan 0 frequency 22051
 1213.31 stop 24
 1213.33 play 24 volume 0 pan 0 frequency 22051
 1216.03 stop 24
 1216.05 play 24 volume 0 pan 0 frequency 22051
 1218.75 stop 24
 1218.77 play 23 volume 0 pan 0 frequency 22051
 1221.97 stop 23
 1221.97 say " Day Saturday"
 1221.97 say " Time:  10 A.M. "
 1224.31 say " You now have  129 gallons of fuel."
 1224.31 say " Do you want to buy more? "
 1224.33 say " yes "
 1224.36 key y
 1224.36 voice rate 5
 1224.36 say "y"
 1224.36 voice rate 0
 1224.36 draw 0.233507
 1224.38 play 29 volume 0 pan 0 frequency 22051
 1228.58 stop 29
 1228.58 say " Diesel fuel costs "
 1228.58 say " 93 cents"
 1230.86 say " per gallon."
 1230.86 say "     How many gallons do you want"
 1230.91 key 6
 1230.91 voice rate 5
 1230.91 say "6"
 1230.91 voice rate 0
 1230.96 key 1
 1230.96 voice rate 5
 1230.96 say "1"
 1230.96 voice rate 0
 1231.01 key enter
 1231.01 voice rate 5
 1231.01 voice rate 0
 1231.03 play 27 volume 0 pan 0 frequency 22051
 1235.63 stop 27
 1235.63 draw 0.546069
 1235.65 play 40 volume 0 pan 0 frequency 22051
 1237.55 stop 40
 1237.55 say "Pay "
 1237.55 say "56 dollors, and,  73 cents"
 1239.95 say " So far, you have spent "
 1239.95 say "1,532 dollors, and,  4 cents"
 1243.67 say " Do you want to get some sleep? "
 1243.69 say " yes "
 1243.72 key n
 1243.72 voice rate 5
 1243.72 say "n"
 1243.72 voice rate 0
 1243.72 say " Day Saturday"
 1243.72 say " Time:  11 A.M. "
 1246.27 play 44 volume 0 pan 0 frequency 22051
 1246.27 play 20 looped volume 0 pan 0
 1258.28 play 46 looped volume -10000 pan 0 frequency 22055
 1259.77 stop 44
 1259.77 say " How fast do you wish to go? "
 1259.82 key 5
 1259.82 voice rate 5
 1259.82 say "5"
 1259.82 voice rate 0
 1259.87 key 5
 1259.87 voice rate 5
 1259.87 say "5"
 1259.87 voice rate 0
 1259.89 play 22 volume 0 pan 0 frequency 22051
 1261.49 stop 22
 1261.49 draw 0.701355
 1261.49 draw 0.192932
 1261.49 draw 0.724807
 1264.88 say " Day Saturday"
 1264.88 say " Time:  12 Noon"
 1267.16 draw 0.106476
 1267.16 say " Approximate fuel  175"
 1267.16 say "Speed  55"
 1267.16 say "        Odometer:  2145"
 1267.16 say "Miles to go:  705"
 1267.16 say " You have just past Ohio border"
 1274.78 say " Time zone changes -- set clock ahead one hour."
 1274.78 say " Day Saturday"
 1274.78 say " Time:  1 P.M. "
 1280.18 say " Cruising on I-70 in Ohio"
 1280.18 say " You are feeling rested & rearing to go."
 1280.18 draw 0.270048
 1280.18 say " Current weather: clear, but roadway is wet"
 1280.18 stop 20
 1280.18 stop 21
 1280.18 say " How fast do you wish to go? "
 1280.23 key 5
 1280.23 voice rate 5
 1280.23 say "5"
 1280.23 voice rate 0
 1280.28 key 5
 1280.28 voice rate 5
 1280.28 say "5"
 1280.28 voice rate 0
 1280.30 play 22 volume 0 pan 0 frequency 22051
 1281.90 stop 22
 1281.90 draw 0.049530
 1281.90 draw 0.115961
 1281.90 draw 0.323867
 1281.90 draw 0.825231
 1282.02 play 7 volume 0 pan 1500 frequency 22051
 1289.02 stop 7
 1289.02 say " Day Saturday"
 1289.02 say " Time:  2 P.M. "
 1291.30 draw 0.057721
 1291.30 say " Approximate fuel  162"
 1291.30 say "Speed  55"
 1291.30 say "        Odometer:  2200"
 1291.30 say "Miles to go:  650"
 1291.30 say " Cruising on I-70 in Ohio"
 1291.30 say " You are feeling rested & rearing to go."
 1291.30 draw 0.012274
 1291.30 say " Current weather: clear & dry"
 1291.30 say " How fast do you wish to go? "
 1291.35 key 5
 1291.35 voice rate 5
 1291.35 say "5"
 1291.35 voice rate 0
 1291.40 key 5
 1291.40 voice rate 5
 1291.40 say "5"
 1291.40 voice rate 0
 1291.42 play 22 volume 0 pan 0 frequency 22051
 1293.02 stop 22
 1293.02 draw 0.619847
 1293.02 draw 0.365412
 1293.02 draw 0.779742
 1296.41 say " Day Saturday"
 1296.41 say " Time:  3 P.M. "
 1298.69 draw 0.644729
 1298.69 say " Approximate fuel  156"
 1298.69 say "Speed  55"
 1298.69 say "        Odometer:  2255"
 1298.69 say "Miles to go:  595"
 1298.69 say " You have just past Columbus"
 1306.13 draw 0.927155
 1307.14 play 45 volume 0 pan 0 frequency 22051
 1307.64 stop 46
 1310.14 stop 45
 1310.14 say " Weighing station open -- trucks must stop."
 1313.23 draw 0.237419
 1313.23 say "scale weighs truck with cargo, fuel and driver  60127.22 pounds"
 1317.31 draw 0.492599
 1317.31 say "     Overweight fine is $200.00 plus  3 cents per pound."
 1320.97 say " Pay fine of "
 1322.05 say "203 dollors, and,  81 cents"
 1324.30 play 40 volume 0 pan 0 frequency 22051
 1326.20 stop 40
 1326.20 play 44 volume 0 pan 0 frequency 22051
 1338.21 play 46 looped volume -10000 pan 0 frequency 22055
 1339.70 stop 44
 1339.70 say " Cruising on I-70 in Ohio"
 1339.70 say " You are feeling fine"
 1339.70 draw 0.538614
 1339.70 say " Current weather: clear & dry"
 1339.70 say " How fast do you wish to go? "
 1339.75 key 5
 1339.75 voice rate 5
 1339.75 say "5"
 1339.75 voice rate 0
 1339.80 key 5
 1339.80 voice rate 5
 1339.80 say "5"
 1339.80 voice rate 0
 1339.82 play 22 volume 0 pan 0 frequency 22051
 1341.42 stop 22
 1341.42 draw 0.459414
 1341.42 draw 0.422553
 1341.42 draw 0.542623
 1344.81 say " Day Saturday"
 1344.81 say " Time:  4 P.M. "
 1347.09 draw 0.649346
 1347.09 say " Approximate fuel  144"
 1347.09 say "Speed  55"
 1347.09 say "        Odometer:  2310"
 1347.09 say "Miles to go:  540"
 1347.09 say " Cruising on I-70 in Ohio"
 1347.09 say " You are feeling fine"
 1347.09 draw 0.845272
 1347.09 draw 0.221495
 1347.09 say " Current weather: light snow"
 1347.09 play 20 looped volume 0 pan 0
 1347.09 say " Truck stop ahead.  Do you want to stop? "
 1347.11 say " yes "
 1347.14 key n
 1347.14 voice rate 5
 1347.14 say "n"
 1347.14 voice rate 0
 1347.14 say " How fast do you wish to go? "
 1347.19 key 5
 1347.19 voice rate 5
 1347.19 say "5"
 1347.19 voice rate 0
 1347.24 key 5
 1347.24 voice rate 5
 1347.24 say "5"
 1347.24 voice rate 0
 1347.26 play 22 volume 0 pan 0 frequency 22051
 1348.86 stop 22
 1348.86 draw 0.218559
 1348.86 draw 0.411429
 1348.86 draw 0.535585
 1352.25 say " Day Saturday"
 1352.25 say " Time:  5 P.M. "
 1354.53 draw 0.284510
 1354.53 say " Approximate fuel  128"
 1354.53 say "Speed  55"
 1354.53 say "        Odometer:  2365"
 1354.53 say "Miles to go:  485"
 1354.53 say " You have just past Wheeling West Virginia"
 1362.81 draw 0.970971
 1362.81 draw 0.338293
 1362.81 say " You were just clocked by radar at  54.6 MPH."
 1362.81 say "     No ticket this time."
 1362.81 say " Cruising on I-70 in Pennsylvania"
 1362.81 say " You are feeling fine"
 1362.81 draw 0.673216
 1362.81 say " Current weather: clear, but roadway is wet"
 1362.81 stop 20
 1362.81 say " Truck stop ahead.  Do you want to stop? "
 1362.83 say " yes "
 1362.86 key n
 1362.86 voice rate 5
 1362.86 say "n"
 1362.86 voice rate 0
 1362.86 say " How fast do you wish to go? "
 1362.91 key 5
 1362.91 voice rate 5
 1362.91 say "5"
 1362.91 voice rate 0
 1362.96 key 5
 1362.96 voice rate 5
 1362.96 say "5"
 1362.96 voice rate 0
 1362.98 play 22 volume 0 pan 0 frequency 22051
 1364.58 stop 22
 1364.58 draw 0.946365
 1364.58 draw 0.360496
 1364.58 draw 0.907244
 1367.97 say " Day Saturday"
 1367.97 say " Time:  6 P.M. "
 1370.25 draw 0.457425
 1370.25 say " Approximate fuel  117"
 1370.25 say "Speed  55"
 1370.25 say "        Odometer:  2420"
 1370.25 say "Miles to go:  430"
 1370.25 say " You have just past New Stanton"
 1377.87 draw 0.867608
 1377.87 draw 0.875950
 1377.87 say " A rock slide has blocked the Alleghany Tunnel entrance."
 1381.53 say "     THE HIGHWAY DEPARTMENT WILL HAVE IT CLEARED IN  5 HOURS."
 1385.72 play 24 volume 0 pan 0 frequency 22051
 1388.42 stop 24
 1388.44 play 24 volume 0 pan 0 frequency 22051
 1391.14 stop 24
 1391.16 play 24 volume 0 pan 0 frequency 22051
 1393.86 stop 24
 1393.86 say "     While waiting, you got  3 hours of sleep"
 1396.86 say " Day Saturday"
 1396.86 say " Time:  11 P.M. "
 1399.20 say " Cruising on Pennsylvania Turnpike"
 1399.20 say " You are feeling fine"
 1399.20 draw 0.486710
 1399.20 say " Current weather: clear & dry"
 1399.20 say " Truck stop ahead.  Do you want to stop? "
 1399.22 say " yes "
 1399.25 key y
 1399.25 voice rate 5
 1399.25 say "y"
 1399.25 voice rate 0
 1399.25 draw 0.645776
 1399.25 play 43 volume 0 pan 0 frequency 22051
 1399.75 stop 46
 1403.05 stop 43
 1403.05 say " Diesel fuel costs "
 1403.05 say "1 dollor, and,  7 cents"
 1406.17 say " per gallon."
 1406.17 say "     How many gallons do you want"
 1406.22 key 7
 1406.22 voice rate 5
 1406.22 say "7"
 1406.22 voice rate 0
 1406.27 key 3
 1406.27 voice rate 5
 1406.27 say "3"
 1406.27 voice rate 0
 1406.32 key enter
 1406.32 voice rate 5
 1406.32 voice rate 0
 1406.34 play 27 volume 0 pan 0 frequency 22051
 1410.94 stop 27
 1410.94 draw 0.203899
 1410.96 play 40 volume 0 pan 0 frequency 22051
 1412.86 stop 40
 1412.86 say "Pay "
 1412.86 say "78 dollors, and,  11 cents"
 1415.26 say " So far, you have spent "
 1415.26 say "1,813 dollors, and,  96 cents"
 1419.04 say " Do you want to get some sleep? "
 1419.06 say " yes "
 1419.09 key y
 1419.09 voice rate 5
 1419.09 say "y"
 1419.09 voice rate 0
 1419.11 say "     How many hours of rest"
 1419.14 key 8
 1419.14 voice rate 5
 1419.14 say "8"
 1419.14 voice rate 0
 1419.17 key enter
 1419.19 play 24 volume 0 pan 0 frequency 22051
 1421.89 stop 24
 1421.91 play 24 volume 0 pan 0 frequency 22051
 1424.61 stop 24
 1424.63 play 24 volume 0 pan 0 frequency 22051
 1427.33 stop 24
 1427.35 play 24 volume 0 pan 0 frequency 22051
 1430.05 stop 24
 1430.07 play 24 volume 0 pan 0 frequency 22051
 1432.77 stop 24
 1432.79 play 24 volume 0 pan 0 frequency 22051
 1435.49 stop 24
 1435.51 play 24 volume 0 pan 0 frequency 22051
 1438.21 stop 24
 1438.23 play 24 volume 0 pan 0 frequency 22051
 1440.93 stop 24
 1440.95 play 23 volume 0 pan 0 frequency 22051
 1444.15 stop 23
 1444.15 say " Day Sunday"
 1444.15 say " Time:  8 A.M. "
 1446.31 say " You now have  99 gallons of fuel."
 1446.31 say " Do you want to buy more? "
 1446.33 say " yes "
 1446.36 key y
 1446.36 voice rate 5
 1446.36 say "y"
 1446.36 voice rate 0
 1446.36 draw 0.290453
 1446.38 play 29 volume 0 pan 0 frequency 22051
 1450.58 stop 29
 1450.58 say " Diesel fuel costs "
 1450.58 say " 95 cents"
 1452.86 say " per gallon."
 1452.86 say "     How many gallons do you want"
 1452.91 key 9
 1452.91 voice rate 5
 1452.91 say "9"
 1452.91 voice rate 0
 1452.96 key 1
 1452.96 voice rate 5
 1452.96 say "1"
 1452.96 voice rate 0
 1453.01 key enter
 1453.01 voice rate 5
 1453.01 voice rate 0
 1453.03 play 27 volume 0 pan 0 frequency 22051
 1457.63 stop 27
 1457.63 draw 0.482517
 1457.65 play 40 volume 0 pan 0 frequency 22051
 1459.55 stop 40
 1459.55 say "Pay "
 1459.55 say "86 dollors, and,  45 cents"
 1461.95 say " So far, you have spent "
 1461.95 say "1,900 dollors, and,  41 cents"
 1465.73 say " Do you want to get some sleep? "
 1465.75 say " yes "
 1465.78 key n
 1465.78 voice rate 5
 1465.78 say "n"
 1465.78 voice rate 0
 1465.78 say " Day Sunday"
 1465.78 say " Time:  9 A.M. "
 1468.14 play 44 volume 0 pan 0 frequency 22051
 1480.15 play 46 looped volume -10000 pan 0 frequency 22055
 1481.64 stop 44
 1481.64 say " How fast do you wish to go? "
 1481.69 key 5
 1481.69 voice rate 5
 1481.69 say "5"
 1481.69 voice rate 0
 1481.74 key 5
 1481.74 voice rate 5
 1481.74 say "5"
 1481.74 voice rate 0
 1481.76 play 22 volume 0 pan 0 frequency 22051
 1483.36 stop 22
 1483.36 draw 0.722617
 1483.36 draw 0.806914
 1483.36 draw 0.315046
 1483.36 draw 0.155851
 1483.49 play 7 volume 0 pan -1500 frequency 22051
 1490.49 stop 7
 1490.49 say " Day Sunday"
 1490.49 say " Time:  10 A.M. "
 1492.71 draw 0.562531
 1492.71 say " Approximate fuel  179"
 1492.71 say "Speed  55"
 1492.71 say "        Odometer:  2475"
 1492.71 say "Miles to go:  375"
 1492.71 say " Cruising on Pennsylvania Turnpike"
 1492.71 say " You are feeling rested & rearing to go."
 1492.71 draw 0.826801
 1492.71 draw 0.734835
 1492.71 say " Current weather: rain"
 1492.71 play 20 looped volume 0 pan 0
 1492.71 say " How fast do you wish to go? "
 1492.76 key 5
 1492.76 voice rate 5
 1492.76 say "5"
 1492.76 voice rate 0
 1492.81 key 5
 1492.81 voice rate 5
 1492.81 say "5"
 1492.81 voice rate 0
 1492.83 play 22 volume 0 pan 0 frequency 22051
 1494.43 stop 22
 1494.43 draw 0.216640
 1494.43 draw 0.000980
 1494.43 say " You just blew a tire !!"
 1496.38 play 45 volume 0 pan 0 frequency 22051
 1496.88 stop 46
 1499.38 stop 20
 1499.38 stop 45
 1499.40 play 37 volume 0 pan 0 frequency 22051
 1502.10 stop 37
 1502.10 draw 0.416871
 1502.10 say "It took 1hours to change the outside tire."
 1505.13 play 44 volume 0 pan 0 frequency 22051
 1505.13 play 20 looped volume 0 pan 0
 1517.14 play 46 looped volume -10000 pan 0 frequency 22055
 1518.63 stop 44
 1518.63 draw 0.191164
 1518.63 draw 0.650663
 1519.66 play 5 volume 0 pan 1500 frequency 22051
 1523.86 stop 5
 1523.86 say " Day Sunday"
 1523.86 say " Time:  12 Noon"
 1526.02 draw 0.994667
 1526.02 say " Approximate fuel  171"
 1526.02 say "Speed  55"
 1526.02 say "        Odometer:  2530"
 1526.02 say "Miles to go:  320"
 1526.02 say " Cruising on Pennsylvania Turnpike"
 1526.02 say " You are feeling rested & rearing to go."
 1526.02 draw 0.569356
 1526.02 say " Current weather: clear & dry"
 1526.02 stop 20
 1526.02 say " How fast do you wish to go? "
 1526.07 key 5
 1526.07 voice rate 5
 1526.07 say "5"
 1526.07 voice rate 0
 1526.12 key 5
 1526.12 voice rate 5
 1526.12 say "5"
 1526.12 voice rate 0
 1526.14 play 22 volume 0 pan 0 frequency 22051
 1527.74 stop 22
 1527.74 draw 0.169625
 1527.74 draw 0.152486
 1527.74 draw 0.016787
 1527.74 draw 0.124532
 1527.86 play 2 volume 0 pan -1500 frequency 22051
 1531.26 stop 2
 1531.26 say " Day Sunday"
 1531.26 say " Time:  1 P.M. "
 1533.42 draw 0.674143
 1533.42 say " Approximate fuel  156"
 1533.42 say "Speed  55"
 1533.42 say "        Odometer:  2585"
 1533.42 say "Miles to go:  265"
 1533.42 say " You have just past Harrisburg"
 1540.98 draw 0.520178
 1540.98 say " Cruising on Pennsylvania Turnpike"
 1540.98 say " You are feeling fine"
 1540.98 draw 0.707937
 1540.98 say " Current weather: clear, but roadway is wet"
 1540.98 say " How fast do you wish to go? "
 1541.03 key 5
 1541.03 voice rate 5
 1541.03 say "5"
 1541.03 voice rate 0
 1541.08 key 5
 1541.08 voice rate 5
 1541.08 say "5"
 1541.08 voice rate 0
 1541.10 play 22 volume 0 pan 0 frequency 22051
 1542.70 stop 22
 1542.70 draw 0.978723
 1542.70 draw 0.600781
 1542.70 draw 0.031463
 1546.09 say " Day Sunday"
 1546.09 say " Time:  2 P.M. "
 1548.25 draw 0.112958
 1548.25 say " Approximate fuel  138"
 1548.25 say "Speed  55"
 1548.25 say "        Odometer:  2640"
 1548.25 say "Miles to go:  210"
 1548.25 say " Cruising on Pennsylvania Turnpike"
 1548.25 say " You are feeling fine"
 1548.25 draw 0.959096
 1548.25 say " Current weather: BLIZZARD  !!"
 1548.25 play 20 looped volume 0 pan 0
 1548.25 play 21 looped volume 0 pan 0
 1548.25 say " Truck stop ahead.  Do you want to stop? "
 1548.27 say " yes "
 1548.30 key n
 1548.30 voice rate 5
 1548.30 say "n"
 1548.30 voice rate 0
 1548.30 say " How fast do you wish to go? "
 1548.35 key 5
 1548.35 voice rate 5
 1548.35 say "5"
 1548.35 voice rate 0
 1548.40 key 5
 1548.40 voice rate 5
 1548.40 say "5"
 1548.40 voice rate 0
 1548.42 play 22 volume 0 pan 0 frequency 22051
 1550.02 stop 22
 1550.02 draw 0.812397
 1550.02 draw 0.032671
 1550.02 draw 0.006122
 1550.02 draw 0.101368
 1550.15 play 2 volume 0 pan -1500 frequency 22051
 1553.55 stop 2
 1553.55 say " Day Sunday"
 1553.55 say " Time:  3 P.M. "
 1555.71 draw 0.194003
 1555.71 say " Approximate fuel  127"
 1555.71 say "Speed  55"
 1555.71 say "        Odometer:  2695"
 1555.71 say "Miles to go:  155"
 1555.71 say " Cruising on Pennsylvania Turnpike"
 1555.71 say " You are feeling fine"
 1555.71 draw 0.460915
 1555.71 say " Current weather: clear, but roadway is wet"
 1555.71 stop 20
 1555.71 stop 21
 1555.71 say " Truck stop ahead.  Do you want to stop? "
 1555.73 say " yes "
 1555.76 key n
 1555.76 voice rate 5
 1555.76 say "n"
 1555.76 voice rate 0
 1555.76 say " How fast do you wish to go? "
 1555.81 key 5
 1555.81 voice rate 5
 1555.81 say "5"
 1555.81 voice rate 0
 1555.86 key 5
 1555.86 voice rate 5
 1555.86 say "5"
 1555.86 voice rate 0
 1555.88 play 22 volume 0 pan 0 frequency 22051
 1557.48 stop 22
 1557.48 draw 0.711187
 1557.48 draw 0.896501
 1557.48 draw 0.545879
 1557.48 draw 0.905840
 1557.60 play 11 volume 0 pan 1500 frequency 22051
 1562.10 stop 11
 1562.10 say " Day Sunday"
 1562.10 say " Time:  4 P.M. "
 1564.26 draw 0.626685
 1564.26 say " Approximate fuel  119"
 1564.26 say "Speed  55"
 1564.26 say "        Odometer:  2750"
 1564.26 say "Miles to go:  100"
 1564.26 say " Cruising on Pennsylvania Turnpike"
 1564.26 say " You are feeling   bored"
 1564.26 draw 0.849540
 1564.26 say " Current weather: fog -- limited visibility"
 1564.26 say " Truck stop ahead.  Do you want to stop? "
 1564.28 say " yes "
 1564.31 key y
 1564.31 voice rate 5
 1564.31 say "y"
 1564.31 voice rate 0
 1564.31 draw 0.829231
 1564.31 play 43 volume 0 pan 0 frequency 22051
 1564.81 stop 46
 1568.11 stop 43
 1568.11 say " Diesel fuel costs "
 1568.11 say "1 dollor, and,  14 cents"
 1571.29 say " per gallon."
 1571.29 say "     How many gallons do you want"
 1571.34 key 7
 1571.34 voice rate 5
 1571.34 say "7"
 1571.34 voice rate 0
 1571.39 key 1
 1571.39 voice rate 5
 1571.39 say "1"
 1571.39 voice rate 0
 1571.44 key enter
 1571.44 voice rate 5
 1571.44 voice rate 0
 1571.46 play 27 volume 0 pan 0 frequency 22051
 1576.06 stop 27
 1576.06 draw 0.957241
 1576.08 play 40 volume 0 pan 0 frequency 22051
 1577.98 stop 40
 1577.98 say "Pay "
 1577.98 say "80 dollors, and,  94 cents"
 1580.38 say " So far, you have spent "
 1580.38 say "1,981 dollors, and,  35 cents"
 1584.16 draw 0.903282
 1584.16 draw 0.882593
 1584.16 say " A new tire costs $ 245 A retread costs $ 161"
 1584.16 say "     Do you want to buy a tire?"
 1584.18 say " yes "
 1584.21 key y
 1584.21 voice rate 5
 1584.21 say "y"
 1584.21 voice rate 0
 1584.21 say " Do you want to buy a New tire or a retread?"
 1584.21 say " new "
 1584.24 key enter
 1584.26 play 37 volume 0 pan 0 frequency 22051
 1586.96 stop 37
 1586.98 play 40 volume 0 pan 0 frequency 22051
 1588.88 stop 40
 1588.88 say " Do you want to get some sleep? "
 1588.90 say " yes "
 1588.93 key y
 1588.93 voice rate 5
 1588.93 say "y"
 1588.93 voice rate 0
 1588.95 say "     How many hours of rest"
 1588.98 key 8
 1588.98 voice rate 5
 1588.98 say "8"
 1588.98 voice rate 0
 1589.01 key enter
 1589.03 play 25 volume 0 pan 0 frequency 22051
 1591.93 stop 25
 1591.95 play 25 volume 0 pan 0 frequency 22051
 1594.85 stop 25
 1594.87 play 25 volume 0 pan 0 frequency 22051
 1597.77 stop 25
 1597.79 play 25 volume 0 pan 0 frequency 22051
 1600.69 stop 25
 1600.71 play 25 volume 0 pan 0 frequency 22051
 1603.61 stop 25
 1603.63 play 25 volume 0 pan 0 frequency 22051
 1606.53 stop 25
 1606.55 play 25 volume 0 pan 0 frequency 22051
 1609.45 stop 25
 1609.47 play 25 volume 0 pan 0 frequency 22051
 1612.37 stop 25
 1612.37 say " Thanks to the daytime noise, you got only 4hours real sleep."
 1616.35 play 23 volume 0 pan 0 frequency 22051
 1619.55 stop 23
 1619.55 say " Day Monday"
 1619.55 say " Time:  1 A.M. "
 1621.71 say " You now have  131 gallons of fuel."
 1621.71 say " Do you want to buy more? "
 1621.73 say " yes "
 1621.76 key y
 1621.76 voice rate 5
 1621.76 say "y"
 1621.76 voice rate 0
 1621.76 draw 0.648969
 1621.78 play 29 volume 0 pan 0 frequency 22051
 1625.98 stop 29
 1625.98 say " Diesel fuel costs "
 1625.98 say "1 dollor, and,  7 cents"
 1629.10 say " per gallon."
 1629.10 say "     How many gallons do you want"
 1629.15 key 5
 1629.15 voice rate 5
 1629.15 say "5"
 1629.15 voice rate 0
 1629.20 key 9
 1629.20 voice rate 5
 1629.20 say "9"
 1629.20 voice rate 0
 1629.25 key enter
 1629.25 voice rate 5
 1629.25 voice rate 0
 1629.27 play 27 volume 0 pan 0 frequency 22051
 1633.87 stop 27
 1633.87 draw 0.876677
 1633.89 play 40 volume 0 pan 0 frequency 22051
 1635.79 stop 40
 1635.79 say "Pay "
 1635.79 say "63 dollors, and,  13 cents"
 1638.19 say " So far, you have spent "
 1638.19 say "2,289 dollors, and,  48 cents"
 1641.97 say " Do you want to get some sleep? "
 1641.99 say " yes "
 1642.02 key n
 1642.02 voice rate 5
 1642.02 say "n"
 1642.02 voice rate 0
 1642.02 say " Day Monday"
 1642.02 say " Time:  2 A.M. "
 1644.39 play 44 volume 0 pan 0 frequency 22051
 1656.40 play 46 looped volume -10000 pan 0 frequency 22055
 1657.89 stop 44
 1657.89 say " How fast do you wish to go? "
 1657.94 key 5
 1657.94 voice rate 5
 1657.94 say "5"
 1657.94 voice rate 0
 1657.99 key 5
 1657.99 voice rate 5
 1657.99 say "5"
 1657.99 voice rate 0
 1658.01 play 22 volume 0 pan 0 frequency 22051
 1659.61 stop 22
 1659.61 draw 0.614444
 1659.61 draw 0.071039
 1659.61 draw 0.429627
 1659.61 draw 0.156585
 1659.74 play 9 volume 0 pan -1500 frequency 22051
 1664.74 stop 9
 1664.74 say " Day Monday"
 1664.74 say " Time:  3 A.M. "
 1666.90 draw 0.083473
 1666.90 say " Approximate fuel  175"
 1666.90 say "Speed  55"
 1666.90 say "        Odometer:  2805"
 1666.90 say "Miles to go:  45"
 1666.90 say " You have just past New Jersey border"
 1675.03 play 45 volume 0 pan 0 frequency 22051
 1675.53 stop 46
 1678.03 stop 45
 1678.03 say " STOP!   Pay toll of $ 95"
 1680.06 play 40 volume 0 pan 0 frequency 22051
 1681.96 stop 40
 1681.96 play 44 volume 0 pan 0 frequency 22051
 1693.97 play 46 looped volume -10000 pan 0 frequency 22055
 1695.46 stop 44
 1695.46 say " Cruising on I-70 in New Jersey"
 1695.46 say " You are feeling fine"
 1695.46 draw 0.924703
 1695.46 say " Current weather: BLIZZARD  !!"
 1695.46 play 20 looped volume 0 pan 0
 1695.46 play 21 looped volume 0 pan 0
 1695.46 say " How fast do you wish to go? "
 1695.51 key 5
 1695.51 voice rate 5
 1695.51 say "5"
 1695.51 voice rate 0
 1695.56 key 5
 1695.56 voice rate 5
 1695.56 say "5"
 1695.56 voice rate 0
 1695.58 play 22 volume 0 pan 0 frequency 22051
 1697.18 stop 22
 1697.18 draw 0.466749
 1697.18 draw 0.377902
 1697.18 draw 0.253637
 1697.18 draw 0.658935
 1698.21 play 6 volume 0 pan 1500 frequency 22051
 1702.41 stop 6
 1702.41 play 45 volume 0 pan 0 frequency 22051
 1702.91 stop 46
 1705.41 stop 20
 1705.41 stop 45
 1705.41 say " WELCOME TO NEW YORK"
 1707.14 play 34 volume 0 pan 0 frequency 22051
 1707.74 stop 34
 1707.76 play 34 volume 0 pan 0 frequency 22051
 1708.36 stop 34
 1708.38 play 35 volume 0 pan 0 frequency 22051
 1711.78 stop 35
 1711.80 play 34 volume 0 pan 0 frequency 22051
 1712.40 stop 34
 1712.40 say " Day Monday"
 1712.40 say " Time:  4 A.M. "
 1714.56 say " The warehouse is closed for the night.  Come back tomorrow."
 1714.77 say " Day Monday"
 1714.77 say " Time:  8 A.M. "
 1720.64 play 32 volume 0 pan 0 frequency 22051
 1725.24 stop 32
 1725.24 stop 20
 1725.24 stop 21
 1725.24 stop 46
 1725.24 say " You completed the trip in 7days."
 1725.24 say "     Trip expenses totaled "
 1725.24 say "2,384 dollors, and,  48 cents"
 1731.48 say "Truck payment, insurance and taxes cost "
 1731.48 say "680 dollors"
 1735.14 draw 0.725322
 1735.14 say " Your oranges have spoiled.  Haul them to the dump!"
 1735.14 say "Bad trip. . . You lost $ 3114.48"
 1735.14 say "     You are bankrupt !!!"
 1735.45 say " Your rig has been repossessed."
 1735.45 say " press any key "
 1735.48 key f1
 1735.48 say " You completed the trip in 7days."
 1735.48 say "     Trip expenses totaled "
 1735.48 say "2,384 dollors, and,  48 cents"
 1741.72 say "Truck payment, insurance and taxes cost "
 1741.72 say "680 dollors"
 1745.38 say " Your oranges have spoiled.  Haul them to the dump!"
 1745.38 say "Bad trip. . . You lost $ 3114.48"
 1745.38 say "     You are bankrupt !!!"
 1745.69 say " Your rig has been repossessed."
 1745.69 say " press any key "
 1745.72 key esc
 1745.72 say " exit game? "
 1745.72 say " yes "
 1745.75 key n
 1745.75 voice rate 5
 1745.75 say "n"
 1745.75 voice rate 0
 1745.77 say " press any key "
 1745.80 key f3
 1745.80 say " You completed the trip in 7days."
 1745.80 say "     Trip expenses totaled "
 1745.80 say "2,384 dollors, and,  48 cents"
 1752.04 say "Truck payment, insurance and taxes cost "
 1752.04 say "680 dollors"
 1755.70 say " Your oranges have spoiled.  Haul them to the dump!"
 1755.70 say "Bad trip. . . You lost $ 3114.48"
 1755.70 say "     You are bankrupt !!!"
 1756.01 say " Your rig has been repossessed."
 1756.01 say " press any key "
 1756.04 key x
 1756.04 stop 20
 1756.04 stop 21
 1756.04 stop 46
 1756.04 draw 0.037562
 1756.06 play 4 volume 0 pan 0 frequency 22051
 1761.06 stop 4
 1761.06 draw 0.930619
 1761.08 play 30 volume 0 pan 0 frequency 22051
 1763.18 stop 30
 1763.20 play 1 volume 0 pan 0 frequency 22051
 1768.89 stop 1
 1768.89 say " Thank you for playing Dravlen By Brannock "
 1771.77 beep
 1771.87 beep
 1771.98 say "Sorry, but I could not find the Quillonwerk game menu program."
ended by the game
settings  0 
settings  0 
settings  90 
settings  0 
