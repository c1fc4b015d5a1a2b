#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zyntra {

enum class InputMethodFramework { None, IBus, Fcitx5 };

// One entry of the keyboard layout list. The handle has the Windows form:
// low 16 bits the language identifier, high 16 bits 0xE000 + n for the n-th
// input method (n from 1) and the language identifier again for the plain
// keyboard.
struct InputMethod {
    std::uint32_t handle = 0;
    std::string name;   // the display name ("Layout Text")
    std::string engine; // what the framework activates it by; empty for the plain keyboard
    InputMethodFramework framework = InputMethodFramework::None;

    bool operator==(const InputMethod&) const = default;
};

class InputMethods {
public:
    virtual ~InputMethods() = default;

    // The plain keyboard first, then the input methods, in platform order.
    // Taken once: methods installed while the program runs are not seen.
    virtual const std::vector<InputMethod>& List() const = 0;

    // Switches to the input method with that display name (or engine name).
    // Returns false when there is no such method or nothing could be started.
    virtual bool Activate(std::string_view name) = 0;

    // The handles of List(), as the platform's keyboard layout list.
    std::vector<std::uint32_t> KeyboardLayoutList() const;

    // The entry with that handle, or null.
    const InputMethod* Find(std::uint32_t handle) const;
};

struct InputMethodFolders {
    std::string ibusComponents;     // *.xml; empty = not searched
    std::string fcitx5InputMethods; // *.conf; empty = not searched
};

// Reads the installed methods of IBus and fcitx5 from their folders; the
// plain keyboard's language is that of the given locale. Activation runs
// `ibus engine NAME` or `fcitx5-remote -s NAME` (`fcitx5-remote -c` for the
// plain keyboard) when that program is on PATH, without waiting for it.
class SystemInputMethods : public InputMethods {
public:
    SystemInputMethods(const InputMethodFolders& folders, std::string_view locale);

    const std::vector<InputMethod>& List() const override { return methods_; }
    bool Activate(std::string_view name) override;

private:
    std::vector<InputMethod> methods_;
};

// A fixed list for tests; records what was activated.
class MemoryInputMethods : public InputMethods {
public:
    explicit MemoryInputMethods(std::vector<InputMethod> methods) : methods_(std::move(methods)) {}

    const std::vector<InputMethod>& List() const override { return methods_; }
    bool Activate(std::string_view name) override;
    const std::vector<std::string>& Activated() const { return activated_; }

private:
    std::vector<InputMethod> methods_;
    std::vector<std::string> activated_;
};

// An engine as its configuration file describes it, before it gets a handle.
struct EngineDescription {
    std::string engine;
    std::string displayName;
    std::string language;
};

// The <engine> elements of the IBus component files (*.xml, by file name),
// leaving out the xkb keyboard layouts, which the plain keyboard stands for.
std::vector<EngineDescription> ReadIBusEngines(const std::string& folder);

// The [InputMethod] sections of the fcitx5 files (*.conf, by file name); the
// engine is the file's base name, which fcitx5-remote selects it by.
std::vector<EngineDescription> ReadFcitx5InputMethods(const std::string& folder);

} // namespace zyntra
