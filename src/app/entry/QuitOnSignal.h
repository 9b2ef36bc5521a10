#pragma once
// Ends the program in order (tray icon, workers, files) when the session sends SIGTERM or the
// user presses Ctrl+C in a terminal, instead of dying in the middle of a write.

#include <QObject>
#include <functional>
#include <memory>

class QSocketNotifier;

// Made first thing in main(), so that a signal that comes while the program starts is kept and
// handled as soon as the interface loop runs.
class QuitOnSignal final : public QObject {
  public:
    QuitOnSignal();
    ~QuitOnSignal() override;
    // Once the application exists: what a caught signal does.
    void onSignal(std::function<void()> quit);

  private:
    std::function<void()> quit_;
    int fds_[2] = {-1, -1};
    std::unique_ptr<QSocketNotifier> notifier_;
};
