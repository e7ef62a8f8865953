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
    8.25 key down
    8.25 say " 2 freight "
    8.28 key down
    8.28 say " 3 U S mail "
    8.31 key down
    8.31 say " 1 oranges "
    8.34 key kp3
    8.34 say " You are at the Los Angeles trucking terminal."
    8.34 say " Three types of cargo are available:"
    8.34 say " 1 oranges  (highest profit if they don't spoil)"
    8.34 say " 2 freight forwarding, penalty for late delivery "
    8.34 say " 3 U.S. Mail, lowest rate, but no hurry to arrive "
    8.34 say " The cargo is due in New York by 4 PM on Thursday."
    8.34 say " Which type of cargo do you want? "
    8.34 say " 1 oranges "
    8.37 key 3
    8.37 say " 3 U S mail "
    8.40 key f1
    8.40 say " You are at the Los Angeles trucking terminal."
    8.40 say " Three types of cargo are available:"
    8.40 say " 1 oranges  (highest profit if they don't spoil)"
    8.40 say " 2 freight forwarding, penalty for late delivery "
    8.40 say " 3 U.S. Mail, lowest rate, but no hurry to arrive "
    8.40 say " The cargo is due in New York by 4 PM on Thursday."
    8.40 say " Which type of cargo do you want? "
    8.40 say " 1 oranges "
    8.43 key esc
    8.43 say " exit game? "
    8.43 say " yes "
    8.46 key n
    8.46 voice rate 5
    8.46 say "n"
    8.46 voice rate 0
    8.48 say " You are at the Los Angeles trucking terminal."
    8.48 say " Three types of cargo are available:"
    8.48 say " 1 oranges  (highest profit if they don't spoil)"
    8.48 say " 2 freight forwarding, penalty for late delivery "
    8.48 say " 3 U.S. Mail, lowest rate, but no hurry to arrive "
    8.48 say " The cargo is due in New York by 4 PM on Thursday."
    8.48 say " Which type of cargo do you want? "
    8.48 say " 1 oranges "
    8.51 key 2
    8.51 say " 2 freight "
    8.54 key enter
    8.56 say " How many pounds will you carry (40,000 is the legal limit) "
    8.59 key 4
    8.59 voice rate 5
    8.59 say "4"
    8.59 voice rate 0
    8.62 key 0
    8.62 voice rate 5
    8.62 say "0"
    8.62 voice rate 0
    8.65 key 0
    8.65 voice rate 5
    8.65 say "0"
    8.65 voice rate 0
    8.68 key 0
    8.68 voice rate 5
    8.68 say "0"
    8.68 voice rate 0
    8.71 key 0
    8.71 voice rate 5
    8.71 say "0"
    8.71 voice rate 0
    8.74 key enter
    8.74 say " you have chosen to carry  40000 pounds of freight. Is this correct?"
    8.76 say " yes "
    8.79 key enter
    8.79 say " Which truck do you wish to drive? "
    8.79 say " freight liner "
    8.82 key i
    8.82 say " international "
    8.85 key k
    8.85 say " kenworth "
    8.88 key m
    8.88 say " mac "
    8.91 key x
    8.91 say " Which truck do you wish to drive? "
    8.91 say " freight liner "
    8.94 key k
    8.94 say " kenworth "
    8.97 key enter
    9.18 say "They are loading your truck now."
   11.93 play 32 volume 0 pan 0 frequency 22051
   16.53 stop 32
   16.74 say " Day Monday"
   16.74 say " Time:  9 A.M. "
   18.92 play 29 volume 0 pan 0 frequency 22051
   23.12 stop 29
   23.14 play 27 volume 0 pan 0 frequency 22051
   27.74 stop 27
   27.76 play 40 volume 0 pan 0 frequency 22051
   29.66 stop 40
   29.66 say " You paid $190.00 for a nearly full tank of diesel fuel."
   29.66 say " Two of your tires are worn.  Do you want replacements?"
   29.68 say " yes "
   29.71 key x
   29.71 voice rate 5
   29.71 say "x"
   29.71 voice rate 0
   29.71 say " Two of your tires are worn.  Do you want replacements?"
   29.73 say " yes "
   29.76 key y
   29.76 voice rate 5
   29.76 say "y"
   29.76 voice rate 0
   29.76 say " A new tire costs $200.00.  A retread costs $100.00."
   29.76 say "     Which type do you want "
   29.76 say " new "
   29.79 key up
   29.79 say " retread "
   29.82 key up
   29.82 say " new "
   29.85 key x
   29.85 say " A new tire costs $200.00.  A retread costs $100.00."
   29.85 say "     Which type do you want "
   29.85 say " new "
   29.88 key n
   29.88 voice rate 5
   29.88 say "n"
   29.88 voice rate 0
   29.88 say " new "
   29.91 key down
   29.91 say " retread "
   29.94 key r
   29.94 voice rate 5
   29.94 say "r"
   29.94 voice rate 0
   29.94 say " retread "
   29.97 key enter
   29.97 say "     How many"
   29.97 say " 1"
   30.00 key down
   30.00 say " 2"
   30.03 key down
   30.03 say " 1"
   30.06 key down
   30.06 say " 2"
   30.09 key q
   30.09 say "     How many"
   30.09 say " 2"
   30.12 key 2
   30.12 say " 2"
   30.15 key enter
   30.17 play 37 volume 0 pan 0 frequency 22051
   32.87 stop 37
   33.10 play 37 volume 0 pan 0 frequency 22051
   35.80 stop 37
   35.82 play 40 volume 0 pan 0 frequency 22051
   37.72 stop 40
   37.72 say " You may choose the Northern, Middle or Southern route. "
   37.72 say "     Which route do you choose? "
   37.72 say " northern "
   37.75 key x
   37.75 say " You may choose the Northern, Middle or Southern route. "
   37.75 say "     Which route do you choose? "
   37.75 say " northern "
   37.78 key up
   37.78 say " southern "
   37.81 key down
   37.81 say " northern "
   37.84 key down
   37.84 say " middle "
   37.87 key enter
   37.87 play 44 volume 0 pan 0 frequency 22051
   49.88 play 46 looped volume -10000 pan 0
   51.37 stop 44
   51.37 say " Cruising on I-15 in California"
   51.37 say " You are feeling rested & rearing to go."
   51.37 draw 0.417022
   51.37 say " Current weather: clear & dry"
   51.37 say " How fast do you wish to go? "
   51.42 key enter
   51.42 voice rate 5
   51.42 voice rate 0
   51.42 say " Your have to go at least 20 --"
   51.42 say " How fast do you wish to go? "
   51.47 key 1
   51.47 voice rate 5
   51.47 say "1"
   51.47 voice rate 0
   51.52 key 9
   51.52 voice rate 5
   51.52 say "9"
   51.52 voice rate 0
   51.52 say " Your have to go at least 20 --"
   51.52 say " How fast do you wish to go? "
   51.57 key x
   51.57 voice rate 5
   51.57 say "x"
   51.57 voice rate 0
   51.57 say " How fast do you wish to go? "
   51.62 key 6
   51.62 voice rate 5
   51.62 say "6"
   51.62 voice rate 0
   51.67 key enter
   51.67 voice rate 5
   51.67 voice rate 0
   51.67 say " How fast do you wish to go? "
   51.72 key 3
   51.72 voice rate 5
   51.72 say "3"
   51.72 voice rate 0
   51.77 key 0
   51.77 voice rate 5
   51.77 say "0"
   51.77 voice rate 0
   51.79 play 22 volume 0 pan 0 frequency 22051
   53.39 stop 22
   55.39 draw 0.720324
   55.39 draw 0.000114
   55.39 draw 0.302333
   56.78 say " Day Monday"
   56.78 say " Time:  10 A.M. "
   59.00 draw 0.146756
   59.00 say " Approximate fuel  172"
   59.00 say "Speed  30"
   59.00 say "        Odometer:  30"
   59.00 say "Miles to go:  2820"
   59.00 say " Cruising on I-15 in California"
   59.00 say " You are feeling fine"
   59.00 draw 0.092339
   59.00 say " Current weather: clear & dry"
   59.00 say " How fast do you wish to go? "
   59.05 key enter
   59.05 voice rate 5
   59.05 voice rate 0
   59.07 play 22 volume 0 pan 0 frequency 22051
   60.67 stop 22
   60.67 draw 0.186260
   60.67 draw 0.345561
   60.67 draw 0.396767
   64.05 say " Day Monday"
   64.05 say " Time:  11 A.M. "
   66.27 draw 0.538817
   66.27 say " Approximate fuel  161"
   66.27 say "Speed  30"
   66.27 say "        Odometer:  60"
   66.27 say "Miles to go:  2790"
   66.27 say " Cruising on I-15 in California"
   66.27 say " You are feeling fine"
   66.27 draw 0.419195
   66.27 say " Current weather: clear & dry"
   66.27 say " How fast do you wish to go? "
   66.32 key esc
   66.32 say " exit game? "
   66.32 say " yes "
   66.35 key n
   66.35 voice rate 5
   66.35 say "n"
   66.35 voice rate 0
   66.42 key 4
   66.42 voice rate 5
   66.42 say "4"
   66.42 voice rate 0
   66.42 say " Your have to go at least 20 --"
   66.42 say " How fast do you wish to go? "
   66.47 key 5
   66.47 voice rate 5
   66.47 say "5"
   66.47 voice rate 0
   66.52 key 5
   66.52 voice rate 5
   66.52 say "5"
   66.52 voice rate 0
   66.54 play 22 volume 0 pan 0 frequency 22051
   68.14 stop 22
   70.65 draw 0.685220
   70.65 draw 0.204452
   70.65 draw 0.878117
   70.65 draw 0.027388
   71.68 play 16 volume 0 pan -1500 frequency 22051
   76.68 stop 16
   76.68 say " Day Monday"
   76.68 say " Time:  12 Noon"
   78.84 draw 0.670468
   78.84 say " Approximate fuel  150"
   78.84 say "Speed  55"
   78.84 say "        Odometer:  115"
   78.84 say "Miles to go:  2735"
   78.84 say " You have just past Barstow"
   86.22 say " Cruising on I-40 in California"
   86.22 say " You are feeling fine"
   86.22 draw 0.417305
   86.22 say " Current weather: clear & dry"
   86.22 say " Truck stop ahead.  Do you want to stop? "
   86.24 say " yes "
   86.27 key n
   86.27 voice rate 5
   86.27 say "n"
   86.27 voice rate 0
   86.27 say " How fast do you wish to go? "
   86.32 key 9
   86.32 voice rate 5
   86.32 say "9"
   86.32 voice rate 0
   86.37 key f1
   86.37 say " Your have to go at least 20 --"
   86.37 say " How fast do you wish to go? "
   86.42 key 7
   86.42 voice rate 5
   86.42 say "7"
   86.42 voice rate 0
   86.47 key 0
   86.47 voice rate 5
   86.47 say "0"
   86.47 voice rate 0
   86.49 play 22 volume 0 pan 0 frequency 22051
   88.09 stop 22
   89.59 draw 0.558690
   89.59 draw 0.140387
   89.59 draw 0.198101
   89.59 draw 0.800745
   89.59 draw 0.968262
   89.59 play 14 volume 0 pan -1500 frequency 22051
   95.59 stop 14
   95.59 say " Smokey is behind you with his lights on. Pull over!"
   99.22 play 45 volume 0 pan 0 frequency 22051
   99.72 stop 46
  102.22 stop 45
  102.22 say " See the justice of the peace for your first offense."
  102.22 say "     Wait 1hour for your hearing."
  113.01 play 28 volume 0 pan 0 frequency 22051
  114.91 stop 28
  114.91 draw 0.313424
  114.91 draw 0.692323
  114.91 say "The fine is "
  115.93 say "13 dollors"
  116.83 say " plus "
  117.49 say "1 dollor"
  118.27 say " for each MPH over the limit."
  120.31 say "Pay "
  120.85 say "28 dollors"
  121.98 play 40 volume 0 pan 0 frequency 22051
  123.88 stop 40
  123.88 play 44 volume 0 pan 0 frequency 22051
  135.89 play 46 looped volume -10000 pan 0 frequency 28070
  137.38 stop 44
  137.38 draw 0.876389
  137.38 draw 0.894607
  138.41 play 16 volume 0 pan 1500 frequency 22051
  143.41 stop 16
  143.41 say " Day Monday"
  143.41 say " Time:  2 P.M. "
  145.57 draw 0.085044
  145.57 say " Approximate fuel  109"
  145.57 say "Speed  70"
  145.57 say "        Odometer:  185"
  145.57 say "Miles to go:  2665"
  145.57 say " Cruising on I-40 in California"
  145.57 say " You are feeling   bored"
  145.57 draw 0.039055
  145.57 say " Current weather: clear & dry"
  145.57 say " Truck stop ahead.  Do you want to stop? "
  145.59 say " yes "
  145.62 key n
  145.62 voice rate 5
  145.62 say "n"
  145.62 voice rate 0
  145.62 say " How fast do you wish to go? "
  145.67 key kp4
  145.67 voice rate 5
  145.67 say "d"
  145.67 voice rate 0
  145.72 key kp5
  145.72 voice rate 5
  145.72 say "e"
  145.72 voice rate 0
  145.74 play 22 volume 0 pan 0 frequency 22051
  147.34 stop 22
  149.85 draw 0.169830
  149.85 draw 0.878143
  149.85 draw 0.098347
  150.73 say " Day Monday"
  150.73 say " Time:  3 P.M. "
  152.89 draw 0.421108
  152.89 say " Approximate fuel  94"
  152.89 say "Speed  45"
  152.89 say "        Odometer:  230"
  152.89 say "Miles to go:  2620"
  152.89 say " You have just past Needles"
  160.21 say " Time zone changes -- set clock ahead one hour."
  160.21 say " Day Monday"
  160.21 say " Time:  4 P.M. "
  165.49 say " Cruising on I-40 in California"
  165.49 say " You are feeling   bored"
  165.49 draw 0.957890
  165.49 say " Current weather: clear & dry"
  165.49 say " Truck stop ahead.  Do you want to stop? "
  165.51 say " yes "
  165.54 key n
  165.54 voice rate 5
  165.54 say "n"
  165.54 voice rate 0
  165.54 say " How fast do you wish to go? "
  165.59 key 9
  165.59 voice rate 5
  165.59 say "9"
  165.59 voice rate 0
  165.64 key 9
  165.64 voice rate 5
  165.64 say "9"
  165.64 voice rate 0
  165.66 play 22 volume 0 pan 0 frequency 22051
  167.26 stop 22
  172.68 say " You can only get the old rig to go 82MPH on this road."
  172.68 draw 0.533165
  172.68 draw 0.691877
  172.68 draw 0.315516
  172.68 draw 0.686501
  172.68 draw 0.834626
  172.68 draw 0.018288
  172.68 draw 0.750144
  172.68 play 7 volume 0 pan -1500 frequency 22051
  179.68 stop 7
  179.68 say " Smokey is behind you with his lights on. Pull over!"
  183.31 play 45 volume 0 pan 0 frequency 22051
  183.81 stop 46
  186.31 stop 45
  186.31 say " See the justice of the peace for your second offense."
  186.31 say "     Wait 2hours for your hearing."
  198.22 play 28 volume 0 pan 0 frequency 22051
  200.12 stop 28
  200.12 draw 0.988861
  200.12 draw 0.748166
  200.12 say "The fine is "
  201.14 say "29 dollors"
  202.04 say " plus "
  202.70 say "9 dollors"
  203.54 say " for each MPH over the limit."
  205.58 say "Pay "
  206.12 say "272 dollors"
  207.30 play 40 volume 0 pan 0 frequency 22051
  209.20 stop 40
  209.20 play 44 volume 0 pan 0 frequency 22051
  221.21 play 46 looped volume -10000 pan 0 frequency 39699
  222.70 stop 44
  222.70 draw 0.280444
  222.70 say " Day Monday"
  222.70 say " Time:  7 P.M. "
  224.86 draw 0.789279
  224.86 say " Approximate fuel  57"
  224.86 say "Speed  82"
  224.86 say "        Odometer:  312"
  224.86 say "Miles to go:  2538"
  224.86 say " Cruising on I-40 in California"
  224.86 say " You are feeling   tired!!"
  224.86 draw 0.103226
  224.86 say " Current weather: clear & dry"
  224.86 say " Truck stop ahead.  Do you want to stop? "
  224.88 say " yes "
  224.91 key esc
  224.91 say " exit game? "
  224.91 say " yes "
  224.94 key y
  224.94 voice rate 5
  224.94 say "y"
  224.94 voice rate 0
  224.94 say " Thank you for playing Dravlen By Brannock "
  228.03 beep
  228.13 beep
  228.24 say "Sorry, but I could not find the Quillonwerk game menu program."
ended by the game
settings  0 
settings  0 
settings  90 
settings  0 
