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
    8.30 key 1
    8.30 voice rate 5
    8.30 say "1"
    8.30 voice rate 0
    8.33 key 2
    8.33 voice rate 5
    8.33 say "2"
    8.33 voice rate 0
    8.36 key shift
    8.39 key bksp
    8.39 voice rate 5
    8.39 say "2"
    8.39 voice rate 0
    8.42 key c
    8.42 voice rate 5
    8.42 say "c"
    8.42 voice rate 0
    8.45 key bksp
    8.45 voice rate 5
    8.45 say "c"
    8.45 voice rate 0
    8.48 key bksp
    8.48 voice rate 5
    8.48 say "1"
    8.48 voice rate 0
    8.51 key bksp
    8.54 key f1
    8.56 say " How many pounds will you carry (40,000 is the legal limit) "
    8.59 key shift
    8.62 key a
    8.62 voice rate 5
    8.62 say "A"
    8.62 voice rate 0
    8.65 key f2
    8.65 voice rate 5
    8.65 voice rate 0
    8.68 key f3
    8.68 voice rate 5
    8.68 voice rate 0
    8.71 key up
    8.71 voice rate 5
    8.71 voice rate 0
    8.74 key kp5
    8.74 voice rate 5
    8.74 say "e"
    8.74 voice rate 0
    8.77 key esc
    8.77 voice rate 5
    8.77 voice rate 0
    8.80 key enter
    8.80 say " You can't make a living on half a load."
    8.82 say " How many pounds will you carry (40,000 is the legal limit) "
    8.85 key 4
    8.85 voice rate 5
    8.85 say "4"
    8.85 voice rate 0
    8.88 key 0
    8.88 voice rate 5
    8.88 say "0"
    8.88 voice rate 0
    8.91 key comma
    8.93 say " comma "
    8.96 key 0
    8.96 voice rate 5
    8.96 say "0"
    8.96 voice rate 0
    8.99 key 0
    8.99 voice rate 5
    8.99 say "0"
    8.99 voice rate 0
    9.02 key 0
    9.02 voice rate 5
    9.02 say "0"
    9.02 voice rate 0
    9.05 key enter
    9.05 say " you have chosen to carry  40000 pounds of oranges. Is this correct?"
    9.07 say " yes "
    9.10 key n
    9.10 voice rate 5
    9.10 say "n"
    9.10 voice rate 0
    9.10 say " Three types of cargo are available:"
    9.10 say " 1 oranges  (highest profit if they don't spoil)"
    9.10 say " 2 freight forwarding, penalty for late delivery "
    9.10 say " 3 U.S. Mail, lowest rate, but no hurry to arrive "
    9.10 say " The cargo is due in New York by 4 PM on Thursday."
    9.10 say " Which type of cargo do you want? "
    9.10 say " 1 oranges "
    9.13 key 2
    9.13 say " 2 freight "
    9.16 key enter
    9.18 say " How many pounds will you carry (40,000 is the legal limit) "
    9.21 key esc
    9.21 voice rate 5
    9.21 voice rate 0
    9.24 key enter
    9.24 say " You can't make a living on half a load."
    9.26 say " How many pounds will you carry (40,000 is the legal limit) "
ended with the keys run out
