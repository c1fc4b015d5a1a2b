#pragma once

#include <string>

namespace zyntra::bench {

// The personal databases of a simulated device holding `records` entries in each of the address
// book, schedule, to-do list and both user dictionaries, built with SQLite from the program
// folder's templates. Kept in folder (device file names: PIM.db, ECDIY_Dict.db, ...) and made
// again only when missing or built by another version of this code or templates.
void EnsureFixtureDatabases(const std::string& folder, int records);

// An internal memory at root ('/' at the end): "_info.dat" of an unlocked device and the five
// databases in "Secretary/", from fixtureFolder, or the empty templates when it is empty.
void MakeDevice(const std::string& root, const std::string& fixtureFolder);

} // namespace zyntra::bench
