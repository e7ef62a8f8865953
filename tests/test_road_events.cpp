// Places and police on the scripted platform, as tables of the rules a whole trip hits only once:
// each event's chance, the radar's ticket, the weigh station's fine, the speeding chance, the fine
// by route and ticket, the siren (the events as heard are told in the stories trip-*).
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

#include "frontend/speech.h"
#include "road/loop.h"
#include "road/places.h"
#include "road/police.h"
#include "rig.h"

namespace dravlen::testing {
namespace {

const Draws anyDraws = [](auto&) { return true; };
const std::string kSmokey = " Smokey is behind you with his lights on. Pull over!";
const std::string kOpen = " Weighing station open -- trucks must stop.";

TEST(PlaceEvents, TheWholePartPicksTheEventAndTheFractionItsChance) {
    struct Row {
        double code;
        Draws draws;
        std::string said;  // the first line after the place's own, "" for none
        size_t drawn;
        int limit;
    } rows[] = {
        {0, anyDraws, "", 0, 55},
        {8.5, anyDraws, "", 0, 55},
        {1, anyDraws, " Time zone changes -- set clock ahead one hour.", 0, 55},
        {2.05, anyDraws, " STOP!   Pay toll of $ 5", 0, 55},
        {3.35, [](auto& d) { return d[0] >= 0.35; }, " Construction ahead !!", 1, 35},
        {3.35, [](auto& d) { return d[0] < 0.35; }, "", 1, 55},
        {4.25, [](auto& d) { return d[0] < 0.25; }, "", 1, 55},
        {4.25, [](auto& d) { return d[0] >= 0.25; }, " You were just clocked by radar at ", 2, 55},
        {5.5, [](auto& d) { return d[0] < 0.5; }, "", 1, 55},
        {5.5, [](auto& d) { return d[0] >= 0.5; }, kOpen, 2, 55},
        {5.75, [](auto& d) { return d[0] >= 0.5 && d[0] < 0.75; }, "", 1, 55},
        // Exactly 5, the Louisiana border: open half the time, on the low draws.
        {5, [](auto& d) { return d[0] < 0.5; }, kOpen, 2, 55},
        {5, [](auto& d) { return d[0] >= 0.5; }, "", 1, 55},
    };
    for (auto& row : rows) {
        SCOPED_TRACE(std::to_string(row.code) + " " + row.said);
        TripRig r(1, row.draws);
        r.t.tables.legEnd[1][0] = 0;  // Barstow is passed at once
        r.t.tables.placeEvent[1][0] = row.code;
        r.t.speedLimit = 45;  // every place sets 55 before its event
        r.t.pounds = 20000;
        placeCheck(r.f, r.t);
        ASSERT_GE(r.lines.size(), 1u);
        EXPECT_EQ(std::tuple(r.lines.size() > 1 ? r.lines[1].substr(0, row.said.size()) : "", r.draws.size(),
                             r.t.speedLimit, r.t.leg),
                  std::tuple(row.said, row.drawn, row.limit, 2));
    }
    // At the top of the 16-bit clock the hour is not added rather than wrapping to a past day.
    TripRig r;
    r.t.tripHours = 32767;
    timeZoneChange(r.f, r.t);
    EXPECT_EQ(r.t.tripHours, 32767);
}

TEST(PlaceEvents, RadarReadsTheLastHourAndTicketsAboveTheLimitPlusThree) {
    // The speed, the reading's draw (from, to), the reading, a ticket.
    const std::tuple<int, double, double, const char*, bool> rows[] = {
        {57, 0.602, 0.618, " 58", true},  {57, 0.582, 0.598, " 57.9", false}, {58, 0.462, 0.478, " 58.3", true},
        {58, 0.302, 0.318, " 57.5", false}, {70, 0.0, 0.018, " 68", true},
        {0, 0.062, 0.078, "-1.7", false},  // after a dry tank: -1.69 .. -1.61
    };
    for (auto [speed, from, to, reading, ticket] : rows) {
        TripRig r(2, [&](auto& d) { return d[0] >= 0.25 && d[1] > from && d[1] < to; });
        r.t.eventCode = 4.25;
        r.t.speed = static_cast<int16_t>(speed);
        r.t.speedLimit = 55;
        radarTrap(r.f, r.t);
        ASSERT_GE(r.lines.size(), 2u);
        EXPECT_EQ(std::tuple(r.lines[0], r.lines[1], r.t.tickets),
                  std::tuple(std::string(" You were just clocked by radar at ") + reading + " MPH.",
                             ticket ? kSmokey : "     No ticket this time.", ticket ? 1 : 0));
    }
}

TEST(WeighStation, TheWeightAndTheFineOverSixtyThousandPounds) {
    struct Row {
        double pounds, fuel;
        double extraFrom;  // the extra weight's draw, a tenth wide: 25 x Int(10 x Rnd)
        double centsFrom;  // the fine's draw, a quarter wide: 2 to 5 cents a pound
        const char* weight;
        double fine;  // 0: OK
    } rows[] = {
        {41001.9, 0, 0, 0, " 60001.9", 0},
        {41002, 0, 0, 0.75, " 60002", 200.10},
        {50000, 150, 0.3, 0, " 70125", 200 + 10125 * 0.02},
    };
    for (auto& row : rows) {
        SCOPED_TRACE(row.weight);
        TripRig r(3, [&](auto& d) {
            return d[0] >= 0.5 && d[1] >= row.extraFrom && d[1] < row.extraFrom + 0.1 && d[2] >= row.centsFrom &&
                   d[2] < row.centsFrom + 0.25;
        });
        r.t.eventCode = 5.5;
        r.t.pounds = row.pounds;
        r.t.fuel = row.fuel;
        weighStation(r.f, r.t);
        ASSERT_EQ(r.lines.size(), row.fine == 0 ? 3u : 5u);
        EXPECT_EQ(r.lines[1], std::string("scale weighs truck with cargo, fuel and driver ") + row.weight + " pounds");
        EXPECT_EQ(r.lines.back(), row.fine == 0 ? "     You're OK." : dollarText(row.fine));
        EXPECT_NEAR(r.t.expenses, 190 + row.fine, 1e-9);
    }
}

TEST(Police, TheChanceGrowsWithTheSquareOfTheSpeedingAndTheRoad) {
    // Route, speed, limit, and (speed - limit + 2 x roadFactor - 5) squared.
    const std::tuple<int, int, int, double> rows[] = {
        {1, 64, 55, 144}, {0, 64, 55, 64}, {2, 64, 55, 36}, {1, 62, 55, 100}, {0, 63, 55, 49},
        {2, 65, 55, 49},  {1, 82, 55, 900}, {1, 52, 35, 400}, {0, 90, 55, 1156},
    };
    for (auto [route, speed, limit, x] : rows) {
        for (bool stopped : {true, false}) {
            SCOPED_TRACE(std::to_string(speed) + (stopped ? " stopped" : " passed"));
            const double edge = x / 900;  // stopped just below it, passed just above
            if (!stopped && edge >= 1) continue;
            TripRig r(1, [&](auto& d) {
                return stopped ? d[0] <= edge && d[0] > std::min(edge, 1.0) - 0.01 : d[0] > edge && d[0] < edge + 0.01;
            });
            onTheRoad(r, route);
            r.t.speed = static_cast<int16_t>(speed);
            r.t.speedLimit = static_cast<int16_t>(limit);
            speedingCheck(r.f, r.t);
            EXPECT_EQ(std::tuple(r.lines.empty() ? "" : r.lines[0], r.t.tickets),
                      std::tuple(stopped ? kSmokey : "", stopped ? 1 : 0));
        }
    }
}

TEST(Police, TheHearingWaitsTheTicketsInHoursAndTheFineByRouteAndTickets) {
    struct Row {
        int route, ticketsBefore, over;
        double perFrom, perTo, baseFrom, baseTo;  // the draws after the siren and its side
        int perMph, base;
    } rows[] = {
        {0, 0, 10, 0.6, 0.8, 0.5, 0.55, 3, 10},      // per MPH Int(Rnd x 5), base Int(Rnd x 20)
        {0, 0, 7, 0.8, 1.0, 0.95, 1.0, 4, 19},
        {2, 0, 10, 0.2, 0.4, 0.0, 0.05, 1, 10},     // the southern base starts at 10
        {2, 1, 3, 0.7, 0.8, 0.25, 0.275, 7, 20},    // second ticket: Int(Rnd x 10), Int(Rnd x 40) + 10
        {1, 2, 27, 0.4, 0.46, 0.5, 0.51, 6, 35},    // third, northern: Int(Rnd x 15), Int(Rnd x 60) + 5
    };
    for (auto& row : rows) {
        SCOPED_TRACE(std::to_string(row.route) + " " + std::to_string(row.perMph));
        TripRig r(4, [&](auto& d) {
            return d[2] >= row.perFrom && d[2] < row.perTo && d[3] >= row.baseFrom && d[3] < row.baseTo;
        });
        onTheRoad(r, row.route);
        const int ticket = row.ticketsBefore + 1, total = row.base + row.perMph * row.over;
        r.t.tickets = static_cast<int16_t>(row.ticketsBefore);
        r.t.speedLimit = 55;
        r.t.speed = static_cast<int16_t>(55 + row.over);
        r.t.hoursAwake = 5;
        policeStop(r.f, r.t);
        EXPECT_EQ(Lines(r.lines.end() - 6, r.lines.end()),
                  (Lines{dollarText(row.base), " plus ", dollarText(row.perMph), " for each MPH over the limit.", "Pay ",
                         dollarText(total)}));
        EXPECT_EQ(std::tuple(r.t.expenses, r.t.tickets, r.t.tripHours, r.t.hoursAwake),
                  std::tuple(190.0 + total, ticket, 1 + ticket, 5 + ticket));
    }
    // Near the top of the 16-bit clock the hours are not added rather than wrapping.
    TripRig r(1, anyDraws);
    r.t.speed = 70;
    r.t.tickets = 2;
    r.t.tripHours = r.t.hoursAwake = 32766;
    policeStop(r.f, r.t);
    EXPECT_EQ(std::tuple(r.t.tripHours, r.t.hoursAwake), std::tuple(32766, 32766));
}

TEST(Police, TheSirenIsNeverTheLastOneAndGlidesFromASideToTheCentre) {
    struct Row {
        int last;
        std::vector<int> picks;  // Int(Rnd x 3) + 1 until it differs from the last
        int side;
        int sound, pan;
    } rows[] = {{0, {3}, 2, 14, -1500}, {2, {2, 2, 3}, 2, 14, -1500}, {1, {1, 2}, 1, 12, 1500}};
    for (auto& row : rows) {
        SCOPED_TRACE(row.sound);
        const size_t n = row.picks.size();
        TripRig r(static_cast<int>(n + 1), [&](auto& d) {
            for (size_t i = 0; i < n; ++i)
                if (static_cast<int>(d[i] * 3) + 1 != row.picks[i]) return false;
            return static_cast<int>(d[n] * 2) + 1 == row.side;
        });
        r.t.lastSiren = row.last;
        sirenSound(r.f, r.t);
        EXPECT_EQ(std::tuple(r.t.lastSiren, r.draws.size(), r.soundsPlayed()),
                  std::tuple(row.picks.back(), n + 1, std::vector<int>{row.sound}));
        std::vector<std::pair<double, long>> pans;
        for (auto& e : r.sp.events())
            if (e.id == r.sp.events().back().id && e.op == "sound.pan") pans.emplace_back(e.t, e.value);
        ASSERT_EQ(pans.size(), 1502u) << "the start, then every unit from there to the centre";
        for (size_t i = 1; i < pans.size(); ++i)
            ASSERT_EQ(pans[i].second, row.pan + (row.pan > 0 ? -1 : 1) * static_cast<long>(i - 1)) << i;
        EXPECT_NEAR(pans[1].first - r.when("", row.sound), 2, 0.05) << "two seconds before it moves";
        EXPECT_NEAR(pans.back().first - pans[1].first, 1500 / (4000.0 * 35 / 42), 0.005) << "a fixed time";
    }
}

}  // namespace
}  // namespace dravlen::testing
