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
   42.86 draw 0.892860
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
   45.08 draw 0.331980
   45.08 draw 0.821229
   45.08 draw 0.041697
   47.97 say " Day Monday"
   47.97 say " Time:  10 A.M. "
   50.19 draw 0.107657
   50.19 say " Approximate fuel  174"
   50.19 say "Speed  55"
   50.19 say "        Odometer:  55"
   50.19 say "Miles to go:  2795"
   50.19 say " Cruising on I-15 in California"
   50.19 say " You are feeling fine"
   50.19 draw 0.595052
   50.19 say " Current weather: clear & dry"
   50.19 say " How fast do you wish to go? "
   50.24 key 5
   50.24 voice rate 5
   50.24 say "5"
   50.24 voice rate 0
   50.29 key 5
   50.29 voice rate 5
   50.29 say "5"
   50.29 voice rate 0
   50.31 play 22 volume 0 pan 0 frequency 22051
   51.91 stop 22
   51.91 draw 0.529817
   51.91 draw 0.418807
   51.91 draw 0.335408
   55.30 say " Day Monday"
   55.30 say " Time:  11 A.M. "
   57.52 draw 0.622519
   57.52 say " Approximate fuel  167"
   57.52 say "Speed  55"
   57.52 say "        Odometer:  110"
   57.52 say "Miles to go:  2740"
   57.52 say " You have just past Barstow"
   64.90 draw 0.438141
   64.90 say " Cruising on I-40 in California"
   64.90 say " You are feeling fine"
   64.90 draw 0.735882
   64.90 say " Current weather: clear & dry"
   64.90 say " How fast do you wish to go? "
   64.95 key 5
   64.95 voice rate 5
   64.95 say "5"
   64.95 voice rate 0
   65.00 key 5
   65.00 voice rate 5
   65.00 say "5"
   65.00 voice rate 0
   65.02 play 22 volume 0 pan 0 frequency 22051
   66.62 stop 22
   66.62 draw 0.518036
   66.62 draw 0.578859
   66.62 draw 0.645355
   70.01 say " Day Monday"
   70.01 say " Time:  12 Noon"
   72.17 draw 0.990224
   72.17 say " Approximate fuel  159"
   72.17 say "Speed  55"
   72.17 say "        Odometer:  165"
   72.17 say "Miles to go:  2685"
   72.17 say " Cruising on I-40 in California"
   72.17 say " You are feeling fine"
   72.17 draw 0.819858
   72.17 say " Current weather: clear & dry"
   72.17 say " Truck stop ahead.  Do you want to stop? "
   72.19 say " yes "
   72.22 key n
   72.22 voice rate 5
   72.22 say "n"
   72.22 voice rate 0
   72.22 say " How fast do you wish to go? "
   72.27 key 5
   72.27 voice rate 5
   72.27 say "5"
   72.27 voice rate 0
   72.32 key 5
   72.32 voice rate 5
   72.32 say "5"
   72.32 voice rate 0
   72.34 play 22 volume 0 pan 0 frequency 22051
   73.94 stop 22
   73.94 draw 0.413201
   73.94 draw 0.876268
   73.94 draw 0.823759
   77.33 say " Day Monday"
   77.33 say " Time:  1 P.M. "
   79.49 draw 0.054475
   79.49 say " Approximate fuel  137"
   79.49 say "Speed  55"
   79.49 say "        Odometer:  220"
   79.49 say "Miles to go:  2630"
   79.49 say " Cruising on I-40 in California"
   79.49 say " You are feeling   bored"
   79.49 draw 0.718637
   79.49 say " Current weather: clear & dry"
   79.49 say " Truck stop ahead.  Do you want to stop? "
   79.51 say " yes "
   79.54 key y
   79.54 voice rate 5
   79.54 say "y"
   79.54 voice rate 0
   79.54 draw 0.802171
   79.54 play 43 volume 0 pan 0 frequency 22051
   80.04 stop 46
   83.34 stop 43
   83.34 say " Diesel fuel costs "
   83.34 say "1 dollor, and,  13 cents"
   86.52 say " per gallon."
   86.52 say "     How many gallons do you want"
   86.57 key enter
   86.57 voice rate 5
   86.57 voice rate 0
   86.57 draw 0.736407
   86.59 play 40 volume 0 pan 0 frequency 22051
   88.49 stop 40
   88.49 say " So far, you have spent "
   88.49 say "190 dollors"
   91.19 say " Do you want to get some sleep? "
   91.21 say " yes "
   91.24 key y
   91.24 voice rate 5
   91.24 say "y"
   91.24 voice rate 0
   91.26 say "     How many hours of rest"
   91.29 key period
   91.29 voice rate 5
   91.29 voice rate 0
   91.32 key 5
   91.32 voice rate 5
   91.32 say "5"
   91.32 voice rate 0
   91.35 key enter
   91.35 play 44 volume 0 pan 0 frequency 22051
  103.36 play 46 looped volume -10000 pan 0 frequency 22055
  104.85 stop 44
  104.85 say " How fast do you wish to go? "
  104.90 key 5
  104.90 voice rate 5
  104.90 say "5"
  104.90 voice rate 0
  104.95 key 5
  104.95 voice rate 5
  104.95 say "5"
  104.95 voice rate 0
  104.97 play 22 volume 0 pan 0 frequency 22051
  106.57 stop 22
  106.57 draw 0.709132
  106.57 draw 0.540937
  106.57 draw 0.124824
  106.57 draw 0.957647
  107.60 play 4 volume 0 pan 1500 frequency 22051
  112.60 stop 4
  112.60 say " Day Monday"
  112.60 say " Time:  3 P.M. "
  114.76 draw 0.403256
  114.76 say " Approximate fuel  128"
  114.76 say "Speed  55"
  114.76 say "        Odometer:  275"
  114.76 say "Miles to go:  2575"
  114.76 say " You have just past Needles"
  122.14 say " Time zone changes -- set clock ahead one hour."
  122.14 say " Day Monday"
  122.14 say " Time:  4 P.M. "
  127.42 say " Cruising on I-40 in California"
  127.42 say " You are feeling   bored"
  127.42 draw 0.216951
  127.42 say " Current weather: clear & dry"
  127.42 say " How fast do you wish to go? "
  127.47 key 5
  127.47 voice rate 5
  127.47 say "5"
  127.47 voice rate 0
  127.52 key 5
  127.52 voice rate 5
  127.52 say "5"
  127.52 voice rate 0
  127.54 play 22 volume 0 pan 0 frequency 22051
  129.14 stop 22
  129.14 draw 0.717276
  129.14 draw 0.994207
  129.14 draw 0.255614
  129.14 draw 0.671309
  130.17 play 6 volume 0 pan 1500 frequency 22051
  134.37 stop 6
  134.37 say " Day Monday"
  134.37 say " Time:  5 P.M. "
  136.53 draw 0.599006
  136.53 say " Approximate fuel  118"
  136.53 say "Speed  55"
  136.53 say "        Odometer:  330"
  136.53 say "Miles to go:  2520"
  136.53 say " Cruising on I-40 in California"
  136.53 say " You are feeling   bored"
  136.53 draw 0.717332
  136.53 say " Current weather: clear & dry"
  136.53 say " How fast do you wish to go? "
  136.58 key 5
  136.58 voice rate 5
  136.58 say "5"
  136.58 voice rate 0
  136.63 key 5
  136.63 voice rate 5
  136.63 say "5"
  136.63 voice rate 0
  136.65 play 22 volume 0 pan 0 frequency 22051
  138.25 stop 22
  138.25 draw 0.937350
  138.25 draw 0.351810
  138.25 draw 0.253634
  138.25 draw 0.402473
  139.28 play 6 volume 0 pan -1500 frequency 22051
  143.48 stop 6
  143.48 say " Day Monday"
  143.48 say " Time:  6 P.M. "
  145.64 draw 0.746511
  145.64 say " Approximate fuel  107"
  145.64 say "Speed  55"
  145.64 say "        Odometer:  385"
  145.64 say "Miles to go:  2465"
  145.64 say " Cruising on I-40 in California"
  145.64 say " You are feeling   bored"
  145.64 draw 0.724071
  145.64 say " Current weather: clear & dry"
  145.64 say " How fast do you wish to go? "
  145.69 key 5
  145.69 voice rate 5
  145.69 say "5"
  145.69 voice rate 0
  145.74 key 5
  145.74 voice rate 5
  145.74 say "5"
  145.74 voice rate 0
  145.76 play 22 volume 0 pan 0 frequency 22051
  147.36 stop 22
  147.36 draw 0.406108
  147.36 draw 0.989380
  147.36 draw 0.450499
  147.36 draw 0.373808
  147.49 play 9 volume 0 pan -1500 frequency 22051
  152.49 stop 9
  152.49 say " Day Monday"
  152.49 say " Time:  7 P.M. "
  154.65 draw 0.709629
  154.65 say " Approximate fuel  95"
  154.65 say "Speed  55"
  154.65 say "        Odometer:  440"
  154.65 say "Miles to go:  2410"
  154.65 say " You have just past Flagstaff"
  162.09 draw 0.082459
  162.09 say " Cruising on I-40 in Arizona"
  162.09 say " You are feeling   tired!!"
  162.09 draw 0.398373
  162.09 say " Current weather: clear & dry"
  162.09 say " Truck stop ahead.  Do you want to stop? "
  162.11 say " yes "
  162.14 key y
  162.14 voice rate 5
  162.14 say "y"
  162.14 voice rate 0
  162.14 draw 0.770881
  162.14 play 43 volume 0 pan 0 frequency 22051
  162.64 stop 46
  165.94 stop 43
  165.94 say " Diesel fuel costs "
  165.94 say "1 dollor, and,  11 cents"
  169.12 say " per gallon."
  169.12 say "     How many gallons do you want"
  169.17 key enter
  169.17 voice rate 5
  169.17 voice rate 0
  169.17 draw 0.764751
  169.19 play 40 volume 0 pan 0 frequency 22051
  171.09 stop 40
  171.09 say " So far, you have spent "
  171.09 say "190 dollors"
  173.79 say " Do you want to get some sleep? "
  173.81 say " yes "
  173.84 key y
  173.84 voice rate 5
  173.84 say "y"
  173.84 voice rate 0
  173.86 say "     How many hours of rest"
  173.89 key 8
  173.89 voice rate 5
  173.89 say "8"
  173.89 voice rate 0
  173.92 key enter
  173.94 play 24 volume 0 pan 0 frequency 22051
  176.64 stop 24
  176.66 play 24 volume 0 pan 0 frequency 22051
  179.36 stop 24
  179.38 play 24 volume 0 pan 0 frequency 22051
  182.08 stop 24
  182.10 play 24 volume 0 pan 0 frequency 22051
  184.80 stop 24
  184.82 play 24 volume 0 pan 0 frequency 22051
  187.52 stop 24
  187.54 play 24 volume 0 pan 0 frequency 22051
  190.24 stop 24
  190.26 play 24 volume 0 pan 0 frequency 22051
  192.96 stop 24
  192.98 play 24 volume 0 pan 0 frequency 22051
  195.68 stop 24
  195.70 play 23 volume 0 pan 0 frequency 22051
  198.90 stop 23
  198.90 say " Day Tuesday"
  198.90 say " Time:  4 A.M. "
  201.12 say " You now have  36 gallons of fuel."
  201.12 say " Do you want to buy more? "
  201.14 say " yes "
  201.17 key n
  201.17 voice rate 5
  201.17 say "n"
  201.17 voice rate 0
  201.17 play 44 volume 0 pan 0 frequency 22051
  213.18 play 46 looped volume -10000 pan 0 frequency 22055
  214.67 stop 44
  214.67 say " How fast do you wish to go? "
  214.72 key 5
  214.72 voice rate 5
  214.72 say "5"
  214.72 voice rate 0
  214.77 key 5
  214.77 voice rate 5
  214.77 say "5"
  214.77 voice rate 0
  214.79 play 22 volume 0 pan 0 frequency 22051
  216.39 stop 22
  216.39 draw 0.283859
  216.39 draw 0.189542
  216.39 draw 0.471251
  219.78 say " Day Tuesday"
  219.78 say " Time:  5 A.M. "
  222.00 draw 0.334806
  222.00 say " Approximate fuel  23"
  222.00 say "Speed  55"
  222.00 say "        Odometer:  495"
  222.00 say "Miles to go:  2355"
  222.00 say " Cruising on I-40 in Arizona"
  222.00 say " You are feeling rested & rearing to go."
  222.00 draw 0.734735
  222.00 say " Current weather: clear & dry"
  222.00 say " How fast do you wish to go? "
  222.05 key 5
  222.05 voice rate 5
  222.05 say "5"
  222.05 voice rate 0
  222.10 key 5
  222.10 voice rate 5
  222.10 say "5"
  222.10 voice rate 0
  222.12 play 22 volume 0 pan 0 frequency 22051
  223.72 stop 22
  223.72 draw 0.189107
  223.72 draw 0.331104
  223.72 draw 0.844228
  227.11 say " Day Tuesday"
  227.11 say " Time:  6 A.M. "
  229.33 draw 0.615024
  229.33 say " Approximate fuel  13"
  229.33 say "Speed  55"
  229.33 say "        Odometer:  550"
  229.33 say "Miles to go:  2300"
  229.33 say " Cruising on I-40 in Arizona"
  229.33 say " You are feeling rested & rearing to go."
  229.33 draw 0.885264
  229.33 say " Current weather: clear & dry"
  229.33 say " How fast do you wish to go? "
  229.38 key 5
  229.38 voice rate 5
  229.38 say "5"
  229.38 voice rate 0
  229.43 key 5
  229.43 voice rate 5
  229.43 say "5"
  229.43 voice rate 0
  229.45 play 22 volume 0 pan 0 frequency 22051
  231.05 stop 22
  231.05 draw 0.976553
  231.05 draw 0.836909
  236.06 draw 0.180825
  236.06 play 45 volume 0 pan 0 frequency 22051
  236.56 stop 46
  239.06 stop 45
  239.08 play 41 volume 0 pan 0 frequency 22051
  243.00 stop 41
  243.00 say " After 53more miles, you ran out of fuel  ( DUMMY !! )"
  246.54 say "     It cost $200 to get a barrel of diesel delivered."
  250.30 play 39 volume 0 pan 0 frequency 22051
  253.90 stop 39
  253.92 play 38 volume 0 pan 0 frequency 22051
  259.12 stop 38
  259.14 play 36 volume 0 pan 0 frequency 22051
  261.74 stop 36
  261.76 play 31 volume 0 pan 0 frequency 22051
  263.46 stop 31
  263.48 play 40 volume 0 pan 0 frequency 22051
  265.38 stop 40
  265.38 draw 0.618411
  265.38 say "          You also wasted 3hours by your carelessness."
  268.92 draw 0.476109
  268.92 say "Sitting with the refer unit off is damaging the oranges."
  272.79 play 44 volume 0 pan 0 frequency 22051
  284.80 play 46 looped volume -10000 pan 0 frequency 22055
  286.29 stop 44
  286.29 draw 0.404157
  286.29 say " Day Tuesday"
  286.29 say " Time:  10 A.M. "
  288.57 draw 0.741884
  288.57 say " Approximate fuel  58"
  288.57 say "Speed  0"
  288.57 say "        Odometer:  603"
  288.57 say "Miles to go:  2247"
  288.57 say " Cruising on I-40 in Arizona"
  288.57 say " You are feeling fine"
  288.57 draw 0.825933
  288.57 say " Current weather: clear & dry"
  288.57 say " How fast do you wish to go? "
  288.62 key 5
  288.62 voice rate 5
  288.62 say "5"
  288.62 voice rate 0
  288.67 key 5
  288.67 voice rate 5
  288.67 say "5"
  288.67 voice rate 0
  288.69 play 22 volume 0 pan 0 frequency 22051
  290.29 stop 22
  290.29 draw 0.683230
  290.29 draw 0.139272
  290.29 draw 0.702825
  293.68 say " Day Tuesday"
  293.68 say " Time:  11 A.M. "
  295.96 draw 0.058837
  295.96 say " Approximate fuel  39"
  295.96 say "Speed  55"
  295.96 say "        Odometer:  658"
  295.96 say "Miles to go:  2192"
  295.96 say " You have just past Gallup"
  303.22 draw 0.192665
  303.22 say " Cruising on I-40 in New Mexico"
  303.22 say " You are feeling fine"
  303.22 draw 0.924794
  303.22 say " Current weather: clear & dry"
  303.22 say " Truck stop ahead.  Do you want to stop? "
  303.24 say " yes "
  303.27 key n
  303.27 voice rate 5
  303.27 say "n"
  303.27 voice rate 0
  303.27 say " How fast do you wish to go? "
  303.32 key 5
  303.32 voice rate 5
  303.32 say "5"
  303.32 voice rate 0
  303.37 key 5
  303.37 voice rate 5
  303.37 say "5"
  303.37 voice rate 0
  303.39 play 22 volume 0 pan 0 frequency 22051
  304.99 stop 22
  304.99 draw 0.405102
  304.99 draw 0.148292
  304.99 draw 0.682287
  304.99 draw 0.163489
  306.02 play 13 volume 0 pan -1500 frequency 22051
  312.02 stop 13
  312.02 say " Day Tuesday"
  312.02 say " Time:  12 Noon"
  314.24 draw 0.648225
  314.24 say " Approximate fuel  33"
  314.24 say "Speed  55"
  314.24 say "        Odometer:  713"
  314.24 say "Miles to go:  2137"
  314.24 say " Cruising on I-40 in New Mexico"
  314.24 say " You are feeling   bored"
  314.24 draw 0.251614
  314.24 say " Current weather: clear & dry"
  314.24 say " Truck stop ahead.  Do you want to stop? "
  314.26 say " yes "
  314.29 key y
  314.29 voice rate 5
  314.29 say "y"
  314.29 voice rate 0
  314.29 draw 0.041376
  314.29 play 43 volume 0 pan 0 frequency 22051
  314.79 stop 46
  318.09 stop 43
  318.09 say " Diesel fuel costs "
  318.09 say " 86 cents"
  320.37 say " per gallon."
  320.37 say "     How many gallons do you want"
  320.42 key enter
  320.42 voice rate 5
  320.42 voice rate 0
  320.42 draw 0.958723
  320.44 play 40 volume 0 pan 0 frequency 22051
  322.34 stop 40
  322.34 say " So far, you have spent "
  322.34 say "390 dollors"
  325.04 say " Do you want to get some sleep? "
  325.06 say " yes "
  325.09 key y
  325.09 voice rate 5
  325.09 say "y"
  325.09 voice rate 0
  325.11 say "     How many hours of rest"
  325.14 key 8
  325.14 voice rate 5
  325.14 say "8"
  325.14 voice rate 0
  325.17 key enter
  325.19 play 25 volume 0 pan 0 frequency 22051
  328.09 stop 25
  328.11 play 25 volume 0 pan 0 frequency 22051
  331.01 stop 25
  331.03 play 25 volume 0 pan 0 frequency 22051
  333.93 stop 25
  333.95 play 25 volume 0 pan 0 frequency 22051
  336.85 stop 25
  336.87 play 25 volume 0 pan 0 frequency 22051
  339.77 stop 25
  339.79 play 25 volume 0 pan 0 frequency 22051
  342.69 stop 25
  342.71 play 25 volume 0 pan 0 frequency 22051
  345.61 stop 25
  345.63 play 25 volume 0 pan 0 frequency 22051
  348.53 stop 25
  348.55 play 41 volume 0 pan 0 frequency 22051
  352.47 stop 41
  352.47 draw 0.066220
  352.47 say "Sitting with the refer unit off is damaging the oranges."
  356.33 say " Thanks to the daytime noise, you got only 4hours real sleep."
  360.31 play 23 volume 0 pan 0 frequency 22051
  363.51 stop 23
  363.51 say " Day Tuesday"
  363.51 say " Time:  9 P.M. "
  365.73 say " You now have  0 gallons of fuel."
  365.73 say " Do you want to buy more? "
  365.75 say " yes "
  365.78 key n
  365.78 voice rate 5
  365.78 say "n"
  365.78 voice rate 0
  365.78 play 44 volume 0 pan 0 frequency 22051
  377.79 play 46 looped volume -10000 pan 0 frequency 22055
  379.28 stop 44
  379.28 say " How fast do you wish to go? "
  379.33 key 5
  379.33 voice rate 5
  379.33 say "5"
  379.33 voice rate 0
  379.38 key 5
  379.38 voice rate 5
  379.38 say "5"
  379.38 voice rate 0
  379.40 play 22 volume 0 pan 0 frequency 22051
  381.00 stop 22
  381.00 draw 0.512940
  381.00 draw 0.341297
  386.01 draw 0.660010
  386.01 play 45 volume 0 pan 0 frequency 22051
  386.51 stop 46
  389.01 stop 45
  389.03 play 41 volume 0 pan 0 frequency 22051
  392.95 stop 41
  392.95 say " After 0more miles, you ran out of fuel  ( DUMMY !! )"
  396.43 say "     It cost $200 to get a barrel of diesel delivered."
  400.20 play 39 volume 0 pan 0 frequency 22051
  403.80 stop 39
  403.82 play 38 volume 0 pan 0 frequency 22051
  409.02 stop 38
  409.04 play 36 volume 0 pan 0 frequency 22051
  411.64 stop 36
  411.66 play 31 volume 0 pan 0 frequency 22051
  413.36 stop 31
  413.38 play 40 volume 0 pan 0 frequency 22051
  415.28 stop 40
  415.28 draw 0.844427
  415.28 say "          You also wasted 4hours by your carelessness."
  418.82 draw 0.603867
  418.82 say "Sitting with the refer unit off is damaging the oranges."
  422.69 play 44 volume 0 pan 0 frequency 22051
  434.70 play 46 looped volume -10000 pan 0 frequency 22055
  436.19 stop 44
  436.19 draw 0.587214
  436.19 say " Day Wednesday"
  436.19 say " Time:  2 A.M. "
  438.53 draw 0.117033
  438.53 say " Approximate fuel  52"
  438.53 say "Speed  0"
  438.53 say "        Odometer:  713"
  438.53 say "Miles to go:  2137"
  438.53 say " Cruising on I-40 in New Mexico"
  438.53 say " You are feeling fine"
  438.53 draw 0.710450
  438.53 say " Current weather: clear & dry"
  438.53 say " How fast do you wish to go? "
  438.58 key 5
  438.58 voice rate 5
  438.58 say "5"
  438.58 voice rate 0
  438.63 key 5
  438.63 voice rate 5
  438.63 say "5"
  438.63 voice rate 0
  438.65 play 22 volume 0 pan 0 frequency 22051
  440.25 stop 22
  440.25 draw 0.204523
  440.25 draw 0.490368
  440.25 draw 0.036609
  443.64 say " Day Wednesday"
  443.64 say " Time:  3 A.M. "
  445.98 draw 0.315404
  445.98 say " Approximate fuel  41"
  445.98 say "Speed  55"
  445.98 say "        Odometer:  768"
  445.98 say "Miles to go:  2082"
  445.98 say " You have just past Albuquerque"
  453.54 draw 0.863030
  453.54 say " Construction ahead !!"
  453.75 say " Slow down -- speed limit 35 MPH"
  453.75 say " Cruising on I-40 in New Mexico"
  453.75 say " You are feeling fine"
  453.75 draw 0.558467
  453.75 say " Current weather: clear & dry"
  453.75 say " How fast do you wish to go? "
  453.80 key 3
  453.80 voice rate 5
  453.80 say "3"
  453.80 voice rate 0
  453.85 key 5
  453.85 voice rate 5
  453.85 say "5"
  453.85 voice rate 0
  453.87 play 22 volume 0 pan 0 frequency 22051
  455.47 stop 22
  457.48 draw 0.546708
  457.48 draw 0.367825
  457.48 draw 0.828157
  458.86 say " Day Wednesday"
  458.86 say " Time:  4 A.M. "
  461.20 draw 0.276350
  461.20 say " Approximate fuel  24"
  461.20 say "Speed  35"
  461.20 say "        Odometer:  803"
  461.20 say "Miles to go:  2047"
  461.20 say " Cruising on I-40 in New Mexico"
  461.20 say " You are feeling fine"
  461.20 draw 0.125658
  461.20 say " Current weather: clear & dry"
  461.20 say " How fast do you wish to go? "
  461.25 key 3
  461.25 voice rate 5
  461.25 say "3"
  461.25 voice rate 0
  461.30 key 5
  461.30 voice rate 5
  461.30 say "5"
  461.30 voice rate 0
  461.32 play 22 volume 0 pan 0 frequency 22051
  462.92 stop 22
  462.92 draw 0.562781
  462.92 draw 0.267339
  462.92 draw 0.775035
  466.31 say " Day Wednesday"
  466.31 say " Time:  5 A.M. "
  468.65 draw 0.179406
  468.65 say " Approximate fuel  5"
  468.65 say "Speed  35"
  468.65 say "        Odometer:  838"
  468.65 say "Miles to go:  2012"
  468.65 say " Cruising on I-40 in New Mexico"
  468.65 say " You are feeling   bored"
  468.65 draw 0.783257
  468.65 say " Current weather: clear & dry"
  468.65 say " Truck stop ahead.  Do you want to stop? "
  468.67 say " yes "
  468.70 key y
  468.70 voice rate 5
  468.70 say "y"
  468.70 voice rate 0
  468.70 draw 0.607996
  468.70 play 43 volume 0 pan 0 frequency 22051
  469.20 stop 46
  472.50 stop 43
  472.50 say " Diesel fuel costs "
  472.50 say "1 dollor, and,  6 cents"
  475.62 say " per gallon."
  475.62 say "     How many gallons do you want"
  475.67 key enter
  475.67 voice rate 5
  475.67 voice rate 0
  475.67 draw 0.041749
  475.69 play 40 volume 0 pan 0 frequency 22051
  477.59 stop 40
  477.59 say " So far, you have spent "
  477.59 say "590 dollors"
  480.29 say " Do you want to get some sleep? "
  480.31 say " yes "
  480.34 key y
  480.34 voice rate 5
  480.34 say "y"
  480.34 voice rate 0
  480.36 say "     How many hours of rest"
  480.39 key 8
  480.39 voice rate 5
  480.39 say "8"
  480.39 voice rate 0
  480.42 key enter
  480.44 play 25 volume 0 pan 0 frequency 22051
  483.34 stop 25
  483.36 play 25 volume 0 pan 0 frequency 22051
  486.26 stop 25
  486.28 play 25 volume 0 pan 0 frequency 22051
  489.18 stop 25
  489.20 play 25 volume 0 pan 0 frequency 22051
  492.10 stop 25
  492.12 play 25 volume 0 pan 0 frequency 22051
  495.02 stop 25
  495.04 play 25 volume 0 pan 0 frequency 22051
  497.94 stop 25
  497.96 play 25 volume 0 pan 0 frequency 22051
  500.86 stop 25
  500.88 play 25 volume 0 pan 0 frequency 22051
  503.78 stop 25
  503.80 play 41 volume 0 pan 0 frequency 22051
  507.72 stop 41
  507.72 draw 0.561275
  507.72 say "Sitting with the refer unit off is damaging the oranges."
  511.58 say " Thanks to the daytime noise, you got only 4hours real sleep."
  515.56 play 23 volume 0 pan 0 frequency 22051
  518.76 stop 23
  518.76 say " Day Wednesday"
  518.76 say " Time:  2 P.M. "
  521.10 say " You now have  0 gallons of fuel."
  521.10 say " Do you want to buy more? "
  521.12 say " yes "
  521.15 key n
  521.15 voice rate 5
  521.15 say "n"
  521.15 voice rate 0
  521.15 play 44 volume 0 pan 0 frequency 22051
  533.16 play 46 looped volume -10000 pan 0 frequency 14035
  534.65 stop 44
  534.65 say " How fast do you wish to go? "
  534.70 key 3
  534.70 voice rate 5
  534.70 say "3"
  534.70 voice rate 0
  534.75 key 5
  534.75 voice rate 5
  534.75 say "5"
  534.75 voice rate 0
  534.77 play 22 volume 0 pan 0 frequency 22051
  536.37 stop 22
  536.37 draw 0.668138
  536.37 draw 0.938393
  541.38 draw 0.786006
  541.38 play 45 volume 0 pan 0 frequency 22051
  541.88 stop 46
  544.38 stop 45
  544.40 play 41 volume 0 pan 0 frequency 22051
  548.32 stop 41
  548.32 say " After 0more miles, you ran out of fuel  ( DUMMY !! )"
  551.80 say "     It cost $200 to get a barrel of diesel delivered."
  555.57 play 39 volume 0 pan 0 frequency 22051
  559.17 stop 39
  559.19 play 38 volume 0 pan 0 frequency 22051
  564.39 stop 38
  564.41 play 36 volume 0 pan 0 frequency 22051
  567.01 stop 36
  567.03 play 31 volume 0 pan 0 frequency 22051
  568.73 stop 31
  568.75 play 40 volume 0 pan 0 frequency 22051
  570.65 stop 40
  570.65 draw 0.750430
  570.65 say "          You also wasted 3hours by your carelessness."
  574.19 draw 0.497051
  574.19 say "Sitting with the refer unit off is damaging the oranges."
  578.06 play 44 volume 0 pan 0 frequency 22051
  590.07 play 46 looped volume -10000 pan 0 frequency 14035
  591.56 stop 44
  591.56 draw 0.042733
  591.56 say " Day Wednesday"
  591.56 say " Time:  6 P.M. "
  593.90 draw 0.816867
  593.90 say " Approximate fuel  59"
  593.90 say "Speed  0"
  593.90 say "        Odometer:  838"
  593.90 say "Miles to go:  2012"
  593.90 say " Cruising on I-40 in New Mexico"
  593.90 say " You are feeling   bored"
  593.90 draw 0.013624
  593.90 say " Current weather: clear & dry"
  593.90 say " How fast do you wish to go? "
  593.95 key 3
  593.95 voice rate 5
  593.95 say "3"
  593.95 voice rate 0
  594.00 key 5
  594.00 voice rate 5
  594.00 say "5"
  594.00 voice rate 0
  594.02 play 22 volume 0 pan 0 frequency 22051
  595.62 stop 22
  595.62 draw 0.550041
  595.62 draw 0.566797
  595.62 draw 0.112918
  599.01 say " Day Wednesday"
  599.01 say " Time:  7 P.M. "
  601.35 draw 0.062776
  601.35 say " Approximate fuel  34"
  601.35 say "Speed  35"
  601.35 say "        Odometer:  873"
  601.35 say "Miles to go:  1977"
  601.35 say " Cruising on I-40 in New Mexico"
  601.35 say " You are feeling   bored"
  601.35 draw 0.574724
  601.35 say " Current weather: clear & dry"
  601.35 say " How fast do you wish to go? "
  601.40 key 3
  601.40 voice rate 5
  601.40 say "3"
  601.40 voice rate 0
  601.45 key 5
  601.45 voice rate 5
  601.45 say "5"
  601.45 voice rate 0
  601.47 play 22 volume 0 pan 0 frequency 22051
  603.07 stop 22
  603.07 draw 0.485485
  603.07 draw 0.301422
  603.07 draw 0.039796
  606.46 say " Day Wednesday"
  606.46 say " Time:  8 P.M. "
  608.80 draw 0.633894
  608.80 say " Approximate fuel  22"
  608.80 say "Speed  35"
  608.80 say "        Odometer:  908"
  608.80 say "Miles to go:  1942"
  608.80 say " Cruising on I-40 in New Mexico"
  608.80 say " You are feeling   bored"
  608.80 draw 0.124336
  608.80 say " Current weather: clear & dry"
  608.80 say " How fast do you wish to go? "
  608.85 key 3
  608.85 voice rate 5
  608.85 say "3"
  608.85 voice rate 0
  608.90 key 5
  608.90 voice rate 5
  608.90 say "5"
  608.90 voice rate 0
  608.92 play 22 volume 0 pan 0 frequency 22051
  610.52 stop 22
  610.52 draw 0.011606
  610.52 draw 0.276667
  610.52 draw 0.301546
  613.91 say " Day Wednesday"
  613.91 say " Time:  9 P.M. "
  616.25 draw 0.180318
  616.25 say " Approximate fuel  0"
  616.25 say "Speed  35"
  616.25 say "        Odometer:  943"
  616.25 say "Miles to go:  1907"
  616.25 say " You have just past Tucumcari"
  623.63 say " Time zone changes -- set clock ahead one hour."
  623.63 say " Day Wednesday"
  623.63 say " Time:  10 P.M. "
  629.15 say " Cruising on I-40 in Texas"
  629.15 say " You are feeling   bored"
  629.15 draw 0.066978
  629.15 say " Current weather: clear & dry"
  629.15 say " Truck stop ahead.  Do you want to stop? "
  629.17 say " yes "
  629.20 key y
  629.20 voice rate 5
  629.20 say "y"
  629.20 voice rate 0
  629.20 draw 0.779234
  629.20 play 43 volume 0 pan 0 frequency 22051
  629.70 stop 46
  633.00 stop 43
  633.00 say " Diesel fuel costs "
  633.00 say "1 dollor, and,  12 cents"
  636.18 say " per gallon."
  636.18 say "     How many gallons do you want"
  636.23 key enter
  636.23 voice rate 5
  636.23 voice rate 0
  636.23 draw 0.400748
  636.25 play 40 volume 0 pan 0 frequency 22051
  638.15 stop 40
  638.15 say " So far, you have spent "
  638.15 say "790 dollors"
  640.85 say " Do you want to get some sleep? "
  640.87 say " yes "
  640.90 key y
  640.90 voice rate 5
  640.90 say "y"
  640.90 voice rate 0
  640.92 say "     How many hours of rest"
  640.95 key 8
  640.95 voice rate 5
  640.95 say "8"
  640.95 voice rate 0
  640.98 key enter
  641.00 play 24 volume 0 pan 0 frequency 22051
  643.70 stop 24
  643.72 play 24 volume 0 pan 0 frequency 22051
  646.42 stop 24
  646.44 play 24 volume 0 pan 0 frequency 22051
  649.14 stop 24
  649.16 play 24 volume 0 pan 0 frequency 22051
  651.86 stop 24
  651.88 play 24 volume 0 pan 0 frequency 22051
  654.58 stop 24
  654.60 play 24 volume 0 pan 0 frequency 22051
  657.30 stop 24
  657.32 play 24 volume 0 pan 0 frequency 22051
  660.02 stop 24
  660.04 play 24 volume 0 pan 0 frequency 22051
  662.74 stop 24
  662.76 play 41 volume 0 pan 0 frequency 22051
  666.68 stop 41
  666.68 draw 0.245815
  666.68 say "Sitting with the refer unit off is damaging the oranges."
  670.57 play 23 volume 0 pan 0 frequency 22051
  673.77 stop 23
  673.77 say " Day Thursday"
  673.77 say " Time:  7 A.M. "
  676.05 say " You now have  0 gallons of fuel."
  676.05 say " Do you want to buy more? "
  676.07 say " yes "
  676.10 key n
  676.10 voice rate 5
  676.10 say "n"
  676.10 voice rate 0
  676.10 play 44 volume 0 pan 0 frequency 22051
  688.11 play 46 looped volume -10000 pan 0 frequency 14035
  689.60 stop 44
  689.60 say " How fast do you wish to go? "
  689.65 key 5
  689.65 voice rate 5
  689.65 say "5"
  689.65 voice rate 0
  689.70 key 5
  689.70 voice rate 5
  689.70 say "5"
  689.70 voice rate 0
  689.72 play 22 volume 0 pan 0 frequency 22051
  691.32 stop 22
  693.33 draw 0.523772
  693.33 draw 0.254986
  698.34 draw 0.851908
  698.34 draw 0.483504
  699.37 play 16 volume 0 pan -1500 frequency 22051
  704.37 stop 16
  704.37 play 45 volume 0 pan 0 frequency 22051
  704.87 stop 46
  707.37 stop 45
  707.39 play 41 volume 0 pan 0 frequency 22051
  711.31 stop 41
  711.31 say " After 0more miles, you ran out of fuel  ( DUMMY !! )"
  714.79 say "     It cost $200 to get a barrel of diesel delivered."
  718.56 play 39 volume 0 pan 0 frequency 22051
  722.16 stop 39
  722.18 play 38 volume 0 pan 0 frequency 22051
  727.38 stop 38
  727.40 play 36 volume 0 pan 0 frequency 22051
  730.00 stop 36
  730.02 play 31 volume 0 pan 0 frequency 22051
  731.72 stop 31
  731.74 play 40 volume 0 pan 0 frequency 22051
  733.64 stop 40
  733.64 draw 0.623150
  733.64 say "          You also wasted 3hours by your carelessness."
  737.18 draw 0.973073
  737.18 say "Sitting with the refer unit off is damaging the oranges."
  741.05 play 44 volume 0 pan 0 frequency 22051
  753.06 play 46 looped volume -10000 pan 0 frequency 22055
  754.55 stop 44
  754.55 draw 0.354748
  754.55 say " Day Thursday"
  754.55 say " Time:  11 A.M. "
  756.89 draw 0.224646
  756.89 say " Approximate fuel  53"
  756.89 say "Speed  0"
  756.89 say "        Odometer:  943"
  756.89 say "Miles to go:  1907"
  756.89 say " Cruising on I-40 in Texas"
  756.89 say " You are feeling fine"
  756.89 draw 0.978714
  756.89 say " Current weather: clear, but roadway is wet"
  756.89 say " How fast do you wish to go? "
  756.94 key 5
  756.94 voice rate 5
  756.94 say "5"
  756.94 voice rate 0
  756.99 key 5
  756.99 voice rate 5
  756.99 say "5"
  756.99 voice rate 0
  757.01 play 22 volume 0 pan 0 frequency 22051
  758.61 stop 22
  758.61 draw 0.587074
  758.61 draw 0.981681
  758.61 draw 0.968666
  762.00 say " Day Thursday"
  762.00 say " Time:  12 Noon"
  764.28 draw 0.705104
  764.28 say " Approximate fuel  45"
  764.28 say "Speed  55"
  764.28 say "        Odometer:  998"
  764.28 say "Miles to go:  1852"
  764.28 say " Cruising on I-40 in Texas"
  764.28 say " You are feeling fine"
  764.28 draw 0.019386
  764.28 say " Current weather: clear & dry"
  764.28 say " How fast do you wish to go? "
  764.33 key 5
  764.33 voice rate 5
  764.33 say "5"
  764.33 voice rate 0
  764.38 key 5
  764.38 voice rate 5
  764.38 say "5"
  764.38 voice rate 0
  764.40 play 22 volume 0 pan 0 frequency 22051
  766.00 stop 22
  766.00 draw 0.612830
  766.00 draw 0.249559
  766.00 draw 0.129436
  766.00 draw 0.366261
  767.03 play 4 volume 0 pan -1500 frequency 22051
  772.03 stop 4
  772.03 say " Day Thursday"
  772.03 say " Time:  1 P.M. "
  774.31 draw 0.200094
  774.31 say " Approximate fuel  28"
  774.31 say "Speed  55"
  774.31 say "        Odometer:  1053"
  774.31 say "Miles to go:  1797"
  774.31 say " You have just past Amarillo"
  781.75 draw 0.766481
  781.75 say " Cruising on I-40 in Texas"
  781.75 say " You are feeling fine"
  781.75 draw 0.934181
  781.75 say " Current weather: clear, but roadway is wet"
  781.75 say " How fast do you wish to go? "
  781.80 key 5
  781.80 voice rate 5
  781.80 say "5"
  781.80 voice rate 0
  781.85 key 5
  781.85 voice rate 5
  781.85 say "5"
  781.85 voice rate 0
  781.87 play 22 volume 0 pan 0 frequency 22051
  783.47 stop 22
  783.47 draw 0.026402
  783.47 draw 0.256064
  783.47 draw 0.266198
  783.47 draw 0.142328
  784.50 play 6 volume 0 pan -1500 frequency 22051
  788.70 stop 6
  788.70 say " Day Thursday"
  788.70 say " Time:  2 P.M. "
  790.98 draw 0.951499
  790.98 say " Approximate fuel  23"
  790.98 say "Speed  55"
  790.98 say "        Odometer:  1108"
  790.98 say "Miles to go:  1742"
  790.98 say " Cruising on I-40 in Texas"
  790.98 say " You are feeling   bored"
  790.98 draw 0.247612
  790.98 say " Current weather: clear & dry"
  790.98 say " Truck stop ahead.  Do you want to stop? "
  791.00 say " yes "
  791.03 key y
  791.03 voice rate 5
  791.03 say "y"
  791.03 voice rate 0
  791.03 draw 0.356186
  791.03 play 43 volume 0 pan 0 frequency 22051
  791.53 stop 46
  794.83 stop 43
  794.83 say " Diesel fuel costs "
  794.83 say " 97 cents"
  797.11 say " per gallon."
  797.11 say "     How many gallons do you want"
  797.16 key enter
  797.16 voice rate 5
  797.16 voice rate 0
  797.16 draw 0.048939
  797.18 play 40 volume 0 pan 0 frequency 22051
  799.08 stop 40
  799.08 say " So far, you have spent "
  799.08 say "990 dollors"
  801.78 say " Do you want to get some sleep? "
  801.80 say " yes "
  801.83 key y
  801.83 voice rate 5
  801.83 say "y"
  801.83 voice rate 0
  801.85 say "     How many hours of rest"
  801.88 key 8
  801.88 voice rate 5
  801.88 say "8"
  801.88 voice rate 0
  801.91 key enter
  801.93 play 25 volume 0 pan 0 frequency 22051
  804.83 stop 25
  804.85 play 25 volume 0 pan 0 frequency 22051
  807.75 stop 25
  807.77 play 25 volume 0 pan 0 frequency 22051
  810.67 stop 25
  810.69 play 25 volume 0 pan 0 frequency 22051
  813.59 stop 25
  813.61 play 25 volume 0 pan 0 frequency 22051
  816.51 stop 25
  816.53 play 25 volume 0 pan 0 frequency 22051
  819.43 stop 25
  819.45 play 25 volume 0 pan 0 frequency 22051
  822.35 stop 25
  822.37 play 25 volume 0 pan 0 frequency 22051
  825.27 stop 25
  825.29 play 41 volume 0 pan 0 frequency 22051
  829.21 stop 41
  829.21 draw 0.238131
  829.21 say "Sitting with the refer unit off is damaging the oranges."
  833.08 say " Thanks to the daytime noise, you got only 4hours real sleep."
  837.06 play 23 volume 0 pan 0 frequency 22051
  840.26 stop 23
  840.26 say " Day Thursday"
  840.26 say " Time:  11 P.M. "
  842.60 say " You now have  0 gallons of fuel."
  842.60 say " Do you want to buy more? "
  842.62 say " yes "
  842.65 key n
  842.65 voice rate 5
  842.65 say "n"
  842.65 voice rate 0
  842.65 play 44 volume 0 pan 0 frequency 22051
  854.66 play 46 looped volume -10000 pan 0 frequency 22055
  856.15 stop 44
  856.15 say " How fast do you wish to go? "
  856.20 key 5
  856.20 voice rate 5
  856.20 say "5"
  856.20 voice rate 0
  856.25 key 5
  856.25 voice rate 5
  856.25 say "5"
  856.25 voice rate 0
  856.27 play 22 volume 0 pan 0 frequency 22051
  857.87 stop 22
  857.87 draw 0.882825
  857.87 draw 0.964433
  862.88 draw 0.656028
  862.88 play 45 volume 0 pan 0 frequency 22051
  863.38 stop 46
  865.88 stop 45
  865.90 play 41 volume 0 pan 0 frequency 22051
  869.82 stop 41
  869.82 say " After 0more miles, you ran out of fuel  ( DUMMY !! )"
  873.30 say "     It cost $200 to get a barrel of diesel delivered."
  877.07 play 39 volume 0 pan 0 frequency 22051
  880.67 stop 39
  880.69 play 38 volume 0 pan 0 frequency 22051
  885.89 stop 38
  885.91 play 36 volume 0 pan 0 frequency 22051
  888.51 stop 36
  888.53 play 31 volume 0 pan 0 frequency 22051
  890.23 stop 31
  890.25 play 40 volume 0 pan 0 frequency 22051
  892.15 stop 40
  892.15 draw 0.296861
  892.15 say "          You also wasted 1hours by your carelessness."
  895.69 draw 0.059336
  895.69 say "Sitting with the refer unit off is damaging the oranges."
  899.56 play 44 volume 0 pan 0 frequency 22051
  911.57 play 46 looped volume -10000 pan 0 frequency 22055
  913.06 stop 44
  913.06 draw 0.864436
  913.06 draw 0.155141
  914.09 play 16 volume 0 pan -1500 frequency 22051
  919.09 stop 16
  919.09 say " Day Friday"
  919.09 say " Time:  1 A.M. "
  921.25 draw 0.269548
  921.25 say " Approximate fuel  53"
  921.25 say "Speed  0"
  921.25 say "        Odometer:  1108"
  921.25 say "Miles to go:  1742"
  921.25 say " Cruising on I-40 in Texas"
  921.25 say " You are feeling   bored"
  921.25 draw 0.548205
  921.25 say " Current weather: clear & dry"
  921.25 say " How fast do you wish to go? "
  921.30 key 5
  921.30 voice rate 5
  921.30 say "5"
  921.30 voice rate 0
  921.35 key 5
  921.35 voice rate 5
  921.35 say "5"
  921.35 voice rate 0
  921.37 play 22 volume 0 pan 0 frequency 22051
  922.97 stop 22
  922.97 draw 0.252277
  922.97 draw 0.844678
  922.97 draw 0.502215
  922.97 draw 0.484689
  923.10 play 10 volume 0 pan -1500 frequency 22051
  927.70 stop 10
  927.70 say " Day Friday"
  927.70 say " Time:  2 A.M. "
  929.86 draw 0.905259
  929.86 say " Approximate fuel  47"
  929.86 say "Speed  55"
  929.86 say "        Odometer:  1163"
  929.86 say "Miles to go:  1687"
  929.86 say " You have just past Oklahoma border"
  937.72 draw 0.915268
  938.73 play 45 volume 0 pan 0 frequency 22051
  939.23 stop 46
  941.73 stop 45
  941.73 say " Weighing station open -- trucks must stop."
  944.82 draw 0.241628
  944.82 say "scale weighs truck with cargo, fuel and driver  59349.44 pounds"
  948.90 say "     You're OK."
  950.31 play 44 volume 0 pan 0 frequency 22051
  962.32 play 46 looped volume -10000 pan 0 frequency 22055
  963.81 stop 44
  963.81 say " Cruising on I-40 in Oklahoma"
  963.81 say " You are feeling   bored"
  963.81 draw 0.018767
  963.81 say " Current weather: clear & dry"
  963.81 say " How fast do you wish to go? "
  963.86 key 5
  963.86 voice rate 5
  963.86 say "5"
  963.86 voice rate 0
  963.91 key 5
  963.91 voice rate 5
  963.91 say "5"
  963.91 voice rate 0
  963.93 play 22 volume 0 pan 0 frequency 22051
  965.53 stop 22
  965.53 draw 0.670290
  965.53 draw 0.270563
  965.53 draw 0.014306
  965.53 draw 0.097130
  965.66 play 2 volume 0 pan -1500 frequency 22051
  969.06 stop 2
  969.06 say " Day Friday"
  969.06 say " Time:  3 A.M. "
  971.22 draw 0.418838
  971.22 say " Approximate fuel  30"
  971.22 say "Speed  55"
  971.22 say "        Odometer:  1218"
  971.22 say "Miles to go:  1632"
  971.22 say " Cruising on I-40 in Oklahoma"
  971.22 say " You are feeling   bored"
  971.22 draw 0.120548
  971.22 say " Current weather: clear & dry"
  971.22 say " How fast do you wish to go? "
  971.27 key 5
  971.27 voice rate 5
  971.27 say "5"
  971.27 voice rate 0
  971.32 key 5
  971.32 voice rate 5
  971.32 say "5"
  971.32 voice rate 0
  971.34 play 22 volume 0 pan 0 frequency 22051
  972.94 stop 22
  972.94 draw 0.207089
  972.94 draw 0.745055
  972.94 draw 0.455688
  976.33 say " Day Friday"
  976.33 say " Time:  4 A.M. "
  978.49 draw 0.113510
  978.49 say " Approximate fuel  15"
  978.49 say "Speed  55"
  978.49 say "        Odometer:  1273"
  978.49 say "Miles to go:  1577"
  978.49 say " Cruising on I-40 in Oklahoma"
  978.49 say " You are feeling   bored"
  978.49 draw 0.215324
  978.49 say " Current weather: clear & dry"
  978.49 say " Truck stop ahead.  Do you want to stop? "
  978.51 say " yes "
  978.54 key y
  978.54 voice rate 5
  978.54 say "y"
  978.54 voice rate 0
  978.54 draw 0.930243
  978.54 play 43 volume 0 pan 0 frequency 22051
  979.04 stop 46
  982.34 stop 43
  982.34 say " Diesel fuel costs "
  982.34 say "1 dollor, and,  17 cents"
  985.52 say " per gallon."
  985.52 say "     How many gallons do you want"
  985.57 key enter
  985.57 voice rate 5
  985.57 voice rate 0
  985.57 draw 0.007895
  985.59 play 40 volume 0 pan 0 frequency 22051
  987.49 stop 40
  987.49 say " So far, you have spent "
  987.49 say "1,190 dollors"
  990.31 say " Do you want to get some sleep? "
  990.33 say " yes "
  990.36 key y
  990.36 voice rate 5
  990.36 say "y"
  990.36 voice rate 0
  990.38 say "     How many hours of rest"
  990.41 key 8
  990.41 voice rate 5
  990.41 say "8"
  990.41 voice rate 0
  990.44 key enter
  990.46 play 24 volume 0 pan 0 frequency 22051
  993.16 stop 24
  993.18 play 24 volume 0 pan 0 frequency 22051
  995.88 stop 24
  995.90 play 24 volume 0 pan 0 frequency 22051
  998.60 stop 24
  998.62 play 24 volume 0 pan 0 frequency 22051
 1001.32 stop 24
 1001.34 play 24 volume 0 pan 0 frequency 22051
 1004.04 stop 24
 1004.06 play 24 volume 0 pan 0 frequency 22051
 1006.76 stop 24
 1006.78 play 24 volume 0 pan 0 frequency 22051
 1009.48 stop 24
 1009.50 play 24 volume 0 pan 0 frequency 22051
 1012.20 stop 24
 1012.22 play 41 volume 0 pan 0 frequency 22051
 1016.14 stop 41
 1016.14 draw 0.641872
 1016.14 say "Sitting with the refer unit off is damaging the oranges."
 1020.03 play 23 volume 0 pan 0 frequency 22051
 1023.23 stop 23
 1023.23 say " Day Friday"
 1023.23 say " Time:  1 P.M. "
 1025.39 say " You now have  0 gallons of fuel."
 1025.39 say " Do you want to buy more? "
 1025.41 say " yes "
 1025.44 key n
 1025.44 voice rate 5
 1025.44 say "n"
 1025.44 voice rate 0
 1025.44 play 44 volume 0 pan 0 frequency 22051
 1037.45 play 46 looped volume -10000 pan 0 frequency 22055
 1038.94 stop 44
 1038.94 say " How fast do you wish to go? "
 1038.99 key 5
 1038.99 voice rate 5
 1038.99 say "5"
 1038.99 voice rate 0
 1039.04 key 5
 1039.04 voice rate 5
 1039.04 say "5"
 1039.04 voice rate 0
 1039.06 play 22 volume 0 pan 0 frequency 22051
 1040.66 stop 22
 1040.66 draw 0.644663
 1040.66 draw 0.680251
 1045.67 draw 0.578153
 1045.67 play 45 volume 0 pan 0 frequency 22051
 1046.17 stop 46
 1048.67 stop 45
 1048.69 play 41 volume 0 pan 0 frequency 22051
 1052.61 stop 41
 1052.61 say " After 0more miles, you ran out of fuel  ( DUMMY !! )"
 1056.09 say "     It cost $200 to get a barrel of diesel delivered."
 1059.86 play 39 volume 0 pan 0 frequency 22051
 1063.46 stop 39
 1063.48 play 38 volume 0 pan 0 frequency 22051
 1068.68 stop 38
 1068.70 play 36 volume 0 pan 0 frequency 22051
 1071.30 stop 36
 1071.32 play 31 volume 0 pan 0 frequency 22051
 1073.02 stop 31
 1073.04 play 40 volume 0 pan 0 frequency 22051
 1074.94 stop 40
 1074.94 draw 0.784528
 1074.94 say "          You also wasted 3hours by your carelessness."
 1078.48 draw 0.821847
 1078.48 say "Sitting with the refer unit off is damaging the oranges."
 1082.35 play 44 volume 0 pan 0 frequency 22051
 1094.36 play 46 looped volume -10000 pan 0 frequency 22055
 1095.85 stop 44
 1095.85 draw 0.646829
 1095.85 say " Day Friday"
 1095.85 say " Time:  5 P.M. "
 1098.01 draw 0.179640
 1098.01 say " Approximate fuel  52"
 1098.01 say "Speed  0"
 1098.01 say "        Odometer:  1273"
 1098.01 say "Miles to go:  1577"
 1098.01 say " Cruising on I-40 in Oklahoma"
 1098.01 say " You are feeling fine"
 1098.01 draw 0.726273
 1098.01 say " Current weather: clear & dry"
 1098.01 say " How fast do you wish to go? "
 1098.06 key 5
 1098.06 voice rate 5
 1098.06 say "5"
 1098.06 voice rate 0
 1098.11 key 5
 1098.11 voice rate 5
 1098.11 say "5"
 1098.11 voice rate 0
 1098.13 play 22 volume 0 pan 0 frequency 22051
 1099.73 stop 22
 1099.73 draw 0.284712
 1099.73 draw 0.841477
 1099.73 draw 0.570167
 1099.73 draw 0.085268
 1099.86 play 11 volume 0 pan -1500 frequency 22051
 1104.36 stop 11
 1104.36 say " Day Friday"
 1104.36 say " Time:  6 P.M. "
 1106.52 draw 0.910952
 1106.52 say " Approximate fuel  47"
 1106.52 say "Speed  55"
 1106.52 say "        Odometer:  1328"
 1106.52 say "Miles to go:  1522"
 1106.52 say " You have just past Oklahoma City"
 1114.47 play 45 volume 0 pan 0 frequency 22051
 1114.97 stop 46
 1117.47 stop 45
 1117.47 say " STOP!   Pay toll of $ 65"
 1119.50 play 40 volume 0 pan 0 frequency 22051
 1121.40 stop 40
 1121.40 play 44 volume 0 pan 0 frequency 22051
 1133.41 play 46 looped volume -10000 pan 0 frequency 22055
 1134.90 stop 44
 1134.90 say " Cruising on Oklahoma Turnpike"
 1134.90 say " You are feeling fine"
 1134.90 draw 0.462456
 1134.90 say " Current weather: clear & dry"
 1134.90 say " How fast do you wish to go? "
 1134.95 key 5
 1134.95 voice rate 5
 1134.95 say "5"
 1134.95 voice rate 0
 1135.00 key 5
 1135.00 voice rate 5
 1135.00 say "5"
 1135.00 voice rate 0
 1135.02 play 22 volume 0 pan 0 frequency 22051
 1136.62 stop 22
 1136.62 draw 0.942904
 1136.62 draw 0.040492
 1136.62 draw 0.107455
 1140.01 say " Day Friday"
 1140.01 say " Time:  7 P.M. "
 1142.17 draw 0.755720
 1142.17 say " Approximate fuel  34"
 1142.17 say "Speed  55"
 1142.17 say "        Odometer:  1383"
 1142.17 say "Miles to go:  1467"
 1142.17 say " Cruising on Oklahoma Turnpike"
 1142.17 say " You are feeling fine"
 1142.17 draw 0.041778
 1142.17 say " Current weather: clear & dry"
 1142.17 say " How fast do you wish to go? "
 1142.22 key 5
 1142.22 voice rate 5
 1142.22 say "5"
 1142.22 voice rate 0
 1142.27 key 5
 1142.27 voice rate 5
 1142.27 say "5"
 1142.27 voice rate 0
 1142.29 play 22 volume 0 pan 0 frequency 22051
 1143.89 stop 22
 1143.89 draw 0.451563
 1143.89 draw 0.816086
 1143.89 draw 0.419198
 1147.28 say " Day Friday"
 1147.28 say " Time:  8 P.M. "
 1149.44 draw 0.189959
 1149.44 say " Approximate fuel  16"
 1149.44 say "Speed  55"
 1149.44 say "        Odometer:  1438"
 1149.44 say "Miles to go:  1412"
 1149.44 say " Cruising on Oklahoma Turnpike"
 1149.44 say " You are feeling   bored"
 1149.44 draw 0.843411
 1149.44 say " Current weather: clear, but roadway is wet"
 1149.44 say " Truck stop ahead.  Do you want to stop? "
 1149.46 say " yes "
 1149.49 key y
 1149.49 voice rate 5
 1149.49 say "y"
 1149.49 voice rate 0
 1149.49 draw 0.107246
 1149.49 play 43 volume 0 pan 0 frequency 22051
 1149.99 stop 46
 1153.29 stop 43
 1153.29 say " Diesel fuel costs "
 1153.29 say " 88 cents"
 1155.57 say " per gallon."
 1155.57 say "     How many gallons do you want"
 1155.62 key enter
 1155.62 voice rate 5
 1155.62 voice rate 0
 1155.62 draw 0.288019
 1155.64 play 40 volume 0 pan 0 frequency 22051
 1157.54 stop 40
 1157.54 say " So far, you have spent "
 1157.54 say "1,455 dollors"
 1160.36 say " Do you want to get some sleep? "
 1160.38 say " yes "
 1160.41 key y
 1160.41 voice rate 5
 1160.41 say "y"
 1160.41 voice rate 0
 1160.43 say "     How many hours of rest"
 1160.46 key 8
 1160.46 voice rate 5
 1160.46 say "8"
 1160.46 voice rate 0
 1160.49 key enter
 1160.51 play 24 volume 0 pan 0 frequency 22051
 1163.21 stop 24
 1163.23 play 24 volume 0 pan 0 frequency 22051
 1165.93 stop 24
 1165.95 play 24 volume 0 pan 0 frequency 22051
 1168.65 stop 24
 1168.67 play 24 volume 0 pan 0 frequency 22051
 1171.37 stop 24
 1171.39 play 24 volume 0 pan 0 frequency 22051
 1174.09 stop 24
 1174.11 play 24 volume 0 pan 0 frequency 22051
 1176.81 stop 24
 1176.83 play 24 volume 0 pan 0 frequency 22051
 1179.53 stop 24
 1179.55 play 24 volume 0 pan 0 frequency 22051
 1182.25 stop 24
 1182.27 play 41 volume 0 pan 0 frequency 22051
 1186.19 stop 41
 1186.19 draw 0.216969
 1186.19 say "Sitting with the refer unit off is damaging the oranges."
 1190.08 play 23 volume 0 pan 0 frequency 22051
 1193.28 stop 23
 1193.28 say " Day Saturday"
 1193.28 say " Time:  5 A.M. "
 1195.56 say " You now have  0 gallons of fuel."
 1195.56 say " Do you want to buy more? "
 1195.58 say " yes "
 1195.61 key n
 1195.61 voice rate 5
 1195.61 say "n"
 1195.61 voice rate 0
 1195.61 play 44 volume 0 pan 0 frequency 22051
 1207.62 play 46 looped volume -10000 pan 0 frequency 22055
 1209.11 stop 44
 1209.11 say " How fast do you wish to go? "
 1209.16 key 5
 1209.16 voice rate 5
 1209.16 say "5"
 1209.16 voice rate 0
 1209.21 key 5
 1209.21 voice rate 5
 1209.21 say "5"
 1209.21 voice rate 0
 1209.23 play 22 volume 0 pan 0 frequency 22051
 1210.83 stop 22
 1210.83 draw 0.464267
 1210.83 draw 0.319590
 1215.84 draw 0.909094
 1215.84 draw 0.785627
 1215.97 play 17 volume 0 pan 1500 frequency 22051
 1220.97 stop 17
 1220.97 play 45 volume 0 pan 0 frequency 22051
 1221.47 stop 46
 1223.97 stop 45
 1223.99 play 41 volume 0 pan 0 frequency 22051
 1227.91 stop 41
 1227.91 say " After 0more miles, you ran out of fuel  ( DUMMY !! )"
 1231.39 say "     It cost $200 to get a barrel of diesel delivered."
 1235.16 play 39 volume 0 pan 0 frequency 22051
 1238.76 stop 39
 1238.78 play 38 volume 0 pan 0 frequency 22051
 1243.98 stop 38
 1244.00 play 36 volume 0 pan 0 frequency 22051
 1246.60 stop 36
 1246.62 play 31 volume 0 pan 0 frequency 22051
 1248.32 stop 31
 1248.34 play 40 volume 0 pan 0 frequency 22051
 1250.24 stop 40
 1250.24 draw 0.705751
 1250.24 say "          You also wasted 3hours by your carelessness."
 1253.78 draw 0.139903
 1253.78 say "Sitting with the refer unit off is damaging the oranges."
 1257.65 play 44 volume 0 pan 0 frequency 22051
 1269.66 play 46 looped volume -10000 pan 0 frequency 22055
 1271.15 stop 44
 1271.15 draw 0.611821
 1271.15 draw 0.851495
 1271.27 play 12 volume 0 pan 1500 frequency 22051
 1277.47 stop 12
 1277.47 say " Day Saturday"
 1277.47 say " Time:  9 A.M. "
 1279.75 draw 0.923768
 1279.75 say " Approximate fuel  60"
 1279.75 say "Speed  0"
 1279.75 say "        Odometer:  1438"
 1279.75 say "Miles to go:  1412"
 1279.75 say " Cruising on Oklahoma Turnpike"
 1279.75 say " You are feeling fine"
 1279.75 draw 0.662211
 1279.75 say " Current weather: clear & dry"
 1279.75 say " How fast do you wish to go? "
 1279.80 key 5
 1279.80 voice rate 5
 1279.80 say "5"
 1279.80 voice rate 0
 1279.85 key 5
 1279.85 voice rate 5
 1279.85 say "5"
 1279.85 voice rate 0
 1279.87 play 22 volume 0 pan 0 frequency 22051
 1281.47 stop 22
 1281.47 draw 0.258979
 1281.47 draw 0.276800
 1281.47 draw 0.635478
 1281.47 draw 0.724406
 1281.59 play 12 volume 0 pan 1500 frequency 22051
 1287.79 stop 12
 1287.79 say " Day Saturday"
 1287.79 say " Time:  10 A.M. "
 1290.13 draw 0.305587
 1290.13 say " Approximate fuel  41"
 1290.13 say "Speed  55"
 1290.13 say "        Odometer:  1493"
 1290.13 say "Miles to go:  1357"
 1290.13 say " Cruising on Oklahoma Turnpike"
 1290.13 say " You are feeling fine"
 1290.13 draw 0.677963
 1290.13 say " Current weather: clear & dry"
 1290.13 say " How fast do you wish to go? "
 1290.18 key 5
 1290.18 voice rate 5
 1290.18 say "5"
 1290.18 voice rate 0
 1290.23 key 5
 1290.23 voice rate 5
 1290.23 say "5"
 1290.23 voice rate 0
 1290.25 play 22 volume 0 pan 0 frequency 22051
 1291.85 stop 22
 1291.85 draw 0.506493
 1291.85 draw 0.829386
 1291.85 draw 0.683298
 1291.85 draw 0.910101
 1292.88 play 13 volume 0 pan 1500 frequency 22051
 1298.88 stop 13
 1298.88 say " Day Saturday"
 1298.88 say " Time:  11 A.M. "
 1301.22 draw 0.119940
 1301.22 say " Approximate fuel  27"
 1301.22 say "Speed  55"
 1301.22 say "        Odometer:  1548"
 1301.22 say "Miles to go:  1302"
 1301.22 say " You have just past Missouri border"
 1309.29 play 45 volume 0 pan 0 frequency 22051
 1309.79 stop 46
 1312.29 stop 45
 1312.29 say " STOP!   Pay toll of $ 40"
 1314.32 play 40 volume 0 pan 0 frequency 22051
 1316.22 stop 40
 1316.22 play 44 volume 0 pan 0 frequency 22051
 1328.23 play 46 looped volume -10000 pan 0 frequency 22055
 1329.72 stop 44
 1329.72 say " Cruising on I-44 in Missouri"
 1329.72 say " You are feeling fine"
 1329.72 draw 0.839733
 1329.72 say " Current weather: clear, but roadway is wet"
 1329.72 say " How fast do you wish to go? "
 1329.77 key 5
 1329.77 voice rate 5
 1329.77 say "5"
 1329.77 voice rate 0
 1329.82 key 5
 1329.82 voice rate 5
 1329.82 say "5"
 1329.82 voice rate 0
 1329.84 play 22 volume 0 pan 0 frequency 22051
 1331.44 stop 22
 1331.44 draw 0.948270
 1331.44 draw 0.573621
 1331.44 draw 0.004145
 1331.44 draw 0.033512
 1331.56 play 2 volume 0 pan -1500 frequency 22051
 1334.96 stop 2
 1334.96 say " Day Saturday"
 1334.96 say " Time:  12 Noon"
 1337.24 draw 0.412466
 1337.24 say " Approximate fuel  18"
 1337.24 say "Speed  55"
 1337.24 say "        Odometer:  1603"
 1337.24 say "Miles to go:  1247"
 1337.24 say " Cruising on I-44 in Missouri"
 1337.24 say " You are feeling fine"
 1337.24 draw 0.458277
 1337.24 say " Current weather: clear & dry"
 1337.24 say " Truck stop ahead.  Do you want to stop? "
 1337.26 say " yes "
 1337.29 key n
 1337.29 voice rate 5
 1337.29 say "n"
 1337.29 voice rate 0
 1337.29 say " How fast do you wish to go? "
 1337.34 key 5
 1337.34 voice rate 5
 1337.34 say "5"
 1337.34 voice rate 0
 1337.39 key 5
 1337.39 voice rate 5
 1337.39 say "5"
 1337.39 voice rate 0
 1337.41 play 22 volume 0 pan 0 frequency 22051
 1339.01 stop 22
 1339.01 draw 0.477652
 1339.01 draw 0.681421
 1339.01 draw 0.754891
 1339.01 draw 0.820785
 1339.14 play 14 volume 0 pan 1500 frequency 22051
 1345.14 stop 14
 1345.14 say " Day Saturday"
 1345.14 say " Time:  1 P.M. "
 1347.42 draw 0.346309
 1347.42 say " Approximate fuel  5"
 1347.42 say "Speed  55"
 1347.42 say "        Odometer:  1658"
 1347.42 say "Miles to go:  1192"
 1347.42 say " Cruising on I-44 in Missouri"
 1347.42 say " You are feeling   bored"
 1347.42 draw 0.614950
 1347.42 say " Current weather: clear & dry"
 1347.42 say " Truck stop ahead.  Do you want to stop? "
 1347.44 say " yes "
 1347.47 key y
 1347.47 voice rate 5
 1347.47 say "y"
 1347.47 voice rate 0
 1347.47 draw 0.392867
 1347.47 play 43 volume 0 pan 0 frequency 22051
 1347.97 stop 46
 1351.27 stop 43
 1351.27 say " Diesel fuel costs "
 1351.27 say " 98 cents"
 1353.55 say " per gallon."
 1353.55 say "     How many gallons do you want"
 1353.60 key enter
 1353.60 voice rate 5
 1353.60 voice rate 0
 1353.60 draw 0.725346
 1353.62 play 40 volume 0 pan 0 frequency 22051
 1355.52 stop 40
 1355.52 say " So far, you have spent "
 1355.52 say "1,695 dollors"
 1358.34 say " Do you want to get some sleep? "
 1358.36 say " yes "
 1358.39 key y
 1358.39 voice rate 5
 1358.39 say "y"
 1358.39 voice rate 0
 1358.41 say "     How many hours of rest"
 1358.44 key 8
 1358.44 voice rate 5
 1358.44 say "8"
 1358.44 voice rate 0
 1358.47 key enter
 1358.49 play 25 volume 0 pan 0 frequency 22051
 1361.39 stop 25
 1361.41 play 25 volume 0 pan 0 frequency 22051
 1364.31 stop 25
 1364.33 play 25 volume 0 pan 0 frequency 22051
 1367.23 stop 25
 1367.25 play 25 volume 0 pan 0 frequency 22051
 1370.15 stop 25
 1370.17 play 25 volume 0 pan 0 frequency 22051
 1373.07 stop 25
 1373.09 play 25 volume 0 pan 0 frequency 22051
 1375.99 stop 25
 1376.01 play 25 volume 0 pan 0 frequency 22051
 1378.91 stop 25
 1378.93 play 25 volume 0 pan 0 frequency 22051
 1381.83 stop 25
 1381.85 play 41 volume 0 pan 0 frequency 22051
 1385.77 stop 41
 1385.77 draw 0.563473
 1385.77 say "Sitting with the refer unit off is damaging the oranges."
 1389.64 say " Thanks to the daytime noise, you got only 4hours real sleep."
 1393.62 play 23 volume 0 pan 0 frequency 22051
 1396.82 stop 23
 1396.82 say " Day Saturday"
 1396.82 say " Time:  10 P.M. "
 1399.16 say " You now have  0 gallons of fuel."
 1399.16 say " Do you want to buy more? "
 1399.18 say " yes "
 1399.21 key n
 1399.21 voice rate 5
 1399.21 say "n"
 1399.21 voice rate 0
 1399.21 play 44 volume 0 pan 0 frequency 22051
 1411.22 play 46 looped volume -10000 pan 0 frequency 22055
 1412.71 stop 44
 1412.71 say " How fast do you wish to go? "
 1412.76 key 5
 1412.76 voice rate 5
 1412.76 say "5"
 1412.76 voice rate 0
 1412.81 key 5
 1412.81 voice rate 5
 1412.81 say "5"
 1412.81 voice rate 0
 1412.83 play 22 volume 0 pan 0 frequency 22051
 1414.43 stop 22
 1414.43 draw 0.594779
 1414.43 draw 0.387737
 1419.44 draw 0.634460
 1419.44 draw 0.867792
 1419.56 play 12 volume 0 pan 1500 frequency 22051
 1425.76 stop 12
 1425.76 play 45 volume 0 pan 0 frequency 22051
 1426.26 stop 46
 1428.76 stop 45
 1428.78 play 41 volume 0 pan 0 frequency 22051
 1432.70 stop 41
 1432.70 say " After 0more miles, you ran out of fuel  ( DUMMY !! )"
 1436.18 say "     It cost $200 to get a barrel of diesel delivered."
 1439.95 play 39 volume 0 pan 0 frequency 22051
 1443.55 stop 39
 1443.57 play 38 volume 0 pan 0 frequency 22051
 1448.77 stop 38
 1448.79 play 36 volume 0 pan 0 frequency 22051
 1451.39 stop 36
 1451.41 play 31 volume 0 pan 0 frequency 22051
 1453.11 stop 31
 1453.13 play 40 volume 0 pan 0 frequency 22051
 1455.03 stop 40
 1455.03 draw 0.651694
 1455.03 say "          You also wasted 3hours by your carelessness."
 1458.57 draw 0.128594
 1458.57 say "Sitting with the refer unit off is damaging the oranges."
 1462.44 play 44 volume 0 pan 0 frequency 22051
 1474.45 play 46 looped volume -10000 pan 0 frequency 22055
 1475.94 stop 44
 1475.94 draw 0.088738
 1475.94 draw 0.677466
 1476.97 play 3 volume 0 pan 1500 frequency 22051
 1480.97 stop 3
 1480.97 say " Day Sunday"
 1480.97 say " Time:  2 A.M. "
 1483.13 draw 0.355594
 1483.13 say " Approximate fuel  54"
 1483.13 say "Speed  0"
 1483.13 say "        Odometer:  1658"
 1483.13 say "Miles to go:  1192"
 1483.13 say " Cruising on I-44 in Missouri"
 1483.13 say " You are feeling   bored"
 1483.13 draw 0.314726
 1483.13 say " Current weather: clear & dry"
 1483.13 say " How fast do you wish to go? "
 1483.18 key 5
 1483.18 voice rate 5
 1483.18 say "5"
 1483.18 voice rate 0
 1483.23 key 5
 1483.23 voice rate 5
 1483.23 say "5"
 1483.23 voice rate 0
 1483.25 play 22 volume 0 pan 0 frequency 22051
 1484.85 stop 22
 1484.85 draw 0.890054
 1484.85 draw 0.863915
 1484.85 draw 0.805662
 1484.85 draw 0.357323
 1485.88 play 15 volume 0 pan -1500 frequency 22051
 1489.88 stop 15
 1489.88 say " Day Sunday"
 1489.88 say " Time:  3 A.M. "
 1492.04 draw 0.640781
 1492.04 say " Approximate fuel  45"
 1492.04 say "Speed  55"
 1492.04 say "        Odometer:  1713"
 1492.04 say "Miles to go:  1137"
 1492.04 say " Cruising on I-44 in Missouri"
 1492.04 say " You are feeling   bored"
 1492.04 draw 0.598833
 1492.04 say " Current weather: clear & dry"
 1492.04 say " How fast do you wish to go? "
 1492.09 key 5
 1492.09 voice rate 5
 1492.09 say "5"
 1492.09 voice rate 0
 1492.14 key 5
 1492.14 voice rate 5
 1492.14 say "5"
 1492.14 voice rate 0
 1492.16 play 22 volume 0 pan 0 frequency 22051
 1493.76 stop 22
 1493.76 draw 0.235542
 1493.76 draw 0.589696
 1493.76 draw 0.997007
 1493.76 draw 0.052475
 1493.89 play 18 volume 0 pan -1500 frequency 22051
 1498.89 stop 18
 1498.89 say " Day Sunday"
 1498.89 say " Time:  4 A.M. "
 1501.05 draw 0.237520
 1501.05 say " Approximate fuel  28"
 1501.05 say "Speed  55"
 1501.05 say "        Odometer:  1768"
 1501.05 say "Miles to go:  1082"
 1501.05 say " Cruising on I-44 in Missouri"
 1501.05 say " You are feeling   bored"
 1501.05 draw 0.330987
 1501.05 say " Current weather: clear & dry"
 1501.05 say " How fast do you wish to go? "
 1501.10 key 5
 1501.10 voice rate 5
 1501.10 say "5"
 1501.10 voice rate 0
 1501.15 key 5
 1501.15 voice rate 5
 1501.15 say "5"
 1501.15 voice rate 0
 1501.17 play 22 volume 0 pan 0 frequency 22051
 1502.77 stop 22
 1502.77 draw 0.800934
 1502.77 draw 0.443679
 1502.77 draw 0.062724
 1502.77 draw 0.318257
 1503.80 play 3 volume 0 pan -1500 frequency 22051
 1507.80 stop 3
 1507.80 say " Day Sunday"
 1507.80 say " Time:  5 A.M. "
 1509.96 draw 0.830519
 1509.96 say " Approximate fuel  22"
 1509.96 say "Speed  55"
 1509.96 say "        Odometer:  1823"
 1509.96 say "Miles to go:  1027"
 1509.96 say " You have just past St. Louis"
 1517.46 say " Cruising on I-70 in Illinois"
 1517.46 say " You are feeling   bored"
 1517.46 draw 0.738447
 1517.46 say " Current weather: clear, but roadway is wet"
 1517.46 say " Truck stop ahead.  Do you want to stop? "
 1517.48 say " yes "
 1517.51 key y
 1517.51 voice rate 5
 1517.51 say "y"
 1517.51 voice rate 0
 1517.51 draw 0.278835
 1517.51 play 43 volume 0 pan 0 frequency 22051
 1518.01 stop 46
 1521.31 stop 43
 1521.31 say " Diesel fuel costs "
 1521.31 say " 94 cents"
 1523.59 say " per gallon."
 1523.59 say "     How many gallons do you want"
 1523.64 key enter
 1523.64 voice rate 5
 1523.64 voice rate 0
 1523.64 draw 0.728600
 1523.66 play 40 volume 0 pan 0 frequency 22051
 1525.56 stop 40
 1525.56 say " So far, you have spent "
 1525.56 say "1,895 dollors"
 1528.38 say " Do you want to get some sleep? "
 1528.40 say " yes "
 1528.43 key y
 1528.43 voice rate 5
 1528.43 say "y"
 1528.43 voice rate 0
 1528.45 say "     How many hours of rest"
 1528.48 key 8
 1528.48 voice rate 5
 1528.48 say "8"
 1528.48 voice rate 0
 1528.51 key enter
 1528.53 play 25 volume 0 pan 0 frequency 22051
 1531.43 stop 25
 1531.45 play 25 volume 0 pan 0 frequency 22051
 1534.35 stop 25
 1534.37 play 25 volume 0 pan 0 frequency 22051
 1537.27 stop 25
 1537.29 play 25 volume 0 pan 0 frequency 22051
 1540.19 stop 25
 1540.21 play 25 volume 0 pan 0 frequency 22051
 1543.11 stop 25
 1543.13 play 25 volume 0 pan 0 frequency 22051
 1546.03 stop 25
 1546.05 play 25 volume 0 pan 0 frequency 22051
 1548.95 stop 25
 1548.97 play 25 volume 0 pan 0 frequency 22051
 1551.87 stop 25
 1551.89 play 41 volume 0 pan 0 frequency 22051
 1555.81 stop 41
 1555.81 draw 0.319693
 1555.81 say "Sitting with the refer unit off is damaging the oranges."
 1559.68 say " Thanks to the daytime noise, you got only 4hours real sleep."
 1563.66 play 23 volume 0 pan 0 frequency 22051
 1566.86 stop 23
 1566.86 say " Day Sunday"
 1566.86 say " Time:  2 P.M. "
 1569.02 say " You now have  0 gallons of fuel."
 1569.02 say " Do you want to buy more? "
 1569.04 say " yes "
 1569.07 key n
 1569.07 voice rate 5
 1569.07 say "n"
 1569.07 voice rate 0
 1569.07 play 44 volume 0 pan 0 frequency 22051
 1581.08 play 46 looped volume -10000 pan 0 frequency 22055
 1582.57 stop 44
 1582.57 say " How fast do you wish to go? "
 1582.62 key 5
 1582.62 voice rate 5
 1582.62 say "5"
 1582.62 voice rate 0
 1582.67 key 5
 1582.67 voice rate 5
 1582.67 say "5"
 1582.67 voice rate 0
 1582.69 play 22 volume 0 pan 0 frequency 22051
 1584.29 stop 22
 1584.29 draw 0.152541
 1584.29 draw 0.984878
 1589.30 draw 0.261630
 1589.30 draw 0.608627
 1590.33 play 6 volume 0 pan 1500 frequency 22051
 1594.53 stop 6
 1594.53 play 45 volume 0 pan 0 frequency 22051
 1595.03 stop 46
 1597.53 stop 45
 1597.55 play 41 volume 0 pan 0 frequency 22051
 1601.47 stop 41
 1601.47 say " After 0more miles, you ran out of fuel  ( DUMMY !! )"
 1604.95 say "     It cost $200 to get a barrel of diesel delivered."
 1608.72 play 39 volume 0 pan 0 frequency 22051
 1612.32 stop 39
 1612.34 play 38 volume 0 pan 0 frequency 22051
 1617.54 stop 38
 1617.56 play 36 volume 0 pan 0 frequency 22051
 1620.16 stop 36
 1620.18 play 31 volume 0 pan 0 frequency 22051
 1621.88 stop 31
 1621.90 play 40 volume 0 pan 0 frequency 22051
 1623.80 stop 40
 1623.80 draw 0.917585
 1623.80 say "          You also wasted 4hours by your carelessness."
 1627.34 draw 0.642990
 1627.34 say "Sitting with the refer unit off is damaging the oranges."
 1631.21 play 44 volume 0 pan 0 frequency 22051
 1643.22 play 46 looped volume -10000 pan 0 frequency 22055
 1644.71 stop 44
 1644.71 draw 0.426780
 1644.71 draw 0.397216
 1644.83 play 9 volume 0 pan -1500 frequency 22051
 1649.83 stop 9
 1649.83 say " Day Sunday"
 1649.83 say " Time:  7 P.M. "
 1651.99 draw 0.048907
 1651.99 say " Approximate fuel  51"
 1651.99 say "Speed  0"
 1651.99 say "        Odometer:  1823"
 1651.99 say "Miles to go:  1027"
 1651.99 say " Cruising on I-70 in Illinois"
 1651.99 say " You are feeling   bored"
 1651.99 draw 0.081247
 1651.99 say " Current weather: clear & dry"
 1651.99 say " How fast do you wish to go? "
 1652.04 key 5
 1652.04 voice rate 5
 1652.04 say "5"
 1652.04 voice rate 0
 1652.09 key 5
 1652.09 voice rate 5
 1652.09 say "5"
 1652.09 voice rate 0
 1652.11 play 22 volume 0 pan 0 frequency 22051
 1653.71 stop 22
 1653.71 draw 0.450680
 1653.71 draw 0.922319
 1653.71 draw 0.233369
 1657.10 say " Day Sunday"
 1657.10 say " Time:  8 P.M. "
 1659.26 draw 0.868859
 1659.26 say " Approximate fuel  47"
 1659.26 say "Speed  55"
 1659.26 say "        Odometer:  1878"
 1659.26 say "Miles to go:  972"
 1659.26 say " Cruising on I-70 in Illinois"
 1659.26 say " You are feeling   bored"
 1659.26 draw 0.806227
 1659.26 say " Current weather: clear, but roadway is wet"
 1659.26 say " How fast do you wish to go? "
 1659.31 key 5
 1659.31 voice rate 5
 1659.31 say "5"
 1659.31 voice rate 0
 1659.36 key 5
 1659.36 voice rate 5
 1659.36 say "5"
 1659.36 voice rate 0
 1659.38 play 22 volume 0 pan 0 frequency 22051
 1660.98 stop 22
 1660.98 draw 0.174154
 1660.98 draw 0.312377
 1660.98 draw 0.428397
 1660.98 draw 0.859274
 1661.11 play 9 volume 0 pan 1500 frequency 22051
 1666.11 stop 9
 1666.11 say " Day Sunday"
 1666.11 say " Time:  9 P.M. "
 1668.27 draw 0.634156
 1668.27 say " Approximate fuel  32"
 1668.27 say "Speed  55"
 1668.27 say "        Odometer:  1933"
 1668.27 say "Miles to go:  917"
 1668.27 say " Cruising on I-70 in Illinois"
 1668.27 say " You are feeling   bored"
 1668.27 draw 0.824794
 1668.27 say " Current weather: clear, but roadway is wet"
 1668.27 say " How fast do you wish to go? "
 1668.32 key 5
 1668.32 voice rate 5
 1668.32 say "5"
 1668.32 voice rate 0
 1668.37 key 5
 1668.37 voice rate 5
 1668.37 say "5"
 1668.37 voice rate 0
 1668.39 play 22 volume 0 pan 0 frequency 22051
 1669.99 stop 22
 1669.99 draw 0.497052
 1669.99 draw 0.582461
 1669.99 draw 0.453912
 1669.99 draw 0.258272
 1670.12 play 9 volume 0 pan -1500 frequency 22051
 1675.12 stop 9
 1675.12 say " Day Sunday"
 1675.12 say " Time:  10 P.M. "
 1677.34 draw 0.618337
 1677.34 say " Approximate fuel  20"
 1677.34 say "Speed  55"
 1677.34 say "        Odometer:  1988"
 1677.34 say "Miles to go:  862"
 1677.34 say " You have just past Terre Haute"
 1684.90 draw 0.575418
 1685.91 play 45 volume 0 pan 0 frequency 22051
 1686.41 stop 46
 1688.91 stop 45
 1688.91 say " Weighing station open -- trucks must stop."
 1692.00 draw 0.867413
 1692.00 say "scale weighs truck with cargo, fuel and driver  59328.33 pounds"
 1696.08 say "     You're OK."
 1697.49 play 44 volume 0 pan 0 frequency 22051
 1709.50 play 46 looped volume -10000 pan 0 frequency 22055
 1710.99 stop 44
 1710.99 say " Cruising on I-70 in Indianna"
 1710.99 say " You are feeling   bored"
 1710.99 draw 0.924577
 1710.99 draw 0.574152
 1710.99 say " Current weather: rain"
 1710.99 play 20 looped volume 0 pan 0
 1710.99 say " Truck stop ahead.  Do you want to stop? "
 1711.01 say " yes "
 1711.04 key y
 1711.04 voice rate 5
 1711.04 say "y"
 1711.04 voice rate 0
 1711.04 draw 0.694083
 1711.04 play 43 volume 0 pan 0 frequency 22051
 1711.54 stop 46
 1714.84 stop 20
 1714.84 stop 43
 1714.84 say " Diesel fuel costs "
 1714.84 say "1 dollor, and,  9 cents"
 1717.96 say " per gallon."
 1717.96 say "     How many gallons do you want"
 1718.01 key enter
 1718.01 voice rate 5
 1718.01 voice rate 0
 1718.01 draw 0.392197
 1718.03 play 40 volume 0 pan 0 frequency 22051
 1719.93 stop 40
 1719.93 say " So far, you have spent "
 1719.93 say "2,095 dollors"
 1722.75 say " Do you want to get some sleep? "
 1722.77 say " yes "
 1722.80 key y
 1722.80 voice rate 5
 1722.80 say "y"
 1722.80 voice rate 0
 1722.82 say "     How many hours of rest"
 1722.85 key 8
 1722.85 voice rate 5
 1722.85 say "8"
 1722.85 voice rate 0
 1722.88 key enter
 1722.90 play 24 volume 0 pan 0 frequency 22051
 1725.60 stop 24
 1725.62 play 24 volume 0 pan 0 frequency 22051
 1728.32 stop 24
 1728.34 play 24 volume 0 pan 0 frequency 22051
 1731.04 stop 24
 1731.06 play 24 volume 0 pan 0 frequency 22051
 1733.76 stop 24
 1733.78 play 24 volume 0 pan 0 frequency 22051
 1736.48 stop 24
 1736.50 play 24 volume 0 pan 0 frequency 22051
 1739.20 stop 24
 1739.22 play 24 volume 0 pan 0 frequency 22051
 1741.92 stop 24
 1741.94 play 24 volume 0 pan 0 frequency 22051
 1744.64 stop 24
 1744.66 play 41 volume 0 pan 0 frequency 22051
 1748.58 stop 41
 1748.58 draw 0.676441
 1748.58 say "Sitting with the refer unit off is damaging the oranges."
 1752.47 play 23 volume 0 pan 0 frequency 22051
 1755.67 stop 23
 1755.67 say " Day Monday"
 1755.67 say " Time:  7 A.M. "
 1757.83 say " You now have  0 gallons of fuel."
 1757.83 say " Do you want to buy more? "
 1757.85 say " yes "
 1757.88 key n
 1757.88 voice rate 5
 1757.88 say "n"
 1757.88 voice rate 0
 1757.88 play 44 volume 0 pan 0 frequency 22051
 1757.88 play 20 looped volume 0 pan 0
 1769.89 play 46 looped volume -10000 pan 0 frequency 22055
 1771.38 stop 44
 1771.38 say " How fast do you wish to go? "
 1771.43 key 5
 1771.43 voice rate 5
 1771.43 say "5"
 1771.43 voice rate 0
 1771.48 key 5
 1771.48 voice rate 5
 1771.48 say "5"
 1771.48 voice rate 0
 1771.50 play 22 volume 0 pan 0 frequency 22051
 1773.10 stop 22
 1773.10 draw 0.998212
 1773.10 draw 0.940382
 1778.11 draw 0.141237
 1778.11 draw 0.938168
 1779.14 play 4 volume 0 pan 1500 frequency 22051
 1784.14 stop 4
 1784.14 play 45 volume 0 pan 0 frequency 22051
 1784.64 stop 46
 1787.14 stop 20
 1787.14 stop 45
 1787.16 play 41 volume 0 pan 0 frequency 22051
 1791.08 stop 41
 1791.08 say " After 0more miles, you ran out of fuel  ( DUMMY !! )"
 1794.56 say "     It cost $200 to get a barrel of diesel delivered."
 1798.33 play 39 volume 0 pan 0 frequency 22051
 1801.93 stop 39
 1801.95 play 38 volume 0 pan 0 frequency 22051
 1807.15 stop 38
 1807.17 play 36 volume 0 pan 0 frequency 22051
 1809.77 stop 36
 1809.79 play 31 volume 0 pan 0 frequency 22051
 1811.49 stop 31
 1811.51 play 40 volume 0 pan 0 frequency 22051
 1813.41 stop 40
 1813.41 draw 0.038658
 1813.41 say "          You also wasted 0hours by your carelessness."
 1816.95 draw 0.025185
 1816.95 say "Sitting with the refer unit off is damaging the oranges."
 1820.82 play 44 volume 0 pan 0 frequency 22051
 1820.82 play 20 looped volume 0 pan 0
 1832.83 play 46 looped volume -10000 pan 0 frequency 22055
 1834.32 stop 44
 1834.32 draw 0.177799
 1834.32 say " Day Monday"
 1834.32 say " Time:  8 A.M. "
 1836.48 draw 0.305048
 1836.48 say " Approximate fuel  54"
 1836.48 say "Speed  0"
 1836.48 say "        Odometer:  1988"
 1836.48 say "Miles to go:  862"
 1836.48 say " Cruising on I-70 in Indianna"
 1836.48 say " You are feeling   bored"
 1836.48 draw 0.984747
 1836.48 say " Current weather: BLIZZARD  !!"
 1836.48 play 21 looped volume 0 pan 0
 1836.48 say " How fast do you wish to go? "
 1836.53 key 5
 1836.53 voice rate 5
 1836.53 say "5"
 1836.53 voice rate 0
 1836.58 key 5
 1836.58 voice rate 5
 1836.58 say "5"
 1836.58 voice rate 0
 1836.60 play 22 volume 0 pan 0 frequency 22051
 1838.20 stop 22
 1838.20 draw 0.943461
 1838.20 draw 0.763956
 1838.20 draw 0.623090
 1838.20 draw 0.968884
 1838.32 play 12 volume 0 pan 1500 frequency 22051
 1844.52 stop 12
 1844.52 say " Day Monday"
 1844.52 say " Time:  9 A.M. "
 1846.68 draw 0.573016
 1846.68 say " Approximate fuel  44"
 1846.68 say "Speed  55"
 1846.68 say "        Odometer:  2043"
 1846.68 say "Miles to go:  807"
 1846.68 say " Cruising on I-70 in Indianna"
 1846.68 say " You are feeling   bored"
 1846.68 draw 0.213220
 1846.68 say " Current weather: clear, but roadway is wet"
 1846.68 stop 20
 1846.68 stop 21
 1846.68 say " How fast do you wish to go? "
 1846.73 key 5
 1846.73 voice rate 5
 1846.73 say "5"
 1846.73 voice rate 0
 1846.78 key 5
 1846.78 voice rate 5
 1846.78 say "5"
 1846.78 voice rate 0
 1846.80 play 22 volume 0 pan 0 frequency 22051
 1848.40 stop 22
 1848.40 draw 0.133454
 1848.40 draw 0.763759
 1848.40 draw 0.527318
 1851.79 say " Day Monday"
 1851.79 say " Time:  10 A.M. "
 1854.01 draw 0.817395
 1854.01 say " Approximate fuel  34"
 1854.01 say "Speed  55"
 1854.01 say "        Odometer:  2098"
 1854.01 say "Miles to go:  752"
 1854.01 say " You have just past Indianapolis"
 1861.63 say " Cruising on I-70 in Indianna"
 1861.63 say " You are feeling   bored"
 1861.63 draw 0.793851
 1861.63 say " Current weather: clear, but roadway is wet"
 1861.63 say " How fast do you wish to go? "
 1861.68 key 5
 1861.68 voice rate 5
 1861.68 say "5"
 1861.68 voice rate 0
 1861.73 key 5
 1861.73 voice rate 5
 1861.73 say "5"
 1861.73 voice rate 0
 1861.75 play 22 volume 0 pan 0 frequency 22051
 1863.35 stop 22
 1863.35 draw 0.670177
 1863.35 draw 0.776758
 1863.35 draw 0.688145
 1863.35 draw 0.428765
 1864.38 play 13 volume 0 pan -1500 frequency 22051
 1870.38 stop 13
 1870.38 say " Day Monday"
 1870.38 say " Time:  11 A.M. "
 1872.60 draw 0.830145
 1872.60 say " Approximate fuel  22"
 1872.60 say "Speed  55"
 1872.60 say "        Odometer:  2153"
 1872.60 say "Miles to go:  697"
 1872.60 say " You have just past Ohio border"
 1880.16 say " Time zone changes -- set clock ahead one hour."
 1880.16 say " Day Monday"
 1880.16 say " Time:  12 Noon"
 1885.44 say " Cruising on I-70 in Ohio"
 1885.44 say " You are feeling   bored"
 1885.44 draw 0.915890
 1885.44 say " Current weather: fog -- limited visibility"
 1885.44 say " Truck stop ahead.  Do you want to stop? "
 1885.46 say " yes "
 1885.49 key y
 1885.49 voice rate 5
 1885.49 say "y"
 1885.49 voice rate 0
 1885.49 draw 0.777442
 1885.49 play 43 volume 0 pan 0 frequency 22051
 1885.99 stop 46
 1889.29 stop 43
 1889.29 say " Diesel fuel costs "
 1889.29 say "1 dollor, and,  12 cents"
 1892.47 say " per gallon."
 1892.47 say "     How many gallons do you want"
 1892.52 key enter
 1892.52 voice rate 5
 1892.52 voice rate 0
 1892.52 draw 0.085850
 1892.54 play 40 volume 0 pan 0 frequency 22051
 1894.44 stop 40
 1894.44 say " So far, you have spent "
 1894.44 say "2,295 dollors"
 1897.26 say " Do you want to get some sleep? "
 1897.28 say " yes "
 1897.31 key y
 1897.31 voice rate 5
 1897.31 say "y"
 1897.31 voice rate 0
 1897.33 say "     How many hours of rest"
 1897.36 key 8
 1897.36 voice rate 5
 1897.36 say "8"
 1897.36 voice rate 0
 1897.39 key enter
 1897.41 play 25 volume 0 pan 0 frequency 22051
 1900.31 stop 25
 1900.33 play 25 volume 0 pan 0 frequency 22051
 1903.23 stop 25
 1903.25 play 25 volume 0 pan 0 frequency 22051
 1906.15 stop 25
 1906.17 play 25 volume 0 pan 0 frequency 22051
 1909.07 stop 25
 1909.09 play 25 volume 0 pan 0 frequency 22051
 1911.99 stop 25
 1912.01 play 25 volume 0 pan 0 frequency 22051
 1914.91 stop 25
 1914.93 play 25 volume 0 pan 0 frequency 22051
 1917.83 stop 25
 1917.85 play 25 volume 0 pan 0 frequency 22051
 1920.75 stop 25
 1920.77 play 41 volume 0 pan 0 frequency 22051
 1924.69 stop 41
 1924.69 draw 0.949679
 1924.69 say "Sitting with the refer unit off is damaging the oranges."
 1928.56 say " Thanks to the daytime noise, you got only 4hours real sleep."
 1932.54 play 23 volume 0 pan 0 frequency 22051
 1935.74 stop 23
 1935.74 say " Day Monday"
 1935.74 say " Time:  9 P.M. "
 1937.90 say " You now have  0 gallons of fuel."
 1937.90 say " Do you want to buy more? "
 1937.92 say " yes "
 1937.95 key n
 1937.95 voice rate 5
 1937.95 say "n"
 1937.95 voice rate 0
 1937.95 play 44 volume 0 pan 0 frequency 22051
 1949.96 play 46 looped volume -10000 pan 0 frequency 22055
 1951.45 stop 44
 1951.45 say " How fast do you wish to go? "
 1951.50 key 5
 1951.50 voice rate 5
 1951.50 say "5"
 1951.50 voice rate 0
 1951.55 key 5
 1951.55 voice rate 5
 1951.55 say "5"
 1951.55 voice rate 0
 1951.57 play 22 volume 0 pan 0 frequency 22051
 1953.17 stop 22
 1953.17 draw 0.477126
 1953.17 draw 0.885490
 1958.18 draw 0.084955
 1958.18 draw 0.938232
 1959.21 play 3 volume 0 pan 1500 frequency 22051
 1963.21 stop 3
 1963.21 play 45 volume 0 pan 0 frequency 22051
 1963.71 stop 46
 1966.21 stop 45
 1966.23 play 41 volume 0 pan 0 frequency 22051
 1970.15 stop 41
 1970.15 say " After 0more miles, you ran out of fuel  ( DUMMY !! )"
 1973.63 say "     It cost $200 to get a barrel of diesel delivered."
 1977.40 play 39 volume 0 pan 0 frequency 22051
 1981.00 stop 39
 1981.02 play 38 volume 0 pan 0 frequency 22051
 1986.22 stop 38
 1986.24 play 36 volume 0 pan 0 frequency 22051
 1988.84 stop 36
 1988.86 play 31 volume 0 pan 0 frequency 22051
 1990.56 stop 31
 1990.58 play 40 volume 0 pan 0 frequency 22051
 1992.48 stop 40
 1992.48 draw 0.314857
 1992.48 say "          You also wasted 1hours by your carelessness."
 1996.02 draw 0.421062
 1996.02 say "Sitting with the refer unit off is damaging the oranges."
 1999.89 play 44 volume 0 pan 0 frequency 22051
 2011.90 play 46 looped volume -10000 pan 0 frequency 22055
 2013.39 stop 44
 2013.39 draw 0.685338
 2013.39 draw 0.090814
 2014.42 play 13 volume 0 pan -1500 frequency 22051
 2020.42 stop 13
 2020.42 say " Day Monday"
 2020.42 say " Time:  11 P.M. "
 2022.64 draw 0.208015
 2022.64 say " Approximate fuel  53"
 2022.64 say "Speed  0"
 2022.64 say "        Odometer:  2153"
 2022.64 say "Miles to go:  697"
 2022.64 say " Cruising on I-70 in Ohio"
 2022.64 say " You are feeling   bored"
 2022.64 draw 0.583011
 2022.64 say " Current weather: clear & dry"
 2022.64 say " How fast do you wish to go? "
 2022.69 key 5
 2022.69 voice rate 5
 2022.69 say "5"
 2022.69 voice rate 0
 2022.74 key 5
 2022.74 voice rate 5
 2022.74 say "5"
 2022.74 voice rate 0
 2022.76 play 22 volume 0 pan 0 frequency 22051
 2024.36 stop 22
 2024.36 draw 0.385252
 2024.36 draw 0.106400
 2024.36 draw 0.010085
 2024.36 draw 0.896140
 2024.49 play 2 volume 0 pan 1500 frequency 22051
 2027.89 stop 2
 2027.89 say " Day Tuesday"
 2027.89 say " Time:  12 Midnight"
 2030.35 draw 0.668025
 2030.35 say " Approximate fuel  45"
 2030.35 say "Speed  55"
 2030.35 say "        Odometer:  2208"
 2030.35 say "Miles to go:  642"
 2030.35 say " Cruising on I-70 in Ohio"
 2030.35 say " You are feeling   bored"
 2030.35 draw 0.323932
 2030.35 say " Current weather: clear & dry"
 2030.35 say " How fast do you wish to go? "
 2030.40 key 5
 2030.40 voice rate 5
 2030.40 say "5"
 2030.40 voice rate 0
 2030.45 key 5
 2030.45 voice rate 5
 2030.45 say "5"
 2030.45 voice rate 0
 2030.47 play 22 volume 0 pan 0 frequency 22051
 2032.07 stop 22
 2032.07 draw 0.886067
 2032.07 draw 0.967222
 2032.07 draw 0.081541
 2032.07 draw 0.260480
 2033.10 play 3 volume 0 pan -1500 frequency 22051
 2037.10 stop 3
 2037.10 say " Day Tuesday"
 2037.10 say " Time:  1 A.M. "
 2039.32 draw 0.529672
 2039.32 say " Approximate fuel  31"
 2039.32 say "Speed  55"
 2039.32 say "        Odometer:  2263"
 2039.32 say "Miles to go:  587"
 2039.32 say " You have just past Columbus"
 2046.70 draw 0.920648
 2047.71 play 45 volume 0 pan 0 frequency 22051
 2048.21 stop 46
 2050.71 stop 45
 2050.71 say " Weighing station open -- trucks must stop."
 2053.79 draw 0.233056
 2053.79 say "scale weighs truck with cargo, fuel and driver  59263.88 pounds"
 2057.87 say "     You're OK."
 2059.27 play 44 volume 0 pan 0 frequency 22051
 2071.28 play 46 looped volume -10000 pan 0 frequency 22055
 2072.77 stop 44
 2072.77 say " Cruising on I-70 in Ohio"
 2072.77 say " You are feeling   bored"
 2072.77 draw 0.935351
 2072.77 say " Current weather: BLIZZARD  !!"
 2072.77 play 20 looped volume 0 pan 0
 2072.77 play 21 looped volume 0 pan 0
 2072.77 say " How fast do you wish to go? "
 2072.82 key 5
 2072.82 voice rate 5
 2072.82 say "5"
 2072.82 voice rate 0
 2072.87 key 5
 2072.87 voice rate 5
 2072.87 say "5"
 2072.87 voice rate 0
 2072.89 play 22 volume 0 pan 0 frequency 22051
 2074.49 stop 22
 2074.49 draw 0.901128
 2074.49 draw 0.338206
 2074.49 draw 0.225235
 2077.88 say " Day Tuesday"
 2077.88 say " Time:  2 A.M. "
 2080.10 draw 0.183356
 2080.10 say " Approximate fuel  16"
 2080.10 say "Speed  55"
 2080.10 say "        Odometer:  2318"
 2080.10 say "Miles to go:  532"
 2080.10 say " Cruising on I-70 in Ohio"
 2080.10 say " You are feeling   bored"
 2080.10 draw 0.054977
 2080.10 say " Current weather: clear, but roadway is wet"
 2080.10 stop 20
 2080.10 stop 21
 2080.10 say " Truck stop ahead.  Do you want to stop? "
 2080.12 say " yes "
 2080.15 key y
 2080.15 voice rate 5
 2080.15 say "y"
 2080.15 voice rate 0
 2080.15 draw 0.956080
 2080.15 play 43 volume 0 pan 0 frequency 22051
 2080.65 stop 46
 2083.95 stop 43
 2083.95 say " Diesel fuel costs "
 2083.95 say "1 dollor, and,  18 cents"
 2087.13 say " per gallon."
 2087.13 say "     How many gallons do you want"
 2087.18 key enter
 2087.18 voice rate 5
 2087.18 voice rate 0
 2087.18 draw 0.146812
 2087.20 play 40 volume 0 pan 0 frequency 22051
 2089.10 stop 40
 2089.10 say " So far, you have spent "
 2089.10 say "2,495 dollors"
 2091.92 say " Do you want to get some sleep? "
 2091.94 say " yes "
 2091.97 key y
 2091.97 voice rate 5
 2091.97 say "y"
 2091.97 voice rate 0
 2091.99 say "     How many hours of rest"
 2092.02 key 8
 2092.02 voice rate 5
 2092.02 say "8"
 2092.02 voice rate 0
 2092.05 key enter
 2092.07 play 24 volume 0 pan 0 frequency 22051
 2094.77 stop 24
 2094.79 play 24 volume 0 pan 0 frequency 22051
 2097.49 stop 24
 2097.51 play 24 volume 0 pan 0 frequency 22051
 2100.21 stop 24
 2100.23 play 24 volume 0 pan 0 frequency 22051
 2102.93 stop 24
 2102.95 play 24 volume 0 pan 0 frequency 22051
 2105.65 stop 24
 2105.67 play 24 volume 0 pan 0 frequency 22051
 2108.37 stop 24
 2108.39 play 24 volume 0 pan 0 frequency 22051
 2111.09 stop 24
 2111.11 play 24 volume 0 pan 0 frequency 22051
 2113.81 stop 24
 2113.83 play 41 volume 0 pan 0 frequency 22051
 2117.75 stop 41
 2117.75 draw 0.957773
 2117.75 say "Sitting with the refer unit off is damaging the oranges."
 2121.63 play 23 volume 0 pan 0 frequency 22051
 2124.83 stop 23
 2124.83 say " Day Tuesday"
 2124.83 say " Time:  11 A.M. "
 2127.11 say " You now have  0 gallons of fuel."
 2127.11 say " Do you want to buy more? "
 2127.13 say " yes "
 2127.16 key n
 2127.16 voice rate 5
 2127.16 say "n"
 2127.16 voice rate 0
 2127.16 play 44 volume 0 pan 0 frequency 22051
 2139.17 play 46 looped volume -10000 pan 0 frequency 22055
 2140.66 stop 44
 2140.66 say " How fast do you wish to go? "
 2140.71 key 5
 2140.71 voice rate 5
 2140.71 say "5"
 2140.71 voice rate 0
 2140.76 key 5
 2140.76 voice rate 5
 2140.76 say "5"
 2140.76 voice rate 0
 2140.78 play 22 volume 0 pan 0 frequency 22051
 2142.38 stop 22
 2142.38 draw 0.339128
 2142.38 draw 0.059312
 2147.39 draw 0.819231
 2147.39 play 45 volume 0 pan 0 frequency 22051
 2147.89 stop 46
 2150.39 stop 45
 2150.41 play 41 volume 0 pan 0 frequency 22051
 2154.33 stop 41
 2154.33 say " After 0more miles, you ran out of fuel  ( DUMMY !! )"
 2157.81 say "     It cost $200 to get a barrel of diesel delivered."
 2161.58 play 39 volume 0 pan 0 frequency 22051
 2165.18 stop 39
 2165.20 play 38 volume 0 pan 0 frequency 22051
 2170.40 stop 38
 2170.42 play 36 volume 0 pan 0 frequency 22051
 2173.02 stop 36
 2173.04 play 31 volume 0 pan 0 frequency 22051
 2174.74 stop 31
 2174.76 play 40 volume 0 pan 0 frequency 22051
 2176.66 stop 40
 2176.66 draw 0.803403
 2176.66 say "          You also wasted 4hours by your carelessness."
 2180.20 draw 0.463324
 2180.20 say "Sitting with the refer unit off is damaging the oranges."
 2184.07 play 44 volume 0 pan 0 frequency 22051
 2196.08 play 46 looped volume -10000 pan 0 frequency 22055
 2197.57 stop 44
 2197.57 draw 0.772355
 2197.57 say " Day Tuesday"
 2197.57 say " Time:  4 P.M. "
 2199.79 draw 0.748819
 2199.79 say " Approximate fuel  58"
 2199.79 say "Speed  0"
 2199.79 say "        Odometer:  2318"
 2199.79 say "Miles to go:  532"
 2199.79 say " Cruising on I-70 in Ohio"
 2199.79 say " You are feeling   bored"
 2199.79 draw 0.450692
 2199.79 say " Current weather: clear & dry"
 2199.79 say " How fast do you wish to go? "
 2199.84 key 5
 2199.84 voice rate 5
 2199.84 say "5"
 2199.84 voice rate 0
 2199.89 key 5
 2199.89 voice rate 5
 2199.89 say "5"
 2199.89 voice rate 0
 2199.91 play 22 volume 0 pan 0 frequency 22051
 2201.51 stop 22
 2201.51 draw 0.283371
 2201.51 draw 0.142490
 2201.51 draw 0.910084
 2201.51 draw 0.079106
 2201.63 play 17 volume 0 pan -1500 frequency 22051
 2206.63 stop 17
 2206.63 say " Day Tuesday"
 2206.63 say " Time:  5 P.M. "
 2208.85 draw 0.725661
 2208.85 say " Approximate fuel  46"
 2208.85 say "Speed  55"
 2208.85 say "        Odometer:  2373"
 2208.85 say "Miles to go:  477"
 2208.85 say " You have just past Wheeling West Virginia"
 2217.07 draw 0.077682
 2217.07 say " Cruising on I-70 in Pennsylvania"
 2217.07 say " You are feeling   bored"
 2217.07 draw 0.669955
 2217.07 say " Current weather: clear, but roadway is wet"
 2217.07 say " How fast do you wish to go? "
 2217.12 key 5
 2217.12 voice rate 5
 2217.12 say "5"
 2217.12 voice rate 0
 2217.17 key 5
 2217.17 voice rate 5
 2217.17 say "5"
 2217.17 voice rate 0
 2217.19 play 22 volume 0 pan 0 frequency 22051
 2218.79 stop 22
 2218.79 draw 0.060294
 2218.79 draw 0.111254
 2218.79 draw 0.475343
 2222.18 say " Day Tuesday"
 2222.18 say " Time:  6 P.M. "
 2224.40 draw 0.080958
 2224.40 say " Approximate fuel  27"
 2224.40 say "Speed  55"
 2224.40 say "        Odometer:  2428"
 2224.40 say "Miles to go:  422"
 2224.40 say " You have just past New Stanton"
 2231.96 draw 0.031953
 2231.96 say " Cruising on Pennsylvania Turnpike"
 2231.96 say " You are feeling   bored"
 2231.96 draw 0.639617
 2231.96 say " Current weather: clear, but roadway is wet"
 2231.96 say " How fast do you wish to go? "
 2232.01 key 5
 2232.01 voice rate 5
 2232.01 say "5"
 2232.01 voice rate 0
 2232.06 key 5
 2232.06 voice rate 5
 2232.06 say "5"
 2232.06 voice rate 0
 2232.08 play 22 volume 0 pan 0 frequency 22051
 2233.68 stop 22
 2233.68 draw 0.895174
 2233.68 draw 0.483233
 2233.68 draw 0.837661
 2237.07 say " Day Tuesday"
 2237.07 say " Time:  7 P.M. "
 2239.29 draw 0.708987
 2239.29 say " Approximate fuel  21"
 2239.29 say "Speed  55"
 2239.29 say "        Odometer:  2483"
 2239.29 say "Miles to go:  367"
 2239.29 say " Cruising on Pennsylvania Turnpike"
 2239.29 say " You are feeling   bored"
 2239.29 draw 0.933030
 2239.29 say " Current weather: BLIZZARD  !!"
 2239.29 play 20 looped volume 0 pan 0
 2239.29 play 21 looped volume 0 pan 0
 2239.29 say " Truck stop ahead.  Do you want to stop? "
 2239.31 say " yes "
 2239.34 key y
 2239.34 voice rate 5
 2239.34 say "y"
 2239.34 voice rate 0
 2239.34 draw 0.974356
 2239.34 play 43 volume 0 pan 0 frequency 22051
 2239.84 stop 46
 2243.14 stop 20
 2243.14 stop 43
 2243.14 say " Diesel fuel costs "
 2243.14 say "1 dollor, and,  19 cents"
 2246.32 say " per gallon."
 2246.32 say "     How many gallons do you want"
 2246.37 key enter
 2246.37 voice rate 5
 2246.37 voice rate 0
 2246.37 draw 0.588157
 2246.39 play 40 volume 0 pan 0 frequency 22051
 2248.29 stop 40
 2248.29 say " So far, you have spent "
 2248.29 say "2,695 dollors"
 2251.11 say " Do you want to get some sleep? "
 2251.13 say " yes "
 2251.16 key y
 2251.16 voice rate 5
 2251.16 say "y"
 2251.16 voice rate 0
 2251.18 say "     How many hours of rest"
 2251.21 key 8
 2251.21 voice rate 5
 2251.21 say "8"
 2251.21 voice rate 0
 2251.24 key enter
 2251.26 play 24 volume 0 pan 0 frequency 22051
 2253.96 stop 24
 2253.98 play 24 volume 0 pan 0 frequency 22051
 2256.68 stop 24
 2256.70 play 24 volume 0 pan 0 frequency 22051
 2259.40 stop 24
 2259.42 play 24 volume 0 pan 0 frequency 22051
 2262.12 stop 24
 2262.14 play 24 volume 0 pan 0 frequency 22051
 2264.84 stop 24
 2264.86 play 24 volume 0 pan 0 frequency 22051
 2267.56 stop 24
 2267.58 play 24 volume 0 pan 0 frequency 22051
 2270.28 stop 24
 2270.30 play 24 volume 0 pan 0 frequency 22051
 2273.00 stop 24
 2273.02 play 41 volume 0 pan 0 frequency 22051
 2276.94 stop 41
 2276.94 draw 0.946075
 2276.94 say "Sitting with the refer unit off is damaging the oranges."
 2280.83 play 23 volume 0 pan 0 frequency 22051
 2284.03 stop 23
 2284.03 say " Day Wednesday"
 2284.03 say " Time:  4 A.M. "
 2286.37 say " You now have  0 gallons of fuel."
 2286.37 say " Do you want to buy more? "
 2286.39 say " yes "
 2286.42 key n
 2286.42 voice rate 5
 2286.42 say "n"
 2286.42 voice rate 0
 2286.42 play 44 volume 0 pan 0 frequency 22051
 2286.42 play 20 looped volume 0 pan 0
 2298.43 play 46 looped volume -10000 pan 0 frequency 22055
 2299.92 stop 44
 2299.92 say " How fast do you wish to go? "
 2299.97 key 5
 2299.97 voice rate 5
 2299.97 say "5"
 2299.97 voice rate 0
 2300.02 key 5
 2300.02 voice rate 5
 2300.02 say "5"
 2300.02 voice rate 0
 2300.04 play 22 volume 0 pan 0 frequency 22051
 2301.64 stop 22
 2301.64 draw 0.705345
 2301.64 draw 0.464674
 2306.65 draw 0.915026
 2306.65 draw 0.579595
 2306.78 play 17 volume 0 pan 1500 frequency 22051
 2311.78 stop 17
 2311.78 play 45 volume 0 pan 0 frequency 22051
 2312.28 stop 46
 2314.78 stop 20
 2314.78 stop 45
 2314.80 play 41 volume 0 pan 0 frequency 22051
 2318.72 stop 41
 2318.72 say " After 0more miles, you ran out of fuel  ( DUMMY !! )"
 2322.20 say "     It cost $200 to get a barrel of diesel delivered."
 2325.96 play 39 volume 0 pan 0 frequency 22051
 2329.56 stop 39
 2329.58 play 38 volume 0 pan 0 frequency 22051
 2334.78 stop 38
 2334.80 play 36 volume 0 pan 0 frequency 22051
 2337.40 stop 36
 2337.42 play 31 volume 0 pan 0 frequency 22051
 2339.12 stop 31
 2339.14 play 40 volume 0 pan 0 frequency 22051
 2341.04 stop 40
 2341.04 draw 0.239200
 2341.04 say "          You also wasted 1hours by your carelessness."
 2344.58 draw 0.389501
 2344.58 say "Sitting with the refer unit off is damaging the oranges."
 2348.44 play 44 volume 0 pan 0 frequency 22051
 2348.44 play 20 looped volume 0 pan 0
 2360.45 play 46 looped volume -10000 pan 0 frequency 22055
 2361.94 stop 44
 2361.94 draw 0.422116
 2361.94 say " Day Wednesday"
 2361.94 say " Time:  6 A.M. "
 2364.28 draw 0.164061
 2364.28 say " Approximate fuel  52"
 2364.28 say "Speed  0"
 2364.28 say "        Odometer:  2483"
 2364.28 say "Miles to go:  367"
 2364.28 say " Cruising on Pennsylvania Turnpike"
 2364.28 say " You are feeling fine"
 2364.28 draw 0.025000
 2364.28 say " Current weather: clear, but roadway is wet"
 2364.28 stop 20
 2364.28 stop 21
 2364.28 say " How fast do you wish to go? "
 2364.33 key 5
 2364.33 voice rate 5
 2364.33 say "5"
 2364.33 voice rate 0
 2364.38 key 5
 2364.38 voice rate 5
 2364.38 say "5"
 2364.38 voice rate 0
 2364.40 play 22 volume 0 pan 0 frequency 22051
 2366.00 stop 22
 2366.00 draw 0.052611
 2366.00 draw 0.678367
 2366.00 draw 0.253876
 2366.00 draw 0.152055
 2367.03 play 6 volume 0 pan -1500 frequency 22051
 2371.23 stop 6
 2371.23 say " Day Wednesday"
 2371.23 say " Time:  7 A.M. "
 2373.57 draw 0.197583
 2373.57 say " Approximate fuel  40"
 2373.57 say "Speed  55"
 2373.57 say "        Odometer:  2538"
 2373.57 say "Miles to go:  312"
 2373.57 say " Cruising on Pennsylvania Turnpike"
 2373.57 say " You are feeling fine"
 2373.57 draw 0.818283
 2373.57 draw 0.891761
 2373.57 say " Current weather: rain"
 2373.57 play 20 looped volume 0 pan 0
 2373.57 say " How fast do you wish to go? "
 2373.62 key 5
 2373.62 voice rate 5
 2373.62 say "5"
 2373.62 voice rate 0
 2373.67 key 5
 2373.67 voice rate 5
 2373.67 say "5"
 2373.67 voice rate 0
 2373.69 play 22 volume 0 pan 0 frequency 22051
 2375.29 stop 22
 2375.29 draw 0.454319
 2375.29 draw 0.740842
 2375.29 draw 0.575031
 2375.29 draw 0.488515
 2375.42 play 11 volume 0 pan -1500 frequency 22051
 2379.92 stop 11
 2379.92 say " Day Wednesday"
 2379.92 say " Time:  8 A.M. "
 2382.26 draw 0.644400
 2382.26 say " Approximate fuel  32"
 2382.26 say "Speed  55"
 2382.26 say "        Odometer:  2593"
 2382.26 say "Miles to go:  257"
 2382.26 say " You have just past Harrisburg"
 2389.76 draw 0.948309
 2389.76 say " Construction ahead !!"
 2389.96 say " Slow down -- speed limit 35 MPH"
 2389.96 say " Cruising on Pennsylvania Turnpike"
 2389.96 say " You are feeling fine"
 2389.96 draw 0.802443
 2389.96 draw 0.410429
 2389.96 say " Current weather: rain"
 2389.96 say " How fast do you wish to go? "
 2390.01 key 3
 2390.01 voice rate 5
 2390.01 say "3"
 2390.01 voice rate 0
 2390.06 key 5
 2390.06 voice rate 5
 2390.06 say "5"
 2390.06 voice rate 0
 2390.08 play 22 volume 0 pan 0 frequency 22051
 2391.68 stop 22
 2393.68 draw 0.251410
 2393.68 draw 0.002624
 2393.68 draw 0.291278
 2395.07 say " Day Wednesday"
 2395.07 say " Time:  9 A.M. "
 2397.41 draw 0.979204
 2397.41 say " Approximate fuel  18"
 2397.41 say "Speed  35"
 2397.41 say "        Odometer:  2628"
 2397.41 say "Miles to go:  222"
 2397.41 say " Cruising on Pennsylvania Turnpike"
 2397.41 say " You are feeling fine"
 2397.41 draw 0.423885
 2397.41 say " Current weather: clear & dry"
 2397.41 stop 20
 2397.41 say " Truck stop ahead.  Do you want to stop? "
 2397.43 say " yes "
 2397.46 key n
 2397.46 voice rate 5
 2397.46 say "n"
 2397.46 voice rate 0
 2397.46 say " How fast do you wish to go? "
 2397.51 key 3
 2397.51 voice rate 5
 2397.51 say "3"
 2397.51 voice rate 0
 2397.56 key 5
 2397.56 voice rate 5
 2397.56 say "5"
 2397.56 voice rate 0
 2397.58 play 22 volume 0 pan 0 frequency 22051
 2399.18 stop 22
 2399.18 draw 0.540084
 2399.18 draw 0.063670
 2404.19 draw 0.142211
 2404.19 draw 0.985595
 2405.22 play 4 volume 0 pan 1500 frequency 22051
 2410.22 stop 4
 2410.22 play 45 volume 0 pan 0 frequency 22051
 2410.72 stop 46
 2413.22 stop 45
 2413.24 play 41 volume 0 pan 0 frequency 22051
 2417.16 stop 41
 2417.16 say " After 26.11more miles, you ran out of fuel  ( DUMMY !! )"
 2420.88 say "     It cost $200 to get a barrel of diesel delivered."
 2424.65 play 39 volume 0 pan 0 frequency 22051
 2428.25 stop 39
 2428.27 play 38 volume 0 pan 0 frequency 22051
 2433.47 stop 38
 2433.49 play 36 volume 0 pan 0 frequency 22051
 2436.09 stop 36
 2436.11 play 31 volume 0 pan 0 frequency 22051
 2437.81 stop 31
 2437.83 play 40 volume 0 pan 0 frequency 22051
 2439.73 stop 40
 2439.73 draw 0.535727
 2439.73 say "          You also wasted 2hours by your carelessness."
 2443.27 draw 0.221159
 2443.27 say "Sitting with the refer unit off is damaging the oranges."
 2447.13 play 44 volume 0 pan 0 frequency 22051
 2459.14 play 46 looped volume -10000 pan 0 frequency 14035
 2460.63 stop 44
 2460.63 draw 0.641937
 2460.63 say " Day Wednesday"
 2460.63 say " Time:  12 Noon"
 2462.97 draw 0.726848
 2462.97 say " Approximate fuel  58"
 2462.97 say "Speed  0"
 2462.97 say "        Odometer:  2654"
 2462.97 say "Miles to go:  196"
 2462.97 say " Cruising on Pennsylvania Turnpike"
 2462.97 say " You are feeling   bored"
 2462.97 draw 0.504113
 2462.97 say " Current weather: clear & dry"
 2462.97 say " Truck stop ahead.  Do you want to stop? "
 2462.99 say " yes "
 2463.02 key y
 2463.02 voice rate 5
 2463.02 say "y"
 2463.02 voice rate 0
 2463.02 draw 0.328828
 2463.02 play 43 volume 0 pan 0 frequency 22051
 2463.52 stop 46
 2466.82 stop 43
 2466.82 say " Diesel fuel costs "
 2466.82 say " 96 cents"
 2469.10 say " per gallon."
 2469.10 say "     How many gallons do you want"
 2469.15 key enter
 2469.15 voice rate 5
 2469.15 voice rate 0
 2469.15 draw 0.722199
 2469.17 play 40 volume 0 pan 0 frequency 22051
 2471.07 stop 40
 2471.07 say " So far, you have spent "
 2471.07 say "3,095 dollors"
 2473.89 say " Do you want to get some sleep? "
 2473.91 say " yes "
 2473.94 key y
 2473.94 voice rate 5
 2473.94 say "y"
 2473.94 voice rate 0
 2473.96 say "     How many hours of rest"
 2473.99 key 8
 2473.99 voice rate 5
 2473.99 say "8"
 2473.99 voice rate 0
 2474.02 key enter
 2474.04 play 25 volume 0 pan 0 frequency 22051
 2476.94 stop 25
 2476.96 play 25 volume 0 pan 0 frequency 22051
 2479.86 stop 25
 2479.88 play 25 volume 0 pan 0 frequency 22051
 2482.78 stop 25
 2482.80 play 25 volume 0 pan 0 frequency 22051
 2485.70 stop 25
 2485.72 play 25 volume 0 pan 0 frequency 22051
 2488.62 stop 25
 2488.64 play 25 volume 0 pan 0 frequency 22051
 2491.54 stop 25
 2491.56 play 25 volume 0 pan 0 frequency 22051
 2494.46 stop 25
 2494.48 play 25 volume 0 pan 0 frequency 22051
 2497.38 stop 25
 2497.40 play 41 volume 0 pan 0 frequency 22051
 2501.32 stop 41
 2501.32 draw 0.130202
 2501.32 say "Sitting with the refer unit off is damaging the oranges."
 2505.19 say " Thanks to the daytime noise, you got only 4hours real sleep."
 2509.17 play 23 volume 0 pan 0 frequency 22051
 2512.37 stop 23
 2512.37 say " Day Wednesday"
 2512.37 say " Time:  9 P.M. "
 2514.71 say " You now have  0 gallons of fuel."
 2514.71 say " Do you want to buy more? "
 2514.73 say " yes "
 2514.76 key n
 2514.76 voice rate 5
 2514.76 say "n"
 2514.76 voice rate 0
 2514.76 play 44 volume 0 pan 0 frequency 22051
 2526.77 play 46 looped volume -10000 pan 0 frequency 14035
 2528.26 stop 44
 2528.26 say " How fast do you wish to go? "
 2528.31 key 3
 2528.31 voice rate 5
 2528.31 say "3"
 2528.31 voice rate 0
 2528.36 key 5
 2528.36 voice rate 5
 2528.36 say "5"
 2528.36 voice rate 0
 2528.38 play 22 volume 0 pan 0 frequency 22051
 2529.98 stop 22
 2529.98 draw 0.720493
 2529.98 draw 0.447746
 2534.99 draw 0.516567
 2534.99 play 45 volume 0 pan 0 frequency 22051
 2535.49 stop 46
 2537.99 stop 45
 2538.01 play 41 volume 0 pan 0 frequency 22051
 2541.93 stop 41
 2541.93 say " After 0more miles, you ran out of fuel  ( DUMMY !! )"
 2545.41 say "     It cost $200 to get a barrel of diesel delivered."
 2549.17 play 39 volume 0 pan 0 frequency 22051
 2552.77 stop 39
 2552.79 play 38 volume 0 pan 0 frequency 22051
 2557.99 stop 38
 2558.01 play 36 volume 0 pan 0 frequency 22051
 2560.61 stop 36
 2560.63 play 31 volume 0 pan 0 frequency 22051
 2562.33 stop 31
 2562.35 play 40 volume 0 pan 0 frequency 22051
 2564.25 stop 40
 2564.25 draw 0.626805
 2564.25 say "          You also wasted 3hours by your carelessness."
 2567.79 draw 0.859594
 2567.79 say "Sitting with the refer unit off is damaging the oranges."
 2571.65 play 44 volume 0 pan 0 frequency 22051
 2583.66 play 46 looped volume -10000 pan 0 frequency 14035
 2585.15 stop 44
 2585.15 draw 0.315277
 2585.15 draw 0.696116
 2585.28 play 7 volume 0 pan 1500 frequency 22051
 2592.28 stop 7
 2592.28 say " Day Thursday"
 2592.28 say " Time:  1 A.M. "
 2594.56 draw 0.116587
 2594.56 say " Approximate fuel  52"
 2594.56 say "Speed  0"
 2594.56 say "        Odometer:  2654"
 2594.56 say "Miles to go:  196"
 2594.56 say " Cruising on Pennsylvania Turnpike"
 2594.56 say " You are feeling   bored"
 2594.56 draw 0.438566
 2594.56 say " Current weather: clear & dry"
 2594.56 say " How fast do you wish to go? "
 2594.61 key 3
 2594.61 voice rate 5
 2594.61 say "3"
 2594.61 voice rate 0
 2594.66 key 5
 2594.66 voice rate 5
 2594.66 say "5"
 2594.66 voice rate 0
 2594.68 play 22 volume 0 pan 0 frequency 22051
 2596.28 stop 22
 2596.28 draw 0.717177
 2596.28 draw 0.889922
 2596.28 draw 0.557154
 2596.28 draw 0.633383
 2596.40 play 11 volume 0 pan 1500 frequency 22051
 2600.90 stop 11
 2600.90 say " Day Thursday"
 2600.90 say " Time:  2 A.M. "
 2603.18 draw 0.532241
 2603.18 say " Approximate fuel  38"
 2603.18 say "Speed  35"
 2603.18 say "        Odometer:  2689"
 2603.18 say "Miles to go:  161"
 2603.18 say " Cruising on Pennsylvania Turnpike"
 2603.18 say " You are feeling   bored"
 2603.18 draw 0.345759
 2603.18 say " Current weather: clear & dry"
 2603.18 say " How fast do you wish to go? "
 2603.23 key 3
 2603.23 voice rate 5
 2603.23 say "3"
 2603.23 voice rate 0
 2603.28 key 5
 2603.28 voice rate 5
 2603.28 say "5"
 2603.28 voice rate 0
 2603.30 play 22 volume 0 pan 0 frequency 22051
 2604.90 stop 22
 2604.90 draw 0.845769
 2604.90 draw 0.574254
 2604.90 draw 0.260949
 2604.90 draw 0.797112
 2605.93 play 6 volume 0 pan 1500 frequency 22051
 2610.13 stop 6
 2610.13 say " Day Thursday"
 2610.13 say " Time:  3 A.M. "
 2612.41 draw 0.834511
 2612.41 say " Approximate fuel  24"
 2612.41 say "Speed  35"
 2612.41 say "        Odometer:  2724"
 2612.41 say "Miles to go:  126"
 2612.41 say " Cruising on Pennsylvania Turnpike"
 2612.41 say " You are feeling   bored"
 2612.41 draw 0.452885
 2612.41 say " Current weather: clear & dry"
 2612.41 say " How fast do you wish to go? "
 2612.46 key 3
 2612.46 voice rate 5
 2612.46 say "3"
 2612.46 voice rate 0
 2612.51 key 5
 2612.51 voice rate 5
 2612.51 say "5"
 2612.51 voice rate 0
 2612.53 play 22 volume 0 pan 0 frequency 22051
 2614.13 stop 22
 2614.13 draw 0.679614
 2614.13 draw 0.093268
 2614.13 draw 0.722570
 2617.52 say " Day Thursday"
 2617.52 say " Time:  4 A.M. "
 2619.80 draw 0.336474
 2619.80 say " Approximate fuel  1"
 2619.80 say "Speed  35"
 2619.80 say "        Odometer:  2759"
 2619.80 say "Miles to go:  91"
 2619.80 say " Cruising on Pennsylvania Turnpike"
 2619.80 say " You are feeling   bored"
 2619.80 draw 0.022542
 2619.80 say " Current weather: clear & dry"
 2619.80 say " Truck stop ahead.  Do you want to stop? "
 2619.82 say " yes "
 2619.85 key y
 2619.85 voice rate 5
 2619.85 say "y"
 2619.85 voice rate 0
 2619.85 draw 0.705115
 2619.85 play 43 volume 0 pan 0 frequency 22051
 2620.35 stop 46
 2623.65 stop 43
 2623.65 say " Diesel fuel costs "
 2623.65 say "1 dollor, and,  9 cents"
 2626.77 say " per gallon."
 2626.77 say "     How many gallons do you want"
 2626.82 key enter
 2626.82 voice rate 5
 2626.82 voice rate 0
 2626.82 draw 0.548249
 2626.84 play 40 volume 0 pan 0 frequency 22051
 2628.74 stop 40
 2628.74 say " So far, you have spent "
 2628.74 say "3,295 dollors"
 2631.56 say " Do you want to get some sleep? "
 2631.58 say " yes "
 2631.61 key y
 2631.61 voice rate 5
 2631.61 say "y"
 2631.61 voice rate 0
 2631.63 say "     How many hours of rest"
 2631.66 key 8
 2631.66 voice rate 5
 2631.66 say "8"
 2631.66 voice rate 0
 2631.69 key enter
 2631.71 play 24 volume 0 pan 0 frequency 22051
 2634.41 stop 24
 2634.43 play 24 volume 0 pan 0 frequency 22051
 2637.13 stop 24
 2637.15 play 24 volume 0 pan 0 frequency 22051
 2639.85 stop 24
 2639.87 play 24 volume 0 pan 0 frequency 22051
 2642.57 stop 24
 2642.59 play 24 volume 0 pan 0 frequency 22051
 2645.29 stop 24
 2645.31 play 24 volume 0 pan 0 frequency 22051
 2648.01 stop 24
 2648.03 play 24 volume 0 pan 0 frequency 22051
 2650.73 stop 24
 2650.75 play 24 volume 0 pan 0 frequency 22051
 2653.45 stop 24
 2653.47 play 41 volume 0 pan 0 frequency 22051
 2657.39 stop 41
 2657.39 draw 0.828268
 2657.39 say "Sitting with the refer unit off is damaging the oranges."
 2661.27 play 23 volume 0 pan 0 frequency 22051
 2664.47 stop 23
 2664.47 say " Day Thursday"
 2664.47 say " Time:  1 P.M. "
 2666.75 say " You now have  0 gallons of fuel."
 2666.75 say " Do you want to buy more? "
 2666.77 say " yes "
 2666.80 key n
 2666.80 voice rate 5
 2666.80 say "n"
 2666.80 voice rate 0
 2666.80 play 44 volume 0 pan 0 frequency 22051
 2678.81 play 46 looped volume -10000 pan 0 frequency 14035
 2680.30 stop 44
 2680.30 say " How fast do you wish to go? "
 2680.35 key 3
 2680.35 voice rate 5
 2680.35 say "3"
 2680.35 voice rate 0
 2680.40 key 5
 2680.40 voice rate 5
 2680.40 say "5"
 2680.40 voice rate 0
 2680.42 play 22 volume 0 pan 0 frequency 22051
 2682.02 stop 22
 2682.02 draw 0.115217
 2682.02 draw 0.993207
 2687.03 draw 0.332521
 2687.03 draw 0.133946
 2687.15 play 7 volume 0 pan -1500 frequency 22051
 2694.15 stop 7
 2694.15 play 45 volume 0 pan 0 frequency 22051
 2694.65 stop 46
 2697.15 stop 45
 2697.17 play 41 volume 0 pan 0 frequency 22051
 2701.09 stop 41
 2701.09 say " After 0more miles, you ran out of fuel  ( DUMMY !! )"
 2704.57 say "     It cost $200 to get a barrel of diesel delivered."
 2708.34 play 39 volume 0 pan 0 frequency 22051
 2711.94 stop 39
 2711.96 play 38 volume 0 pan 0 frequency 22051
 2717.16 stop 38
 2717.18 play 36 volume 0 pan 0 frequency 22051
 2719.78 stop 36
 2719.80 play 31 volume 0 pan 0 frequency 22051
 2721.50 stop 31
 2721.52 play 40 volume 0 pan 0 frequency 22051
 2723.42 stop 40
 2723.42 draw 0.042374
 2723.42 say "          You also wasted 0hours by your carelessness."
 2726.96 draw 0.320854
 2726.96 say "Sitting with the refer unit off is damaging the oranges."
 2730.83 play 44 volume 0 pan 0 frequency 22051
 2742.84 play 46 looped volume -10000 pan 0 frequency 14035
 2744.33 stop 44
 2744.33 draw 0.209889
 2744.33 draw 0.574320
 2745.36 play 5 volume 0 pan 1500 frequency 22051
 2749.56 stop 5
 2749.56 say " Day Thursday"
 2749.56 say " Time:  2 P.M. "
 2751.84 draw 0.958387
 2751.84 say " Approximate fuel  60"
 2751.84 say "Speed  0"
 2751.84 say "        Odometer:  2759"
 2751.84 say "Miles to go:  91"
 2751.84 say " Cruising on Pennsylvania Turnpike"
 2751.84 say " You are feeling fine"
 2751.84 draw 0.216798
 2751.84 say " Current weather: clear & dry"
 2751.84 say " How fast do you wish to go? "
 2751.89 key 3
 2751.89 voice rate 5
 2751.89 say "3"
 2751.89 voice rate 0
 2751.94 key 5
 2751.94 voice rate 5
 2751.94 say "5"
 2751.94 voice rate 0
 2751.96 play 22 volume 0 pan 0 frequency 22051
 2753.56 stop 22
 2753.56 draw 0.329123
 2753.56 draw 0.266117
 2753.56 draw 0.271063
 2753.56 draw 0.687094
 2754.59 play 6 volume 0 pan 1500 frequency 22051
 2758.79 stop 6
 2758.79 say " Day Thursday"
 2758.79 say " Time:  3 P.M. "
 2761.07 draw 0.893225
 2761.07 say " Approximate fuel  42"
 2761.07 say "Speed  35"
 2761.07 say "        Odometer:  2794"
 2761.07 say "Miles to go:  56"
 2761.07 say " You have just past New Jersey border"
 2769.13 play 45 volume 0 pan 0 frequency 22051
 2769.63 stop 46
 2772.13 stop 45
 2772.13 say " STOP!   Pay toll of $ 95"
 2774.15 play 40 volume 0 pan 0 frequency 22051
 2776.05 stop 40
 2776.05 play 44 volume 0 pan 0 frequency 22051
 2788.06 play 46 looped volume -10000 pan 0 frequency 14035
 2789.55 stop 44
 2789.55 say " Cruising on I-70 in New Jersey"
 2789.55 say " You are feeling fine"
 2789.55 draw 0.584252
 2789.55 say " Current weather: clear & dry"
 2789.55 say " How fast do you wish to go? "
 2789.60 key 5
 2789.60 voice rate 5
 2789.60 say "5"
 2789.60 voice rate 0
 2789.65 key 5
 2789.65 voice rate 5
 2789.65 say "5"
 2789.65 voice rate 0
 2789.67 play 22 volume 0 pan 0 frequency 22051
 2791.27 stop 22
 2793.27 draw 0.400677
 2793.27 draw 0.425751
 2793.27 draw 0.552986
 2793.27 draw 0.305469
 2793.40 play 11 volume 0 pan -1500 frequency 22051
 2797.90 stop 11
 2797.90 say " Day Thursday"
 2797.90 say " Time:  4 P.M. "
 2800.18 draw 0.257694
 2800.18 say " Approximate fuel  23"
 2800.18 say "Speed  55"
 2800.18 say "        Odometer:  2849"
 2800.18 say "Miles to go:  1"
 2800.18 say " You have just past Holland Tunnel"
 2808.00 play 45 volume 0 pan 0 frequency 22051
 2808.50 stop 46
 2811.00 stop 45
 2811.00 say " STOP!   Pay toll of $ 40"
 2813.02 play 40 volume 0 pan 0 frequency 22051
 2814.92 stop 40
 2814.92 play 44 volume 0 pan 0 frequency 22051
 2826.93 play 46 looped volume -10000 pan 0 frequency 22055
 2828.42 stop 44
 2828.42 say " Cruising on New York streets"
 2828.42 say " You are feeling   bored"
 2828.42 draw 0.909919
 2828.42 say " Current weather: BLIZZARD  !!"
 2828.42 play 20 looped volume 0 pan 0
 2828.42 play 21 looped volume 0 pan 0
 2828.42 say " How fast do you wish to go? "
 2828.47 key 5
 2828.47 voice rate 5
 2828.47 say "5"
 2828.47 voice rate 0
 2828.52 key 5
 2828.52 voice rate 5
 2828.52 say "5"
 2828.52 voice rate 0
 2828.54 play 22 volume 0 pan 0 frequency 22051
 2830.14 stop 22
 2830.14 draw 0.511505
 2830.14 draw 0.119587
 2830.14 draw 0.570586
 2830.14 draw 0.249964
 2830.27 play 11 volume 0 pan -1500 frequency 22051
 2834.77 stop 11
 2834.77 play 45 volume 0 pan 0 frequency 22051
 2835.27 stop 46
 2837.77 stop 20
 2837.77 stop 45
 2837.77 say " WELCOME TO NEW YORK"
 2839.50 play 34 volume 0 pan 0 frequency 22051
 2840.10 stop 34
 2840.12 play 34 volume 0 pan 0 frequency 22051
 2840.72 stop 34
 2840.74 play 35 volume 0 pan 0 frequency 22051
 2844.14 stop 35
 2844.16 play 34 volume 0 pan 0 frequency 22051
 2844.76 stop 34
 2844.76 say " Day Thursday"
 2844.76 say " Time:  5 P.M. "
 2847.06 play 32 volume 0 pan 0 frequency 22051
 2851.66 stop 32
 2851.66 stop 20
 2851.66 stop 21
 2851.66 stop 46
 2851.66 say " You completed the trip in 10days & 9hours."
 2851.66 say "     Trip expenses totaled "
 2851.66 say "3,630 dollors"
 2857.54 say "Truck payment, insurance and taxes cost "
 2857.54 say "935 dollors"
 2861.20 draw 0.005395
 2861.20 say " Your oranges have spoiled.  Haul them to the dump!"
 2861.20 say "Bad trip. . . You lost $ 4615"
 2861.20 say "     You are bankrupt !!!"
 2861.51 say " Your rig has been repossessed."
 2861.51 say " press any key "
 2861.54 key f1
 2861.54 say " You completed the trip in 10days & 9hours."
 2861.54 say "     Trip expenses totaled "
 2861.54 say "3,630 dollors"
 2867.42 say "Truck payment, insurance and taxes cost "
 2867.42 say "935 dollors"
 2871.08 say " Your oranges have spoiled.  Haul them to the dump!"
 2871.08 say "Bad trip. . . You lost $ 4615"
 2871.08 say "     You are bankrupt !!!"
 2871.39 say " Your rig has been repossessed."
 2871.39 say " press any key "
 2871.42 key x
 2871.42 stop 20
 2871.42 stop 21
 2871.42 stop 46
 2871.42 draw 0.572103
 2871.44 play 40 volume 0 pan 0 frequency 22051
 2873.34 stop 40
 2873.34 draw 0.358199
 2873.36 play 35 volume 0 pan 0 frequency 22051
 2876.76 stop 35
 2876.78 play 1 volume 0 pan 0 frequency 22051
 2882.47 stop 1
 2882.47 say " Thank you for playing Dravlen By Brannock "
 2885.35 beep
 2885.46 beep
 2885.56 say "Sorry, but I could not find the Quillonwerk game menu program."
ended by the game
settings  0 
settings  0 
settings  90 
settings  0 
