#pragma once

#include <string>
#include <string_view>

namespace zyntra {

// The text with every single quote doubled, for use between single quotes.
std::string SqlEscaped(std::string_view text);

// The text as an SQL string literal: SqlQuoted("don't") is 'don''t'.
std::string SqlQuoted(std::string_view text);

} // namespace zyntra
