// Builds skin packages in memory for the loader tests: an INI text plus
// bitmaps of given sizes whose pixels tell them apart.
#pragma once

#include "skin/ImgUtil/BmpCodec.h"
#include "tools/skinpack/PackageWriter.h"
#include "skin/WinSkinData/SkinModel.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace skintest {

// A w x h bitmap whose pixel (x, y) is (x, y, tag), as BMP file bytes.
inline std::vector<uint8_t> TaggedBmp(int w, int h, uint8_t tag) {
    skin::TDib dib(w, h);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            dib.SetPixel(x, y, skin::MakeColour(uint8_t(x), uint8_t(y), tag));
        }
    }
    return skin::EncodeBmp(dib);
}

struct TTestPackage {
    std::string ini;
    std::vector<TPackageEntry> bitmaps;

    TTestPackage& Bmp(const std::string& name, int w, int h, uint8_t tag = 0) {
        bitmaps.push_back({name, TaggedBmp(w, h, tag)});
        return *this;
    }
    std::vector<uint8_t> Build() const {
        std::vector<TPackageEntry> entries = bitmaps;
        entries.push_back({"test.ini", std::vector<uint8_t>(ini.begin(), ini.end())});
        return BuildPackage(entries);
    }
};

// Loads the package into the model and expects it to be accepted.
inline void Load(skin::TSkinModel& model, const TTestPackage& package) {
    ASSERT_TRUE(model.LoadSkin(package.Build()));
    ASSERT_TRUE(model.SkinLoaded);
}

} // namespace skintest
