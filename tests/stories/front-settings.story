    0.00 voice voice 1
    0.00 voice rate -2
    0.00 voice volume 50
    0.02 play 1 volume -700 pan 0 frequency 22051
    5.71 stop 1
    5.71 say "Dravlen. version 3"
    5.71 say " By Brannock "
    5.73 say " Would you like to reed the instructions? "
    5.75 say " yes "
    5.78 key ctrl
    5.80 voice rate -2
    5.80 say "to adjust the speech rate, use the arrow keys and then press enter"
    5.80 say "-2"
    5.81 key up
    5.81 voice rate -1
    5.81 say "-1"
    5.82 key up
    5.82 voice rate 0
    5.82 say "0"
    5.83 key x
    5.85 voice rate 0
    5.85 say "to adjust the speech rate, use the arrow keys and then press enter"
    5.85 say "0"
    5.86 key down
    5.86 voice rate -1
    5.86 say "-1"
    5.87 key enter
    6.36 key f4
    6.38 say " use the up and down arrow keys to raise and lower the volume of the voice.   Press enter when you have the volume set the way that you want it. "
    6.41 key up
    6.41 voice volume 55
    6.41 say " louder "
    6.44 key down
    6.44 voice volume 50
    6.44 say " quieter "
    6.47 key down
    6.47 voice volume 45
    6.47 say " quieter "
    6.50 key f1
    6.52 say " use the up and down arrow keys to raise and lower the volume of the voice.   Press enter when you have the volume set the way that you want it. "
    6.55 key enter
    6.57 play 30 volume -700 pan 0 frequency 22051
    9.58 stop 30
    9.58 say " use the up and down arrow keys to adjust the volume of the sounds.   Press enter when you have the volume set the way that you want it. "
    9.61 key up
    9.61 say " louder "
    9.62 key !down
    9.83 play 30 volume -700 pan 0 frequency 22051
    9.83 stop 30
    9.83 say " quieter "
   10.06 play 30 volume -600 pan 0 frequency 22051
   12.16 stop 30
   12.19 key enter
   12.19 stop 30
   12.24 key f12
   12.28 say "do you want to use this voice"
   12.28 say " no "
   12.31 key n
   12.31 voice voice 2
   12.33 say "do you want to use this voice"
   12.33 say " no "
   12.36 key down
   12.36 say " yes "
   12.39 key enter
   12.44 key f5
   12.46 say "Special key instructions. f1 repeat current prompt. f2 repeat current information. f3 repeat fuel gage. f4 adjust volume. f5 repeat special key instructions. f12 change voice. control key change rate of speech. "
   12.49 key esc
   12.49 say " exit game? "
   12.49 say " yes "
   12.52 key enter
   12.52 voice rate 4
   12.52 voice rate -1
   12.52 say " Thank you for playing Dravlen By Brannock "
   15.73 beep
   15.84 beep
   15.95 say "Sorry, but I could not find the Quillonwerk game menu program."
ended by the game
settings  2 
settings -1 
settings  45 
settings -700 
