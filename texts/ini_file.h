#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>

struct stat;

namespace zyntra {

// An INI file with the rules of the Windows private-profile functions.
//
// Values are bytes in whatever charset the file is stored in and are never
// converted; only the ASCII letters of section and key names are folded when
// names are compared. Reads see edits made to the file by others since the
// previous read. Not thread-safe: the const readers refresh a cache.
class IniFile {
public:
    explicit IniFile(std::string path);

    // The value of the first `key` in the first `section` of that name, without
    // surrounding blanks and one pair of matching enclosing quotes; `defaultValue`
    // when the file, the section or the key is missing.
    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view defaultValue) const;

    // The leading decimal integer of the value (optional sign); `defaultValue`
    // when the value is missing, holds no digits or does not fit an int.
    int ReadInt(std::string_view section, std::string_view key, int defaultValue) const;

    // Sets the value of the first `key` of the first `section`, adding the key
    // at the end of the section or the section at the end of the file when
    // missing. Every other byte of the file stays as it was. The file is
    // replaced atomically; false when it could not be (the old file is kept).
    // Names or values that would break the line structure are refused.
    bool WriteString(std::string_view section, std::string_view key, std::string_view value);
    bool WriteInt(std::string_view section, std::string_view key, int value);

    const std::string& Path() const { return path_; }

private:
    struct NameHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view name) const;
    };
    struct NameEqual {
        using is_transparent = void;
        bool operator()(std::string_view a, std::string_view b) const;
    };
    using Section = std::unordered_map<std::string, std::string, NameHash, NameEqual>;

    // Identifies one version of the file without reading it.
    struct Stamp {
        bool exists = false;
        std::uint64_t device = 0;
        std::uint64_t inode = 0;
        std::int64_t size = 0;
        std::int64_t mtimeSeconds = 0;
        std::int64_t mtimeNanoseconds = 0;
        bool operator==(const Stamp&) const = default;
    };

    static Stamp StampOf(const struct stat& info);
    const std::string* Find(std::string_view section, std::string_view key) const;
    void Refresh() const;
    void Load() const;

    std::string path_;
    mutable bool loaded_ = false;
    mutable Stamp stamp_;
    mutable std::unordered_map<std::string, Section, NameHash, NameEqual> sections_;
};

} // namespace zyntra
