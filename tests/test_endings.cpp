// Whole games to every ending, played by a driver that listens to the game and answers: arrival
// with a profit, with a loss, spoiled oranges, late freight, jail, and every dollar accounted for.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "harness.h"

namespace dravlen {
namespace {

using testing::RunOptions;
using testing::RunResult;
using testing::runScript;
using Lines = std::vector<std::string>;

bool has(const std::string& line, const char* part) { return line.find(part) != std::string::npos; }
bool starts(const std::string& line, const char* part) { return line.rfind(part, 0) == 0; }

std::string trim(const std::string& s) {
    const size_t a = s.find_first_not_of(' '), b = s.find_last_not_of(' ');
    return a == std::string::npos ? "" : s.substr(a, b - a + 1);
}

// Lines a menu speaks for its current item, after the question itself.
bool menuItem(const std::string& line) {
    static const char* kItems[] = {"yes", "no", "new", "retread", "1 oranges", "2 freight", "3 U S mail",
                                   "freight liner", "peter built", "northern", "middle", "southern"};
    const std::string t = trim(line);
    return std::find(std::begin(kItems), std::end(kItems), t) != std::end(kItems);
}

std::string digitsOf(long n) {
    std::string out;
    for (char c : std::to_string(n)) out += std::string(1, c) + " ";
    return out;
}

// A driver who hauls 40,000 pounds, drives at `speed` (or the posted limit below it), stops at
// night or when tired to sleep eight hours and fill the tank, and buys a spare when offered.
struct Driver {
    int cargo = 2;
    std::string route = "n";
    int speed = 55;
    bool stops = true;

    int limit = 55;
    double fuel = 190;
    bool night = false, tired = false, resting = false;

    void hear(const std::string& l) {
        if (starts(l, " Time: ")) {
            const int hour = std::atoi(l.c_str() + 7);
            night = (has(l, "P.M.") && hour >= 8) || has(l, "Midnight") || (has(l, "A.M.") && hour < 6);
        } else if (starts(l, " Approximate fuel ")) {
            fuel = std::atof(l.c_str() + 18);
        } else if (starts(l, " You are feeling ")) {
            tired = !(has(l, "rested") || has(l, "fine"));
        } else if (starts(l, " You have just past ")) {
            limit = 55;
        } else if (has(l, "speed limit 35 MPH")) {
            limit = 35;
        } else if (has(l, "with 45 MPH limit")) {
            limit = 45;
        }
    }

    std::string answer(const std::string& q) {
        if (has(q, "reed the")) return "n";
        if (has(q, "Which type of cargo")) return std::to_string(cargo) + " enter";
        if (has(q, "How many pounds")) return "4 0 0 0 0 enter";
        if (has(q, "Is this correct?")) return "y";
        if (has(q, "Which truck")) return "enter";
        if (has(q, "Do you want replacements?")) return "n";
        if (has(q, "Which route")) return route + " enter";
        if (has(q, "How fast do you wish to go?")) return digitsOf(std::min(speed, limit < 55 ? limit : speed));
        if (has(q, "Truck stop ahead.")) {
            resting = stops && (night || tired);
            return resting ? "y" : "n";
        }
        if (has(q, "How many gallons")) return digitsOf(std::max(0L, std::lround(190 - fuel))) + "enter";
        if (has(q, "Do you want to buy a tire?")) return "y";
        if (has(q, "New tire or a retread?")) return "enter";
        if (has(q, "Do you want to get some sleep?")) return resting ? "y" : "n";
        if (has(q, "How many hours of rest")) return "8 enter";
        if (has(q, "Do you want to buy more?")) return "n";
        if (has(q, "press any key")) return "x";
        return "enter";
    }
};

RunResult drive(Driver d, uint32_t seed) {
    RunOptions o;
    o.seed = seed;
    size_t heard = 0;
    int turns = 0;
    o.player = [&](const Lines& said) -> std::string {
        for (; heard < said.size(); ++heard) d.hear(said[heard]);
        if (++turns > 5000) return "";
        auto q = std::find_if(said.rbegin(), said.rend(), [](const std::string& l) { return !trim(l).empty() && !menuItem(l); });
        return d.answer(q == said.rend() ? "" : *q);
    };
    return runScript(o);
}

// "2,500 dollors, and,  75 cents" -> 2500.75
double dollarsOf(const std::string& text) {
    double total = 0;
    std::string digits;
    for (size_t i = 0; i < text.size(); ++i) {
        if (std::isdigit(static_cast<unsigned char>(text[i]))) digits += text[i];
        if (text[i] == ',' && !digits.empty() && i + 1 < text.size() && std::isdigit(static_cast<unsigned char>(text[i + 1])))
            continue;
        if (starts(text.substr(i), " dollor")) total += std::atof(digits.c_str()), digits.clear();
        if (starts(text.substr(i), " cent")) total += std::atof(digits.c_str()) / 100, digits.clear();
    }
    return total;
}

// Every amount the transcript says was paid on the way, up to arrival.
double paidOnTheWay(const Lines& t) {
    double paid = 0;
    for (size_t i = 0; i < t.size(); ++i) {
        const std::string& l = t[i];
        if (l == " WELCOME TO NEW YORK") break;
        if ((l == "Pay " || l == " Pay fine of ") && i + 1 < t.size()) paid += dollarsOf(t[i + 1]);
        if (starts(l, " STOP!   Pay toll of $")) paid += std::atof(l.c_str() + 22);
        if (starts(l, "     It cost $200 to get a barrel")) paid += 200;
        if (starts(l, "     This service cost $400.00")) paid += 400;
        if (starts(l, "     Repairs take 2 hours and cost $100.00.")) paid += 100;
        if (starts(l, " A new tire costs $") && i + 2 < t.size() && t[i + 1] == "     Do you want to buy a tire?") {
            // Bought when " yes " follows and the item taken is " new " (the driver takes new).
            const size_t newAt = l.find(" A new tire costs $"), retreadAt = l.find(" A retread costs $");
            const double newPrice = std::atof(l.c_str() + newAt + 19);
            (void)retreadAt;
            if (t[i + 2] == " yes ") paid += newPrice;
        }
    }
    return paid;
}

double expensesTotaled(const Lines& t) {
    auto at = std::find(t.begin(), t.end(), "     Trip expenses totaled ");
    return at == t.end() || at + 1 == t.end() ? -1 : dollarsOf(*(at + 1));
}

bool said(const RunResult& r, const char* line) {
    return std::find(r.transcript.begin(), r.transcript.end(), line) != r.transcript.end();
}

TEST(Endings, ArrivalsAndEveryDollarPaidOnTheWay) {
    struct Row {
        const char* name;
        int cargo;
        const char* route;
        int speed;
        uint32_t seed;
        std::vector<const char*> wanted;
    } rows[] = {
        {"oranges, a profit", 1, "n", 55, 4, {"     GOOD   WORK  !!"}},
        {"late freight, still a profit", 2, "n", 55, 2,
         {"     You're late!!  Subtract ten percent penalty.", "     GOOD   WORK  !!"}},
        {"late freight, a loss and bankruptcy", 2, "n", 45, 1,
         {"     You're late!!  Subtract ten percent penalty.", "     You are bankrupt !!!", " Your rig has been repossessed."}},
        {"mail", 3, "n", 55, 2, {" Postmaster pays 4.75 cents per pound on delivery."}},
        {"spoiled oranges", 1, "m", 45, 3, {" Your oranges have spoiled.  Haul them to the dump!", "     You are bankrupt !!!"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Driver d;
        d.cargo = row.cargo;
        d.route = row.route;
        d.speed = row.speed;
        RunResult r = drive(d, row.seed);
        EXPECT_EQ(r.status, 0);
        ASSERT_TRUE(said(r, " WELCOME TO NEW YORK"));
        for (const char* line : row.wanted) EXPECT_TRUE(said(r, line)) << line;
        EXPECT_NEAR(expensesTotaled(r.transcript), 190 + paidOnTheWay(r.transcript), 0.005);
        EXPECT_EQ(r.transcript.back(), " press any key ");
    }
}

TEST(Endings, TheFourthTicketIsJailAndTheRigIsRepossessed) {
    // 99 typed, 82 driven at a 55 limit: on the northern route every such hour is a police stop.
    Driver d;
    d.speed = 99;
    d.stops = false;
    RunResult r = drive(d, 3);
    EXPECT_EQ(r.status, 0);
    const Lines jail{"  You are sentenced to 30 days in jail for reckless driving.",
                     " Your I.C.C. driver's license is revoked !", " Your rig has been repossessed.", " press any key "};
    auto at = std::search(r.transcript.begin(), r.transcript.end(), jail.begin(), jail.end());
    ASSERT_NE(at, r.transcript.end());
    int offenses = 0;
    for (const auto& l : r.transcript) offenses += starts(l, " See the justice of the peace for your ");
    EXPECT_EQ(offenses, 4);
    EXPECT_TRUE(said(r, " See the justice of the peace for your fourth offense."));
    EXPECT_FALSE(said(r, "     Trip expenses totaled "));  // nothing delivered, nothing settled
}

TEST(Endings, EveryPlaceAndRoadOfEachRouteAsHeardOnAWholeTrip) {
    // Road, place, road, place ... as a whole trip at 55 hears them, one leg an hour or more.
    struct Row {
        const char* route;
        uint32_t seed;
        Lines roadsAndPlaces;
    } rows[] = {
        {"n", 1, {"I-15 in California", "Barstow", "I-15 in California", "Las Vegas", "I-15 in Arizona", "Utah border",
                  "I-15 in Utah", "End of Interstate", "US-89 in Utah", "Salina", "I-70 in Utah", "Grand Junction",
                  "I-70 in Colorado", "Denver", "I-76 in Colorado", "Nebraska border", "I-80 in Nebraska", "Omaha",
                  "I-80 in Iowa", "Demoines", "I-80 in Iowa", "Illinois border", "I-80 in Illinois", "Gary",
                  "Indianna Turnpike", "Ohio border", "Ohio Turnpike", "Cleveland", "I-80 in Ohio", "Pennsylvania border",
                  "I-80 in Pennsylvania", "East Stroudsberg", "I-80 in New Jersey", "Washington Bridge", "city streets"}},
        {"m", 1, {"I-15 in California", "Barstow", "I-40 in California", "Needles", "I-40 in California", "Flagstaff",
                  "I-40 in Arizona", "Gallup", "I-40 in New Mexico", "Albuquerque", "I-40 in New Mexico", "Tucumcari",
                  "I-40 in Texas", "Amarillo", "I-40 in Texas", "Oklahoma border", "I-40 in Oklahoma", "Oklahoma City",
                  "Oklahoma Turnpike", "Missouri border", "I-44 in Missouri", "St. Louis", "I-70 in Illinois",
                  "Terre Haute", "I-70 in Indianna", "Indianapolis", "I-70 in Indianna", "Ohio border", "I-70 in Ohio",
                  "Columbus", "I-70 in Ohio", "Wheeling West Virginia", "I-70 in Pennsylvania", "New Stanton",
                  "Pennsylvania Turnpike", "Harrisburg", "Pennsylvania Turnpike", "New Jersey border",
                  "I-70 in New Jersey"}},
        {"s", 2, {"I-10 in California", "Palm Springs", "I-10 in California", "Blythe", "I-10 in Arizona", "Phoenix",
                  "I-10 in Arizona", "Tucson", "I-10 in Arizona", "Lordsburg", "I-10 in New Mexico", "El Paso",
                  "I-10 in Texas", "Pecos", "I-20 in Texas", "Odessa", "I-20 in Texas", "Abilene", "I-20 in Texas",
                  "Dallas", "I-20 in Texas", "Louisiana border", "I-20 in Louisiana", "Vicksburg", "I-20 in Mississippi",
                  "Alabama border", "I-20 in Alabama", "Birmingham", "I-20 in Alabama", "Georgia border",
                  "I-20 in Georgia", "Atlanta", "I-85 in Georgia", "Carolina border", "I-85 in Carolina", "Greensboro",
                  "I-85 in North Carolina", "Virginia border", "I-85 in Virginia", "Richmond", "I-95 in Virginia",
                  "Washington D.C.", "I-95 in Maryland", "Baltimore", "I-95 in Delaware", "New Jersey border",
                  "New Jersey Turnpike"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.route);
        Driver d;
        d.route = row.route;
        RunResult r = drive(d, row.seed);
        ASSERT_TRUE(said(r, " WELCOME TO NEW YORK"));
        Lines expected, heard;
        for (size_t i = 0; i < row.roadsAndPlaces.size(); ++i)
            expected.push_back((i % 2 ? " You have just past " : " Cruising on ") + row.roadsAndPlaces[i]);
        for (const std::string& l : r.transcript)
            if ((starts(l, " You have just past ") || starts(l, " Cruising on ")) && (heard.empty() || heard.back() != l))
                heard.push_back(l);
        EXPECT_EQ(heard, expected);
    }
}

}  // namespace
}  // namespace dravlen
