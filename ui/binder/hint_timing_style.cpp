#include "ui/binder/hint_timing_style.h"

namespace zyntra {

int HintTimingStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                               QStyleHintReturn* returnData) const {
    switch (hint) {
    case SH_ToolTip_WakeUpDelay:
        return kHintShowDelayMs;
    case SH_ToolTip_FallAsleepDelay:
        return kHintMoveDelayMs;
    default:
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
}

} // namespace zyntra
