#include "toolkit/qt/SkinStyle.h"

#include <QAbstractItemView>
#include <QAbstractScrollArea>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSlider>
#include <QStackedWidget>

namespace quillon::toolkit::qt {

namespace {

constexpr char kLookProperty[] = "qlnLook";
constexpr char kSerialProperty[] = "qlnStyle";
constexpr char kOwnSheetProperty[] = "qlnOwnSheet";

template <typename T>
QWidget* make(QWidget* parent) {
    return new T(parent);
}

struct ModelledClass {
    const char* name;
    QWidget* (*make)(QWidget* parent);
};

// The Qt classes drawn with a model, most derived first, and how their model is made. A class of
// this program counts as the Qt class it derives from.
const ModelledClass kModelledClasses[] = {{"QPushButton", make<QPushButton>},
                                          {"QCheckBox", make<QCheckBox>},
                                          {"QRadioButton", make<QRadioButton>},
                                          {"QLineEdit", make<QLineEdit>},
                                          {"QSlider", make<QSlider>},
                                          {"QComboBox", make<QComboBox>},
                                          {"QLabel", make<QLabel>},
                                          {"QStackedWidget", make<QStackedWidget>},
                                          {"QFrame", make<QFrame>},
                                          {"QWidget", make<QWidget>}};

bool isOwnClass(const QMetaObject* meta) {
    return qstrncmp(meta->className(), "quillon::", 9) == 0;
}

// The Qt class a widget is modelled on, or nullptr when its class is not one SkinStyle models.
const ModelledClass* modelledClassOf(const QWidget& widget) {
    const QMetaObject* meta = widget.metaObject();
    while (meta != nullptr && isOwnClass(meta)) {
        meta = meta->superClass();
    }
    if (meta == nullptr) {
        return nullptr;
    }
    for (const ModelledClass& modelled : kModelledClasses) {
        if (qstrcmp(meta->className(), modelled.name) == 0) {
            return &modelled;
        }
    }
    return nullptr;
}

void addClassChain(const QMetaObject* meta, std::vector<std::string>& classes) {
    for (; meta != nullptr; meta = meta->superClass()) {
        std::string name = meta->className();
        if (std::find(classes.begin(), classes.end(), name) == classes.end()) {
            classes.push_back(std::move(name));
        }
    }
}

// Everything the sheet's selectors could name in a widget and the parts it is made of: its own
// classes, its children's, and for a combo box the list it makes when first opened.
std::vector<std::string> classesIn(const QWidget& widget) {
    std::vector<std::string> classes;
    addClassChain(widget.metaObject(), classes);
    for (const QWidget* child : widget.findChildren<QWidget*>()) {
        addClassChain(child->metaObject(), classes);
    }
    if (qobject_cast<const QComboBox*>(&widget) != nullptr) {
        addClassChain(&QListView::staticMetaObject, classes);
        addClassChain(&QScrollBar::staticMetaObject, classes);
    }
    if (widget.inherits("QTipLabel")) {
        classes.push_back("QToolTip");
    }
    return classes;
}

int nextSerial() {
    static int serial = 0;
    return --serial;  // below the serials the controls number themselves with
}

QString lookRule(const QWidget& widget) {
    const QString look = widget.property(kLookProperty).toString();
    if (look.isEmpty()) {
        return QString();
    }
    return QStringLiteral("*[%1=\"%2\"] { %3 }")
        .arg(QLatin1String(kSerialProperty))
        .arg(widget.property(kSerialProperty).toInt())
        .arg(look);
}

// What the sheet engine sets on a widget it polishes, taken from the widget's model.
void takeSetUpFrom(const QWidget& model, QWidget& widget) {
    widget.setPalette(model.palette());
    widget.setFont(model.font());
    if (model.testAttribute(Qt::WA_Hover)) {
        widget.setAttribute(Qt::WA_Hover);
        widget.setMouseTracking(true);
    }
    widget.setAttribute(Qt::WA_StyleSheetTarget, model.testAttribute(Qt::WA_StyleSheetTarget));
    const bool styledBackground = model.testAttribute(Qt::WA_StyledBackground);
    if (styledBackground && (widget.metaObject() == &QWidget::staticMetaObject ||
                             qobject_cast<QFrame*>(&widget) != nullptr)) {
        widget.setAttribute(Qt::WA_StyledBackground);
    }
    if (styledBackground && widget.autoFillBackground()) {
        widget.setAutoFillBackground(false);
    }
    // The sheet's min-width and the like, as the engine marks them on what it limits.
    if (model.property("_q_stylesheet_minw").toBool()) {
        widget.setMinimumWidth(model.minimumWidth());
    }
    if (model.property("_q_stylesheet_minh").toBool()) {
        widget.setMinimumHeight(model.minimumHeight());
    }
    if (model.property("_q_stylesheet_maxw").toBool()) {
        widget.setMaximumWidth(model.maximumWidth());
    }
    if (model.property("_q_stylesheet_maxh").toBool()) {
        widget.setMaximumHeight(model.maximumHeight());
    }
}

}  // namespace

SkinStyle::SkinStyle(const QString& sheet)
    : sheet_(sheet), rules_(splitSheet(sheet.toStdString())) {
    if (!sheet_.trimmed().isEmpty()) {
        modelRoot_ = std::make_unique<QWidget>();
        modelRoot_->setObjectName(QStringLiteral("qln_style_models"));
        modelRoot_->setStyleSheet(sheet_);
    }
}

SkinStyle::~SkinStyle() = default;

SkinStyle* SkinStyle::current() {
    return qobject_cast<SkinStyle*>(QApplication::style());
}

bool SkinStyle::drawsOwnSheet(const QWidget& widget) const {
    if (modelledClassOf(widget) == nullptr || widget.inherits("QTipLabel")) {
        return true;
    }
    // A link changes colour under the pointer: the label's own painting asks the sheet engine.
    return qobject_cast<const QLabel*>(&widget) != nullptr &&
           widget.property("role").toString() == QLatin1String("link");
}

void SkinStyle::polish(QWidget* widget) {
    QProxyStyle::polish(widget);
    if (widget != nullptr && modelRoot_ && !settingSheet_) {
        setUp(*widget);
    }
}

void SkinStyle::unpolish(QWidget* widget) {
    forget(widget);
    QProxyStyle::unpolish(widget);
}

void SkinStyle::setLook(QWidget& widget, const QString& declarations) {
    if (widget.property(kSerialProperty).isNull()) {
        widget.setProperty(kSerialProperty, nextSerial());
    }
    widget.setProperty(kLookProperty, declarations);
    if (!modelRoot_) {
        setSheet(widget, lookRule(widget));  // no skin sheet: the control's look alone
    } else if (widget.testAttribute(Qt::WA_WState_Polished)) {
        setUp(widget);
        widget.update();
    }  // else set up when polished
}

void SkinStyle::setUp(QWidget& widget) {
    if (widget.style() == this) {
        if (drawsOwnSheet(widget)) {
            giveOwnSheet(widget);
        } else {
            drawWithModel(widget);
        }
    } else if (widget.property(kOwnSheetProperty).toBool()) {
        giveOwnSheet(widget);  // its own sheet, with the look as it is now
    } else if (!widget.property(kLookProperty).isNull()) {
        setSheet(widget, lookRule(widget));  // under a parent's sheet: adds its look to it
    }
}

void SkinStyle::drawUnderOwnSheet(QWidget& widget) {
    if (modelRoot_ && widget.style() == this) {
        giveOwnSheet(widget);
    }
}

void SkinStyle::giveOwnSheet(QWidget& widget) {
    forget(&widget);
    widget.setProperty(kOwnSheetProperty, true);
    const std::string rules = rulesSelecting(rules_, classesIn(widget));
    setSheet(widget, QString::fromStdString(rules) + lookRule(widget));
}

void SkinStyle::setSheet(QWidget& widget, const QString& sheet) {
    if (widget.styleSheet() == sheet) {
        return;
    }
    settingSheet_ = true;
    widget.setStyleSheet(sheet);
    settingSheet_ = false;
}

void SkinStyle::drawWithModel(QWidget& widget) {
    QWidget* model = modelFor(widget);
    QWidget* before = drawnWith_.value(&widget);
    if (before != model) {
        forget(&widget);
        connect(&widget, &QObject::destroyed, this, &SkinStyle::widgetDestroyed,
                Qt::UniqueConnection);
        drawnWith_.insert(&widget, model);
        ++uses_[model];
    }
    takeSetUpFrom(*model, widget);
}

QWidget* SkinStyle::modelFor(const QWidget& widget) {
    const ModelledClass* modelled = modelledClassOf(widget);
    const QString className = QLatin1String(modelled->name);
    const QString role = widget.property("role").toString();
    const QString look = widget.property(kLookProperty).toString();
    QString key = className + QLatin1Char('|') + role + QLatin1Char('|') + look;
    if (const auto* slider = qobject_cast<const QSlider*>(&widget)) {
        key += slider->orientation() == Qt::Vertical ? QStringLiteral("|v") : QStringLiteral("|h");
    }
    if (const auto* edit = qobject_cast<const QLineEdit*>(&widget)) {
        key += edit->isReadOnly() ? QStringLiteral("|ro") : QStringLiteral("|rw");
    }
    if (QWidget* model = models_.value(key)) {
        return model;
    }
    QWidget* model = modelled->make(modelRoot_.get());
    model->setProperty("role", widget.property("role"));
    if (auto* slider = qobject_cast<QSlider*>(model)) {
        slider->setOrientation(qobject_cast<const QSlider*>(&widget)->orientation());
    }
    if (auto* edit = qobject_cast<QLineEdit*>(model)) {
        edit->setReadOnly(qobject_cast<const QLineEdit*>(&widget)->isReadOnly());
    }
    if (!look.isEmpty()) {
        model->setStyleSheet(QStringLiteral("* { %1 }").arg(look));
    }
    model->ensurePolished();
    models_.insert(key, model);
    return model;
}

// A model no control is drawn with any more goes, so that looks chosen one after another (a
// stage colour being picked) do not pile up.
void SkinStyle::forget(const QObject* widget) {
    const auto found = drawnWith_.find(static_cast<const QWidget*>(widget));
    if (found == drawnWith_.end()) {
        return;
    }
    QWidget* model = found.value();
    drawnWith_.erase(found);
    if (--uses_[model] <= 0) {
        uses_.remove(model);
        models_.remove(models_.key(model));  // a few dozen models at most
        delete model;
    }
}

// Each query about a control drawn with a model is asked about the model, of the sheet engine.
#define QLN_MODEL_OR_BASE(call, ...)                       \
    if (const QWidget* model = drawnWith_.value(widget)) { \
        return model->style()->call(__VA_ARGS__, model);   \
    }                                                      \
    return QProxyStyle::call(__VA_ARGS__, widget)

void SkinStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                              QPainter* painter, const QWidget* widget) const {
    QLN_MODEL_OR_BASE(drawPrimitive, element, option, painter);
}

void SkinStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                            const QWidget* widget) const {
    QLN_MODEL_OR_BASE(drawControl, element, option, painter);
}

void SkinStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                   QPainter* painter, const QWidget* widget) const {
    QLN_MODEL_OR_BASE(drawComplexControl, control, option, painter);
}

QRect SkinStyle::subElementRect(SubElement element, const QStyleOption* option,
                                const QWidget* widget) const {
    QLN_MODEL_OR_BASE(subElementRect, element, option);
}

QRect SkinStyle::subControlRect(ComplexControl control, const QStyleOptionComplex* option,
                                SubControl sub, const QWidget* widget) const {
    QLN_MODEL_OR_BASE(subControlRect, control, option, sub);
}

QStyle::SubControl SkinStyle::hitTestComplexControl(ComplexControl control,
                                                    const QStyleOptionComplex* option,
                                                    const QPoint& pos,
                                                    const QWidget* widget) const {
    QLN_MODEL_OR_BASE(hitTestComplexControl, control, option, pos);
}

QSize SkinStyle::sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                                  const QWidget* widget) const {
    QLN_MODEL_OR_BASE(sizeFromContents, type, option, size);
}

int SkinStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                           const QWidget* widget) const {
    QLN_MODEL_OR_BASE(pixelMetric, metric, option);
}

int SkinStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                         QStyleHintReturn* returnData) const {
    if (const QWidget* model = drawnWith_.value(widget)) {
        return model->style()->styleHint(hint, option, model, returnData);
    }
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}

QIcon SkinStyle::standardIcon(StandardPixmap icon, const QStyleOption* option,
                              const QWidget* widget) const {
    QLN_MODEL_OR_BASE(standardIcon, icon, option);
}

int SkinStyle::layoutSpacing(QSizePolicy::ControlType control1, QSizePolicy::ControlType control2,
                             Qt::Orientation orientation, const QStyleOption* option,
                             const QWidget* widget) const {
    QLN_MODEL_OR_BASE(layoutSpacing, control1, control2, orientation, option);
}

#undef QLN_MODEL_OR_BASE

}  // namespace quillon::toolkit::qt
