#include "KWinForegroundApp.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVirtualObject>
#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include "platform/DebugLog.h"
#include "platform/linux/ProcessExecutable.h"

namespace quillon {
namespace {

constexpr const char* kObjectPath = "/io/github/quillon/Foreground";
constexpr const char* kInterface = "io.github.quillon.Foreground";
constexpr const char* kPluginName = "quillon-foreground";

QDBusMessage kwinCall(const QString& path, const QString& interface, const QString& method,
                      const QVariantList& args) {
    QDBusMessage call = QDBusMessage::createMethodCall("org.kde.KWin", path, interface, method);
    call.setArguments(args);
    return QDBusConnection::sessionBus().call(call, QDBus::Block, 3000);
}

}  // namespace

// Receives the script's calls: activated(pid).
class KWinForegroundApp::Endpoint final : public QDBusVirtualObject {
  public:
    explicit Endpoint(KWinForegroundApp& owner) : owner_(owner) {}
    QString introspect(const QString&) const override {
        return QStringLiteral(
                   "<interface name=\"%1\"><method name=\"activated\">"
                   "<arg name=\"pid\" type=\"x\" direction=\"in\"/></method>"
                   "</interface>")
            .arg(kInterface);
    }
    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override {
        if (message.member() != "activated" || message.arguments().size() != 1) {
            return false;
        }
        bool ok = false;
        const long long pid = message.arguments().front().toLongLong(&ok);
        if (ok) {
            owner_.activated(pid);
        }
        connection.send(message.createReply());
        return true;
    }

  private:
    KWinForegroundApp& owner_;
};

std::string KWinForegroundApp::scriptText(const std::string& destination) {
    // Plasma 6 names windows "window", Plasma 5 "client".
    return "function report(w) {\n"
           "    callDBus(\"" +
           destination + "\", \"" + kObjectPath + "\", \"" + kInterface +
           "\", \"activated\", w ? w.pid : 0);\n"
           "}\n"
           "if (workspace.windowActivated) {\n"
           "    workspace.windowActivated.connect(report);\n"
           "    report(workspace.activeWindow);\n"
           "} else {\n"
           "    workspace.clientActivated.connect(report);\n"
           "    report(workspace.activeClient);\n"
           "}\n";
}

std::unique_ptr<KWinForegroundApp> KWinForegroundApp::start() {
    std::unique_ptr<KWinForegroundApp> app(new KWinForegroundApp);
    if (!app->load()) {
        return nullptr;
    }
    return app;
}

bool KWinForegroundApp::load() {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        return false;
    }
    endpoint_ = std::make_unique<Endpoint>(*this);
    if (!bus.registerVirtualObject(kObjectPath, endpoint_.get())) {
        return false;
    }
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    scriptFile_ = QDir(folder).filePath("quillon-foreground.js").toStdString();
    QFile file(QString::fromStdString(scriptFile_));
    if (folder.isEmpty() || !file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        return false;
    }
    file.write(QByteArray::fromStdString(scriptText(bus.baseService().toStdString())));
    file.close();
    // A script left by an earlier run that ended without unloading it would report twice.
    kwinCall("/Scripting", "org.kde.kwin.Scripting", "unloadScript", {QString(kPluginName)});
    const QDBusMessage loaded =
        kwinCall("/Scripting", "org.kde.kwin.Scripting", "loadScript",
                 {QString::fromStdString(scriptFile_), QString(kPluginName)});
    if (loaded.type() != QDBusMessage::ReplyMessage || loaded.arguments().isEmpty()) {
        debugLog("KWin scripting is not available");
        return false;
    }
    const int id = loaded.arguments().front().toInt();
    if (id < 0) {
        return false;
    }
    // Plasma 6 and Plasma 5 place the loaded script at different paths.
    for (const QString& path :
         {QStringLiteral("/Scripting/Script%1").arg(id), QStringLiteral("/%1").arg(id)}) {
        if (kwinCall(path, "org.kde.kwin.Script", "run", {}).type() == QDBusMessage::ReplyMessage) {
            return true;
        }
    }
    unload();
    return false;
}

void KWinForegroundApp::unload() {
    kwinCall("/Scripting", "org.kde.kwin.Scripting", "unloadScript", {QString(kPluginName)});
}

KWinForegroundApp::~KWinForegroundApp() {
    if (endpoint_) {
        unload();
        QDBusConnection::sessionBus().unregisterObject(kObjectPath);
    }
    if (!scriptFile_.empty()) {
        QFile::remove(QString::fromStdString(scriptFile_));
    }
}

void KWinForegroundApp::activated(long long pid) {
    std::lock_guard lock(mutex_);
    pid_ = pid;
}

std::optional<std::string> KWinForegroundApp::executablePath() {
    std::optional<long long> pid;
    {
        std::lock_guard lock(mutex_);
        pid = pid_;
    }
    if (!pid) {
        return std::nullopt;
    }
    if (*pid <= 0 || *pid > 0x7FFFFFFF) {
        return std::string();
    }
    return processExecutable(static_cast<int>(*pid));
}

}  // namespace quillon
