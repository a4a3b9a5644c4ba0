// Where skinview's skins come from (a package, an unpacked folder or its
// INI), the watch that reloads a skin as its author edits it, and the recent
// list: on real files in a scratch folder, with the watch's clock given.
#include "tools/skinpack/PackageWriter.h"
#include "tools/skinview/RecentSkins.h"
#include "tools/skinview/SkinSource.h"
#include "tools/skinview/SkinWatch.h"

#include "skin/SkinRead/SkinReader.h"

#include <gtest/gtest.h>

#include <fstream>

namespace fs = std::filesystem;
using namespace skinview;
using namespace std::chrono_literals;

namespace {

class ScratchFolder : public ::testing::Test {
protected:
    ScratchFolder() {
        const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
        root_ = fs::temp_directory_path() /
                (std::string("skinview-") + test->test_suite_name() + "-" + test->name());
        fs::remove_all(root_);
        fs::create_directories(root_);
    }
    ~ScratchFolder() override { fs::remove_all(root_); }

    fs::path Write(const fs::path& name, const std::string& text) {
        const fs::path path = root_ / name;
        fs::create_directories(path.parent_path());
        std::ofstream(path, std::ios::binary) << text;
        return path;
    }

    fs::path root_;
};

using SkinSource = ScratchFolder;

TEST_F(SkinSource, AFolderOrItsIniIsAnUnpackedSkinAnyOtherFileAPackage) {
    const fs::path ini = Write("neon/skin.INI", "[TitlebarSkin]\r\nSkinName=Neon\r\n");
    Write("neon/title.bmp", "BM");
    const fs::path package = Write("neon.skn", "whatever");
    EXPECT_EQ(FindSkinSource(root_ / "neon"), (TSkinSource{TSourceKind::Folder, root_ / "neon"}));
    EXPECT_EQ(FindSkinSource(ini), (TSkinSource{TSourceKind::Folder, root_ / "neon"}));
    EXPECT_EQ(FindSkinSource(root_ / "neon" / ".." / "neon.skn"),
              (TSkinSource{TSourceKind::Package, package}));
    try {
        FindSkinSource(root_ / "gone.skn");
        FAIL();
    } catch (const TViewError& e) {
        EXPECT_EQ(std::string(e.what()),
                  (root_ / "gone.skn").string() + ": no such file or folder");
    }
}

TEST_F(SkinSource, AFolderIsReadAsSkinpackPacksIt) {
    Write("day/b.bmp", "BMb");
    Write("day/a.bmp", "BMa");
    Write("day/notes.txt", "not part of the skin");
    Write("day/skin.ini", "[TitlebarSkin]\r\nSkinName=Day\r\n");
    const std::vector<uint8_t> package =
        ReadSkinPackage(FindSkinSource(root_ / "day" / "skin.ini"));
    TSkinReader reader;
    ASSERT_TRUE(reader.Load(package)) << reader.RejectReason();
    EXPECT_EQ(reader.Names(), (std::vector<std::string>{"a.bmp", "b.bmp", "skin.ini"}));
    std::vector<uint8_t> ini;
    ASSERT_TRUE(reader.GetEntry("skin.ini", ini));
    EXPECT_EQ(std::string(ini.begin(), ini.end()), "[TitlebarSkin]\r\nSkinName=Day\r\n");
}

TEST_F(SkinSource, WhatCannotBeASkinIsToldInSkinpacksWords) {
    Write("two/a.ini", "");
    Write("two/b.ini", "");
    Write("none/a.bmp", "BM");
    const auto reason = [](const TSkinSource& source) {
        try {
            ReadSkinPackage(source);
        } catch (const TViewError& e) {
            return std::string(e.what());
        }
        return std::string("(loaded)");
    };
    EXPECT_EQ(reason(FindSkinSource(root_ / "two")),
              (root_ / "two").string() + " holds 2 .ini files; a skin folder holds exactly one");
    EXPECT_EQ(reason(FindSkinSource(root_ / "none")),
              (root_ / "none").string() + " holds 0 .ini files; a skin folder holds exactly one");
    // A folder taken away after it was chosen.
    EXPECT_EQ(reason({TSourceKind::Folder, root_ / "gone"}),
              (root_ / "gone").string() + " is not a folder");
    EXPECT_EQ(reason({TSourceKind::Package, root_ / "gone.skn"}),
              "cannot open " + (root_ / "gone.skn").string());
}

using SkinWatch = ScratchFolder;

TEST_F(SkinWatch, AChangeIsReportedOnceAfterTheFilesHaveBeenQuiet) {
    Write("s/skin.ini", "one");
    const fs::path bmp = Write("s/title.bmp", "BM1");
    const auto start = TSkinWatch::TClock::now();
    TSkinWatch watch({TSourceKind::Folder, root_ / "s"}, start);
    EXPECT_FALSE(watch.Poll(start + 1s)) << "nothing changed";

    // A save of both files, the second a little after the first.
    Write("s/skin.ini", "two!");
    EXPECT_FALSE(watch.Poll(start + 2s));
    Write("s/title.bmp", "BM2.");
    EXPECT_FALSE(watch.Poll(start + 2s + 100ms)) << "still changing";
    EXPECT_FALSE(watch.Poll(start + 2s + 100ms + TSkinWatch::QuietSpell - 1ms));
    EXPECT_TRUE(watch.Poll(start + 2s + 100ms + TSkinWatch::QuietSpell)) << "quiet: reload";
    EXPECT_FALSE(watch.Poll(start + 4s)) << "one reload for the one save";

    // Files that are not the skin's do not count; a new bitmap does.
    Write("s/notes.txt", "x");
    EXPECT_FALSE(watch.Poll(start + 5s));
    EXPECT_FALSE(watch.Poll(start + 6s));
    Write("s/extra.BMP", "BM");
    EXPECT_FALSE(watch.Poll(start + 7s));
    EXPECT_TRUE(watch.Poll(start + 8s));

    // A file taken away is a change too.
    fs::remove(bmp);
    EXPECT_FALSE(watch.Poll(start + 9s));
    EXPECT_TRUE(watch.Poll(start + 10s));
}

TEST_F(SkinWatch, APackageIsWatchedAsOneFileAndAMissingOneIsNoError) {
    const fs::path package = Write("p.skn", "v1");
    const auto start = TSkinWatch::TClock::now();
    TSkinWatch watch({TSourceKind::Package, package}, start);
    fs::remove(package);
    EXPECT_FALSE(watch.Poll(start + 1s));
    EXPECT_TRUE(watch.Poll(start + 2s)) << "gone is a change, reported when it stays gone";
    Write("p.skn", "v2");
    EXPECT_FALSE(watch.Poll(start + 3s));
    EXPECT_TRUE(watch.Poll(start + 4s));
    TSkinWatch missingFolder({TSourceKind::Folder, root_ / "nowhere"}, start);
    EXPECT_FALSE(missingFolder.Poll(start + 1s));
}

TEST(RecentSkins, MostRecentFirstEachOnceAtMostSix) {
    TRecentSkins recent({"C:\\a.skn", "", "c:\\A.SKN", "C:\\b"});
    EXPECT_EQ(recent.Paths(), (std::vector<std::string>{"C:\\a.skn", "C:\\b"}))
        << "empty entries and repeats (letter case aside) are dropped";
    recent.Add("C:\\B");
    EXPECT_EQ(recent.Paths(), (std::vector<std::string>{"C:\\B", "C:\\a.skn"}));
    for (int i = 1; i <= 6; ++i) {
        recent.Add("D:\\skin" + std::to_string(i) + ".skn");
    }
    ASSERT_EQ(recent.Paths().size(), TRecentSkins::MaxCount);
    EXPECT_EQ(recent.Paths().front(), "D:\\skin6.skn");
    EXPECT_EQ(recent.Paths().back(), "D:\\skin1.skn") << "the oldest went";
    recent.Remove("d:\\SKIN3.skn");
    EXPECT_EQ(recent.Paths().size(), TRecentSkins::MaxCount - 1);
    std::vector<std::string> many;
    for (int i = 0; i < 9; ++i) {
        many.push_back("E:\\" + std::to_string(i));
    }
    EXPECT_EQ(TRecentSkins(many).Paths().size(), TRecentSkins::MaxCount);
}

TEST(RecentSkins, CaptionsAreNumberedAndLongPathsShortenedInTheMiddle) {
    EXPECT_EQ(RecentCaption(0, "C:\\skins\\neon.skn"), "&1 C:\\skins\\neon.skn");
    EXPECT_EQ(RecentCaption(2, "C:\\R&D\\day"), "&3 C:\\R&&D\\day");
    const std::string folder = "Z:\\" + std::string(40, 'x') + "\\皮肤\\" + std::string(40, 'y');
    const std::string caption = RecentCaption(5, folder + "\\skin.skn");
    EXPECT_EQ(caption.rfind("&6 Z:\\xxx", 0), 0u) << caption;
    EXPECT_NE(caption.find("..."), std::string::npos) << caption;
    EXPECT_TRUE(caption.ends_with("yyy\\skin.skn")) << caption;
    // 64 characters (code points, not bytes) of the path are kept.
    std::u32string points;
    for (std::size_t pos = 3; pos < caption.size();) {
        const unsigned char c = caption[pos];
        pos += c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
        points += U'?';
    }
    EXPECT_EQ(points.size(), MaxCaptionPath);
}

} // namespace
