#include "texts/lang_text.h"
#include "device/device_link.h"
#include "storage/password_digest.h"

#include <openssl/crypto.h>

namespace zyntra {
namespace {

// The password dialog carries the main window's caption.
constexpr const char kDialogCaption[] = "Zyntra";

} // namespace

bool DeviceLink::CheckDevicePassword(int mode) {
    const DialogTexts texts{kDialogCaption, LangText("SM_InputPassword"), LangText("SM_OK"),
                            LangText("SM_CANCEL")};
    enteredPassword = ui_.passwordDialog.Run(texts).value_or(std::string());

    bool accepted = false;
    if (!enteredPassword.empty()) {
        std::array<unsigned char, kInfoDigestSize> digest{};
        PasswordDigest(enteredPassword.c_str(), kPasswordSalt, digest.data());
        const std::array<unsigned char, kInfoDigestSize> stored = CurrentDevice().pwdDigest();
        // Constant time, so the comparison does not tell how many bytes matched.
        accepted = CRYPTO_memcmp(digest.data(), stored.data(), digest.size()) == 0;
    }
    if (!accepted)
        ui_.messages.Show(
            LangText(mode == 0 ? "SM_PasswordIncorrectSync" : "SM_PasswordIncorrectShow"));
    return accepted;
}

} // namespace zyntra
