#include <gtest/gtest.h>

#include "platform/sim/SimOptions.h"

namespace quillon {
namespace {

TEST(SimSimulateList, NamesKindsOnceInTheOrderGiven) {
    std::vector<SimKind> kinds;
    std::string error;
    ASSERT_TRUE(parseSimulateList("mouse,keyboard", kinds, error));
    EXPECT_EQ(kinds, (std::vector<SimKind>{SimKind::Mouse, SimKind::Keyboard}));
    ASSERT_TRUE(parseSimulateList(" Mousepad , MOUSE,mousepad", kinds, error));
    EXPECT_EQ(kinds, (std::vector<SimKind>{SimKind::Mousepad, SimKind::Mouse}));
}

TEST(SimSimulateList, EmptyPartsAndUnknownWordsAreErrorsThatKeepTheOldList) {
    std::vector<SimKind> kinds = {SimKind::Keyboard};
    std::string error;
    for (const char* bad : {"", "mouse,,keyboard", "mouse,", "mice", "ms", "mouse;keyboard"}) {
        error.clear();
        EXPECT_FALSE(parseSimulateList(bad, kinds, error)) << bad;
        EXPECT_FALSE(error.empty()) << bad;
    }
    EXPECT_EQ(kinds, std::vector<SimKind>{SimKind::Keyboard});
    parseSimulateList("mouse,rat", kinds, error);
    EXPECT_NE(error.find("\"rat\""), std::string::npos) << error;
}

TEST(SimFaultWords, EveryFaultNameRoundTrips) {
    for (SimFault fault : {SimFault::None, SimFault::Silent, SimFault::StatusFF, SimFault::StatusFE,
                           SimFault::WriteFail}) {
        SimFault back = SimFault::None;
        ASSERT_TRUE(simFaultFromName(simFaultName(fault), back));
        EXPECT_EQ(back, fault);
    }
    SimFault out = SimFault::Silent;
    EXPECT_TRUE(simFaultFromName("Status-FF", out));
    EXPECT_EQ(out, SimFault::StatusFF);
    EXPECT_FALSE(simFaultFromName("status_ff", out));
}

TEST(SimFaultSpec, KindFaultAndOptionalCount) {
    SimFaultSpec spec;
    std::string error;
    ASSERT_TRUE(parseSimFaultSpec("mouse:silent", spec, error));
    EXPECT_EQ(spec.kind, SimKind::Mouse);
    EXPECT_EQ(spec.fault, SimFault::Silent);
    EXPECT_EQ(spec.count, 1);
    ASSERT_TRUE(parseSimFaultSpec("keyboard:status-fe:0x10", spec, error));
    EXPECT_EQ(spec.kind, SimKind::Keyboard);
    EXPECT_EQ(spec.fault, SimFault::StatusFE);
    EXPECT_EQ(spec.count, 16);
    ASSERT_TRUE(parseSimFaultSpec("mousepad:none", spec, error));
    EXPECT_EQ(spec.fault, SimFault::None);
}

TEST(SimFaultSpec, MalformedSpecsAreRefusedWithAMessage) {
    SimFaultSpec spec;
    spec.count = 42;
    std::string error;
    for (const char* bad :
         {"mouse", "mouse:", "mouse:loud", "rat:silent", "mouse:silent:", "mouse:silent:-1",
          "mouse:silent:1:2", "mouse:silent:1000001", "mouse:silent:99999999999999999999999",
          "mouse:silent:0x", "mouse:silent:12ab"}) {
        error.clear();
        EXPECT_FALSE(parseSimFaultSpec(bad, spec, error)) << bad;
        EXPECT_FALSE(error.empty()) << bad;
    }
    EXPECT_EQ(spec.count, 42);
}

TEST(SimFaultSpec, CountLimitsAreInclusive) {
    int count = -1;
    std::string error;
    ASSERT_TRUE(parseSimFaultCount("1000000", count, error));
    EXPECT_EQ(count, 1'000'000);
    ASSERT_TRUE(parseSimFaultCount("0", count, error));
    EXPECT_EQ(count, 0);
    EXPECT_FALSE(parseSimFaultCount("0xF4241", count, error));
}

}  // namespace
}  // namespace quillon
