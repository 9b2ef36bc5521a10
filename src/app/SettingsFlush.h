#pragma once
// The settings flush (window timer 2): a device whose current record was edited receives it with
// one WriteSettings on the next beat of a 100 ms rhythm that starts at the first show. The timer
// only runs while a write is pending: an edit arms it for the next beat, the beat that finds
// nothing more to send stops it. So edits reach the devices exactly when an always-running 100 ms
// timer would send them, and an idle program does not wake ten times a second for nothing.

#include <atomic>

#include "device/MemorySync.h"
#include "platform/Clock.h"

namespace quillon::app {

class CMainWnd;

class SettingsFlush {
  public:
    explicit SettingsFlush(CMainWnd& main) : main_(main) {}
    ~SettingsFlush();
    SettingsFlush(const SettingsFlush&) = delete;
    SettingsFlush& operator=(const SettingsFlush&) = delete;

    // Interface thread: the model's flags report to this flush from now on.
    void watchModel();
    // First show: the rhythm starts now; flags set earlier are sent on its first beat.
    void start();
    // Shutdown: no beat runs any more, whatever is set later.
    void stop();
    // The timer's beat: sends what is pending through `channels`.
    void beat(const ChannelTable& channels);

    static constexpr Millis kPeriodMs = 100;

  private:
    // Any thread: a flag was set.
    void pendingSet();
    Millis untilNextBeat() const;

    CMainWnd& main_;
    std::atomic<bool> running_{false};
    std::atomic<bool> armed_{false};
    std::atomic<Millis> origin_{0};
};

}  // namespace quillon::app
