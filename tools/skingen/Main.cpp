// skingen: draws the product's skins (every bitmap and the INI text) into
// OUTDIR/<skin name>/, with OUTDIR/<skin name>/order.txt listing the entries
// in package order for `skinpack pack --order`.
#include "tools/skingen/SkinFiles.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>

namespace fs = std::filesystem;

namespace {

bool WriteFile(const fs::path& path, const std::vector<uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    return bool(out);
}

bool WriteSkin(const fs::path& root, const skingen::TTheme& theme) {
    const fs::path folder = root / theme.name;
    std::error_code error;
    fs::create_directories(folder, error);
    std::string order = "# " + theme.displayName + ": entries in package order\n";
    for (const skingen::TSkinFile& file : skingen::SkinFiles(theme)) {
        if (!WriteFile(folder / file.name, file.bytes)) {
            std::cerr << "skingen: cannot write " << (folder / file.name).string() << "\n";
            return false;
        }
        order += file.name + "\n";
    }
    return WriteFile(folder / "order.txt", std::vector<uint8_t>(order.begin(), order.end()));
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: skingen OUTDIR\n";
        return 2;
    }
    for (const skingen::TTheme& theme : skingen::AllThemes()) {
        if (!WriteSkin(argv[1], theme)) {
            return 1;
        }
    }
    return 0;
}
