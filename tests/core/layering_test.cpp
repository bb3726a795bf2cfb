#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <string>

namespace {

// The rules live in a core that builds and runs without any user-interface toolkit.
TEST(Layering, NoCoreFileIncludesAToolkitHeader)
{
    namespace fs = std::filesystem;
    const std::regex toolkit(R"(#\s*include\s*[<"](Q[A-Za-z]+|Qt[A-Za-z]*/))");
    int files = 0;
    for (const char* folder : {"table", "deck", "game", "wager"}) {
        for (const auto& entry : fs::recursive_directory_iterator(fs::path(NABLO_SOURCE_DIR) / folder)) {
            if (!entry.is_regular_file())
                continue;
            ++files;
            std::ifstream in(entry.path());
            int lineNumber = 0;
            for (std::string line; std::getline(in, line);) {
                ++lineNumber;
                EXPECT_FALSE(std::regex_search(line, toolkit)) << entry.path() << ":" << lineNumber;
            }
        }
    }
    EXPECT_GT(files, 10);
}

} // namespace
