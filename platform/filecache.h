// What the program has made of its data files, kept while the files stay
// as they were: a text or a picture is read and decoded once, and a file
// changed while the program runs is read again at its next use. A check
// costs one stat of the file, never an open.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

namespace kl::platform {

// Where a data file's name leads and what is there now. Two stamps are
// equal while the file has not been written, replaced or renamed over.
struct FileStamp {
    std::string path;
    std::uint64_t device = 0, inode = 0;
    std::int64_t size = 0, modified = 0;  // bytes; nanoseconds since the epoch
    friend bool operator==(const FileStamp&, const FileStamp&) = default;
};

// The stamp of the regular file a data-file name resolves to (as
// resolvePath does; the resolution is remembered while the file is there),
// or nullopt when there is none.
std::optional<FileStamp> stampFile(std::string_view name);

// A file written less than a second ago may be written again without its
// time moving on (file times advance in clock ticks, not nanoseconds), so
// its stamp cannot yet vouch for its contents.
bool stampIsRecent(const FileStamp& stamp);

// While a FileCheckScope lives (one paint of a view, say), a name whose file
// was checked once is not checked again: a view that draws the same sign
// hundreds of times asks the file system once, and draws one version of it.
// Scopes may nest; the outermost one counts.
class FileCheckScope {
public:
    FileCheckScope();
    ~FileCheckScope();
    FileCheckScope(const FileCheckScope&) = delete;
    FileCheckScope& operator=(const FileCheckScope&) = delete;
};
// The outermost living scope's number, or 0 when none lives.
std::uint64_t currentFileCheckScope();

// Values made from data files, by resolved path. `make` reads the file
// whose stamp it is given (at stamp.path) and answers null (or throws) when it cannot: a
// failure is never remembered, so the next get tries again. Safe to use from several
// threads; `make` runs outside the lock. With a budget, the values least
// recently used are let go once their sizes add up to more than it.
template <class T>
class FileCache {
public:
    using Make = std::function<std::shared_ptr<const T>(const FileStamp& stamp)>;
    using Weigh = std::function<std::size_t(const T&)>;

    FileCache() = default;
    FileCache(std::size_t budget, Weigh weigh) : budget_(budget), weigh_(std::move(weigh)) {}

    std::shared_ptr<const T> get(std::string_view name, const Make& make) {
        const std::uint64_t scope = currentFileCheckScope();
        if (scope != 0) {
            std::lock_guard lock(mutex_);
            if (checkedScope_ != scope) {
                checked_.clear();
                checkedScope_ = scope;
            }
            if (auto found = checked_.find(name); found != checked_.end()) return found->second;
        }
        std::shared_ptr<const T> value = find(name, make);
        if (scope != 0 && value) {
            std::lock_guard lock(mutex_);
            if (checkedScope_ == scope) checked_.emplace(std::string(name), value);
        }
        return value;
    }

    void clear() {
        std::lock_guard lock(mutex_);
        entries_.clear();
        checked_.clear();
        weight_ = 0;
    }

    std::size_t size() const {
        std::lock_guard lock(mutex_);
        return entries_.size();
    }

private:
    struct Entry {
        FileStamp stamp;
        std::shared_ptr<const T> value;
        std::uint64_t used = 0;
        std::size_t weight = 0;
    };

    // The value of the file as it is now: the one held while its stamp is
    // unchanged, else made afresh.
    std::shared_ptr<const T> find(std::string_view name, const Make& make) {
        const std::optional<FileStamp> stamp = stampFile(name);
        if (!stamp) return nullptr;
        {
            std::lock_guard lock(mutex_);
            auto found = entries_.find(stamp->path);
            if (found != entries_.end() && found->second.stamp == *stamp) {
                found->second.used = ++clock_;
                return found->second.value;
            }
        }
        std::shared_ptr<const T> value = make(*stamp);
        // Changed while it was read: the next get sees the new stamp and
        // reads it again.
        std::lock_guard lock(mutex_);
        if (!value) {
            entries_.erase(stamp->path);
            return nullptr;
        }
        if (stampIsRecent(*stamp)) {
            entries_.erase(stamp->path);  // used, but read again next time
            return value;
        }
        Entry& e = entries_[stamp->path];
        if (e.value) weight_ -= e.weight;
        e = Entry{*stamp, value, ++clock_, weigh_ ? weigh_(*value) : 0};
        weight_ += e.weight;
        trim(stamp->path);
        return value;
    }

    void trim(const std::string& keep) {
        while (budget_ > 0 && weight_ > budget_ && entries_.size() > 1) {
            auto oldest = entries_.end();
            for (auto it = entries_.begin(); it != entries_.end(); ++it)
                if (it->first != keep && (oldest == entries_.end() || it->second.used < oldest->second.used))
                    oldest = it;
            weight_ -= oldest->second.weight;
            entries_.erase(oldest);
        }
    }

    mutable std::mutex mutex_;
    std::unordered_map<std::string, Entry> entries_;
    // What the current scope has checked, by name as asked for.
    struct NameHash : std::hash<std::string_view> {
        using is_transparent = void;
    };
    std::unordered_map<std::string, std::shared_ptr<const T>, NameHash, std::equal_to<>> checked_;
    std::uint64_t checkedScope_ = 0;
    std::uint64_t clock_ = 0;
    std::size_t budget_ = 0, weight_ = 0;
    Weigh weigh_;
};

}  // namespace kl::platform
