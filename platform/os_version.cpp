#include "platform/os_version.h"

namespace zyntra {

int GetOsVersionCode() {
    return 0;
}

} // namespace zyntra
