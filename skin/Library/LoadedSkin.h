// A skin loaded through the interface: the package's bytes, checked by
// reading the skin from them once, and the skin's colours a program draws
// with. The engine reads its own copy of the package when the skin is
// shown, so a loaded skin may go at any time.
//
// Error policy: what is no usable skin throws TRefusal with the reason a
// user can be shown, worded as skinpack words it.
#pragma once

#include "skin/WinSkinData/SkinColours.h"

#include <cstdint>
#include <filesystem>
#include <stdexcept>
#include <vector>

namespace skinlib {

class TRefusal : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class TLoadedSkin {
public:
    // Reads the package; throws TRefusal when the reader refuses it.
    explicit TLoadedSkin(std::vector<uint8_t> package);
    virtual ~TLoadedSkin() = default;

    const std::vector<uint8_t>& Package() const { return package_; }
    // The colours in the order of KanvioSkinColour, as the skin gives them
    // (system colours unresolved).
    const std::vector<skin::Colour>& Colours() const { return colours_; }

private:
    std::vector<uint8_t> package_;
    std::vector<skin::Colour> colours_;
};

// A package file's bytes.
std::vector<uint8_t> ReadPackageFile(const std::filesystem::path& path);
// An unpacked skin (the folder, or the INI in it) packed as skinpack packs it.
std::vector<uint8_t> ReadPackageFolder(const std::filesystem::path& folder);

} // namespace skinlib
