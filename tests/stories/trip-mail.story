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
    8.25 key 3
    8.25 say " 3 U S mail "
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
    8.48 say " you have chosen to carry  40000 pounds of U S mail. Is this correct?"
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
   29.33 key n
   29.33 say " northern "
   29.36 key enter
   29.36 play 44 volume 0 pan 0 frequency 22051
   41.37 play 46 looped volume -10000 pan 0
   42.86 stop 44
   42.86 say " Cruising on I-15 in California"
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
   52.03 say "Miles to go:  2655"
   52.03 say " Cruising on I-15 in California"
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
   61.10 say "Miles to go:  2600"
   61.10 say " You have just past Barstow"
   68.48 say " Cruising on I-15 in California"
   68.48 say " You are feeling fine"
   68.48 draw 0.649144
   68.48 say " Current weather: clear & dry"
   68.48 say " How fast do you wish to go? "
   68.53 key 5
   68.53 voice rate 5
   68.53 say "5"
   68.53 voice rate 0
   68.58 key 5
   68.58 voice rate 5
   68.58 say "5"
   68.58 voice rate 0
   68.60 play 22 volume 0 pan 0 frequency 22051
   70.20 stop 22
   70.20 draw 0.278487
   70.20 draw 0.676255
   70.20 draw 0.590863
   73.59 say " Day Monday"
   73.59 say " Time:  12 Noon"
   75.75 draw 0.023982
   75.75 say " Approximate fuel  149"
   75.75 say "Speed  55"
   75.75 say "        Odometer:  165"
   75.75 say "Miles to go:  2545"
   75.75 say " Cruising on I-15 in California"
   75.75 say " You are feeling fine"
   75.75 draw 0.558854
   75.75 say " Current weather: clear & dry"
   75.75 say " Truck stop ahead.  Do you want to stop? "
   75.77 say " yes "
   75.80 key n
   75.80 voice rate 5
   75.80 say "n"
   75.80 voice rate 0
   75.80 say " How fast do you wish to go? "
   75.85 key 5
   75.85 voice rate 5
   75.85 say "5"
   75.85 voice rate 0
   75.90 key 5
   75.90 voice rate 5
   75.90 say "5"
   75.90 voice rate 0
   75.92 play 22 volume 0 pan 0 frequency 22051
   77.52 stop 22
   77.52 draw 0.259252
   77.52 draw 0.415101
   77.52 draw 0.283525
   80.91 say " Day Monday"
   80.91 say " Time:  1 P.M. "
   83.07 draw 0.693138
   83.07 say " Approximate fuel  144"
   83.07 say "Speed  55"
   83.07 say "        Odometer:  220"
   83.07 say "Miles to go:  2490"
   83.07 say " Cruising on I-15 in California"
   83.07 say " You are feeling   bored"
   83.07 draw 0.440454
   83.07 say " Current weather: clear & dry"
   83.07 say " Truck stop ahead.  Do you want to stop? "
   83.09 say " yes "
   83.12 key y
   83.12 voice rate 5
   83.12 say "y"
   83.12 voice rate 0
   83.12 draw 0.156868
   83.12 play 43 volume 0 pan 0 frequency 22051
   83.62 stop 46
   86.92 stop 43
   86.92 say " Diesel fuel costs "
   86.92 say " 90 cents"
   89.20 say " per gallon."
   89.20 say "     How many gallons do you want"
   89.25 key 4
   89.25 voice rate 5
   89.25 say "4"
   89.25 voice rate 0
   89.30 key 6
   89.30 voice rate 5
   89.30 say "6"
   89.30 voice rate 0
   89.35 key enter
   89.35 voice rate 5
   89.35 voice rate 0
   89.37 play 27 volume 0 pan 0 frequency 22051
   93.97 stop 27
   93.97 draw 0.544649
   93.99 play 40 volume 0 pan 0 frequency 22051
   95.89 stop 40
   95.89 say "Pay "
   95.89 say "41 dollors, and,  40 cents"
   98.29 say " So far, you have spent "
   98.29 say "231 dollors, and,  40 cents"
  101.95 say " Do you want to get some sleep? "
  101.97 say " yes "
  102.00 key y
  102.00 voice rate 5
  102.00 say "y"
  102.00 voice rate 0
  102.02 say "     How many hours of rest"
  102.05 key 8
  102.05 voice rate 5
  102.05 say "8"
  102.05 voice rate 0
  102.08 key enter
  102.10 play 25 volume 0 pan 0 frequency 22051
  105.00 stop 25
  105.02 play 25 volume 0 pan 0 frequency 22051
  107.92 stop 25
  107.94 play 25 volume 0 pan 0 frequency 22051
  110.84 stop 25
  110.86 play 25 volume 0 pan 0 frequency 22051
  113.76 stop 25
  113.78 play 25 volume 0 pan 0 frequency 22051
  116.68 stop 25
  116.70 play 25 volume 0 pan 0 frequency 22051
  119.60 stop 25
  119.62 play 25 volume 0 pan 0 frequency 22051
  122.52 stop 25
  122.54 play 25 volume 0 pan 0 frequency 22051
  125.44 stop 25
  125.44 say " Thanks to the daytime noise, you got only 4hours real sleep."
  129.42 play 23 volume 0 pan 0 frequency 22051
  132.62 stop 23
  132.62 say " Day Monday"
  132.62 say " Time:  10 P.M. "
  134.84 play 44 volume 0 pan 0 frequency 22051
  146.85 play 46 looped volume -10000 pan 0 frequency 22055
  148.34 stop 44
  148.34 say " How fast do you wish to go? "
  148.39 key 5
  148.39 voice rate 5
  148.39 say "5"
  148.39 voice rate 0
  148.44 key 5
  148.44 voice rate 5
  148.44 say "5"
  148.44 voice rate 0
  148.46 play 22 volume 0 pan 0 frequency 22051
  150.06 stop 22
  150.06 draw 0.780315
  150.06 draw 0.306364
  150.06 draw 0.221958
  153.45 say " Day Monday"
  153.45 say " Time:  11 P.M. "
  155.67 draw 0.387971
  155.67 say " Approximate fuel  174"
  155.67 say "Speed  55"
  155.67 say "        Odometer:  275"
  155.67 say "Miles to go:  2435"
  155.67 say " You have just past Las Vegas"
  163.17 say " Time zone changes -- set clock ahead one hour."
  163.17 say " Day Tuesday"
  163.17 say " Time:  12 Midnight"
  168.75 say " Cruising on I-15 in Arizona"
  168.75 say " You are feeling rested & rearing to go."
  168.75 draw 0.936384
  168.75 say " Current weather: clear & dry"
  168.75 say " How fast do you wish to go? "
  168.80 key 5
  168.80 voice rate 5
  168.80 say "5"
  168.80 voice rate 0
  168.85 key 5
  168.85 voice rate 5
  168.85 say "5"
  168.85 voice rate 0
  168.87 play 22 volume 0 pan 0 frequency 22051
  170.47 stop 22
  170.47 draw 0.975995
  170.47 draw 0.672384
  170.47 draw 0.902834
  173.86 say " Day Tuesday"
  173.86 say " Time:  1 A.M. "
  176.08 draw 0.845751
  176.08 say " Approximate fuel  167"
  176.08 say "Speed  55"
  176.08 say "        Odometer:  330"
  176.08 say "Miles to go:  2380"
  176.08 say " Cruising on I-15 in Arizona"
  176.08 say " You are feeling rested & rearing to go."
  176.08 draw 0.377994
  176.08 say " Current weather: clear & dry"
  176.08 say " How fast do you wish to go? "
  176.13 key 5
  176.13 voice rate 5
  176.13 say "5"
  176.13 voice rate 0
  176.18 key 5
  176.18 voice rate 5
  176.18 say "5"
  176.18 voice rate 0
  176.20 play 22 volume 0 pan 0 frequency 22051
  177.80 stop 22
  177.80 draw 0.092217
  177.80 draw 0.653411
  177.80 draw 0.557841
  177.80 draw 0.361565
  177.93 play 11 volume 0 pan -1500 frequency 22051
  182.43 stop 11
  182.43 say " Day Tuesday"
  182.43 say " Time:  2 A.M. "
  184.65 draw 0.225055
  184.65 say " Approximate fuel  148"
  184.65 say "Speed  55"
  184.65 say "        Odometer:  385"
  184.65 say "Miles to go:  2325"
  184.65 say " You have just past Utah border"
  192.27 say " Cruising on I-15 in Utah"
  192.27 say " You are feeling rested & rearing to go."
  192.27 draw 0.406520
  192.27 say " Current weather: clear & dry"
  192.27 say " How fast do you wish to go? "
  192.32 key 5
  192.32 voice rate 5
  192.32 say "5"
  192.32 voice rate 0
  192.37 key 5
  192.37 voice rate 5
  192.37 say "5"
  192.37 voice rate 0
  192.39 play 22 volume 0 pan 0 frequency 22051
  193.99 stop 22
  193.99 draw 0.468940
  193.99 draw 0.269236
  193.99 draw 0.291793
  197.38 say " Day Tuesday"
  197.38 say " Time:  3 A.M. "
  199.60 draw 0.457686
  199.60 say " Approximate fuel  138"
  199.60 say "Speed  55"
  199.60 say "        Odometer:  440"
  199.60 say "Miles to go:  2270"
  199.60 say " Cruising on I-15 in Utah"
  199.60 say " You are feeling fine"
  199.60 draw 0.860534
  199.60 say " Current weather: clear & dry"
  199.60 say " Truck stop ahead.  Do you want to stop? "
  199.62 say " yes "
  199.65 key y
  199.65 voice rate 5
  199.65 say "y"
  199.65 voice rate 0
  199.65 draw 0.586253
  199.65 play 43 volume 0 pan 0 frequency 22051
  200.15 stop 46
  203.45 stop 43
  203.45 say " Diesel fuel costs "
  203.45 say "1 dollor, and,  5 cents"
  206.57 say " per gallon."
  206.57 say "     How many gallons do you want"
  206.62 key 5
  206.62 voice rate 5
  206.62 say "5"
  206.62 voice rate 0
  206.67 key 2
  206.67 voice rate 5
  206.67 say "2"
  206.67 voice rate 0
  206.72 key enter
  206.72 voice rate 5
  206.72 voice rate 0
  206.74 play 27 volume 0 pan 0 frequency 22051
  211.34 stop 27
  211.34 draw 0.283488
  211.36 play 40 volume 0 pan 0 frequency 22051
  213.26 stop 40
  213.26 say "Pay "
  213.26 say "54 dollors, and,  60 cents"
  215.66 say " So far, you have spent "
  215.66 say "286 dollors"
  218.36 say " Do you want to get some sleep? "
  218.38 say " yes "
  218.41 key y
  218.41 voice rate 5
  218.41 say "y"
  218.41 voice rate 0
  218.43 say "     How many hours of rest"
  218.46 key 8
  218.46 voice rate 5
  218.46 say "8"
  218.46 voice rate 0
  218.49 key enter
  218.51 play 24 volume 0 pan 0 frequency 22051
  221.21 stop 24
  221.23 play 24 volume 0 pan 0 frequency 22051
  223.93 stop 24
  223.95 play 24 volume 0 pan 0 frequency 22051
  226.65 stop 24
  226.67 play 24 volume 0 pan 0 frequency 22051
  229.37 stop 24
  229.39 play 24 volume 0 pan 0 frequency 22051
  232.09 stop 24
  232.11 play 24 volume 0 pan 0 frequency 22051
  234.81 stop 24
  234.83 play 24 volume 0 pan 0 frequency 22051
  237.53 stop 24
  237.55 play 24 volume 0 pan 0 frequency 22051
  240.25 stop 24
  240.27 play 23 volume 0 pan 0 frequency 22051
  243.47 stop 23
  243.47 say " Day Tuesday"
  243.47 say " Time:  12 Noon"
  245.69 play 44 volume 0 pan 0 frequency 22051
  257.70 play 46 looped volume -10000 pan 0 frequency 22055
  259.19 stop 44
  259.19 say " How fast do you wish to go? "
  259.24 key 5
  259.24 voice rate 5
  259.24 say "5"
  259.24 voice rate 0
  259.29 key 5
  259.29 voice rate 5
  259.29 say "5"
  259.29 voice rate 0
  259.31 play 22 volume 0 pan 0 frequency 22051
  260.91 stop 22
  260.91 draw 0.277978
  260.91 draw 0.454622
  260.91 draw 0.205410
  260.91 draw 0.201379
  261.94 play 5 volume 0 pan -1500 frequency 22051
  266.14 stop 5
  266.14 say " Day Tuesday"
  266.14 say " Time:  1 P.M. "
  268.36 draw 0.514035
  268.36 say " Approximate fuel  179"
  268.36 say "Speed  55"
  268.36 say "        Odometer:  495"
  268.36 say "Miles to go:  2215"
  268.36 say " Cruising on I-15 in Utah"
  268.36 say " You are feeling rested & rearing to go."
  268.36 draw 0.087229
  268.36 say " Current weather: clear & dry"
  268.36 say " How fast do you wish to go? "
  268.41 key 5
  268.41 voice rate 5
  268.41 say "5"
  268.41 voice rate 0
  268.46 key 5
  268.46 voice rate 5
  268.46 say "5"
  268.46 voice rate 0
  268.48 play 22 volume 0 pan 0 frequency 22051
  270.08 stop 22
  270.08 draw 0.483586
  270.08 draw 0.362176
  270.08 draw 0.707687
  273.47 say " Day Tuesday"
  273.47 say " Time:  2 P.M. "
  275.69 draw 0.746746
  275.69 say " Approximate fuel  169"
  275.69 say "Speed  55"
  275.69 say "        Odometer:  550"
  275.69 say "Miles to go:  2160"
  275.69 say " You have just past End of Interstate"
  283.67 draw 0.691093
  283.67 say " Construction ahead !!"
  283.88 say " Slow down -- speed limit 35 MPH"
  283.88 say " Cruising on US-89 in Utah"
  283.88 say " You are feeling rested & rearing to go."
  283.88 draw 0.689180
  283.88 say " Current weather: clear & dry"
  283.88 say " How fast do you wish to go? "
  283.93 key 3
  283.93 voice rate 5
  283.93 say "3"
  283.93 voice rate 0
  283.98 key 5
  283.98 voice rate 5
  283.98 say "5"
  283.98 voice rate 0
  284.00 play 22 volume 0 pan 0 frequency 22051
  285.60 stop 22
  287.61 draw 0.373600
  287.61 draw 0.668135
  287.61 draw 0.339849
  288.99 say " Day Tuesday"
  288.99 say " Time:  3 P.M. "
  291.21 draw 0.572794
  291.21 say " Approximate fuel  150"
  291.21 say "Speed  35"
  291.21 say "        Odometer:  585"
  291.21 say "Miles to go:  2125"
  291.21 say " You have just past Salina"
  298.53 draw 0.325807
  298.53 say " Cruising on I-70 in Utah"
  298.53 say " You are feeling rested & rearing to go."
  298.53 draw 0.445145
  298.53 say " Current weather: clear & dry"
  298.53 say " How fast do you wish to go? "
  298.58 key 5
  298.58 voice rate 5
  298.58 say "5"
  298.58 voice rate 0
  298.63 key 5
  298.63 voice rate 5
  298.63 say "5"
  298.63 voice rate 0
  298.65 play 22 volume 0 pan 0 frequency 22051
  300.25 stop 22
  302.26 draw 0.061529
  302.26 draw 0.242675
  302.26 draw 0.971603
  302.26 draw 0.230584
  302.39 play 18 volume 0 pan -1500 frequency 22051
  307.39 stop 18
  307.39 say " Day Tuesday"
  307.39 say " Time:  4 P.M. "
  309.61 draw 0.691478
  309.61 say " Approximate fuel  138"
  309.61 say "Speed  55"
  309.61 say "        Odometer:  640"
  309.61 say "Miles to go:  2070"
  309.61 say " Cruising on I-70 in Utah"
  309.61 say " You are feeling fine"
  309.61 draw 0.650477
  309.61 say " Current weather: clear & dry"
  309.61 say " Truck stop ahead.  Do you want to stop? "
  309.63 say " yes "
  309.66 key n
  309.66 voice rate 5
  309.66 say "n"
  309.66 voice rate 0
  309.66 say " How fast do you wish to go? "
  309.71 key 5
  309.71 voice rate 5
  309.71 say "5"
  309.71 voice rate 0
  309.76 key 5
  309.76 voice rate 5
  309.76 say "5"
  309.76 voice rate 0
  309.78 play 22 volume 0 pan 0 frequency 22051
  311.38 stop 22
  311.38 draw 0.723939
  311.38 draw 0.475089
  311.38 draw 0.596664
  314.77 say " Day Tuesday"
  314.77 say " Time:  5 P.M. "
  316.99 draw 0.066969
  316.99 say " Approximate fuel  120"
  316.99 say "Speed  55"
  316.99 say "        Odometer:  695"
  316.99 say "Miles to go:  2015"
  316.99 say " Cruising on I-70 in Utah"
  316.99 say " You are feeling fine"
  316.99 draw 0.072562
  316.99 say " Current weather: clear & dry"
  316.99 say " Truck stop ahead.  Do you want to stop? "
  317.01 say " yes "
  317.04 key n
  317.04 voice rate 5
  317.04 say "n"
  317.04 voice rate 0
  317.04 say " How fast do you wish to go? "
  317.09 key 5
  317.09 voice rate 5
  317.09 say "5"
  317.09 voice rate 0
  317.14 key 5
  317.14 voice rate 5
  317.14 say "5"
  317.14 voice rate 0
  317.16 play 22 volume 0 pan 0 frequency 22051
  318.76 stop 22
  318.76 draw 0.198976
  318.76 draw 0.151861
  318.76 draw 0.100104
  322.15 say " Day Tuesday"
  322.15 say " Time:  6 P.M. "
  324.37 draw 0.129294
  324.37 say " Approximate fuel  108"
  324.37 say "Speed  55"
  324.37 say "        Odometer:  750"
  324.37 say "Miles to go:  1960"
  324.37 say " Cruising on I-70 in Utah"
  324.37 say " You are feeling   bored"
  324.37 draw 0.553278
  324.37 say " Current weather: clear & dry"
  324.37 say " Truck stop ahead.  Do you want to stop? "
  324.39 say " yes "
  324.42 key y
  324.42 voice rate 5
  324.42 say "y"
  324.42 voice rate 0
  324.42 draw 0.187815
  324.42 play 43 volume 0 pan 0 frequency 22051
  324.92 stop 46
  328.22 stop 43
  328.22 say " Diesel fuel costs "
  328.22 say " 91 cents"
  330.50 say " per gallon."
  330.50 say "     How many gallons do you want"
  330.55 key 8
  330.55 voice rate 5
  330.55 say "8"
  330.55 voice rate 0
  330.60 key 2
  330.60 voice rate 5
  330.60 say "2"
  330.60 voice rate 0
  330.65 key enter
  330.65 voice rate 5
  330.65 voice rate 0
  330.67 play 27 volume 0 pan 0 frequency 22051
  335.27 stop 27
  335.27 draw 0.952101
  335.29 play 40 volume 0 pan 0 frequency 22051
  337.19 stop 40
  337.19 say "Pay "
  337.19 say "74 dollors, and,  62 cents"
  339.59 say " So far, you have spent "
  339.59 say "360 dollors, and,  62 cents"
  343.25 say " Do you want to get some sleep? "
  343.27 say " yes "
  343.30 key y
  343.30 voice rate 5
  343.30 say "y"
  343.30 voice rate 0
  343.32 say "     How many hours of rest"
  343.35 key 8
  343.35 voice rate 5
  343.35 say "8"
  343.35 voice rate 0
  343.38 key enter
  343.40 play 25 volume 0 pan 0 frequency 22051
  346.30 stop 25
  346.32 play 25 volume 0 pan 0 frequency 22051
  349.22 stop 25
  349.24 play 25 volume 0 pan 0 frequency 22051
  352.14 stop 25
  352.16 play 25 volume 0 pan 0 frequency 22051
  355.06 stop 25
  355.08 play 25 volume 0 pan 0 frequency 22051
  357.98 stop 25
  358.00 play 25 volume 0 pan 0 frequency 22051
  360.90 stop 25
  360.92 play 25 volume 0 pan 0 frequency 22051
  363.82 stop 25
  363.84 play 25 volume 0 pan 0 frequency 22051
  366.74 stop 25
  366.74 say " Thanks to the daytime noise, you got only 4hours real sleep."
  370.72 play 23 volume 0 pan 0 frequency 22051
  373.92 stop 23
  373.92 say " Day Wednesday"
  373.92 say " Time:  3 A.M. "
  376.26 play 44 volume 0 pan 0 frequency 22051
  388.27 play 46 looped volume -10000 pan 0 frequency 22055
  389.76 stop 44
  389.76 say " How fast do you wish to go? "
  389.81 key 5
  389.81 voice rate 5
  389.81 say "5"
  389.81 voice rate 0
  389.86 key 5
  389.86 voice rate 5
  389.86 say "5"
  389.86 voice rate 0
  389.88 play 22 volume 0 pan 0 frequency 22051
  391.48 stop 22
  391.48 draw 0.681612
  391.48 draw 0.541020
  391.48 draw 0.707181
  394.87 say " Day Wednesday"
  394.87 say " Time:  4 A.M. "
  397.21 draw 0.263887
  397.21 say " Approximate fuel  180"
  397.21 say "Speed  55"
  397.21 say "        Odometer:  805"
  397.21 say "Miles to go:  1905"
  397.21 say " You have just past Grand Junction"
  405.01 draw 0.926726
  406.02 play 45 volume 0 pan 0 frequency 22051
  406.52 stop 46
  409.02 stop 45
  409.02 say " Weighing station open -- trucks must stop."
  412.11 draw 0.839193
  412.11 say "scale weighs truck with cargo, fuel and driver  60469.72 pounds"
  416.19 draw 0.726319
  416.19 say "     Overweight fine is $200.00 plus  4 cents per pound."
  419.85 say " Pay fine of "
  420.93 say "218 dollors, and,  76 cents"
  423.18 play 40 volume 0 pan 0 frequency 22051
  425.08 stop 40
  425.08 play 44 volume 0 pan 0 frequency 22051
  437.09 play 46 looped volume -10000 pan 0 frequency 22055
  438.58 stop 44
  438.58 say " Cruising on I-70 in Colorado"
  438.58 say " You are feeling rested & rearing to go."
  438.58 draw 0.480240
  438.58 say " Current weather: clear & dry"
  438.58 say " How fast do you wish to go? "
  438.63 key 5
  438.63 voice rate 5
  438.63 say "5"
  438.63 voice rate 0
  438.68 key 5
  438.68 voice rate 5
  438.68 say "5"
  438.68 voice rate 0
  438.70 play 22 volume 0 pan 0 frequency 22051
  440.30 stop 22
  440.30 draw 0.842103
  440.30 draw 0.744752
  440.30 draw 0.660326
  443.69 say " Day Wednesday"
  443.69 say " Time:  5 A.M. "
  446.03 draw 0.913975
  446.03 say " Approximate fuel  174"
  446.03 say "Speed  55"
  446.03 say "        Odometer:  860"
  446.03 say "Miles to go:  1850"
  446.03 say " Cruising on I-70 in Colorado"
  446.03 say " You are feeling rested & rearing to go."
  446.03 draw 0.633666
  446.03 say " Current weather: clear & dry"
  446.03 say " How fast do you wish to go? "
  446.08 key 5
  446.08 voice rate 5
  446.08 say "5"
  446.08 voice rate 0
  446.13 key 5
  446.13 voice rate 5
  446.13 say "5"
  446.13 voice rate 0
  446.15 play 22 volume 0 pan 0 frequency 22051
  447.75 stop 22
  447.75 draw 0.365941
  447.75 draw 0.552845
  447.75 draw 0.196381
  447.75 draw 0.192072
  448.78 play 5 volume 0 pan -1500 frequency 22051
  452.98 stop 5
  452.98 say " Day Wednesday"
  452.98 say " Time:  6 A.M. "
  455.32 draw 0.725670
  455.32 say " Approximate fuel  160"
  455.32 say "Speed  55"
  455.32 say "        Odometer:  915"
  455.32 say "Miles to go:  1795"
  455.32 say " Cruising on I-70 in Colorado"
  455.32 say " You are feeling rested & rearing to go."
  455.32 draw 0.784937
  455.32 say " Current weather: clear & dry"
  455.32 say " How fast do you wish to go? "
  455.37 key 5
  455.37 voice rate 5
  455.37 say "5"
  455.37 voice rate 0
  455.42 key 5
  455.42 voice rate 5
  455.42 say "5"
  455.42 voice rate 0
  455.44 play 22 volume 0 pan 0 frequency 22051
  457.04 stop 22
  457.04 draw 0.972098
  457.04 draw 0.850971
  457.04 draw 0.543594
  460.43 say " Day Wednesday"
  460.43 say " Time:  7 A.M. "
  462.77 draw 0.089791
  462.77 say " Approximate fuel  141"
  462.77 say "Speed  55"
  462.77 say "        Odometer:  970"
  462.77 say "Miles to go:  1740"
  462.77 say " Cruising on I-70 in Colorado"
  462.77 say " You are feeling fine"
  462.77 draw 0.488873
  462.77 say " Current weather: clear & dry"
  462.77 say " Truck stop ahead.  Do you want to stop? "
  462.79 say " yes "
  462.82 key n
  462.82 voice rate 5
  462.82 say "n"
  462.82 voice rate 0
  462.82 say " How fast do you wish to go? "
  462.87 key 5
  462.87 voice rate 5
  462.87 say "5"
  462.87 voice rate 0
  462.92 key 5
  462.92 voice rate 5
  462.92 say "5"
  462.92 voice rate 0
  462.94 play 22 volume 0 pan 0 frequency 22051
  464.54 stop 22
  464.54 draw 0.927936
  464.54 draw 0.787618
  464.54 draw 0.485094
  464.54 draw 0.455279
  464.67 play 10 volume 0 pan -1500 frequency 22051
  469.27 stop 10
  469.27 say " Day Wednesday"
  469.27 say " Time:  8 A.M. "
  471.61 draw 0.217986
  471.61 say " Approximate fuel  130"
  471.61 say "Speed  55"
  471.61 say "        Odometer:  1025"
  471.61 say "Miles to go:  1685"
  471.61 say " You have just past Denver"
  478.99 draw 0.177213
  478.99 say " Cruising on I-76 in Colorado"
  478.99 say " You are feeling fine"
  478.99 draw 0.073624
  478.99 say " Current weather: clear & dry"
  478.99 say " Truck stop ahead.  Do you want to stop? "
  479.01 say " yes "
  479.04 key n
  479.04 voice rate 5
  479.04 say "n"
  479.04 voice rate 0
  479.04 say " How fast do you wish to go? "
  479.09 key 5
  479.09 voice rate 5
  479.09 say "5"
  479.09 voice rate 0
  479.14 key 5
  479.14 voice rate 5
  479.14 say "5"
  479.14 voice rate 0
  479.16 play 22 volume 0 pan 0 frequency 22051
  480.76 stop 22
  480.76 draw 0.892393
  480.76 draw 0.640177
  480.76 draw 0.143332
  480.76 draw 0.414127
  481.79 play 4 volume 0 pan -1500 frequency 22051
  486.79 stop 4
  486.79 say " Day Wednesday"
  486.79 say " Time:  9 A.M. "
  489.13 draw 0.049109
  489.13 say " Approximate fuel  116"
  489.13 say "Speed  55"
  489.13 say "        Odometer:  1080"
  489.13 say "Miles to go:  1630"
  489.13 say " Cruising on I-76 in Colorado"
  489.13 say " You are feeling   bored"
  489.13 draw 0.209373
  489.13 say " Current weather: clear & dry"
  489.13 say " Truck stop ahead.  Do you want to stop? "
  489.15 say " yes "
  489.18 key y
  489.18 voice rate 5
  489.18 say "y"
  489.18 voice rate 0
  489.18 draw 0.730708
  489.18 play 43 volume 0 pan 0 frequency 22051
  489.68 stop 46
  492.98 stop 43
  492.98 say " Diesel fuel costs "
  492.98 say "1 dollor, and,  10 cents"
  496.16 say " per gallon."
  496.16 say "     How many gallons do you want"
  496.21 key 7
  496.21 voice rate 5
  496.21 say "7"
  496.21 voice rate 0
  496.26 key 4
  496.26 voice rate 5
  496.26 say "4"
  496.26 voice rate 0
  496.31 key enter
  496.31 voice rate 5
  496.31 voice rate 0
  496.33 play 27 volume 0 pan 0 frequency 22051
  500.93 stop 27
  500.93 draw 0.651123
  500.95 play 30 volume 0 pan 0 frequency 22051
  503.05 stop 30
  503.07 play 40 volume 0 pan 0 frequency 22051
  504.97 stop 40
  504.97 say "Pay "
  504.97 say "81 dollors, and,  40 cents"
  507.37 say " So far, you have spent "
  507.37 say "660 dollors, and,  78 cents"
  511.03 say " Do you want to get some sleep? "
  511.05 say " yes "
  511.08 key y
  511.08 voice rate 5
  511.08 say "y"
  511.08 voice rate 0
  511.10 say "     How many hours of rest"
  511.13 key 8
  511.13 voice rate 5
  511.13 say "8"
  511.13 voice rate 0
  511.16 key enter
  511.18 play 25 volume 0 pan 0 frequency 22051
  514.08 stop 25
  514.10 play 25 volume 0 pan 0 frequency 22051
  517.00 stop 25
  517.02 play 25 volume 0 pan 0 frequency 22051
  519.92 stop 25
  519.94 play 25 volume 0 pan 0 frequency 22051
  522.84 stop 25
  522.86 play 25 volume 0 pan 0 frequency 22051
  525.76 stop 25
  525.78 play 25 volume 0 pan 0 frequency 22051
  528.68 stop 25
  528.70 play 25 volume 0 pan 0 frequency 22051
  531.60 stop 25
  531.62 play 25 volume 0 pan 0 frequency 22051
  534.52 stop 25
  534.52 say " Thanks to the daytime noise, you got only 4hours real sleep."
  538.50 play 23 volume 0 pan 0 frequency 22051
  541.70 stop 23
  541.70 say " Day Wednesday"
  541.70 say " Time:  6 P.M. "
  544.04 play 44 volume 0 pan 0 frequency 22051
  556.05 play 46 looped volume -10000 pan 0 frequency 22055
  557.54 stop 44
  557.54 say " How fast do you wish to go? "
  557.59 key 5
  557.59 voice rate 5
  557.59 say "5"
  557.59 voice rate 0
  557.64 key 5
  557.64 voice rate 5
  557.64 say "5"
  557.64 voice rate 0
  557.66 play 22 volume 0 pan 0 frequency 22051
  559.26 stop 22
  559.26 draw 0.478978
  559.26 draw 0.274781
  559.26 draw 0.652223
  562.65 say " Day Wednesday"
  562.65 say " Time:  7 P.M. "
  564.99 draw 0.956450
  564.99 say " Approximate fuel  187"
  564.99 say "Speed  55"
  564.99 say "        Odometer:  1135"
  564.99 say "Miles to go:  1575"
  564.99 say " Cruising on I-76 in Colorado"
  564.99 say " You are feeling rested & rearing to go."
  564.99 draw 0.435521
  564.99 say " Current weather: clear & dry"
  564.99 say " How fast do you wish to go? "
  565.04 key 5
  565.04 voice rate 5
  565.04 say "5"
  565.04 voice rate 0
  565.09 key 5
  565.09 voice rate 5
  565.09 say "5"
  565.09 voice rate 0
  565.11 play 22 volume 0 pan 0 frequency 22051
  566.71 stop 22
  566.71 draw 0.070133
  566.71 draw 0.057731
  566.71 draw 0.082871
  566.71 draw 0.959707
  567.74 play 3 volume 0 pan 1500 frequency 22051
  571.74 stop 3
  571.74 say " Day Wednesday"
  571.74 say " Time:  8 P.M. "
  574.08 draw 0.540761
  574.08 say " Approximate fuel  171"
  574.08 say "Speed  55"
  574.08 say "        Odometer:  1190"
  574.08 say "Miles to go:  1520"
  574.08 say " You have just past Nebraska border"
  582.00 say " Time zone changes -- set clock ahead one hour."
  582.00 say " Day Wednesday"
  582.00 say " Time:  9 P.M. "
  587.46 say " Cruising on I-80 in Nebraska"
  587.46 say " You are feeling rested & rearing to go."
  587.46 draw 0.837462
  587.46 say " Current weather: clear, but roadway is wet"
  587.46 say " How fast do you wish to go? "
  587.51 key 5
  587.51 voice rate 5
  587.51 say "5"
  587.51 voice rate 0
  587.56 key 5
  587.56 voice rate 5
  587.56 say "5"
  587.56 voice rate 0
  587.58 play 22 volume 0 pan 0 frequency 22051
  589.18 stop 22
  589.18 draw 0.170034
  589.18 draw 0.260345
  589.18 draw 0.691978
  589.18 draw 0.895570
  590.21 play 13 volume 0 pan 1500 frequency 22051
  596.21 stop 13
  596.21 say " Day Wednesday"
  596.21 say " Time:  10 P.M. "
  598.61 draw 0.340688
  598.61 say " Approximate fuel  157"
  598.61 say "Speed  55"
  598.61 say "        Odometer:  1245"
  598.61 say "Miles to go:  1465"
  598.61 say " Cruising on I-80 in Nebraska"
  598.61 say " You are feeling rested & rearing to go."
  598.61 draw 0.064673
  598.61 say " Current weather: clear & dry"
  598.61 say " How fast do you wish to go? "
  598.66 key 5
  598.66 voice rate 5
  598.66 say "5"
  598.66 voice rate 0
  598.71 key 5
  598.71 voice rate 5
  598.71 say "5"
  598.71 voice rate 0
  598.73 play 22 volume 0 pan 0 frequency 22051
  600.33 stop 22
  600.33 draw 0.864120
  600.33 draw 0.290872
  600.33 draw 0.741082
  600.33 draw 0.158034
  600.46 play 14 volume 0 pan -1500 frequency 22051
  606.46 stop 14
  606.46 say " Day Wednesday"
  606.46 say " Time:  11 P.M. "
  608.86 draw 0.694963
  608.86 say " Approximate fuel  148"
  608.86 say "Speed  55"
  608.86 say "        Odometer:  1300"
  608.86 say "Miles to go:  1410"
  608.86 say " Cruising on I-80 in Nebraska"
  608.86 say " You are feeling fine"
  608.86 draw 0.841420
  608.86 say " Current weather: clear, but roadway is wet"
  608.86 say " Truck stop ahead.  Do you want to stop? "
  608.88 say " yes "
  608.91 key y
  608.91 voice rate 5
  608.91 say "y"
  608.91 voice rate 0
  608.91 draw 0.727152
  608.91 play 43 volume 0 pan 0 frequency 22051
  609.41 stop 46
  612.71 stop 43
  612.71 say " Diesel fuel costs "
  612.71 say "1 dollor, and,  10 cents"
  615.89 say " per gallon."
  615.89 say "     How many gallons do you want"
  615.94 key 4
  615.94 voice rate 5
  615.94 say "4"
  615.94 voice rate 0
  615.99 key 2
  615.99 voice rate 5
  615.99 say "2"
  615.99 voice rate 0
  616.04 key enter
  616.04 voice rate 5
  616.04 voice rate 0
  616.06 play 27 volume 0 pan 0 frequency 22051
  620.66 stop 27
  620.66 draw 0.359108
  620.68 play 40 volume 0 pan 0 frequency 22051
  622.58 stop 40
  622.58 say "Pay "
  622.58 say "46 dollors, and,  20 cents"
  624.98 say " So far, you have spent "
  624.98 say "706 dollors, and,  98 cents"
  628.64 say " Do you want to get some sleep? "
  628.66 say " yes "
  628.69 key y
  628.69 voice rate 5
  628.69 say "y"
  628.69 voice rate 0
  628.71 say "     How many hours of rest"
  628.74 key 8
  628.74 voice rate 5
  628.74 say "8"
  628.74 voice rate 0
  628.77 key enter
  628.79 play 24 volume 0 pan 0 frequency 22051
  631.49 stop 24
  631.51 play 24 volume 0 pan 0 frequency 22051
  634.21 stop 24
  634.23 play 24 volume 0 pan 0 frequency 22051
  636.93 stop 24
  636.95 play 24 volume 0 pan 0 frequency 22051
  639.65 stop 24
  639.67 play 24 volume 0 pan 0 frequency 22051
  642.37 stop 24
  642.39 play 24 volume 0 pan 0 frequency 22051
  645.09 stop 24
  645.11 play 24 volume 0 pan 0 frequency 22051
  647.81 stop 24
  647.83 play 24 volume 0 pan 0 frequency 22051
  650.53 stop 24
  650.55 play 23 volume 0 pan 0 frequency 22051
  653.75 stop 23
  653.75 say " Day Thursday"
  653.75 say " Time:  8 A.M. "
  656.03 play 44 volume 0 pan 0 frequency 22051
  668.04 play 46 looped volume -10000 pan 0 frequency 22055
  669.53 stop 44
  669.53 say " How fast do you wish to go? "
  669.58 key 5
  669.58 voice rate 5
  669.58 say "5"
  669.58 voice rate 0
  669.63 key 5
  669.63 voice rate 5
  669.63 say "5"
  669.63 voice rate 0
  669.65 play 22 volume 0 pan 0 frequency 22051
  671.25 stop 22
  671.25 draw 0.726690
  671.25 draw 0.139467
  671.25 draw 0.313819
  671.25 draw 0.419583
  671.38 play 7 volume 0 pan -1500 frequency 22051
  678.38 stop 7
  678.38 say " Day Thursday"
  678.38 say " Time:  9 A.M. "
  680.66 draw 0.877212
  680.66 say " Approximate fuel  179"
  680.66 say "Speed  55"
  680.66 say "        Odometer:  1355"
  680.66 say "Miles to go:  1355"
  680.66 say " Cruising on I-80 in Nebraska"
  680.66 say " You are feeling rested & rearing to go."
  680.66 draw 0.153740
  680.66 say " Current weather: clear & dry"
  680.66 say " How fast do you wish to go? "
  680.71 key 5
  680.71 voice rate 5
  680.71 say "5"
  680.71 voice rate 0
  680.76 key 5
  680.76 voice rate 5
  680.76 say "5"
  680.76 voice rate 0
  680.78 play 22 volume 0 pan 0 frequency 22051
  682.38 stop 22
  682.38 draw 0.880125
  682.38 draw 0.798964
  682.38 draw 0.971624
  682.38 draw 0.367703
  682.51 play 18 volume 0 pan -1500 frequency 22051
  687.51 stop 18
  687.51 say " Day Thursday"
  687.51 say " Time:  10 A.M. "
  689.85 draw 0.204940
  689.85 say " Approximate fuel  160"
  689.85 say "Speed  55"
  689.85 say "        Odometer:  1410"
  689.85 say "Miles to go:  1300"
  689.85 say " Cruising on I-80 in Nebraska"
  689.85 say " You are feeling rested & rearing to go."
  689.85 draw 0.240570
  689.85 say " Current weather: clear & dry"
  689.85 say " How fast do you wish to go? "
  689.90 key 5
  689.90 voice rate 5
  689.90 say "5"
  689.90 voice rate 0
  689.95 key 5
  689.95 voice rate 5
  689.95 say "5"
  689.95 voice rate 0
  689.97 play 22 volume 0 pan 0 frequency 22051
  691.57 stop 22
  691.57 draw 0.827863
  691.57 draw 0.965228
  691.57 draw 0.698810
  694.96 say " Day Thursday"
  694.96 say " Time:  11 A.M. "
  697.30 draw 0.482497
  697.30 say " Approximate fuel  151"
  697.30 say "Speed  55"
  697.30 say "        Odometer:  1465"
  697.30 say "Miles to go:  1245"
  697.30 say " You have just past Omaha"
  704.62 draw 0.287050
  704.62 say " Cruising on I-80 in Iowa"
  704.62 say " You are feeling rested & rearing to go."
  704.62 draw 0.833688
  704.62 say " Current weather: clear, but roadway is wet"
  704.62 say " How fast do you wish to go? "
  704.67 key 5
  704.67 voice rate 5
  704.67 say "5"
  704.67 voice rate 0
  704.72 key 5
  704.72 voice rate 5
  704.72 say "5"
  704.72 voice rate 0
  704.74 play 22 volume 0 pan 0 frequency 22051
  706.34 stop 22
  706.34 draw 0.872180
  706.34 draw 0.092132
  706.34 draw 0.215949
  709.73 say " Day Thursday"
  709.73 say " Time:  12 Noon"
  712.01 draw 0.831761
  712.01 say " Approximate fuel  142"
  712.01 say "Speed  55"
  712.01 say "        Odometer:  1520"
  712.01 say "Miles to go:  1190"
  712.01 say " Cruising on I-80 in Iowa"
  712.01 say " You are feeling fine"
  712.01 draw 0.848304
  712.01 say " Current weather: light snow"
  712.01 play 20 looped volume 0 pan 0
  712.01 say " Truck stop ahead.  Do you want to stop? "
  712.03 say " yes "
  712.06 key n
  712.06 voice rate 5
  712.06 say "n"
  712.06 voice rate 0
  712.06 say " How fast do you wish to go? "
  712.11 key 5
  712.11 voice rate 5
  712.11 say "5"
  712.11 voice rate 0
  712.16 key 5
  712.16 voice rate 5
  712.16 say "5"
  712.16 voice rate 0
  712.18 play 22 volume 0 pan 0 frequency 22051
  713.78 stop 22
  713.78 draw 0.314653
  713.78 draw 0.279295
  713.78 draw 0.430815
  713.78 draw 0.539447
  713.91 play 9 volume 0 pan 1500 frequency 22051
  718.91 stop 9
  718.91 say " Day Thursday"
  718.91 say " Time:  1 P.M. "
  721.19 draw 0.095567
  721.19 say " Approximate fuel  123"
  721.19 say "Speed  55"
  721.19 say "        Odometer:  1575"
  721.19 say "Miles to go:  1135"
  721.19 say " Cruising on I-80 in Iowa"
  721.19 say " You are feeling fine"
  721.19 draw 0.836912
  721.19 say " Current weather: light snow"
  721.19 say " Truck stop ahead.  Do you want to stop? "
  721.21 say " yes "
  721.24 key n
  721.24 voice rate 5
  721.24 say "n"
  721.24 voice rate 0
  721.24 say " How fast do you wish to go? "
  721.29 key 5
  721.29 voice rate 5
  721.29 say "5"
  721.29 voice rate 0
  721.34 key 5
  721.34 voice rate 5
  721.34 say "5"
  721.34 voice rate 0
  721.36 play 22 volume 0 pan 0 frequency 22051
  722.96 stop 22
  722.96 draw 0.534735
  722.96 draw 0.774968
  722.96 draw 0.230836
  726.35 say " Day Thursday"
  726.35 say " Time:  2 P.M. "
  728.63 draw 0.965293
  728.63 say " Approximate fuel  119"
  728.63 say "Speed  55"
  728.63 say "        Odometer:  1630"
  728.63 say "Miles to go:  1080"
  728.63 say " You have just past Demoines"
  736.13 draw 0.751027
  736.13 draw 0.343094
  736.13 say " You were just clocked by radar at  54.7 MPH."
  736.13 say "     No ticket this time."
  736.13 say " Cruising on I-80 in Iowa"
  736.13 say " You are feeling   bored"
  736.13 draw 0.948528
  736.13 say " Current weather: light snow"
  736.13 say " Truck stop ahead.  Do you want to stop? "
  736.15 say " yes "
  736.18 key y
  736.18 voice rate 5
  736.18 say "y"
  736.18 voice rate 0
  736.18 draw 0.700512
  736.18 play 43 volume 0 pan 0 frequency 22051
  736.68 stop 46
  739.98 stop 20
  739.98 stop 43
  739.98 say " Diesel fuel costs "
  739.98 say "1 dollor, and,  9 cents"
  743.10 say " per gallon."
  743.10 say "     How many gallons do you want"
  743.15 key 7
  743.15 voice rate 5
  743.15 say "7"
  743.15 voice rate 0
  743.20 key 1
  743.20 voice rate 5
  743.20 say "1"
  743.20 voice rate 0
  743.25 key enter
  743.25 voice rate 5
  743.25 voice rate 0
  743.27 play 27 volume 0 pan 0 frequency 22051
  747.87 stop 27
  747.87 draw 0.840561
  747.89 play 40 volume 0 pan 0 frequency 22051
  749.79 stop 40
  749.79 say "Pay "
  749.79 say "77 dollors, and,  39 cents"
  752.19 say " So far, you have spent "
  752.19 say "784 dollors, and,  37 cents"
  755.85 say " Do you want to get some sleep? "
  755.87 say " yes "
  755.90 key y
  755.90 voice rate 5
  755.90 say "y"
  755.90 voice rate 0
  755.92 say "     How many hours of rest"
  755.95 key 8
  755.95 voice rate 5
  755.95 say "8"
  755.95 voice rate 0
  755.98 key enter
  756.00 play 25 volume 0 pan 0 frequency 22051
  758.90 stop 25
  758.92 play 25 volume 0 pan 0 frequency 22051
  761.82 stop 25
  761.84 play 25 volume 0 pan 0 frequency 22051
  764.74 stop 25
  764.76 play 25 volume 0 pan 0 frequency 22051
  767.66 stop 25
  767.68 play 25 volume 0 pan 0 frequency 22051
  770.58 stop 25
  770.60 play 25 volume 0 pan 0 frequency 22051
  773.50 stop 25
  773.52 play 25 volume 0 pan 0 frequency 22051
  776.42 stop 25
  776.44 play 25 volume 0 pan 0 frequency 22051
  779.34 stop 25
  779.34 say " Thanks to the daytime noise, you got only 4hours real sleep."
  783.32 play 23 volume 0 pan 0 frequency 22051
  786.52 stop 23
  786.52 say " Day Thursday"
  786.52 say " Time:  11 P.M. "
  788.86 play 44 volume 0 pan 0 frequency 22051
  788.86 play 20 looped volume 0 pan 0
  800.87 play 46 looped volume -10000 pan 0 frequency 22055
  802.36 stop 44
  802.36 say " How fast do you wish to go? "
  802.41 key 5
  802.41 voice rate 5
  802.41 say "5"
  802.41 voice rate 0
  802.46 key 5
  802.46 voice rate 5
  802.46 say "5"
  802.46 voice rate 0
  802.48 play 22 volume 0 pan 0 frequency 22051
  804.08 stop 22
  804.08 draw 0.045497
  804.08 draw 0.055642
  804.08 draw 0.742737
  804.08 draw 0.304686
  804.21 play 14 volume 0 pan -1500 frequency 22051
  810.21 stop 14
  810.21 say " Day Friday"
  810.21 say " Time:  12 Midnight"
  812.61 draw 0.516784
  812.61 say " Approximate fuel  174"
  812.61 say "Speed  55"
  812.61 say "        Odometer:  1685"
  812.61 say "Miles to go:  1025"
  812.61 say " Cruising on I-80 in Iowa"
  812.61 say " You are feeling rested & rearing to go."
  812.61 draw 0.156262
  812.61 say " Current weather: clear & dry"
  812.61 stop 20
  812.61 say " How fast do you wish to go? "
  812.66 key 5
  812.66 voice rate 5
  812.66 say "5"
  812.66 voice rate 0
  812.71 key 5
  812.71 voice rate 5
  812.71 say "5"
  812.71 voice rate 0
  812.73 play 22 volume 0 pan 0 frequency 22051
  814.33 stop 22
  814.33 draw 0.977952
  814.33 draw 0.502751
  814.33 draw 0.829001
  817.72 say " Day Friday"
  817.72 say " Time:  1 A.M. "
  819.88 draw 0.074038
  819.88 say " Approximate fuel  157"
  819.88 say "Speed  55"
  819.88 say "        Odometer:  1740"
  819.88 say "Miles to go:  970"
  819.88 say " Cruising on I-80 in Iowa"
  819.88 say " You are feeling rested & rearing to go."
  819.88 draw 0.478915
  819.88 say " Current weather: clear & dry"
  819.88 say " How fast do you wish to go? "
  819.93 key 5
  819.93 voice rate 5
  819.93 say "5"
  819.93 voice rate 0
  819.98 key 5
  819.98 voice rate 5
  819.98 say "5"
  819.98 voice rate 0
  820.00 play 22 volume 0 pan 0 frequency 22051
  821.60 stop 22
  821.60 draw 0.062279
  821.60 draw 0.884241
  821.60 draw 0.445810
  821.60 draw 0.068550
  821.73 play 9 volume 0 pan -1500 frequency 22051
  826.73 stop 9
  826.73 say " Day Friday"
  826.73 say " Time:  2 A.M. "
  828.89 draw 0.076496
  828.89 say " Approximate fuel  145"
  828.89 say "Speed  55"
  828.89 say "        Odometer:  1795"
  828.89 say "Miles to go:  915"
  828.89 say " You have just past Illinois border"
  836.75 draw 0.538793
  836.75 say " Cruising on I-80 in Illinois"
  836.75 say " You are feeling fine"
  836.75 draw 0.075566
  836.75 say " Current weather: clear & dry"
  836.75 say " How fast do you wish to go? "
  836.80 key 5
  836.80 voice rate 5
  836.80 say "5"
  836.80 voice rate 0
  836.85 key 5
  836.85 voice rate 5
  836.85 say "5"
  836.85 voice rate 0
  836.87 play 22 volume 0 pan 0 frequency 22051
  838.47 stop 22
  838.47 draw 0.183772
  838.47 draw 0.436357
  838.47 draw 0.497783
  838.47 draw 0.583312
  838.60 play 10 volume 0 pan 1500 frequency 22051
  843.20 stop 10
  843.20 say " Day Friday"
  843.20 say " Time:  3 A.M. "
  845.36 draw 0.620513
  845.36 say " Approximate fuel  138"
  845.36 say "Speed  55"
  845.36 say "        Odometer:  1850"
  845.36 say "Miles to go:  860"
  845.36 say " Cruising on I-80 in Illinois"
  845.36 say " You are feeling fine"
  845.36 draw 0.372811
  845.36 say " Current weather: clear & dry"
  845.36 say " Truck stop ahead.  Do you want to stop? "
  845.38 say " yes "
  845.41 key y
  845.41 voice rate 5
  845.41 say "y"
  845.41 voice rate 0
  845.41 draw 0.618737
  845.41 play 43 volume 0 pan 0 frequency 22051
  845.91 stop 46
  849.21 stop 43
  849.21 say " Diesel fuel costs "
  849.21 say "1 dollor, and,  6 cents"
  852.33 say " per gallon."
  852.33 say "     How many gallons do you want"
  852.38 key 5
  852.38 voice rate 5
  852.38 say "5"
  852.38 voice rate 0
  852.43 key 2
  852.43 voice rate 5
  852.43 say "2"
  852.43 voice rate 0
  852.48 key enter
  852.48 voice rate 5
  852.48 voice rate 0
  852.50 play 27 volume 0 pan 0 frequency 22051
  857.10 stop 27
  857.10 draw 0.157245
  857.12 play 40 volume 0 pan 0 frequency 22051
  859.02 stop 40
  859.02 say "Pay "
  859.02 say "55 dollors, and,  12 cents"
  861.42 say " So far, you have spent "
  861.42 say "839 dollors, and,  49 cents"
  865.08 say " Do you want to get some sleep? "
  865.10 say " yes "
  865.13 key y
  865.13 voice rate 5
  865.13 say "y"
  865.13 voice rate 0
  865.15 say "     How many hours of rest"
  865.18 key 8
  865.18 voice rate 5
  865.18 say "8"
  865.18 voice rate 0
  865.21 key enter
  865.23 play 24 volume 0 pan 0 frequency 22051
  867.93 stop 24
  867.95 play 24 volume 0 pan 0 frequency 22051
  870.65 stop 24
  870.67 play 24 volume 0 pan 0 frequency 22051
  873.37 stop 24
  873.39 play 24 volume 0 pan 0 frequency 22051
  876.09 stop 24
  876.11 play 24 volume 0 pan 0 frequency 22051
  878.81 stop 24
  878.83 play 24 volume 0 pan 0 frequency 22051
  881.53 stop 24
  881.55 play 24 volume 0 pan 0 frequency 22051
  884.25 stop 24
  884.27 play 24 volume 0 pan 0 frequency 22051
  886.97 stop 24
  886.99 play 23 volume 0 pan 0 frequency 22051
  890.19 stop 23
  890.19 say " Day Friday"
  890.19 say " Time:  12 Noon"
  892.35 play 44 volume 0 pan 0 frequency 22051
  904.36 play 46 looped volume -10000 pan 0 frequency 22055
  905.85 stop 44
  905.85 say " How fast do you wish to go? "
  905.90 key 5
  905.90 voice rate 5
  905.90 say "5"
  905.90 voice rate 0
  905.95 key 5
  905.95 voice rate 5
  905.95 say "5"
  905.95 voice rate 0
  905.97 play 22 volume 0 pan 0 frequency 22051
  907.57 stop 22
  907.57 draw 0.275508
  907.57 draw 0.798718
  907.57 draw 0.153089
  910.96 say " Day Friday"
  910.96 say " Time:  1 P.M. "
  913.12 draw 0.223323
  913.12 say " Approximate fuel  174"
  913.12 say "Speed  55"
  913.12 say "        Odometer:  1905"
  913.12 say "Miles to go:  805"
  913.12 say " Cruising on I-80 in Illinois"
  913.12 say " You are feeling rested & rearing to go."
  913.12 draw 0.242978
  913.12 say " Current weather: clear & dry"
  913.12 say " How fast do you wish to go? "
  913.17 key 5
  913.17 voice rate 5
  913.17 say "5"
  913.17 voice rate 0
  913.22 key 5
  913.22 voice rate 5
  913.22 say "5"
  913.22 voice rate 0
  913.24 play 22 volume 0 pan 0 frequency 22051
  914.84 stop 22
  914.84 draw 0.479507
  914.84 draw 0.000746
  914.84 draw 0.030311
  918.23 say " Day Friday"
  918.23 say " Time:  2 P.M. "
  920.39 draw 0.461548
  920.39 say " Approximate fuel  164"
  920.39 say "Speed  55"
  920.39 say "        Odometer:  1960"
  920.39 say "Miles to go:  750"
  920.39 say " You have just past Gary"
  927.80 play 45 volume 0 pan 0 frequency 22051
  928.30 stop 46
  930.80 stop 45
  930.80 say " STOP!   Pay toll of $ 50"
  932.83 play 40 volume 0 pan 0 frequency 22051
  934.73 stop 40
  934.73 play 44 volume 0 pan 0 frequency 22051
  946.74 play 46 looped volume -10000 pan 0 frequency 22055
  948.23 stop 44
  948.23 say " Cruising on Indianna Turnpike"
  948.23 say " You are feeling rested & rearing to go."
  948.23 draw 0.162521
  948.23 say " Current weather: clear & dry"
  948.23 say " How fast do you wish to go? "
  948.28 key 5
  948.28 voice rate 5
  948.28 say "5"
  948.28 voice rate 0
  948.33 key 5
  948.33 voice rate 5
  948.33 say "5"
  948.33 voice rate 0
  948.35 play 22 volume 0 pan 0 frequency 22051
  949.95 stop 22
  949.95 draw 0.679502
  949.95 draw 0.795205
  949.95 draw 0.578163
  953.34 say " Day Friday"
  953.34 say " Time:  3 P.M. "
  955.50 draw 0.694765
  955.50 say " Approximate fuel  154"
  955.50 say "Speed  55"
  955.50 say "        Odometer:  2015"
  955.50 say "Miles to go:  695"
  955.50 say " Cruising on Indianna Turnpike"
  955.50 say " You are feeling rested & rearing to go."
  955.50 draw 0.390958
  955.50 say " Current weather: clear & dry"
  955.50 say " How fast do you wish to go? "
  955.55 key 5
  955.55 voice rate 5
  955.55 say "5"
  955.55 voice rate 0
  955.60 key 5
  955.60 voice rate 5
  955.60 say "5"
  955.60 voice rate 0
  955.62 play 22 volume 0 pan 0 frequency 22051
  957.22 stop 22
  957.22 draw 0.046296
  957.22 draw 0.439422
  957.22 draw 0.371980
  958.25 play 8 volume 0 pan 0 frequency 22051
  964.25 stop 8
  964.25 say " Day Friday"
  964.25 say " Time:  4 P.M. "
  966.41 draw 0.597003
  966.41 say " Approximate fuel  141"
  966.41 say "Speed  55"
  966.41 say "        Odometer:  2070"
  966.41 say "Miles to go:  640"
  966.41 say " You have just past Ohio border"
  974.24 play 45 volume 0 pan 0 frequency 22051
  974.74 stop 46
  977.24 stop 45
  977.24 say " STOP!   Pay toll of $ 45"
  979.27 play 40 volume 0 pan 0 frequency 22051
  981.17 stop 40
  981.17 play 44 volume 0 pan 0 frequency 22051
  993.18 play 46 looped volume -10000 pan 0 frequency 22055
  994.67 stop 44
  994.67 say " Cruising on Ohio Turnpike"
  994.67 say " You are feeling fine"
  994.67 draw 0.134218
  994.67 say " Current weather: clear & dry"
  994.67 say " Truck stop ahead.  Do you want to stop? "
  994.69 say " yes "
  994.72 key n
  994.72 voice rate 5
  994.72 say "n"
  994.72 voice rate 0
  994.72 say " How fast do you wish to go? "
  994.77 key 5
  994.77 voice rate 5
  994.77 say "5"
  994.77 voice rate 0
  994.82 key 5
  994.82 voice rate 5
  994.82 say "5"
  994.82 voice rate 0
  994.84 play 22 volume 0 pan 0 frequency 22051
  996.44 stop 22
  996.44 draw 0.227713
  996.44 draw 0.814782
  996.44 draw 0.264326
  996.44 draw 0.410320
  997.47 play 6 volume 0 pan -1500 frequency 22051
 1001.67 stop 6
 1001.67 say " Day Friday"
 1001.67 say " Time:  5 P.M. "
 1003.83 draw 0.935972
 1003.83 say " Approximate fuel  132"
 1003.83 say "Speed  55"
 1003.83 say "        Odometer:  2125"
 1003.83 say "Miles to go:  585"
 1003.83 say " Cruising on Ohio Turnpike"
 1003.83 say " You are feeling fine"
 1003.83 draw 0.275552
 1003.83 say " Current weather: clear & dry"
 1003.83 say " Truck stop ahead.  Do you want to stop? "
 1003.85 say " yes "
 1003.88 key n
 1003.88 voice rate 5
 1003.88 say "n"
 1003.88 voice rate 0
 1003.88 say " How fast do you wish to go? "
 1003.93 key 5
 1003.93 voice rate 5
 1003.93 say "5"
 1003.93 voice rate 0
 1003.98 key 5
 1003.98 voice rate 5
 1003.98 say "5"
 1003.98 voice rate 0
 1004.00 play 22 volume 0 pan 0 frequency 22051
 1005.60 stop 22
 1005.60 draw 0.145290
 1005.60 draw 0.702020
 1005.60 draw 0.567067
 1005.60 draw 0.611594
 1005.73 play 11 volume 0 pan 1500 frequency 22051
 1010.23 stop 11
 1010.23 say " Day Friday"
 1010.23 say " Time:  6 P.M. "
 1012.39 draw 0.042031
 1012.39 say " Approximate fuel  111"
 1012.39 say "Speed  55"
 1012.39 say "        Odometer:  2180"
 1012.39 say "Miles to go:  530"
 1012.39 say " Cruising on Ohio Turnpike"
 1012.39 say " You are feeling   bored"
 1012.39 draw 0.417267
 1012.39 say " Current weather: clear & dry"
 1012.39 say " Truck stop ahead.  Do you want to stop? "
 1012.41 say " yes "
 1012.44 key y
 1012.44 voice rate 5
 1012.44 say "y"
 1012.44 voice rate 0
 1012.44 draw 0.004266
 1012.44 play 43 volume 0 pan 0 frequency 22051
 1012.94 stop 46
 1016.24 stop 43
 1016.24 say " Diesel fuel costs "
 1016.24 say " 85 cents"
 1018.52 say " per gallon."
 1018.52 say "     How many gallons do you want"
 1018.57 key 7
 1018.57 voice rate 5
 1018.57 say "7"
 1018.57 voice rate 0
 1018.62 key 9
 1018.62 voice rate 5
 1018.62 say "9"
 1018.62 voice rate 0
 1018.67 key enter
 1018.67 voice rate 5
 1018.67 voice rate 0
 1018.69 play 27 volume 0 pan 0 frequency 22051
 1023.29 stop 27
 1023.29 draw 0.246535
 1023.31 play 40 volume 0 pan 0 frequency 22051
 1025.21 stop 40
 1025.21 say "Pay "
 1025.21 say "67 dollors, and,  15 cents"
 1027.61 say " So far, you have spent "
 1027.61 say "1,001 dollors, and,  64 cents"
 1031.39 say " Do you want to get some sleep? "
 1031.41 say " yes "
 1031.44 key y
 1031.44 voice rate 5
 1031.44 say "y"
 1031.44 voice rate 0
 1031.46 say "     How many hours of rest"
 1031.49 key 8
 1031.49 voice rate 5
 1031.49 say "8"
 1031.49 voice rate 0
 1031.52 key enter
 1031.54 play 25 volume 0 pan 0 frequency 22051
 1034.44 stop 25
 1034.46 play 25 volume 0 pan 0 frequency 22051
 1037.36 stop 25
 1037.38 play 25 volume 0 pan 0 frequency 22051
 1040.28 stop 25
 1040.30 play 25 volume 0 pan 0 frequency 22051
 1043.20 stop 25
 1043.22 play 25 volume 0 pan 0 frequency 22051
 1046.12 stop 25
 1046.14 play 25 volume 0 pan 0 frequency 22051
 1049.04 stop 25
 1049.06 play 25 volume 0 pan 0 frequency 22051
 1051.96 stop 25
 1051.98 play 25 volume 0 pan 0 frequency 22051
 1054.88 stop 25
 1054.88 say " Thanks to the daytime noise, you got only 4hours real sleep."
 1058.86 play 23 volume 0 pan 0 frequency 22051
 1062.06 stop 23
 1062.06 say " Day Saturday"
 1062.06 say " Time:  3 A.M. "
 1064.34 play 44 volume 0 pan 0 frequency 22051
 1076.35 play 46 looped volume -10000 pan 0 frequency 22055
 1077.84 stop 44
 1077.84 say " How fast do you wish to go? "
 1077.89 key 5
 1077.89 voice rate 5
 1077.89 say "5"
 1077.89 voice rate 0
 1077.94 key 5
 1077.94 voice rate 5
 1077.94 say "5"
 1077.94 voice rate 0
 1077.96 play 22 volume 0 pan 0 frequency 22051
 1079.56 stop 22
 1079.56 draw 0.706056
 1079.56 draw 0.061541
 1079.56 draw 0.294693
 1082.95 say " Day Saturday"
 1082.95 say " Time:  4 A.M. "
 1085.23 draw 0.988113
 1085.23 say " Approximate fuel  187"
 1085.23 say "Speed  55"
 1085.23 say "        Odometer:  2235"
 1085.23 say "Miles to go:  475"
 1085.23 say " You have just past Cleveland"
 1092.94 play 45 volume 0 pan 0 frequency 22051
 1093.44 stop 46
 1095.94 stop 45
 1095.94 say " STOP!   Pay toll of $ 80"
 1097.97 play 40 volume 0 pan 0 frequency 22051
 1099.87 stop 40
 1099.87 play 44 volume 0 pan 0 frequency 22051
 1111.88 play 46 looped volume -10000 pan 0 frequency 22055
 1113.37 stop 44
 1113.37 say " Cruising on I-80 in Ohio"
 1113.37 say " You are feeling rested & rearing to go."
 1113.37 draw 0.971222
 1113.37 say " Current weather: BLIZZARD  !!"
 1113.37 play 20 looped volume 0 pan 0
 1113.37 play 21 looped volume 0 pan 0
 1113.37 say " How fast do you wish to go? "
 1113.42 key 5
 1113.42 voice rate 5
 1113.42 say "5"
 1113.42 voice rate 0
 1113.47 key 5
 1113.47 voice rate 5
 1113.47 say "5"
 1113.47 voice rate 0
 1113.49 play 22 volume 0 pan 0 frequency 22051
 1115.09 stop 22
 1115.09 draw 0.481846
 1115.09 draw 0.735693
 1115.09 draw 0.632656
 1115.09 draw 0.465693
 1115.22 play 12 volume 0 pan -1500 frequency 22051
 1121.42 stop 12
 1121.42 say " Day Saturday"
 1121.42 say " Time:  5 A.M. "
 1123.70 draw 0.857066
 1123.70 say " Approximate fuel  173"
 1123.70 say "Speed  55"
 1123.70 say "        Odometer:  2290"
 1123.70 say "Miles to go:  420"
 1123.70 say " You have just past Pennsylvania border"
 1131.80 draw 0.172518
 1131.80 draw 0.828432
 1131.80 say " You were just clocked by radar at  57.1 MPH."
 1131.80 say "     No ticket this time."
 1131.80 say " Cruising on I-80 in Pennsylvania"
 1131.80 say " You are feeling rested & rearing to go."
 1131.80 draw 0.042070
 1131.80 say " Current weather: clear, but roadway is wet"
 1131.80 stop 20
 1131.80 stop 21
 1131.80 say " How fast do you wish to go? "
 1131.85 key 5
 1131.85 voice rate 5
 1131.85 say "5"
 1131.85 voice rate 0
 1131.90 key 5
 1131.90 voice rate 5
 1131.90 say "5"
 1131.90 voice rate 0
 1131.92 play 22 volume 0 pan 0 frequency 22051
 1133.52 stop 22
 1133.52 draw 0.866954
 1133.52 draw 0.675997
 1133.52 draw 0.445914
 1133.52 draw 0.671570
 1133.65 play 9 volume 0 pan 1500 frequency 22051
 1138.65 stop 9
 1138.65 say " Day Saturday"
 1138.65 say " Time:  6 A.M. "
 1140.93 draw 0.460369
 1140.93 say " Approximate fuel  157"
 1140.93 say "Speed  55"
 1140.93 say "        Odometer:  2345"
 1140.93 say "Miles to go:  365"
 1140.93 say " Cruising on I-80 in Pennsylvania"
 1140.93 say " You are feeling fine"
 1140.93 draw 0.780003
 1140.93 say " Current weather: light snow"
 1140.93 play 20 looped volume 0 pan 0
 1140.93 say " How fast do you wish to go? "
 1140.98 key 5
 1140.98 voice rate 5
 1140.98 say "5"
 1140.98 voice rate 0
 1141.03 key 5
 1141.03 voice rate 5
 1141.03 say "5"
 1141.03 voice rate 0
 1141.05 play 22 volume 0 pan 0 frequency 22051
 1142.65 stop 22
 1142.65 draw 0.113444
 1142.65 draw 0.508157
 1142.65 draw 0.871490
 1142.65 draw 0.927529
 1143.68 play 16 volume 0 pan 1500 frequency 22051
 1148.68 stop 16
 1148.68 say " Day Saturday"
 1148.68 say " Time:  7 A.M. "
 1150.96 draw 0.220336
 1150.96 say " Approximate fuel  143"
 1150.96 say "Speed  55"
 1150.96 say "        Odometer:  2400"
 1150.96 say "Miles to go:  310"
 1150.96 say " Cruising on I-80 in Pennsylvania"
 1150.96 say " You are feeling fine"
 1150.96 draw 0.251930
 1150.96 say " Current weather: clear & dry"
 1150.96 stop 20
 1150.96 say " Truck stop ahead.  Do you want to stop? "
 1150.98 say " yes "
 1151.01 key n
 1151.01 voice rate 5
 1151.01 say "n"
 1151.01 voice rate 0
 1151.01 say " How fast do you wish to go? "
 1151.06 key 5
 1151.06 voice rate 5
 1151.06 say "5"
 1151.06 voice rate 0
 1151.11 key 5
 1151.11 voice rate 5
 1151.11 say "5"
 1151.11 voice rate 0
 1151.13 play 22 volume 0 pan 0 frequency 22051
 1152.73 stop 22
 1152.73 draw 0.904012
 1152.73 draw 0.345517
 1152.73 draw 0.056873
 1156.12 say " Day Saturday"
 1156.12 say " Time:  8 A.M. "
 1158.40 draw 0.714887
 1158.40 say " Approximate fuel  135"
 1158.40 say "Speed  55"
 1158.40 say "        Odometer:  2455"
 1158.40 say "Miles to go:  255"
 1158.40 say " Cruising on I-80 in Pennsylvania"
 1158.40 say " You are feeling fine"
 1158.40 draw 0.414419
 1158.40 say " Current weather: clear & dry"
 1158.40 say " Truck stop ahead.  Do you want to stop? "
 1158.42 say " yes "
 1158.45 key n
 1158.45 voice rate 5
 1158.45 say "n"
 1158.45 voice rate 0
 1158.45 say " How fast do you wish to go? "
 1158.50 key 5
 1158.50 voice rate 5
 1158.50 say "5"
 1158.50 voice rate 0
 1158.55 key 5
 1158.55 voice rate 5
 1158.55 say "5"
 1158.55 voice rate 0
 1158.57 play 22 volume 0 pan 0 frequency 22051
 1160.17 stop 22
 1160.17 draw 0.735324
 1160.17 draw 0.477092
 1160.17 draw 0.500566
 1160.17 draw 0.417562
 1160.29 play 10 volume 0 pan -1500 frequency 22051
 1164.89 stop 10
 1164.89 say " Day Saturday"
 1164.89 say " Time:  9 A.M. "
 1167.17 draw 0.290485
 1167.17 say " Approximate fuel  119"
 1167.17 say "Speed  55"
 1167.17 say "        Odometer:  2510"
 1167.17 say "Miles to go:  200"
 1167.17 say " Cruising on I-80 in Pennsylvania"
 1167.17 say " You are feeling   bored"
 1167.17 draw 0.900711
 1167.17 say " Current weather: BLIZZARD  !!"
 1167.17 play 20 looped volume 0 pan 0
 1167.17 play 21 looped volume 0 pan 0
 1167.17 say " Truck stop ahead.  Do you want to stop? "
 1167.19 say " yes "
 1167.22 key y
 1167.22 voice rate 5
 1167.22 say "y"
 1167.22 voice rate 0
 1167.22 draw 0.668788
 1167.22 play 43 volume 0 pan 0 frequency 22051
 1167.72 stop 46
 1171.02 stop 20
 1171.02 stop 43
 1171.02 say " Diesel fuel costs "
 1171.02 say "1 dollor, and,  8 cents"
 1174.14 say " per gallon."
 1174.14 say "     How many gallons do you want"
 1174.19 key 7
 1174.19 voice rate 5
 1174.19 say "7"
 1174.19 voice rate 0
 1174.24 key 1
 1174.24 voice rate 5
 1174.24 say "1"
 1174.24 voice rate 0
 1174.29 key enter
 1174.29 voice rate 5
 1174.29 voice rate 0
 1174.31 play 27 volume 0 pan 0 frequency 22051
 1178.91 stop 27
 1178.91 draw 0.788832
 1178.93 play 40 volume 0 pan 0 frequency 22051
 1180.83 stop 40
 1180.83 say "Pay "
 1180.83 say "76 dollors, and,  68 cents"
 1183.23 say " So far, you have spent "
 1183.23 say "1,158 dollors, and,  32 cents"
 1187.01 say " Do you want to get some sleep? "
 1187.03 say " yes "
 1187.06 key y
 1187.06 voice rate 5
 1187.06 say "y"
 1187.06 voice rate 0
 1187.08 say "     How many hours of rest"
 1187.11 key 8
 1187.11 voice rate 5
 1187.11 say "8"
 1187.11 voice rate 0
 1187.14 key enter
 1187.16 play 25 volume 0 pan 0 frequency 22051
 1190.06 stop 25
 1190.08 play 25 volume 0 pan 0 frequency 22051
 1192.98 stop 25
 1193.00 play 25 volume 0 pan 0 frequency 22051
 1195.90 stop 25
 1195.92 play 25 volume 0 pan 0 frequency 22051
 1198.82 stop 25
 1198.84 play 25 volume 0 pan 0 frequency 22051
 1201.74 stop 25
 1201.76 play 25 volume 0 pan 0 frequency 22051
 1204.66 stop 25
 1204.68 play 25 volume 0 pan 0 frequency 22051
 1207.58 stop 25
 1207.60 play 25 volume 0 pan 0 frequency 22051
 1210.50 stop 25
 1210.50 say " Thanks to the daytime noise, you got only 4hours real sleep."
 1214.48 play 23 volume 0 pan 0 frequency 22051
 1217.68 stop 23
 1217.68 say " Day Saturday"
 1217.68 say " Time:  6 P.M. "
 1219.96 play 44 volume 0 pan 0 frequency 22051
 1219.96 play 20 looped volume 0 pan 0
 1231.97 play 46 looped volume -10000 pan 0 frequency 22055
 1233.46 stop 44
 1233.46 say " How fast do you wish to go? "
 1233.51 key 5
 1233.51 voice rate 5
 1233.51 say "5"
 1233.51 voice rate 0
 1233.56 key 5
 1233.56 voice rate 5
 1233.56 say "5"
 1233.56 voice rate 0
 1233.58 play 22 volume 0 pan 0 frequency 22051
 1235.18 stop 22
 1235.18 draw 0.895740
 1235.18 draw 0.250189
 1235.18 draw 0.919821
 1235.18 draw 0.862605
 1235.30 play 17 volume 0 pan 1500 frequency 22051
 1240.30 stop 17
 1240.30 say " Day Saturday"
 1240.30 say " Time:  7 P.M. "
 1242.58 draw 0.506085
 1242.58 say " Approximate fuel  180"
 1242.58 say "Speed  55"
 1242.58 say "        Odometer:  2565"
 1242.58 say "Miles to go:  145"
 1242.58 say " Cruising on I-80 in Pennsylvania"
 1242.58 say " You are feeling fine"
 1242.58 draw 0.567902
 1242.58 say " Current weather: clear, but roadway is wet"
 1242.58 stop 20
 1242.58 stop 21
 1242.58 say " How fast do you wish to go? "
 1242.63 key 5
 1242.63 voice rate 5
 1242.63 say "5"
 1242.63 voice rate 0
 1242.68 key 5
 1242.68 voice rate 5
 1242.68 say "5"
 1242.68 voice rate 0
 1242.70 play 22 volume 0 pan 0 frequency 22051
 1244.30 stop 22
 1244.30 draw 0.114932
 1244.30 draw 0.762116
 1244.30 draw 0.173225
 1247.69 say " Day Saturday"
 1247.69 say " Time:  8 P.M. "
 1249.97 draw 0.533836
 1249.97 say " Approximate fuel  168"
 1249.97 say "Speed  55"
 1249.97 say "        Odometer:  2620"
 1249.97 say "Miles to go:  90"
 1249.97 say " You have just past East Stroudsberg"
 1257.83 draw 0.126437
 1257.83 say " Cruising on I-80 in New Jersey"
 1257.83 say " You are feeling fine"
 1257.83 draw 0.072917
 1257.83 say " Current weather: clear & dry"
 1257.83 say " How fast do you wish to go? "
 1257.88 key 5
 1257.88 voice rate 5
 1257.88 say "5"
 1257.88 voice rate 0
 1257.93 key 5
 1257.93 voice rate 5
 1257.93 say "5"
 1257.93 voice rate 0
 1257.95 play 22 volume 0 pan 0 frequency 22051
 1259.55 stop 22
 1259.55 draw 0.609027
 1259.55 draw 0.491203
 1259.55 draw 0.674810
 1259.55 draw 0.790854
 1260.58 play 13 volume 0 pan 1500 frequency 22051
 1266.58 stop 13
 1266.58 say " Day Saturday"
 1266.58 say " Time:  9 P.M. "
 1268.86 draw 0.982687
 1268.86 say " Approximate fuel  160"
 1268.86 say "Speed  55"
 1268.86 say "        Odometer:  2675"
 1268.86 say "Miles to go:  35"
 1268.86 say " You have just past Washington Bridge"
 1276.99 play 45 volume 0 pan 0 frequency 22051
 1277.49 stop 46
 1279.99 stop 45
 1279.99 say " STOP!   Pay toll of $ 20"
 1282.02 play 40 volume 0 pan 0 frequency 22051
 1283.92 stop 40
 1283.92 play 44 volume 0 pan 0 frequency 22051
 1295.93 play 46 looped volume -10000 pan 0 frequency 22055
 1297.42 stop 44
 1297.42 say " Cruising on city streets"
 1297.42 say " You are feeling fine"
 1297.42 draw 0.084081
 1297.42 say " Current weather: clear & dry"
 1297.42 say " How fast do you wish to go? "
 1297.47 key 5
 1297.47 voice rate 5
 1297.47 say "5"
 1297.47 voice rate 0
 1297.52 key 5
 1297.52 voice rate 5
 1297.52 say "5"
 1297.52 voice rate 0
 1297.54 play 22 volume 0 pan 0 frequency 22051
 1299.14 stop 22
 1299.14 draw 0.631212
 1299.14 draw 0.576975
 1299.14 draw 0.650642
 1299.14 play 45 volume 0 pan 0 frequency 22051
 1299.64 stop 46
 1302.14 stop 45
 1302.14 say " WELCOME TO NEW YORK"
 1303.87 play 34 volume 0 pan 0 frequency 22051
 1304.47 stop 34
 1304.49 play 34 volume 0 pan 0 frequency 22051
 1305.09 stop 34
 1305.11 play 35 volume 0 pan 0 frequency 22051
 1308.51 stop 35
 1308.53 play 34 volume 0 pan 0 frequency 22051
 1309.13 stop 34
 1309.13 say " Day Saturday"
 1309.13 say " Time:  10 P.M. "
 1311.47 say " The warehouse is closed for the night.  Come back tomorrow."
 1311.68 say " Day Sunday"
 1311.68 say " Time:  8 A.M. "
 1317.55 play 32 volume 0 pan 0 frequency 22051
 1322.15 stop 32
 1322.15 stop 20
 1322.15 stop 21
 1322.15 stop 46
 1322.15 say " You completed the trip in 6days."
 1322.15 say "     Trip expenses totaled "
 1322.15 say "1,178 dollors, and,  32 cents"
 1328.39 say "Truck payment, insurance and taxes cost "
 1328.39 say "595 dollors"
 1332.05 say " Postmaster pays 4.75 cents per pound on delivery."
 1332.05 say "Your net profit this trip was "
 1332.05 say "126 dollors, and,  68 cents"
 1339.37 say "     GOOD   WORK  !!"
 1339.37 say "     You'd make more money washing dishes !"
 1339.37 say " press any key "
 1339.40 key f2
 1339.40 say " You completed the trip in 6days."
 1339.40 say "     Trip expenses totaled "
 1339.40 say "1,178 dollors, and,  32 cents"
 1345.64 say "Truck payment, insurance and taxes cost "
 1345.64 say "595 dollors"
 1349.30 say " Postmaster pays 4.75 cents per pound on delivery."
 1349.30 say "Your net profit this trip was "
 1349.30 say "126 dollors, and,  68 cents"
 1356.62 say "     GOOD   WORK  !!"
 1356.62 say "     You'd make more money washing dishes !"
 1356.62 say " press any key "
 1356.65 key x
 1356.65 stop 20
 1356.65 stop 21
 1356.65 stop 46
 1356.65 draw 0.543179
 1356.67 play 41 volume 0 pan 0 frequency 22051
 1360.59 stop 41
 1360.59 draw 0.557367
 1360.59 draw 0.868555
 1360.61 play 30 volume 0 pan 0 frequency 22051
 1362.71 stop 30
 1362.73 play 1 volume 0 pan 0 frequency 22051
 1368.42 stop 1
 1368.42 say " Thank you for playing Dravlen By Brannock "
 1371.30 beep
 1371.41 beep
 1371.51 say "Sorry, but I could not find the Quillonwerk game menu program."
ended by the game
settings  0 
settings  0 
settings  90 
settings  0 
