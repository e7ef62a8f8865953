    0.00 voice voice 0
    0.00 voice rate 0
    0.00 voice volume 90
    0.01 key !x
    0.02 play 1 volume 0 pan 0 frequency 22051
    0.02 stop 1
    0.02 say "Dravlen. version 3"
    0.02 say " By Brannock "
    0.04 say " Would you like to reed the instructions? "
    0.06 say " yes "
    0.09 key x
    0.09 voice rate 5
    0.09 say "x"
    0.09 voice rate 0
    0.11 say " Would you like to reed the instructions? "
    0.13 say " yes "
    0.16 key y
    0.16 voice rate 5
    0.16 say "y"
    0.16 voice rate 0
    0.18 say "Dravlen Instructions : Dravlen is a program which simulates the problems facing a long-haul truck driver. Ideally, you can make a good living hauling freight coast-to-coast without exceeding the legal load limit. If all goes well, you can obey speed limits and stop each night for eight hours sleep and still make the time schedule. On a good trip you will be able to earn well over $1,000.00. However, even the best driver's run into occasional streaks of bad luck and may barely break even. Bad weather, road conditions or a flat tire can place you behind schedule and eat up your profits. You may try to increase your profits by skimping on sleep, driving fast, or carrying an overweight load. However, pushing too hard raises the risk of a traffic accident, and you will be fined if you are caught breaking the law. Your Truck: You are driving an 18-wheel tractor-trailer combination that can hold 50,000 pounds of cargo (10,000 pounds more than the legal limit). You are buying your truck through a bank loan that requires a payment of $1,995.00 per month, or $85.00 for each working day. This amount includes reserves for taxes and insurance. Your truck has a 200-gallon fuel tank and gets 4.5 miles per gallon of diesel fuel. Your mileage decreases when you drive faster or slower than 55 miles per hour. Your fuel gauge is accurate to within five gallons and your speedometer is accurate to within three miles per hour. Accidents: It is extremely unlikely that you will be involved in a traffic accident in good weather. The danger increases dramatically if you drive at a excessive rate of speed, fail to slow down in fog or blizzard, or continue driving after you have become fatigued. An exhausted driver speeding through a snow storm is asking for trouble. There is always the danger of losing time due to a flat tire. This danger can be reduced by purchasing retreads or more expensive tires before you start your trip, and by promptly replacing your spare tire after a flat. Speeding: The speed limit is 55 miles per hour unless otherwise posted. Generally, Smokey will allow some leeway before pulling you over, but the faster you go the more likely you are to attract his attention. There are also a couple of places along the way where a radar may be in operation with strict enforcement. Whenever you get a traffic ticket, you lose time as you wait to pay your fine at the Justice of the Peace. If you receive more than three tickets, you lose your Interstate Commerce Commission driver's license. Truck Stops: Every three or four hours you will approach a truck stop. Each stop will take at least one hour while you get coffee, fuel and a spare tire if necessary. The price of diesel fuel and tires will vary unpredictably, but diesel fuel will average about $1.00 per gallon. Truck stops are also the only places where you can sleep. You may choose when to sleep, but, if you attempt to sleep during the day, you will be disturbed by traffic noise. Cargo: You can select from three types of cargo to haul for each trip: 1. U.S. MAIL This contract will pay 4.75 cents per pound, or $1,900.00 for a 40,000 pound load on delivery. 2. Freight Forwarding This contract pays 5 cents per pound, or $2,000 for a load. However, there is a 10% penalty that is subtracted if you are more than 12 hours late on delivery. 3. Oranges This contract will pay 6.5 cents per pound of good oranges delivered to New York, or $2,600 for a standard load. You are required to run the air-conditioning unit in your trailer in order to keep the oranges from rotting or freezing. You will burn seven gallons of fuel per hour while you sleep. Routes: You can choose one of three routes: Northern route: This route is the shortest, but also the riskiest. You will leave from Los Angeles on Interstate 15 and drive through Las Vegas and Denver. You then take I-80 through Nebraska, northern Ohio and Pennsylvania. The total mileage is 2,710. You will pay a total of $195.00 in tolls and have one chance in eight of avoiding weigh stations. The danger of bad weather is high, and the speed limit is vigorously enforced. Middle route: The middle route follows old Route 66 from Los Angeles through northern Arizona and Oklahoma into ST.Louis. Then you cut over to the Pennsylvania Turnpike and follow through to New York. The total distance is 2,850 miles. The toll road portion will cost you $240 in fees. This route has fewer smokies watching your speed and the weather conditions are much more favorable than the Northern route. However, watch the weight in your trailer since there are several truck scales in operation. Southern route: This route takes you from Los Angeles on I-10 through Arizona, New Mexico and Texas. You then follow I-20 to Atlanta before heading north to Washington D.C. The last leg of your journey follows I-95 up the Atlantic coast. The mileage is 3,120-much longer than the other routes. However, it is the safest because you avoid much of the bad weather. Tolls amount to only $95 and you will run into fewer police and fewer truck scales. If you cannot resist the temptation to take on an over weight cargo or if you have a led foot, this is the best route for you to take. "
    0.20 say " Would you like to reed the instructions? "
    0.22 say " yes "
    0.25 key n
    0.25 voice rate 5
    0.25 say "n"
    0.25 voice rate 0
    0.27 say "Would you like to reed the special key instructions?"
    0.29 say " yes "
    0.32 key f12
    0.37 key f1
    0.39 say "Would you like to reed the special key instructions?"
    0.41 say " yes "
    0.44 key down
    0.44 say " no "
    0.47 key up
    0.47 say " yes "
    0.50 key enter
    0.52 say "Special key instructions. f1 repeat current prompt. f2 repeat current information. f3 repeat fuel gage. f4 adjust volume. f5 repeat special key instructions. f12 change voice. control key change rate of speech. f6 learn the sounds. "
    0.54 say "Would you like to reed the special key instructions?"
    0.56 say " yes "
    0.59 key down
    0.59 say " no "
    0.62 key enter
    0.62 say " Day Monday"
    0.62 say " Time:  8 A.M. "
    2.78 say " You are at the Los Angeles trucking terminal."
    2.78 say " Three types of cargo are available:"
    2.78 say " 1 oranges  (highest profit if they don't spoil)"
    2.78 say " 2 freight forwarding, penalty for late delivery "
    2.78 say " 3 U.S. Mail, lowest rate, but no hurry to arrive "
    2.78 say " The cargo is due in New York by 4 PM on Thursday."
    2.78 say " Which type of cargo do you want? "
    2.78 say " 1 oranges "
    2.81 key esc
    2.81 say " exit game? "
    2.81 say " yes "
    2.84 key enter
    2.84 voice rate 5
    2.84 voice rate 0
    2.84 say " Thank you for playing Dravlen By Brannock "
    5.72 beep
    5.82 beep
    5.93 say "Sorry, but I could not find the Quillonwerk game menu program."
ended by the game
settings  0 
settings  0 
settings  90 
settings  0 
