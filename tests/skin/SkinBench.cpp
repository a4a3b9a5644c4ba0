// Benchmarks of the skin engine's hot paths: loading the default package
// into the model (expand, parse, bitmaps) and, in the Windows build, the
// nine-slice of a 921 x 30 title bar and the region of a 921 x 620 frame.
// Prints figures; never fails on time.
#include "skin/WinSkinData/SkinModel.h"

#ifdef _WIN32
#include "skin/ImgUtil/ImgUtil.h"
#include "tools/skinpreview/WindowMock.h"
#endif

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <functional>
#include <iterator>
#include <vector>

namespace {

// Runs `work` repeatedly for about half a second and prints the median and
// the fastest time of one run.
void Measure(const char* what, const std::function<void()>& work) {
    using Clock = std::chrono::steady_clock;
    std::vector<double> micros;
    const Clock::time_point end = Clock::now() + std::chrono::milliseconds(500);
    while (Clock::now() < end || micros.size() < 10) {
        const Clock::time_point start = Clock::now();
        work();
        micros.push_back(std::chrono::duration<double, std::micro>(Clock::now() - start).count());
    }
    std::sort(micros.begin(), micros.end());
    std::printf("%-44s median %9.1f us   best %9.1f us   (%zu runs)\n", what,
                micros[micros.size() / 2], micros.front(), micros.size());
}

} // namespace

int main(int argc, char** argv) {
    // The default skin as packed at build time, unless a package is named.
    const char* path = argc > 1 ? argv[1] : KANVIO_DEFAULT_SKIN;
    std::ifstream in(path, std::ios::binary);
    const std::vector<uint8_t> package{std::istreambuf_iterator<char>(in), {}};
    skin::TSkinModel model;
    if (!model.LoadSkin(package)) {
        std::fprintf(stderr, "skin_bench: %s is not a skin package\n", path);
        return 1;
    }
    Measure("load default package into the model", [&] { model.LoadSkin(package); });
    Measure("load it at 192 DPI (bitmaps scaled)", [&] { model.LoadSkin(package, {}, 192); });
    model.LoadSkin(package);

#ifdef _WIN32
    const skin::TDataSkinBorder& top = model.BorderTop;
    const RECT margins = {top.LeftWidth, top.TopHeight, top.RightWidth, top.BottomHeight};
    Measure("RenderElement of a 921 x 30 title bar", [&] {
        const skin::TDib bar = skin::RenderElement({0, 0, 921, 30}, top.Bitmap, margins, true,
                                                   top.Tile != 1, top.Frame, 1);
    });
    skin::TDib frame(921, 620);
    frame.Fill(skin::KeyColour);
    {
        tk::BitmapDC dc(skin::NativeBitmap(frame));
        skinpreview::DrawWindowMock(dc, {0, 0, 921, 620}, model, true);
    }
    GdiFlush();
    Measure("RegionFromBitmap of a 921 x 620 frame", [&] {
        const tk::OwnedRegion region =
            skin::RegionFromBitmap(frame, 0, 0, 1, 1, 1, skin::KeyColour);
    });
#endif
    return 0;
}
