#pragma once
// The toolkit contract: one suite of value-parameterised tests that every toolkit implementation
// must pass, so the headless toolkit (tests, scenario harness) and the Qt toolkit (the program)
// behave alike. A test program registers its toolkit with
//
//   QUILLON_TOOLKIT_CONTRACT(Headless, [] { return makeHeadlessDriver(); });
//
// The tests build their windows from the skins in tests/toolkit_contract/skin/ (contractSkinDir()).
// They run on virtual time (headless) and on real time (Qt), so every timed check uses short
// periods and a tolerance.
//
// Behaviour fixed here beyond the headers' comments:
// - User actions deliver their notifications before they return, in this order: a click on an
//   option or check box sends "click" first, then "selectchanged" with the new state; a slide sends
//   "movevaluechanged" then "valuechanged". Options of a group deselected by another's selection
//   get no notification. Setting a state a control already has sends nothing.
// - A list row clicked by the user becomes the selection ("itemclick", and "itemselect" when the
//   selection changed).
// - Item edits never notify; the selection follows the selected entry as entries are inserted,
//   removed or moved, and is lost (-1) when that entry is removed. Entries added by the program to
//   an empty combo or list leave it without a selection.
// - A slider keeps min <= value <= max: a minimum above the maximum raises the maximum, a maximum
//   below the minimum lowers the minimum.
// - Control::setFocus() sends "killfocus" to the control that had the focus and "setfocus" to the
//   new one.
// - Control::item() returns the entry as given (a text id stays an id); the combo's Text is the
//   shown text of its selected entry.

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <thread>
#include <vector>

#include "toolkit_contract/ToolkitDriver.h"

namespace quillon::toolkit::contract {

using DriverFactory = std::function<std::unique_ptr<ToolkitDriver>()>;

struct ContractToolkit {
    std::string name;
    DriverFactory factory;
};
// Test failures name the toolkit.
void PrintTo(const ContractToolkit& toolkit, std::ostream* out);

// Records what a window tells its handler.
class Recorder : public WindowHandler {
  public:
    struct Tick {
        int id;
        Millis at;
    };

    void notify(const Notification& notification) override;
    void onTimer(int id) override;
    bool onMessage(const Message& message) override;

    // "type sender" of every notification, in order ("windowinit " for the window's own).
    std::vector<std::string> log() const;
    int count(const std::string& type, const std::string& sender = {}) const;
    void clear();

    Clock* clock = nullptr;
    std::vector<Notification> notes;  // all but "windowexposed"
    std::vector<bool> exposures;      // the "windowexposed" notifications, in order
    std::vector<Tick> ticks;
    std::vector<Message> messages;
    std::vector<std::thread::id> messageThreads;
    std::function<void(const Notification&)> onNotify;
    std::function<void(int)> onTick;
};

class ContractTest : public ::testing::TestWithParam<ContractToolkit> {
  protected:
    void SetUp() override;
    void TearDown() override;

    ToolkitDriver& driver() { return *driver_; }
    Toolkit& toolkit() { return driver_->toolkit(); }

    // A window of the contract skin ("XML_CONTRACT" unless named) with `recorder` as its handler;
    // its page placeholder (class "Contract_Page_UI") holds "contract_page.xml".
    std::unique_ptr<Window> open(Recorder& recorder, const std::string& skin = "XML_CONTRACT");
    static WindowSpec spec(const std::string& skin);
    // The control, failing the test when the window lacks it.
    static Control& at(Window& window, const std::string& name);
    // Lets time pass in steps until `done` holds or `limit` ms have passed; returns `done()`.
    bool runUntil(const std::function<bool()>& done, Millis limit = 2000);

  private:
    std::unique_ptr<ToolkitDriver> driver_;
};

// One fixture per group of behaviour, so the test names say what they cover.
class ContractWindows : public ContractTest {};
class ContractProperties : public ContractTest {};
class ContractSelection : public ContractTest {};
class ContractItems : public ContractTest {};
class ContractVisibility : public ContractTest {};
class ContractUserActions : public ContractTest {};
class ContractLoop : public ContractTest {};
class ContractShell : public ContractTest {};
class ContractCapture : public ContractTest {};
class ContractCustom : public ContractTest {};

// A plain-text entry.
inline Item textItem(std::string text) {
    Item item;
    item.text = std::move(text);
    return item;
}

std::string contractTestName(const ::testing::TestParamInfo<ContractToolkit>& info);

}  // namespace quillon::toolkit::contract

#define QUILLON_CONTRACT_GROUP(Prefix, Group, factory)                                      \
    INSTANTIATE_TEST_SUITE_P(                                                               \
        Prefix, Group,                                                                      \
        ::testing::Values(::quillon::toolkit::contract::ContractToolkit{#Prefix, factory}), \
        ::quillon::toolkit::contract::contractTestName)

// Runs the whole contract suite against the toolkit the factory makes.
#define QUILLON_TOOLKIT_CONTRACT(Prefix, factory)                 \
    namespace quillon::toolkit::contract {                        \
    QUILLON_CONTRACT_GROUP(Prefix, ContractWindows, factory);     \
    QUILLON_CONTRACT_GROUP(Prefix, ContractProperties, factory);  \
    QUILLON_CONTRACT_GROUP(Prefix, ContractSelection, factory);   \
    QUILLON_CONTRACT_GROUP(Prefix, ContractItems, factory);       \
    QUILLON_CONTRACT_GROUP(Prefix, ContractVisibility, factory);  \
    QUILLON_CONTRACT_GROUP(Prefix, ContractUserActions, factory); \
    QUILLON_CONTRACT_GROUP(Prefix, ContractLoop, factory);        \
    QUILLON_CONTRACT_GROUP(Prefix, ContractShell, factory);       \
    QUILLON_CONTRACT_GROUP(Prefix, ContractCapture, factory);     \
    QUILLON_CONTRACT_GROUP(Prefix, ContractCustom, factory);      \
    }
