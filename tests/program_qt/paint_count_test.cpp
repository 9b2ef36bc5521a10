// What the whole program paints on the Qt toolkit (offscreen) with three simulated devices: the
// window open on a page without a preview paints nothing once it has settled, and a changing
// preview area repaints only its own rectangle. Paint events are counted by a filter on the
// application; this runs on real time, so the spans are short.
#include <gtest/gtest.h>
#include <QApplication>
#include <QPaintEvent>
#include <QWidget>
#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
#include <thread>
#include <vector>

#include "app/MainWindow.h"
#include "common/TestFolders.h"
#include "platform/ForegroundApp.h"
#include "platform/MachineSettings.h"
#include "platform/MemoryPointerSettings.h"
#include "platform/sim/SimBackend.h"
#include "toolkit/qt/QtToolkit.h"
#include "toolkit/qt/QtWindow.h"
#include "ui/Program.h"

namespace quillon {
namespace {

void ensureApplication() {
    static int argc = 1;
    static char name[] = "program_qt_tests";
    static char* argv[] = {name, nullptr};
    if (QApplication::instance() == nullptr) {
        static QApplication* application = new QApplication(argc, argv);
        (void)application;
    }
}

// Every paint event of the widgets under `root`, with the painted region in root coordinates.
class PaintRecorder : public QObject {
  public:
    explicit PaintRecorder(QWidget& root) : root_(&root) { qApp->installEventFilter(this); }
    ~PaintRecorder() override { qApp->removeEventFilter(this); }

    void clear() { painted_.clear(); }
    std::size_t count() const { return painted_.size(); }
    // The painted regions that reach outside `area` (root coordinates).
    std::size_t outside(const QRect& area) const {
        std::size_t n = 0;
        for (const QRegion& region : painted_) {
            n += region.subtracted(QRegion(area)).isEmpty() ? 0 : 1;
        }
        return n;
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (event->type() == QEvent::Paint && widget != nullptr &&
            (widget == root_ || root_->isAncestorOf(widget))) {
            const QRegion region = static_cast<QPaintEvent*>(event)->region();
            painted_.push_back(region.translated(widget->mapTo(root_, QPoint(0, 0))));
        }
        return false;
    }

  private:
    QWidget* root_;
    std::vector<QRegion> painted_;
};

class PaintCount : public ::testing::Test {
  protected:
    void SetUp() override {
        ensureApplication();
        toolkit_ = std::make_unique<toolkit::qt::QtToolkit>(test::programDir() + "skin/");
        sim_ = std::make_unique<SimBackend>(toolkit_->clock());
        for (SimKind kind : {SimKind::Mouse, SimKind::Keyboard, SimKind::Mousepad}) {
            sim_->plug(kind);
        }
        machine_ = std::make_unique<MachineSettings>(data_.path() + "machine.ini");
        desktop_ = std::make_unique<MemoryPointerSettings>(toolkit_->clock());
        Paths paths;
        paths.dataDir = data_.path();
        paths.programDir = test::programDir();
        program_ = std::make_unique<ui::Program>(
            app::ShellPorts{*toolkit_, *sim_, paths, *machine_, "C", *desktop_, foreground_});
        ASSERT_TRUE(program_->start());
        ASSERT_TRUE(waitFor([this] { return program_->main().anyDeviceConnected(); }, 10000));
        program_->showRequest();
        ASSERT_TRUE(waitFor([this] { return main().window().isExposed(); }, 5000));
    }

    void TearDown() override {
        if (program_) {
            program_->main().destroy();
        }
        program_.reset();
        toolkit_.reset();
    }

    app::CMainWnd& main() { return program_->main(); }
    QWidget& root() { return *static_cast<toolkit::qt::QtWindow&>(main().window()).root(); }

    static bool waitFor(const std::function<bool()>& done, int ms) {
        const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
        while (!done()) {
            if (std::chrono::steady_clock::now() > end) {
                return false;
            }
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
        return true;
    }
    static void runFor(int ms) {
        waitFor([] { return false; }, ms);
    }

    // Shows the mouse performance page and lets the first whole-device reads refresh it.
    void showMousePerformancePage() {
        for (const char* tab : {"ms_tab", "ms_rich_Op_tab"}) {
            toolkit::Control* control = main().find(tab);
            ASSERT_NE(control, nullptr) << tab;
            control->set(toolkit::Prop::Selected, true, toolkit::Notify::Yes);
        }
        runFor(1500);
    }

    QRect rectOf(const char* name) {
        auto* widget = root().findChild<QWidget*>(QString::fromLatin1(name));
        return widget == nullptr ? QRect()
                                 : QRect(widget->mapTo(&root(), QPoint(0, 0)), widget->size());
    }

    test::TempFolder data_;
    std::unique_ptr<toolkit::qt::QtToolkit> toolkit_;
    std::unique_ptr<SimBackend> sim_;
    std::unique_ptr<MachineSettings> machine_;
    std::unique_ptr<MemoryPointerSettings> desktop_;
    ScriptedForegroundApp foreground_;
    std::unique_ptr<ui::Program> program_;
};

TEST_F(PaintCount, TheOpenWindowPaintsNothingWhileNothingChanges) {
    showMousePerformancePage();
    PaintRecorder paints(root());
    runFor(2000);
    EXPECT_EQ(paints.count(), 0u);
    EXPECT_TRUE(main().window().isVisible());
}

TEST_F(PaintCount, AChangingPreviewRepaintsOnlyItsOwnRectangle) {
    showMousePerformancePage();
    const char* kArea = "ms_DPI1_slider";
    const QRect area = rectOf(kArea);
    ASSERT_FALSE(area.isEmpty());
    std::shared_ptr<toolkit::PreviewArea> preview = main().previews().add(kArea);
    main().updatePreviewTicks();  // as after the first show, where the pages add their areas
    PaintRecorder paints(root());
    std::atomic<bool> stop{false};
    // A frame every 10 ms from a worker thread, as a lighting worker computes them.
    std::thread worker([&] {
        while (!stop.load()) {
            preview->frameChanged();
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
    });
    runFor(1000);
    stop.store(true);
    worker.join();
    // A 50 ms tick over a second: about 20 repaints of the area (the page behind it included).
    EXPECT_GE(paints.count(), 10u);
    EXPECT_EQ(paints.outside(area), 0u);

    main().previews().remove(kArea);
    main().updatePreviewTicks();
    runFor(200);
    paints.clear();
    runFor(500);
    EXPECT_EQ(paints.count(), 0u);
}

}  // namespace
}  // namespace quillon
