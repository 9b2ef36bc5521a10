#include "toolkit/qt/UiBuilder.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QVBoxLayout>
#include <algorithm>

#include "platform/FileIo.h"
#include "toolkit/SkinPath.h"
#include "toolkit/qt/SkinImages.h"
#include "toolkit/qt/SkinUiLoader.h"

namespace quillon::toolkit::qt {

namespace {

std::size_t countNodes(const SkinNode& node) {
    std::size_t count = 1;
    for (const SkinNode& child : node.children) {
        count += countNodes(child);
    }
    return count;
}

void collectNamed(QWidget& widget, const std::unordered_set<QWidget*>& named,
                  std::vector<QWidget*>& out) {
    if (named.count(&widget) != 0) {
        out.push_back(&widget);
    }
    for (QObject* child : widget.children()) {
        if (auto* childWidget = qobject_cast<QWidget*>(child)) {
            collectNamed(*childWidget, named, out);
        }
    }
}

}  // namespace

UiBuilder::UiBuilder(const SkinFolder& folder, SkinImages& images, PageResolver pages)
    : folder_(folder), images_(images), pages_(std::move(pages)) {}

namespace {

// The skins use Qt's own widgets and Quillon's controls only, but a QUiLoader loads every designer
// plugin it finds as it is made (an installed Qt Quick plugin brings in Qt Quick, QML and the
// network stack: time and memory at every start). While the loaders are made the library paths
// are empty, so there is nothing to find.
class WithoutDesignerPlugins {
  public:
    WithoutDesignerPlugins() : saved_(QCoreApplication::libraryPaths()) {
        QCoreApplication::setLibraryPaths({});
    }
    ~WithoutDesignerPlugins() { QCoreApplication::setLibraryPaths(saved_); }
    WithoutDesignerPlugins(const WithoutDesignerPlugins&) = delete;
    WithoutDesignerPlugins& operator=(const WithoutDesignerPlugins&) = delete;

  private:
    const QStringList saved_;
};

}  // namespace

std::unique_ptr<QWidget> UiBuilder::build(std::string_view idOrFile, std::string& error) {
    const WithoutDesignerPlugins noPlugins;
    std::string fileName;
    if (folder_.resolve(idOrFile, fileName, error) != kSkinLoaded) {
        return nullptr;
    }
    return std::unique_ptr<QWidget>(loadFile(fileName, nullptr, 0, error));
}

QWidget* UiBuilder::loadFile(const std::string& fileName, QWidget* parent, int depth,
                             std::string& error) {
    SkinDocument document;
    if (folder_.readFile(fileName, document, error) != kSkinLoaded) {
        return nullptr;
    }
    const std::size_t nodes = countNodes(document.root);
    if (nodes > kMaxWindowNodes - std::min(nodes_, kMaxWindowNodes)) {
        error = "\"" + fileName + "\" makes the window too large";
        return nullptr;
    }
    std::string bytes;
    if (readWholeFile(pathInFolder(folder_.folder(), fileName), kMaxSkinFileBytes, bytes) !=
        ReadStatus::Loaded) {
        error = "\"" + fileName + "\" cannot be read";
        return nullptr;
    }
    QByteArray data = QByteArray::fromStdString(bytes);
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    SkinUiLoader loader(images_, pages_, document);
    loader.setWorkingDirectory(QDir(images_.skinDir()));
    QWidget* root = loader.load(&buffer, parent);
    if (root == nullptr) {
        error = "\"" + fileName + "\": " + loader.errorString().toStdString();
        return nullptr;
    }
    nodes_ += nodes;
    named_.insert(loader.created().begin(), loader.created().end());
    for (const PagePlaceholder& placeholder : loader.placeholders()) {
        fillPage(*placeholder.widget, placeholder.pageFile, depth + 1);
    }
    return root;
}

void UiBuilder::fillPage(QWidget& placeholder, const std::string& pageFile, int depth) {
    const std::string owner = placeholder.objectName().toStdString();
    if (depth > kMaxPageDepth) {
        warnings_.push_back("page \"" + pageFile + "\" of \"" + owner +
                            "\" is nested too deeply; left empty");
        return;
    }
    std::string error;
    QWidget* page = loadFile(pageFile, &placeholder, depth, error);
    if (page == nullptr) {
        warnings_.push_back("page of \"" + owner + "\" not built: " + error);
        return;
    }
    // The page's root only carries its children: its own name is not one of the window's.
    named_.erase(page);
    page->setObjectName(QString());
    QLayout* layout = placeholder.layout();
    if (layout == nullptr) {
        layout = new QVBoxLayout(&placeholder);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSpacing(0);
    }
    layout->addWidget(page);
}

std::vector<QWidget*> UiBuilder::namedWidgets(QWidget& root) const {
    std::vector<QWidget*> out;
    collectNamed(root, named_, out);
    out.erase(std::remove_if(out.begin(), out.end(),
                             [](QWidget* widget) { return widget->objectName().isEmpty(); }),
              out.end());
    return out;
}

}  // namespace quillon::toolkit::qt
