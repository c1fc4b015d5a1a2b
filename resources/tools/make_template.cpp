// Build-time tool: creates a fresh SQLite database from an SQL script.
//   make_template SCRIPT.sql OUTPUT.dat
// The output is written under a temporary name and renamed into place, so a
// failed run never leaves a half-made template behind.

#include <cstdio>
#include <fstream>
#include <sqlite3.h>
#include <sstream>
#include <string>

namespace {

bool ReadScript(const char* path, std::string& script) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    std::ostringstream text;
    text << in.rdbuf();
    script = text.str();
    return true;
}

bool RunScript(const std::string& dbPath, const std::string& script) {
    std::remove(dbPath.c_str());
    sqlite3* db = nullptr;
    if (sqlite3_open(dbPath.c_str(), &db) != SQLITE_OK) {
        std::fprintf(stderr, "make_template: cannot create %s: %s\n", dbPath.c_str(),
                     sqlite3_errmsg(db));
        sqlite3_close(db);
        return false;
    }
    char* error = nullptr;
    int rc = sqlite3_exec(db, script.c_str(), nullptr, nullptr, &error);
    if (rc != SQLITE_OK)
        std::fprintf(stderr, "make_template: %s\n", error ? error : sqlite3_errstr(rc));
    sqlite3_free(error);
    return sqlite3_close(db) == SQLITE_OK && rc == SQLITE_OK;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_template SCRIPT.sql OUTPUT.dat\n");
        return 2;
    }
    std::string script;
    if (!ReadScript(argv[1], script)) {
        std::fprintf(stderr, "make_template: cannot read %s\n", argv[1]);
        return 1;
    }
    const std::string output = argv[2];
    const std::string partial = output + ".part";
    if (!RunScript(partial, script)) {
        std::remove(partial.c_str());
        return 1;
    }
    if (std::rename(partial.c_str(), output.c_str()) != 0) {
        std::perror("make_template: rename");
        return 1;
    }
    return 0;
}
