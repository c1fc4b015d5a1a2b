#pragma once

#include <string>

namespace zyntra {

// The four icons of the computer-side tree ("Desktop.ico", "Computer.ico",
// "Personal.ico", "File.ico"), written into the user folder at start-up
// and removed from it at shutdown. Both go by full path: the working
// directory may be anywhere.
void WriteIconFiles(const std::string& userFolder);
void DeleteIconFiles(const std::string& userFolder);

// One 16 x 16 icon in the ICO format, a rounded square of the given colour
// (0xRRGGBB) with a lighter band across it.
std::string MakeIcon(unsigned colour);

} // namespace zyntra
