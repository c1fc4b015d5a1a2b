#include "content/file_lists.h"
#include "content/media_metadata.h"
#include "texts/charset_converter.h"

#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

// Folder paths here end in '/', the separator of this system, where the device's own content
// index writes backslashes; device/content_path turns those into folders below a root.
//
// The walk names every entry relative to its folder's descriptor, so the kernel never looks a
// whole path up again, and trusts the entry type the folder reports where it can: a folder is
// entered and a file left out by its name alone, and a listed file costs one status query, or
// for music and books one open, status query and read of the tail.

namespace zyntra {
namespace {

constexpr std::size_t kFileTypeLength = 3;

enum class EntryKind { Other, File, Folder, LinkedFolder };

struct EntryInfo {
    EntryKind kind = EntryKind::Other;
    std::uint64_t size = 0;
    std::time_t lastWrite = 0;
    bool linked = false;
};

EntryKind KindOf(mode_t mode) {
    if (S_ISREG(mode))
        return EntryKind::File;
    if (S_ISDIR(mode))
        return EntryKind::Folder;
    return EntryKind::Other;
}

// Looks at one entry; a symbolic link is described by what it points to, a folder it points
// to as LinkedFolder, which no scan enters: that keeps a scan inside its tree and out of loops.
EntryInfo Inspect(int dirFd, const char* name) {
    EntryInfo info;
    struct stat own {};
    if (fstatat(dirFd, name, &own, AT_SYMLINK_NOFOLLOW) != 0)
        return info;
    struct stat target = own;
    if (S_ISLNK(own.st_mode)) {
        if (fstatat(dirFd, name, &target, 0) != 0)
            return info;
        info.linked = true;
    }
    info.kind = KindOf(target.st_mode);
    if (info.linked && info.kind == EntryKind::Folder)
        info.kind = EntryKind::LinkedFolder;
    info.size = static_cast<std::uint64_t>(target.st_size);
    info.lastWrite = target.st_mtime;
    return info;
}

std::string RealPath(const std::string& path) {
    std::unique_ptr<char, decltype(&std::free)> resolved(realpath(path.c_str(), nullptr),
                                                         &std::free);
    return resolved ? std::string(resolved.get()) : std::string();
}

bool Inside(const std::string& path, const std::string& root) {
    if (path.empty() || root.empty())
        return false;
    if (root == "/")
        return true;
    return path.compare(0, root.size(), root) == 0 &&
           (path.size() == root.size() || path[root.size()] == '/');
}

std::string WithSeparator(std::string folder) {
    if (folder.empty() || folder.back() != '/')
        folder.push_back('/');
    return folder;
}

struct DirCloser {
    void operator()(DIR* dir) const { closedir(dir); }
};

class OpenFile {
public:
    explicit OpenFile(int fd) : fd_(fd) {}
    ~OpenFile() {
        if (fd_ >= 0)
            close(fd_);
    }
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;
    int Descriptor() const { return fd_; }

private:
    int fd_;
};

// Only these two categories read anything of a file.
bool ReadsTail(ContentCategory category) {
    return category == ContentCategory::Ebook || category == ContentCategory::Mp3Music;
}

} // namespace

struct FileLists::ScanState {
    Side side;
    std::string_view filter;
    // The device side lists a linked file only when it lies in the scanned tree.
    std::string realRoot;
    // The folder being read, with its separator; grown on the way down and cut on the way up.
    std::string folder{};
    EbookTrailer trailer{};
    Id3v1Tag tag{};
    // Files copied together share their time, so its text is made once for a run of them.
    std::time_t shownTime = 0;
    std::string shownText{};
};

void FileLists::ScanFolder(const std::string& folder, std::string_view filter, Side side,
                           bool recursive) {
    if (folder.empty())
        return;
    int folderFd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folderFd < 0)
        return;
    ScanState scan{side, filter, "", WithSeparator(folder)};
    if (side == Side::Device)
        scan.realRoot = RealPath(folder);
    ScanInto(scan, folderFd, recursive);
}

void FileLists::ScanInto(ScanState& scan, int folderFd, bool recursive) {
    std::unique_ptr<DIR, DirCloser> dir(fdopendir(folderFd));
    if (!dir) {
        close(folderFd);
        return;
    }
    while (const dirent* entry = readdir(dir.get())) {
        if (entry->d_name[0] == '.')
            continue;
        if (entry->d_type == DT_DIR) {
            if (recursive)
                EnterFolder(scan, folderFd, entry->d_name);
            continue;
        }
        std::string extension = LowerExtension(entry->d_name);
        std::optional<ContentCategory> category;
        if (FilterHolds(scan.filter, extension))
            category = CategoryOfExtension(extension);
        if (entry->d_type == DT_REG) {
            if (category)
                AddRegularFile(scan, folderFd, entry->d_name, *category);
            continue;
        }
        // Links, and entries of file systems that keep no type in their folders.
        bool mayBeFolder = recursive && entry->d_type == DT_UNKNOWN;
        if (!category && !mayBeFolder)
            continue;
        EntryInfo info = Inspect(folderFd, entry->d_name);
        if (info.kind == EntryKind::Folder) {
            if (recursive)
                EnterFolder(scan, folderFd, entry->d_name);
            continue;
        }
        if (info.kind != EntryKind::File || !category)
            continue;
        if (info.linked && scan.side == Side::Device &&
            !Inside(RealPath(scan.folder + entry->d_name), scan.realRoot))
            continue;
        // The link was checked above, so the file is opened through it.
        OpenFile file(ReadsTail(*category) ? openat(folderFd, entry->d_name, O_RDONLY | O_CLOEXEC)
                                           : -1);
        AddFile(scan, entry->d_name, *category, file.Descriptor(), info.size, info.lastWrite);
    }
}

void FileLists::EnterFolder(ScanState& scan, int parentFd, const char* name) {
    // Never through a link, even one put in the folder's place since it was listed.
    int folderFd = openat(parentFd, name, O_RDONLY | O_DIRECTORY | O_CLOEXEC | O_NOFOLLOW);
    if (folderFd < 0)
        return;
    std::size_t parentLength = scan.folder.size();
    scan.folder.append(name).push_back('/');
    ScanInto(scan, folderFd, true);
    scan.folder.resize(parentLength);
}

void FileLists::AddRegularFile(ScanState& scan, int folderFd, const char* name,
                               ContentCategory category) {
    struct stat info {};
    if (!ReadsTail(category)) {
        if (fstatat(folderFd, name, &info, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(info.st_mode))
            AddFile(scan, name, category, -1, static_cast<std::uint64_t>(info.st_size),
                    info.st_mtime);
        return;
    }
    OpenFile file(openat(folderFd, name, O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NOCTTY));
    int fd = file.Descriptor();
    // A file that cannot be opened is still described: music is listed without its tag.
    if (fd >= 0 ? fstat(fd, &info) != 0 : fstatat(folderFd, name, &info, AT_SYMLINK_NOFOLLOW) != 0)
        return;
    if (S_ISREG(info.st_mode))
        AddFile(scan, name, category, fd, static_cast<std::uint64_t>(info.st_size), info.st_mtime);
}

void FileLists::AddFile(ScanState& scan, std::string_view name, ContentCategory category, int fd,
                        std::uint64_t size, std::time_t lastWrite) {
    // A book is listed only for the current device, so it is checked before anything is made.
    if (category == ContentCategory::Ebook &&
        (fd < 0 || CheckEbookTrailer(fd, size, scan.trailer, *currentDevice_) != 0))
        return;
    if (scan.shownText.empty() || lastWrite != scan.shownTime) {
        scan.shownTime = lastWrite;
        scan.shownText = ModifiedText(lastWrite);
    }
    FILE_TYPE& entry = MutableList(scan.side, category).emplace_back();
    entry.fileName = name;
    entry.fileType = LowerExtension(name).substr(1, kFileTypeLength);
    entry.sizeKB = SizeKBText(size);
    entry.modified = scan.shownText;
    entry.fullPath.reserve(scan.folder.size() + name.size());
    entry.fullPath.append(scan.folder).append(name);
    if (category == ContentCategory::Ebook) {
        entry.title = EbookDisplayTitle(scan.trailer, systemLanguage_, *shownNames_);
        entry.bookMainClass = TrailerBookMainClass(scan.trailer);
        entry.bookSubClass = TrailerBookSubClass(scan.trailer);
    } else if (category == ContentCategory::Mp3Music && fd >= 0 &&
               ReadId3v1Tag(fd, size, scan.tag) == 0) {
        entry.title = Id3v1Title(scan.tag);
        entry.artist = Id3v1Artist(scan.tag);
    }
}

} // namespace zyntra
