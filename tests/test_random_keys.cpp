// Whole games from random keys must never crash or hang: every run ends, or runs out of keys,
// cleanly. The steered games (a driver that listens, with random keys mixed in) are read whole:
// every dollar paid on the way adds up to the expenses settled, and every trip to New York hears
// every road and place of its route in order.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <fstream>
#include <map>
#include <set>

#include "harness.h"
#include "random_games.h"

namespace dravlen::testing {
namespace {

using namespace randomgames;
using Lines = std::vector<std::string>;

bool starts(const std::string& line, const char* part) { return line.rfind(part, 0) == 0; }

// "2,500 dollors, and,  75 cents" -> 2500.75
double dollarsOf(const std::string& text) {
    double total = 0;
    std::string digits;
    for (size_t i = 0; i < text.size(); ++i) {
        if (std::isdigit(static_cast<unsigned char>(text[i]))) digits += text[i];
        for (auto [unit, worth] : {std::pair(" dollor", 1.0), std::pair(" cent", 0.01)})
            if (starts(text.substr(i), unit)) total += std::atof(digits.c_str()) * worth, digits.clear();
    }
    return total;
}

// The last of `items` said from `from` up to the first `until` (or the end); "" when none.
std::string lastOf(const Lines& t, size_t from, const std::string& until, const Lines& items) {
    std::string out;
    for (size_t i = from; i < t.size() && t[i] != until; ++i)
        if (std::find(items.begin(), items.end(), t[i]) != items.end()) out = t[i];
    return out;
}

// Every amount the transcript says was paid on the way, up to arrival. A tire bought is the menu
// item said last before the next question. F2 says the screen again (since the empty line that
// begins each readout): a line said twice on one screen is paid once.
double paidOnTheWay(const Lines& t) {
    double paid = 0;
    const std::string route = " You may choose the Northern, Middle or Southern route. ",
                      sleep = " Do you want to get some sleep? ";
    bool atTerminal = false;
    std::set<std::string> screen;
    for (size_t i = 0; i + 1 < t.size() && t[i] != " WELCOME TO NEW YORK"; ++i) {
        const std::string& l = t[i];
        if (l.empty()) screen.clear();
        if (!screen.insert(l + "\n" + t[i + 1]).second) continue;
        if (l == "Pay " || l == " Pay fine of ") paid += dollarsOf(t[i + 1]);
        if (starts(l, " STOP!   Pay toll of $")) paid += std::atof(l.c_str() + 22);
        for (auto [said, dollars] : {std::pair("     It cost $200 to get a barrel", 200),
                                     {"     This service cost $400.00", 400}, {"     Repairs take 2 hours and cost $100.00.", 100}})
            if (starts(l, said)) paid += dollars;
        if (l == "     How many" && !atTerminal) {  // worn tires at the terminal: the type, then the count
            atTerminal = true;
            const bool retread = lastOf(t, 0, l, {" new ", " retread "}) == " retread ";
            paid += (retread ? 100 : 200) * (lastOf(t, i, route, {" 1", " 2"}) == " 2" ? 2 : 1);
        }
        if (starts(l, " A new tire costs $") &&
            !lastOf(t, i, sleep, {" Do you want to buy a New tire or a retread?"}).empty()) {
            const bool retread = lastOf(t, i, sleep, {" new ", " retread "}) == " retread ";
            paid += std::atof(l.c_str() + (retread ? l.find(" A retread costs $") + 18 : 19));
        }
    }
    return paid;
}

TEST(RandomKeys, WholeGamesEndCleanlyPayEveryDollarAndHearEveryPlace) {
    // The same games as the first stretch of dravlen-randomgames: one in four steered.
    const std::string folder = freshDir();
    std::map<std::string, Lines> names;  // the roads and places of each route, in order
    std::ifstream roads(std::string(DRAVLEN_SOURCE_DIR) + "/tests/data/trip-roads.txt");
    for (std::string line, route; std::getline(roads, line);)
        if (starts(line, "[")) route = " " + line.substr(1, line.size() - 2) + " ";
        else if (!starts(line, "#")) names[route].push_back(line);
    ASSERT_EQ(names.size(), 3u);
    int ended = 0, stops = 0, police = 0, settlements = 0;
    std::map<std::string, int> trips;
    for (uint32_t seed = 1; seed <= 400; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        const GameSetup game{seed, seed % 4 == 0, DRAVLEN_BUILD_DIR, folder};
        const GameReport r = playGame(game);
        for (const std::string& fault : r.faults) ADD_FAILURE() << fault;
        std::tie(ended, stops, police, settlements) =
            std::tuple(ended + r.ended, stops + r.truckStops, police + r.policeStops, settlements + r.settlements);
        const Lines t = readLines(folder + "/dravlog.txt");
        const auto settled = std::find(t.begin(), t.end(), "     Trip expenses totaled ");
        if (!game.steered || settled == t.end() || settled + 1 == t.end()) continue;
        EXPECT_NEAR(dollarsOf(*(settled + 1)), 190 + paidOnTheWay(t), 0.005);
        // The route chosen; every place of it heard in order (the last may be passed in the hour of
        // arrival), and every hour's road the one beyond the last place heard.
        const auto firstRoad = std::find_if(t.begin(), t.end(), [](auto& l) { return starts(l, " Cruising on "); });
        const std::string route = lastOf(t, 0, *firstRoad, {" northern ", " middle ", " southern "});
        ASSERT_EQ(names.count(route), 1u) << route;
        Lines leg = names.at(route);  // road, place, road, ... the road into New York
        if (std::find(firstRoad, t.end(), " Cruising on Arkansas county roads") != t.end())
            *std::find(leg.begin(), leg.end(), "I-20 in Louisiana") = "Arkansas county roads";
        size_t passed = 0;
        for (auto l = firstRoad; *l != " WELCOME TO NEW YORK"; ++l) {
            if (starts(*l, " You have just past ") && (passed == 0 || l->substr(20) != leg[2 * passed - 1])) {
                ASSERT_LT(2 * passed + 1, leg.size());
                EXPECT_EQ(l->substr(20), leg[2 * passed + 1]) << route;
                ++passed;
            }
            EXPECT_TRUE(!starts(*l, " Cruising on ") || l->substr(13) == leg[2 * passed]) << route << ":" << *l;
        }
        EXPECT_GE(2 * passed + 3, leg.size()) << route;
        ++trips[route];
    }
    EXPECT_TRUE(ended > 150 && stops > 800 && police > 100 && settlements > 25)
        << ended << " ended, " << stops << " truck stops, " << police << " police stops, " << settlements << " settled";
    EXPECT_EQ(trips.size(), 3u) << "a whole trip on every route";
}

}  // namespace
}  // namespace dravlen::testing
