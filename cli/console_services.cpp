#include "cli/console_services.h"

namespace zyntra {

void ConsoleMessageBox::Show(const std::string& text) {
    std::string line = codec_.ToUtf8(text);
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r'))
        line.pop_back();
    std::fprintf(out_, "%s\n", line.c_str());
    std::fflush(out_);
}

void ConsoleMessageBox::ShowCaptioned(const std::string& caption, const std::string& text) {
    Show(caption.empty() ? text : caption + ": " + text);
}

UiServices ConsoleServices::Services() {
    return {messages_,          question_,        waitCursor_,      pendingEvents_, passwordDialog_,
            inputMethodDialog_, timeRangeDialog_, classTimeDialog_, fileDialog_, clock_};
}

std::optional<std::string> ReadFirstLine(std::FILE* in) {
    std::string line;
    int c;
    while ((c = std::fgetc(in)) != EOF && c != '\n')
        line += static_cast<char>(c);
    if (c == EOF && line.empty())
        return std::nullopt;
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    return line;
}

} // namespace zyntra
