#include "tests/support/file_step_faults.h"

#include "tests/support/temp_dir.h"

#include <cctype>
#include <cerrno>
#include <filesystem>
#include <memory>
#include <sqlite3.h>
#include <string_view>

namespace zyntra::test {
namespace {

namespace fs = std::filesystem;

const char* StepName(FileStep step) {
    switch (step) {
    case FileStep::Write:
        return "write";
    case FileStep::Flush:
        return "flush";
    case FileStep::Rename:
        return "rename";
    case FileStep::Copy:
        return "copy";
    case FileStep::Delete:
        return "delete";
    }
    return "?";
}

using Database = std::unique_ptr<sqlite3, decltype(&sqlite3_close)>;

// The bytes as a read-only database in memory; they must outlive it.
Database OpenBytes(const std::string& bytes) {
    sqlite3* db = nullptr;
    sqlite3_open(":memory:", &db);
    Database owned(db, &sqlite3_close);
    auto* data = reinterpret_cast<unsigned char*>(const_cast<char*>(bytes.data()));
    if (db == nullptr || sqlite3_deserialize(db, "main", data, bytes.size(), bytes.size(),
                                             SQLITE_DESERIALIZE_READONLY) != SQLITE_OK)
        return Database(nullptr, &sqlite3_close);
    return owned;
}

// "yyyy-mm-dd hh:mm:ss" at `at`.
bool DateTimeAt(const std::string& text, std::size_t at) {
    static constexpr std::string_view kShape = "0000-00-00 00:00:00";
    if (text.size() - at < kShape.size())
        return false;
    for (std::size_t i = 0; i < kShape.size(); ++i)
        if (kShape[i] == '0' ? !std::isdigit(static_cast<unsigned char>(text[at + i]))
                             : text[at + i] != kShape[i])
            return false;
    return true;
}

std::string MaskDateTimes(std::string text) {
    for (std::size_t at = 0; at < text.size(); ++at)
        if (DateTimeAt(text, at))
            text.replace(at, 19, "<time>");
    return text;
}

// Each row of the result, its values separated by tabs; false when the statement fails.
bool AppendRows(sqlite3* db, const std::string& sql, std::string& out) {
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(db, sql.c_str(), -1, &statement, nullptr) != SQLITE_OK)
        return false;
    int step = SQLITE_ROW;
    while ((step = sqlite3_step(statement)) == SQLITE_ROW) {
        for (int column = 0; column < sqlite3_column_count(statement); ++column) {
            const auto* text = sqlite3_column_blob(statement, column);
            std::string value(static_cast<const char*>(text),
                              text == nullptr ? 0 : sqlite3_column_bytes(statement, column));
            out += MaskDateTimes(std::move(value)) + '\t';
        }
        out += '\n';
    }
    sqlite3_finalize(statement);
    return step == SQLITE_DONE;
}

} // namespace

std::string DatabaseRows(const std::string& bytes) {
    Database db = OpenBytes(bytes);
    std::string tables;
    if (!db || !AppendRows(db.get(),
                           "SELECT name FROM sqlite_master WHERE type = 'table' "
                           "ORDER BY name",
                           tables))
        return {};
    std::string rows;
    std::size_t start = 0;
    for (std::size_t end; (end = tables.find("\t\n", start)) != std::string::npos;
         start = end + 2) {
        const std::string table = tables.substr(start, end - start);
        rows += table + ":\n";
        if (!AppendRows(db.get(), "SELECT * FROM \"" + table + "\" ORDER BY rowid", rows))
            return {};
    }
    return rows;
}

std::string IntegrityOf(const std::string& bytes) {
    Database db = OpenBytes(bytes);
    std::string result;
    if (!db || !AppendRows(db.get(), "PRAGMA integrity_check", result))
        return "not a database";
    return result == "ok\t\n" ? "ok" : result;
}

FileStepFaults::FileStepFaults(int failing) : failing_(failing) {
    SetFileFaultHook([this](FileStep step, const std::string& path) {
        if (++steps_ != failing_)
            return 0;
        failed_ = std::string(StepName(step)) + " " + path;
        return failing_ % 2 == 1 ? EIO : ENOSPC;
    });
}

FileStepFaults::~FileStepFaults() {
    SetFileFaultHook({});
}

const std::string* FileTree::Find(const std::string& path) const {
    auto found = files.find(path);
    return found == files.end() ? nullptr : &found->second;
}

FileTree ReadTree(const std::vector<std::string>& roots) {
    FileTree tree;
    for (const std::string& root : roots) {
        std::error_code error;
        for (const fs::directory_entry& entry : fs::recursive_directory_iterator(root, error)) {
            const std::string path = entry.path().string();
            if (entry.is_directory(error))
                tree.folders.insert(path);
            else if (entry.is_regular_file(error))
                tree.files[path] = ReadFile(path);
        }
    }
    return tree;
}

void PutBackTree(const std::vector<std::string>& roots, const FileTree& tree) {
    const FileTree now = ReadTree(roots);
    std::error_code error;
    for (const auto& [path, bytes] : now.files)
        if (tree.Find(path) == nullptr)
            fs::remove(path, error);
    // Deepest first, so that a folder is empty when its turn comes.
    for (auto folder = now.folders.rbegin(); folder != now.folders.rend(); ++folder)
        if (!tree.folders.contains(*folder))
            fs::remove_all(*folder, error);
    for (const std::string& folder : tree.folders)
        fs::create_directories(folder, error);
    for (const auto& [path, bytes] : tree.files) {
        const std::string* current = now.Find(path);
        if (current == nullptr || *current != bytes)
            WriteFile(path, bytes);
    }
}

} // namespace zyntra::test
