// The window's program: one instance, the splash, the main window model bound to its Qt
// window, and the event loop.

#include "app/main_window.h"
#include "app/startup_checks.h"
#include "app/user_folder.h"
#include "kit/controls.h"
#include "platform/backends.h"
#include "platform/locale_language.h"
#include "platform/single_instance.h"
#include "storage/text_conv.h"
#include "texts/lang_text.h"
#include "ui/application.h"
#include "ui/binder/hint_timing_style.h"
#include "ui/binder/window_binder.h"
#include "ui/forms/main_window_widget.h"
#include "ui/peers/user_action.h"
#include "ui/qt_language.h"
#include "ui/services/qt_file_operation.h"
#include "ui/services/qt_ui_services.h"
#include "ui/splash/about_box.h"
#include "ui/text_codec.h"

#include <QEventLoop>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <QSocketNotifier>
#include <QTimer>
#include <cstdio>
#include <memory>
#include <vector>

namespace zyntra {
namespace {

constexpr int kSplashHoldMs = 3000;

ScreenSize PrimaryScreenSize() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return {};
    }
    return {screen->size().width(), screen->size().height()};
}

// The splash keeps playing while the window waits; the window is not shown yet.
void HoldSplash() {
    QEventLoop wait;
    QTimer::singleShot(kSplashHoldMs, &wait, &QEventLoop::quit);
    wait.exec(QEventLoop::ExcludeUserInputEvents);
}

BinderHooks HooksFor(TdfmMain& window, InputMethods& inputMethods) {
    BinderHooks hooks;
    hooks.setCurrentHint = [&window](const std::string& key) { window.SetCurrentHint(key); };
    hooks.translateHint = [&window] { return window.TranslateHint(); };
    hooks.activateInputMethod = [&inputMethods](const std::string& name) {
        inputMethods.Activate(name);
    };
    hooks.shortHint = [](const std::string& key) { return ShortHintPart(LangText(key)); };
    hooks.longHint = [](const std::string& key) { return LongHintPart(LangText(key)); };
    return hooks;
}

// Hands the volume changes to the window as they are noticed. One look at the volumes may find
// several changes (a device's internal memory and card mount together); they are collected and
// handled as one drive change, since each rebuild reads every volume anew anyway.
class DriveChangeFeed {
public:
    DriveChangeFeed(TdfmMain& window, const Volumes& volumes) : window_(window) {
        monitor_ = MakeVolumeMonitor(
            volumes, [this](const VolumeEvent& event) { pending_.push_back(event); });
        if (monitor_->Fd() < 0)
            return;
        const auto type = monitor_->WatchFor() == VolumeMonitor::Condition::Priority
                              ? QSocketNotifier::Exception
                              : QSocketNotifier::Read;
        notifier_ = std::make_unique<QSocketNotifier>(monitor_->Fd(), type);
        QObject::connect(notifier_.get(), &QSocketNotifier::activated, [this] { Deliver(); });
    }

private:
    // A message box of the rebuild runs its own event loop; the notifier waits meanwhile, and
    // what changed in between is seen when it is on again.
    void Deliver() {
        std::vector<VolumeEvent> events;
        monitor_->Dispatch();
        events.swap(pending_);
        notifier_->setEnabled(false);
        window_.HandleVolumeEvents(events);
        notifier_->setEnabled(true);
    }

    TdfmMain& window_;
    std::unique_ptr<VolumeMonitor> monitor_;
    std::unique_ptr<QSocketNotifier> notifier_;
    std::vector<VolumeEvent> pending_;
};

int RunWindow(ZyntraApplication& app) {
    auto splash = std::make_unique<TAboutBox>(QCoreApplication::applicationDirPath() +
                                              QStringLiteral("/data/loading.avi"));
    splash->show();
    QCoreApplication::processEvents();

    std::unique_ptr<Volumes> volumes = MakeVolumes();
    std::unique_ptr<InputMethods> inputMethods = MakeInputMethods();
    std::unique_ptr<Registry> registry = MakeRegistry(*inputMethods);
    std::unique_ptr<SpecialFolders> specialFolders = MakeSpecialFolders();

    // The widgets show texts in the charset of the system language, which the model derives
    // from the same regional setting when it starts up.
    const std::string language = ReadSystemLanguage(*registry);
    TextCodec codec(InterfaceCharset(language));
    QtUiServices services(codec, kApplicationTitle);
    QtFileOperation fileOperations(codec, kApplicationTitle);
    SetExceptionReporter(
        [&services](const std::exception& error) { services.messages.Show(error.what()); });
    TdfmMain window(services.Services(),
                    {*registry, *volumes, *inputMethods, *specialFolders, fileOperations},
                    PrimaryScreenSize());
    MainWindowWidget widget;
    WindowBinder binder(window.Controls(), widget, codec, HooksFor(window, *inputMethods));
    for (const std::string& problem : binder.Bind()) {
        std::fprintf(stderr, "Zyntra: %s\n", problem.c_str());
    }
    if (!window.FormCreate()) {
        return 0;
    }
    binder.RefreshHintTexts();
    services.CreateDialogs(&widget);
    fileOperations.SetOwner(&widget);

    HoldSplash();
    splash->hide();
    splash.reset();

    widget.canClose = [&window] { return window.FormClose(); };
    widget.closed = [&window] { window.FormDestroy(); };
    widget.show();
    window.Show();
    DriveChangeFeed driveChanges(window, *volumes);

    const int result = app.exec();
    SetExceptionReporter({});
    return result;
}

} // namespace
} // namespace zyntra

int main(int argc, char** argv) {
    using namespace zyntra;
    SingleInstance instance(kApplicationTitle);
    if (instance.AlreadyRunning()) {
        return 0;
    }
    ZyntraApplication app(argc, argv);
    NameApplication();
    QApplication::setStyle(new HintTimingStyle(QApplication::style()->name()));
    // Before any widget exists, so that each takes the language's locale.
    QtLanguage qtLanguage;
    qtLanguage.Apply(StartLanguageSection(SystemLocaleName()));
    try {
        return RunWindow(app);
    } catch (const std::exception& error) {
        QMessageBox::critical(nullptr, QString::fromLatin1(kApplicationTitle),
                              QString::fromLocal8Bit(error.what()));
        return 1;
    }
}
