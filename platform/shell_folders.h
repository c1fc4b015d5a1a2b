#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zyntra {

// The desktop, personal-documents and computer folders of the shell. Paths
// have no trailing '/' and are empty when they cannot be found.
class SpecialFolders {
public:
    virtual ~SpecialFolders() = default;

    virtual std::string DesktopPath() const = 0;
    virtual std::string PersonalPath() const = 0;
    // The user's own folder, the one that holds the documents, music, pictures, videos and
    // downloads folders: where a user starts looking for their files.
    virtual std::string HomePath() const = 0;

    // The desktop's real sub-folders by name, sorted; launcher files and
    // hidden entries are not folders of the desktop.
    virtual std::vector<std::string> DesktopFolderNames() const;

    // The folders' own names; empty when the folder is unknown.
    std::string DesktopCaption() const;
    std::string PersonalCaption() const;
    std::string ComputerCaption() const { return "Computer"; }
};

// The XDG user directories: XDG_DESKTOP_DIR and XDG_DOCUMENTS_DIR of
// configHome/user-dirs.dirs, read on every call, else home/Desktop and
// home/Documents.
class XdgSpecialFolders : public SpecialFolders {
public:
    XdgSpecialFolders(std::string home, std::string configHome);

    // HOME (or the password database) and XDG_CONFIG_HOME (or ~/.config).
    static XdgSpecialFolders FromEnvironment();

    std::string DesktopPath() const override;
    std::string PersonalPath() const override;
    std::string HomePath() const override { return home_; }

private:
    std::string UserDir(std::string_view key, std::string_view fallback) const;

    std::string home_;
    std::string configHome_;
};

// Fixed paths for tests; the desktop's folders are still read from disk. Without a home
// folder of its own, the personal folder stands for it.
class MemorySpecialFolders : public SpecialFolders {
public:
    MemorySpecialFolders(std::string desktop, std::string personal, std::string home = {})
        : desktop_(std::move(desktop)), personal_(std::move(personal)), home_(std::move(home)) {}

    std::string DesktopPath() const override { return desktop_; }
    std::string PersonalPath() const override { return personal_; }
    std::string HomePath() const override { return home_.empty() ? personal_ : home_; }

private:
    std::string desktop_;
    std::string personal_;
    std::string home_;
};

// The value of KEY (such as "XDG_DESKTOP_DIR") in a user-dirs.dirs text,
// with "$HOME" expanded; empty when the key is missing or its value is
// neither absolute nor relative to $HOME.
std::string UserDirFromText(std::string_view text, std::string_view key, const std::string& home);

// The last component of a folder path; "/" for the root.
std::string FolderCaption(const std::string& path);

} // namespace zyntra
