#include "ui/services/qt_cursor.h"

#include <QApplication>
#include <QCursor>

namespace zyntra {

QtWaitCursor::~QtWaitCursor() {
    if (overridden_ && qApp != nullptr) {
        QApplication::restoreOverrideCursor();
    }
}

void QtWaitCursor::Apply(CursorShape shape) {
    if (shape == CursorShape::Wait) {
        if (overridden_) {
            QApplication::changeOverrideCursor(QCursor(Qt::WaitCursor));
        } else {
            QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
            overridden_ = true;
        }
    } else if (overridden_) {
        QApplication::restoreOverrideCursor();
        overridden_ = false;
    }
}

void QtPendingEvents::ProcessPendingEvents() {
    QCoreApplication::processEvents();
}

} // namespace zyntra
