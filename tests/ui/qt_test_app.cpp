#include "tests/ui/qt_test_app.h"

#include "ui/peers/button_peers.h"

#include <QApplication>
#include <cstdlib>
#include <memory>

namespace zyntra::test {
namespace {

int argc = 1;
char programName[] = "ui_tests";
char* argv[] = {programName, nullptr};
std::unique_ptr<QApplication> application;

// The application goes when the tests are over, before the program's static objects (Qt's
// among them) are destroyed.
class QtEnvironment : public ::testing::Environment {
public:
    void TearDown() override { application.reset(); }
};

const auto* const environment = ::testing::AddGlobalTestEnvironment(new QtEnvironment);

} // namespace

void EnsureQtApplication() {
    if (QApplication::instance() != nullptr) {
        return;
    }
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    application = std::make_unique<QApplication>(argc, argv);
    InstallRadioButtonAccessible();
}

void ProcessEvents(int rounds) {
    for (int i = 0; i < rounds; ++i) {
        QApplication::processEvents();
        QApplication::sendPostedEvents();
    }
}

} // namespace zyntra::test
