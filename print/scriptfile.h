// Script files as the print manager loads and saves them: Windows-1251
// text, one script line a line, each ended by CR LF. Loading and saving are
// exact inverses for every text the code page can hold, so a load and save
// cycle never adds or drops a line.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/files.h"

namespace kl::print {

// Script files larger than this are refused rather than read.
inline constexpr std::size_t kMaxScriptFileBytes = std::size_t{32} << 20;

// The lines of a script file's bytes: split at LF, a CR before it dropped;
// a last line without an ending counts, an ending after the last line does
// not start another one.
std::vector<std::string> scriptLines(std::string_view bytes);
// The bytes of a script file: each line in Windows-1251 followed by CR LF.
std::string scriptBytes(const std::vector<std::string>& lines);

// Reads the script file the user chose (a regular file of at most
// kMaxScriptFileBytes); on failure nullopt and `why` says what went wrong.
std::optional<std::vector<std::string>> loadScriptFile(const platform::UserPath& path, std::string& why);
// Saves the lines as the file the user chose (platform::saveFile: a file is
// replaced atomically); on failure false, `why` says what went wrong and
// the old file is as it was.
bool saveScriptFile(const platform::UserPath& path, const std::vector<std::string>& lines, std::string& why);

// The characters of the lines that Windows-1251 cannot hold, each once, in
// order of appearance, as "U+4E2D 中"; at most `limit` of them.
std::vector<std::string> unencodableCharacters(const std::vector<std::string>& lines, std::size_t limit = 20);

}  // namespace kl::print
