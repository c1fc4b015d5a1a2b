#include "ui/application.h"

#include "ui/peers/button_peers.h"
#include "ui/peers/user_action.h"

namespace zyntra {

ZyntraApplication::ZyntraApplication(int& argc, char** argv) : QApplication(argc, argv) {
    InstallRadioButtonAccessible();
}

bool ZyntraApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        ReportException(error);
        return false;
    }
}

void NameApplication() {
    QCoreApplication::setApplicationName(QStringLiteral("Zyntra"));
}

} // namespace zyntra
