#pragma once

#include <string>
#include <string_view>

namespace skiagraf {

// Texts live in memory as UTF-8. Files the program reads and writes are Windows-1252;
// these convert at the file boundary. A character that Windows-1252 cannot hold is
// written as '?'; bytes 0x81, 0x8D, 0x8F, 0x90, 0x9D (undefined in Windows-1252) read
// as the control characters of the same value.
std::string Utf8ToCp1252(std::string_view utf8);
std::string Cp1252ToUtf8(std::string_view cp1252);

}  // namespace skiagraf
