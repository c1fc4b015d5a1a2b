#include "ui/text_codec.h"

namespace zyntra {

TextCodec::TextCodec(const std::string& charset)
    : charset_(charset), toUtf8_("UTF-8", charset), fromUtf8_(charset, "UTF-8") {}

QString TextCodec::ToQString(std::string_view bytes) const {
    if (bytes.empty())
        return {};
    if (!Valid())
        return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
    const std::string utf8 = toUtf8_.ConvertLenient(bytes);
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::string TextCodec::FromQString(const QString& text) const {
    if (text.isEmpty())
        return {};
    if (!Valid())
        return text.toLatin1().toStdString();
    const QByteArray utf8 = text.toUtf8();
    return fromUtf8_.ConvertLenient(
        std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
}

} // namespace zyntra
