// The skinpack command line: packages and raw streams round trip through
// files, and every failure is a message on stderr with a non-zero status.
#include "tools/skinpack/Commands.h"
#include "tests/skinpkg/PackageBytes.h"
#include "skin/SkinRead/SkinReader.h"
#include "tests/support/TempFolder.h"
#include "tools/skinpack/ToolSupport.h"
#include "skin/ImgUtil/BmpCodec.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <random>
#include <sstream>

namespace fs = std::filesystem;
using skinpack::ReadWholeFile;
using skinpack::WriteWholeFile;
using testbytes::Bytes;
using testbytes::Text;

namespace {

struct TSkinpackTool : ::testing::Test {
    testsupport::TempFolder temp{"skinpack-test"};
    const fs::path root = temp.Path();
    std::ostringstream out;
    std::ostringstream err;

    void SetUp() override { fs::create_directories(root / "skin"); }

    std::string At(const fs::path& relative) const {
        return skinpack::Utf8FromPath(root / relative);
    }

    int Run(std::vector<std::string> args) {
        out.str("");
        err.str("");
        return skinpack::RunSkinpack(args, out, err);
    }

    void Put(const fs::path& relative, std::string_view text) {
        WriteWholeFile(root / relative, Bytes(text));
    }

    void MakeSkinFolder() {
        Put("skin/Neon.ini", "[TitlebarSkin]\r\nSkinName=Neon\r\n");
        Put("skin/top.bmp", "BMtop");
        Put("skin/Bottom.bmp", "BMbottom");
        Put("skin/notes.txt", "not packed");
    }
};

} // namespace

TEST_F(TSkinpackTool, PackPutsBitmapsInNameOrderAndTheIniLast) {
    MakeSkinFolder();
    ASSERT_EQ(Run({"pack", At("skin"), At("neon.skn")}), 0) << err.str();
    ASSERT_EQ(Run({"list", At("neon.skn")}), 0) << err.str();
    EXPECT_EQ(out.str(), "bottom.bmp\t8\ntop.bmp\t5\nneon.ini\t31\n");
}

TEST_F(TSkinpackTool, PackUnpackRoundTripIsExact) {
    MakeSkinFolder();
    std::vector<std::uint8_t> big(70000);
    std::mt19937 random(3);
    for (auto& b : big) {
        b = static_cast<std::uint8_t>(random() % 5);
    }
    WriteWholeFile(root / "skin/big.bmp", big);
    ASSERT_EQ(Run({"pack", At("skin"), At("p.skn")}), 0) << err.str();
    ASSERT_EQ(Run({"unpack", At("p.skn"), At("out/nested")}), 0) << err.str();
    EXPECT_EQ(ReadWholeFile(root / "out/nested/big.bmp"), big);
    EXPECT_EQ(Text(ReadWholeFile(root / "out/nested/bottom.bmp")), "BMbottom");
    EXPECT_EQ(Text(ReadWholeFile(root / "out/nested/neon.ini")),
              "[TitlebarSkin]\r\nSkinName=Neon\r\n");
    EXPECT_FALSE(fs::exists(root / "out/nested/notes.txt"));
}

TEST_F(TSkinpackTool, OrderFileGivesTheEntriesExactly) {
    MakeSkinFolder();
    Put("order.txt", "# entries\r\nNeon.ini\r\n\r\n  top.bmp  \nBottom.bmp\n");
    ASSERT_EQ(Run({"pack", "--order", At("order.txt"), At("skin"), At("o.skn")}), 0) << err.str();
    ASSERT_EQ(Run({"list", At("o.skn")}), 0);
    EXPECT_EQ(out.str(), "neon.ini\t31\ntop.bmp\t5\nbottom.bmp\t8\n");

    Put("short.txt", "Neon.ini\ntop.bmp\n");
    EXPECT_EQ(Run({"pack", At("skin"), At("o.skn"), "--order", At("short.txt")}), 1);
    EXPECT_NE(err.str().find("Bottom.bmp is not named in"), std::string::npos) << err.str();

    Put("extra.txt", "Neon.ini\ntop.bmp\nBottom.bmp\nmissing.bmp\n");
    EXPECT_EQ(Run({"pack", At("skin"), At("o.skn"), "--order", At("extra.txt")}), 1);
    EXPECT_NE(err.str().find("missing.bmp, which is not a file"), std::string::npos) << err.str();
}

TEST_F(TSkinpackTool, PackRefusesFoldersThatAreNotOneSkin) {
    Put("skin/a.bmp", "BM");
    EXPECT_EQ(Run({"pack", At("skin"), At("x.skn")}), 1);
    EXPECT_NE(err.str().find("holds 0 .ini files"), std::string::npos) << err.str();
    Put("skin/a.ini", "");
    Put("skin/b.INI", "");
    EXPECT_EQ(Run({"pack", At("skin"), At("x.skn")}), 1);
    EXPECT_NE(err.str().find("holds 2 .ini files"), std::string::npos) << err.str();
    EXPECT_EQ(Run({"pack", At("no-such-folder"), At("x.skn")}), 1);
    EXPECT_NE(err.str().find("is not a folder"), std::string::npos) << err.str();
    EXPECT_FALSE(fs::exists(root / "x.skn"));
}

TEST_F(TSkinpackTool, RawStreamsRoundTrip) {
    std::string text;
    for (int i = 0; i < 3000; ++i) {
        text += "Frame=" + std::to_string(i % 9) + "\r\n";
    }
    Put("in.txt", text);
    ASSERT_EQ(Run({"compress", At("in.txt"), At("in.lzh")}), 0) << err.str();
    EXPECT_LT(fs::file_size(root / "in.lzh"), text.size() / 4);
    ASSERT_EQ(Run({"expand", At("in.lzh"), At("back.txt")}), 0) << err.str();
    EXPECT_EQ(Text(ReadWholeFile(root / "back.txt")), text);

    Put("empty", "");
    ASSERT_EQ(Run({"compress", At("empty"), At("empty.lzh")}), 0);
    ASSERT_EQ(Run({"expand", At("empty.lzh"), At("empty.out")}), 0);
    EXPECT_EQ(fs::file_size(root / "empty.out"), 0u);
}

TEST_F(TSkinpackTool, ExpandCutsTheLastMatchAtTheStatedSize) {
    // One byte stated, coded as a 3-byte match of the initial spaces.
    WriteWholeFile(root / "m.lzh", std::vector<std::uint8_t>{1, 0, 0, 0, 0x8C, 0x00, 0x00});
    ASSERT_EQ(Run({"expand", At("m.lzh"), At("m.out")}), 0) << err.str();
    EXPECT_EQ(Text(ReadWholeFile(root / "m.out")), " ");
}

TEST_F(TSkinpackTool, DamagedInputsAreReportedNotCrashed) {
    Put("short.lzh", "ab");
    EXPECT_EQ(Run({"expand", At("short.lzh"), At("x")}), 1);
    EXPECT_NE(err.str().find("too short for an LZH stream"), std::string::npos) << err.str();

    WriteWholeFile(root / "huge.lzh", std::vector<std::uint8_t>{0, 0, 0, 0x40, 1, 2});
    EXPECT_EQ(Run({"expand", At("huge.lzh"), At("x")}), 1);
    EXPECT_NE(err.str().find("exceeds the limit"), std::string::npos) << err.str();
    EXPECT_EQ(Run({"list", At("huge.lzh")}), 1);
    EXPECT_NE(err.str().find("damaged"), std::string::npos) << err.str();

    Put("old.lzh", Text(testbytes::Container(19000, "", {}, "")));
    ASSERT_EQ(Run({"compress", At("old.lzh"), At("old.skn")}), 0);
    EXPECT_EQ(Run({"list", At("old.skn")}), 1);
    EXPECT_NE(err.str().find("Older Skin File"), std::string::npos) << err.str();

    EXPECT_EQ(Run({"list", At("does-not-exist.skn")}), 1);
    EXPECT_NE(err.str().find("cannot open"), std::string::npos) << err.str();
}

// Bytes that do not compress, so a cut lands where its share says.
std::vector<std::uint8_t> Noise(std::size_t size, unsigned seed) {
    std::mt19937 random(seed);
    std::vector<std::uint8_t> bytes(size);
    for (auto& b : bytes) {
        b = static_cast<std::uint8_t>(random());
    }
    return bytes;
}

TEST_F(TSkinpackTool, CutOffPackageIsListedAndUnpackedUpToTheCutWithStatus2) {
    const auto a = Noise(3000, 1);
    WriteWholeFile(root / "skin/a.bmp", a);
    WriteWholeFile(root / "skin/z.bmp", Noise(3000, 2));
    Put("skin/neon.ini", "[TitlebarSkin]\r\n");
    ASSERT_EQ(Run({"pack", At("skin"), At("p.skn")}), 0) << err.str();
    auto package = ReadWholeFile(root / "p.skn");
    package.resize(package.size() * 7 / 10);
    WriteWholeFile(root / "cut.skn", package);

    EXPECT_EQ(Run({"list", At("cut.skn")}), 2);
    EXPECT_EQ(out.str(), "a.bmp\t3000\nz.bmp\t3000\nneon.ini\t16\n");
    EXPECT_NE(err.str().find("cut.skn: the compressed stream ends early; 2 of 3 entries are cut "
                             "off: z.bmp neon.ini\n"),
              std::string::npos)
        << err.str();

    EXPECT_EQ(Run({"unpack", At("cut.skn"), At("out")}), 2);
    EXPECT_EQ(ReadWholeFile(root / "out/a.bmp"), a);
    EXPECT_FALSE(fs::exists(root / "out/z.bmp"));
    EXPECT_FALSE(fs::exists(root / "out/neon.ini"));
    EXPECT_NE(out.str().find("1 files"), std::string::npos) << out.str();
    EXPECT_NE(err.str().find("ends early; 2 of 3 entries are cut off and were not written: z.bmp "
                             "neon.ini"),
              std::string::npos)
        << err.str();
}

TEST_F(TSkinpackTool, CutsAfterTheEntriesOrBeforeAnythingStillCount) {
    // Trailing bytes after the last entry: every entry is whole.
    auto container = testbytes::Container(20000, "a.bmp\r\n", {1}, "x");
    const auto trailing = Noise(2000, 3);
    container.insert(container.end(), trailing.begin(), trailing.end());
    WriteWholeFile(root / "t.bin", container);
    ASSERT_EQ(Run({"compress", At("t.bin"), At("t.skn")}), 0);
    auto package = ReadWholeFile(root / "t.skn");
    package.pop_back();
    WriteWholeFile(root / "t.skn", package);
    EXPECT_EQ(Run({"unpack", At("t.skn"), At("out")}), 2);
    EXPECT_EQ(Text(ReadWholeFile(root / "out/a.bmp")), "x");
    EXPECT_NE(err.str().find("ends early after the last entry"), std::string::npos) << err.str();

    // So little left that nothing can be read.
    package.resize(8);
    WriteWholeFile(root / "t.skn", package);
    EXPECT_EQ(Run({"list", At("t.skn")}), 2);
    EXPECT_EQ(out.str(), "");
    EXPECT_NE(err.str().find("t.skn: the compressed stream ends early; nothing could be read: "),
              std::string::npos)
        << err.str();
}

TEST_F(TSkinpackTool, ExpandWritesWhatCameBeforeTheCut) {
    const auto input = Noise(20000, 4);
    WriteWholeFile(root / "in.bin", input);
    ASSERT_EQ(Run({"compress", At("in.bin"), At("in.lzh")}), 0);
    auto stream = ReadWholeFile(root / "in.lzh");
    stream.resize(stream.size() / 2);
    WriteWholeFile(root / "cut.lzh", stream);

    EXPECT_EQ(Run({"expand", At("cut.lzh"), At("out.bin")}), 2);
    const auto written = ReadWholeFile(root / "out.bin");
    EXPECT_GT(written.size(), input.size() / 3);
    EXPECT_LT(written.size(), input.size() * 2 / 3);
    EXPECT_TRUE(std::equal(written.begin(), written.end(), input.begin()));
    EXPECT_NE(err.str().find("cut.lzh: the compressed stream ends early; wrote the " +
                             std::to_string(written.size()) +
                             " of its 20000 bytes decoded before the cut"),
              std::string::npos)
        << err.str();
}

TEST_F(TSkinpackTool, UnpackRefusesEntryNamesThatLeaveTheFolder) {
    Put("evil.bin", testbytes::Text(testbytes::Container(20000, "../evil.bmp\r\n", {1}, "x")));
    ASSERT_EQ(Run({"compress", At("evil.bin"), At("evil.skn")}), 0);
    EXPECT_EQ(Run({"unpack", At("evil.skn"), At("out")}), 1);
    EXPECT_NE(err.str().find("not a plain file name"), std::string::npos) << err.str();
    EXPECT_FALSE(fs::exists(root / "evil.bmp"));
}

TEST_F(TSkinpackTool, UnpackWritesTheFirstOfTwoEqualNames) {
    Put("dup.bin",
        testbytes::Text(testbytes::Container(20000, "a.bmp\r\nA.bmp\r\n", {1, 1}, "12")));
    ASSERT_EQ(Run({"compress", At("dup.bin"), At("dup.skn")}), 0);
    ASSERT_EQ(Run({"unpack", At("dup.skn"), At("out")}), 0) << err.str();
    EXPECT_EQ(Text(ReadWholeFile(root / "out/a.bmp")), "1");
    EXPECT_NE(err.str().find("skipped a second entry named a.bmp"), std::string::npos);
}

TEST_F(TSkinpackTool, UsageAndHelp) {
    EXPECT_EQ(Run({}), 2);
    EXPECT_NE(err.str().find("usage: skinpack COMMAND"), std::string::npos);
    EXPECT_EQ(Run({"--help"}), 0);
    for (const auto& command : skinpack::AllCommands()) {
        EXPECT_NE(out.str().find(command.synopsis), std::string::npos) << command.name;
    }
    for (const auto& command : skinpack::AllCommands()) {
        EXPECT_EQ(Run({std::string(command.name), "--help"}), 0) << command.name;
        EXPECT_EQ(out.str().rfind("usage: skinpack " + std::string(command.synopsis), 0), 0u);
    }
    EXPECT_EQ(Run({"frobnicate"}), 2);
    EXPECT_NE(err.str().find("unknown command \"frobnicate\""), std::string::npos);
    EXPECT_EQ(Run({"list"}), 2);
    EXPECT_NE(err.str().find("usage: skinpack list PKG"), std::string::npos) << err.str();
    EXPECT_EQ(Run({"expand", "a", "b", "--bogus"}), 2);
    EXPECT_NE(err.str().find("unknown option --bogus"), std::string::npos) << err.str();
    EXPECT_EQ(Run({"pack", "dir", "out", "--order"}), 2);
}

#ifdef _WIN32
// The sheet as a screen at 200 % shows the skin: its art twice as large, the
// sheet larger with it; a scale out of range is a usage error.
TEST_F(TSkinpackTool, PreviewDrawsTheSheetAtAScale) {
    Put("skin/odd.ini", "[TitlebarSkin]\r\nSkinName=Odd\r\n[Buttons]\r\nBitmap=buttons.bmp\r\n");
    skin::TDib buttons(5 * 20, 22);
    buttons.Fill(skin::MakeColour(30, 160, 90));
    WriteWholeFile(root / "skin/buttons.bmp", skin::EncodeBmp(buttons));
    ASSERT_EQ(Run({"pack", At("skin"), At("odd.skn")}), 0) << err.str();
    const auto sheetSize = [this](const std::vector<std::string>& args) {
        EXPECT_EQ(Run(args), 0) << err.str();
        int width = 0, height = 0;
        std::sscanf(out.str().substr(out.str().rfind(": ") + 2).c_str(), "%d x %d", &width,
                    &height);
        return std::pair{width, height};
    };
    const auto plain = sheetSize({"preview", At("odd.skn"), At("plain.png")});
    EXPECT_NE(out.str().find("preview of Odd at 100 %"), std::string::npos) << out.str();
    const auto twice = sheetSize({"preview", At("odd.skn"), At("twice.png"), "--scale", "200"});
    EXPECT_NE(out.str().find("preview of Odd at 200 %"), std::string::npos) << out.str();
    EXPECT_GT(plain.second, 0);
    EXPECT_GE(twice.second, plain.second + 2 * 22);
    for (const char* bad : {"99", "401", "abc", "-150", ""}) {
        EXPECT_EQ(Run({"preview", At("odd.skn"), At("bad.png"), "--scale", bad}), 2) << bad;
        EXPECT_NE(err.str().find("--scale takes a per cent from 100 to 400"), std::string::npos)
            << err.str();
    }
    EXPECT_EQ(Run({"preview", At("odd.skn"), At("bad.png"), "--scale"}), 2);
}
#endif
