#include "cli/cli_app.h"
#include "cli/commands.h"
#include "device/device_link.h"

#include <nlohmann/json.hpp>

namespace zyntra {

int RunDevices(CliApp& app, const CommandArgs&) {
    DiscoveryResult result = app.Devices().DiscoverDevices(false);
    nlohmann::ordered_json devices = nlohmann::ordered_json::array();
    for (const DiscoveredDevice& device : result.devices)
        devices.push_back({{"model", app.SystemCodec().ToUtf8(device.model)},
                           {"ident", app.SystemCodec().ToUtf8(device.ident)},
                           {"internal", device.internalRoot},
                           {"card", device.cardRoot},
                           {"locked", device.locked},
                           {"mainClass", device.mainClass},
                           {"subClass", device.subClass}});
    nlohmann::ordered_json out = {{"usable", result.usable}, {"devices", devices}};
    std::fprintf(app.Out(), "%s\n",
                 out.dump(2, ' ', false, nlohmann::json::error_handler_t::replace).c_str());
    return kExitOk;
}

} // namespace zyntra
