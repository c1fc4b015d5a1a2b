#include "device/device_link.h"
#include "storage/password_digest.h"
#include "texts/lang_text.h"

namespace zyntra {
namespace {

// The password dialog carries the main window's caption.
constexpr const char kDialogCaption[] = "Zyntra";

} // namespace

bool DeviceLink::PasswordMatches(const std::string& password) const {
    std::array<unsigned char, kInfoDigestSize> digest{};
    PasswordDigest(password.c_str(), kPasswordSalt, digest.data());
    const std::array<unsigned char, kInfoDigestSize> stored = CurrentDevice().pwdDigest();
    // The empty text never opens a device, not even one whose stored digest is that of "".
    const bool equal = DigestsEqual(digest.data(), stored.data(), digest.size());
    return equal && !password.empty();
}

bool DeviceLink::CheckDevicePassword(int mode) {
    const DialogTexts texts{kDialogCaption, LangText("SM_InputPassword"), LangText("SM_OK"),
                            LangText("SM_CANCEL")};
    enteredPassword_ = ui_.passwordDialog.Run(texts).value_or(std::string());
    const bool accepted = PasswordMatches(enteredPassword_);
    if (!accepted)
        ui_.messages.Show(
            LangText(mode == 0 ? "SM_PasswordIncorrectSync" : "SM_PasswordIncorrectShow"));
    return accepted;
}

bool DeviceLink::ToggleUnlockedView() {
    if (!CurrentDevice().Locked() || !CheckDevicePassword(1))
        return false;
    unlockedView_ = !unlockedView_;
    return true;
}

} // namespace zyntra
