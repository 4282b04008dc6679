#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zorvek {

// The Windows-1252 code page of the save files: one byte per character.

// The character (Unicode code point) of a Windows-1252 byte. The five bytes the code
// page leaves undefined stand for the control characters of the same number, so any
// byte read comes back unchanged when written again.
char32_t Cp1252ToCodePoint(unsigned char byte);

// The Windows-1252 byte of a character, or nothing when the code page cannot hold it.
std::optional<unsigned char> CodePointToCp1252(char32_t c);

// UTF-8 text to Windows-1252 bytes: one byte per character; a character the code page
// cannot hold, and every byte that is not valid UTF-8, becomes '?'.
std::string Utf8ToCp1252(std::string_view utf8);

// Windows-1252 bytes to UTF-8 text.
std::string Cp1252ToUtf8(std::string_view bytes);

}  // namespace zorvek
