// The three routes from Los Angeles to New York: places, roads, miles and the events at each place.
#include "world/routes.h"

#include <iterator>

#include "world/numbers.h"

namespace dravlen {

namespace {

struct Leg {
    int16_t passedAt;  // odometer mile at which the place is passed
    const char* place;
    const char* road;  // the road driven during the leg
    double event;
};

struct Route {
    int column;
    int16_t miles;
    const Leg* legs;
    int legCount;
};

// New York closes every route at mile 9999, beyond any route's length: the trip ends on the
// route's length, never by passing New York.
constexpr Leg kMiddle[] = {
    {90, "Barstow", "I-15 in California", 7.8},
    {225, "Needles", "I-40 in California", 1},
    {440, "Flagstaff", "I-40 in California", 3.65},
    {620, "Gallup", "I-40 in Arizona", 5.5},
    {760, "Albuquerque", "I-40 in New Mexico", 3.35},
    {930, "Tucumcari", "I-40 in New Mexico", 1},
    {1040, "Amarillo", "I-40 in Texas", 7.8},
    {1155, "Oklahoma border", "I-40 in Texas", 5.5},
    {1305, "Oklahoma City", "I-40 in Oklahoma", 2.65},
    {1530, "Missouri border", "Oklahoma Turnpike", 2.4},
    {1815, "St. Louis", "I-44 in Missouri", 0},
    {1980, "Terre Haute", "I-70 in Illinois", 5.5},
    {2050, "Indianapolis", "I-70 in Indianna", 0},
    {2115, "Ohio border", "I-70 in Indianna", 1},
    {2220, "Columbus", "I-70 in Ohio", 5.5},
    {2350, "Wheeling West Virginia", "I-70 in Ohio", 4.25},
    {2410, "New Stanton", "I-70 in Pennsylvania", 6.75},
    {2570, "Harrisburg", "Pennsylvania Turnpike", 3.75},
    {2760, "New Jersey border", "Pennsylvania Turnpike", 2.95},
    {2840, "Holland Tunnel", "I-70 in New Jersey", 2.4},
    {9999, "New York", "New York streets", 0},
};

constexpr Leg kNorthern[] = {
    {90, "Barstow", "I-15 in California", 7.8},
    {245, "Las Vegas", "I-15 in California", 1},
    {365, "Utah border", "I-15 in Arizona", 0},
    {500, "End of Interstate", "I-15 in Utah", 3.2},
    {555, "Salina", "US-89 in Utah", 4.5},
    {760, "Grand Junction", "I-70 in Utah", 5.4},
    {1010, "Denver", "I-70 in Colorado", 3.75},
    {1190, "Nebraska border", "I-76 in Colorado", 1},
    {1450, "Omaha", "I-80 in Nebraska", 5.5},
    {1590, "Demoines", "I-80 in Iowa", 4.75},
    {1750, "Illinois border", "I-80 in Iowa", 5.6},
    {1910, "Gary", "I-80 in Illinois", 2.5},
    {2050, "Ohio border", "Indianna Turnpike", 2.45},
    {2215, "Cleveland", "Ohio Turnpike", 2.8},
    {2280, "Pennsylvania border", "I-80 in Ohio", 4.16},
    {2615, "East Stroudsberg", "I-80 in Pennsylvania", 3.33},
    {2675, "Washington Bridge", "I-80 in New Jersey", 2.2},
    {9999, "New York", "city streets", 0},
};

constexpr Leg kSouthern[] = {
    {75, "Palm Springs", "I-10 in California", 0},
    {225, "Blythe", "I-10 in California", 1},
    {375, "Phoenix", "I-10 in Arizona", 0},
    {495, "Tucson", "I-10 in Arizona", 7.9},
    {650, "Lordsburg", "I-10 in Arizona", 5.75},
    {795, "El Paso", "I-10 in New Mexico", 0},
    {965, "Pecos", "I-10 in Texas", 1},
    {1080, "Odessa", "I-20 in Texas", 0},
    {1250, "Abilene", "I-20 in Texas", 3.8},
    {1439, "Dallas", "I-20 in Texas", 0},
    {1610, "Louisiana border", "I-20 in Texas", 5},
    {1785, "Vicksburg", "I-20 in Louisiana", 0},
    {1965, "Alabama border", "I-20 in Mississippi", 1},
    {2100, "Birmingham", "I-20 in Alabama", 4.25},
    {2200, "Georgia border", "I-20 in Alabama", 0},
    {2255, "Atlanta", "I-20 in Georgia", 0},
    {2320, "Carolina border", "I-85 in Georgia", 5.75},
    {2565, "Greensboro", "I-85 in Carolina", 3.8},
    {2680, "Virginia border", "I-85 in North Carolina", 7.85},
    {2775, "Richmond", "I-85 in Virginia", 0},
    {2880, "Washington D.C.", "I-95 in Virginia", 0},
    {2920, "Baltimore", "I-95 in Maryland", 2.3},
    {2990, "New Jersey border", "I-95 in Delaware", 2.25},
    {3110, "Holland Tunnel", "New Jersey Turnpike", 2.4},
    {9999, "New York", "city streets", 0},
};

// Filled in this order, each route's length just before its legs.
constexpr Route kRoutesInFillOrder[] = {
    {0, 2850, kMiddle, static_cast<int>(std::size(kMiddle))},
    {1, 2710, kNorthern, static_cast<int>(std::size(kNorthern))},
    {2, 3120, kSouthern, static_cast<int>(std::size(kSouthern))},
};

}  // namespace

void fillRouteTables(RouteTables& tables) {
    tables = RouteTables{};
    for (const Route& r : kRoutesInFillOrder) {
        tables.routeMiles[r.column] = r.miles;
        for (int i = 0; i < r.legCount; ++i) {
            const int leg = i + 1;  // leg 0 is never used
            tables.legEnd[leg][r.column] = r.legs[i].passedAt;
            tables.placeName[leg][r.column] = r.legs[i].place;
            tables.roadName[leg][r.column] = r.legs[i].road;
            tables.placeEvent[leg][r.column] = r.legs[i].event;
        }
    }
}

int eventKind(double code) { return static_cast<int>(Int(code)); }

double eventFraction(double code) { return code - Int(code); }

double tollDollars(double code) { return eventFraction(code) * 100; }

}  // namespace dravlen
