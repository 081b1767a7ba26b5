#include "platform/files.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <system_error>

#include <fcntl.h>
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
    std::ifstream in(resolvePath(name), std::ios::binary);
    if (!in) return false;
    std::string data((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) return false;
    out = std::move(data);
    return true;
}

namespace {

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n <= 0) return false;
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

}  // namespace

bool writeFileAtomic(std::string_view name, std::string_view bytes) {
    const std::string target = resolvePath(name);
    const std::string temp = target + ".tmp~";
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) return false;
    const bool ok = writeAll(fd, bytes) && ::fsync(fd) == 0;
    if (::close(fd) != 0 || !ok || std::rename(temp.c_str(), target.c_str()) != 0) {
        std::remove(temp.c_str());
        return false;
    }
    return true;
}

bool createNewFile(std::string_view name, std::string_view bytes) {
    const std::string target = resolvePath(name);
    const int fd = ::open(target.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0) return false;
    const bool ok = writeAll(fd, bytes);
    return ::close(fd) == 0 && ok;
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
