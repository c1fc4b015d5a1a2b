#pragma once

#include <string>
#include <vector>

namespace zyntra {

// A modal question with OK and Cancel: true for OK. Texts are bytes in the interface charset.
class Question {
public:
    virtual ~Question() = default;

    // Captioned with the application title.
    virtual bool Ask(const std::string& text) = 0;
    virtual bool AskCaptioned(const std::string& caption, const std::string& text) = 0;
};

} // namespace zyntra
