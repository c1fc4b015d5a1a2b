#include "content/file_lists.h"
#include "content/media_metadata.h"
#include "storage/text_conv.h"
#include "texts/charset_converter.h"

#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>

// Folder paths here end in '/', the separator of this system, where the device's own content
// index writes backslashes; device/content_path turns those into folders below a root.

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

} // namespace

struct FileLists::ScanState {
    Side side;
    std::string_view filter;
    // The device side lists a linked file only when it lies in the scanned tree.
    std::string realRoot;
    CharsetConverter toInterface;
    EbookTrailer trailer{};
    Id3v1Tag tag{};
};

void FileLists::ScanFolder(const std::string& folder, std::string_view filter, Side side,
                           bool recursive) {
    if (folder.empty())
        return;
    ScanState scan{side, filter, "", CharsetConverter(InterfaceCharset(systemLanguage_), "UTF-8")};
    if (side == Side::Device)
        scan.realRoot = RealPath(folder);
    ScanInto(scan, WithSeparator(folder), recursive);
}

void FileLists::ScanInto(ScanState& scan, const std::string& folder, bool recursive) {
    std::unique_ptr<DIR, DirCloser> dir(opendir(folder.c_str()));
    if (!dir)
        return;
    while (const dirent* entry = readdir(dir.get())) {
        std::string name = entry->d_name;
        if (name.front() == '.')
            continue;
        // Only entries that may be listed or entered are looked at closer.
        bool mayBeFolder = recursive && (entry->d_type == DT_DIR || entry->d_type == DT_UNKNOWN);
        std::string extension = LowerExtension(name);
        if (!mayBeFolder && !FilterHolds(scan.filter, extension))
            continue;
        EntryInfo info = Inspect(dirfd(dir.get()), entry->d_name);
        if (info.kind == EntryKind::Folder) {
            if (recursive)
                ScanInto(scan, folder + name + '/', true);
            continue;
        }
        if (info.kind != EntryKind::File || !FilterHolds(scan.filter, extension))
            continue;
        if (info.linked && scan.side == Side::Device &&
            !Inside(RealPath(folder + name), scan.realRoot))
            continue;
        AddFile(scan, folder, name, info.size, info.lastWrite);
    }
}

void FileLists::AddFile(ScanState& scan, const std::string& folder, const std::string& name,
                        std::uint64_t size, std::time_t lastWrite) {
    std::string extension = LowerExtension(name);
    std::optional<ContentCategory> category = CategoryOfExtension(extension);
    if (!category)
        return;
    FILE_TYPE entry;
    entry.fileName = name;
    entry.fileType = extension.substr(1, kFileTypeLength);
    entry.sizeKB = SizeKBText(size);
    entry.modified = ModifiedText(lastWrite);
    entry.fullPath = folder + name;
    if (*category == ContentCategory::Ebook) {
        if (CheckEbookTrailer(entry.fullPath, scan.trailer, *currentDevice_) != 0)
            return;
        entry.title = EbookDisplayTitle(scan.trailer, systemLanguage_, scan.toInterface);
        entry.bookMainClass = TrailerBookMainClass(scan.trailer);
        entry.bookSubClass = TrailerBookSubClass(scan.trailer);
    } else if (*category == ContentCategory::Mp3Music &&
               ReadId3v1Tag(entry.fullPath, scan.tag) == 0) {
        entry.title = Id3v1Title(scan.tag);
        entry.artist = Id3v1Artist(scan.tag);
    }
    MutableList(scan.side, *category).push_back(std::move(entry));
}

} // namespace zyntra
