#pragma once

#include "ui/icons/icon_library.h"

#include <memory>
#include <string>

class QWidget;

namespace zyntra {

class Control;
class WidgetPeer;
struct PeerContext;

// The peer of a control for the widget of its name. Nothing, with the reason in problem, when
// the widget is not of the class the control's type needs ("QLineEdit" for an edit field ...).
std::unique_ptr<WidgetPeer> MakeWidgetPeer(Control& control, QWidget& widget,
                                           const PeerContext& context, ImageList buttonImages,
                                           std::string& problem);

} // namespace zyntra
