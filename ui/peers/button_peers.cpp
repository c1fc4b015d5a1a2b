#include "ui/peers/button_peers.h"

#include "kit/bars.h"
#include "kit/static_controls.h"

#include <QAccessibleWidget>
#include <QCheckBox>
#include <QPainter>
#include <QRadioButton>
#include <QToolButton>

namespace zyntra {
namespace {

QIcon SeparatorIcon(int height) {
    QPixmap pixmap(4, height > 4 ? height : 4);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setPen(QColor(0x90, 0x90, 0x90));
    painter.drawLine(1, 2, 1, pixmap.height() - 3);
    painter.setPen(Qt::white);
    painter.drawLine(2, 2, 2, pixmap.height() - 3);
    return QIcon(pixmap);
}

} // namespace

ToolButtonPeer::ToolButtonPeer(ButtonControl& button, QToolButton& widget,
                               const PeerContext& context, ImageList images)
    : WidgetPeer(button, widget, context), button_(button), widget_(widget), images_(images) {
    // Buttons of a tool bar are flat until pointed at; a speed button elsewhere is a button.
    widget.setAutoRaise(dynamic_cast<ToolButton*>(&button) != nullptr ||
                        dynamic_cast<CoolBar*>(button.Parent()) != nullptr);
    QObject::connect(&widget, &QToolButton::clicked, this, [this] { Clicked(); });
}

void ToolButtonPeer::Clicked() {
    User([this] { button_.UserClick(); });
    MirrorDown(); // a refused or ungrouped click must not leave Qt's own checked state behind
}

void ToolButtonPeer::Mirror(const ControlChange& change) {
    if (Affects(change, ControlProperty::Caption) || Affects(change, ControlProperty::ImageIndex) ||
        Affects(change, ControlProperty::Style) || Affects(change, ControlProperty::Hint)) {
        MirrorLook();
    }
    if (Affects(change, ControlProperty::Down) || Affects(change, ControlProperty::Group)) {
        MirrorDown();
    }
}

void ToolButtonPeer::RefreshHintText() {
    MirrorLook();
}

void ToolButtonPeer::MirrorLook() {
    const auto* tool = dynamic_cast<const ToolButton*>(&button_);
    if (tool != nullptr && tool->IsSeparator()) {
        widget_.setText({});
        widget_.setIcon(SeparatorIcon(widget_.height()));
        widget_.setIconSize(QSize(4, widget_.height()));
        widget_.setToolButtonStyle(Qt::ToolButtonIconOnly);
        widget_.setAttribute(Qt::WA_TransparentForMouseEvents);
        widget_.setFocusPolicy(Qt::NoFocus);
        return;
    }
    QString text = ToQt(button_.Caption());
    if (text.isEmpty() && Context().shortHint && !button_.Hint().empty()) {
        text = ToQt(Context().shortHint(button_.Hint()));
    }
    const int iconSize = images_ == ImageList::Categories ? 32 : 16;
    const QIcon icon = Context().icons.Icon(images_, button_.ImageIndex(), iconSize);
    widget_.setIcon(icon);
    widget_.setIconSize(QSize(iconSize, iconSize));
    const bool iconOnly = images_ == ImageList::Categories && !icon.isNull();
    widget_.setText(text);
    if (icon.isNull()) {
        widget_.setToolButtonStyle(Qt::ToolButtonTextOnly);
    } else {
        widget_.setToolButtonStyle(iconOnly || text.isEmpty() ? Qt::ToolButtonIconOnly
                                                              : Qt::ToolButtonTextBesideIcon);
    }
    Refit();
}

int ToolButtonPeer::FittingWidth() const {
    const auto* tool = dynamic_cast<const ToolButton*>(&button_);
    if (tool != nullptr && tool->IsSeparator()) {
        return 0;
    }
    return widget_.sizeHint().width();
}

bool ToolButtonPeer::PushesRow() const {
    const Control* parent = button_.Parent();
    return dynamic_cast<const CoolBar*>(parent) != nullptr ||
           dynamic_cast<const Panel*>(parent) != nullptr;
}

void ToolButtonPeer::MirrorDown() {
    const bool checkable = button_.GroupIndex() != 0 || button_.Down();
    widget_.setCheckable(checkable);
    widget_.setChecked(button_.Down());
}

CheckBoxPeer::CheckBoxPeer(CheckBox& box, QCheckBox& widget, const PeerContext& context)
    : WidgetPeer(box, widget, context), box_(box), widget_(widget) {
    QObject::connect(&widget, &QCheckBox::clicked, this, [this] {
        User([this] { box_.UserClick(); });
        widget_.setChecked(box_.Checked());
    });
}

void CheckBoxPeer::Mirror(const ControlChange& change) {
    if (Affects(change, ControlProperty::Caption)) {
        widget_.setText(ToQt(box_.Caption()));
        Refit();
    }
    if (Affects(change, ControlProperty::Checked)) {
        widget_.setChecked(box_.Checked());
    }
}

namespace {

// Qt tells assistive tools that a radio button which is not auto-exclusive is a check box. The
// kit keeps each group exclusive itself (a to-do entry of an unknown type checks none of its
// buttons, which Qt's own exclusivity would not allow), so the widgets are not auto-exclusive
// and this interface says what they are.
class RadioButtonAccessible : public QAccessibleWidget {
public:
    explicit RadioButtonAccessible(QRadioButton* button)
        : QAccessibleWidget(button, QAccessible::RadioButton) {}

    QString text(QAccessible::Text kind) const override {
        QString text = QAccessibleWidget::text(kind);
        if (kind == QAccessible::Name && text.isEmpty()) {
            text = Button()->text().remove(QLatin1Char('&'));
        }
        return text;
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.checkable = true;
        state.checked = Button()->isChecked();
        return state;
    }

    QStringList actionNames() const override {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& action) override {
        if (action == pressAction() && Button()->isEnabled()) {
            Button()->click();
            return;
        }
        QAccessibleWidget::doAction(action);
    }

private:
    QRadioButton* Button() const { return static_cast<QRadioButton*>(widget()); }
};

QAccessibleInterface* RadioButtonAccessibleFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("QRadioButton") && object != nullptr && object->isWidgetType()) {
        return new RadioButtonAccessible(static_cast<QRadioButton*>(object));
    }
    return nullptr;
}

} // namespace

void InstallRadioButtonAccessible() {
    static const bool installed = [] {
        QAccessible::installFactory(RadioButtonAccessibleFactory);
        return true;
    }();
    (void)installed;
}

RadioButtonPeer::RadioButtonPeer(RadioButton& radio, QRadioButton& widget,
                                 const PeerContext& context)
    : WidgetPeer(radio, widget, context), radio_(radio), widget_(widget) {
    widget.setAutoExclusive(false);
    QObject::connect(&widget, &QRadioButton::clicked, this, [this] {
        User([this] { radio_.UserClick(); });
        widget_.setChecked(radio_.Checked());
    });
}

void RadioButtonPeer::Mirror(const ControlChange& change) {
    if (Affects(change, ControlProperty::Caption)) {
        widget_.setText(ToQt(radio_.Caption()));
        Refit();
    }
    if (Affects(change, ControlProperty::Checked)) {
        widget_.setChecked(radio_.Checked());
    }
}

int CheckBoxPeer::FittingWidth() const {
    return widget_.text().isEmpty() ? 0 : widget_.sizeHint().width();
}

int RadioButtonPeer::FittingWidth() const {
    return widget_.text().isEmpty() ? 0 : widget_.sizeHint().width();
}

} // namespace zyntra
