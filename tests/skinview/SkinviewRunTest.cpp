// skinview run as a user runs it, under Wine: each case starts the program
// with --screenshot, then checks its exit status, the line it prints and the
// PNG it saved. The window shows the skin's frame: the client rectangle
// inside the skin's borders, the skin's own title bar pixels, and the green
// backdrop wherever the border bitmaps carry the colour key.
#include "tests/skinview/PngRead.h"
#include "skin/WinSkinData/SkinModel.h"
#include "toolkit/Text.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <regex>

namespace {

constexpr uint32_t Green = 0x00FF00;
// The showcase's client size in its design.
constexpr int DesignClientWidth = 772;
constexpr int DesignClientHeight = 580;

struct TRun {
    DWORD exitCode = 0;
    std::string out;
    std::string err;
};

std::string ReadText(const std::wstring& path) {
    std::ifstream in(std::filesystem::path(path), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// A file of this process's own in the temporary folder. Not in the working
// folder: tests running side by side share that, each under a wineserver of
// its own, and two wineservers give out the same process ids.
std::wstring Unique(const wchar_t* stem, const wchar_t* extension) {
    static std::atomic<int> counter{0};
    wchar_t folder[MAX_PATH + 1];
    const DWORD length = GetTempPathW(MAX_PATH + 1, folder);
    return std::wstring(folder, length) + stem + L"-" + std::to_wstring(GetCurrentProcessId()) +
           L"-" + std::to_wstring(++counter) + extension;
}

// A path as one argument of a command line.
std::wstring Quoted(const std::wstring& path) {
    return L"\"" + path + L"\"";
}

// Runs skinview with `arguments` (already quoted as needed), its output in
// files, and waits at most a minute for it.
TRun RunSkinview(const std::wstring& arguments) {
    const std::wstring outPath = Unique(L"skinview", L".out"),
                       errPath = Unique(L"skinview", L".err");
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    const auto create = [&](const std::wstring& path) {
        return CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    };
    HANDLE out = create(outPath), err = create(errPath);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = out;
    startup.hStdError = err;
    std::wstring command = L"\"" + tk::Widen(KANVIO_SKINVIEW_EXE) + L"\" " + arguments;
    PROCESS_INFORMATION process{};
    TRun run;
    if (CreateProcessW(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                       &startup, &process)) {
        if (WaitForSingleObject(process.hProcess, 60000) != WAIT_OBJECT_0) {
            TerminateProcess(process.hProcess, 99);
            ADD_FAILURE() << "skinview did not finish within a minute";
        }
        GetExitCodeProcess(process.hProcess, &run.exitCode);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    } else {
        ADD_FAILURE() << "cannot start " << KANVIO_SKINVIEW_EXE;
    }
    CloseHandle(out);
    CloseHandle(err);
    run.out = ReadText(outPath);
    run.err = ReadText(errPath);
    DeleteFileW(outPath.c_str());
    DeleteFileW(errPath.c_str());
    return run;
}

// The printed line, taken apart.
struct TReport {
    int width = 0, height = 0;
    RECT client{};
};

::testing::AssertionResult ParseReport(const std::string& line, TReport& report) {
    static const std::regex pattern(
        R"(^window (\d+) x (\d+), client (\d+) (\d+) (\d+) (\d+)\r?\n$)");
    std::smatch m;
    if (!std::regex_match(line, m, pattern)) {
        return ::testing::AssertionFailure() << "unexpected output: '" << line << "'";
    }
    report.width = std::stoi(m[1]);
    report.height = std::stoi(m[2]);
    report.client = {std::stoi(m[3]), std::stoi(m[4]), std::stoi(m[5]), std::stoi(m[6])};
    return ::testing::AssertionSuccess();
}

std::string Hex(uint32_t rgb) {
    char text[16];
    snprintf(text, sizeof text, "#%06X", unsigned(rgb));
    return text;
}

int CountGreen(const pngread::TImage& image, const RECT& r) {
    int count = 0;
    for (int y = std::max(0, int(r.top)); y < std::min(image.height, int(r.bottom)); ++y) {
        for (int x = std::max(0, int(r.left)); x < std::min(image.width, int(r.right)); ++x) {
            count += image.At(x, y) == Green;
        }
    }
    return count;
}

std::unique_ptr<skin::TSkinModel> LoadModel(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    auto model = std::make_unique<skin::TSkinModel>();
    EXPECT_TRUE(model->LoadSkin(std::vector<uint8_t>{std::istreambuf_iterator<char>(in), {}}))
        << path;
    return model;
}

// The frame a skin gives a window: border widths and title bar height.
struct TFrame {
    int left, top, right, bottom;
};

TFrame FrameOf(const skin::TSkinModel& m) {
    const auto cells = [](const skin::TDataSkinBorder& b) { return std::max(b.Frame, 1); };
    return {m.BorderLeft.Bitmap.Width() / cells(m.BorderLeft),
            m.BorderTop.Bitmap.Height() / cells(m.BorderTop),
            m.BorderRight.Bitmap.Width() / cells(m.BorderRight),
            m.BorderBottom.Bitmap.Height() / cells(m.BorderBottom)};
}

bool Shaped(const skin::TSkinModel& m) {
    return m.BorderLeft.Trans || m.BorderRight.Trans || m.BorderTop.Trans || m.BorderBottom.Trans;
}

// The colour of the skin's top border at row `y` of its frame 1 (active) or
// 2 (inactive), in its stretched middle.
uint32_t TitleRowColour(const skin::TSkinModel& m, int y, bool active) {
    const skin::TDib& top = m.BorderTop.Bitmap;
    const skin::Colour c = top.Pixel(top.Width() / 2, (active ? 0 : FrameOf(m).top) + y);
    return base::ColourPixel(c);
}

struct SkinviewRun : ::testing::Test {
    std::wstring shot;
    TRun run;
    TReport report;
    pngread::TImage image;

    void TearDown() override { DeleteFileW(shot.c_str()); }

    // Runs skinview with a screenshot and reads back its line and picture.
    void Screenshot(const std::wstring& arguments) {
        shot = Unique(L"skinview-shot", L".png");
        run = RunSkinview(arguments + L" --screenshot " + Quoted(shot));
        ASSERT_EQ(run.exitCode, 0u) << run.err;
        EXPECT_EQ(run.err, "");
        ASSERT_TRUE(ParseReport(run.out, report));
        image = pngread::Read(tk::Narrow(shot));
    }

    // The picture and the line agree, and nothing inside the client area is
    // the backdrop's green.
    void ExpectConsistent() {
        const int screenW = GetSystemMetrics(SM_CXSCREEN), screenH = GetSystemMetrics(SM_CYSCREEN);
        EXPECT_EQ(image.width, std::min(report.width, screenW));
        EXPECT_EQ(image.height, std::min(report.height, screenH));
        const RECT& c = report.client;
        EXPECT_LE(0, c.left);
        EXPECT_LT(c.left, c.right);
        EXPECT_LE(c.right, report.width);
        EXPECT_LT(c.top, c.bottom);
        EXPECT_LE(c.bottom, report.height);
        EXPECT_EQ(CountGreen(image, c), 0) << "the client area shows the backdrop";
    }

    // With skinning on: the skin's frame around the client area, the title
    // bar painted from the skin's top border, and the backdrop showing
    // through the keyed corners of a shaped skin only.
    void ExpectSkinFrame(const skin::TSkinModel& m, bool active) {
        const TFrame f = FrameOf(m);
        const RECT& c = report.client;
        EXPECT_EQ(c.left, f.left);
        EXPECT_EQ(c.top, f.top + GetSystemMetrics(SM_CYMENU)) << "title bar, then the menu bar";
        EXPECT_EQ(report.width - c.right, f.right);
        EXPECT_EQ(report.height - c.bottom, f.bottom);
        const uint32_t title = image.At(report.width / 2, 2);
        EXPECT_EQ(Hex(title), Hex(TitleRowColour(m, 2, active)))
            << (active ? "active" : "inactive") << " title bar";
        const RECT whole{0, 0, image.width, image.height};
        if (!Shaped(m)) {
            EXPECT_EQ(CountGreen(image, whole), 0) << "a rectangular window hides the backdrop";
            return;
        }
        EXPECT_GT(CountGreen(image, whole), 0);
        EXPECT_EQ(image.At(0, 0), Green) << "keyed top-left corner";
        EXPECT_EQ(image.At(image.width - 1, 0), Green) << "keyed top-right corner";
    }
};

TEST_F(SkinviewRun, DefaultSkinWithoutAPackage) {
    ASSERT_NO_FATAL_FAILURE(Screenshot(L""));
    ExpectConsistent();
    EXPECT_EQ(report.client.right - report.client.left, DesignClientWidth);
    EXPECT_EQ(report.client.bottom - report.client.top, DesignClientHeight);
    ExpectSkinFrame(*LoadModel(KANVIO_SKINS_DIR "/kanvio_neon.skn"), true);
}

TEST_F(SkinviewRun, SecondSkinFromItsPackageShownInactive) {
    const std::string package = KANVIO_SKINS_DIR "/kanvio_daylight.skn";
    ASSERT_NO_FATAL_FAILURE(Screenshot(L"\"" + tk::Widen(package) + L"\" --inactive"));
    ExpectConsistent();
    ExpectSkinFrame(*LoadModel(package), false);
}

TEST_F(SkinviewRun, TestSkinAtAGivenSize) {
    const std::string package = KANVIO_TEST_SKIN;
    ASSERT_NO_FATAL_FAILURE(Screenshot(L"\"" + tk::Widen(package) + L"\" --size 640x480"));
    ExpectConsistent();
    EXPECT_EQ(report.width, 640);
    EXPECT_EQ(report.height, 480);
    ExpectSkinFrame(*LoadModel(package), true);
    EXPECT_EQ(image.At(0, image.height - 1), Green) << "keyed bottom-left corner";
    EXPECT_EQ(image.At(image.width - 1, image.height - 1), Green) << "keyed bottom-right corner";
}

TEST_F(SkinviewRun, MaximisedCoversTheWorkArea) {
    ASSERT_NO_FATAL_FAILURE(Screenshot(L"--maximized"));
    ExpectConsistent();
    RECT work;
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    EXPECT_GE(report.width, work.right - work.left);
    EXPECT_GE(report.height, work.bottom - work.top);
}

// The first drop-down open: against the window without it, what changed is
// a box hanging from the menu bar's bottom at the bar's left end, framed in
// the skin's menu background; the title bar is as it was.
TEST_F(SkinviewRun, AnOpenDropDownHangsFromTheMenuBarInTheSkin) {
    ASSERT_NO_FATAL_FAILURE(Screenshot(L""));
    const pngread::TImage closed = image;
    const TReport plain = report;
    DeleteFileW(shot.c_str());
    ASSERT_NO_FATAL_FAILURE(Screenshot(L"--open-menu 1"));
    EXPECT_EQ(report.client.top, plain.client.top);
    ASSERT_EQ(image.width, closed.width);
    ASSERT_EQ(image.height, closed.height);
    RECT changed{image.width, image.height, 0, 0};
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            if (image.At(x, y) != closed.At(x, y)) {
                changed.left = std::min<LONG>(changed.left, x);
                changed.top = std::min<LONG>(changed.top, y);
                changed.right = std::max<LONG>(changed.right, x + 1);
                changed.bottom = std::max<LONG>(changed.bottom, y + 1);
            }
        }
    }
    ASSERT_LT(changed.left, changed.right) << "nothing opened";
    // The bar's first button shows pressed; the drop-down below it.
    const int barTop = report.client.top - GetSystemMetrics(SM_CYMENU);
    EXPECT_GE(changed.top, barTop);
    EXPECT_LT(changed.left, report.client.left + 40);
    EXPECT_GT(changed.bottom - report.client.top, 3 * 16) << "three items and a separator";
    EXPECT_LT(changed.right, image.width / 2);
    const auto m = LoadModel(KANVIO_SKINS_DIR "/kanvio_neon.skn");
    ASSERT_TRUE(m->MenuBackground);
    const skin::Colour ring = m->MenuBackground->Bitmap.Pixel(0, 0);
    const uint32_t expected = base::ColourPixel(ring);
    EXPECT_EQ(Hex(image.At(changed.left, changed.bottom - 1)), Hex(expected))
        << "the drop-down's bottom-left corner";

    const TRun refused = RunSkinview(L"--open-menu 9 --screenshot " + Quoted(shot));
    EXPECT_EQ(refused.exitCode, 1u);
    EXPECT_NE(refused.err.find("the menu bar has 4 menus, not 9"), std::string::npos)
        << refused.err;
}

TEST(SkinviewCutShort, APackageCutShortIsShownWithAWarning) {
    std::ifstream in(KANVIO_SKINS_DIR "/kanvio_daylight.skn", std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const std::wstring cut = Unique(L"skinview-cut", L".skn");
    std::ofstream(std::filesystem::path(cut), std::ios::binary)
        << bytes.substr(0, bytes.size() / 2);
    const std::wstring shot = Unique(L"skinview-cut", L".png");
    const TRun run = RunSkinview(Quoted(cut) + L" --screenshot " + Quoted(shot));
    EXPECT_EQ(run.exitCode, 0u) << run.err;
    EXPECT_NE(run.err.find("warning: " + tk::Narrow(cut) + ": the compressed stream ends early"),
              std::string::npos)
        << run.err;
    DeleteFileW(cut.c_str());
    DeleteFileW(shot.c_str());
}

TEST(SkinviewRefusal, ClearMessagesForWhatItCannotUse) {
    // A file that is no skin package: exit 1, the file named, no picture.
    const std::wstring bogus = Unique(L"skinview-bogus", L".skn");
    std::ofstream(std::filesystem::path(bogus), std::ios::binary) << "not a skin package at all";
    const std::wstring shot = Unique(L"skinview-refused", L".png");
    TRun run = RunSkinview(Quoted(bogus) + L" --screenshot " + Quoted(shot));
    EXPECT_EQ(run.exitCode, 1u);
    EXPECT_NE(run.err.find(tk::Narrow(bogus) + ": "), std::string::npos) << run.err;
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(GetFileAttributesW(shot.c_str()), INVALID_FILE_ATTRIBUTES) << "no picture";
    DeleteFileW(bogus.c_str());

    run = RunSkinview(L"no-such-skin.skn --screenshot " + Quoted(shot));
    EXPECT_EQ(run.exitCode, 1u);
    EXPECT_NE(run.err.find("no-such-skin.skn: no such file"), std::string::npos) << run.err;

    run = RunSkinview(L"--size 10");
    EXPECT_EQ(run.exitCode, 2u);
    EXPECT_NE(run.err.find("usage: skinview"), std::string::npos) << run.err;
}

// The sheet of control states: one row per kind, one column per state, every
// control skinned. A push button's normal, hot, pressed and disabled columns
// show different cells of the skin's button strip; the range controls' values
// grow along the row.
TEST_F(SkinviewRun, TheStatesSheetShowsEachControlStateInItsOwnCell) {
    const std::string package = KANVIO_SKINS_DIR "/kanvio_daylight.skn";
    ASSERT_NO_FATAL_FAILURE(Screenshot(L"\"" + tk::Widen(package) + L"\" --states"));
    ExpectConsistent();
    // The sheet's grid: a 90-pixel label column, then 112-pixel columns of
    // 100 x 26 buttons, the first row 24 pixels down.
    const auto pushPixel = [&](int column) {
        return image.At(report.client.left + 90 + column * 112 + 6 + 3,
                        report.client.top + 24 + 6 + 13);
    };
    const uint32_t normal = pushPixel(0), hot = pushPixel(1), pressed = pushPixel(2),
                   disabled = pushPixel(5);
    EXPECT_NE(normal, hot) << Hex(normal);
    EXPECT_NE(normal, pressed) << Hex(normal);
    EXPECT_NE(normal, disabled) << Hex(normal);
    EXPECT_NE(hot, pressed) << Hex(hot);
    // The range rows below them: the progress bar (row 6) empty in the first
    // column and full in the last; the track bar's thumb (row 5) at the left
    // end in the first column only.
    const auto cellPixel = [&](int row, int column, int x) {
        return image.At(report.client.left + 90 + column * 112 + 6 + x,
                        report.client.top + 24 + row * 38 + 6 + 13);
    };
    EXPECT_NE(cellPixel(6, 0, 20), cellPixel(6, 5, 20)) << Hex(cellPixel(6, 0, 20));
    EXPECT_EQ(cellPixel(6, 0, 20), cellPixel(6, 0, 80)) << "no fill at 0";
    EXPECT_EQ(cellPixel(6, 5, 20), cellPixel(6, 5, 80)) << "filled all along";
    EXPECT_NE(cellPixel(5, 0, 13), cellPixel(5, 3, 13)) << Hex(cellPixel(5, 0, 13));
}

} // namespace
