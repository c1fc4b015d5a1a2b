#include "bench/raw_sqlite.h"

#include "storage/database_files.h"

#include <filesystem>

namespace zyntra::bench {
namespace {

namespace fs = std::filesystem;

struct TableOfFile {
    int slot;
    const char* table;
};
constexpr TableOfFile kRecordTables[] = {
    {1, "telephone"}, {1, "schedule"}, {1, "todolist"}, {2, "headword"}, {3, "headword"}};

std::string Marks(std::size_t count) {
    std::string marks;
    for (std::size_t i = 0; i < count; ++i)
        marks += i == 0 ? "?" : ", ?";
    return marks;
}

} // namespace

std::vector<TableRows> ReadRecordRows(const std::string& fixtureFolder) {
    std::vector<TableRows> tables;
    for (const TableOfFile& source : kRecordTables) {
        TableRows& rows = tables.emplace_back();
        rows.fileName = GetDatabaseSlot(source.slot).deviceFileName;
        rows.table = source.table;
        SqliteFile db((fs::path(fixtureFolder) / rows.fileName).string());
        rows.rows = db.Select("select * from " + rows.table + " order by rowid");
        rows.columnCount =
            db.Select("select * from pragma_table_info('" + rows.table + "')").size();
    }
    return tables;
}

void PrepareEmptyFiles(const std::string& folder) {
    fs::create_directories(folder);
    for (const TableOfFile& source : kRecordTables)
        fs::copy_file(TemplatePath(source.slot),
                      fs::path(folder) / GetDatabaseSlot(source.slot).deviceFileName,
                      fs::copy_options::overwrite_existing);
}

std::size_t WriteAndReadBack(const std::vector<TableRows>& tables, const std::string& folder) {
    std::size_t readBack = 0;
    for (std::size_t first = 0; first < tables.size();) {
        // The tables of one file share its transaction.
        std::size_t end = first;
        while (end < tables.size() && tables[end].fileName == tables[first].fileName)
            ++end;
        SqliteFile db((fs::path(folder) / tables[first].fileName).string());
        db.Exec("begin");
        for (std::size_t t = first; t < end; ++t) {
            SqliteFile::Statement insert(db, "insert into " + tables[t].table + " values (" +
                                                 Marks(tables[t].columnCount) + ")");
            for (const SqliteRow& row : tables[t].rows)
                insert.Run(row);
        }
        db.Exec("commit");
        for (std::size_t t = first; t < end; ++t)
            readBack += db.Select("select * from " + tables[t].table + " order by rowid").size();
        first = end;
    }
    return readBack;
}

} // namespace zyntra::bench
