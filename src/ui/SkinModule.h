#pragma once
// The skin button of the main window's caption and the skin window it opens. The button is shown
// once the program knows it can offer the window.

#include <memory>

#include "app/Module.h"
#include "ui/SkinFrame.h"

namespace quillon::ui {

class SkinModule final : public app::Module {
  public:
    ~SkinModule() override;
    void install(app::CMainWnd& main) override;
    void shutDown(app::CMainWnd& main) override;
    // The open skin window, or null.
    CSkinFrame* frame() { return frame_ && frame_->isOpen() ? frame_.get() : nullptr; }

  private:
    void openFrame();

    app::CMainWnd* main_ = nullptr;
    std::unique_ptr<CSkinFrame> frame_;
    std::unique_ptr<CSkinFrame> closing_;  // closed, kept until its handler has returned
};

}  // namespace quillon::ui
