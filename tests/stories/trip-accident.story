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
   42.86 draw 0.517298
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
   45.08 draw 0.946963
   45.08 draw 0.765460
   45.08 draw 0.282396
   47.97 say " Day Monday"
   47.97 say " Time:  10 A.M. "
   50.19 draw 0.221045
   50.19 say " Approximate fuel  175"
   50.19 say "Speed  55"
   50.19 say "        Odometer:  55"
   50.19 say "Miles to go:  2795"
   50.19 say " Cruising on I-15 in California"
   50.19 say " You are feeling fine"
   50.19 draw 0.686222
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
   51.91 draw 0.167139
   51.91 draw 0.392442
   51.91 draw 0.618052
   51.91 draw 0.411930
   52.04 play 12 volume 0 pan -1500 frequency 22051
   58.24 stop 12
   58.24 say " Day Monday"
   58.24 say " Time:  11 A.M. "
   60.46 draw 0.002465
   60.46 say " Approximate fuel  161"
   60.46 say "Speed  55"
   60.46 say "        Odometer:  110"
   60.46 say "Miles to go:  2740"
   60.46 say " You have just past Barstow"
   67.84 draw 0.884032
   68.37 play 41 volume 0 pan 0 frequency 22051
   72.29 stop 41
   72.29 say " The trailer refrigeration unit has failed endangering the cargo."
   76.70 play 45 volume 0 pan 0 frequency 22051
   77.20 stop 46
   79.70 stop 45
   79.70 say "     Repairs take 2 hours and cost $100.00."
   82.89 play 44 volume 0 pan 0 frequency 22051
   94.90 play 46 looped volume -10000 pan 0 frequency 22055
   96.39 stop 44
   96.39 draw 0.884948
   96.39 say " Day Monday"
   96.39 say " Time:  1 P.M. "
   98.76 say " Cruising on I-40 in California"
   98.76 say " You are feeling fine"
   98.76 draw 0.300410
   98.76 say " Current weather: clear & dry"
   98.76 say " How fast do you wish to go? "
   98.81 key 5
   98.81 voice rate 5
   98.81 say "5"
   98.81 voice rate 0
   98.86 key 5
   98.86 voice rate 5
   98.86 say "5"
   98.86 voice rate 0
   98.88 play 22 volume 0 pan 0 frequency 22051
  100.48 stop 22
  100.48 draw 0.589582
  100.48 draw 0.978427
  100.48 draw 0.845094
  103.87 say " Day Monday"
  103.87 say " Time:  2 P.M. "
  106.03 draw 0.065075
  106.03 say " Approximate fuel  149"
  106.03 say "Speed  55"
  106.03 say "        Odometer:  165"
  106.03 say "Miles to go:  2685"
  106.03 say " Cruising on I-40 in California"
  106.03 say " You are feeling   bored"
  106.03 draw 0.294744
  106.03 say " Current weather: clear & dry"
  106.03 say " Truck stop ahead.  Do you want to stop? "
  106.05 say " yes "
  106.08 key y
  106.08 voice rate 5
  106.08 say "y"
  106.08 voice rate 0
  106.08 draw 0.287934
  106.08 play 43 volume 0 pan 0 frequency 22051
  106.58 stop 46
  109.88 stop 43
  109.88 say " Diesel fuel costs "
  109.88 say " 95 cents"
  112.16 say " per gallon."
  112.16 say "     How many gallons do you want"
  112.21 key 4
  112.21 voice rate 5
  112.21 say "4"
  112.21 voice rate 0
  112.26 key 1
  112.26 voice rate 5
  112.26 say "1"
  112.26 voice rate 0
  112.31 key enter
  112.31 voice rate 5
  112.31 voice rate 0
  112.33 play 27 volume 0 pan 0 frequency 22051
  116.93 stop 27
  116.93 draw 0.822466
  116.95 play 40 volume 0 pan 0 frequency 22051
  118.85 stop 40
  118.85 say "Pay "
  118.85 say "38 dollors, and,  95 cents"
  121.25 say " So far, you have spent "
  121.25 say "328 dollors, and,  95 cents"
  124.91 say " Do you want to get some sleep? "
  124.93 say " yes "
  124.96 key y
  124.96 voice rate 5
  124.96 say "y"
  124.96 voice rate 0
  124.98 say "     How many hours of rest"
  125.01 key 8
  125.01 voice rate 5
  125.01 say "8"
  125.01 voice rate 0
  125.04 key enter
  125.06 play 25 volume 0 pan 0 frequency 22051
  127.96 stop 25
  127.98 play 25 volume 0 pan 0 frequency 22051
  130.88 stop 25
  130.90 play 25 volume 0 pan 0 frequency 22051
  133.80 stop 25
  133.82 play 25 volume 0 pan 0 frequency 22051
  136.72 stop 25
  136.74 play 25 volume 0 pan 0 frequency 22051
  139.64 stop 25
  139.66 play 25 volume 0 pan 0 frequency 22051
  142.56 stop 25
  142.58 play 25 volume 0 pan 0 frequency 22051
  145.48 stop 25
  145.50 play 25 volume 0 pan 0 frequency 22051
  148.40 stop 25
  148.40 say " Thanks to the daytime noise, you got only 4hours real sleep."
  152.38 play 23 volume 0 pan 0 frequency 22051
  155.58 stop 23
  155.58 say " Day Monday"
  155.58 say " Time:  11 P.M. "
  157.80 say " You now have  138 gallons of fuel."
  157.80 say " Do you want to buy more? "
  157.82 say " yes "
  157.85 key y
  157.85 voice rate 5
  157.85 say "y"
  157.85 voice rate 0
  157.85 draw 0.626183
  157.87 play 29 volume 0 pan 0 frequency 22051
  162.07 stop 29
  162.07 say " Diesel fuel costs "
  162.07 say "1 dollor, and,  6 cents"
  165.19 say " per gallon."
  165.19 say "     How many gallons do you want"
  165.24 key 5
  165.24 voice rate 5
  165.24 say "5"
  165.24 voice rate 0
  165.29 key 2
  165.29 voice rate 5
  165.29 say "2"
  165.29 voice rate 0
  165.34 key enter
  165.34 voice rate 5
  165.34 voice rate 0
  165.36 play 27 volume 0 pan 0 frequency 22051
  169.96 stop 27
  169.96 draw 0.110478
  169.98 play 40 volume 0 pan 0 frequency 22051
  171.88 stop 40
  171.88 say "Pay "
  171.88 say "55 dollors, and,  12 cents"
  174.28 say " So far, you have spent "
  174.28 say "384 dollors, and,  7 cents"
  177.88 say " Do you want to get some sleep? "
  177.90 say " yes "
  177.93 key n
  177.93 voice rate 5
  177.93 say "n"
  177.93 voice rate 0
  177.93 say " Day Tuesday"
  177.93 say " Time:  12 Midnight"
  180.60 play 44 volume 0 pan 0 frequency 22051
  192.61 play 46 looped volume -10000 pan 0 frequency 22055
  194.10 stop 44
  194.10 say " How fast do you wish to go? "
  194.15 key 5
  194.15 voice rate 5
  194.15 say "5"
  194.15 voice rate 0
  194.20 key 5
  194.20 voice rate 5
  194.20 say "5"
  194.20 voice rate 0
  194.22 play 22 volume 0 pan 0 frequency 22051
  195.82 stop 22
  195.82 draw 0.000529
  195.84 play 2 volume 0 pan 0 frequency 22051
  199.24 stop 2
  199.26 play 19 volume 0 pan 0 frequency 22051
  203.56 stop 19
  203.56 stop 20
  203.56 stop 21
  203.56 stop 46
  203.56 say " A drunk driver rammed your rig.  Tough luck !"
  206.82 say " You lose your truck & profits."
  206.82 say " press any key "
  206.85 key esc
  206.85 say " exit game? "
  206.85 say " yes "
  206.88 key n
  206.88 voice rate 5
  206.88 say "n"
  206.88 voice rate 0
  206.90 say " press any key "
  206.93 key f1
  206.93 say " A drunk driver rammed your rig.  Tough luck !"
  206.93 say " You lose your truck & profits."
  206.93 say " press any key "
  206.96 key x
  206.96 stop 20
  206.96 stop 21
  206.96 stop 46
  206.96 draw 0.942166
  206.98 play 30 volume 0 pan 0 frequency 22051
  209.08 stop 30
  209.08 draw 0.141501
  209.10 play 4 volume 0 pan 0 frequency 22051
  214.10 stop 4
  214.12 play 1 volume 0 pan 0 frequency 22051
  219.81 stop 1
  219.81 say " Thank you for playing Dravlen By Brannock "
  222.69 beep
  222.80 beep
  222.91 say "Sorry, but I could not find the Quillonwerk game menu program."
ended by the game
settings  0 
settings  0 
settings  90 
settings  0 
