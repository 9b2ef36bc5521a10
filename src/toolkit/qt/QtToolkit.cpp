#include "toolkit/qt/QtToolkit.h"

#include <QApplication>
#include <QMenu>
#include <QRegularExpression>

#include "platform/DebugLog.h"
#include "platform/FileIo.h"
#include "toolkit/SkinPath.h"
#include "toolkit/qt/InterfaceClock.h"
#include "toolkit/qt/MessagePump.h"
#include "toolkit/qt/QtInputCapture.h"
#include "toolkit/qt/QtWindow.h"
#include "toolkit/qt/SkinImages.h"
#include "toolkit/qt/SkinStyle.h"
#include "toolkit/qt/TrayIcon.h"
#include "toolkit/qt/UiBuilder.h"

namespace quillon::toolkit::qt {

namespace {

int gArgc = 1;
char gProgramName[] = "quillon";
char* gArgv[] = {gProgramName, nullptr};

std::unique_ptr<QApplication> applicationIfMissing() {
    if (QCoreApplication::instance() != nullptr) {
        return nullptr;
    }
    return std::make_unique<QApplication>(gArgc, gArgv);
}

// Relative url(...) references of the style sheet point into the skin folder; references that
// would leave it are dropped.
QString anchorUrls(const QString& sheet, const SkinImages& images) {
    static const QRegularExpression url(QStringLiteral(R"(url\(\s*(['"]?)([^'")]*)\1\s*\))"));
    QString result;
    qsizetype last = 0;
    for (auto it = url.globalMatch(sheet); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        const QString target = match.captured(2).trimmed();
        QString anchored = target.startsWith(QLatin1Char(':')) ? target : images.resolve(target);
        anchored.replace(QLatin1Char('"'), QString());
        result += sheet.mid(last, match.capturedStart() - last);
        result += QStringLiteral("url(\"%1\")").arg(anchored);
        last = match.capturedEnd();
    }
    result += sheet.mid(last);
    return result;
}

}  // namespace

QtToolkit::QtToolkit(std::string skinDir)
    : ownApplication_(applicationIfMissing()),
      skinDir_(std::move(skinDir)),
      folder_(skinDir_),
      clock_(std::make_unique<InterfaceClock>()),
      images_(std::make_unique<SkinImages>(QString::fromStdString(skinDir_))),
      pump_(std::make_unique<MessagePump>(*clock_)),
      capture_(std::make_unique<QtInputCapture>(*this)) {
    applyStyleSheet();
}

QtToolkit::~QtToolkit() {
    capture_.reset();
    if (menu_) {
        delete menu_.data();
    }
    tray_.reset();
    pump_.reset();
}

InputCapture& QtToolkit::inputCapture() {
    return *capture_;
}

Clock& QtToolkit::clock() {
    return *clock_;
}

// The skin's sheet is drawn through SkinStyle rather than set on the application, which would
// make Qt keep its rules and results for every widget of every window.
void QtToolkit::applyStyleSheet() {
    std::string bytes;
    QString sheet;
    if (readWholeFile(pathInFolder(skinDir_, "quillon.qss"), kMaxSkinFileBytes, bytes) ==
        ReadStatus::Loaded) {
        sheet = anchorUrls(QString::fromUtf8(bytes.data(), qsizetype(bytes.size())), *images_);
    }
    QApplication::setStyle(new SkinStyle(sheet));  // the application owns its style
}

std::unique_ptr<Window> QtToolkit::createWindow(const WindowSpec& spec) {
    UiBuilder builder(folder_, *images_, spec.pageFile);
    std::string error;
    std::unique_ptr<QWidget> root = builder.build(spec.skin, error);
    for (const std::string& warning : builder.warnings()) {
        debugLog("skin \"" + spec.skin + "\": " + warning);
    }
    if (!root) {
        debugLog("skin \"" + spec.skin + "\" not built: " + error);
        return nullptr;
    }
    const std::vector<QWidget*> named = builder.namedWidgets(*root);
    const int id = nextWindowId_++;
    auto window = std::make_unique<QtWindow>(*this, id, spec, std::move(root), named);
    windows_[id] = window.get();
    window->retranslate();
    return window;
}

bool QtToolkit::onInterfaceThread() const {
    return clock_->onInterfaceThread();
}

QtWindow* QtToolkit::windowById(int id) const {
    const auto found = windows_.find(id);
    return found == windows_.end() ? nullptr : found->second;
}

void QtToolkit::windowGone(int id) {
    windows_.erase(id);
    if (capture_) {
        capture_->windowGone(id);
    }
}

bool QtToolkit::loadLanguage(const std::string& fileName) {
    if (!isNameInsideFolder(fileName)) {
        debugLog("language file name leaves the skin folder: " + fileName);
        return false;
    }
    std::string error;
    if (language_.loadFile(pathInFolder(skinDir_, fileName), &error) != LanguageTable::kLoaded) {
        debugLog("language file " + fileName + " not loaded: " + error);
        return false;
    }
    for (const auto& [id, window] : windows_) {
        window->retranslate();
    }
    return true;
}

std::string QtToolkit::translate(std::string_view id) const {
    if (textQuery_) {
        if (std::optional<std::string> answer = textQuery_(id)) {
            return *answer;
        }
    }
    if (std::optional<std::string> text = language_.find(id)) {
        return *text;
    }
    return std::string(id);
}

void QtToolkit::setTextQuery(std::function<std::optional<std::string>(std::string_view id)> query) {
    textQuery_ = std::move(query);
}

int QtToolkit::run() {
    if (pendingQuit_) {
        const int code = *pendingQuit_;
        pendingQuit_.reset();
        return code;
    }
    running_ = true;
    const int code = QApplication::exec();
    running_ = false;
    return code;
}

void QtToolkit::quit(int code) {
    pump_->post([this, code] {
        if (running_) {
            QCoreApplication::exit(code);
        } else {
            pendingQuit_ = code;
        }
    });
}

void QtToolkit::setModalHook(std::function<void(Window&)> hook) {
    modalHook_ = std::move(hook);
}

void QtToolkit::modalStarted(Window& window) {
    if (modalHook_) {
        auto hook = modalHook_;
        hook(window);
    }
}

void QtToolkit::setFileDialogResponder(
    std::function<std::optional<std::string>(const FileDialogSpec&)> responder) {
    fileResponder_ = std::move(responder);
}

void QtToolkit::setUrlOpener(std::function<void(const std::string&)> opener) {
    urlOpener_ = std::move(opener);
}

QMenu* QtToolkit::openMenuWidget() const {
    return menu_ && menu_->isVisible() ? menu_.data() : nullptr;
}

}  // namespace quillon::toolkit::qt
