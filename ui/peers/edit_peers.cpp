#include "ui/peers/edit_peers.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextCursor>

namespace zyntra {
namespace {

void ActivateInputMethod(const PeerContext& context, const EditField& field) {
    if (context.activateInputMethod && !field.InputMethod().empty()) {
        context.activateInputMethod(field.InputMethod());
    }
}

QString ToWidgetLines(QString text) {
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

QString ToControlLines(QString text) {
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return text;
}

} // namespace

EditFieldPeer::EditFieldPeer(EditField& field, QLineEdit& widget, const PeerContext& context)
    : WidgetPeer(field, widget, context), field_(field), widget_(widget) {
    QObject::connect(&widget, &QLineEdit::textEdited, this, [this](const QString& text) {
        User([&] { field_.UserEditText(FromQt(text)); });
        // The kit may have cut the text, dropped what the charset cannot hold, or refused it.
        MirrorText();
    });
}

void EditFieldPeer::Mirror(const ControlChange& change) {
    if (Affects(change, ControlProperty::Text)) {
        MirrorText();
    }
    if (Affects(change, ControlProperty::ReadOnly)) {
        widget_.setReadOnly(field_.ReadOnly());
    }
}

void EditFieldPeer::MirrorText() {
    const QString text = ToQt(field_.Text());
    if (widget_.text() == text) {
        return;
    }
    const int cursor = widget_.cursorPosition();
    widget_.setText(text);
    widget_.setCursorPosition(cursor < text.size() ? cursor : static_cast<int>(text.size()));
}

void EditFieldPeer::FocusGained() {
    ActivateInputMethod(Context(), field_);
}

MultiLineEditPeer::MultiLineEditPeer(MultiLineEdit& field, QPlainTextEdit& widget,
                                     const PeerContext& context)
    : WidgetPeer(field, widget, context), field_(field), widget_(widget) {
    QObject::connect(&widget, &QPlainTextEdit::textChanged, this, [this] { Edited(); });
}

void MultiLineEditPeer::Edited() {
    if (Mirroring()) {
        return;
    }
    User([this] { field_.UserEditText(FromQt(ToControlLines(widget_.toPlainText()))); });
    MirrorText();
}

void MultiLineEditPeer::Mirror(const ControlChange& change) {
    if (Affects(change, ControlProperty::Text)) {
        MirrorText();
    }
    if (Affects(change, ControlProperty::ReadOnly)) {
        widget_.setReadOnly(field_.ReadOnly());
    }
}

void MultiLineEditPeer::MirrorText() {
    const QString text = ToWidgetLines(ToQt(field_.Text()));
    if (widget_.toPlainText() == text) {
        return;
    }
    const int position = widget_.textCursor().position();
    const bool wasMirroring = widget_.signalsBlocked();
    widget_.blockSignals(true);
    widget_.setPlainText(text);
    widget_.blockSignals(wasMirroring);
    QTextCursor cursor = widget_.textCursor();
    cursor.setPosition(position < text.size() ? position : static_cast<int>(text.size()));
    widget_.setTextCursor(cursor);
}

void MultiLineEditPeer::FocusGained() {
    ActivateInputMethod(Context(), field_);
}

} // namespace zyntra
