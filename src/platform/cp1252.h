#pragma once
#include <string>
#include <string_view>

namespace tramel::cp1252 {

// Text in files and on the device context is single-byte Windows-1252; inside
// the program it is UTF-8. These two are the only conversion between them.

// UTF-8 to Windows-1252 bytes; a character the code page lacks, or a malformed
// UTF-8 sequence, becomes '?'.
std::string encode(std::string_view utf8);

// Windows-1252 bytes to UTF-8. Every byte has a character: the five bytes the
// code page leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) give the C1
// controls of the same number, so decode then encode gives back any byte string.
std::string decode(std::string_view bytes);

// Whether the code page gives the byte a character of its own: false for the
// five undefined bytes only.
bool assigned(char byte);

} // namespace tramel::cp1252
