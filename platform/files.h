// The program's directory and its data files. Names are matched without
// regard to letter case, and "\" is accepted as a separator, so
// "graphic\5Y.bmp" finds graphic/5Y.bmp.
#pragma once

#include <string>
#include <string_view>

namespace kl::platform {

// The directory that holds the program's data files (normally the one that
// holds the executable). Relative names are resolved below it.
void setProgramDirectory(const std::string& dir);
const std::string& programDirectory();

// The directory of the running executable, from the operating system.
std::string executableDirectory();
// The program's directory at start: the directory named by the environment
// variable KESTRALUNE_DIR when it names one (the installed launcher gives
// each user a writable directory of their own this way, since an installed
// copy is read-only), otherwise the executable's directory.
std::string startingDirectory();

// The path of an existing file or directory whose name matches `name`
// (relative to the program directory unless absolute) component by
// component without regard to case. When nothing matches, the path the name
// would have if created (the existing part resolved, the rest as written).
std::string resolvePath(std::string_view name);

// True for a regular file (or a link to one).
bool fileExists(std::string_view name);
// True when anything at all has the name: a file, a directory, a link,
// even one that leads nowhere.
bool nameInUse(std::string_view name);

// Whole-file reads and writes of raw bytes. False on any failure; reading
// anything but a regular file fails.
bool readFileBytes(std::string_view name, std::string& out);
// Replaces the file atomically: the bytes go to a temporary file of its own
// beside it, which is flushed and renamed over the old one, so a failure
// part-way leaves the old file as it was, and a reader sees either the old
// or the new contents, never a part. A replaced file keeps its mode.
bool writeFileAtomic(std::string_view name, std::string_view bytes);
// Creates a new file and never replaces anything: NameTaken when the name is
// in use, Failed when it cannot be created or written (nothing is left
// behind then).
enum class NewFile { Created, NameTaken, Failed };
NewFile createNewFile(std::string_view name, std::string_view bytes);

// The read-only mark: a file is read-only when its owner may not write it.
bool isReadOnly(std::string_view name);
// Gives the owner write permission, keeping the other bits. 0 on success.
int clearReadOnly(std::string_view name);

// Splits text into lines at LF, dropping a CR before it.
std::string_view nextLine(std::string_view& rest);

}  // namespace kl::platform
