#include "platform/open_with.h"

#include "platform/process_launch.h"

#include <cstdlib>

namespace zyntra {

std::string DefaultOpener() {
    const char* opener = std::getenv("ZYNTRA_OPENER");
    return opener != nullptr && *opener != '\0' ? opener : "xdg-open";
}

bool OpenWithDefaultProgram(const std::string& path) {
    return OpenWithDefaultProgram(path, DefaultOpener());
}

bool OpenWithDefaultProgram(const std::string& path, const std::string& opener) {
    if (path.empty())
        return false;
    // A name starting with '-' would be read as an option.
    std::string argument = path.front() == '-' ? "./" + path : path;
    return StartDetached({opener, argument}).has_value();
}

} // namespace zyntra
