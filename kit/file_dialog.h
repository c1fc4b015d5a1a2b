#pragma once

#include <optional>
#include <string>
#include <vector>

namespace zyntra {

// One entry of a file dialog's type list: a label in the interface charset and the file-name
// extensions it shows, without their dots ("vcf").
struct FileFilter {
    std::string label;
    std::vector<std::string> extensions;
};

// The file the user chose and the entry of the type list that was chosen with it. The path is
// the file system's bytes.
struct FileChoice {
    std::string path;
    std::size_t filter = 0;
};

// The dialogs that ask for a file to read or to write. Both give nothing when the user
// cancels. A name to save typed without any extension gets the chosen type's first one.
class FileDialog {
public:
    virtual ~FileDialog() = default;

    virtual std::optional<FileChoice> ChooseFileToOpen(const std::string& caption,
                                                       const std::vector<FileFilter>& filters) = 0;
    virtual std::optional<FileChoice> ChooseFileToSave(const std::string& caption,
                                                       const std::vector<FileFilter>& filters,
                                                       const std::string& suggestedName) = 0;
};

// For front ends with nobody to ask: every choice is cancelled.
class NoFileDialog : public FileDialog {
public:
    std::optional<FileChoice> ChooseFileToOpen(const std::string&,
                                               const std::vector<FileFilter>&) override {
        return std::nullopt;
    }
    std::optional<FileChoice> ChooseFileToSave(const std::string&, const std::vector<FileFilter>&,
                                               const std::string&) override {
        return std::nullopt;
    }
};

} // namespace zyntra
