// Files, by two kinds of name that never mix:
// - the program's own files (BASE.DRS, graphic\5Y.bmp, conf.dat, WindWHP.dat,
//   the pictures a script's PICT lines name): a plain string, found below the
//   program directory without regard to letter case, "\" accepted as a
//   separator, so "graphic\5Y.bmp" finds graphic/5Y.bmp;
// - a path the user named (a command-line argument, a file dialog's answer):
//   a UserPath, used exactly as given.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <functional>
#include <string_view>

namespace kl::platform {

// A path the user named. It is used exactly as given: no letter case is
// matched, "\" is an ordinary character of a name, and a relative path is
// taken from the working directory at the moment the UserPath is made.
class UserPath {
public:
    explicit UserPath(std::string given);
    const std::string& path() const { return path_; }    // absolute (when the working directory is known)
    const std::string& given() const { return given_; }  // as the user wrote it, for messages
private:
    std::string given_, path_;
};

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

// The path of one of the program's own files: of an existing file or
// directory whose name matches `name`
// (relative to the program directory unless absolute) component by
// component without regard to case. When nothing matches, the path the name
// would have if created (the existing part resolved, the rest as written).
std::string resolvePath(std::string_view name);

// True for a regular file (or a link to one).
bool fileExists(std::string_view name);
// True when anything at all has the name: a file, a directory, a link,
// even one that leads nowhere.
bool nameInUse(std::string_view name);
// True when something that is not a regular file has the name (a FIFO, a
// device, a directory, a link that leads nowhere): a data file that is
// there, yet cannot be read as one.
bool inUseButNoFile(std::string_view name);

// A regular file open for reading pieces of it at given offsets, closed
// when the reader goes. Opening refuses at once what is not a regular file
// (a FIFO or a device is never waited on) and a path holding a NUL.
class FileReader {
public:
    explicit FileReader(const std::string& path);
    ~FileReader();
    FileReader(const FileReader&) = delete;
    FileReader& operator=(const FileReader&) = delete;
    bool isOpen() const { return fd_ >= 0; }
    // The length the file had when it was opened.
    std::uint64_t size() const { return size_; }
    // Reads exactly `n` bytes from `offset`; false when the file ends first
    // (it may have been cut short since) or a read fails.
    bool readAt(std::uint64_t offset, void* into, std::size_t n) const;
    // Reads from `offset` to the end, however long the file has grown.
    bool readRest(std::uint64_t offset, std::string& out) const;

private:
    int fd_ = -1;
    std::uint64_t size_ = 0;
};

// Whole-file reads and writes of raw bytes. False on any failure; reading
// anything but a regular file fails at once (a FIFO or a device is never
// waited on), and so does a name holding a NUL character.
bool readFileBytes(std::string_view name, std::string& out);
bool readFileBytes(const UserPath& path, std::string& out);

// Saves bytes under a name, by what stands there. A regular file, or a name
// not in use, is replaced atomically: the bytes go to a temporary file of
// its own in the file's directory ("NAME.tmp<process>-<n>~"), which is
// flushed, renamed over the old one, and the directory synced, so a failure
// part-way leaves the old file as it was and a reader sees either the old or
// the new contents, never a part; a replaced file keeps its mode. A symbolic
// link is followed: the file it leads to is replaced, the link stays. A
// character device or a FIFO is written straight through. Anything else (a
// directory, a socket, a block device) is refused: NotAFile. Temporaries of
// earlier saves of the same file whose process has ended are removed first.
// On Failed, errno says why.
enum class Saved { Done, NotAFile, Failed };
Saved saveFile(const UserPath& path, std::string_view bytes);
// The same for contents made while they are written: `produce` hands its
// pieces, in order, to the writer it is given, which answers false once a
// piece cannot be written; `produce` then answers false too. Nothing of a
// production that fails stays in a replaced file (the old one is kept).
using PieceWriter = std::function<bool(std::string_view piece)>;
using Producer = std::function<bool(const PieceWriter& write)>;
Saved saveFile(const UserPath& path, const Producer& produce);
// Why a save failed, for a message: "it is not a file, a device or a pipe",
// or errno's text. Call it straight after the save.
std::string saveFailureText(Saved result);
// The same for one of the program's own files; true when it was saved. A
// FIFO in its place that nobody reads fails at once rather than waits.
bool writeFileAtomic(std::string_view name, std::string_view bytes);
// Creates a new file and never replaces anything: NameTaken when the name is
// in use, Failed when it cannot be created or written (nothing is left
// behind then). A created file is flushed to the disk, and its directory
// synced, before Created is answered.
enum class NewFile { Created, NameTaken, Failed };
NewFile createNewFile(std::string_view name, std::string_view bytes);

// The read-only mark: a file is read-only when its owner may not write it.
bool isReadOnly(std::string_view name);
// Gives the owner write permission, keeping the other bits. 0 on success.
int clearReadOnly(std::string_view name);

// Splits off the next line of a text: CR LF, LF and a lone CR each end a
// line (and are not part of it); a last line without an ending counts, an
// ending after the last line does not start another one.
std::string_view nextLine(std::string_view& rest);

// How the first line of a text ends (LF when no line of it ends), so a
// text rewritten line by line can end its lines as it found them.
enum class LineEnd { Lf, CrLf, Cr };
LineEnd firstLineEnd(std::string_view text);
const char* lineEndBytes(LineEnd end);

}  // namespace kl::platform
