// Writes the picture fuzzer's seeds: one small bitmap of each kind a reader
// meets (1, 4, 8, 16, 24 and 32 bits, run-length coded, bit fields, rows top
// down) with corner markers and key colours in them.
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

void put16(Bytes& b, unsigned v) {
    b.push_back(v & 0xFF);
    b.push_back((v >> 8) & 0xFF);
}
void put32(Bytes& b, std::uint32_t v) {
    put16(b, v & 0xFFFF);
    put16(b, v >> 16);
}

struct Bitmap {
    int width = 0, height = 0;  // height < 0: rows top down
    unsigned bits = 24;
    unsigned compression = 0;   // 0 plain, 1 RLE8, 2 RLE4, 3 bit fields
    std::vector<std::uint32_t> palette;  // 0x00RRGGBB
    std::vector<std::uint32_t> masks;    // bit fields: red, green, blue
    Bytes pixels;                        // as stored, rows padded
};

Bytes encode(const Bitmap& m) {
    Bytes info;
    put32(info, 40);
    put32(info, static_cast<std::uint32_t>(m.width));
    put32(info, static_cast<std::uint32_t>(m.height));
    put16(info, 1);
    put16(info, m.bits);
    put32(info, m.compression);
    put32(info, static_cast<std::uint32_t>(m.pixels.size()));
    put32(info, 2835);
    put32(info, 2835);
    put32(info, static_cast<std::uint32_t>(m.palette.size()));
    put32(info, 0);
    for (std::uint32_t mask : m.masks) put32(info, mask);
    for (std::uint32_t c : m.palette) put32(info, c);
    const std::uint32_t offset = 14 + static_cast<std::uint32_t>(info.size());
    Bytes file{'B', 'M'};
    put32(file, offset + static_cast<std::uint32_t>(m.pixels.size()));
    put32(file, 0);
    put32(file, offset);
    file.insert(file.end(), info.begin(), info.end());
    file.insert(file.end(), m.pixels.begin(), m.pixels.end());
    return file;
}

// Rows of 24-bit pixels (0x00RRGGBB), bottom row first as stored.
Bitmap rgb24(int width, const std::vector<std::vector<std::uint32_t>>& rowsTopDown, bool topDown) {
    Bitmap m;
    m.width = width;
    m.height = static_cast<int>(rowsTopDown.size()) * (topDown ? -1 : 1);
    for (std::size_t i = 0; i < rowsTopDown.size(); ++i) {
        const auto& row = rowsTopDown[topDown ? i : rowsTopDown.size() - 1 - i];
        for (std::uint32_t c : row) {
            m.pixels.push_back(c & 0xFF);
            m.pixels.push_back((c >> 8) & 0xFF);
            m.pixels.push_back((c >> 16) & 0xFF);
        }
        while (m.pixels.size() % 4) m.pixels.push_back(0);
    }
    return m;
}

bool write(const std::string& dir, const char* name, const Bytes& bytes) {
    const std::string path = dir + "/" + name;
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return std::fclose(f) == 0 && ok;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: bmpseeds DIRECTORY\n");
        return 2;
    }
    const std::string dir = argv[1];
    constexpr std::uint32_t R = 0xFF0000, M = 0xFF1E00, K = 0x000000, W = 0xFFFFFF, B = 0x2040C0;
    bool ok = true;

    // A shape on black with a pair of corner markers and a near-marker.
    ok &= write(dir, "markers24.bmp",
                encode(rgb24(6, {{K, R, W, W, K, K}, {K, W, B, M, W, K}, {K, W, W, W, R, K}}, false)));
    ok &= write(dir, "topdown24.bmp", encode(rgb24(3, {{W, K, B}, {R, R, K}}, true)));
    ok &= write(dir, "single24.bmp", encode(rgb24(1, {{B}}, false)));

    {  // 8 bits with a palette, 5 x 2
        Bitmap m;
        m.width = 5;
        m.height = 2;
        m.bits = 8;
        m.palette = {K, W, R, B};
        m.pixels = {0, 1, 2, 3, 1, 0, 0, 0, 3, 3, 2, 1, 0, 0, 0, 0};
        ok &= write(dir, "palette8.bmp", encode(m));
    }
    {  // 4 bits, 7 x 2
        Bitmap m;
        m.width = 7;
        m.height = 2;
        m.bits = 4;
        m.palette = {K, W, R, B, M};
        m.pixels = {0x01, 0x23, 0x40, 0x10, 0x44, 0x32, 0x10, 0x00};
        ok &= write(dir, "palette4.bmp", encode(m));
    }
    {  // 1 bit, 10 x 3
        Bitmap m;
        m.width = 10;
        m.height = 3;
        m.bits = 1;
        m.palette = {K, W};
        m.pixels = {0xA5, 0x40, 0, 0, 0xFF, 0xC0, 0, 0, 0x0F, 0x00, 0, 0};
        ok &= write(dir, "mono1.bmp", encode(m));
    }
    {  // run-length coded 8 bits, 6 x 3: runs, an absolute stretch, a skip
        Bitmap m;
        m.width = 6;
        m.height = 3;
        m.bits = 8;
        m.compression = 1;
        m.palette = {K, W, R};
        m.pixels = {3, 1, 3, 2, 0, 0,                // row: runs, end of line
                    0, 4, 2, 1, 2, 1, 2, 0, 0, 0,    // absolute run of 4, end of line
                    0, 2, 2, 0, 2, 1, 0, 1};         // skip 2 right, run, end of bitmap
        ok &= write(dir, "rle8.bmp", encode(m));
    }
    {  // run-length coded 4 bits, 8 x 2
        Bitmap m;
        m.width = 8;
        m.height = 2;
        m.bits = 4;
        m.compression = 2;
        m.palette = {K, W, R};
        m.pixels = {8, 0x12, 0, 0,           // run of alternating 1 and 2, end of line
                    0, 4, 0x21, 0x02, 0, 0,  // absolute run of 4, end of line
                    0, 1};
        ok &= write(dir, "rle4.bmp", encode(m));
    }
    {  // 16 bits, 5-6-5 bit fields, 3 x 2
        Bitmap m;
        m.width = 3;
        m.height = 2;
        m.bits = 16;
        m.compression = 3;
        m.masks = {0xF800, 0x07E0, 0x001F};
        m.pixels = {0x00, 0xF8, 0xE0, 0x07, 0x1F, 0x00, 0, 0, 0xFF, 0xFF, 0x00, 0x00, 0x00, 0xF8, 0, 0};
        ok &= write(dir, "fields16.bmp", encode(m));
    }
    {  // 32 bits, 2 x 2
        Bitmap m;
        m.width = 2;
        m.height = 2;
        m.bits = 32;
        m.pixels = {0, 0, 255, 0, 255, 255, 255, 0, 0, 0, 0, 0, 192, 64, 32, 0};
        ok &= write(dir, "plain32.bmp", encode(m));
    }
    if (!ok) {
        std::fprintf(stderr, "bmpseeds: cannot write the seeds into %s\n", dir.c_str());
        return 1;
    }
    return 0;
}
