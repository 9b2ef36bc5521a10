#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <vector>

#include "device/HidDescriptor.h"
#include "device/HidSampleDescriptors.h"

namespace quillon {
namespace {

using hidfake::Bytes;
using Usages = std::vector<std::uint16_t>;
constexpr auto kIn = HidReportType::Input;
constexpr auto kOut = HidReportType::Output;

HidReportDescriptor parsed(const Bytes& bytes) {
    HidReportDescriptor descriptor;
    EXPECT_EQ(HidReportDescriptor::parse(bytes, descriptor), kHidParseOk)
        << "stopped at byte " << descriptor.errorOffset();
    return descriptor;
}

// Wraps items in an application collection on the vendor page.
Bytes inCollection(const Bytes& items) {
    Bytes bytes = {0x06, 0x00, 0xFF, 0x09, 0x01, 0xA1, 0x01};
    bytes.insert(bytes.end(), items.begin(), items.end());
    bytes.push_back(0xC0);
    return bytes;
}

Usages usagesIn(const HidReportDescriptor& d, std::uint16_t page, const Bytes& report,
                std::uint32_t* status = nullptr, std::size_t max = 64) {
    Usages usages;
    const std::uint32_t result = d.getUsages(kIn, page, report.data(), report.size(), usages, max);
    if (status != nullptr) {
        *status = result;
    }
    return usages;
}

TEST(HidDescriptorShapes, BootMouseHasButtonRangeAndThreeSignedValues) {
    const HidReportDescriptor d = parsed(hidfake::kBootMouse);
    ASSERT_EQ(d.collections().size(), 1u);
    EXPECT_EQ(d.collections()[0].usagePage, 0x01);
    EXPECT_EQ(d.collections()[0].usage, 0x02);
    EXPECT_FALSE(d.usesReportIds());
    EXPECT_EQ(d.inputReportByteLength(), 5);
    EXPECT_EQ(d.outputReportByteLength(), 0);
    EXPECT_EQ(d.featureReportByteLength(), 0);

    ASSERT_EQ(d.buttonCaps(kIn).size(), 1u);
    const HidCapability& buttons = d.buttonCaps(kIn)[0];
    EXPECT_EQ(buttons.usagePage, 0x09);
    EXPECT_TRUE(buttons.isRange);
    EXPECT_EQ(buttons.usageMin, 1);
    EXPECT_EQ(buttons.usageMax, 3);
    EXPECT_EQ(buttons.bitOffset, 0u);
    EXPECT_EQ(buttons.reportCount, 3);
    EXPECT_FALSE(buttons.isArray);
    EXPECT_EQ(buttons.linkUsage, 0x01);  // inside the Pointer collection

    ASSERT_EQ(d.valueCaps(kIn).size(), 3u);
    const std::uint16_t usages[] = {0x30, 0x31, 0x38};
    for (std::size_t i = 0; i < 3; ++i) {
        const HidCapability& value = d.valueCaps(kIn)[i];
        EXPECT_EQ(value.usagePage, 0x01);
        EXPECT_FALSE(value.isRange);
        EXPECT_EQ(value.usageMin, usages[i]);
        EXPECT_EQ(value.bitOffset, 8 + 8 * i);
        EXPECT_EQ(value.bitSize, 8);
        EXPECT_EQ(value.reportCount, 1);
        EXPECT_EQ(value.logicalMin, -127);
        EXPECT_EQ(value.logicalMax, 127);
        EXPECT_FALSE(value.isAbsolute);
    }
    EXPECT_EQ(d.maxUsageListLength(kIn, 0x09), 3u);
    EXPECT_EQ(d.maxUsageListLength(kIn, 0x01), 0u);
}

TEST(HidDescriptorShapes, BootKeyboardHasModifierBitmapKeyArrayAndLedOutput) {
    const HidReportDescriptor d = parsed(hidfake::kBootKeyboard);
    EXPECT_EQ(d.inputReportByteLength(), 9);
    EXPECT_EQ(d.outputReportByteLength(), 2);
    ASSERT_EQ(d.buttonCaps(kIn).size(), 2u);
    const HidCapability& modifiers = d.buttonCaps(kIn)[0];
    EXPECT_FALSE(modifiers.isArray);
    EXPECT_EQ(modifiers.usageMin, 0xE0);
    EXPECT_EQ(modifiers.usageMax, 0xE7);
    const HidCapability& keys = d.buttonCaps(kIn)[1];
    EXPECT_TRUE(keys.isArray);
    EXPECT_EQ(keys.usagePage, 0x07);
    EXPECT_EQ(keys.usageMin, 0x00);
    EXPECT_EQ(keys.usageMax, 0xFF);
    EXPECT_EQ(keys.logicalMax, 255);
    EXPECT_EQ(keys.bitOffset, 16u);  // after the modifiers and the reserved byte
    EXPECT_EQ(keys.bitSize, 8);
    EXPECT_EQ(keys.reportCount, 6);
    EXPECT_TRUE(d.valueCaps(kIn).empty());
    ASSERT_EQ(d.buttonCaps(kOut).size(), 1u);
    EXPECT_EQ(d.buttonCaps(kOut)[0].usagePage, 0x08);
    // Eight modifier bits plus six key slots.
    EXPECT_EQ(d.maxUsageListLength(kIn, 0x07), 14u);
    EXPECT_EQ(d.maxUsageListLength(kIn, 0), 14u);
    EXPECT_EQ(d.maxUsageListLength(kOut, 0x08), 5u);
}

TEST(HidDescriptorShapes, ConsumerControlIsA16BitUsageArrayWithReportId) {
    const HidReportDescriptor d = parsed(hidfake::kConsumerControl);
    EXPECT_TRUE(d.usesReportIds());
    EXPECT_EQ(d.inputReportByteLength(), 5);
    ASSERT_EQ(d.buttonCaps(kIn).size(), 1u);
    const HidCapability& cap = d.buttonCaps(kIn)[0];
    EXPECT_EQ(cap.reportId, 3);
    EXPECT_TRUE(cap.isArray);
    EXPECT_TRUE(cap.isRange);
    EXPECT_EQ(cap.usageMax, 0xFFF);
    EXPECT_EQ(cap.bitSize, 16);
    EXPECT_EQ(cap.reportCount, 2);
    EXPECT_EQ(d.maxUsageListLength(kIn, 0x0C), 2u);
}

TEST(HidDescriptorShapes, VendorConfigurationHas64ByteReportsBothWays) {
    const HidReportDescriptor d = parsed(hidfake::kVendorConfig);
    ASSERT_EQ(d.collections().size(), 1u);
    EXPECT_EQ(d.collections()[0].usagePage, 0xFF1C);
    EXPECT_EQ(d.collections()[0].usage, 0x92);
    EXPECT_EQ(d.inputReportByteLength(), 64);
    EXPECT_EQ(d.outputReportByteLength(), 64);
    ASSERT_EQ(d.valueCaps(kIn).size(), 1u);
    const HidCapability& data = d.valueCaps(kIn)[0];
    EXPECT_EQ(data.reportId, 4);
    EXPECT_FALSE(data.isRange);
    EXPECT_EQ(data.usageMin, 1);
    EXPECT_EQ(data.reportCount, 63);
    EXPECT_TRUE(d.buttonCaps(kIn).empty());
}

TEST(HidDescriptorShapes, CompositeInterfaceListsEveryTopLevelCollectionWithItsLengths) {
    const HidReportDescriptor d = parsed(hidfake::kCompositeMouse);
    ASSERT_EQ(d.collections().size(), 3u);
    EXPECT_EQ(d.collections()[0].usagePage, 0x01);
    EXPECT_EQ(d.collections()[1].usagePage, 0x0C);
    EXPECT_EQ(d.collections()[2].usagePage, 0xFF1C);
    EXPECT_EQ(d.collections()[2].usage, 0x92);
    EXPECT_EQ(d.collections()[0].inputReportByteLength, 6);  // id + 5 bits + 3 pad + 2 x 16
    EXPECT_EQ(d.collections()[1].inputReportByteLength, 3);
    EXPECT_EQ(d.collections()[2].inputReportByteLength, 64);
    EXPECT_EQ(d.collections()[0].outputReportByteLength, 0);
    EXPECT_EQ(d.collections()[2].outputReportByteLength, 64);
    EXPECT_EQ(d.inputReportByteLength(), 64);
    EXPECT_EQ(d.outputReportByteLength(), 64);
    // Each report starts its own bit count.
    ASSERT_EQ(d.buttonCaps(kIn).size(), 2u);
    EXPECT_EQ(d.buttonCaps(kIn)[1].reportId, 3);
    EXPECT_EQ(d.buttonCaps(kIn)[1].bitOffset, 0u);
    EXPECT_EQ(d.buttonCaps(kIn)[1].collection, 1);
    ASSERT_EQ(d.valueCaps(kIn).size(), 3u);
    EXPECT_EQ(d.valueCaps(kIn)[1].bitOffset, 24u);  // Y after the buttons and X
    EXPECT_EQ(d.valueCaps(kIn)[2].collection, 2);
}

TEST(HidDescriptorExtract, MouseButtonsAndSignedMotion) {
    const HidReportDescriptor d = parsed(hidfake::kBootMouse);
    const Bytes report = {0x00, 0x05, 0x05, 0xFB, 0x01};  // buttons 1 and 3, X 5, Y -5, wheel 1
    std::uint32_t status = 0;
    EXPECT_EQ(usagesIn(d, 0x09, report, &status), (Usages{1, 3}));
    EXPECT_EQ(status, kHidStatusSuccess);

    std::uint32_t raw = 0;
    EXPECT_EQ(d.getUsageValue(kIn, 0x01, 0x31, report.data(), report.size(), raw),
              kHidStatusSuccess);
    EXPECT_EQ(raw, 0xFBu);
    std::int32_t scaled = 0;
    EXPECT_EQ(d.getScaledUsageValue(kIn, 0x01, 0x31, report.data(), report.size(), scaled),
              kHidStatusSuccess);
    EXPECT_EQ(scaled, -5);
    EXPECT_EQ(d.getScaledUsageValue(kIn, 0x01, 0x38, report.data(), report.size(), scaled),
              kHidStatusSuccess);
    EXPECT_EQ(scaled, 1);
    // -128 lies outside -127..127: no value.
    const Bytes outside = {0x00, 0x00, 0x80, 0x00, 0x00};
    EXPECT_EQ(d.getScaledUsageValue(kIn, 0x01, 0x30, outside.data(), outside.size(), scaled),
              kHidStatusNull);
}

TEST(HidDescriptorExtract, KeyboardListsModifiersThenPressedKeysWithoutEmptySlots) {
    const HidReportDescriptor d = parsed(hidfake::kBootKeyboard);
    const Bytes report = {0x00, 0x22, 0x00, 0x04, 0x05, 0x00, 0x00, 0x00, 0x00};
    EXPECT_EQ(usagesIn(d, 0x07, report), (Usages{0xE1, 0xE5, 0x04, 0x05}));

    std::uint32_t status = 0;
    EXPECT_EQ(usagesIn(d, 0x07, report, &status, 3), (Usages{0xE1, 0xE5, 0x04}));
    EXPECT_EQ(status, kHidStatusBufferTooSmall);
    // A page the report does not carry.
    EXPECT_TRUE(usagesIn(d, 0x0C, report, &status).empty());
    EXPECT_EQ(status, kHidStatusUsageNotFound);
}

TEST(HidDescriptorExtract, ConsumerReportIsMatchedByItsReportId) {
    const HidReportDescriptor d = parsed(hidfake::kConsumerControl);
    std::uint32_t status = 0;
    EXPECT_EQ(usagesIn(d, 0x0C, {0x03, 0x01, 0x04, 0x02, 0x04}, &status), (Usages{0x401, 0x402}));
    EXPECT_EQ(status, kHidStatusSuccess);
    EXPECT_TRUE(usagesIn(d, 0x0C, {0x02, 0x01, 0x04, 0x00, 0x00}, &status).empty());
    EXPECT_EQ(status, kHidStatusIncompatibleReportId);
    // Values above the logical maximum name no usage.
    EXPECT_EQ(usagesIn(d, 0x0C, {0x03, 0x00, 0x10, 0xE9, 0x00}), (Usages{0xE9}));
}

TEST(HidDescriptorExtract, ShortOrEmptyReportsAreRefusedWithoutReadingPastThem) {
    const HidReportDescriptor d = parsed(hidfake::kConsumerControl);
    std::uint32_t status = 0;
    usagesIn(d, 0x0C, {0x03, 0x01, 0x04, 0x02}, &status);
    EXPECT_EQ(status, kHidStatusInvalidReportLength);
    Usages usages;
    EXPECT_EQ(d.getUsages(kIn, 0x0C, nullptr, 0, usages, 4), kHidStatusInvalidReportLength);

    const HidReportDescriptor mouse = parsed(hidfake::kBootMouse);
    const Bytes shortReport = {0x00, 0x00, 0x01};
    std::uint32_t raw = 0;
    EXPECT_EQ(mouse.getUsageValue(kIn, 0x01, 0x30, shortReport.data(), shortReport.size(), raw),
              kHidStatusSuccess);
    EXPECT_EQ(mouse.getUsageValue(kIn, 0x01, 0x31, shortReport.data(), shortReport.size(), raw),
              kHidStatusInvalidReportLength);
}

TEST(HidDescriptorExtract, ValueRangeGivesEachUsageItsOwnFieldAndScalesToPhysical) {
    const HidReportDescriptor d = parsed(hidfake::kValueRange);
    ASSERT_EQ(d.valueCaps(kIn).size(), 2u);
    EXPECT_TRUE(d.valueCaps(kIn)[0].isRange);
    EXPECT_EQ(d.valueCaps(kIn)[0].usageMin, 5);
    EXPECT_EQ(d.valueCaps(kIn)[0].usageMax, 8);
    const Bytes report = {0x05, 10, 20, 30, 40, 50};
    for (std::uint16_t usage = 5; usage <= 8; ++usage) {
        std::uint32_t raw = 0;
        EXPECT_EQ(d.getUsageValue(kIn, 0xFF00, usage, report.data(), report.size(), raw),
                  kHidStatusSuccess);
        EXPECT_EQ(raw, 10u * (usage - 4));
    }
    std::int32_t scaled = 0;
    EXPECT_EQ(d.getScaledUsageValue(kIn, 0xFF00, 9, report.data(), report.size(), scaled),
              kHidStatusSuccess);
    EXPECT_EQ(scaled, 500);
    std::uint32_t raw = 0;
    EXPECT_EQ(d.getUsageValue(kIn, 0xFF00, 4, report.data(), report.size(), raw),
              kHidStatusUsageNotFound);
}

TEST(HidDescriptorExtract, VendorReportValueIsTheFirstDataByte) {
    const HidReportDescriptor d = parsed(hidfake::kVendorConfig);
    Bytes report(64, 0);
    report[0] = 0x04;
    report[1] = 0xA5;
    std::uint32_t raw = 0;
    EXPECT_EQ(d.getUsageValue(kIn, 0xFF1C, 1, report.data(), report.size(), raw),
              kHidStatusSuccess);
    EXPECT_EQ(raw, 0xA5u);
}

TEST(HidDescriptorItems, ExtendedUsageNamesItsOwnPage) {
    // A 32-bit usage 0x000C00E9 (Consumer: Volume Up) under the Generic Desktop page.
    const HidReportDescriptor d =
        parsed({0x05, 0x01, 0x09, 0x80, 0xA1, 0x01, 0x0B, 0xE9, 0x00, 0x0C, 0x00, 0x75,
                0x01, 0x95, 0x01, 0x25, 0x01, 0x81, 0x02, 0x95, 0x07, 0x81, 0x03, 0xC0});
    ASSERT_EQ(d.buttonCaps(kIn).size(), 1u);
    EXPECT_EQ(d.buttonCaps(kIn)[0].usagePage, 0x0C);
    EXPECT_EQ(d.buttonCaps(kIn)[0].usageMin, 0xE9);
    EXPECT_EQ(usagesIn(d, 0x0C, {0x00, 0x01}), (Usages{0xE9}));
}

TEST(HidDescriptorItems, UsagePageAfterItsUsagesAppliesToThem) {
    // Button page in force, then X and Y, then the Generic Desktop page just before the item.
    const HidReportDescriptor d = parsed(inCollection(
        {0x05, 0x09, 0x09, 0x30, 0x09, 0x31, 0x05, 0x01, 0x75, 0x08, 0x95, 0x02, 0x81, 0x02}));
    ASSERT_EQ(d.valueCaps(kIn).size(), 2u);
    EXPECT_EQ(d.valueCaps(kIn)[0].usagePage, 0x01);
    EXPECT_EQ(d.valueCaps(kIn)[1].usagePage, 0x01);
    // A page change between two usages keeps the first usage on its own page.
    const HidReportDescriptor mixed =
        parsed(inCollection({0x05, 0x01, 0x09, 0x30, 0x05, 0x0C, 0x0A, 0x38, 0x02, 0x75, 0x08, 0x95,
                             0x02, 0x81, 0x02}));
    ASSERT_EQ(mixed.valueCaps(kIn).size(), 2u);
    EXPECT_EQ(mixed.valueCaps(kIn)[0].usagePage, 0x01);
    EXPECT_EQ(mixed.valueCaps(kIn)[1].usagePage, 0x0C);
    EXPECT_EQ(mixed.valueCaps(kIn)[1].usageMin, 0x238);
}

TEST(HidDescriptorItems, PushAndPopRestoreTheGlobalState) {
    const HidReportDescriptor d = parsed(inCollection({
        0x75, 0x08, 0x95, 0x01, 0xA4,        // size 8, count 1, Push
        0x75, 0x10, 0x09, 0x01, 0x81, 0x02,  // size 16 for usage 1
        0xB4, 0x09, 0x02, 0x81, 0x02,        // Pop: size 8 again for usage 2
    }));
    ASSERT_EQ(d.valueCaps(kIn).size(), 2u);
    EXPECT_EQ(d.valueCaps(kIn)[0].bitSize, 16);
    EXPECT_EQ(d.valueCaps(kIn)[1].bitSize, 8);
    EXPECT_EQ(d.valueCaps(kIn)[1].bitOffset, 16u);
    EXPECT_EQ(d.inputReportByteLength(), 4);
}

TEST(HidDescriptorItems, LongItemsAreSkippedAndUnitsKept) {
    const HidReportDescriptor d = parsed(inCollection({
        0xFE,
        0x03,
        0xF0,
        0xAA,
        0xBB,
        0xCC,  // long item, three data bytes
        0x55,
        0x0E,
        0x65,
        0x11,  // Unit Exponent (-2), Unit (cm)
        0x75,
        0x08,
        0x95,
        0x01,
        0x09,
        0x01,
        0x81,
        0x02,
    }));
    ASSERT_EQ(d.valueCaps(kIn).size(), 1u);
    EXPECT_EQ(d.valueCaps(kIn)[0].unitExponent, 0x0Eu);
    EXPECT_EQ(d.valueCaps(kIn)[0].unit, 0x11u);
}

TEST(HidDescriptorItems, FieldsBeyondTheUsagesRepeatTheLastAndSurplusUsagesAreDropped) {
    // Usages 1 and 2 over four byte fields: usage 2 takes fields 2..4.
    const HidReportDescriptor more =
        parsed(inCollection({0x09, 0x01, 0x09, 0x02, 0x75, 0x08, 0x95, 0x04, 0x81, 0x02}));
    ASSERT_EQ(more.valueCaps(kIn).size(), 2u);
    EXPECT_EQ(more.valueCaps(kIn)[1].usageMin, 2);
    EXPECT_EQ(more.valueCaps(kIn)[1].reportCount, 3);
    // Range 1..8 over three one-bit fields: only 1..3 exist.
    const HidReportDescriptor fewer = parsed(inCollection(
        {0x19, 0x01, 0x29, 0x08, 0x75, 0x01, 0x95, 0x03, 0x81, 0x02, 0x95, 0x05, 0x81, 0x03}));
    ASSERT_EQ(fewer.buttonCaps(kIn).size(), 1u);
    EXPECT_EQ(fewer.buttonCaps(kIn)[0].usageMax, 3);
}

TEST(HidDescriptorItems, DelimiterKeepsThePreferredUsageOnly) {
    const HidReportDescriptor d = parsed(inCollection(
        {0xA9, 0x01, 0x09, 0x10, 0x09, 0x11, 0xA9, 0x00, 0x75, 0x08, 0x95, 0x01, 0x81, 0x02}));
    ASSERT_EQ(d.valueCaps(kIn).size(), 1u);
    EXPECT_EQ(d.valueCaps(kIn)[0].usageMin, 0x10);
}

TEST(HidDescriptorItems, OneByteLogicalMaximumOf255IsUnsigned) {
    const HidReportDescriptor d = parsed(inCollection(
        {0x15, 0x00, 0x25, 0xFF, 0x19, 0x00, 0x29, 0xFF, 0x75, 0x08, 0x95, 0x01, 0x81, 0x00}));
    ASSERT_EQ(d.buttonCaps(kIn).size(), 1u);
    EXPECT_EQ(d.buttonCaps(kIn)[0].logicalMax, 255);
    EXPECT_EQ(usagesIn(d, 0xFF00, {0x00, 0xC8}), (Usages{0xC8}));
}

TEST(HidDescriptorItems, ArrayValuesCountFromTheLogicalMinimumAcrossDeclarations) {
    // Array over usages 0x20, 0x21 (single) and 0x30..0x32 (range), indexes 1..5.
    const HidReportDescriptor d =
        parsed(inCollection({0x15, 0x01, 0x25, 0x05, 0x09, 0x20, 0x09, 0x21, 0x19, 0x30, 0x29, 0x32,
                             0x75, 0x08, 0x95, 0x02, 0x81, 0x00}));
    ASSERT_EQ(d.buttonCaps(kIn).size(), 3u);
    EXPECT_EQ(d.maxUsageListLength(kIn, 0xFF00), 2u);  // two slots, whatever the declarations
    EXPECT_EQ(usagesIn(d, 0xFF00, {0x00, 0x02, 0x04}), (Usages{0x21, 0x31}));
    EXPECT_EQ(usagesIn(d, 0xFF00, {0x00, 0x00, 0x06}), Usages{});  // both slots empty
}

TEST(HidDescriptorRefuse, EmptyTooLargeAndTruncatedDescriptors) {
    HidReportDescriptor d;
    EXPECT_EQ(HidReportDescriptor::parse(Bytes{}, d), kHidParseEmpty);
    EXPECT_EQ(HidReportDescriptor::parse(nullptr, 10, d), kHidParseEmpty);
    EXPECT_EQ(HidReportDescriptor::parse(Bytes(kMaxHidDescriptorBytes + 1, 0), d),
              kHidParseTooLarge);
    EXPECT_EQ(HidReportDescriptor::parse(Bytes{0x05, 0x01, 0x26, 0xFF}, d), kHidParseTruncated);
    EXPECT_EQ(d.errorOffset(), 2u);
    EXPECT_EQ(HidReportDescriptor::parse(inCollection({0xFE, 0x10, 0x00, 0x01}), d),
              kHidParseTruncated);
}

TEST(HidDescriptorRefuse, EveryShorterPrefixOfARealDescriptorFailsCleanly) {
    for (const Bytes* full : {&hidfake::kBootMouse, &hidfake::kBootKeyboard}) {
        for (std::size_t length = 1; length < full->size(); ++length) {
            HidReportDescriptor d;
            const int result = HidReportDescriptor::parse(full->data(), length, d);
            EXPECT_LT(result, kHidParseOk) << "prefix of " << length << " bytes";
            EXPECT_TRUE(d.collections().empty());
            EXPECT_TRUE(d.buttonCaps(kIn).empty());
            EXPECT_LE(d.errorOffset(), length);
        }
    }
}

TEST(HidDescriptorRefuse, UnbalancedAndTooDeepStructures) {
    HidReportDescriptor d;
    EXPECT_EQ(HidReportDescriptor::parse(Bytes{0xC0}, d), kHidParseUnbalanced);
    EXPECT_EQ(HidReportDescriptor::parse(Bytes{0xA1, 0x01}, d), kHidParseUnbalanced);
    EXPECT_EQ(HidReportDescriptor::parse(inCollection({0xB4}), d), kHidParseUnbalanced);

    auto nested = [](std::size_t depth) {
        Bytes bytes;
        for (std::size_t i = 0; i < depth; ++i) {
            bytes.insert(bytes.end(), {0x09, 0x01, 0xA1, 0x01});
        }
        bytes.insert(bytes.end(), depth, 0xC0);
        return bytes;
    };
    EXPECT_EQ(HidReportDescriptor::parse(nested(kMaxHidNesting), d), kHidParseOk);
    EXPECT_EQ(HidReportDescriptor::parse(nested(kMaxHidNesting + 1), d), kHidParseNestingTooDeep);

    Bytes pushes(kMaxHidGlobalStack + 1, 0xA4);
    EXPECT_EQ(HidReportDescriptor::parse(inCollection(pushes), d), kHidParseNestingTooDeep);
}

TEST(HidDescriptorRefuse, ImpossibleReportIdsSizesAndCounts) {
    HidReportDescriptor d;
    EXPECT_EQ(HidReportDescriptor::parse(inCollection({0x85, 0x00}), d), kHidParseBadReportId);
    EXPECT_EQ(HidReportDescriptor::parse(inCollection({0x86, 0x00, 0x01}), d),
              kHidParseBadReportId);
    EXPECT_EQ(HidReportDescriptor::parse(inCollection({0x76, 0x01, 0x01}), d),
              kHidParseFieldTooLarge);  // 257 bits
    EXPECT_EQ(HidReportDescriptor::parse(inCollection({0x96, 0x01, 0x30}), d),
              kHidParseFieldTooLarge);  // 12289 fields
    // 256 bits x 12288 fields is far longer than any report may be.
    EXPECT_EQ(HidReportDescriptor::parse(
                  inCollection({0x76, 0x00, 0x01, 0x96, 0x00, 0x30, 0x09, 0x01, 0x81, 0x02}), d),
              kHidParseReportTooLong);
    // So is a report that grows a field at a time.
    Bytes growing = {0x75, 0x08, 0x96, 0x00, 0x08};  // 2048 bytes per item
    for (int i = 0; i < 9; ++i) {
        growing.insert(growing.end(), {0x81, 0x03});
    }
    EXPECT_EQ(HidReportDescriptor::parse(inCollection(growing), d), kHidParseReportTooLong);
}

TEST(HidDescriptorRefuse, TooManyItemsNoCollectionAndOpenDelimiter) {
    HidReportDescriptor d;
    Bytes items = {0x75, 0x01, 0x95, 0x01};
    for (std::size_t i = 0; i <= kMaxHidMainItems; ++i) {
        items.insert(items.end(), {0x81, 0x03});
    }
    EXPECT_EQ(HidReportDescriptor::parse(inCollection(items), d), kHidParseTooManyItems);
    Bytes usages;
    for (std::size_t i = 0; i <= kMaxHidUsagesPerItem; ++i) {
        usages.insert(usages.end(), {0x09, 0x01});
    }
    EXPECT_EQ(HidReportDescriptor::parse(inCollection(usages), d), kHidParseTooManyItems);
    EXPECT_EQ(HidReportDescriptor::parse(Bytes{0x75, 0x08, 0x95, 0x01, 0x81, 0x02}, d),
              kHidParseNoCollection);
    EXPECT_EQ(HidReportDescriptor::parse(Bytes{0xA1, 0x00, 0xC0}, d), kHidParseNoCollection);
    EXPECT_EQ(HidReportDescriptor::parse(inCollection({0xA9, 0x01, 0x09, 0x01}), d),
              kHidParseBadDelimiter);
    EXPECT_EQ(HidReportDescriptor::parse(inCollection({0xA9, 0x00}), d), kHidParseBadDelimiter);
}

TEST(HidDescriptorRefuse, AFailedParseLeavesNothingOfAnEarlierOne) {
    HidReportDescriptor d = parsed(hidfake::kCompositeMouse);
    ASSERT_EQ(d.collections().size(), 3u);
    EXPECT_EQ(HidReportDescriptor::parse(Bytes{0xC0}, d), kHidParseUnbalanced);
    EXPECT_TRUE(d.collections().empty());
    EXPECT_TRUE(d.buttonCaps(kIn).empty());
    EXPECT_EQ(d.inputReportByteLength(), 0);
    EXPECT_STRNE(hidParseResultText(kHidParseUnbalanced), hidParseResultText(kHidParseOk));
}

// Whatever bytes come in, an accepted descriptor only describes fields inside its reports.
TEST(HidDescriptorRefuse, RandomBytesNeverDescribeFieldsOutsideTheReport) {
    std::mt19937 random(20240611);
    int accepted = 0;
    for (int round = 0; round < 3000; ++round) {
        Bytes bytes = inCollection({});
        const std::size_t extra = random() % 48;
        for (std::size_t i = 0; i < extra; ++i) {
            bytes.insert(bytes.end() - 1, static_cast<std::uint8_t>(random()));
        }
        HidReportDescriptor d;
        if (HidReportDescriptor::parse(bytes, d) != kHidParseOk) {
            continue;
        }
        ++accepted;
        for (auto type : {HidReportType::Input, HidReportType::Output, HidReportType::Feature}) {
            for (const auto* list : {&d.buttonCaps(type), &d.valueCaps(type)}) {
                for (const HidCapability& cap : *list) {
                    const std::uint64_t end =
                        cap.bitOffset + std::uint64_t{cap.bitSize} * cap.reportCount;
                    EXPECT_LE((end + 7) / 8 + 1, d.reportByteLength(type));
                }
            }
        }
    }
    EXPECT_GT(accepted, 100);
}

}  // namespace
}  // namespace quillon
