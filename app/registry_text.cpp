#include "app/registry_text.h"

#include "kit/message_box.h"

namespace zyntra {

std::string ReadRegistryString(const Registry& registry, MessageBox& messages, RegistryRoot root,
                               std::string_view keyPath, std::string_view valueName) {
    std::optional<std::string> value = registry.ReadString(root, keyPath, valueName);
    if (!value) {
        messages.Show("Error opening key");
        return {};
    }
    return *value;
}

} // namespace zyntra
