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
   78.51 key y
   78.51 voice rate 5
   78.51 say "y"
   78.51 voice rate 0
   78.51 draw 0.259252
   78.51 play 43 volume 0 pan 0 frequency 22051
   79.01 stop 46
   82.31 stop 43
   82.31 say " Diesel fuel costs "
   82.31 say " 94 cents"
   84.59 say " per gallon."
   84.59 say "     How many gallons do you want"
   84.64 key 1
   84.64 voice rate 5
   84.64 say "1"
   84.64 voice rate 0
   84.69 key 0
   84.69 voice rate 5
   84.69 say "0"
   84.69 voice rate 0
   84.74 key 0
   84.74 voice rate 5
   84.74 say "0"
   84.74 voice rate 0
   84.79 key enter
   84.79 voice rate 5
   84.79 voice rate 0
   84.81 play 27 volume 0 pan 0 frequency 22051
   89.41 stop 27
   89.41 draw 0.415101
   89.43 play 40 volume 0 pan 0 frequency 22051
   91.33 stop 40
   91.33 say "Pay "
   91.33 say "94 dollors"
   92.77 say " So far, you have spent "
   92.77 say "684 dollors"
   95.80 play 26 volume 0 pan 0 frequency 22051
   98.80 stop 26
   98.80 say " Your tank only holds 200 gallons.  60 gallons spilled !!"
   98.80 say " Do you want to get some sleep? "
   98.82 say " yes "
   98.85 key y
   98.85 voice rate 5
   98.85 say "y"
   98.85 voice rate 0
   98.87 say "     How many hours of rest"
   98.90 key 8
   98.90 voice rate 5
   98.90 say "8"
   98.90 voice rate 0
   98.93 key enter
   98.95 play 25 volume 0 pan 0 frequency 22051
  101.85 stop 25
  101.87 play 25 volume 0 pan 0 frequency 22051
  104.77 stop 25
  104.79 play 25 volume 0 pan 0 frequency 22051
  107.69 stop 25
  107.71 play 25 volume 0 pan 0 frequency 22051
  110.61 stop 25
  110.63 play 25 volume 0 pan 0 frequency 22051
  113.53 stop 25
  113.55 play 25 volume 0 pan 0 frequency 22051
  116.45 stop 25
  116.47 play 25 volume 0 pan 0 frequency 22051
  119.37 stop 25
  119.39 play 25 volume 0 pan 0 frequency 22051
  122.29 stop 25
  122.29 say " Thanks to the daytime noise, you got only 4hours real sleep."
  126.27 play 23 volume 0 pan 0 frequency 22051
  129.47 stop 23
  129.47 say " Day Monday"
  129.47 say " Time:  9 P.M. "
  131.63 say " You now have  144 gallons of fuel."
  131.63 say " Do you want to buy more? "
  131.65 say " yes "
  131.68 key n
  131.68 voice rate 5
  131.68 say "n"
  131.68 voice rate 0
  131.68 play 44 volume 0 pan 0 frequency 22051
  143.69 play 46 looped volume -10000 pan 0 frequency 8020
  145.18 stop 44
  145.18 say " How fast do you wish to go? "
  145.23 key 2
  145.23 voice rate 5
  145.23 say "2"
  145.23 voice rate 0
  145.28 key 0
  145.28 voice rate 5
  145.28 say "0"
  145.28 voice rate 0
  145.30 play 22 volume 0 pan 0 frequency 22051
  146.90 stop 22
  146.90 draw 0.283525
  146.90 draw 0.693138
  146.90 draw 0.440454
  146.90 draw 0.156868
  147.03 play 9 volume 0 pan -1500 frequency 22051
  152.03 stop 9
  152.03 say " Day Monday"
  152.03 say " Time:  10 P.M. "
  154.25 draw 0.544649
  154.25 say " Approximate fuel  135"
  154.25 say "Speed  20"
  154.25 say "        Odometer:  80"
  154.25 say "Miles to go:  2630"
  154.25 say " Cruising on I-15 in California"
  154.25 say " You are feeling rested & rearing to go."
  154.25 draw 0.780315
  154.25 say " Current weather: clear & dry"
  154.25 say " How fast do you wish to go? "
  154.30 key esc
  154.30 say " exit game? "
  154.30 say " yes "
  154.33 key y
  154.33 voice rate 5
  154.33 say "y"
  154.33 voice rate 0
  154.33 say " Thank you for playing Dravlen By Brannock "
  157.42 beep
  157.53 beep
  157.63 say "Sorry, but I could not find the Quillonwerk game menu program."
ended by the game
settings  0 
settings  0 
settings  90 
settings  0 
