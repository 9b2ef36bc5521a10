#include "keys/CursorSequences.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "keys/MacroStore.h"
#include "platform/IniFile.h"

namespace quillon::keys {
namespace {

constexpr const char* kCursorCount = "CURSORCOUNT";
constexpr const char* kCursorName = "CURSORNAME";
constexpr const char* kActionSection = "MACROACTION";

MacroAction moveX(std::uint8_t distance, bool left) {
    return makeAction(0, left ? 0x84 : 0x04, distance,
                      left ? "mouse_move_to_left_text" : "mouse_move_to_right_text");
}

MacroAction moveY(std::uint8_t distance, bool up) {
    return makeAction(0, up ? 0x85 : 0x05, distance,
                      up ? "mouse_move_to_up_text" : "mouse_move_to_down_text");
}

std::string withSlash(std::string folder) {
    if (!folder.empty() && folder.back() != '/') {
        folder += '/';
    }
    return folder;
}

}  // namespace

CursorFiles::CursorFiles(std::string folder, std::string programDir)
    : folder_(withSlash(std::move(folder))), programDir_(withSlash(std::move(programDir))) {}

std::string CursorFiles::indexFile() const {
    return folder_ + macroIndexName(DeviceKind::Mouse);
}

int CursorFiles::sequenceCount() const {
    return std::clamp(IniFile(indexFile()).readInt(kCursorCount, "count"), 0, kCursorSequenceCount);
}

std::string CursorFiles::sequenceFile(int k) const {
    if (k < 0 || k >= kCursorSequenceCount) {
        return {};
    }
    const std::string name = IniFile(indexFile()).read(kCursorName, std::to_string(k));
    return isUsableMacroName(name) ? folder_ + name + ".cur" : std::string{};
}

std::string CursorFiles::defaultFile(int k) const {
    return programDir_ + "name_" + std::to_string(k + 1) + ".cur";
}

void CursorFiles::setUp() const {
    const IniFile index(indexFile());
    if (index.readInt(kCursorCount, "count") != 0) {
        return;
    }
    std::error_code error;
    std::filesystem::create_directories(folder_, error);
    index.writeInt(kCursorCount, "count", kCursorSequenceCount);
    for (int k = 0; k < kCursorSequenceCount; ++k) {
        const std::string name = "name_" + std::to_string(k + 1);
        index.write(kCursorName, std::to_string(k), name);
        if (!std::filesystem::exists(folder_ + name + ".cur", error)) {
            copySmallFile(defaultFile(k), folder_ + name + ".cur");
        }
    }
}

CursorStepRead CursorFiles::readStep(int k, int step) const {
    CursorStepRead read;
    const std::string file = sequenceFile(k);
    if (file.empty() || step < 0 || step >= kCursorStepCount) {
        return read;
    }
    const IniDocument doc = IniDocument::load(file);
    const int base = kCursorActionsPerStep * step + 3;
    for (int j = 0; j < 3; ++j) {
        const auto action = parseActionLine(doc.read(kActionSection, std::to_string(base + j)));
        if (!action) {
            continue;
        }
        if (j == 0) {
            read.delay = action->delay;
        } else if (action->baseKind() == kActionMoveX) {
            read.x = std::pair{action->code, action->down()};
        } else if (action->baseKind() == kActionMoveY) {
            read.y = std::pair{action->code, action->down()};
        }
    }
    return read;
}

bool CursorFiles::writeStep(int k, int step, const CursorStep& values) const {
    const std::string file = sequenceFile(k);
    if (file.empty() || step < 0 || step >= kCursorStepCount) {
        return false;
    }
    std::optional<IniDocument> doc = IniDocument::tryLoad(file);
    if (!doc) {
        return false;
    }
    const int base = kCursorActionsPerStep * step + 3;
    MacroAction carrier =
        parseActionLine(doc->read(kActionSection, std::to_string(base))).value_or(moveX(0, false));
    carrier.delay = values.delay;
    bool ok = doc->write(kActionSection, std::to_string(base), formatActionLine(carrier));
    ok = doc->write(kActionSection, std::to_string(base + 1),
                    formatActionLine(moveX(values.dx, values.left))) &&
         ok;
    ok = doc->write(kActionSection, std::to_string(base + 2),
                    formatActionLine(moveY(values.dy, values.up))) &&
         ok;
    return doc->save(file) && ok;
}

int CursorFiles::storeImage(std::span<const std::uint8_t> image) const {
    const auto entries = readMacroImage(image);
    if (!entries || entries->size() > kCursorSequenceCount) {
        return 0;
    }
    std::vector<std::string> files;
    for (std::size_t k = 0; k < entries->size(); ++k) {
        files.push_back(sequenceFile(static_cast<int>(k)));
        if (files.back().empty()) {
            return 0;
        }
    }
    int result = 1;
    for (std::size_t k = 0; k < entries->size(); ++k) {
        IniDocument doc;
        const auto& actions = (*entries)[k].actions;
        doc.write("MACROACTIONCOUNT", "count", std::to_string(actions.size()));
        for (std::size_t j = 0; j < actions.size(); ++j) {
            const std::uint8_t* b = actions[j].bytes;
            const MacroAction action = makeAction(static_cast<std::uint16_t>(b[0] | b[1] << 8),
                                                  b[2], b[3], labelForDeviceAction(b[2], b[3]));
            doc.write(kActionSection, std::to_string(j), formatActionLine(action));
        }
        if (!doc.save(files[k])) {
            result = 0;
        }
    }
    return result;
}

MacroImagePlan CursorFiles::planImage() const {
    std::vector<std::string> files;
    for (int k = 0; k < sequenceCount(); ++k) {
        files.push_back(sequenceFile(k));
    }
    return planMacroImage(std::move(files));
}

int CursorFiles::importSequence(int k, const std::string& path, const char** message) const {
    const std::string file = sequenceFile(k);
    if (file.empty()) {
        return 0;
    }
    if (IniFile(path).readInt("MACROACTIONCOUNT", "count") > kCursorSequenceActions) {
        if (message) {
            *message = kMsgSequenceTooLong;
        }
        return 0;
    }
    return copySmallFile(path, file) ? 1 : 0;
}

int CursorFiles::exportSequence(int k, const std::string& path) const {
    const std::string file = sequenceFile(k);
    return !file.empty() && copySmallFile(file, path) ? 1 : 0;
}

int CursorFiles::resetSequence(int k) const {
    const std::string file = sequenceFile(k);
    return !file.empty() && copySmallFile(defaultFile(k), file) ? 1 : 0;
}

std::vector<MacroAction> defaultSequenceActions(std::span<const CursorStep> steps) {
    std::vector<MacroAction> actions;
    for (int s = 0; s < kCursorStepCount; ++s) {
        const CursorStep step = s < static_cast<int>(steps.size()) ? steps[s] : CursorStep{};
        // A shot (press, release), a still move, then the action that waits and the two moves.
        actions.push_back(makeAction(8, 0x81, 0x01, "mouse_key_left"));
        actions.push_back(makeAction(0, 0x01, 0x01, "mouse_key_left"));
        actions.push_back(moveX(0, false));
        MacroAction carrier = moveY(0, false);
        carrier.delay = step.delay;
        actions.push_back(carrier);
        actions.push_back(moveX(step.dx, step.left));
        actions.push_back(moveY(step.dy, step.up));
    }
    return actions;
}

}  // namespace quillon::keys
