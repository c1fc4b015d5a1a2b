#pragma once

#include "kit/control.h"

#include <functional>
#include <vector>

namespace zyntra::test {

// A stand-in for a widget's peer: remembers what it was told and may react to it the way a
// widget's signal would.
class RecordingPeer : public ControlPeer {
public:
    void ControlChanged(Control& control, const ControlChange& change) override {
        changes.push_back(change);
        if (react) {
            react(control, change);
        }
    }

    int Count(ControlProperty property) const {
        int count = 0;
        for (const auto& change : changes) {
            count += change.property == property ? 1 : 0;
        }
        return count;
    }

    std::vector<ControlChange> changes;
    std::function<void(Control&, const ControlChange&)> react;
};

} // namespace zyntra::test
