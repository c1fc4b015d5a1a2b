#include "kit/static_controls.h"

namespace zyntra {

void Splitter::UserMoved() {
    if (AcceptsUserAction()) {
        OnMoved.Fire();
    }
}

} // namespace zyntra
