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
    8.28 key f1
    8.28 say " You are at the Los Angeles trucking terminal."
    8.28 say " Three types of cargo are available:"
    8.28 say " 1 oranges  (highest profit if they don't spoil)"
    8.28 say " 2 freight forwarding, penalty for late delivery "
    8.28 say " 3 U.S. Mail, lowest rate, but no hurry to arrive "
    8.28 say " The cargo is due in New York by 4 PM on Thursday."
    8.28 say " Which type of cargo do you want? "
    8.28 say " 1 oranges "
    8.31 key 3
    8.31 say " 3 U S mail "
    8.34 key enter
    8.36 say " How many pounds will you carry (40,000 is the legal limit) "
    8.39 key 2
    8.39 voice rate 5
    8.39 say "2"
    8.39 voice rate 0
    8.42 key 4
    8.42 voice rate 5
    8.42 say "4"
    8.42 voice rate 0
    8.45 key 9
    8.45 voice rate 5
    8.45 say "9"
    8.45 voice rate 0
    8.48 key 9
    8.48 voice rate 5
    8.48 say "9"
    8.48 voice rate 0
    8.51 key 9
    8.51 voice rate 5
    8.51 say "9"
    8.51 voice rate 0
    8.54 key enter
    8.54 say " You can't make a living on half a load."
    8.56 say " How many pounds will you carry (40,000 is the legal limit) "
    8.59 key 2
    8.59 voice rate 5
    8.59 say "2"
    8.59 voice rate 0
    8.62 key 5
    8.62 voice rate 5
    8.62 say "5"
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
    8.74 say " you have chosen to carry  25000 pounds of U S mail. Is this correct?"
    8.76 say " yes "
    8.79 key n
    8.79 voice rate 5
    8.79 say "n"
    8.79 voice rate 0
    8.79 say " Three types of cargo are available:"
    8.79 say " 1 oranges  (highest profit if they don't spoil)"
    8.79 say " 2 freight forwarding, penalty for late delivery "
    8.79 say " 3 U.S. Mail, lowest rate, but no hurry to arrive "
    8.79 say " The cargo is due in New York by 4 PM on Thursday."
    8.79 say " Which type of cargo do you want? "
    8.79 say " 1 oranges "
    8.82 key enter
    8.84 say " How many pounds will you carry (40,000 is the legal limit) "
    8.87 key 6
    8.87 voice rate 5
    8.87 say "6"
    8.87 voice rate 0
    8.90 key 0
    8.90 voice rate 5
    8.90 say "0"
    8.90 voice rate 0
    8.93 key 0
    8.93 voice rate 5
    8.93 say "0"
    8.93 voice rate 0
    8.96 key 0
    8.96 voice rate 5
    8.96 say "0"
    8.96 voice rate 0
    8.99 key 0
    8.99 voice rate 5
    8.99 say "0"
    8.99 voice rate 0
    9.02 key enter
    9.02 say " you have chosen to carry  60000 pounds of oranges. Is this correct?"
    9.04 say " yes "
    9.07 key enter
    9.07 say " Which truck do you wish to drive? "
    9.07 say " freight liner "
    9.10 key up
    9.10 say " peter built "
    9.13 key enter
    9.33 say "They are loading your truck now."
   12.08 play 32 volume 0 pan 0 frequency 22051
   16.68 stop 32
   16.68 say " 50,000 pounds of cargo has filled your trailer!"
   16.89 say " Day Monday"
   16.89 say " Time:  9 A.M. "
   22.04 play 29 volume 0 pan 0 frequency 22051
   26.24 stop 29
   26.26 play 27 volume 0 pan 0 frequency 22051
   30.86 stop 27
   30.88 play 40 volume 0 pan 0 frequency 22051
   32.78 stop 40
   32.78 say " You paid $190.00 for a nearly full tank of diesel fuel."
   32.78 say " Two of your tires are worn.  Do you want replacements?"
   32.80 say " yes "
   32.83 key enter
   32.83 say " A new tire costs $200.00.  A retread costs $100.00."
   32.83 say "     Which type do you want "
   32.83 say " new "
   32.86 key r
   32.86 voice rate 5
   32.86 say "r"
   32.86 voice rate 0
   32.86 say " retread "
   32.89 key enter
   32.89 say "     How many"
   32.89 say " 1"
   32.92 key 2
   32.92 say " 2"
   32.95 key enter
   32.97 play 37 volume 0 pan 0 frequency 22051
   35.67 stop 37
   35.90 play 37 volume 0 pan 0 frequency 22051
   38.60 stop 37
   38.62 play 40 volume 0 pan 0 frequency 22051
   40.52 stop 40
   40.52 say " You may choose the Northern, Middle or Southern route. "
   40.52 say "     Which route do you choose? "
   40.52 say " northern "
   40.55 key s
   40.55 say " southern "
   40.58 key enter
   40.58 play 44 volume 0 pan 0 frequency 22051
   52.59 play 46 looped volume -10000 pan 0
   54.08 stop 44
   54.08 say " Cruising on I-10 in California"
   54.08 say " You are feeling rested & rearing to go."
   54.08 draw 0.221993
   54.08 say " Current weather: clear & dry"
   54.08 say " How fast do you wish to go? "
   54.13 key 6
   54.13 voice rate 5
   54.13 say "6"
   54.13 voice rate 0
   54.18 key 0
   54.18 voice rate 5
   54.18 say "0"
   54.18 voice rate 0
   54.20 play 22 volume 0 pan 0 frequency 22051
   55.80 stop 22
   56.80 draw 0.870732
   56.80 draw 0.206719
   56.80 draw 0.918611
   56.80 draw 0.488411
   56.93 play 17 volume 0 pan -1500 frequency 22051
   61.93 stop 17
   61.93 say " Day Monday"
   61.93 say " Time:  10 A.M. "
   64.15 draw 0.611744
   64.15 say " Approximate fuel  174"
   64.15 say "Speed  60"
   64.15 say "        Odometer:  60"
   64.15 say "Miles to go:  3060"
   64.15 say " Cruising on I-10 in California"
   64.15 say " You are feeling fine"
   64.15 draw 0.765908
   64.15 say " Current weather: clear & dry"
   64.15 say " How fast do you wish to go? "
ended with the keys run out
