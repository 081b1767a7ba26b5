#include "platform/files.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <atomic>
#include <cerrno>
#include <system_error>

#include <fcntl.h>
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

std::string resolvePath(std::string_view name) {
    std::string normal(name);
    for (char& c : normal)
        if (c == '\\') c = '/';
    fs::path given(normal);
    fs::path at = given.is_absolute() ? fs::path("/") : fs::path(programDir());
    bool matching = true;
    for (const fs::path& part : given.relative_path()) {
        const std::string p = part.string();
        if (p.empty() || p == ".") continue;
        fs::path next = at / part;
        std::error_code ec;
        if (matching && !fs::exists(next, ec)) {
            bool found = false;
            for (fs::directory_iterator it(at, ec), end; !ec && it != end; it.increment(ec)) {
                if (equalNoCase(it->path().filename().string(), p)) {
                    next = it->path();
                    found = true;
                    break;
                }
            }
            matching = found;
        }
        at = next;
    }
    return at.string();
}

bool fileExists(std::string_view name) {
    std::error_code ec;
    return fs::is_regular_file(resolvePath(name), ec);
}

bool readFileBytes(std::string_view name, std::string& out) {
    const std::string path = resolvePath(name);
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    struct stat st {};
    bool ok = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode);  // a directory reads as nothing
    std::string data;
    char buffer[65536];
    while (ok) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            ok = n == 0;
            break;
        }
        data.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(fd);
    if (ok) out = std::move(data);
    return ok;
}

bool nameInUse(std::string_view name) {
    std::error_code ec;
    return fs::exists(fs::symlink_status(resolvePath(name), ec));
}

namespace {

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

}  // namespace

bool writeFileAtomic(std::string_view name, std::string_view bytes) {
    const std::string target = resolvePath(name);
    struct stat old {};
    const bool replacing = ::stat(target.c_str(), &old) == 0 && S_ISREG(old.st_mode);
    // Every save writes to a name of its own, so that two saves at once
    // (two threads, or two processes) never write into each other's file.
    static std::atomic<unsigned> counter{0};
    std::string temp;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temp = target + ".tmp" + std::to_string(::getpid()) + "-" + std::to_string(counter++) + "~";
        fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
        if (fd < 0 && errno != EEXIST) return false;
    }
    if (fd < 0) return false;
    bool ok = writeAll(fd, bytes);
    if (ok && replacing) ok = ::fchmod(fd, old.st_mode & 07777) == 0;  // the file keeps its mode
    ok = ok && ::fsync(fd) == 0;
    if (::close(fd) != 0) ok = false;
    if (!ok || std::rename(temp.c_str(), target.c_str()) != 0) {
        ::unlink(temp.c_str());
        return false;
    }
    return true;
}

NewFile createNewFile(std::string_view name, std::string_view bytes) {
    const std::string target = resolvePath(name);
    const int fd = ::open(target.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0) return errno == EEXIST ? NewFile::NameTaken : NewFile::Failed;
    bool ok = writeAll(fd, bytes);
    if (::close(fd) != 0) ok = false;
    if (ok) return NewFile::Created;
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
    const std::size_t lf = rest.find('\n');
    std::string_view line = rest.substr(0, lf);
    rest = lf == std::string_view::npos ? std::string_view() : rest.substr(lf + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    return line;
}

}  // namespace kl::platform
