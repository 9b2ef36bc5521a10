#pragma once
// The routing of everything that reaches the main window: notifications from named controls,
// timer ticks and private messages. Each subsystem registers its rows; a notification runs the
// first row (in table order) that matches its type and sender, so the order of registration does
// not matter, only each row's place in its table (RouteOrder.h).

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "toolkit/Window.h"

namespace quillon::app {

using toolkit::Message;
using toolkit::Notification;

class Dispatch {
  public:
    using Handler = std::function<void(const Notification&)>;
    using NumberedHandler = std::function<void(const Notification&, int number)>;
    using Matcher = std::function<bool(const Notification&)>;

    // A row for `type` from any of `names` (compared without regard to case).
    void addNamed(const std::string& type, int order, std::vector<std::string> names,
                  Handler handler);
    // A row for the numbered family `prefix` + N (the name must split, see splitControlName);
    // `accepts` narrows the numbers (default: every number).
    void addNumbered(const std::string& type, int order, std::string prefix,
                     NumberedHandler handler, std::function<bool(int)> accepts = nullptr);
    // A row for every sender of `type`.
    void addAny(const std::string& type, int order, Handler handler);
    // A row with its own test.
    void addWhen(const std::string& type, int order, Matcher matches, Handler handler);
    // A step that runs for every notification of `type` that reaches its place in the table
    // (no earlier row matched) and lets the rows after it be tested.
    void addPrelude(const std::string& type, int order, Handler step);

    // Runs the first matching row; true when a row ran.
    bool notify(const Notification& notification) const;

    void addTimer(int id, std::function<void()> handler);
    bool timer(int id) const;
    void addMessage(std::uint32_t id, std::function<void(const Message&)> handler);
    bool message(const Message& message) const;

  private:
    struct Row {
        int order = 0;
        int sequence = 0;
        Matcher matches;
        Handler run;
        bool consumes = true;
    };
    void addRow(const std::string& type, Row row);

    std::map<std::string, std::vector<Row>> rows_;  // by lower-case type, sorted by order
    std::map<int, std::function<void()>> timers_;
    std::map<std::uint32_t, std::function<void(const Message&)>> messages_;
    int sequence_ = 0;
};

}  // namespace quillon::app
