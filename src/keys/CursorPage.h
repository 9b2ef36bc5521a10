#pragma once
// The mouse's cursor tab: the four sequences, their thirty steps, the editor of one step (its
// delay and its two moves) and the buttons that write the sequences to the mouse, restore one from
// its default file, import and export it. There is no copy of a sequence in memory: every edit is
// written to the sequence file at once, and every step shown is read from it.

#include <cstdint>
#include <span>
#include <string>

#include "keys/CursorSequences.h"

namespace quillon::app {
class CMainWnd;
}

namespace quillon::keys {

class TransferRunner;

class CursorPage {
  public:
    CursorPage(app::CMainWnd& main, TransferRunner& transfers);

    void installRoutes();
    // Part of the mouse page's set-up: the sequence files exist, sequence 0 step 0 is shown.
    void setUpSequences();

    void selectSequence(int g);
    void selectStep(int s);
    void showStep(int s);
    void saveStep(int s);
    // An image read from the mouse replaces the sequence files; sequence 0 is shown anew.
    void storeCursorImage(std::span<const std::uint8_t> image);

    void importSequence();
    void exportSequence();
    void resetSequence();

    int sequence() const { return g_; }
    int step() const { return s_; }
    CursorFiles files() const;

  private:
    void stepBy(int delta);
    void distanceTyped(const char* edit, const std::string& text, int limit);
    void checkChanged(const char* check, bool selected);
    bool sequenceChosen() const;

    app::CMainWnd& main_;
    TransferRunner& transfers_;
    int g_ = 0;
    int s_ = 0;
};

// The text a direction check shows in its state.
const char* xCheckText(bool left);
const char* yCheckText(bool up);

}  // namespace quillon::keys
