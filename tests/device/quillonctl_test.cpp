// Runs the built quillonctl against the simulated devices and checks its trace, output and exit
// statuses.

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "device/CommandFrame.h"
#include "device/ProtocolFake.h"

namespace quillon {
namespace {

using protofake::RequestShape;

struct TraceLine {
    std::string kind;
    char direction;
    std::vector<std::uint8_t> bytes;
};

struct CtlRun {
    int status = -1;
    std::string out;
    std::string err;
    std::vector<TraceLine> trace;
};

std::string readText(const std::string& path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

bool parseTraceLine(const std::string& line, TraceLine& out) {
    std::istringstream fields(line);
    std::string direction, hex;
    if (!(fields >> out.kind >> direction >> hex) || direction.size() != 1 || hex.size() != 128 ||
        hex.find_first_not_of("0123456789abcdef") != std::string::npos) {
        return false;
    }
    out.direction = direction[0];
    for (std::size_t i = 0; i < hex.size(); i += 2) {
        out.bytes.push_back(static_cast<std::uint8_t>(std::stoi(hex.substr(i, 2), nullptr, 16)));
    }
    return true;
}

class QuillonCtl : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string pattern = testing::TempDir() + "quillonctl-XXXXXX";
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        dir_ = pattern + "/";
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }

    // Runs quillonctl with `arguments` (words without quotes or spaces) and the trace on.
    CtlRun run(const std::string& arguments) {
        const std::string command = "env -u QUILLON_SIMULATE " + std::string(QUILLONCTL_PATH) +
                                    " --trace " + dir_ + "trace " + arguments + " >" + dir_ +
                                    "out 2>" + dir_ + "err";
        CtlRun result;
        const int raw = std::system(command.c_str());
        result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        result.out = readText(dir_ + "out");
        result.err = readText(dir_ + "err");
        std::ifstream trace(dir_ + "trace");
        for (std::string line; std::getline(trace, line);) {
            TraceLine parsed;
            EXPECT_TRUE(parseTraceLine(line, parsed)) << line;
            result.trace.push_back(parsed);
        }
        std::filesystem::remove(dir_ + "trace");
        return result;
    }

    std::string dir_;
};

std::vector<RequestShape> requestShapes(const CtlRun& run) {
    std::vector<protofake::Report> requests;
    for (const TraceLine& line : run.trace) {
        if (line.direction == '>') {
            protofake::Report report{};
            std::copy(line.bytes.begin(), line.bytes.end(), report.begin());
            requests.push_back(report);
        }
    }
    return protofake::shapes(requests);
}

// Every request is well formed and answered once, before the next request is sent.
void expectAnsweredRequests(const CtlRun& run, const std::string& kind) {
    ASSERT_EQ(run.trace.size() % 2, 0u);
    for (std::size_t i = 0; i < run.trace.size(); i += 2) {
        const TraceLine& request = run.trace[i];
        EXPECT_EQ(request.kind, kind);
        EXPECT_EQ(request.direction, '>') << i;
        EXPECT_EQ(run.trace[i + 1].direction, '<') << i;
        EXPECT_EQ(request.bytes[0], kCommandReportId);
        EXPECT_EQ(request.bytes[1] | request.bytes[2] << 8,
                  frameChecksum(
                      std::span<const std::uint8_t, kFrameSize>(request.bytes.data(), kFrameSize)))
            << "request " << i / 2;
    }
}

TEST_F(QuillonCtl, ReadMouseSendsTheWholeDeviceSequence) {
    const CtlRun r = run("--simulate read mouse");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(requestShapes(r), protofake::mouseReadSequence())
        << protofake::describe(requestShapes(r));
    expectAnsweredRequests(r, "mouse");
    EXPECT_NE(r.out.find("active profile: "), std::string::npos);
    EXPECT_NE(r.out.find("key table 4 (512 bytes)"), std::string::npos);
}

TEST_F(QuillonCtl, ReadKeyboardFollowsTheReportedKeyCount) {
    const CtlRun r = run("--simulate=keyboard read keyboard");
    EXPECT_EQ(r.status, 0) << r.err;
    ASSERT_GE(r.trace.size(), 4u);
    const int keys = r.trace[3].bytes[kFramePayloadOffset + 5];  // the information's byte 5
    EXPECT_GT(keys, 0);
    EXPECT_EQ(requestShapes(r), protofake::keyboardReadSequence(keys));
    expectAnsweredRequests(r, "keyboard");

    const CtlRun small = run("--simulate --sim-keys 42 --sim-pid 0x0800 read keyboard");
    EXPECT_EQ(small.status, 0) << small.err;
    EXPECT_EQ(requestShapes(small), protofake::keyboardReadSequence(42));
}

TEST_F(QuillonCtl, ReadMousepadReadsItsRecords) {
    const CtlRun r = run("--simulate=mousepad read mousepad");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(requestShapes(r), protofake::mousepadReadSequence());
    expectAnsweredRequests(r, "mousepad");
    EXPECT_EQ(r.out.find("key table"), std::string::npos);
}

TEST_F(QuillonCtl, SilentDeviceGetsEachRequestFourTimes) {
    const CtlRun r = run("--simulate --sim-fault mouse:silent:100 info mouse");
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("no answer"), std::string::npos) << r.err;
    ASSERT_EQ(r.trace.size(), 4u);
    for (const TraceLine& line : r.trace) {
        EXPECT_EQ(line.direction, '>');
        EXPECT_EQ(line.bytes, r.trace[0].bytes);
    }
    EXPECT_EQ(r.trace[0].bytes[3], 0x03);
}

TEST_F(QuillonCtl, TooManyKeysStillClosesTheBracket) {
    const CtlRun r = run("--simulate --sim-keys 171 read keyboard");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(requestShapes(r),
              (std::vector<RequestShape>{{0x01, 0, 0}, {0x03, 33, 0}, {0x02, 0, 0}}));
}

TEST_F(QuillonCtl, WriteSettingsSendsOneRecordOf56Bytes) {
    const CtlRun r = run("--simulate write-settings mousepad 01.02.03");
    EXPECT_EQ(r.status, 0) << r.err;
    const auto shapes = requestShapes(r);
    ASSERT_EQ(shapes.size(), protofake::mousepadReadSequence().size() + 1);
    EXPECT_EQ(shapes.back(), (RequestShape{0x06, 56, 0}));
    const std::vector<std::uint8_t>& write = r.trace[r.trace.size() - 2].bytes;
    EXPECT_EQ(write[8], 1);
    EXPECT_EQ(write[10], 3);
    EXPECT_TRUE(std::all_of(write.begin() + 8 + 21, write.end(), [](auto b) { return b == 0; }));
}

TEST_F(QuillonCtl, ExitStatusesTellSuccessFailureAndUsage) {
    const CtlRun list = run("--simulate list");
    EXPECT_EQ(list.status, 0);
    EXPECT_EQ(list.out,
              "keyboard 0c45:6556 sim/keyboard/config\nmouse 0c45:7643 sim/mouse/config\n"
              "mousepad 0c45:5004 sim/mousepad/config\n");
    const CtlRun missing = run("--simulate=mouse info keyboard");
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.err.find("no keyboard found"), std::string::npos);
    const CtlRun refused = run("--simulate --sim-fault mousepad:write-fail factory-reset mousepad");
    EXPECT_EQ(refused.status, 1);
    const CtlRun status = run("--simulate --sim-fault mouse:status-fe select mouse 2");
    EXPECT_EQ(status.status, 1);
    EXPECT_NE(status.err.find("(-103)"), std::string::npos) << status.err;
    EXPECT_EQ(run("--simulate select mouse 5").status, 2);
    EXPECT_EQ(run("--simulate frobnicate").status, 2);
    EXPECT_EQ(run("--sim-keys 3 list").status, 2);
    EXPECT_EQ(run("--simulate write-settings mouse 0g").status, 2);
    EXPECT_EQ(run("--help").status, 0);
}

TEST_F(QuillonCtl, CursorDescribesTheImage) {
    const CtlRun r = run("--simulate=mouse cursor mouse");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("header: aa55"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("sequence 0: offset"), std::string::npos) << r.out;
    EXPECT_EQ(requestShapes(r).back(), (RequestShape{0x02, 0, 0}));
}

}  // namespace
}  // namespace quillon
