#include <gtest/gtest.h>

#include <thread>

#include "lighting/effects/FrameMailbox.h"
#include "lighting/effects/PreviewFrame.h"

namespace quillon::lighting {
namespace {

TEST(FrameMailbox, TakesOnlyNewerFrames) {
    FrameMailbox<MousepadFrame> box;
    std::uint64_t seen = 0;
    MousepadFrame out{};
    EXPECT_FALSE(box.takeIfNewer(seen, out));
    MousepadFrame frame{};
    frame[3] = {{1, 2, 3}, 4};
    box.publish(frame);
    EXPECT_TRUE(box.takeIfNewer(seen, out));
    EXPECT_EQ(out[3], (ZoneLight{{1, 2, 3}, 4}));
    EXPECT_FALSE(box.takeIfNewer(seen, out));
    box.publish(frame);
    box.publish(frame);
    EXPECT_TRUE(box.takeIfNewer(seen, out));
    EXPECT_EQ(seen, 3u);
}

// A frame is handed over whole: while a worker publishes frames whose zones all carry the same
// value, every frame the reader takes has one value throughout.
TEST(FrameMailbox, FramesAreNeverSeenHalfWritten) {
    FrameMailbox<KeyFrame> box;
    std::thread worker([&box] {
        KeyFrame frame{};
        for (int i = 1; i <= 20000; ++i) {
            frame.fill({{static_cast<std::uint8_t>(i), 0, 0}, static_cast<std::uint8_t>(i >> 8)});
            box.publish(frame);
        }
    });
    std::uint64_t seen = 0;
    KeyFrame out{};
    int taken = 0;
    while (seen < 20000) {
        if (box.takeIfNewer(seen, out)) {
            ++taken;
            for (const ZoneLight& z : out) {
                ASSERT_EQ(z, out[0]);
            }
        }
    }
    worker.join();
    EXPECT_GT(taken, 0);
    EXPECT_EQ(out[125].colour.red, static_cast<std::uint8_t>(20000));
}

}  // namespace
}  // namespace quillon::lighting
