#include "platform/backends.h"

#include "platform/locale_language.h"
#include "platform/mount_info.h"

#include <cstdlib>
#include <string>
#include <unistd.h>

namespace zyntra {
namespace {

constexpr const char* kMountTable = "/proc/self/mountinfo";
constexpr const char* kIBusComponents = "/usr/share/ibus/component";
constexpr const char* kFcitx5InputMethods = "/usr/share/fcitx5/inputmethod";

std::string Env(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

std::string SimulatedTable() {
    return Env("ZYNTRA_VOLUMES");
}

enum class Framework { Unknown, IBus, Fcitx };

Framework SessionFramework() {
    for (const char* name : {"XMODIFIERS", "GTK_IM_MODULE", "QT_IM_MODULE"}) {
        std::string value = Env(name);
        if (value.find("fcitx") != std::string::npos)
            return Framework::Fcitx;
        if (value.find("ibus") != std::string::npos)
            return Framework::IBus;
    }
    return Framework::Unknown;
}

} // namespace

std::unique_ptr<Volumes> MakeVolumes() {
    std::string table = SimulatedTable();
    if (!table.empty())
        return std::make_unique<SimulatedVolumes>(table);
    if (access(kMountTable, R_OK) == 0)
        return std::make_unique<MountTableVolumes>(kMountTable);
    return std::make_unique<MemoryVolumes>();
}

std::unique_ptr<VolumeMonitor> MakeVolumeMonitor(const Volumes& volumes,
                                                 VolumeMonitor::Callback callback) {
    std::string table = SimulatedTable();
    if (!table.empty())
        return VolumeMonitor::ForTableFile(volumes, std::move(callback), table);
    return VolumeMonitor::ForMountTable(volumes, std::move(callback), kMountTable);
}

InputMethodFolders InputMethodFoldersFromEnvironment() {
    std::string ibus = Env("ZYNTRA_IBUS_COMPONENTS");
    std::string fcitx5 = Env("ZYNTRA_FCITX5_INPUTMETHODS");
    if (!ibus.empty() || !fcitx5.empty())
        return {ibus, fcitx5};
    switch (SessionFramework()) {
    case Framework::IBus:
        return {kIBusComponents, {}};
    case Framework::Fcitx:
        return {{}, kFcitx5InputMethods};
    case Framework::Unknown:
        break;
    }
    return {kIBusComponents, kFcitx5InputMethods};
}

std::unique_ptr<InputMethods> MakeInputMethods() {
    return std::make_unique<SystemInputMethods>(InputMethodFoldersFromEnvironment(),
                                                SystemLocaleName());
}

std::unique_ptr<Registry> MakeRegistry(const InputMethods& inputMethods) {
    return std::make_unique<SystemRegistry>(SystemLocaleName(), inputMethods);
}

std::unique_ptr<SpecialFolders> MakeSpecialFolders() {
    return std::make_unique<XdgSpecialFolders>(XdgSpecialFolders::FromEnvironment());
}

} // namespace zyntra
