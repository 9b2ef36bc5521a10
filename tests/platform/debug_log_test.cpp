#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <thread>
#include <vector>

#include "platform/DebugLog.h"
#include "platform/PlatformTestSupport.h"

namespace quillon {
namespace {

using testing::readFile;
using testing::ScopedEnv;
using testing::TempFolder;

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

TEST(DebugLog, SilentUnlessSwitchedOn) {
    TempFolder folder;
    const ScopedEnv file("QUILLON_DEBUG_FILE", folder.file("debug.log"));
    {
        const ScopedEnv off("QUILLON_DEBUG", std::nullopt);
        EXPECT_FALSE(debugLogEnabled());
        debugLog("unseen");
    }
    {
        const ScopedEnv zero("QUILLON_DEBUG", "0");
        EXPECT_FALSE(debugLogEnabled());
        debugLog("unseen");
    }
    EXPECT_EQ(readFile(folder.file("debug.log")), "");
}

TEST(DebugLog, EachCallIsOneWholeLine) {
    TempFolder folder;
    const ScopedEnv file("QUILLON_DEBUG_FILE", folder.file("debug.log"));
    const ScopedEnv on("QUILLON_DEBUG", "1");
    EXPECT_TRUE(debugLogEnabled());
    debugLog("所有对象处于激发状态\n");
    debugLog("two\nparts");
    debugLog("");
    EXPECT_EQ(readFile(folder.file("debug.log")), "所有对象处于激发状态\ntwo parts\n\n");
}

TEST(DebugLog, LinesFromManyThreadsStayWhole) {
    TempFolder folder;
    const ScopedEnv file("QUILLON_DEBUG_FILE", folder.file("debug.log"));
    const ScopedEnv on("QUILLON_DEBUG", "1");
    constexpr int kThreads = 4;
    constexpr int kLines = 200;
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([t] {
            const std::string text =
                "thread " + std::to_string(t) + " " + std::string(300, 'a' + t);
            for (int i = 0; i < kLines; ++i) {
                debugLog(text);
            }
        });
    }
    for (std::thread& thread : threads) {
        thread.join();
    }
    const std::vector<std::string> lines = linesOf(readFile(folder.file("debug.log")));
    ASSERT_EQ(lines.size(), static_cast<std::size_t>(kThreads * kLines));
    std::set<std::string> distinct(lines.begin(), lines.end());
    EXPECT_EQ(distinct.size(), static_cast<std::size_t>(kThreads));
}

}  // namespace
}  // namespace quillon
