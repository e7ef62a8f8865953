// The instructions, read aloud on request.
#include "frontend/instructions.h"

#include <array>

#include "frontend/keys.h"
#include "frontend/speech.h"

namespace dravlen {

namespace {

// The pieces of the instructions, in order; each carries its own trailing blank.
const std::array<const char*, 64> kPieces = {
    "Dravlen Instructions : ",
    "Dravlen is a program which simulates the problems facing a long-haul truck driver. ",
    "Ideally, you can make a good living hauling freight coast-to-coast without exceeding the legal load limit. ",
    "If all goes well, you can obey speed limits and stop each night for eight hours sleep and still make the time schedule. ",
    "On a good trip you will be able to earn well over $1,000.00. ",
    "However, even the best driver's run into occasional streaks of bad luck and may barely break even. ",
    "Bad weather, road conditions or a flat tire can place you behind schedule and eat up your profits. ",
    "You may try to increase your profits by skimping on sleep, driving fast, or carrying an overweight load. ",
    "However, pushing too hard raises the risk of a traffic accident, and you will be fined if you are caught breaking the law. ",
    "Your Truck: ",
    "You are driving an 18-wheel tractor-trailer combination that can hold 50,000 pounds of cargo (10,000 pounds more than the legal limit). ",
    "You are buying your truck through a bank loan that requires a payment of $1,995.00 per month, or $85.00 for each working day. ",
    "This amount includes reserves for taxes and insurance. ",
    "Your truck has a 200-gallon fuel tank and gets 4.5 miles per gallon of diesel fuel. ",
    "Your mileage decreases when you drive faster or slower than 55 miles per hour. ",
    "Your fuel gauge is accurate to within five gallons and your speedometer is accurate to within three miles per hour. ",
    "Accidents: ",
    "It is extremely unlikely that you will be involved in a traffic accident in good weather. ",
    "The danger increases dramatically if you drive at a excessive rate of speed, fail to slow down in fog or blizzard, or continue driving after you have become fatigued. ",
    "An exhausted driver speeding through a snow storm is asking for trouble. ",
    "There is always the danger of losing time due to a flat tire. ",
    "This danger can be reduced by purchasing retreads or more expensive tires before you start your trip, and by promptly replacing your spare tire after a flat. ",
    "Speeding: ",
    "The speed limit is 55 miles per hour unless otherwise posted. ",
    "Generally, Smokey will allow some leeway before pulling you over, but the faster you go the more likely you are to attract his attention. ",
    "There are also a couple of places along the way where a radar may be in operation with strict enforcement. ",
    "Whenever you get a traffic ticket, you lose time as you wait to pay your fine at the Justice of the Peace. ",
    "If you receive more than three tickets, you lose your Interstate Commerce Commission driver's license. ",
    "Truck Stops: ",
    "Every three or four hours you will approach a truck stop. ",
    "Each stop will take at least one hour while you get coffee, fuel and a spare tire if necessary. ",
    "The price of diesel fuel and tires will vary unpredictably, but diesel fuel will average about $1.00 per gallon. ",
    "Truck stops are also the only places where you can sleep. ",
    "You may choose when to sleep, but, if you attempt to sleep during the day, you will be disturbed by traffic noise. ",
    "Cargo: ",
    "You can select from three types of cargo to haul for each trip: ",
    "1. U.S. MAIL This contract will pay 4.75 cents per pound, or $1,900.00 for a 40,000 pound load on delivery. ",
    "2. Freight Forwarding This contract pays 5 cents per pound, or $2,000 for a load. However, there is a 10% penalty that is subtracted if you are more than 12 hours late on delivery. ",
    "3. Oranges This contract will pay 6.5 cents per pound of good oranges delivered to New York, or $2,600 for a standard load. ",
    "You are required to run the air-conditioning unit in your trailer in order to keep the oranges from rotting or freezing. ",
    "You will burn seven gallons of fuel per hour while you sleep. ",
    "Routes: ",
    "You can choose one of three routes: ",
    "Northern route: ",
    "This route is the shortest, but also the riskiest. You will leave from Los Angeles on Interstate 15 and drive through Las Vegas and Denver. ",
    "You then take I-80 through Nebraska, northern Ohio and Pennsylvania. ",
    "The total mileage is 2,710. ",
    "You will pay a total of $195.00 in tolls and have one chance in eight of avoiding weigh stations. ",
    "The danger of bad weather is high, and the speed limit is vigorously enforced. ",
    "Middle route: ",
    "The middle route follows old Route 66 from Los Angeles through northern Arizona and Oklahoma into ST.Louis. ",
    "Then you cut over to the Pennsylvania Turnpike and follow through to New York. ",
    "The total distance is 2,850 miles. ",
    "The toll road portion will cost you $240 in fees. ",
    "This route has fewer smokies watching your speed and the weather conditions are much more favorable than the Northern route. ",
    "However, watch the weight in your trailer since there are several truck scales in operation. ",
    "Southern route: ",
    "This route takes you from Los Angeles on I-10 through Arizona, New Mexico and Texas. ",
    "You then follow I-20 to Atlanta before heading north to Washington D.C. ",
    "The last leg of your journey follows I-95 up the Atlantic coast. ",
    "The mileage is 3,120-much longer than the other routes. ",
    "However, it is the safest because you avoid much of the bad weather. ",
    "Tolls amount to only $95 and you will run into fewer police and fewer truck scales. ",
    "If you cannot resist the temptation to take on an over weight cargo or if you have a led foot, this is the best route for you to take. ",
};

}  // namespace

std::string instructionsText() {
    std::string text;
    for (const char* piece : kPieces) text += piece;
    return text;
}

void readins(Form& f) {
    clk(f);
    say2(f, instructionsText());
}

}  // namespace dravlen
