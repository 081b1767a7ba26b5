#include "platform/autostart.h"

#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace kl::platform {

namespace fs = std::filesystem;

namespace {

constexpr const char* kEntryName = "kestralune.desktop";

// A directory named by an environment variable: only an absolute path counts.
std::string absoluteEnv(const char* name) {
    const char* value = std::getenv(name);
    if (value == nullptr || value[0] != '/') return {};
    return value;
}

// The keys of a desktop entry's main group that turn it off, read leniently:
// "Key=value" with spaces allowed around '='.
bool switchedOff(std::istream& in) {
    std::string line;
    bool mainGroup = false;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!line.empty() && line.front() == '[') {
            mainGroup = line == "[Desktop Entry]";
            continue;
        }
        if (!mainGroup) continue;
        const std::size_t eq = line.find('=');
        if (eq == std::string::npos) continue;
        const auto trim = [](std::string s) {
            const std::size_t a = s.find_first_not_of(" \t");
            const std::size_t b = s.find_last_not_of(" \t");
            return a == std::string::npos ? std::string() : s.substr(a, b - a + 1);
        };
        const std::string key = trim(line.substr(0, eq));
        const std::string value = trim(line.substr(eq + 1));
        if (key == "Hidden" && value == "true") return true;
        if (key == "X-GNOME-Autostart-enabled" && value == "false") return true;
    }
    return false;
}

bool isExecutable(const fs::path& p) {
    std::error_code ec;
    return fs::is_regular_file(p, ec) && ::access(p.c_str(), X_OK) == 0;
}

}  // namespace

std::string autostartPath() {
    std::string config = absoluteEnv("XDG_CONFIG_HOME");
    if (config.empty()) {
        const std::string home = absoluteEnv("HOME");
        if (home.empty()) return {};
        config = home + "/.config";
    }
    return (fs::path(config) / "autostart" / kEntryName).lexically_normal().string();
}

bool autostartEnabled() {
    const std::string path = autostartPath();
    std::error_code ec;
    if (path.empty() || !fs::is_regular_file(path, ec)) return false;
    std::ifstream in(path, std::ios::binary);
    return in && !switchedOff(in);
}

std::string launchCommandFor(const std::string& executable) {
    const fs::path exe(executable);
    const fs::path dir = exe.parent_path();
    if (dir.filename() == "kestralune" && dir.parent_path().filename() == "lib") {
        const fs::path launcher = dir.parent_path().parent_path() / "bin" / "kestralune";
        if (isExecutable(launcher)) return launcher.string();
    }
    return executable;
}

std::string launchCommand() {
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    return ec ? std::string() : launchCommandFor(exe.string());
}

std::string desktopExec(const std::string& program) {
    static constexpr const char* kReserved = " \t\n\"'\\><~|&;$*?#()`";
    bool quote = program.empty();
    for (const char c : program) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) return {};
        if (std::strchr(kReserved, c) != nullptr) quote = true;
    }
    std::string argument;
    if (quote) argument += '"';
    for (const char c : program) {
        if (quote && (c == '"' || c == '`' || c == '$' || c == '\\')) argument += '\\';
        argument += c;
        if (c == '%') argument += '%';  // a lone % would start a field code
    }
    if (quote) argument += '"';
    // The Exec value is a string: its backslashes are escaped once more.
    std::string value;
    for (const char c : argument) {
        if (c == '\\') value += '\\';
        value += c;
    }
    return value;
}

std::string autostartEntry(const std::string& exec) {
    std::ostringstream out;
    out << "[Desktop Entry]\n"
           "Type=Application\n"
           "Name=Kestralune\n"
           "Comment=The day in the 13-moon calendar and the 260-day count\n"
           "Comment[ru]=День в календаре 13 лун и в счёте 260 дней\n"
        << "Exec=" << exec << "\n"
        << "Icon=kestralune\n"
           "Terminal=false\n"
           "X-GNOME-Autostart-enabled=true\n";
    return out.str();
}

bool setAutostart(bool on, std::string& error) {
    const std::string path = autostartPath();
    if (path.empty()) {
        error = "neither XDG_CONFIG_HOME nor HOME names a folder";
        return false;
    }
    std::error_code ec;
    if (!on) {
        fs::remove(path, ec);
        if (ec) error = path + ": " + ec.message();
        return !ec;
    }
    const std::string exec = desktopExec(launchCommand());
    if (exec.empty()) {
        error = "the program's path cannot be written in a desktop entry";
        return false;
    }
    const fs::path dir = fs::path(path).parent_path();
    fs::create_directories(dir, ec);
    if (ec) {
        error = dir.string() + ": " + ec.message();
        return false;
    }
    const fs::path partial = dir / ("." + std::string(kEntryName) + "." + std::to_string(::getpid()));
    {
        std::ofstream out(partial, std::ios::binary | std::ios::trunc);
        out << autostartEntry(exec);
        out.flush();
        if (!out) {
            const int cause = errno;
            out.close();
            fs::remove(partial, ec);
            error = partial.string() + ": " + std::strerror(cause);
            return false;
        }
    }
    fs::rename(partial, path, ec);
    if (ec) {
        error = path + ": " + ec.message();
        std::error_code ignored;
        fs::remove(partial, ignored);
        return false;
    }
    return true;
}

}  // namespace kl::platform
