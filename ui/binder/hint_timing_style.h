#pragma once

#include <QProxyStyle>

namespace zyntra {

// The application's hint timing: a tip shows after 300 ms, the next control's tip follows
// after 10 ms, and a tip stays up for 864000 ms (QToolTip::showText takes that time).
inline constexpr int kHintShowDelayMs = 300;
inline constexpr int kHintMoveDelayMs = 10;
inline constexpr int kHintHideDelayMs = 864000;

class HintTimingStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override;
};

} // namespace zyntra
