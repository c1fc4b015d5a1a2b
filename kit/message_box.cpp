#include "kit/message_box.h"

namespace zyntra {

void RecordingMessageBox::Show(const std::string& text) { shown_.push_back({{}, text}); }

void RecordingMessageBox::ShowCaptioned(const std::string& caption, const std::string& text) {
    shown_.push_back({caption, text});
}

} // namespace zyntra
