#include "print/bitmapfile.h"

#include <cerrno>
#include <cstdlib>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QImage>

#include "platform/files.h"

namespace kl::print {

namespace {

std::uint32_t le16(const std::string& b, std::size_t at) {
    return static_cast<unsigned char>(b[at]) | static_cast<unsigned char>(b[at + 1]) << 8;
}
std::uint32_t le32(const std::string& b, std::size_t at) {
    return le16(b, at) | le16(b, at + 2) << 16;
}

}  // namespace

std::optional<platform::Picture> loadBitmapFile(const std::string& name, std::string& why) {
    if (name.find('\0') != std::string::npos) {
        why = "the name holds a NUL character";
        return std::nullopt;
    }
    const std::string path = platform::resolvePath(name);
    // Opened without blocking and checked on the open descriptor, so a pipe
    // or a device put in the file's place is refused, never waited on.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        why = "no such file";
        return std::nullopt;
    }
    struct Closer {
        int fd;
        ~Closer() { ::close(fd); }
    } closer{fd};
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        why = "not a regular file";
        return std::nullopt;
    }
    if (st.st_size > kMaxBitmapFileBytes) {
        why = "file too large";
        return std::nullopt;
    }
    // Read at most the size found: a file that grows meanwhile is cut there.
    std::string bytes(static_cast<std::size_t>(st.st_size), '\0');
    std::size_t got = 0;
    while (got < bytes.size()) {
        const ssize_t n = ::read(fd, bytes.data() + got, bytes.size() - got);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        got += static_cast<std::size_t>(n);
    }
    bytes.resize(got);
    if (bytes.size() < 26 || bytes[0] != 'B' || bytes[1] != 'M') {
        why = "not a bitmap";
        return std::nullopt;
    }
    const std::uint32_t header = le32(bytes, 14);
    std::int64_t width = 0, height = 0;
    if (header == 12) {
        width = le16(bytes, 18);
        height = le16(bytes, 20);
    } else if (header >= 40 && bytes.size() >= 26) {
        width = static_cast<std::int32_t>(le32(bytes, 18));
        height = static_cast<std::int32_t>(le32(bytes, 22));
    } else {
        why = "not a bitmap";
        return std::nullopt;
    }
    width = std::llabs(width);
    height = std::llabs(height);
    if (width < 1 || height < 1 || width > kMaxBitmapSide || height > kMaxBitmapSide ||
        width * height > kMaxBitmapPixels) {
        why = "bitmap too large";
        return std::nullopt;
    }
    if (!platform::bitmapHoldsItsPixels(bytes)) {
        why = "the file is shorter than its pixel data";
        return std::nullopt;
    }
    const QImage image = QImage::fromData(reinterpret_cast<const uchar*>(bytes.data()),
                                          static_cast<int>(bytes.size()), "BMP");
    if (image.isNull() || image.width() != width || image.height() != height) {
        why = "not a readable bitmap";
        return std::nullopt;
    }
    return platform::Picture::fromImage(image);
}

}  // namespace kl::print
