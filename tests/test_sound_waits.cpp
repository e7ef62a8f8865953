// A one-shot's wait sleeps through the turns before the sound's end, yet ends on the very turn
// a look at every turn would, and a key that comes during it is taken at the first turn.
#include <gtest/gtest.h>

#include <cmath>

#include "frontend/sound.h"
#include "front_rig.h"

using namespace dravlen;
using namespace dravlen::testing;

namespace {

double timeOf(const Rig& r, const std::string& op, const std::string& text = "") {
    for (auto& e : r.sp.events())
        if (e.op == op && (text.empty() || e.text == text)) return e.t;
    return -1;
}

}  // namespace

TEST(SoundWaits, AWaitEndsOnTheFirstTurnPastTheEndAfterAFewLooksAndAKeyComesAtTheFirstTurn) {
    for (const char* keys : {"", "!x !y !z"}) {
        SCOPED_TRACE(keys);
        Rig r(keys);
        r.sound(22, 2.0);  // 44,100 frames, played at 22,051 Hz: 1.99991 s
        const long long yieldsBefore = r.sp.yields().yields;
        play(r.f, 22);
        const double start = timeOf(r, "sound.play");
        const double turns = std::ceil(44100.0 / 22051 / soundTurn);
        EXPECT_NEAR(r.sp.now(), start + turns * soundTurn, 1e-6);
        // The key clearing's two looks, one wait up to a turn or two before the end, the last looks.
        EXPECT_LE(r.sp.yields().yields - yieldsBefore, 6);
        if (*keys) {
            EXPECT_NEAR(timeOf(r, "key", "!z"), start + soundTurn, 1e-6);
        }
    }
}
