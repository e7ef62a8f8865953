// Which of the keys pressed so far a yield hands to the game, and when: shared by the platforms
// whose keys come from a real keyboard (the desktop window, the web page).
//
// The game reads keys only when it yields, and a yield hands over every key it has: only the
// last one stays pending. That is what the game means for keys pressed while it waits on
// something other than a key (a pause, a sound, a synchronous line): they are handed over at
// the next yield of any kind, and the next question normally discards them.
//
// A key pressed while the game is not in such a wait (busy with the key before it, or waiting
// for a key) is a key typed over the question, by a player who knows the answer. It is held,
// and handed over at the key waits that follow, one at each, in the order pressed, so that no
// digit of a fast-typed answer is overwritten or discarded. A wait of another kind that
// begins meanwhile (a synchronous line, a pause) makes the held keys keys pressed before it,
// handed over as above.
#pragma once

#include <cstddef>
#include <deque>
#include <vector>

#include "platform/platform.h"

namespace dravlen {

class KeyQueue {
public:
    // A key-down, in the order pressed. `duringWait`: the game was asleep in a wait that is not a
    // key wait when it came.
    void arrived(int code, bool duringWait) {
        if (duringWait) beginWait();
        keys_.push_back({code, duringWait});
    }

    // A wait that is not a key wait has begun (or has just been sat through without yielding,
    // as a synchronous line is): every key held so far was pressed before it.
    void beginWait() {
        for (Entry& e : keys_) e.handOver = true;
    }

    // The keys a yield hands over now: the keys pressed before or during a wait, then, at a key
    // wait, the first key held. `sleeps`: this yield is a wait that is not a key wait and may
    // sleep (its deadline is in the future), which hands over every key held.
    std::vector<int> take(WaitKind why, bool sleeps) {
        if (sleeps && why != WaitKind::key) beginWait();
        std::vector<int> out;
        while (!keys_.empty() && keys_.front().handOver) {
            out.push_back(keys_.front().code);
            keys_.pop_front();
        }
        if (why == WaitKind::key && !keys_.empty()) {
            out.push_back(keys_.front().code);
            keys_.pop_front();
        }
        return out;
    }

    bool empty() const { return keys_.empty(); }
    size_t size() const { return keys_.size(); }

private:
    struct Entry {
        int code = 0;
        bool handOver = false;  // pressed before or during a wait: goes at the next yield
    };
    std::deque<Entry> keys_;
};

}  // namespace dravlen
