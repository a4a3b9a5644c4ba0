// The skin component when memory runs out while a new package is read into
// the model: the skin that was working stays and the frames go on painting
// it. Its own program, because it replaces the allocator to make memory run
// out.
#include "tests/frame/FrameFixture.h"
#include "tests/support/MemoryShort.h"

#include "skin/ImgUtil/BmpCodec.h"
#include "tools/skinpack/PackageWriter.h"

namespace {

using namespace skin;
using namespace frametest;

using SkinMemory = FrameTest;

// A skin whose left border is a bitmap of 2400 x 1200 pixels: the reader
// holds its 8.6 MB of file, the model needs 11.5 MB more to decode it.
std::vector<uint8_t> SkinWithAHugeBorder() {
    TDib left(2400, 1200);
    left.Fill(MakeColour(1, 2, 3));
    const std::string ini = "[TitlebarSkin]\nSkinName=Huge\n[Personality]\nLeft=left.bmp\n"
                            "LeftFrame=2\n";
    return BuildPackage({{"left.bmp", EncodeBmp(left)},
                         {"huge.ini", std::vector<uint8_t>(ini.begin(), ini.end())}});
}

TEST_F(SkinMemory, RunningOutWhileReadingANewSkinKeepsTheOneThatWorks) {
    const TOddSkin odd;
    TSkinData& data = AddSkin(odd.Build());
    std::vector<std::string> notices;
    data.OnNotice = [&](const std::string& text) { notices.push_back(text); };
    HWND window = ShowRaw({70, 70, 430, 310});
    ASSERT_NE(FrameOf(window), nullptr);
    const std::vector<uint8_t> huge = SkinWithAHugeBorder();

    const bool loaded = [&] {
        const TMemoryShort shortage(10u << 20);
        return data.SetSkinStream(huge);
    }();

    EXPECT_FALSE(loaded);
    EXPECT_TRUE(data.SkinLoaded);
    EXPECT_EQ(data.SkinName, "Odd");
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_EQ(notices[0].find("The skin could not be loaded: "), 0u) << notices[0];
    EXPECT_NE(notices[0].find(KeptSkinNotice), std::string::npos) << notices[0];

    const RECT before = WindowRectOf(window);
    SetWindowPos(window, nullptr, 0, 0, before.right - before.left + 120,
                 before.bottom - before.top + 90, SWP_NOMOVE | SWP_NOZORDER);
    Settle();
    const guitest::Capture shot = guitest::CaptureWindow(window);
    EXPECT_TRUE(
        guitest::PixelIs(shot, shot.width - 2, shot.height - 40, COLORREF(TOddSkin::RightActive)));
    EXPECT_TRUE(guitest::PixelIs(shot, 2, shot.height - 40, COLORREF(TOddSkin::LeftActive)));
    EXPECT_TRUE(RegionMatchesKey(window, odd));

    // With the memory there, the same package loads.
    ASSERT_TRUE(data.SetSkinStream(huge));
    EXPECT_EQ(data.SkinName, "Huge");
}

} // namespace
