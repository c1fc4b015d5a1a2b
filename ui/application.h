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

// Names the program "Zyntra" for the window system, with no display name of its own: the window
// system would append a display name to every caption, so the main window would not read
// "Zyntra" and message boxes not the application title alone.
void NameApplication();

} // namespace zyntra
