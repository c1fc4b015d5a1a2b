#include "content/list_columns.h"

#include "texts/lang_text.h"

#include <cstdio>
#include <sys/stat.h>

namespace zyntra {
namespace {

using F = ColumnField;

constexpr ColumnLayout kFileNameColumn{F::FileName, "SC_LISTVIEW_COL0", 0};
constexpr ColumnLayout kHiddenColumn{F::Hidden, "", 0};

constexpr ColumnTable kEbookColumns{{
    kFileNameColumn,
    {F::Title, "SC_LISTVIEW_COL7", 200},
    {F::FileType, "SC_LISTVIEW_COL3", 80},
    {F::SizeKB, "SC_LISTVIEW_COL4", 60},
    {F::Modified, "SC_LISTVIEW_COL5", 120},
    {F::FullPath, "SC_LISTVIEW_COL6", 300},
    kHiddenColumn,
    kHiddenColumn,
}};

constexpr ColumnTable kMusicColumns{{
    kFileNameColumn,
    {F::Title, "SC_LISTVIEW_COL1", 200},
    {F::Artist, "SC_LISTVIEW_COL2", 300},
    {F::FileType, "SC_LISTVIEW_COL3", 80},
    {F::SizeKB, "SC_LISTVIEW_COL4", 60},
    {F::Modified, "SC_LISTVIEW_COL5", 120},
    {F::CompanionMark, "SC_LISTVIEW_COL8", 50},
    {F::FullPath, "SC_LISTVIEW_COL6", 300},
}};

constexpr ColumnTable kVideoColumns{{
    kFileNameColumn,
    {F::FileType, "SC_LISTVIEW_COL3", 80},
    {F::SizeKB, "SC_LISTVIEW_COL4", 60},
    {F::Modified, "SC_LISTVIEW_COL5", 120},
    {F::CompanionMark, "SC_LISTVIEW_COL9", 50},
    {F::FullPath, "SC_LISTVIEW_COL6", 300},
    kHiddenColumn,
    kHiddenColumn,
}};

constexpr ColumnTable kPlainColumns{{
    kFileNameColumn,
    {F::FileType, "SC_LISTVIEW_COL3", 80},
    {F::SizeKB, "SC_LISTVIEW_COL4", 60},
    {F::Modified, "SC_LISTVIEW_COL5", 120},
    {F::FullPath, "SC_LISTVIEW_COL6", 300},
    kHiddenColumn,
    kHiddenColumn,
    kHiddenColumn,
}};

bool Exists(const std::string& path) {
    struct stat info {};
    return !path.empty() && stat(path.c_str(), &info) == 0;
}

} // namespace

const ColumnTable& ColumnsOf(ContentCategory category) {
    switch (category) {
    case ContentCategory::Ebook:
        return kEbookColumns;
    case ContentCategory::Mp3Music:
        return kMusicColumns;
    case ContentCategory::DigitalContents:
        return kVideoColumns;
    default:
        return kPlainColumns;
    }
}

void ApplyContentColumns(ListView& view, ContentCategory category) {
    const ColumnTable& columns = ColumnsOf(category);
    if (view.ColumnCount() < kContentColumnCount)
        view.SetColumnCount(kContentColumnCount);
    view.SetColumnCaption(0, LangText(columns[0].captionKey));
    for (int i = 1; i < kContentColumnCount; ++i) {
        const ColumnLayout& layout = columns[static_cast<std::size_t>(i)];
        std::string caption = layout.field == F::Hidden ? "" : LangText(layout.captionKey);
        view.SetColumn(i, std::move(caption), layout.width);
    }
}

std::string ColumnText(const FILE_TYPE& entry, ContentCategory category, int column) {
    if (column < 0 || column >= kContentColumnCount)
        return "";
    switch (ColumnsOf(category)[static_cast<std::size_t>(column)].field) {
    case F::FileName:
        return entry.fileName;
    case F::Title:
        return entry.title;
    case F::Artist:
        return entry.artist;
    case F::FileType:
        return entry.fileType;
    case F::SizeKB:
        return entry.sizeKB;
    case F::Modified:
        return entry.modified;
    case F::FullPath:
        return entry.fullPath;
    case F::CompanionMark:
        return Exists(CompanionPath(category, entry.fullPath)) ? "*" : "";
    case F::Hidden:
        break;
    }
    return "";
}

ListRow ContentRow(const FILE_TYPE& entry, ContentCategory category) {
    ListRow row;
    row.imageIndex = CategoryNumber(category);
    for (int column = 0; column < kContentColumnCount; ++column)
        row.texts.push_back(ColumnText(entry, category, column));
    return row;
}

std::string SizeKBText(std::uint64_t bytes) {
    std::uint64_t thousands = bytes / 1000 + (bytes % 1000 != 0 ? 1 : 0);
    return std::to_string(thousands == 0 ? 1 : thousands);
}

std::string ModifiedText(std::time_t lastWrite) {
    std::tm local{};
    if (localtime_r(&lastWrite, &local) == nullptr)
        return "";
    char text[64];
    std::snprintf(text, sizeof text, "%d/%02d/%02d  %02d:%02d", local.tm_year + 1900,
                  local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min);
    return text;
}

} // namespace zyntra
