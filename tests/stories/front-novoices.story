    0.00 message "Sorry but I couldn't find any voices to use
Please contact Brannock"
    0.00 beep
    0.11 beep
    0.22 say "Sorry, but I could not find the Quillonwerk game menu program."
ended by the game
