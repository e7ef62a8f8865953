// Whole games told as stories: each tests/stories/NAME.keys (a seed, the keys a player pressed and
// optionally the settings an earlier run left) is played on the scripted platform, and what the
// player heard is compared, line by line, with NAME.story: every spoken text, sound played or
// stopped, key, draw of the generator and the time it came, then the settings file. A story is
// read once by a person when it is written; after that any change in what a player hears fails
// here. DRAVLEN_RETELL=1 rewrites the stories (then read the diff before committing it).
#include <cstdlib>

#include "story_tell.h"

namespace dravlen::testing {
namespace {

namespace fs = std::filesystem;

TEST(Stories, EveryStoryIsHeardAsWritten) {
    const fs::path stories = fs::path(DRAVLEN_SOURCE_DIR) / "tests" / "stories";
    std::vector<fs::path> cases;
    for (const auto& entry : fs::directory_iterator(stories))
        if (entry.path().extension() == ".keys") cases.push_back(entry.path());
    std::sort(cases.begin(), cases.end());
    ASSERT_FALSE(cases.empty()) << "no stories in " << stories;
    for (const auto& keys : cases) {
        const auto [options, about] = readCase(keys);
        SCOPED_TRACE(keys.filename().string() + ":" + about);
        const std::string heard = tell(runScript(options));
        const fs::path storyFile = fs::path(keys).replace_extension(".story");
        if (std::getenv("DRAVLEN_RETELL")) {
            std::ofstream(storyFile) << heard;
            continue;
        }
        ASSERT_TRUE(fs::exists(storyFile)) << "no " << storyFile << ": run with DRAVLEN_RETELL=1, read what it wrote";
        std::ostringstream written;  // a difference is shown as a diff of the two, with context
        written << std::ifstream(storyFile).rdbuf();
        EXPECT_EQ(written.str(), heard) << storyFile.filename().string() << " differs";
    }
}

}  // namespace
}  // namespace dravlen::testing
