#include "content/file_lists.h"

#include "platform/open_with.h"
#include "storage/text_conv.h"
#include "texts/charset_converter.h"

#include <algorithm>
#include <charconv>
#include <numeric>

namespace zyntra {
namespace {

std::size_t SideIndex(Side side) {
    return side == Side::Computer ? 0 : 1;
}

unsigned char FoldedByte(char c) {
    auto byte = static_cast<unsigned char>(c);
    return (byte >= 'A' && byte <= 'Z') ? static_cast<unsigned char>(byte - 'A' + 'a') : byte;
}

// ASCII letters folded, every other byte by its unsigned value.
int CompareFolded(const std::string& a, const std::string& b) {
    std::size_t common = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < common; ++i) {
        unsigned char x = FoldedByte(a[i]);
        unsigned char y = FoldedByte(b[i]);
        if (x != y)
            return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

std::uint64_t NumberOf(const std::string& text) {
    std::uint64_t value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

} // namespace

FileLists::FileLists()
    : currentDevice_(&defaultDevice_),
      shownNames_(std::make_unique<CharsetConverter>(InterfaceCharset(systemLanguage_), "UTF-8")) {}
FileLists::~FileLists() = default;

void FileLists::SetScanContext(const DEV_INFO& currentDevice, std::string systemLanguage) {
    currentDevice_ = &currentDevice;
    if (systemLanguage != systemLanguage_)
        shownNames_ = std::make_unique<CharsetConverter>(InterfaceCharset(systemLanguage), "UTF-8");
    systemLanguage_ = std::move(systemLanguage);
}

std::string FileLists::ShownText(std::string_view fileSystemText) const {
    return shownNames_->ConvertLenient(fileSystemText);
}

const FileList& FileLists::List(Side side, ContentCategory category) const {
    const auto& lists = side == Side::Computer ? computerFiles_ : deviceFiles_;
    return lists.at(static_cast<std::size_t>(CategoryNumber(category)));
}

FileList& FileLists::MutableList(Side side, ContentCategory category) {
    return const_cast<FileList&>(List(side, category));
}

void FileLists::ResetFileList(Side side, ContentCategory category) {
    FileList().swap(MutableList(side, category));
}

void FileLists::ResetAllFileLists(Side side) {
    for (const CategoryInfo& info : kCategories)
        ResetFileList(side, info.category);
}

void FileLists::FreeFileLists() {
    ResetAllFileLists(Side::Computer);
    ResetAllFileLists(Side::Device);
}

void FileLists::MarkFileEntry(Side side, int index) {
    FileList& list = MutableList(side, currentCategory_);
    if (index >= 0 && static_cast<std::size_t>(index) < list.size())
        list[static_cast<std::size_t>(index)].marked = true;
}

void FileLists::RemoveMarkedEntries(Side side) {
    FileList& list = MutableList(side, currentCategory_);
    std::erase_if(list, [](const FILE_TYPE& entry) { return entry.marked; });
}

ListRow FileLists::FillRow(Side side, int row) const {
    const FileList& list = CurrentList(side);
    if (row < 0 || static_cast<std::size_t>(row) >= list.size())
        return {};
    FILE_TYPE shown = list[static_cast<std::size_t>(row)];
    shown.fileName = ShownText(shown.fileName);
    shown.fullPath = ShownText(shown.fullPath);
    return ContentRow(shown, currentCategory_);
}

int FileLists::OpenFileEntries(Side side, const std::vector<int>& rows) const {
    return OpenFileEntries(side, rows, DefaultOpener());
}

int FileLists::OpenFileEntries(Side side, const std::vector<int>& rows,
                               const std::string& opener) const {
    return OpenFileEntries(side, rows, [&opener](const std::string& path) {
        return OpenWithDefaultProgram(path, opener);
    });
}

int FileLists::OpenFileEntries(Side side, const std::vector<int>& rows,
                               const std::function<bool(const std::string&)>& open) const {
    if (currentCategory_ == ContentCategory::Ebook)
        return 0;
    const FileList& list = CurrentList(side);
    int started = 0;
    for (int row : rows)
        if (row >= 0 && static_cast<std::size_t>(row) < list.size() &&
            open(list[static_cast<std::size_t>(row)].fullPath))
            ++started;
    return started;
}

bool FileLists::SortToggle(Side side, int column) const {
    return sortToggles_[SideIndex(side)].at(static_cast<std::size_t>(column));
}

void FileLists::ResetSortToggles(Side side) {
    sortToggles_[SideIndex(side)].fill(false);
}

void FileLists::SortFileList(Side side, int column) {
    if (column < 0 || column >= kContentColumnCount)
        return;
    bool& toggle = sortToggles_[SideIndex(side)][static_cast<std::size_t>(column)];
    toggle = !toggle;
    ColumnField field = ColumnsOf(currentCategory_)[static_cast<std::size_t>(column)].field;
    if (field == ColumnField::Hidden)
        return;

    FileList& list = MutableList(side, currentCategory_);
    // The shown texts are taken once: a mark column looks at the disk for every entry.
    std::vector<std::string> keys;
    keys.reserve(list.size());
    for (const FILE_TYPE& entry : list)
        keys.push_back(ColumnText(entry, currentCategory_, column));
    auto less = [&](std::size_t a, std::size_t b) {
        if (field == ColumnField::SizeKB)
            return NumberOf(keys[a]) < NumberOf(keys[b]);
        return CompareFolded(keys[a], keys[b]) < 0;
    };
    std::vector<std::size_t> order(list.size());
    std::iota(order.begin(), order.end(), 0);
    bool descending = toggle;
    std::sort(order.begin(), order.end(),
              [&](std::size_t a, std::size_t b) { return descending ? less(b, a) : less(a, b); });
    FileList sorted;
    sorted.reserve(list.size());
    for (std::size_t index : order)
        sorted.push_back(std::move(list[index]));
    list = std::move(sorted);
}

} // namespace zyntra
