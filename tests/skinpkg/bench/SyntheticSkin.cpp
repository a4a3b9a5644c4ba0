#include "tests/skinpkg/bench/SyntheticSkin.h"

#include "base/Bytes.h"

#include <random>
#include <string>

namespace {

// A bottom-up 24-bit BMP of `frames` cells side by side: each cell a bevelled
// frame around a vertical gradient, corners in the magenta colour key, and a
// little dither noise as anti-aliased art has.
std::vector<std::uint8_t> SkinBitmap(int width, int height, int frames, std::mt19937& random) {
    const int stride = (width * 3 + 3) & ~3;
    std::vector<std::uint8_t> bmp;
    bmp.push_back('B');
    bmp.push_back('M');
    base::AppendU32(bmp, static_cast<std::uint32_t>(54 + stride * height));
    base::AppendU32(bmp, 0);
    base::AppendU32(bmp, 54);
    base::AppendU32(bmp, 40);
    base::AppendU32(bmp, static_cast<std::uint32_t>(width));
    base::AppendU32(bmp, static_cast<std::uint32_t>(height));
    base::AppendU16(bmp, 1);
    base::AppendU16(bmp, 24);
    base::AppendU32(bmp, 0);
    base::AppendU32(bmp, static_cast<std::uint32_t>(stride * height));
    base::AppendU32(bmp, 2835);
    base::AppendU32(bmp, 2835);
    base::AppendU32(bmp, 0); // colours used
    base::AppendU32(bmp, 0); // colours important

    const int cell = width / frames;
    const int hue = static_cast<int>(random() % 200);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const int cx = x % cell;
            const int state = x / cell;
            const bool corner = (cx < 2 || cx >= cell - 2) && (y < 2 || y >= height - 2);
            std::uint8_t b, g, r;
            if (corner) {
                b = 0xFF, g = 0x00, r = 0xFF;
            } else if (cx == 0 || y == 0 || cx == cell - 1 || y == height - 1) {
                b = g = r = static_cast<std::uint8_t>(state % 2 ? 0x20 : 0xE0);
            } else {
                const int shade = 40 + y * 150 / height + state * 12;
                const int dither = random() % 16 == 0 ? static_cast<int>(random() % 3) : 0;
                b = static_cast<std::uint8_t>((shade + hue + dither) & 0xFF);
                g = static_cast<std::uint8_t>(shade / 2 + dither);
                r = static_cast<std::uint8_t>(hue / 2 + dither);
            }
            bmp.push_back(b);
            bmp.push_back(g);
            bmp.push_back(r);
        }
        for (int pad = width * 3; pad < stride; ++pad) {
            bmp.push_back(0);
        }
    }
    return bmp;
}

std::string SkinIni(const std::vector<TPackageEntry>& bitmaps) {
    std::string ini = "[TitlebarSkin]\r\nSkinName=Bench\r\n\r\n";
    int n = 0;
    for (const TPackageEntry& entry : bitmaps) {
        ini += "[Element" + std::to_string(n) + "]\r\nImage=bench\\" + entry.name +
               "\r\nLeftWidth=" + std::to_string(n % 9) + "\r\nTopHeight=" + std::to_string(n % 5) +
               "\r\nRightWidth=" + std::to_string(n % 7) +
               "\r\nBottomHeight=3\r\nFrame=" + std::to_string(1 + n % 6) +
               "\r\nTile=" + std::to_string(n % 2) + "\r\nTrans=1\r\nNormalColour=0x00" +
               std::to_string(100000 + n * 37) + "\r\n\r\n";
        ++n;
    }
    return ini;
}

} // namespace

std::vector<TPackageEntry> SyntheticSkinEntries(std::size_t totalBytes) {
    std::mt19937 random(2024);
    std::vector<TPackageEntry> entries;
    std::size_t total = 0;
    const int shapes[][3] = {{300, 30, 1}, {8, 300, 2},  {180, 22, 5}, {64, 64, 4},
                             {17, 17, 6},  {120, 18, 3}, {40, 200, 1}, {96, 16, 6}};
    for (int i = 0; total < totalBytes; ++i) {
        const auto& shape = shapes[i % 8];
        TPackageEntry entry{"element" + std::to_string(i) + ".bmp",
                            SkinBitmap(shape[0], shape[1], shape[2], random)};
        total += entry.bytes.size();
        entries.push_back(std::move(entry));
    }
    const std::string ini = SkinIni(entries);
    entries.push_back({"bench.ini", std::vector<std::uint8_t>(ini.begin(), ini.end())});
    return entries;
}

std::vector<std::uint8_t> MixedData(std::size_t totalBytes) {
    std::mt19937 random(99);
    const auto skin = SyntheticSkinEntries(256 * 1024);
    std::vector<std::uint8_t> out;
    for (int block = 0; out.size() < totalBytes; ++block) {
        switch (block % 4) {
        case 0: // pictures
            for (const auto& entry : skin) {
                out.insert(out.end(), entry.bytes.begin(), entry.bytes.end());
            }
            break;
        case 1: // text
            for (int line = 0; line < 4000; ++line) {
                const std::string text = "Line " + std::to_string(line * 7 % 1000) +
                                         ": the quick brown fox " + std::to_string(random() % 97) +
                                         "\r\n";
                out.insert(out.end(), text.begin(), text.end());
            }
            break;
        case 2: // noise
            for (int i = 0; i < 200 * 1024; ++i) {
                out.push_back(static_cast<std::uint8_t>(random()));
            }
            break;
        default: // zeros
            out.insert(out.end(), 100 * 1024, 0);
            break;
        }
    }
    out.resize(totalBytes);
    return out;
}
