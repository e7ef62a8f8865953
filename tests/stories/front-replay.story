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
    8.25 key enter
    8.27 say " How many pounds will you carry (40,000 is the legal limit) "
    8.30 key 4
    8.30 voice rate 5
    8.30 say "4"
    8.30 voice rate 0
    8.33 key 0
    8.33 voice rate 5
    8.33 say "0"
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
    8.45 key enter
    8.45 say " you have chosen to carry  40000 pounds of oranges. Is this correct?"
    8.47 say " yes "
    8.50 key enter
    8.50 say " Which truck do you wish to drive? "
    8.50 say " freight liner "
    8.53 key enter
    8.73 say "They are loading your truck now."
   11.48 play 32 volume 0 pan 0 frequency 22051
   16.08 stop 32
   16.28 say " Day Monday"
   16.28 say " Time:  9 A.M. "
   18.46 play 29 volume 0 pan 0 frequency 22051
   22.66 stop 29
   22.68 play 27 volume 0 pan 0 frequency 22051
   27.28 stop 27
   27.30 play 40 volume 0 pan 0 frequency 22051
   29.20 stop 40
   29.20 say " You paid $190.00 for a nearly full tank of diesel fuel."
   29.20 say " Two of your tires are worn.  Do you want replacements?"
   29.22 say " yes "
   29.25 key enter
   29.25 say " A new tire costs $200.00.  A retread costs $100.00."
   29.25 say "     Which type do you want "
   29.25 say " new "
   29.28 key enter
   29.28 say "     How many"
   29.28 say " 1"
   29.31 key 2
   29.31 say " 2"
   29.34 key enter
   29.36 play 37 volume 0 pan 0 frequency 22051
   32.06 stop 37
   32.29 play 37 volume 0 pan 0 frequency 22051
   34.99 stop 37
   35.01 play 40 volume 0 pan 0 frequency 22051
   36.91 stop 40
   36.91 say " You may choose the Northern, Middle or Southern route. "
   36.91 say "     Which route do you choose? "
   36.91 say " northern "
   36.94 key enter
   36.94 play 44 volume 0 pan 0 frequency 22051
   48.95 play 46 looped volume -10000 pan 0
   50.44 stop 44
   50.44 say " Cruising on I-15 in California"
   50.44 say " You are feeling rested & rearing to go."
   50.44 draw 0.550798
   50.44 say " Current weather: clear & dry"
   50.44 say " How fast do you wish to go? "
   50.49 key kp2
   50.49 voice rate 5
   50.49 say "b"
   50.49 voice rate 0
   50.54 key kp0
   50.54 voice rate 5
   50.54 say "`"
   50.54 voice rate 0
   50.55 key !x
   50.56 key !y
   50.56 play 22 volume 0 pan 0 frequency 22051
   50.56 key !z
   52.16 stop 22
   55.17 draw 0.708148
   55.17 draw 0.290905
   55.17 draw 0.510828
   55.17 draw 0.892947
   55.30 play 10 volume 0 pan 1500 frequency 22051
   59.90 stop 10
   59.90 say " Day Monday"
   59.90 say " Time:  10 A.M. "
   62.12 draw 0.896293
   62.12 say " Approximate fuel  184"
   62.12 say "Speed  20"
   62.12 say "        Odometer:  20"
   62.12 say "Miles to go:  2690"
   62.12 say " Cruising on I-15 in California"
   62.12 say " You are feeling fine"
   62.12 draw 0.125585
   62.12 say " Current weather: clear & dry"
   62.12 say " How fast do you wish to go? "
   62.17 key f2
   62.19 say " Day Monday"
   62.19 say " Time:  10 A.M. "
   62.19 say " Approximate fuel  184"
   62.19 say "Speed  20"
   62.19 say "        Odometer:  20"
   62.19 say "Miles to go:  2690"
   62.19 say " Cruising on I-15 in California"
   62.19 say " You are feeling fine"
   62.19 say " Current weather: clear & dry"
   62.24 key f3
   62.26 say " Approximate fuel  184"
   62.26 say " Your have to go at least 20 --"
   62.26 say " How fast do you wish to go? "
   62.31 key x
   62.31 voice rate 5
   62.31 say "x"
   62.31 voice rate 0
   62.31 say " How fast do you wish to go? "
   62.36 key 2
   62.36 voice rate 5
   62.36 say "2"
   62.36 voice rate 0
   62.41 key x
   62.41 voice rate 5
   62.41 say "x"
   62.41 voice rate 0
   62.41 say " How fast do you wish to go? "
   62.46 key f1
   62.51 key 3
   62.51 voice rate 5
   62.51 say "3"
   62.51 voice rate 0
   62.51 say " Your have to go at least 20 --"
   62.51 say " How fast do you wish to go? "
   62.56 key esc
   62.56 say " exit game? "
   62.56 say " yes "
   62.59 key n
   62.59 voice rate 5
   62.59 say "n"
   62.59 voice rate 0
   62.66 key kp3
   62.66 voice rate 5
   62.66 say "c"
   62.66 voice rate 0
   62.66 say " Your have to go at least 20 --"
   62.66 say " How fast do you wish to go? "
   62.71 key x
   62.71 voice rate 5
   62.71 say "x"
   62.71 voice rate 0
   62.71 say " How fast do you wish to go? "
   62.76 key x
   62.76 voice rate 5
   62.76 say "x"
   62.76 voice rate 0
   62.76 say " How fast do you wish to go? "
   62.81 key x
   62.81 voice rate 5
   62.81 say "x"
   62.81 voice rate 0
   62.81 say " How fast do you wish to go? "
   62.86 key f2
   62.88 say " Day Monday"
   62.88 say " Time:  10 A.M. "
   62.88 say " Approximate fuel  184"
   62.88 say "Speed  20"
   62.88 say "        Odometer:  20"
   62.88 say "Miles to go:  2690"
   62.88 say " Cruising on I-15 in California"
   62.88 say " You are feeling fine"
   62.88 say " Current weather: clear & dry"
   62.88 say " How fast do you wish to go? "
   62.88 say " Your have to go at least 20 --"
   62.88 say " How fast do you wish to go? "
   62.88 say " How fast do you wish to go? "
   62.88 say " How fast do you wish to go? "
   62.88 say " Your have to go at least 20 --"
   62.88 say " How fast do you wish to go? "
   62.88 say " Your have to go at least 20 --"
   62.88 say " How fast do you wish to go? "
   62.88 say " How fast do you wish to go? "
   62.88 say " How fast do you wish to go? "
   62.93 key f2
   62.95 say " Day Monday"
   62.95 say " Time:  10 A.M. "
   62.95 say " Approximate fuel  184"
   62.95 say "Speed  20"
   62.95 say "        Odometer:  20"
   62.95 say "Miles to go:  2690"
   62.95 say " Cruising on I-15 in California"
   62.95 say " You are feeling fine"
   62.95 say " Current weather: clear & dry"
   62.95 say " How fast do you wish to go? "
   62.95 say " Your have to go at least 20 --"
   62.95 say " How fast do you wish to go? "
   62.95 say " How fast do you wish to go? "
   62.95 say " How fast do you wish to go? "
   62.95 say " Your have to go at least 20 --"
   62.95 say " How fast do you wish to go? "
   62.95 say " Your have to go at least 20 --"
   62.95 say " How fast do you wish to go? "
   62.95 say " How fast do you wish to go? "
   62.95 say " How fast do you wish to go? "
   62.95 say " Your have to go at least 20 --"
   62.95 say " How fast do you wish to go? "
   63.00 key 2
   63.00 voice rate 5
   63.00 say "2"
   63.00 voice rate 0
   63.05 key 5
   63.05 voice rate 5
   63.05 say "5"
   63.05 voice rate 0
   63.07 play 22 volume 0 pan 0 frequency 22051
   64.67 stop 22
   65.17 draw 0.207243
   65.17 draw 0.051467
   65.17 draw 0.440810
   65.17 draw 0.029876
   65.30 play 9 volume 0 pan -1500 frequency 22051
   70.30 stop 9
   70.30 say " Day Monday"
   70.30 say " Time:  11 A.M. "
   72.52 draw 0.456833
   72.52 say " Approximate fuel  168"
   72.52 say "Speed  25"
   72.52 say "        Odometer:  45"
   72.52 say "Miles to go:  2665"
   72.52 say " Cruising on I-15 in California"
   72.52 say " You are feeling fine"
   72.52 draw 0.649144
   72.52 say " Current weather: clear & dry"
   72.52 say " How fast do you wish to go? "
   72.57 key enter
   72.57 voice rate 5
   72.57 voice rate 0
   72.59 play 22 volume 0 pan 0 frequency 22051
   74.19 stop 22
   74.19 draw 0.278487
   74.19 draw 0.676255
   74.19 draw 0.590863
   77.58 say " Day Monday"
   77.58 say " Time:  12 Noon"
   79.74 draw 0.023982
   79.74 say " Approximate fuel  151"
   79.74 say "Speed  25"
   79.74 say "        Odometer:  70"
   79.74 say "Miles to go:  2640"
   79.74 say " Cruising on I-15 in California"
   79.74 say " You are feeling fine"
   79.74 draw 0.558854
   79.74 say " Current weather: clear & dry"
   79.74 say " Truck stop ahead.  Do you want to stop? "
   79.76 say " yes "
   79.79 key f3
   79.81 say " Approximate fuel  151"
   79.81 say " Truck stop ahead.  Do you want to stop? "
   79.83 say " yes "
   79.86 key f2
   79.88 say " Day Monday"
   79.88 say " Time:  12 Noon"
   79.88 say " Approximate fuel  151"
   79.88 say "Speed  25"
   79.88 say "        Odometer:  70"
   79.88 say "Miles to go:  2640"
   79.88 say " Cruising on I-15 in California"
   79.88 say " You are feeling fine"
   79.88 say " Current weather: clear & dry"
   79.88 say " Truck stop ahead.  Do you want to stop? "
   79.88 say " Truck stop ahead.  Do you want to stop? "
   79.90 say " yes "
   79.93 key y
   79.93 voice rate 5
   79.93 say "y"
   79.93 voice rate 0
   79.93 draw 0.259252
   79.93 play 43 volume 0 pan 0 frequency 22051
   80.43 stop 46
   83.73 stop 43
   83.73 say " Diesel fuel costs "
   83.73 say " 94 cents"
   86.01 say " per gallon."
   86.01 say "     How many gallons do you want"
   86.06 key f3
   86.08 say " Approximate fuel  151"
   86.08 say " Diesel fuel costs "
   86.08 say " 94 cents"
   89.98 say " per gallon."
   89.98 say "     How many gallons do you want"
   90.03 key esc
   90.03 say " exit game? "
   90.03 say " yes "
   90.06 key y
   90.06 voice rate 5
   90.06 say "y"
   90.06 voice rate 0
   90.06 say " Thank you for playing Dravlen By Brannock "
   93.15 beep
   93.26 beep
   93.37 say "Sorry, but I could not find the Quillonwerk game menu program."
ended by the game
settings  0 
settings  0 
settings  90 
settings  0 
