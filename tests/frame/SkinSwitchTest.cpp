// Changing the skin of windows that are already framed: a package that fails
// to load, a skin of other corners at the same border widths, a switch while
// maximised, and what the user was working in (active window, focus) across
// switching on, off and changing skins.
#include "tests/frame/FrameFixture.h"

#include "tools/skinpack/LzhEncoder.h"

#include <cstdio>
#include <functional>

using namespace skin;
using namespace frametest;

namespace {

using SkinSwitch = FrameTest;

constexpr RECT Bounds{70, 70, 430, 310};

// The odd skin's package stated in another container version.
std::vector<uint8_t> OlderVersionPackage() {
    std::vector<uint8_t> container = BuildContainer({{"odd.ini", {'[', 'A', ']'}}});
    container[0] = 0x1F; // 19999
    container[1] = 0x4E;
    return LzhCompress(container);
}

std::string WriteFile(const std::string& name, const std::vector<uint8_t>& bytes) {
    std::ofstream(name, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    return name;
}

// One way a load can fail, and the start its notice must have.
struct TFailedLoad {
    const char* what;
    std::function<void(TSkinData&)> load;
    const char* notice;
};

// Grows the window by its bottom-right corner and checks that the new part
// is framed: painted from the skin and inside the region its key gives.
void ExpectTheGrownPartFramed(HWND window, const TOddSkin& odd) {
    const RECT before = WindowRectOf(window);
    SetWindowPos(window, nullptr, 0, 0, before.right - before.left + 120,
                 before.bottom - before.top + 90, SWP_NOMOVE | SWP_NOZORDER);
    Settle();
    const guitest::Capture shot = guitest::CaptureWindow(window);
    const int w = shot.width, h = shot.height;
    ASSERT_EQ(h, before.bottom - before.top + 90);
    // Both points lie beyond the window's old size.
    EXPECT_TRUE(guitest::PixelIs(shot, w - 2, h - 40, COLORREF(TOddSkin::RightActive)));
    EXPECT_TRUE(guitest::PixelIs(shot, w - 60, h - 2, COLORREF(TOddSkin::BottomActive)));
    EXPECT_TRUE(guitest::PixelIs(shot, w / 2, 2, COLORREF(TOddSkin::TopActive)));
    EXPECT_TRUE(RegionMatchesKey(window, odd));
}

const std::vector<TFailedLoad>& FailedLoads() {
    static const std::vector<TFailedLoad> failures{
        {"MissingFile", [](TSkinData& data) { data.SetSkinFile("Z:\\no\\such\\folder\\skin.skn"); },
         "The skin file Z:\\no\\such\\folder\\skin.skn cannot be read"},
        {"DamagedFile",
         [](TSkinData& data) {
             data.SetSkinFile(WriteFile("skin-switch-damaged.skn", {'n', 'o', 't', ' ', 'a'}));
         },
         "The skin package is damaged: "},
        {"FileOfAnotherVersion",
         [](TSkinData& data) {
             data.SetSkinFile(WriteFile("skin-switch-older.skn", OlderVersionPackage()));
         },
         "This is Older Skin File"},
        {"FileTooLargeToExpand",
         [](TSkinData& data) {
             data.SetSkinFile(WriteFile("skin-switch-huge.skn", {0, 0, 0, 0x70, 1, 2, 3}));
         },
         "The skin package is damaged: it claims to expand to"},
        {"DamagedStream",
         [](TSkinData& data) {
             data.SetSkinStream({1, 2, 3});
         },
         "The skin package is damaged: "},
    };
    return failures;
}

class FailedLoad : public FrameTest, public ::testing::WithParamInterface<size_t> {};

// Whatever way a package fails to load, the skin that was working stays:
// the frames keep painting it (a resize afterwards is framed whole), new
// windows are framed, and the notice says why and that the skin stays.
TEST_P(FailedLoad, LeavesTheWorkingSkinPainting) {
    const TFailedLoad& failure = FailedLoads()[GetParam()];
    const TOddSkin odd;
    TSkinData& data = AddSkin(odd.Build());
    std::vector<std::string> notices;
    data.OnNotice = [&](const std::string& text) { notices.push_back(text); };
    HWND window = ShowRaw(Bounds);
    ASSERT_NE(FrameOf(window), nullptr);

    failure.load(data);
    std::remove("skin-switch-damaged.skn");
    std::remove("skin-switch-older.skn");
    std::remove("skin-switch-huge.skn");
    EXPECT_TRUE(data.SkinLoaded);
    EXPECT_EQ(data.SkinName, "Odd");
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_EQ(notices[0].find(failure.notice), 0u) << notices[0];
    EXPECT_NE(notices[0].find(KeptSkinNotice), std::string::npos) << notices[0];

    ExpectTheGrownPartFramed(window, odd);
    EXPECT_NE(FrameOf(ShowRaw({90, 90, 390, 290})), nullptr) << "a new window is framed";
}

INSTANTIATE_TEST_SUITE_P(EveryWay, FailedLoad, ::testing::Range(size_t(0), FailedLoads().size()),
                         [](const auto& info) { return FailedLoads()[info.param].what; });

// Clearing SkinFile names no file to load: the skin stays and nothing is
// said.
TEST_F(SkinSwitch, AnEmptySkinFileKeepsTheSkinQuietly) {
    const TOddSkin odd;
    TSkinData& data = AddSkin(odd.Build());
    HWND window = ShowRaw(Bounds);
    data.SetSkinFile("");
    EXPECT_TRUE(data.SkinLoaded);
    ExpectTheGrownPartFramed(window, odd);
}

void SwitchTo(TSkinData& data, const std::vector<uint8_t>& package) {
    ASSERT_TRUE(data.SetSkinStream(package));
    data.ApplySkinChange();
    RunPendingAction();
}

// Same border widths, so the window keeps its size: its shape must still
// follow the new skin's corners, and back again.
TEST_F(SkinSwitch, ASkinOfOtherCornersReshapesAWindowOfTheSameSize) {
    const TOddSkin small;
    TOddSkin large;
    large.corner = 8;
    TSkinData& data = AddSkin(small.Build());
    HWND window = ShowRaw(Bounds);
    ASSERT_TRUE(RegionMatchesKey(window, small));
    const RECT before = WindowRectOf(window);
    SwitchTo(data, large.Build());
    const RECT after = WindowRectOf(window);
    EXPECT_TRUE(EqualRect(&before, &after));
    EXPECT_TRUE(RegionMatchesKey(window, large));
    SwitchTo(data, small.Build());
    EXPECT_TRUE(RegionMatchesKey(window, small));
}

TEST_F(SkinSwitch, AMaximisedWindowTakesTheNewSkinsShape) {
    const TOddSkin small;
    TOddSkin large;
    large.corner = 8;
    TSkinData& data = AddSkin(small.Build());
    HWND window = ShowRaw(Bounds);
    ShowWindow(window, SW_MAXIMIZE);
    Settle();
    ASSERT_TRUE(IsZoomed(window));
    ASSERT_TRUE(RegionMatchesKey(window, small));
    SwitchTo(data, large.Build());
    EXPECT_TRUE(IsZoomed(window));
    EXPECT_TRUE(RegionMatchesKey(window, large));
    // A skin of other border widths: the client area moves in by them.
    SwitchTo(data, ShippedSkin("kanvio_neon"));
    TWinSkinForm* frame = FrameOf(window);
    ASSERT_NE(frame, nullptr);
    EXPECT_NE(frame->FBorderTop, TOddSkin::Title);
    const RECT client = ClientInWindow(window);
    EXPECT_EQ(client.left, frame->FBorderLeft);
    EXPECT_EQ(client.top, frame->FBorderTop);
    SwitchTo(data, small.Build());
    EXPECT_TRUE(RegionMatchesKey(window, small));
}

// What the user works in: the active window, the focused control, and which
// frames look active. (The order of the windows is asked to stay, but under
// Wine a resized window's place follows the X server's answer even for a
// plain SetWindowPos that keeps the order, so it is not compared here.)
struct TDesk {
    HWND foreground;
    HWND active;
    HWND focus;
    std::vector<bool> looksActive;
};

// Names the windows by their place in `windows` ("-" for any other).
std::string Describe(const TDesk& desk, const std::vector<HWND>& windows, HWND edit) {
    const auto name = [&](HWND w) -> std::string {
        if (w == edit) {
            return "edit";
        }
        const auto at = std::find(windows.begin(), windows.end(), w);
        return at == windows.end() ? "-" : std::string(1, char('A' + (at - windows.begin())));
    };
    std::string text = "foreground " + name(desk.foreground) + ", active " + name(desk.active) +
                       ", focus " + name(desk.focus) + ", active look";
    for (size_t i = 0; i < desk.looksActive.size(); ++i) {
        if (desk.looksActive[i]) {
            text += " " + name(windows[i]);
        }
    }
    return text;
}

TDesk DeskOf(const std::vector<HWND>& windows) {
    TDesk desk{GetForegroundWindow(), GetActiveWindow(), GetFocus(), {}};
    for (HWND window : windows) {
        const TWinSkinForm* frame = FrameOf(window);
        desk.looksActive.push_back(frame && frame->FActive);
    }
    return desk;
}

TEST_F(SkinSwitch, SwitchingAndChangingSkinsLeaveTheActiveWindowAndFocusAlone) {
    TSkinData& data = AddSkin(TOddSkin().Build());
    tk::Form& a = ShowForm({60, 60, 360, 260}, "A");
    tk::Form& b = ShowForm({120, 120, 420, 320}, "B");
    tk::Form& c = ShowForm({180, 180, 480, 380}, "C");
    const std::vector<HWND> windows{a.Handle(), b.Handle(), c.Handle()};
    for (HWND window : windows) {
        ASSERT_NE(FrameOf(window), nullptr);
    }
    // The first framed window is the one in use, with the focus in an edit.
    HWND edit = CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 10, 10, 100,
                                22, a.Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
    SetForegroundWindow(a.Handle());
    SetFocus(edit);
    Settle();
    const TDesk desk = DeskOf(windows);
    ASSERT_EQ(desk.foreground, a.Handle());
    ASSERT_EQ(desk.focus, edit);
    ASSERT_EQ(Describe(desk, windows, edit), "foreground A, active A, focus edit, active look A");

    SwitchTo(data, ShippedSkin("kanvio_neon"));
    EXPECT_EQ(FrameOf(c.Handle())->FBorderTop, FrameOf(a.Handle())->FBorderTop);
    EXPECT_EQ(Describe(DeskOf(windows), windows, edit), Describe(desk, windows, edit))
        << "after a skin change";

    data.SetActive(false);
    RunPendingAction();
    EXPECT_EQ(FrameOf(a.Handle()), nullptr);
    EXPECT_EQ(Describe(DeskOf(windows), windows, edit),
              "foreground A, active A, focus edit, active look")
        << "after switching off";

    data.SetActive(true);
    RunPendingAction();
    for (HWND window : windows) {
        EXPECT_NE(FrameOf(window), nullptr);
    }
    EXPECT_EQ(Describe(DeskOf(windows), windows, edit), Describe(desk, windows, edit))
        << "after switching on";
}

} // namespace
