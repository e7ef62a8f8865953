// soundgen: writes the game's wave files dravlen<N>.wav into a folder (all of them, or the numbers given).
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include "sounds.h"

int main(int argc, char** argv) {
    using namespace soundgen;
    if (argc < 2) {
        std::fprintf(stderr, "usage: soundgen OUTPUT_DIR [NUMBER...] | soundgen --list\n");
        return 2;
    }
    const auto& table = soundTable();
    if (std::string(argv[1]) == "--list") {
        for (const SoundDef& d : table) std::printf("%d\t%s\t%s\n", d.number, d.kind == SoundKind::loop ? "loop" : "once", d.what);
        return 0;
    }
    std::string dir = argv[1];
    std::vector<const SoundDef*> wanted;
    for (const SoundDef& d : table) {
        bool pick = argc == 2;
        for (int a = 2; a < argc; ++a) pick = pick || std::atoi(argv[a]) == d.number;
        if (pick) wanted.push_back(&d);
    }
    // Two workers, each taking every other sound: every sound is made alone from its own
    // seeds, so the files are the same whatever the split.
    std::vector<int> failed(wanted.size(), 0);
    auto work = [&](size_t first) {
        for (size_t k = first; k < wanted.size(); k += 2) {
            const SoundDef& d = *wanted[k];
            auto bytes = waveBytes(finish(d, d.make()));
            std::string path = dir + "/dravlen" + std::to_string(d.number) + ".wav";
            if (!writeFile(path, bytes)) failed[k] = 1;
        }
    };
    std::thread other(work, 1);
    work(0);
    other.join();
    int rc = 0;
    for (size_t k = 0; k < wanted.size(); ++k)
        if (failed[k]) {
            std::fprintf(stderr, "soundgen: cannot write dravlen%d.wav in %s\n", wanted[k]->number, dir.c_str());
            rc = 1;
        }
    return rc;
}
