#pragma once

#include <QHash>
#include <QList>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <string>

namespace zyntra {

class Control;
class ControlSet;
class TextCodec;

// The accessible name and description of every bound widget, so that screen readers find the
// window's controls by the words the user sees. The name is the control's caption; a field,
// selector, list, tree or grid without one takes the caption of its label (see FindLabels), a
// list the caption of its first shown column; anything else the short part of its hint. The
// description is the hint's long part.
class AccessibleTexts {
public:
    struct Hooks {
        std::function<std::string(const std::string& hintKey)> shortHint;
        std::function<std::string(const std::string& hintKey)> longHint;
    };

    AccessibleTexts(const TextCodec& codec, Hooks hooks);

    // A label names the control beside it on the same parent whose name, without its lower-case
    // type prefix, ends its own name: lblAddrName names edtName, lblClassWeekday edtClassWeekDay.
    void FindLabels(const ControlSet& controls);
    void Register(const Control& control, const QList<QWidget*>& widgets);
    // Once every control is bound: each label tells assistive tools which widget it labels
    // (where a widget's own name is not read, as a combo box's on Linux).
    void LinkLabels();

    // The control's caption, hint or columns changed: its texts, and those of what it labels.
    void Refresh(const Control& control);
    void RefreshAll();

    QString NameOf(const Control& control) const;
    QString DescriptionOf(const Control& control) const;

private:
    void Apply(const Control& control);
    QString HintPart(const Control& control, bool longPart) const;
    QWidget* MainWidget(const Control& control) const;

    const TextCodec& codec_;
    Hooks hooks_;
    QHash<const Control*, QList<QPointer<QWidget>>> widgets_;
    QHash<const Control*, const Control*> labelOf_;
    QMultiHash<const Control*, const Control*> labelled_;
};

} // namespace zyntra
