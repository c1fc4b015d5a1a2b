#include "ui/binder/hint_filter.h"

#include "kit/control.h"
#include "ui/binder/hint_timing_style.h"
#include "ui/peers/user_action.h"
#include "ui/text_codec.h"

#include <QApplication>
#include <QHelpEvent>
#include <QToolTip>
#include <QWidget>

namespace zyntra {

HintFilter::HintFilter(const TextCodec& codec, Hooks hooks)
    : codec_(codec), hooks_(std::move(hooks)) {
    qApp->installEventFilter(this);
}

HintFilter::~HintFilter() {
    if (qApp != nullptr) {
        qApp->removeEventFilter(this);
    }
}

void HintFilter::Register(QWidget& widget, const Control& control) {
    controls_.insert(&widget, &control);
    QObject::connect(&widget, &QObject::destroyed, this,
                     [this](QObject* gone) { controls_.remove(static_cast<QWidget*>(gone)); });
}

const Control* HintFilter::ControlAt(const QWidget* widget, const QWidget** owner) const {
    for (const QWidget* at = widget; at != nullptr; at = at->parentWidget()) {
        if (const Control* control = controls_.value(at, nullptr)) {
            if (owner != nullptr) {
                *owner = at;
            }
            return control;
        }
        if (at->isWindow()) {
            break;
        }
    }
    return nullptr;
}

void HintFilter::SetHint(const std::string& key) {
    if (hooks_.setCurrentHint) {
        RunUserAction([&] { hooks_.setCurrentHint(key); });
    }
}

bool HintFilter::ShowTip(QWidget& widget, QEvent& event) {
    const Control* control = ControlAt(&widget);
    if (control == nullptr) {
        return false;
    }
    SetHint(control->Hint());
    std::string tip;
    if (!control->Hint().empty() && hooks_.translateHint) {
        RunUserAction([&] { tip = hooks_.translateHint(); });
    }
    const QString text = codec_.ToQString(tip);
    if (text.isEmpty()) {
        QToolTip::hideText();
    } else {
        const auto& help = static_cast<QHelpEvent&>(event);
        QToolTip::showText(help.globalPos(), text, &widget, QRect(), kHintHideDelayMs);
    }
    return true;
}

bool HintFilter::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::Enter && type != QEvent::Leave && type != QEvent::ToolTip) {
        return false;
    }
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget == nullptr) {
        return false;
    }
    if (type == QEvent::ToolTip) {
        return ShowTip(*widget, *event);
    }
    const QWidget* owner = nullptr;
    const Control* control = ControlAt(widget, &owner);
    if (control == nullptr) {
        return false;
    }
    if (type == QEvent::Enter) {
        SetHint(control->Hint());
    } else if (owner == widget) {
        // Leaving a control's own widget: the mouse is now over what holds it (or gone).
        const Control* outer = ControlAt(widget->parentWidget());
        SetHint(outer != nullptr ? outer->Hint() : std::string());
    }
    return false;
}

} // namespace zyntra
