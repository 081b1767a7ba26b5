// Windows-1251 at the file boundary; UTF-8 inside the program.
#pragma once

#include <string>
#include <string_view>

namespace kl::platform {

// Decodes Windows-1251 bytes into UTF-8. The one unassigned byte (0x98)
// becomes U+0098, which encodes back to it: any bytes survive a decode and
// encode unchanged.
std::string fromCp1251(std::string_view bytes);

// Encodes UTF-8 text into Windows-1251; a character the code page cannot
// hold (or an invalid UTF-8 sequence) is written as "?".
std::string toCp1251(std::string_view utf8);

// True when every character of `utf8` has a Windows-1251 byte.
bool fitsCp1251(std::string_view utf8);

// The text with its control characters (C0, DEL and C1) written as escapes
// ("\x00", "\n", "\t", "\x7F", "\u0098"), so that a name or a script line
// put into a message keeps the message one whole, visible line. With
// `keepLineEnds` a line feed stays as it is (a text of several message
// lines). Other bytes, backslashes included, are left alone.
std::string escapedControls(std::string_view utf8, bool keepLineEnds = false);

// UTF-8 <-> code points.
std::u32string toCodePoints(std::string_view utf8);
std::string fromCodePoints(std::u32string_view text);

}  // namespace kl::platform
