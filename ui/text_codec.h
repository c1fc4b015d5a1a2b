#pragma once

#include "texts/charset_converter.h"

#include <QString>
#include <string>
#include <string_view>

namespace zyntra {

// Turns the core's byte strings (interface charset) into Unicode for the widgets and back.
//
// Each codec has converters of its own, so the window never touches the storage layer's
// process-wide converter (a loader may hold it open while pending events run). A byte sequence
// the charset does not know shows as U+FFFD; a character the charset cannot hold is replaced by
// '?' on the way back. Neither ever throws.
class TextCodec {
public:
    explicit TextCodec(const std::string& charset);
    TextCodec(const TextCodec&) = delete;
    TextCodec& operator=(const TextCodec&) = delete;

    const std::string& Charset() const { return charset_; }
    // False when iconv does not know the charset; the codec then treats bytes as Latin-1.
    bool Valid() const { return toUtf8_.Valid() && fromUtf8_.Valid(); }

    QString ToQString(std::string_view bytes) const;
    std::string FromQString(const QString& text) const;

private:
    std::string charset_;
    CharsetConverter toUtf8_;
    CharsetConverter fromUtf8_;
};

} // namespace zyntra
