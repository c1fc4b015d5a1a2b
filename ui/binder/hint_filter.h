#pragma once

#include <QHash>
#include <QObject>
#include <functional>
#include <string>

class QWidget;

namespace zyntra {

class Control;
class TextCodec;

// Follows the mouse over the bound widgets for the whole application: entering or leaving a
// control makes its hint key the application's current hint (the status line shows its long
// part), and a tip asked for over a control shows the translated hint, or nothing when it is
// empty. Inner parts of a widget (a list's viewport, a spin box's field) count as the widget.
class HintFilter : public QObject {
public:
    struct Hooks {
        std::function<void(const std::string& hintKey)> setCurrentHint;
        std::function<std::string()> translateHint;
    };

    HintFilter(const TextCodec& codec, Hooks hooks);
    ~HintFilter() override;

    void Register(QWidget& widget, const Control& control);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The control the widget is, or is part of.
    const Control* ControlAt(const QWidget* widget, const QWidget** owner = nullptr) const;
    void SetHint(const std::string& key);
    bool ShowTip(QWidget& widget, QEvent& event);

    const TextCodec& codec_;
    Hooks hooks_;
    QHash<const QWidget*, const Control*> controls_;
};

} // namespace zyntra
