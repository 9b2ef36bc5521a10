#include <gtest/gtest.h>

#include <vector>

#include "lighting/KeyboardLightingStore.h"

namespace quillon {
namespace {

KeyboardLightingStore patternedStore() {
    KeyboardLightingStore store;
    store.customSetIndex = 0x04030201;
    for (std::size_t n = 0; n < store.sets.size(); ++n) {
        for (std::size_t i = 0; i < kCustomSetSize; ++i) {
            store.sets[n][i] = static_cast<std::uint8_t>(n * 50 + i);
        }
    }
    return store;
}

TEST(KeyboardLightingStoreForm, IndexIsLittleEndianAndSetsFollowAt378ByteSteps) {
    std::vector<std::uint8_t> bytes(KeyboardLightingStore::kStoredSize);
    patternedStore().store(bytes);
    EXPECT_EQ(KeyboardLightingStore::kStoredSize, 1894u);
    EXPECT_EQ(bytes[0], 0x01);
    EXPECT_EQ(bytes[3], 0x04);
    EXPECT_EQ(bytes[4], 0);                      // set 0, byte 0
    EXPECT_EQ(bytes[4 + 378 * 2 + 5], 100 + 5);  // set 2, byte 5
    EXPECT_EQ(bytes[4 + 378 * 4 + 377], static_cast<std::uint8_t>(200 + 377));
}

TEST(KeyboardLightingStoreForm, RestoreGivesBackWhatStoreWrote) {
    std::vector<std::uint8_t> bytes(KeyboardLightingStore::kStoredSize);
    const KeyboardLightingStore original = patternedStore();
    original.store(bytes);
    KeyboardLightingStore copy;
    copy.restore(bytes);
    EXPECT_EQ(copy.customSetIndex, original.customSetIndex);
    EXPECT_EQ(copy.sets, original.sets);
}

TEST(KeyboardLightingStoreForm, ShortInputChangesOnlyWhatItHolds) {
    KeyboardLightingStore store = patternedStore();
    const std::vector<std::uint8_t> shortInput = {2, 0, 0, 0, 0xAA, 0xBB};
    store.restore(shortInput);
    EXPECT_EQ(store.customSetIndex, 2u);
    EXPECT_EQ(store.sets[0][0], 0xAA);
    EXPECT_EQ(store.sets[0][1], 0xBB);
    EXPECT_EQ(store.sets[0][2], 2);  // untouched
    EXPECT_EQ(store.sets[4], patternedStore().sets[4]);
}

TEST(KeyboardLightingStoreForm, ShortOutputGetsTheBeginning) {
    std::vector<std::uint8_t> out(6, 0xEE);
    patternedStore().store(out);
    EXPECT_EQ(out, (std::vector<std::uint8_t>{1, 2, 3, 4, 0, 1}));
}

TEST(KeyboardLightingStoreSelection, IndexOutsideTheFiveSetsSelectsSetZero) {
    KeyboardLightingStore store;
    store.customSetIndex = 3;
    EXPECT_EQ(store.selectedSet(), 3);
    store.customSetIndex = 5;
    EXPECT_EQ(store.selectedSet(), 0);
    store.customSetIndex = 0xFFFFFFFF;
    EXPECT_EQ(&store.currentSet(), &store.sets[0]);
}

}  // namespace
}  // namespace quillon
