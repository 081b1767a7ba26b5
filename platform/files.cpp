#include "platform/files.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <atomic>
#include <cerrno>
#include <cstdint>
#include <system_error>
#include <ctime>
#include <vector>
#include <unordered_map>
#include <optional>
#include <mutex>

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kl::platform {

namespace fs = std::filesystem;

namespace {

std::string& programDir() {
    static std::string dir = fs::current_path().string();
    return dir;
}

bool equalNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        auto x = static_cast<unsigned char>(a[i]);
        auto y = static_cast<unsigned char>(b[i]);
        if (x < 0x80) x = static_cast<unsigned char>(std::tolower(x));
        if (y < 0x80) y = static_cast<unsigned char>(std::tolower(y));
        if (x != y) return false;
    }
    return true;
}

}  // namespace

UserPath::UserPath(std::string given) : given_(std::move(given)) {
    std::error_code ec;
    const fs::path p = given_.empty() ? fs::path() : fs::absolute(given_, ec);
    path_ = ec || given_.empty() ? given_ : p.string();
}

void setProgramDirectory(const std::string& dir) { programDir() = dir; }
const std::string& programDirectory() { return programDir(); }

std::string executableDirectory() {
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (ec) return fs::current_path().string();
    return exe.parent_path().string();
}

std::string startingDirectory() {
    const char* named = std::getenv("KESTRALUNE_DIR");
    if (named != nullptr && *named != '\0') {
        std::error_code ec;
        const fs::path dir = fs::absolute(named, ec);
        if (!ec && fs::is_directory(dir, ec)) {
            fs::path normal = dir.lexically_normal();
            if (!normal.has_filename() && normal != normal.root_path()) normal = normal.parent_path();
            return normal.string();
        }
    }
    return executableDirectory();
}

namespace {

// The entry of `dir` named `name` without regard to case, or nullopt. A
// directory's names are listed once while the directory stays unchanged (a
// name added, removed or renamed moves its time); one changed within the
// last second is listed again, as its time may not have moved yet.
std::optional<std::string> nameInDirectory(const std::string& dir, std::string_view name) {
    struct Listing {
        std::uint64_t device = 0, inode = 0;
        std::int64_t modified = 0;
        std::vector<std::string> names;
    };
    static std::mutex mutex;
    static std::unordered_map<std::string, Listing> listings;
    struct stat st {};
    if (::stat(dir.empty() ? "." : dir.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) return std::nullopt;
    const std::int64_t modified = static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1'000'000'000 + st.st_mtim.tv_nsec;
    const auto pick = [name](const std::vector<std::string>& names) -> std::optional<std::string> {
        for (const std::string& n : names)
            if (equalNoCase(n, name)) return n;
        return std::nullopt;
    };
    {
        std::lock_guard lock(mutex);
        const auto it = listings.find(dir);
        if (it != listings.end() && it->second.device == st.st_dev && it->second.inode == st.st_ino &&
            it->second.modified == modified)
            return pick(it->second.names);
    }
    Listing listing{static_cast<std::uint64_t>(st.st_dev), static_cast<std::uint64_t>(st.st_ino), modified, {}};
    std::error_code ec;
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec))
        listing.names.push_back(it->path().filename().string());
    std::optional<std::string> found = pick(listing.names);
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    const std::int64_t ns = static_cast<std::int64_t>(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
    std::lock_guard lock(mutex);
    if (!ec && ns - modified >= 1'000'000'000) listings[dir] = std::move(listing);
    else listings.erase(dir);
    return found;
}

// True when no part of a '/'-separated name is empty, "." or "..": joined to
// a directory it reads as the walk part by part below would build it.
bool plainParts(std::string_view name) {
    if (!name.empty() && name.front() == '/') name.remove_prefix(1);
    if (name.empty()) return false;
    for (std::size_t start = 0;;) {
        const std::size_t end = std::min(name.find('/', start), name.size());
        const std::string_view part = name.substr(start, end - start);
        if (part.empty() || part == "." || part == "..") return false;
        if (end == name.size()) return true;
        start = end + 1;
    }
}

}  // namespace

std::string resolvePath(std::string_view name) {
    std::string normal(name);
    for (char& c : normal)
        if (c == '\\') c = '/';
    // The usual case, a name spelt as it is on the disk, in one stat: when
    // the whole path is there, every part of it matched as it stands.
    if (plainParts(normal) && normal.find('\0') == std::string::npos) {
        std::string exact;
        if (normal.front() != '/') {
            exact = programDir();
            if (!exact.empty() && exact.back() != '/') exact += '/';
        }
        exact += normal;
        struct stat st {};
        if (::stat(exact.c_str(), &st) == 0) return exact;
    }
    fs::path given(normal);
    fs::path at = given.is_absolute() ? fs::path("/") : fs::path(programDir());
    bool matching = true;
    for (const fs::path& part : given.relative_path()) {
        const std::string p = part.string();
        if (p.empty() || p == ".") continue;
        fs::path next = at / part;
        std::error_code ec;
        if (matching && !fs::exists(next, ec)) {
            const std::optional<std::string> found = nameInDirectory(at.string(), p);
            if (found) next = at / *found;
            matching = found.has_value();
        }
        at = next;
    }
    return at.string();
}

bool fileExists(std::string_view name) {
    std::error_code ec;
    return fs::is_regular_file(resolvePath(name), ec);
}

FileReader::FileReader(const std::string& path) {
    if (path.find('\0') != std::string::npos) return;  // names no file: the part before the NUL is another one
    // Opened without blocking and checked on the open descriptor: a FIFO or
    // a device put in a file's place is refused at once, never waited on.
    fd_ = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    struct stat st {};
    if (fd_ >= 0 && (::fstat(fd_, &st) != 0 || !S_ISREG(st.st_mode))) {  // a directory reads as nothing
        ::close(fd_);
        fd_ = -1;
    }
    if (fd_ >= 0) size_ = static_cast<std::uint64_t>(st.st_size);
}

FileReader::~FileReader() {
    if (fd_ >= 0) ::close(fd_);
}

bool FileReader::readAt(std::uint64_t offset, void* into, std::size_t n) const {
    auto* at = static_cast<char*>(into);
    for (std::size_t got = 0; got < n;) {
        const ssize_t r = ::pread(fd_, at + got, n - got, static_cast<off_t>(offset + got));
        if (r < 0 && errno == EINTR) continue;
        if (r <= 0) return false;
        got += static_cast<std::size_t>(r);
    }
    return fd_ >= 0;
}

bool FileReader::readRest(std::uint64_t offset, std::string& out) const {
    if (fd_ < 0) return false;
    // Read straight into a buffer of the file's size and one byte more, so
    // the read that finds the end needs no larger one; a file that grows
    // meanwhile is read to its end all the same.
    std::string data(size_ > offset ? static_cast<std::size_t>(size_ - offset) + 1 : 1, '\0');
    std::size_t got = 0;
    for (;;) {
        if (got == data.size()) data.resize(data.size() * 2);
        const ssize_t n = ::pread(fd_, data.data() + got, data.size() - got, static_cast<off_t>(offset + got));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return false;
        if (n == 0) break;
        got += static_cast<std::size_t>(n);
    }
    data.resize(got);
    out = std::move(data);
    return true;
}

namespace {

bool readBytesAt(const std::string& path, std::string& out) {
    const FileReader in(path);
    return in.isOpen() && in.readRest(0, out);
}

}  // namespace

bool readFileBytes(std::string_view name, std::string& out) { return readBytesAt(resolvePath(name), out); }
bool readFileBytes(const UserPath& path, std::string& out) { return readBytesAt(path.path(), out); }

bool nameInUse(std::string_view name) {
    std::error_code ec;
    return fs::exists(fs::symlink_status(resolvePath(name), ec));
}

bool inUseButNoFile(std::string_view name) {
    std::error_code ec;
    const std::string path = resolvePath(name);
    return fs::exists(fs::symlink_status(path, ec)) && !fs::is_regular_file(path, ec);
}

namespace {

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR) continue;
        if (n == 0) errno = EIO;
        if (n <= 0) return false;
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

// Flushes a directory's entries (a rename or a new name in it) to the disk,
// as far as it can be: the file itself is already written and flushed, so a
// directory that cannot be opened or synced does not undo the save.
void syncDirectory(const fs::path& dir) {
    const int fd = ::open(dir.empty() ? "." : dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    (void)::fsync(fd);
    ::close(fd);
}

// The name a chain of symbolic links ends at (which need not exist), or
// empty when the chain does not end.
std::string followLinks(std::string path) {
    for (int hop = 0; hop < 40; ++hop) {
        std::error_code ec;
        if (!fs::is_symlink(fs::symlink_status(path, ec))) return path;
        const fs::path to = fs::read_symlink(path, ec);
        if (ec) return {};
        path = to.is_absolute() ? to.string() : (fs::path(path).parent_path() / to).string();
    }
    return {};
}

std::string temporaryPrefix(const fs::path& target) { return target.filename().string() + ".tmp"; }

// A directory held open while a file in it is replaced: its entries are
// listed and, once the new name is in place, flushed through one handle.
class DirectoryHandle {
public:
    explicit DirectoryHandle(const fs::path& dir)
        : fd_(::open(dir.empty() ? "." : dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)) {}
    ~DirectoryHandle() {
        if (fd_ >= 0) ::close(fd_);
    }
    DirectoryHandle(const DirectoryHandle&) = delete;
    DirectoryHandle& operator=(const DirectoryHandle&) = delete;
    int fd() const { return fd_; }
    // As syncDirectory: the file is already written, so a failure here does
    // not undo the save.
    void sync() const {
        if (fd_ >= 0) (void)::fsync(fd_);
    }

private:
    int fd_;
};

// Removes the temporaries "NAME.tmp<pid>-<n>~" of earlier saves of `target`
// whose process no longer exists (a save that was killed); nothing else,
// and nothing of a process that may still be writing.
void removeStaleTemporaries(const fs::path& target, const DirectoryHandle& dir) {
    if (dir.fd() < 0) return;
    const int listFd = ::dup(dir.fd());
    if (listFd < 0) return;
    DIR* list = ::fdopendir(listFd);
    if (!list) {
        ::close(listFd);
        return;
    }
    ::rewinddir(list);
    const std::string prefix = temporaryPrefix(target);
    const auto digits = [](std::string_view d) {
        return !d.empty() && d.size() <= 18 && d.find_first_not_of("0123456789") == std::string_view::npos;
    };
    while (const dirent* entry = ::readdir(list)) {
        const std::string name = entry->d_name;
        if (name.size() <= prefix.size() || name.compare(0, prefix.size(), prefix) != 0 || name.back() != '~') continue;
        const std::string_view rest = std::string_view(name).substr(prefix.size(), name.size() - prefix.size() - 1);
        const std::size_t dash = rest.find('-');
        if (dash == std::string_view::npos || !digits(rest.substr(0, dash)) || !digits(rest.substr(dash + 1))) continue;
        const long long pid = std::stoll(std::string(rest.substr(0, dash)));
        if (pid <= 0 || pid == ::getpid() || pid > INT32_MAX) continue;
        if (::kill(static_cast<pid_t>(pid), 0) == 0 || errno != ESRCH) continue;  // alive, or not ours to judge
        struct stat st {};
        if (::fstatat(dir.fd(), name.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(st.st_mode)) continue;
        ::unlinkat(dir.fd(), name.c_str(), 0);
    }
    ::closedir(list);
}

// Writes to a device or a pipe as it is. A pipe whose reader has gone is a
// failed write, not the end of the process. Without `waitForReader` a FIFO
// that nobody reads is a failure at once instead of a wait.
bool writeThrough(const std::string& path, const Producer& produce, bool waitForReader) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC | (waitForReader ? 0 : O_NONBLOCK));
    if (fd < 0) return false;
    if (!waitForReader) {
        const int flags = ::fcntl(fd, F_GETFL);
        if (flags < 0 || ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) < 0) {
            ::close(fd);
            return false;
        }
    }
    struct stat st {};
    bool ok = ::fstat(fd, &st) == 0 && (S_ISCHR(st.st_mode) || S_ISFIFO(st.st_mode));
    sigset_t pipe, previous;
    sigemptyset(&pipe);
    sigaddset(&pipe, SIGPIPE);
    pthread_sigmask(SIG_BLOCK, &pipe, &previous);
    ok = ok && produce([fd](std::string_view piece) { return writeAll(fd, piece); });
    const int why = errno;
    if (!ok && why == EPIPE) {
        const timespec now{0, 0};
        sigtimedwait(&pipe, nullptr, &now);  // the signal the write raised, taken before it is unblocked
    }
    pthread_sigmask(SIG_SETMASK, &previous, nullptr);
    if (::close(fd) != 0 && ok) return false;
    errno = why;
    return ok;
}

// Replaces a regular file (or makes a new one) through a temporary in its own directory.
bool replaceAtomically(const fs::path& target, const Producer& produce) {
    struct stat old {};
    const bool replacing = ::stat(target.c_str(), &old) == 0 && S_ISREG(old.st_mode);
    const DirectoryHandle dir(target.parent_path());
    removeStaleTemporaries(target, dir);
    // Every save writes to a name of its own, so that two saves at once
    // (two threads, or two processes) never write into each other's file.
    static std::atomic<unsigned> counter{0};
    const std::string stem = target.string() + ".tmp" + std::to_string(::getpid()) + "-";
    std::string temp;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temp = stem + std::to_string(counter++) + "~";
        fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) return false;
    }
    if (fd < 0) return false;
    bool ok = produce([fd](std::string_view piece) { return writeAll(fd, piece); });
    if (ok && replacing) {
        // The file keeps its owner where that may be given (a save as root
        // of a user's file) and always its mode.
        if (::fchown(fd, old.st_uid, old.st_gid) != 0) {
            // Not ours to give: the new file belongs to whoever saves it.
        }
        ok = ::fchmod(fd, old.st_mode & 07777) == 0;
    }
    ok = ok && ::fsync(fd) == 0;
    if (::close(fd) != 0) ok = false;
    if (!ok || std::rename(temp.c_str(), target.c_str()) != 0) {
        const int why = errno;
        ::unlink(temp.c_str());
        errno = why;
        return false;
    }
    dir.sync();
    return true;
}

Saved saveAt(const std::string& given, const Producer& produce, bool waitForReader) {
    const std::string path = followLinks(given);
    if (path.empty()) return Saved::Failed;
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) {
        if (errno != ENOENT) return Saved::Failed;
        return replaceAtomically(path, produce) ? Saved::Done : Saved::Failed;
    }
    if (S_ISREG(st.st_mode)) return replaceAtomically(path, produce) ? Saved::Done : Saved::Failed;
    if (S_ISCHR(st.st_mode) || S_ISFIFO(st.st_mode)) return writeThrough(path, produce, waitForReader) ? Saved::Done : Saved::Failed;
    return Saved::NotAFile;
}

Producer whole(std::string_view bytes) {
    return [bytes](const PieceWriter& write) { return write(bytes); };
}

}  // namespace

Saved saveFile(const UserPath& path, std::string_view bytes) {
    errno = 0;
    // The user named the pipe: its reader may come later, as with any writer.
    return saveAt(path.path(), whole(bytes), true);
}

Saved saveFile(const UserPath& path, const Producer& produce) {
    errno = 0;
    return saveAt(path.path(), produce, true);
}

std::string saveFailureText(Saved result) {
    if (result == Saved::NotAFile) return "it is not a file, a device or a pipe";
    return errno != 0 ? std::strerror(errno) : "the file cannot be written";
}

bool writeFileAtomic(std::string_view name, std::string_view bytes) {
    // A settings file in a FIFO's place must not stop the program.
    return saveAt(resolvePath(name), whole(bytes), false) == Saved::Done;
}

NewFile createNewFile(std::string_view name, std::string_view bytes) {
    const std::string target = resolvePath(name);
    const int fd = ::open(target.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0) return errno == EEXIST ? NewFile::NameTaken : NewFile::Failed;
    bool ok = writeAll(fd, bytes) && ::fsync(fd) == 0;
    if (::close(fd) != 0) ok = false;
    if (ok) {
        syncDirectory(fs::path(target).parent_path());
        return NewFile::Created;
    }
    ::unlink(target.c_str());  // no empty or cut-off file is left behind
    return NewFile::Failed;
}

bool isReadOnly(std::string_view name) {
    std::error_code ec;
    const auto st = fs::status(resolvePath(name), ec);
    if (ec) return false;
    return (st.permissions() & fs::perms::owner_write) == fs::perms::none;
}

int clearReadOnly(std::string_view name) {
    std::error_code ec;
    fs::permissions(resolvePath(name), fs::perms::owner_write, fs::perm_options::add, ec);
    return ec ? (ec.value() ? ec.value() : 1) : 0;
}

std::string_view nextLine(std::string_view& rest) {
    const std::size_t end = rest.find_first_of("\r\n");
    const std::string_view line = rest.substr(0, end);
    if (end == std::string_view::npos) {
        rest = {};
    } else {
        const bool crlf = rest[end] == '\r' && end + 1 < rest.size() && rest[end + 1] == '\n';
        rest.remove_prefix(end + (crlf ? 2 : 1));
    }
    return line;
}

LineEnd firstLineEnd(std::string_view text) {
    const std::size_t end = text.find_first_of("\r\n");
    if (end == std::string_view::npos || text[end] == '\n') return LineEnd::Lf;
    return end + 1 < text.size() && text[end + 1] == '\n' ? LineEnd::CrLf : LineEnd::Cr;
}

const char* lineEndBytes(LineEnd end) {
    switch (end) {
    case LineEnd::CrLf: return "\r\n";
    case LineEnd::Cr: return "\r";
    case LineEnd::Lf: break;
    }
    return "\n";
}

}  // namespace kl::platform
