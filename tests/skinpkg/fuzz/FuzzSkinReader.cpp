// The package reader on hostile packages. The first byte picks how the rest
// is used: as a compressed package as it stands, or as an expanded container
// that is compressed first (so the container checks see structured input
// rather than whatever random bits decode to).
#include "tools/skinpack/LzhEncoder.h"
#include "skin/SkinRead/Lzh.h"
#include "skin/SkinRead/SkinReader.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const std::span<const std::uint8_t> rest(data + 1, size - 1);
    std::vector<std::uint8_t> package;
    if (data[0] & 1) {
        package = LzhCompress(rest);
    } else {
        package.assign(rest.begin(), rest.end());
    }

    int notices = 0;
    TSkinReader reader([&](const std::string& text) {
        if (text.empty()) {
            std::abort();
        }
        ++notices;
    });
    const bool loaded = reader.Load(package);
    if (loaded == (notices != 0) || loaded != reader.RejectReason().empty()) {
        std::abort();
    }
    if (!loaded) {
        if (reader.Count() != 0) {
            std::abort();
        }
        return 0;
    }

    std::vector<std::uint8_t> entry;
    for (std::size_t i = 0; i < reader.Count(); ++i) {
        const std::string& name = reader.Names()[i];
        if (!reader.GetEntry(name, entry)) {
            std::abort();
        }
        std::string found;
        if (!reader.GetEntryContaining(name, entry, found) ||
            found.find(name) == std::string::npos) {
            std::abort();
        }
    }
    std::string ini;
    reader.GetEntryContaining(".ini", entry, ini);
    return 0;
}
