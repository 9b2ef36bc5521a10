#pragma once
// Ends the program in order (tray icon, workers, files) when the session sends SIGTERM or the
// user presses Ctrl+C in a terminal, instead of dying in the middle of a write.

#include <QObject>
#include <functional>
#include <memory>

class QSocketNotifier;

class QuitOnSignal final : public QObject {
  public:
    explicit QuitOnSignal(std::function<void()> quit);
    ~QuitOnSignal() override;

  private:
    std::function<void()> quit_;
    int fds_[2] = {-1, -1};
    std::unique_ptr<QSocketNotifier> notifier_;
};
