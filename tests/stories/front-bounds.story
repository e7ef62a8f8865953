    0.00 voice voice 3
    0.00 voice rate -9
    0.00 voice volume 95
    0.02 play 1 volume -3400 pan 0 frequency 22051
    5.71 stop 1
    5.71 say "Dravlen. version 3"
    5.71 say " By Brannock "
    5.73 say " Would you like to reed the instructions? "
    5.75 say " yes "
    5.78 key ctrl
    5.80 voice rate -9
    5.80 say "to adjust the speech rate, use the arrow keys and then press enter"
    5.80 say "-9"
    5.81 key down
    5.81 voice rate -10
    5.81 say "-10"
    5.82 key down
    5.82 voice rate -11
    5.82 say "-11"
    5.83 key enter
    7.29 key f4
    7.31 say " use the up and down arrow keys to raise and lower the volume of the voice.   Press enter when you have the volume set the way that you want it. "
    7.34 key up
    7.34 voice volume 100
    7.34 say " maximum "
    7.37 key up
    7.37 voice volume 100
    7.37 say " maximum "
    7.40 key x
    7.40 voice rate -6
    7.40 say "x"
    7.40 voice rate -11
    7.42 say " use the up and down arrow keys to raise and lower the volume of the voice.   Press enter when you have the volume set the way that you want it. "
    7.45 key f1
    7.47 say " use the up and down arrow keys to raise and lower the volume of the voice.   Press enter when you have the volume set the way that you want it. "
    7.50 key enter
    7.52 play 30 volume -3400 pan 0 frequency 22051
   10.53 stop 30
   10.53 say " use the up and down arrow keys to adjust the volume of the sounds.   Press enter when you have the volume set the way that you want it. "
   10.56 key down
   10.56 say " quieter "
   10.79 play 30 volume -3400 pan 0 frequency 22051
   12.89 stop 30
   12.92 key down
   12.92 say " minimum "
   13.14 play 30 volume -3500 pan 0 frequency 22051
   15.24 stop 30
   15.27 key up
   15.27 say " louder "
   15.49 play 30 volume -3500 pan 0 frequency 22051
   17.59 stop 30
   17.62 key x
   17.62 voice rate -6
   17.62 say "x"
   17.62 voice rate -11
   17.62 say " use the up and down arrow keys to adjust the volume of the sounds.   Press enter when you have the volume set the way that you want it. "
   17.65 key enter
   17.65 stop 30
   17.70 key f12
   17.74 say "do you want to use this voice"
   17.74 say " no "
   17.77 key n
   17.77 voice voice 0
   17.79 say "do you want to use this voice"
   17.79 say " no "
   17.82 key n
   17.82 voice voice 1
   17.84 say "do you want to use this voice"
   17.84 say " no "
   17.87 key n
   17.87 voice voice 2
   17.89 say "do you want to use this voice"
   17.89 say " no "
   17.92 key n
   17.92 voice voice 0
   17.94 say "do you want to use this voice"
   17.94 say " no "
   17.97 key x
   17.99 say "do you want to use this voice"
   17.99 say " no "
   18.02 key up
   18.02 say " yes "
   18.05 key enter
   18.10 key esc
   18.10 say " exit game? "
   18.10 say " yes "
   18.13 key enter
   18.13 voice rate -6
   18.13 voice rate -11
   18.13 say " Thank you for playing Dravlen By Brannock "
   26.77 beep
   26.88 beep
   26.99 say "Sorry, but I could not find the Quillonwerk game menu program."
ended by the game
settings  0 
settings -11 
settings  100 
settings -3400 
