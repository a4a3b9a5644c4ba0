// Fuzz target: any skin INI text, or any package, must load into a usable
// model. The first byte chooses: odd, the rest is a package as stored; even,
// the rest is an INI text packed with a few bitmaps that INI texts may name.
#include "skin/ImgUtil/BmpCodec.h"
#include "tools/skinpack/LzhEncoder.h"
#include "tools/skinpack/PackageWriter.h"
#include "skin/WinSkinData/SkinModel.h"

#include <cstdint>
#include <cstdlib>
#include <span>
#include <vector>

namespace {

std::vector<uint8_t> Bitmap(int w, int h) {
    skin::TDib dib(w, h);
    dib.Fill(skin::MakeColour(uint8_t(w), uint8_t(h), 7));
    return skin::EncodeBmp(dib);
}

std::vector<uint8_t> PackageOf(std::span<const uint8_t> ini) {
    static const std::vector<TPackageEntry> bitmaps = {{"a.bmp", Bitmap(60, 20)},
                                                       {"b.bmp", Bitmap(13, 13)},
                                                       {"c.bmp", Bitmap(120, 9)},
                                                       {"d.bmp", Bitmap(1, 1)}};
    std::vector<TPackageEntry> entries = bitmaps;
    entries.push_back({"skin.ini", std::vector<uint8_t>(ini.begin(), ini.end())});
    return LzhCompress(BuildContainer(entries));
}

void Check(bool ok) {
    if (!ok) {
        std::abort();
    }
}

// What every loaded skin promises the painting code.
void CheckInvariants(const skin::TSkinModel& m) {
    Check(m.SysButtons.size() >= 3);
    for (const auto& b : m.SysButtons) {
        Check(b && b->Frame >= 1);
    }
    for (const skin::TDataSkinBorder* b :
         {&m.BorderLeft, &m.BorderRight, &m.BorderTop, &m.BorderBottom}) {
        Check(b->Frame >= 1);
    }
    Check(m.Buttons.Frame == 5 && m.Buttons.RadioButtonFrame != 0 &&
          m.Buttons.CheckButtonFrame != 0);
    const skin::TDataSkinObject* generic[] = {m.Tabs.get(),      m.SunkEdge.get(),
                                              m.Toolbars.get(),  m.MenuItem.get(),
                                              m.Scrollbar.get(), m.HorzScroll.get()};
    for (const skin::TDataSkinObject* e : generic) {
        Check(!e || (e->Frame >= 1 && e->Tile <= 1));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) {
        return 0;
    }
    const std::span<const uint8_t> rest(data + 1, size - 1);
    skin::TSkinModel model;
    const bool loaded = data[0] & 1 ? model.LoadSkin(rest) : model.LoadSkin(PackageOf(rest));
    Check(loaded == model.SkinLoaded);
    if (loaded) {
        CheckInvariants(model);
    }
    return 0;
}
