#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <regex>
#include <string>

namespace {

namespace fs = std::filesystem;

// The core's folders, each depending only on those before it.
constexpr std::array<const char*, 6> layers{"table", "deck", "wager", "game", "advice", "session"};

int layerOf(const std::string& folder)
{
    for (std::size_t i = 0; i < layers.size(); ++i)
        if (folder == layers[i])
            return static_cast<int>(i);
    return -1;
}

// The rules live in a core that builds and runs without any user-interface toolkit, and its
// folders include one another in one direction only, with no cycle.
TEST(Layering, CoreFilesIncludeNoToolkitAndOnlyTheirOwnOrLowerFolders)
{
    const std::regex toolkit(R"(#\s*include\s*[<"](Q[A-Za-z]+|Qt[A-Za-z]*/))");
    const std::regex project(R"(#\s*include\s*"([a-z]+)/)");
    int files = 0;
    for (const char* folder : layers) {
        for (const auto& entry :
             fs::recursive_directory_iterator(fs::path(NABLO_SOURCE_DIR) / folder)) {
            if (!entry.is_regular_file())
                continue;
            ++files;
            std::ifstream in(entry.path());
            int lineNumber = 0;
            for (std::string line; std::getline(in, line);) {
                ++lineNumber;
                EXPECT_FALSE(std::regex_search(line, toolkit)) << entry.path() << ":" << lineNumber;
                std::smatch included;
                if (std::regex_search(line, included, project)) {
                    const int layer = layerOf(included[1]);
                    EXPECT_TRUE(layer >= 0 && layer <= layerOf(folder))
                        << entry.path() << ":" << lineNumber << " includes " << included[1];
                }
            }
        }
    }
    EXPECT_GT(files, 40);
}

} // namespace
