#include "app/input_method_selection.h"

#include "app/registry_text.h"
#include "kit/input_method_dialog.h"
#include "platform/input_methods.h"

#include <cstdio>
#include <vector>

namespace zyntra {
namespace {

std::string LayoutKey(std::uint32_t handle) {
    char digits[9];
    std::snprintf(digits, sizeof digits, "%08X", static_cast<unsigned>(handle));
    return std::string("SYSTEM\\ControlSet001\\Control\\Keyboard Layouts\\") + digits;
}

} // namespace

std::uint16_t InputMethodLanguage(std::string_view systemLanguage) {
    if (systemLanguage == "zh_TW")
        return 0x0404;
    if (systemLanguage == "zh_CN")
        return 0x0804;
    return 0x0409;
}

void SelectInputMethod(InputMethodTable& table, std::string_view systemLanguage,
                       const InputMethodSelection& with, const DialogTexts& dialogTexts) {
    const std::uint16_t language = InputMethodLanguage(systemLanguage);
    const std::vector<std::uint32_t> layouts = with.inputMethods.KeyboardLayoutList();
    if (layouts.empty())
        return;

    table.count = 0;
    for (std::uint32_t handle : layouts) {
        if ((handle & 0xFFFF) != language || (handle >> 16) <= 0x0404)
            continue;
        if (table.count == kSysImeCapacity)
            break;
        SYSIME& entry = table.entries[table.count++];
        entry.handle = handle;
        entry.name = ReadRegistryString(with.registry, with.messages, RegistryRoot::LocalMachine,
                                        LayoutKey(handle), "Layout Text");
    }
    if (table.count == 0)
        table.entries[0] = SYSIME{};
    table.imeChoice = 0;
    if (table.count <= 1)
        return;

    std::vector<std::string> names;
    for (int i = 0; i < table.count; ++i)
        names.push_back(table.entries[i].name);
    std::optional<int> chosen = with.dialog.Run(dialogTexts, names, 0);
    // OK with no item chosen keeps the first entry, like Cancel.
    if (chosen && *chosen >= 0 && *chosen < table.count)
        table.imeChoice = *chosen;
}

std::string ChosenInputMethodName(const InputMethodTable& table) {
    if (table.imeChoice < 0 || table.imeChoice >= kSysImeCapacity)
        return {};
    return table.entries[table.imeChoice].name;
}

} // namespace zyntra
