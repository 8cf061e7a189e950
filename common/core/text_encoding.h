#pragma once

#include <string>
#include <string_view>

namespace common {

// Texts live in memory as UTF-8; document files hold Windows-1252.

// True when every byte is below 0x80: such a text is the same in UTF-8 and
// in Windows-1252, one character a byte.
bool IsAscii(std::string_view text);

// Each byte becomes its Unicode character (the five unassigned bytes map to
// the C1 controls of the same value, as Windows does).
std::string Cp1252ToUtf8(std::string_view cp1252);

// A character Windows-1252 cannot hold, or a malformed UTF-8 sequence,
// becomes '?'.
std::string Utf8ToCp1252(std::string_view utf8);

// Decodes UTF-8 into code points; a malformed byte gives U+FFFD.
std::u32string DecodeUtf8(std::string_view utf8);
std::string EncodeUtf8(std::u32string_view text);

}  // namespace common
