// The skin component reads its package from a design's SkinStream block and
// parses it at once; the button face brush follows each load.
#include "toolkit/ClassRegistry.h"
#include "toolkit/DesignReader.h"
#include "skin/WinSkinData/WinSkinData.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

using namespace skin;

namespace {

std::vector<uint8_t> Package(const std::string& name) {
    std::ifstream in(std::string(KANVIO_SKINS_DIR) + "/" + name + ".skn", std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// "SkinStream = {...}" for a payload of a 32-bit count and the bytes.
std::string SkinStreamBlock(int32_t count, const std::vector<uint8_t>& bytes) {
    static const char* hex = "0123456789ABCDEF";
    std::string text = "SkinStream = {";
    const auto put = [&](uint8_t b) {
        text += hex[b >> 4];
        text += hex[b & 15];
    };
    for (int i = 0; i < 4; ++i) {
        put(uint8_t(uint32_t(count) >> (8 * i)));
    }
    for (size_t i = 0; i < bytes.size(); ++i) {
        if (i % 32 == 0) {
            text += "\n  ";
        }
        put(bytes[i]);
    }
    return text + "}\n";
}

struct TRoot : tk::Component {
    TRoot() : tk::Component(nullptr) {}
};

struct SkinDataDesign : ::testing::Test {
    tk::ClassRegistry classes;
    TRoot root;
    SkinDataDesign() { classes.Register<TSkinData>(); }
    TSkinData& Read(const std::string& properties) {
        tk::DesignReader(classes, "Test")
            .Read(root, "object Root: TComponent\n object SkinData1: TSkinData\n" + properties +
                            " end\nend\n");
        return *static_cast<TSkinData*>(root.FindComponent("SkinData1"));
    }
};

COLORREF BrushColour(HBRUSH brush) {
    LOGBRUSH log{};
    GetObjectW(brush, sizeof log, &log);
    return log.lbColor;
}

TEST_F(SkinDataDesign, TheStoredPackageIsParsedWhileTheDesignIsRead) {
    const std::vector<uint8_t> package = Package("kanvio_neon");
    TSkinData& data = Read(SkinStreamBlock(int32_t(package.size()), package));
    EXPECT_TRUE(data.SkinLoaded);
    EXPECT_EQ(data.SkinStream(), package);
    EXPECT_EQ(data.SkinName, "Kanvio Neon");
    ASSERT_NE(data.ButtonFaceBrush(), nullptr);
    EXPECT_EQ(BrushColour(data.ButtonFaceBrush()), COLORREF(data.ButtonFaceColour));
}

TEST_F(SkinDataDesign, ACountOfZeroLoadsNothing) {
    TSkinData& data = Read(SkinStreamBlock(0, {1, 2, 3}));
    EXPECT_FALSE(data.SkinLoaded);
    EXPECT_TRUE(data.SkinStream().empty());
    EXPECT_EQ(data.ButtonFaceBrush(), nullptr);
}

TEST_F(SkinDataDesign, ACountPastTheBlockTakesTheBytesThatAreThere) {
    const std::vector<uint8_t> package = Package("kanvio_daylight");
    TSkinData& data = Read(SkinStreamBlock(int32_t(package.size()) + 1000, package));
    EXPECT_TRUE(data.SkinLoaded);
    EXPECT_EQ(data.SkinStream().size(), package.size());
}

TEST(SkinData, ASecondPackageReplacesTheSkinAndTheBrush) {
    TSkinData data(nullptr);
    ASSERT_TRUE(data.SetSkinStream(Package("kanvio_neon")));
    ASSERT_TRUE(data.SetSkinStream(Package("kanvio_daylight")));
    EXPECT_EQ(data.SkinName, "Kanvio Daylight");
    EXPECT_EQ(BrushColour(data.ButtonFaceBrush()), COLORREF(data.ButtonFaceColour));
    std::vector<std::string> notices;
    data.OnNotice = [&](const std::string& text) { notices.push_back(text); };
    EXPECT_FALSE(data.SetSkinStream({0, 0, 0, 0}));
    EXPECT_TRUE(data.SkinLoaded) << "a refused package leaves the skin that works";
    EXPECT_EQ(data.SkinName, "Kanvio Daylight") << "a refused package leaves the model";
    EXPECT_EQ(data.SkinStream(), Package("kanvio_daylight"));
    EXPECT_EQ(notices.size(), 1u);
}

TEST(SkinData, SystemColoursAreResolvedForPainting) {
    EXPECT_EQ(ResolveColour(SysBtnFace), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(ResolveColour(MakeColour(1, 2, 3)), RGB(1, 2, 3));
}

} // namespace
