#pragma once

#include <QApplication>

namespace zyntra {

// The window's application object. A std::exception that escapes the handling of an event is
// reported (a message box, once the window has set its reporter) and the program goes on.
class ZyntraApplication : public QApplication {
public:
    ZyntraApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;
};

} // namespace zyntra
