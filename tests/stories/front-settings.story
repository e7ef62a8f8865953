    0.00 voice voice 1
    0.00 voice rate 3
    0.00 voice volume 50
    0.02 play 1 volume -100 pan 0 frequency 22051
    5.71 stop 1
    5.71 say "Dravlen. version 3"
    5.71 say " By Brannock "
    5.73 say " Would you like to reed the instructions? "
    5.75 say " yes "
    5.78 key ctrl
    5.80 voice rate 3
    5.80 say "to adjust the speech rate, use the arrow keys and then press enter"
    5.80 say "3"
    5.81 key up
    5.81 voice rate 4
    5.81 say "4"
    5.82 key up
    5.82 voice rate 5
    5.82 say "5"
    5.83 key x
    5.85 voice rate 5
    5.85 say "to adjust the speech rate, use the arrow keys and then press enter"
    5.85 say "5"
    5.86 key down
    5.86 voice rate 4
    5.86 say "4"
    5.87 key enter
    6.33 key f4
    6.35 say " use the up and down arrow keys to raise and lower the volume of the voice.   Press enter when you have the volume set the way that you want it. "
    6.38 key up
    6.38 voice volume 55
    6.38 say " louder "
    6.41 key down
    6.41 voice volume 50
    6.41 say " quieter "
    6.44 key down
    6.44 voice volume 45
    6.44 say " quieter "
    6.47 key f1
    6.49 say " use the up and down arrow keys to raise and lower the volume of the voice.   Press enter when you have the volume set the way that you want it. "
    6.52 key enter
    6.54 play 30 volume -100 pan 0 frequency 22051
    9.55 stop 30
    9.55 say " use the up and down arrow keys to adjust the volume of the sounds.   Press enter when you have the volume set the way that you want it. "
    9.58 key up
    9.58 say " maximum "
    9.59 key !down
    9.80 play 30 volume -100 pan 0 frequency 22051
    9.80 stop 30
    9.80 say " quieter "
   10.03 play 30 volume 0 pan 0 frequency 22051
   12.13 stop 30
   12.16 key enter
   12.16 stop 30
   12.21 key f12
   12.25 say "do you want to use this voice"
   12.25 say " no "
   12.28 key n
   12.28 voice voice 2
   12.30 say "do you want to use this voice"
   12.30 say " no "
   12.33 key down
   12.33 say " yes "
   12.36 key enter
   12.41 key f5
   12.43 say "Special key instructions. f1 repeat current prompt. f2 repeat current information. f3 repeat fuel gage. f4 adjust volume. f5 repeat special key instructions. f12 change voice. control key change rate of speech. f6 learn the sounds. "
   12.46 key esc
   12.46 say " exit game? "
   12.46 say " yes "
   12.49 key enter
   12.49 voice rate 9
   12.49 voice rate 4
   12.49 say " Thank you for playing Dravlen By Brannock "
   14.35 beep
   14.46 beep
   14.57 say "Sorry, but I could not find the Quillonwerk game menu program."
ended by the game
settings  2 
settings  4 
settings  45 
settings -100 
