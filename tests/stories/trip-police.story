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
   50.49 key 9
   50.49 voice rate 5
   50.49 say "9"
   50.49 voice rate 0
   50.54 key 9
   50.54 voice rate 5
   50.54 say "9"
   50.54 voice rate 0
   50.56 play 22 volume 0 pan 0 frequency 22051
   52.16 stop 22
   57.07 say " You can only get the old rig to go 82MPH on this road."
   57.07 draw 0.708148
   57.07 draw 0.290905
   57.07 draw 0.510828
   57.07 draw 0.892947
   57.07 draw 0.896293
   57.07 play 14 volume 0 pan -1500 frequency 22051
   63.07 stop 14
   63.07 say " Smokey is behind you with his lights on. Pull over!"
   66.70 play 45 volume 0 pan 0 frequency 22051
   67.20 stop 46
   69.70 stop 45
   69.70 say " See the justice of the peace for your first offense."
   69.70 say "     Wait 1hour for your hearing."
   80.49 play 28 volume 0 pan 0 frequency 22051
   82.39 stop 28
   82.39 draw 0.125585
   82.39 draw 0.207243
   82.39 say "The fine is "
   83.41 say "9 dollors"
   84.25 say " plus "
   84.91 say " for each MPH over the limit."
   86.95 say "Pay "
   87.49 say "9 dollors"
   88.56 play 40 volume 0 pan 0 frequency 22051
   90.46 stop 40
   90.46 play 44 volume 0 pan 0 frequency 22051
  102.47 play 46 looped volume -10000 pan 0 frequency 39699
  103.96 stop 44
  103.96 draw 0.051467
  103.96 say " Day Monday"
  103.96 say " Time:  11 A.M. "
  106.18 draw 0.440810
  106.18 say " Approximate fuel  149"
  106.18 say "Speed  82"
  106.18 say "        Odometer:  82"
  106.18 say "Miles to go:  2628"
  106.18 say " Cruising on I-15 in California"
  106.18 say " You are feeling fine"
  106.18 draw 0.029876
  106.18 say " Current weather: clear & dry"
  106.18 say " How fast do you wish to go? "
  106.23 key esc
  106.23 say " exit game? "
  106.23 say " yes "
  106.26 key y
  106.26 voice rate 5
  106.26 say "y"
  106.26 voice rate 0
  106.26 say " Thank you for playing Dravlen By Brannock "
  109.35 beep
  109.46 beep
  109.57 say "Sorry, but I could not find the Quillonwerk game menu program."
ended by the game
settings  0 
settings  0 
settings  90 
settings  0 
