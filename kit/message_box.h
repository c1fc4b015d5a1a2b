#pragma once

#include <string>
#include <vector>

namespace zyntra {

// A plain modal message box with one OK button. Texts are bytes in the
// interface charset; the window's implementation converts them for display.
class MessageBox {
public:
    virtual ~MessageBox() = default;

    // A box captioned with the application title.
    virtual void Show(const std::string& text) = 0;

    // A box with a caption of its own and no owner window ("ERROR" and the like).
    virtual void ShowCaptioned(const std::string& caption, const std::string& text) = 0;
};

struct ShownMessage {
    std::string caption; // empty: the application title
    std::string text;
};

// Without a window: remembers every box in order, so a test or the command
// line can read what the user would have seen.
class RecordingMessageBox : public MessageBox {
public:
    void Show(const std::string& text) override;
    void ShowCaptioned(const std::string& caption, const std::string& text) override;

    const std::vector<ShownMessage>& Shown() const { return shown_; }
    void Clear() { shown_.clear(); }

private:
    std::vector<ShownMessage> shown_;
};

} // namespace zyntra
