#pragma once

#include "content/content_category.h"
#include "content/file_entry.h"
#include "content/list_columns.h"
#include "device/device_record.h"
#include "kit/list_view.h"

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace zyntra {

class CharsetConverter;

using FileList = std::vector<FILE_TYPE>;

// The fourteen content lists, one per side and category, with the folder scan that fills them,
// the rows that the two virtual list views draw from them, and their sorting.
class FileLists {
public:
    FileLists();
    ~FileLists();
    // The scan context points into the object itself until a device record is given.
    FileLists(const FileLists&) = delete;
    FileLists& operator=(const FileLists&) = delete;

    // E-books are listed only when made for this record's content codes, on both sides, so the
    // record must outlive the scans; their titles are shown in the charset of the language.
    void SetScanContext(const DEV_INFO& currentDevice, std::string systemLanguage);
    const std::string& SystemLanguage() const { return systemLanguage_; }
    // A file or folder name, or a path, from the file system (UTF-8) as the window shows it: in
    // the charset of the language, a character that charset lacks as '?'.
    std::string ShownText(std::string_view fileSystemText) const;

    ContentCategory CurrentCategory() const { return currentCategory_; }
    void SetCurrentCategory(ContentCategory category) { currentCategory_ = category; }

    const FileList& List(Side side, ContentCategory category) const;
    const FileList& CurrentList(Side side) const { return List(side, currentCategory_); }

    // Appends the files of folder that the filter admits to the lists of the side, each to its
    // category's list, in the order the folder yields them. Hidden entries (names starting
    // with '.') are skipped; with recursive, subfolders are scanned where they are met. A
    // folder that cannot be read adds nothing, and so does an empty folder text, which would
    // otherwise name the file system's root.
    void ScanFolder(const std::string& folder, std::string_view filter, Side side, bool recursive);

    void ResetFileList(Side side, ContentCategory category);
    void ResetAllFileLists(Side side);
    void FreeFileLists();

    // Marks entry index of the current category's list; an index outside it is ignored.
    void MarkFileEntry(Side side, int index);
    void RemoveMarkedEntries(Side side);

    // The row of the current category's list, or an empty row (image -1) outside it.
    ListRow FillRow(Side side, int row) const;

    // Opens the files of these rows of the current list with the desktop's program for their
    // type, in the order given; e-books are never opened and rows outside the list are passed
    // over. Returns how many openers were started.
    int OpenFileEntries(Side side, const std::vector<int>& rows) const;
    int OpenFileEntries(Side side, const std::vector<int>& rows, const std::string& opener) const;
    // The same with the opening handed to open, which says whether it started.
    int OpenFileEntries(Side side, const std::vector<int>& rows,
                        const std::function<bool(const std::string&)>& open) const;

    // Flips the column's direction flag and sorts the current list by what the column shows:
    // descending when the flag is now set. A hidden column keeps the order.
    void SortFileList(Side side, int column);
    bool SortToggle(Side side, int column) const;
    // A side's Refresh starts every column over with descending order on its first click.
    void ResetSortToggles(Side side);

private:
    struct ScanState;

    FileList& MutableList(Side side, ContentCategory category);
    // Reads the folder open as folderFd and closes it.
    void ScanInto(ScanState& scan, int folderFd, bool recursive);
    void EnterFolder(ScanState& scan, int parentFd, const char* name);
    void AddRegularFile(ScanState& scan, int folderFd, const char* name, ContentCategory category);
    // fd: the file open for reading, or -1 when it could not be opened or need not be.
    void AddFile(ScanState& scan, std::string_view name, ContentCategory category, int fd,
                 std::uint64_t size, std::time_t lastWrite);

    std::array<FileList, kCategoryCount> computerFiles_;
    std::array<FileList, kCategoryCount> deviceFiles_;
    std::array<std::array<bool, kContentColumnCount>, 2> sortToggles_{};
    ContentCategory currentCategory_ = ContentCategory::Ebook;
    DEV_INFO defaultDevice_;
    const DEV_INFO* currentDevice_;
    std::string systemLanguage_ = "en_US";
    std::unique_ptr<CharsetConverter> shownNames_;
};

} // namespace zyntra
