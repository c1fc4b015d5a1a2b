#pragma once

#include <cstddef>
#include <string_view>

namespace zyntra {

// Every conversion and comparison buffer of the system has this size.
inline constexpr std::size_t kConvBufferSize = 2048;

// The charset of the interface side for a system language code ("zh_TW",
// "zh_CN", "en_US"); the database side is always "UTF-8".
const char* InterfaceCharset(std::string_view systemLanguage);

// Opens the process-wide converter from one charset to another through the
// program folder's iconv.dll, closing any converter open before. Returns 1,
// or -1 (with "iconv_open() failed.") when the library or the charset pair
// is not available.
int conv_open(const char* from, const char* to);

// Converts len bytes of in into out, writing at most outSize - 1 bytes and no
// terminating zero, so a zero-filled buffer stays a string. Returns the bytes
// written; -1 when no converter is open, -3 for no input, -2 when the
// conversion stops (a byte sequence the source lacks, a character the target
// lacks, or no room left): out then holds the whole characters converted
// before the stop.
int conv_run(const char* in, std::size_t len, char* out, std::size_t outSize);

// Closes the converter, if one is open.
void conv_close();

// dst[i] = ~src[i] for i < len, the stored form of personal texts and back.
// Writes no terminating zero.
void complement_copy(const char* src, std::size_t len, char* dst);

// Whether an in-memory text (interface charset) equals a text read from a
// database (null for SQL NULL). With convert, the memory text is converted
// with the open converter, and with complement also complemented, before the
// byte comparison.
bool db_text_equal(const char* dbText, std::string_view memText, bool convert, bool complement);

} // namespace zyntra
