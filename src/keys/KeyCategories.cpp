#include "keys/KeyCategories.h"

#include <array>

namespace quillon::keys {
namespace {

constexpr std::array<std::uint8_t, kMouseCategoryItems> kMouseTypes = {0,
                                                                       fn::kMouseButton,
                                                                       fn::kHorizontalSwing,
                                                                       fn::kVerticalSwing,
                                                                       fn::kDpi,
                                                                       fn::kFire,
                                                                       fn::kKey,
                                                                       fn::kConsumer,
                                                                       fn::kSystem,
                                                                       fn::kMacroMode,
                                                                       fn::kCursorSequence,
                                                                       fn::kKey};
constexpr std::array<std::uint8_t, kKeyboardCategoryItems> kKeyboardTypes = {
    0,        fn::kKey,  fn::kMouseButton, fn::kHorizontalSwing, fn::kVerticalSwing,
    fn::kDpi, fn::kFire, fn::kConsumer,    fn::kSystem,          fn::kMacroMode,
    fn::kKey};

}  // namespace

int singleKeyItem(DeviceKind page) {
    return page == DeviceKind::Mouse ? 6 : 1;
}

int combinationItem(DeviceKind page) {
    return page == DeviceKind::Mouse ? 11 : 10;
}

std::optional<std::uint8_t> categoryType(DeviceKind page, int item) {
    if (page == DeviceKind::Mouse) {
        if (item >= 0 && item < kMouseCategoryItems) {
            return kMouseTypes[static_cast<std::size_t>(item)];
        }
    } else if (item >= 0 && item < kKeyboardCategoryItems) {
        return kKeyboardTypes[static_cast<std::size_t>(item)];
    }
    return std::nullopt;
}

std::optional<int> categoryItem(DeviceKind page, KeyFunction f, KeyFunction factory) {
    if (f == factory) {
        return 0;
    }
    const bool mouse = page == DeviceKind::Mouse;
    switch (f.type) {
        case fn::kMouseButton:
            return mouse ? 1 : 2;
        case fn::kHorizontalSwing:
            return mouse ? 2 : 3;
        case fn::kVerticalSwing:
            return mouse ? 3 : 4;
        case fn::kDpi:
            return mouse ? 4 : 5;
        case fn::kFire:
            return mouse ? 5 : 6;
        case fn::kKey:
            return (f.param1 != 0 && f.param2 != 0) ? combinationItem(page) : singleKeyItem(page);
        case fn::kConsumer:
            return 7;
        case fn::kSystem:
            return 8;
        case fn::kMacroMode:
        case fn::kMacroRepeat:
            return kMacroItem;
        case fn::kCursorSequence:
            return mouse ? std::optional<int>(10) : std::nullopt;
        default:
            return std::nullopt;
    }
}

}  // namespace quillon::keys
