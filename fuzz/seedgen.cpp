// Writes the fuzzers' binary seeds, so that no binary file is kept in the
// repository: into DIRECTORY/bitmaps one small bitmap of each kind a reader
// meets (1, 4, 8, 16, 24 and 32 bits, run-length coded, bit fields, rows top
// down) with corner markers and key colours in them, and damaged ones (cut
// short, a header claiming far more pixels than the file holds); into
// DIRECTORY/fieldrects hot-rectangle files of every length that matters.
#include <climits>
#include <cstdint>
#include <cstdio>
#include <filesystem>
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

// Hot rectangles: 16-byte records of left, top, right, bottom.
Bytes rects(const std::vector<std::vector<std::int32_t>>& records) {
    Bytes b;
    for (const auto& r : records)
        for (std::int32_t v : r) put32(b, static_cast<std::uint32_t>(v));
    return b;
}

bool writeFieldSeeds(const std::string& dir) {
    constexpr int kRecords = 70;
    std::vector<std::vector<std::int32_t>> grid;  // a board of 10 x 7 fields
    for (int k = 0; k < kRecords; ++k) {
        const int x = 20 + 60 * (k % 10), y = 30 + 70 * (k / 10);
        grid.push_back({x, y, x + 50, y + 60});
    }
    std::vector<std::vector<std::int32_t>> odd = grid;  // overlapping, empty, inverted, extreme
    odd[0] = {0, 0, 670, 550};
    odd[1] = {100, 100, 100, 200};
    odd[2] = {300, 300, 200, 200};
    odd[3] = {INT_MIN, INT_MIN, INT_MAX, INT_MAX};
    odd[4] = {-5, -5, 1, 1};
    bool ok = write(dir, "grid.dat", rects(grid));
    ok &= write(dir, "odd.dat", rects(odd));
    Bytes cut = rects(grid);
    cut.resize(5 * 16 + 7);  // five records and part of the sixth
    ok &= write(dir, "short.dat", cut);
    cut = rects(grid);
    cut.pop_back();  // one byte short of the last record
    ok &= write(dir, "onebyteshort.dat", cut);
    return ok;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: seedgen DIRECTORY\n");
        return 2;
    }
    std::error_code ec;
    for (const char* sub : {"/fieldrects", "/bitmaps"}) std::filesystem::create_directories(argv[1] + std::string(sub), ec);
    if (!writeFieldSeeds(std::string(argv[1]) + "/fieldrects")) {
        std::fprintf(stderr, "seedgen: cannot write the hot-rectangle seeds into %s\n", argv[1]);
        return 1;
    }
    const std::string dir = std::string(argv[1]) + "/bitmaps";
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
    {  // damaged: cut inside the pixels, and a header claiming 5000 x 6000 in a few bytes
        Bytes cut = encode(rgb24(6, {{K, R, W, W, K, K}, {K, W, B, M, W, K}, {K, W, W, W, R, K}}, false));
        cut.resize(cut.size() - 20);
        ok &= write(dir, "truncated24.bmp", cut);
        Bitmap m = rgb24(1, {{B}}, false);
        m.width = 5000;
        m.height = 6000;
        ok &= write(dir, "claims-large.bmp", encode(m));
    }
    if (!ok) {
        std::fprintf(stderr, "seedgen: cannot write the seeds into %s\n", dir.c_str());
        return 1;
    }
    return 0;
}
