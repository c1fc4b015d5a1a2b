#include "platform/input_methods.h"

#include "platform/locale_language.h"
#include "platform/process_launch.h"

#include <algorithm>

namespace zyntra {
namespace {

// Windows keeps input-method device identifiers from 0xE001 upwards.
constexpr std::uint32_t kFirstImeDevice = 0xE000;
constexpr std::uint32_t kMaxImeNumber = 0xFFFF - kFirstImeDevice;

std::uint32_t PlainKeyboardHandle(std::uint16_t language) {
    return (static_cast<std::uint32_t>(language) << 16) | language;
}

void AddEngines(std::vector<InputMethod>& methods, std::vector<EngineDescription> engines,
                InputMethodFramework framework) {
    for (auto& engine : engines) {
        // The plain keyboard is entry 0, so the n-th input method sits at n.
        std::uint32_t number = static_cast<std::uint32_t>(methods.size());
        if (number > kMaxImeNumber)
            return;
        std::uint32_t handle = ((kFirstImeDevice + number) << 16) | LanguageIdOf(engine.language);
        methods.push_back(
            {handle, std::move(engine.displayName), std::move(engine.engine), framework});
    }
}

const InputMethod* FindByName(const std::vector<InputMethod>& methods, std::string_view name) {
    auto byName = std::find_if(methods.begin(), methods.end(),
                               [&](const InputMethod& m) { return m.name == name; });
    if (byName != methods.end())
        return &*byName;
    auto byEngine = std::find_if(methods.begin(), methods.end(), [&](const InputMethod& m) {
        return !m.engine.empty() && m.engine == name;
    });
    return byEngine != methods.end() ? &*byEngine : nullptr;
}

bool UsesFcitx5(const std::vector<InputMethod>& methods) {
    return std::any_of(methods.begin(), methods.end(), [](const InputMethod& m) {
        return m.framework == InputMethodFramework::Fcitx5;
    });
}

std::vector<std::string> ActivationCommand(const InputMethod& method, bool fcitx5Present) {
    switch (method.framework) {
    case InputMethodFramework::IBus:
        return {"ibus", "engine", method.engine};
    case InputMethodFramework::Fcitx5:
        return {"fcitx5-remote", "-s", method.engine};
    case InputMethodFramework::None:
        break;
    }
    // The plain keyboard: fcitx5 goes back to the keyboard when its input
    // method is closed; IBus has no such switch, so nothing is done.
    if (fcitx5Present)
        return {"fcitx5-remote", "-c"};
    return {};
}

} // namespace

std::vector<std::uint32_t> InputMethods::KeyboardLayoutList() const {
    std::vector<std::uint32_t> handles;
    for (const auto& method : List())
        handles.push_back(method.handle);
    return handles;
}

const InputMethod* InputMethods::Find(std::uint32_t handle) const {
    for (const auto& method : List())
        if (method.handle == handle)
            return &method;
    return nullptr;
}

SystemInputMethods::SystemInputMethods(const InputMethodFolders& folders, std::string_view locale) {
    std::uint16_t language = LanguageIdOf(locale);
    methods_.push_back({PlainKeyboardHandle(language),
                        PlainKeyboardName(language),
                        {},
                        InputMethodFramework::None});
    AddEngines(methods_, ReadIBusEngines(folders.ibusComponents), InputMethodFramework::IBus);
    AddEngines(methods_, ReadFcitx5InputMethods(folders.fcitx5InputMethods),
               InputMethodFramework::Fcitx5);
}

bool SystemInputMethods::Activate(std::string_view name) {
    const InputMethod* method = FindByName(methods_, name);
    if (method == nullptr)
        return false;
    std::vector<std::string> command = ActivationCommand(*method, UsesFcitx5(methods_));
    if (command.empty() || !ProgramOnPath(command[0]))
        return false;
    return StartDetached(command).has_value();
}

bool MemoryInputMethods::Activate(std::string_view name) {
    if (FindByName(methods_, name) == nullptr)
        return false;
    activated_.emplace_back(name);
    return true;
}

} // namespace zyntra
