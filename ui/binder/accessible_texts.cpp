#include "ui/binder/accessible_texts.h"

#include "kit/controls.h"
#include "ui/text_codec.h"

#include <QLabel>
#include <QRegularExpression>
#include <algorithm>
#include <cctype>
#include <string_view>

namespace zyntra {
namespace {

constexpr std::string_view kLabelPrefix = "lbl";

std::string Folded(std::string_view text) {
    std::string folded(text);
    std::transform(folded.begin(), folded.end(), folded.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return folded;
}

// "edtName" -> "name": the control's name after its type prefix, folded.
std::string Stem(const std::string& name) {
    std::size_t start = 0;
    while (start < name.size() && std::islower(static_cast<unsigned char>(name[start])) != 0) {
        ++start;
    }
    return Folded(std::string_view(name).substr(start));
}

bool LabelFits(const Label& label, const std::string& stem) {
    const std::string& name = label.Name();
    if (stem.empty() || name.rfind(kLabelPrefix, 0) != 0) {
        return false;
    }
    const std::string rest = Folded(std::string_view(name).substr(kLabelPrefix.size()));
    return rest.size() >= stem.size() &&
           rest.compare(rest.size() - stem.size(), stem.size(), stem) == 0;
}

// A label's caption names its field without the colon that leads the eye to it.
QString WithoutColon(QString caption) {
    static const QRegularExpression colon(QStringLiteral("[\\s:\\x{FF1A}]+$"));
    return caption.remove(colon);
}

// A list whose first column shows is named by it ("Name" of a file list); the editors' lists
// hide it, and their hints name them better than their first shown column would ("Lock").
std::string ShownFirstColumn(const ListView& list) {
    if (list.ColumnCount() == 0 || list.Column(0).width <= 0) {
        return {};
    }
    return list.Column(0).caption;
}

} // namespace

AccessibleTexts::AccessibleTexts(const TextCodec& codec, Hooks hooks)
    : codec_(codec), hooks_(std::move(hooks)) {}

void AccessibleTexts::FindLabels(const ControlSet& controls) {
    labelOf_.clear();
    labelled_.clear();
    const std::vector<Label*> labels = controls.AllOf<Label>();
    for (const Control* control : controls.All()) {
        if (dynamic_cast<const Label*>(control) != nullptr) {
            continue;
        }
        const std::string stem = Stem(control->Name());
        const Label* best = nullptr;
        for (const Label* label : labels) {
            if (label->Parent() == control->Parent() && LabelFits(*label, stem) &&
                (best == nullptr || label->Name().size() < best->Name().size())) {
                best = label;
            }
        }
        if (best != nullptr) {
            labelOf_.insert(control, best);
            labelled_.insert(best, control);
        }
    }
}

void AccessibleTexts::Register(const Control& control, const QList<QWidget*>& widgets) {
    QList<QPointer<QWidget>>& known = widgets_[&control];
    for (QWidget* widget : widgets) {
        known.append(widget);
    }
}

QString AccessibleTexts::HintPart(const Control& control, bool longPart) const {
    const auto& part = longPart ? hooks_.longHint : hooks_.shortHint;
    return control.Hint().empty() || !part ? QString() : codec_.ToQString(part(control.Hint()));
}

QString AccessibleTexts::NameOf(const Control& control) const {
    if (const auto* list = dynamic_cast<const ListView*>(&control)) {
        if (std::string column = ShownFirstColumn(*list); !column.empty()) {
            return codec_.ToQString(column);
        }
    }
    if (const auto* captioned = dynamic_cast<const CaptionedControl*>(&control)) {
        if (!captioned->Caption().empty()) {
            return codec_.ToQString(captioned->Caption());
        }
    }
    if (const Control* label = labelOf_.value(&control, nullptr)) {
        const QString caption =
            WithoutColon(codec_.ToQString(static_cast<const Label*>(label)->Caption()));
        if (!caption.isEmpty()) {
            return caption;
        }
    }
    return HintPart(control, false);
}

QString AccessibleTexts::DescriptionOf(const Control& control) const {
    return HintPart(control, true);
}

QWidget* AccessibleTexts::MainWidget(const Control& control) const {
    const auto found = widgets_.constFind(&control);
    return found == widgets_.constEnd() || found->isEmpty() ? nullptr : found->front().data();
}

void AccessibleTexts::LinkLabels() {
    for (auto it = labelOf_.constBegin(); it != labelOf_.constEnd(); ++it) {
        auto* label = qobject_cast<QLabel*>(MainWidget(*it.value()));
        QWidget* field = MainWidget(*it.key());
        if (label != nullptr && field != nullptr) {
            label->setBuddy(field);
        }
    }
}

void AccessibleTexts::Apply(const Control& control) {
    const auto found = widgets_.constFind(&control);
    if (found == widgets_.constEnd()) {
        return;
    }
    const QString name = NameOf(control);
    const QString description = DescriptionOf(control);
    for (const QPointer<QWidget>& widget : *found) {
        if (widget != nullptr) {
            widget->setAccessibleName(name);
            widget->setAccessibleDescription(description);
        }
    }
}

void AccessibleTexts::Refresh(const Control& control) {
    Apply(control);
    for (auto it = labelled_.constFind(&control);
         it != labelled_.constEnd() && it.key() == &control; ++it) {
        Apply(*it.value());
    }
}

void AccessibleTexts::RefreshAll() {
    for (auto it = widgets_.constBegin(); it != widgets_.constEnd(); ++it) {
        Apply(*it.key());
    }
}

} // namespace zyntra
