#include "platform/picturepack.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <memory>
#include <mutex>
#include <string_view>
#include <system_error>
#include <unordered_map>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>

#include <zlib.h>

#include "platform/files.h"

namespace kl::platform {

namespace {

// The pack, all numbers little-endian:
//   magic "KLPICPK1", u32 entry count, u32 index length in bytes;
//   the index: per entry u64 offset, u64 length, i64 modification time in
//   seconds, u32 CRC-32 of the bytes, u16 name length, the name as spelt on disk;
//   then the pictures' bytes, at their offsets.
constexpr std::string_view kMagic = "KLPICPK1";
constexpr std::size_t kHeaderBytes = 16;
constexpr std::size_t kEntryFixedBytes = 8 + 8 + 8 + 4 + 2;
// Far beyond any folder of pictures; a header claiming more is not a pack.
constexpr std::uint32_t kMostEntries = 1 << 16;
constexpr std::uint32_t kMostIndexBytes = 16 << 20;

void putLittle(std::string& out, std::uint64_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>(v >> (8 * i)));
}

std::uint64_t getLittle(std::string_view in, std::size_t at, int bytes) {
    std::uint64_t v = 0;
    for (int i = 0; i < bytes; ++i) v |= std::uint64_t{static_cast<unsigned char>(in[at + i])} << (8 * i);
    return v;
}

// Whole seconds of a time in nanoseconds, rounded down also before 1970.
std::int64_t wholeSeconds(std::int64_t nanoseconds) {
    constexpr std::int64_t kSecond = 1'000'000'000;
    return nanoseconds >= 0 ? nanoseconds / kSecond : -((-nanoseconds + kSecond - 1) / kSecond);
}

std::uint32_t checksum(const std::string& bytes) {
    return static_cast<std::uint32_t>(
        ::crc32_z(::crc32(0, nullptr, 0), reinterpret_cast<const Bytef*>(bytes.data()), bytes.size()));
}

bool isPictureName(const std::string& name) {
    std::string ext = std::filesystem::path(name).extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return std::tolower(c); });
    return ext == ".bmp" || ext == ".png";
}

struct Packed {
    std::uint64_t offset = 0, length = 0;
    std::int64_t seconds = 0;
    std::uint32_t crc = 0;
};

// An open pack: its index, and the file its bytes are read from.
class Pack {
public:
    // Null when there is no readable pack at `path`.
    static std::unique_ptr<Pack> open(const std::string& path) {
        std::unique_ptr<Pack> pack(new Pack(path));
        const FileReader& in = pack->file_;
        char header[kHeaderBytes];
        if (!in.isOpen() || !in.readAt(0, header, kHeaderBytes) ||
            std::string_view(header, kMagic.size()) != kMagic)
            return nullptr;
        const std::string_view fields(header, kHeaderBytes);
        const auto count = static_cast<std::uint32_t>(getLittle(fields, 8, 4));
        const auto indexBytes = static_cast<std::uint32_t>(getLittle(fields, 12, 4));
        const std::uint64_t size = in.size();
        if (count > kMostEntries || indexBytes > kMostIndexBytes || kHeaderBytes + indexBytes > size) return nullptr;
        std::string index(indexBytes, '\0');
        if (!in.readAt(kHeaderBytes, index.data(), indexBytes)) return nullptr;
        const std::uint64_t dataStart = kHeaderBytes + indexBytes;
        std::size_t at = 0;
        for (std::uint32_t i = 0; i < count; ++i) {
            if (index.size() - at < kEntryFixedBytes) return nullptr;
            Packed e;
            e.offset = getLittle(index, at, 8);
            e.length = getLittle(index, at + 8, 8);
            e.seconds = static_cast<std::int64_t>(getLittle(index, at + 16, 8));
            e.crc = static_cast<std::uint32_t>(getLittle(index, at + 24, 4));
            const std::size_t nameBytes = getLittle(index, at + 28, 2);
            at += kEntryFixedBytes;
            if (index.size() - at < nameBytes) return nullptr;
            std::string name = index.substr(at, nameBytes);
            at += nameBytes;
            // An entry outside the pack's bytes stands for nothing.
            if (e.offset < dataStart || e.offset > size || e.length > size - e.offset) continue;
            pack->entries_.emplace(std::move(name), e);
        }
        return pack;
    }

    const Packed* find(const std::string& name) const {
        const auto found = entries_.find(name);
        return found == entries_.end() ? nullptr : &found->second;
    }

    // The entry's bytes, when they are all there and carry its checksum.
    bool read(const Packed& e, std::string& out) const {
        std::string bytes(static_cast<std::size_t>(e.length), '\0');
        if (!file_.readAt(e.offset, bytes.data(), bytes.size()) || checksum(bytes) != e.crc) return false;
        out = std::move(bytes);
        return true;
    }

private:
    explicit Pack(const std::string& path) : file_(path) {}

    FileReader file_;
    std::unordered_map<std::string, Packed> entries_;
};

// The pack of a folder, opened at its first use and kept, or null when the
// folder has none: a folder is looked at once.
const Pack* packOf(const std::string& folder) {
    static std::mutex mutex;
    static std::unordered_map<std::string, std::unique_ptr<Pack>> packs;
    std::lock_guard lock(mutex);
    auto found = packs.find(folder);
    if (found == packs.end()) found = packs.emplace(folder, Pack::open(folder + "/" + kPicturePackName)).first;
    return found->second.get();
}

}  // namespace

bool writePicturePack(const std::string& folder, std::string& error) {
    std::vector<std::string> names;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(folder, ec)) {
        const std::string name = entry.path().filename().string();
        std::error_code sizeError;
        if (entry.is_regular_file(sizeError) && isPictureName(name) &&
            entry.file_size(sizeError) <= static_cast<std::uintmax_t>(kPackedPictureLimit) && !sizeError)
            names.push_back(name);
    }
    if (ec) {
        error = "cannot list " + folder + ": " + ec.message();
        return false;
    }
    std::sort(names.begin(), names.end());
    std::size_t indexBytes = 0;
    for (const std::string& name : names) indexBytes += kEntryFixedBytes + name.size();
    if (names.size() > kMostEntries || indexBytes > kMostIndexBytes) {
        error = folder + " holds more pictures than a pack takes";
        return false;
    }
    const std::uint64_t dataStart = kHeaderBytes + indexBytes;
    // A second of its own for each, counting back from the second before now.
    const std::time_t latest = std::time(nullptr) - 1;
    std::string index, data;
    for (std::size_t i = 0; i < names.size(); ++i) {
        const std::string path = folder + "/" + names[i];
        const std::time_t seconds = latest - static_cast<std::time_t>(i);
        const timespec times[2] = {{0, UTIME_OMIT}, {seconds, 0}};
        if (::utimensat(AT_FDCWD, path.c_str(), times, 0) != 0) {
            error = "cannot set the time of " + path + ": " + std::strerror(errno);
            return false;
        }
        std::string bytes;
        if (!readFileBytes(UserPath(path), bytes)) {
            error = "cannot read " + path;
            return false;
        }
        putLittle(index, dataStart + data.size(), 8);
        putLittle(index, bytes.size(), 8);
        putLittle(index, static_cast<std::uint64_t>(seconds), 8);
        putLittle(index, checksum(bytes), 4);
        putLittle(index, names[i].size(), 2);
        index += names[i];
        data += bytes;
    }
    std::string pack(kMagic);
    putLittle(pack, names.size(), 4);
    putLittle(pack, index.size(), 4);
    pack += index;
    pack += data;
    const UserPath target(folder + "/" + kPicturePackName);
    const Saved saved = saveFile(target, pack);
    if (saved != Saved::Done) {
        error = "cannot write " + target.path() + ": " + saveFailureText(saved);
        return false;
    }
    return true;
}

bool readPackedPicture(const FileStamp& stamp, std::string& out) {
    const std::size_t slash = stamp.path.rfind('/');
    if (slash == std::string::npos) return false;
    const Pack* pack = packOf(stamp.path.substr(0, slash));
    if (!pack) return false;
    const Packed* e = pack->find(stamp.path.substr(slash + 1));
    if (!e || static_cast<std::int64_t>(e->length) != stamp.size || e->seconds != wholeSeconds(stamp.modified))
        return false;
    return pack->read(*e, out);
}

}  // namespace kl::platform
