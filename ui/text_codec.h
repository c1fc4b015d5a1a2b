#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace zyntra {

// Turns the core's byte strings (interface charset) into Unicode for the widgets and back.
//
// Each codec has iconv descriptors of its own, opened once and reset before every conversion,
// so the window never touches the storage layer's process-wide converter (a loader may hold it
// open while pending events run). A byte sequence the charset does not know shows as U+FFFD; a
// character the charset cannot hold is replaced by '?' on the way back. Neither ever throws.
class TextCodec {
public:
    explicit TextCodec(const std::string& charset);
    ~TextCodec();
    TextCodec(const TextCodec&) = delete;
    TextCodec& operator=(const TextCodec&) = delete;

    const std::string& Charset() const { return charset_; }
    // False when iconv does not know the charset; the codec then treats bytes as Latin-1.
    bool Valid() const { return toUtf8_ != kNone && fromUtf8_ != kNone; }

    QString ToQString(std::string_view bytes) const;
    std::string FromQString(const QString& text) const;

private:
    using Descriptor = void*;
    static inline Descriptor const kNone = reinterpret_cast<Descriptor>(-1);

    std::string charset_;
    Descriptor toUtf8_ = kNone;
    Descriptor fromUtf8_ = kNone;
};

} // namespace zyntra
