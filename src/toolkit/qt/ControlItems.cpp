// Combo and list entries, and the selected item or page.
#include <QComboBox>
#include <QListWidget>
#include <QStackedWidget>
#include <QTabWidget>

#include "toolkit/qt/QtControl.h"
#include "toolkit/qt/QtToolkit.h"
#include "toolkit/qt/QtWindow.h"
#include "toolkit/qt/TextBinding.h"

namespace quillon::toolkit::qt {

namespace {

// What an entry carries besides its shown text.
constexpr int kIdRole = Qt::UserRole + 41;
constexpr int kHeightRole = Qt::UserRole + 42;
constexpr int kStyleRole = Qt::UserRole + 43;
constexpr int kMaxItemHeight = 1000;

QString fromStd(const std::string& text) {
    return QString::fromStdString(text);
}

// Reads and writes one entry of either class through the same roles.
struct Entries {
    QComboBox* combo;
    QListWidget* list;

    explicit Entries(QWidget* widget)
        : combo(qobject_cast<QComboBox*>(widget)), list(qobject_cast<QListWidget*>(widget)) {}
    bool exists() const { return combo != nullptr || list != nullptr; }
    int count() const { return combo ? combo->count() : list ? list->count() : 0; }
    QVariant data(int index, int role) const {
        return combo ? combo->itemData(index, role) : list->item(index)->data(role);
    }
    void setData(int index, int role, const QVariant& value) {
        combo ? combo->setItemData(index, value, role) : list->item(index)->setData(role, value);
    }
    void insert(int index) {
        combo ? combo->insertItem(index, QString()) : list->insertItem(index, QString());
    }
    void remove(int index) {
        if (combo) {
            combo->removeItem(index);
        } else {
            delete list->takeItem(index);
        }
    }
    int current() const { return combo ? combo->currentIndex() : list->currentRow(); }
    // Selects `index` (-1: nothing) unless it already is the selection.
    void keepCurrent(int index) {
        if (current() == index) {
            return;
        }
        if (combo) {
            combo->setCurrentIndex(index);
        } else {
            list->setCurrentRow(index);
            if (index < 0) {
                list->clearSelection();
            }
        }
    }
};

// Where the selected entry is after an entry was inserted at, or removed from, `at`.
int afterInsert(int selected, int at) {
    return selected >= 0 && at <= selected ? selected + 1 : selected;
}

int afterRemove(int selected, int at) {
    return selected == at ? -1 : selected > at ? selected - 1 : selected;
}

void writeEntry(Entries& entries, int index, const Item& item, const Translator& translate) {
    const std::string shown = item.textIsId ? translate(item.text) : item.text;
    entries.setData(index, Qt::DisplayRole, fromStd(shown));
    entries.setData(index, kTextIdRole, item.textIsId ? QVariant(fromStd(item.text)) : QVariant());
    entries.setData(index, kIdRole, fromStd(item.id));
    const int height = std::clamp(item.height, 1, kMaxItemHeight);
    entries.setData(index, kHeightRole, height);
    entries.setData(index, Qt::SizeHintRole, QSize(0, height));
    entries.setData(index, kStyleRole, fromStd(item.style));
}

Item readEntry(const Entries& entries, int index) {
    Item item;
    const QVariant id = entries.data(index, kTextIdRole);
    item.textIsId = id.isValid();
    item.text =
        (item.textIsId ? id : entries.data(index, Qt::DisplayRole)).toString().toStdString();
    item.id = entries.data(index, kIdRole).toString().toStdString();
    const QVariant height = entries.data(index, kHeightRole);
    if (height.isValid()) {
        item.height = height.toInt();
    }
    item.style = entries.data(index, kStyleRole).toString().toStdString();
    return item;
}

}  // namespace

int QtControl::itemCount() const {
    return Entries(widget_.data()).count();
}

Item QtControl::item(int index) const {
    const Entries entries(widget_.data());
    if (index < 0 || index >= entries.count()) {
        return {};
    }
    return readEntry(entries, index);
}

void QtControl::insertItem(int index, const Item& item) {
    Entries entries(widget_.data());
    if (!entries.exists()) {
        return;
    }
    if (index < 0 || index > entries.count()) {
        index = entries.count();
    }
    const Quiet quiet(*this);
    const int selected = entries.current();
    entries.insert(index);
    writeEntry(entries, index, item,
               [this](std::string_view id) { return window_.toolkit().translate(id); });
    entries.keepCurrent(afterInsert(selected, index));
}

void QtControl::setItem(int index, const Item& item) {
    Entries entries(widget_.data());
    if (index < 0 || index >= entries.count()) {
        return;
    }
    const Quiet quiet(*this);
    writeEntry(entries, index, item,
               [this](std::string_view id) { return window_.toolkit().translate(id); });
}

void QtControl::removeItem(int index) {
    Entries entries(widget_.data());
    if (index < 0 || index >= entries.count()) {
        return;
    }
    const Quiet quiet(*this);
    const int selected = entries.current();
    entries.remove(index);
    entries.keepCurrent(afterRemove(selected, index));
}

void QtControl::clearItems() {
    Entries entries(widget_.data());
    const Quiet quiet(*this);
    if (entries.combo) {
        entries.combo->clear();
    } else if (entries.list) {
        entries.list->clear();
    }
}

void QtControl::moveItem(int from, int to) {
    Entries entries(widget_.data());
    const int count = entries.count();
    if (from < 0 || from >= count || to < 0 || to >= count || from == to) {
        return;
    }
    const Quiet quiet(*this);
    const int selected = entries.current();
    const Item moved = readEntry(entries, from);
    entries.remove(from);
    entries.insert(to);
    writeEntry(entries, to, moved,
               [this](std::string_view id) { return window_.toolkit().translate(id); });
    entries.keepCurrent(selected == from ? to : afterInsert(afterRemove(selected, from), to));
}

void QtControl::scrollToItem(int index) {
    auto* list = qobject_cast<QListWidget*>(widget_.data());
    if (list != nullptr && index >= 0 && index < list->count()) {
        list->scrollToItem(list->item(index));
    }
}

void QtControl::setIndex(int index, Notify notify) {
    QWidget* widget = widget_.data();
    if (auto* stack = qobject_cast<QStackedWidget*>(widget)) {
        if (index >= 0 && index < stack->count()) {
            stack->setCurrentIndex(index);
        }
        return;
    }
    if (auto* tabs = qobject_cast<QTabWidget*>(widget)) {
        if (index >= 0 && index < tabs->count()) {
            tabs->setCurrentIndex(index);
        }
        return;
    }
    Entries entries(widget);
    if (!entries.exists() || index < -1 || index >= entries.count()) {
        return;
    }
    const int before = entries.combo ? entries.combo->currentIndex() : entries.list->currentRow();
    if (before == index) {
        return;
    }
    {
        const Quiet quiet(*this);
        entries.combo ? entries.combo->setCurrentIndex(index) : entries.list->setCurrentRow(index);
    }
    if (notify == Notify::Yes) {
        Notification chosen;
        chosen.type = "itemselect";
        chosen.index = index;
        this->notify(chosen);
    }
}

}  // namespace quillon::toolkit::qt
