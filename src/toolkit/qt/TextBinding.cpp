#include "toolkit/qt/TextBinding.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QVariant>
#include <array>

#include "toolkit/SkinText.h"

namespace quillon::toolkit::qt {

namespace {

constexpr std::array<const char*, 5> kTextProperties = {"text", "toolTip", "windowTitle", "title",
                                                        "placeholderText"};
constexpr const char* kTooltipPlain = "qlnTooltipPlain";
constexpr const char* kTooltipWidth = "qlnTooltipWidth";

QByteArray idKey(const char* property) {
    return QByteArray("qlnId_") + property;
}

QString fromStd(const std::string& text) {
    return QString::fromStdString(text);
}

void setShown(QWidget& widget, const char* property, const QString& text) {
    if (qstrcmp(property, "toolTip") == 0) {
        showTooltip(widget, text, tooltipWidth(widget));
        return;
    }
    if (auto* label = qobject_cast<QLabel*>(&widget); label && qstrcmp(property, "text") == 0) {
        label->setTextFormat(Qt::PlainText);
    }
    widget.setProperty(property, text);
}

void bindComboItems(QComboBox& combo) {
    for (int i = 0; i < combo.count(); ++i) {
        const SkinText text = parseSkinText(combo.itemText(i).toStdString());
        if (text.isId) {
            combo.setItemData(i, fromStd(text.value), kTextIdRole);
        } else {
            combo.setItemText(i, fromStd(text.value));
        }
    }
}

void bindListItems(QListWidget& list) {
    for (int i = 0; i < list.count(); ++i) {
        QListWidgetItem* item = list.item(i);
        const SkinText text = parseSkinText(item->text().toStdString());
        if (text.isId) {
            item->setData(kTextIdRole, fromStd(text.value));
        } else {
            item->setText(fromStd(text.value));
        }
    }
}

void retranslateItems(QWidget& widget, const Translator& translate) {
    if (auto* combo = qobject_cast<QComboBox*>(&widget)) {
        for (int i = 0; i < combo->count(); ++i) {
            const QVariant id = combo->itemData(i, kTextIdRole);
            if (id.isValid()) {
                combo->setItemText(i, fromStd(translate(id.toString().toStdString())));
            }
        }
    } else if (auto* list = qobject_cast<QListWidget*>(&widget)) {
        for (int i = 0; i < list->count(); ++i) {
            const QVariant id = list->item(i)->data(kTextIdRole);
            if (id.isValid()) {
                list->item(i)->setText(fromStd(translate(id.toString().toStdString())));
            }
        }
    }
}

}  // namespace

const char* textPropertyOf(const QWidget& widget) {
    if (qobject_cast<const QLabel*>(&widget) || qobject_cast<const QAbstractButton*>(&widget) ||
        qobject_cast<const QLineEdit*>(&widget)) {
        return "text";
    }
    if (qobject_cast<const QGroupBox*>(&widget)) {
        return "title";
    }
    return nullptr;
}

void bindSkinTexts(QWidget& widget) {
    for (const char* property : kTextProperties) {
        const QVariant value = widget.property(property);
        if (value.typeId() != QMetaType::QString) {
            continue;
        }
        const SkinText text = parseSkinText(value.toString().toStdString());
        if (text.isId) {
            widget.setProperty(idKey(property).constData(), fromStd(text.value));
        } else if (value.toString().startsWith(QLatin1Char('@'))) {
            setShown(widget, property, fromStd(text.value));
        }
        if (qstrcmp(property, "toolTip") == 0 && !text.isId && !text.value.empty()) {
            widget.setProperty(kTooltipPlain, fromStd(text.value));
        }
    }
    if (auto* combo = qobject_cast<QComboBox*>(&widget)) {
        bindComboItems(*combo);
    } else if (auto* list = qobject_cast<QListWidget*>(&widget)) {
        bindListItems(*list);
    }
}

void showTextId(QWidget& widget, const char* property, const std::string& id,
                const Translator& translate) {
    widget.setProperty(idKey(property).constData(), fromStd(id));
    setShown(widget, property, fromStd(translate(id)));
}

void showPlainText(QWidget& widget, const char* property, const QString& text) {
    widget.setProperty(idKey(property).constData(), QVariant());
    setShown(widget, property, text);
}

std::string boundTextId(const QWidget& widget, const char* property) {
    return widget.property(idKey(property).constData()).toString().toStdString();
}

void showTooltip(QWidget& widget, const QString& text, int width) {
    widget.setProperty(kTooltipPlain, text);
    widget.setProperty(kTooltipWidth, width);
    if (width <= 0 || text.isEmpty()) {
        widget.setToolTip(text);
        return;
    }
    widget.setToolTip(QStringLiteral("<table width=\"%1\"><tr><td>%2</td></tr></table>")
                          .arg(width)
                          .arg(text.toHtmlEscaped()));
}

QString plainTooltip(const QWidget& widget) {
    const QVariant plain = widget.property(kTooltipPlain);
    return plain.isValid() ? plain.toString() : widget.toolTip();
}

int tooltipWidth(const QWidget& widget) {
    return widget.property(kTooltipWidth).toInt();
}

void retranslate(QWidget& widget, const Translator& translate) {
    for (const char* property : kTextProperties) {
        const QVariant id = widget.property(idKey(property).constData());
        if (id.isValid() && id.typeId() == QMetaType::QString) {
            setShown(widget, property, fromStd(translate(id.toString().toStdString())));
        }
    }
    retranslateItems(widget, translate);
}

}  // namespace quillon::toolkit::qt
