    0.00 voice voice 0
    0.00 voice rate 0
    0.00 voice volume 90
    0.02 play 1 volume 0 pan 0 frequency 22051
    5.71 stop 1
    5.71 say "Dravlen. version 3"
    5.71 say " By Brannock "
    5.73 say " Would you like to reed the instructions? "
    5.75 say " yes "
    5.78 key esc
    5.78 say " exit game? "
    5.78 say " yes "
    5.81 key x
    5.81 say " exit game? "
    5.81 say " yes "
    5.84 key down
    5.84 say " no "
    5.87 key enter
    5.87 voice rate 5
    5.87 voice rate 0
    5.91 say " Would you like to reed the instructions? "
    5.93 say " yes "
    5.96 key esc
    5.96 say " exit game? "
    5.96 say " yes "
    5.99 key n
    5.99 voice rate 5
    5.99 say "n"
    5.99 voice rate 0
    6.03 say " Would you like to reed the instructions? "
    6.05 say " yes "
    6.08 key esc
    6.08 say " exit game? "
    6.08 say " yes "
    6.11 key f1
    6.11 say " exit game? "
    6.11 say " yes "
    6.14 key up
    6.14 say " no "
    6.17 key down
    6.17 say " yes "
    6.20 key y
    6.20 voice rate 5
    6.20 say "y"
    6.20 voice rate 0
    6.20 say " Thank you for playing Dravlen By Brannock "
    9.29 beep
    9.39 beep
    9.50 say "Sorry, but I could not find the Quillonwerk game menu program."
ended by the game
settings  0 
settings  0 
settings  90 
settings  0 
