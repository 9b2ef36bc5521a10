#pragma once
// The mouse's four cursor-movement sequences on disk. Each is a file of action lines in the
// layout of a macro file, named by the "CURSORNAME" section of the mouse's macro index ("name_1"
// to "name_4") plus ".cur", in the mouse data folder; the default files of the same names lie in
// the program folder. A sequence is 30 steps of six actions: the step's delay rides on action
// 6s + 3, its horizontal move is action 6s + 4 and its vertical move action 6s + 5; actions 6s to
// 6s + 2 are kept as they are.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "keys/MacroImage.h"

namespace quillon::keys {

inline constexpr int kCursorSequenceCount = 4;
inline constexpr int kCursorStepCount = 30;
inline constexpr int kCursorActionsPerStep = 6;
inline constexpr int kCursorSequenceActions = kCursorStepCount * kCursorActionsPerStep;  // 180
inline constexpr std::size_t kCursorImageLimit = 3072;  // the mouse's cursor memory
inline constexpr const char* kMsgSequenceTooLong = "message_text_18";

// What the editor shows of one step.
struct CursorStep {
    std::uint16_t delay = 0;
    std::uint8_t dx = 0;
    bool left = false;
    std::uint8_t dy = 0;
    bool up = false;
};

// What a step's three lines gave; a missing or unreadable line gives nothing for its fields.
struct CursorStepRead {
    std::optional<std::uint16_t> delay;
    std::optional<std::pair<std::uint8_t, bool>> x;  // distance, left
    std::optional<std::pair<std::uint8_t, bool>> y;  // distance, up
};

class CursorFiles {
  public:
    // `folder` is the mouse data folder, `programDir` the program folder; both end with "/".
    CursorFiles(std::string folder, std::string programDir);

    std::string indexFile() const;
    // The data file of sequence k (0..3) by the index's name for it; "" when k is out of range or
    // the name is not usable.
    std::string sequenceFile(int k) const;
    std::string defaultFile(int k) const;
    // The number of sequences the index lists (0..4).
    int sequenceCount() const;

    // With no "CURSORCOUNT" in the index: writes 4 and the names, and copies each default file
    // that the data folder lacks.
    void setUp() const;

    CursorStepRead readStep(int k, int step) const;
    // Writes the step's three lines; the delay line keeps its other fields (a missing or unreadable
    // one becomes a zero horizontal move). The file's action count is not changed.
    bool writeStep(int k, int step, const CursorStep& values) const;

    // The image read from the mouse into the sequence files. 0, with nothing written, when the
    // image's offsets or counts point beyond it or it lists more sequences than the index names.
    int storeImage(std::span<const std::uint8_t> image) const;
    // The sizing pass over the listed sequence files.
    MacroImagePlan planImage() const;

    // Replaces sequence k's file with `path` unless that claims more than 180 actions
    // (kMsgSequenceTooLong). 1 when replaced.
    int importSequence(int k, const std::string& path, const char** message) const;
    int exportSequence(int k, const std::string& path) const;
    int resetSequence(int k) const;

  private:
    std::string folder_;
    std::string programDir_;
};

// One default sequence from a table of 30 steps: each step is a left click, a still move, then
// the step's delay and its two moves; the 180 actions of its file.
std::vector<MacroAction> defaultSequenceActions(std::span<const CursorStep> steps);

}  // namespace quillon::keys
