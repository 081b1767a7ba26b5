#include "platform/filecache.h"

#include <atomic>
#include <ctime>

#include <sys/stat.h>

#include "platform/files.h"

namespace kl::platform {

namespace {

std::optional<FileStamp> stampAt(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return std::nullopt;
    FileStamp s;
    s.path = path;
    s.device = static_cast<std::uint64_t>(st.st_dev);
    s.inode = static_cast<std::uint64_t>(st.st_ino);
    s.size = static_cast<std::int64_t>(st.st_size);
    s.modified = static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1'000'000'000 + st.st_mtim.tv_nsec;
    return s;
}

std::atomic<std::uint64_t> g_scope{0};
std::atomic<int> g_scopeDepth{0};
std::atomic<std::uint64_t> g_scopesBegun{0};

}  // namespace

FileCheckScope::FileCheckScope() {
    if (g_scopeDepth++ == 0) g_scope = ++g_scopesBegun;
}

FileCheckScope::~FileCheckScope() {
    if (--g_scopeDepth == 0) g_scope = 0;
}

std::uint64_t currentFileCheckScope() { return g_scope; }

bool stampIsRecent(const FileStamp& stamp) {
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    const std::int64_t ns = static_cast<std::int64_t>(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
    return ns - stamp.modified < 1'000'000'000;
}

std::optional<FileStamp> stampFile(std::string_view name) {
    // Resolving a name without regard to case may read a directory; the
    // answer is kept while a file is there, by program directory and name.
    static std::mutex mutex;
    static std::unordered_map<std::string, std::string> resolved;
    std::string key = programDirectory();
    key += '\0';
    key += name;
    {
        std::lock_guard lock(mutex);
        auto found = resolved.find(key);
        if (found != resolved.end()) {
            if (auto s = stampAt(found->second)) return s;
            resolved.erase(found);
        }
    }
    const std::string path = resolvePath(name);
    std::optional<FileStamp> s = stampAt(path);
    if (s) {
        std::lock_guard lock(mutex);
        resolved[key] = path;
    }
    return s;
}

}  // namespace kl::platform
