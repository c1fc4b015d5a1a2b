#include "cli/console_services.h"

namespace zyntra {

void ConsoleMessageBox::Show(const std::string& text) {
    last_ = text;
    ++shown_;
    for (const char* failure : {"open file=", "* SQL error", "db_open() failed"})
        if (text.rfind(failure, 0) == 0)
            lowLevelFailure_ = true;
    std::string line = codec_.ToUtf8(text);
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r'))
        line.pop_back();
    std::fprintf(out_, "%s\n", line.c_str());
    std::fflush(out_);
}

void ConsoleMessageBox::ShowCaptioned(const std::string& caption, const std::string& text) {
    Show(caption.empty() ? text : caption + ": " + text);
}

bool ConsoleMessageBox::TakeLowLevelFailure() {
    bool failed = lowLevelFailure_;
    lowLevelFailure_ = false;
    return failed;
}

std::optional<std::string> ConsolePasswordDialog::Run(const DialogTexts&) {
    return answer_;
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
