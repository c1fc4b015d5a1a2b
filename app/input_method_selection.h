#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace zyntra {

class InputMethods;
class InputMethodDialog;
class MessageBox;
class Registry;
struct DialogTexts;

// One installed input method: its keyboard layout handle (low 16 bits the
// language identifier) and its display name.
struct SYSIME {
    std::uint32_t handle = 0;
    std::string name;
};

inline constexpr int kSysImeCapacity = 100;

struct InputMethodTable {
    std::array<SYSIME, kSysImeCapacity> entries;
    int count = 0;
    int imeChoice = -1; // -1 until a selection has run
};

// The language whose input methods the editors offer.
std::uint16_t InputMethodLanguage(std::string_view systemLanguage);

struct InputMethodSelection {
    const InputMethods& inputMethods;
    const Registry& registry;
    InputMethodDialog& dialog;
    MessageBox& messages;
};

// Lists the input methods of the system language and lets the user choose
// one when there are several. With no layout list at all, nothing changes
// and imeChoice stays -1, so the choice is offered again next time.
// Layouts beyond the table's capacity are left out.
void SelectInputMethod(InputMethodTable& table, std::string_view systemLanguage,
                       const InputMethodSelection& with, const DialogTexts& dialogTexts);

// The name the editors' text fields get: that of the chosen entry, or empty
// when nothing was chosen.
std::string ChosenInputMethodName(const InputMethodTable& table);

} // namespace zyntra
