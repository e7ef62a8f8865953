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
  106.23 key 9
  106.23 voice rate 5
  106.23 say "9"
  106.23 voice rate 0
  106.28 key 9
  106.28 voice rate 5
  106.28 say "9"
  106.28 voice rate 0
  106.30 play 22 volume 0 pan 0 frequency 22051
  107.90 stop 22
  107.90 say " You can only get the old rig to go 82MPH on this road."
  107.90 draw 0.456833
  107.90 draw 0.649144
  107.90 draw 0.278487
  107.90 draw 0.676255
  107.90 draw 0.590863
  107.90 draw 0.023982
  107.90 play 12 volume 0 pan 1500 frequency 22051
  114.10 stop 12
  114.10 say " Smokey is behind you with his lights on. Pull over!"
  117.73 play 45 volume 0 pan 0 frequency 22051
  118.23 stop 46
  120.73 stop 45
  120.73 say " See the justice of the peace for your second offense."
  120.73 say "     Wait 2hours for your hearing."
  132.64 play 28 volume 0 pan 0 frequency 22051
  134.54 stop 28
  134.54 draw 0.558854
  134.54 draw 0.259252
  134.54 say "The fine is "
  135.56 say "15 dollors"
  136.46 say " plus "
  137.12 say "5 dollors"
  137.96 say " for each MPH over the limit."
  140.00 say "Pay "
  140.54 say "150 dollors"
  141.73 play 40 volume 0 pan 0 frequency 22051
  143.63 stop 40
  143.63 play 44 volume 0 pan 0 frequency 22051
  155.64 play 46 looped volume -10000 pan 0 frequency 39699
  157.13 stop 44
  157.13 draw 0.415101
  157.13 say " Day Monday"
  157.13 say " Time:  2 P.M. "
  159.29 draw 0.283525
  159.29 say " Approximate fuel  106"
  159.29 say "Speed  82"
  159.29 say "        Odometer:  164"
  159.29 say "Miles to go:  2546"
  159.29 say " You have just past Barstow"
  166.67 draw 0.693138
  166.67 say " Cruising on I-15 in California"
  166.67 say " You are feeling   bored"
  166.67 draw 0.440454
  166.67 say " Current weather: clear & dry"
  166.67 say " How fast do you wish to go? "
  166.72 key 9
  166.72 voice rate 5
  166.72 say "9"
  166.72 voice rate 0
  166.77 key 9
  166.77 voice rate 5
  166.77 say "9"
  166.77 voice rate 0
  166.79 play 22 volume 0 pan 0 frequency 22051
  168.39 stop 22
  168.39 say " You can only get the old rig to go 82MPH on this road."
  168.39 draw 0.156868
  168.39 draw 0.544649
  168.39 draw 0.780315
  168.39 draw 0.306364
  168.39 draw 0.221958
  168.39 play 7 volume 0 pan 1500 frequency 22051
  175.39 stop 7
  175.39 say " Smokey is behind you with his lights on. Pull over!"
  179.02 play 45 volume 0 pan 0 frequency 22051
  179.52 stop 46
  182.02 stop 45
  182.02 say " See the justice of the peace for your third offense."
  182.02 say "     Wait 3hours for your hearing."
  194.87 play 28 volume 0 pan 0 frequency 22051
  196.77 stop 28
  196.77 draw 0.387971
  196.77 draw 0.936384
  196.77 say "The fine is "
  197.79 say "61 dollors"
  198.69 say " plus "
  199.35 say "5 dollors"
  200.19 say " for each MPH over the limit."
  202.23 say "Pay "
  202.77 say "196 dollors"
  203.95 play 40 volume 0 pan 0 frequency 22051
  205.85 stop 40
  205.85 play 44 volume 0 pan 0 frequency 22051
  217.86 play 46 looped volume -10000 pan 0 frequency 39699
  219.35 stop 44
  219.35 draw 0.975995
  219.35 draw 0.672384
  219.48 play 18 volume 0 pan 1500 frequency 22051
  224.48 stop 18
  224.48 say " Day Monday"
  224.48 say " Time:  6 P.M. "
  226.64 draw 0.902834
  226.64 say " Approximate fuel  72"
  226.64 say "Speed  82"
  226.64 say "        Odometer:  246"
  226.64 say "Miles to go:  2464"
  226.64 say " You have just past Las Vegas"
  234.08 say " Time zone changes -- set clock ahead one hour."
  234.08 say " Day Monday"
  234.08 say " Time:  7 P.M. "
  239.36 say " Cruising on I-15 in Arizona"
  239.36 say " You are feeling   tired!!"
  239.36 draw 0.845751
  239.36 say " Current weather: clear & dry"
  239.36 say " Truck stop ahead.  Do you want to stop? "
  239.38 say " yes "
  239.41 key n
  239.41 voice rate 5
  239.41 say "n"
  239.41 voice rate 0
  239.41 say " How fast do you wish to go? "
  239.46 key 9
  239.46 voice rate 5
  239.46 say "9"
  239.46 voice rate 0
  239.51 key 9
  239.51 voice rate 5
  239.51 say "9"
  239.51 voice rate 0
  239.53 play 22 volume 0 pan 0 frequency 22051
  241.13 stop 22
  241.13 say " You can only get the old rig to go 82MPH on this road."
  241.13 draw 0.377994
  241.13 draw 0.092217
  241.13 draw 0.653411
  241.13 draw 0.557841
  241.13 draw 0.361565
  241.13 play 12 volume 0 pan 1500 frequency 22051
  247.33 stop 12
  247.33 say " Smokey is behind you with his lights on. Pull over!"
  250.96 play 45 volume 0 pan 0 frequency 22051
  251.46 stop 46
  253.96 stop 45
  253.96 say " See the justice of the peace for your fourth offense."
  253.96 say "     Wait 4hours for your hearing."
  267.87 play 28 volume 0 pan 0 frequency 22051
  269.77 stop 28
  269.77 say "  You are sentenced to 30 days in jail for reckless driving."
  269.98 say " Your I.C.C. driver's license is revoked !"
  270.29 say " Your rig has been repossessed."
  270.29 say " press any key "
  270.32 key f1
  270.32 say "  You are sentenced to 30 days in jail for reckless driving."
  270.32 say " Your I.C.C. driver's license is revoked !"
  270.32 say " Your rig has been repossessed."
  270.32 say " press any key "
  270.35 key esc
  270.35 say " exit game? "
  270.35 say " yes "
  270.38 key n
  270.38 voice rate 5
  270.38 say "n"
  270.38 voice rate 0
  270.40 say " press any key "
  270.43 key f2
  270.43 say "  You are sentenced to 30 days in jail for reckless driving."
  270.43 say " Your I.C.C. driver's license is revoked !"
  270.43 say " Your rig has been repossessed."
  270.43 say " press any key "
  270.46 key x
  270.46 stop 20
  270.46 stop 21
  270.46 stop 46
  270.46 draw 0.225055
  270.48 play 34 volume 0 pan 0 frequency 22051
  271.08 stop 34
  271.08 draw 0.406520
  271.10 play 35 volume 0 pan 0 frequency 22051
  274.50 stop 35
  274.52 play 1 volume 0 pan 0 frequency 22051
  280.21 stop 1
  280.21 say " Thank you for playing Dravlen By Brannock "
  283.09 beep
  283.20 beep
  283.31 say "Sorry, but I could not find the Quillonwerk game menu program."
ended by the game
settings  0 
settings  0 
settings  90 
settings  0 
