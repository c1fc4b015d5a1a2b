#pragma once

#include "content/content_category.h"
#include "content/file_entry.h"
#include "kit/list_view.h"

#include <array>
#include <cstdint>
#include <ctime>
#include <string>

namespace zyntra {

inline constexpr int kContentColumnCount = 8;

// What a column of a content list view shows.
enum class ColumnField {
    Hidden,
    FileName,
    Title,
    Artist,
    FileType,
    SizeKB,
    Modified,
    FullPath,
    // "*" when the row's companion file exists when the row is drawn.
    CompanionMark,
};

struct ColumnLayout {
    ColumnField field;
    // Language key of the caption; "" for a hidden column.
    const char* captionKey;
    // 0 for a hidden column. Column 0 has no width here: it keeps the one the window gave it.
    int width;
};

using ColumnTable = std::array<ColumnLayout, kContentColumnCount>;

const ColumnTable& ColumnsOf(ContentCategory category);

// Captions (through LangText) and widths of all eight columns for the category; column 0 gets
// its caption only.
void ApplyContentColumns(ListView& view, ContentCategory category);

// The text an entry shows in a column of the category's table.
std::string ColumnText(const FILE_TYPE& entry, ContentCategory category, int column);

// A list view row: fileName as caption, then the texts of columns 1..7, and the category's
// image.
ListRow ContentRow(const FILE_TYPE& entry, ContentCategory category);

// Thousands of bytes, rounded up, never below 1.
std::string SizeKBText(std::uint64_t bytes);
// "yyyy/mm/dd  hh:mm" in local time.
std::string ModifiedText(std::time_t lastWrite);

} // namespace zyntra
