#pragma once

#include "kit/control.h"
#include "ui/peers/peer_context.h"

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <string_view>

namespace zyntra {

// Whether a change (or the whole state sent on attach) concerns that property.
inline bool Affects(const ControlChange& change, ControlProperty property) {
    return change.property == ControlProperty::All || change.property == property;
}

// The peer of one kit control and its widget. It mirrors what the control says into the
// widget (enabled, visible, bounds, focus, and the type's own state in Mirror), and turns the
// user's actions on the widget into the control's User... calls.
//
// Bounds: a widget placed by a Qt layout (or by its page control) tells the control where it
// ended up; any other widget is placed where the control says, but never narrower than its
// text needs in the language shown (see FittingWidth).
class WidgetPeer : public QObject, public ControlPeer {
public:
    WidgetPeer(Control& control, QWidget& widget, const PeerContext& context);
    ~WidgetPeer() override;

    void ControlChanged(Control& control, const ControlChange& change) final;

    Control& GetControl() const { return control_; }
    QWidget* Widget() const { return widget_; }
    // Every widget that shows this control (the named one and any it added).
    QList<QWidget*> Widgets() const;

protected:
    // The type's own state; called with ControlProperty::All on attach.
    virtual void Mirror(const ControlChange& change) = 0;
    virtual bool MirrorsVisibility() const { return true; }
    // Whether the widget's geometry follows the control (else the control follows the widget).
    virtual bool PlacedByControl() const;
    // The width the widget's text needs, 0 for none; a placed widget is widened to it.
    virtual int FittingWidth() const { return 0; }
    // Whether widening the widget moves the widgets after it on its row to the right, as the
    // buttons of a bar do; other widgets grow into the room beside them.
    virtual bool PushesRow() const { return false; }
    // The text changed: the widget, and the row it pushes, take their places again.
    void Refit();

    // True while this peer (or any) is writing into a widget: signals are echoes then.
    static bool Mirroring() { return mirrorDepth_ > 0; }
    // Runs a user action unless the widget is only echoing a mirrored change.
    void User(const std::function<void()>& action);
    // Writes into widgets outside a change from the core, with their echoes ignored as well.
    static void AsMirror(const std::function<void()>& write);

    QString ToQt(std::string_view bytes) const;
    std::string FromQt(const QString& text) const;
    const PeerContext& Context() const { return context_; }

    // The widget that takes the focus when the control gets it.
    virtual QWidget* FocusWidget() const { return widget_; }
    // Another widget that shows the control: its focus is the control's too.
    void AddCompanion(QWidget& companion);

    bool eventFilter(QObject* watched, QEvent* event) override;
    virtual void FocusGained();

    void ReportBounds();

private:
    void MirrorCommon(ControlProperty property);
    void ApplyBounds();
    void PlaceRow();
    int RowShift(const QRect& wanted) const;
    void ApplyFocus();

    Control& control_;
    QPointer<QWidget> widget_;
    QList<QPointer<QWidget>> companions_;
    const PeerContext& context_;
    bool reportQueued_ = false;

    static inline int mirrorDepth_ = 0;
};

} // namespace zyntra
