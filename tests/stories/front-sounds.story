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
   50.49 key 2
   50.49 voice rate 5
   50.49 say "2"
   50.49 voice rate 0
   50.54 key 0
   50.54 voice rate 5
   50.54 say "0"
   50.54 voice rate 0
   50.56 play 22 volume 0 pan 0 frequency 22051
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
   62.17 key 2
   62.17 voice rate 5
   62.17 say "2"
   62.17 voice rate 0
   62.22 key 0
   62.22 voice rate 5
   62.22 say "0"
   62.22 voice rate 0
   62.24 play 22 volume 0 pan 0 frequency 22051
   63.84 stop 22
   63.84 draw 0.207243
   63.84 draw 0.051467
   63.84 draw 0.440810
   63.84 draw 0.029876
   63.97 play 9 volume 0 pan -1500 frequency 22051
   68.97 stop 9
   68.97 say " Day Monday"
   68.97 say " Time:  11 A.M. "
   71.19 draw 0.456833
   71.19 say " Approximate fuel  170"
   71.19 say "Speed  20"
   71.19 say "        Odometer:  40"
   71.19 say "Miles to go:  2670"
   71.19 say " Cruising on I-15 in California"
   71.19 say " You are feeling fine"
   71.19 draw 0.649144
   71.19 say " Current weather: clear & dry"
   71.19 say " How fast do you wish to go? "
   71.24 key 2
   71.24 voice rate 5
   71.24 say "2"
   71.24 voice rate 0
   71.29 key 0
   71.29 voice rate 5
   71.29 say "0"
   71.29 voice rate 0
   71.31 play 22 volume 0 pan 0 frequency 22051
   72.91 stop 22
   72.91 draw 0.278487
   72.91 draw 0.676255
   72.91 draw 0.590863
   76.30 say " Day Monday"
   76.30 say " Time:  12 Noon"
   78.46 draw 0.023982
   78.46 say " Approximate fuel  156"
   78.46 say "Speed  20"
   78.46 say "        Odometer:  60"
   78.46 say "Miles to go:  2650"
   78.46 say " Cruising on I-15 in California"
   78.46 say " You are feeling fine"
   78.46 draw 0.558854
   78.46 say " Current weather: clear & dry"
   78.46 say " Truck stop ahead.  Do you want to stop? "
   78.48 say " yes "
   78.51 key f6
   78.51 stop 46
   78.53 say " Sounds. Up and down arrows move, enter plays again, escape goes back. "
   78.53 say "opening theme"
   84.17 play 1 volume 0 pan 0 frequency 22051
   84.18 key up
   84.18 stop 1
   84.18 say "engine running"
   85.32 play 46 looped volume 0 pan 0 frequency 22051
   89.32 stop 46
   89.33 key up
   89.33 stop 46
   89.33 say "engine stopping, air brakes"
   91.25 play 45 volume 0 pan 0 frequency 22051
   91.26 key down
   91.26 stop 45
   91.26 say "engine running"
   92.40 play 46 looped volume 0 pan 0 frequency 22051
   96.40 stop 46
   96.41 key enter
   96.41 stop 46
   96.41 play 46 looped volume 0 pan 0 frequency 22051
  100.41 stop 46
  100.42 key down
  100.42 stop 46
  100.42 say "opening theme"
  101.50 key !up
  101.50 say "engine running"
  102.64 play 46 looped volume 0 pan 0 frequency 22051
  106.64 stop 46
  106.65 key esc
  106.65 stop 46
  106.65 play 46 looped volume 0 pan 0 frequency 8020
  106.65 say " Truck stop ahead.  Do you want to stop? "
  106.67 say " yes "
  106.70 key esc
  106.70 say " exit game? "
  106.70 say " yes "
  106.73 key y
  106.73 voice rate 5
  106.73 say "y"
  106.73 voice rate 0
  106.73 say " Thank you for playing Dravlen By Brannock "
  109.82 beep
  109.93 beep
  110.04 say "Sorry, but I could not find the Quillonwerk game menu program."
ended by the game
settings  0 
settings  0 
settings  90 
settings  0 
