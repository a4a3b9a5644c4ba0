// The procedure the skin puts in front of a menu window's own: taken off, it
// gives the window its procedure back, or stays in between and hands every
// message on when someone replaced it since (and serves the next one put
// there); a window's message reaches the window's own procedure also when
// the skin's throws; an ANSI window and a window that has one are refused.
#include "skin/WinSkinMenu/ReplacedProcedure.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <stdexcept>
#include <string>

using skin::TReplacedProcedure;

namespace {

constexpr UINT Ping = WM_APP + 1;

// A procedure put in front by someone else, counting what passes it.
WNDPROC OthersNext = nullptr;
int OthersSeen = 0;
LRESULT CALLBACK OthersProcedure(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    OthersSeen += msg == Ping;
    return CallWindowProcW(OthersNext, window, msg, wParam, lParam);
}

// The window's own procedure, counting the texts it is given.
int OwnTexts = 0;
LRESULT CALLBACK OwnProcedure(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    OwnTexts += msg == WM_SETTEXT;
    return DefWindowProcW(window, msg, wParam, lParam);
}
constexpr const wchar_t* OwnClass = L"ReplacedProcedureTest";

WNDPROC ProcedureOf(HWND window) {
    return reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window, GWLP_WNDPROC));
}

std::wstring TextOf(HWND window) {
    wchar_t text[64] = {};
    GetWindowTextW(window, text, 64);
    return text;
}

class ReplacedProcedure : public ::testing::Test {
protected:
    void SetUp() override {
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = OwnProcedure;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = OwnClass;
        RegisterClassW(&windowClass);
        OwnTexts = 0;
        window_ = CreateWindowExW(0, OwnClass, L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                  GetModuleHandleW(nullptr), nullptr);
        ASSERT_TRUE(window_);
        own_ = ProcedureOf(window_);
    }
    void TearDown() override {
        if (IsWindow(window_)) {
            DestroyWindow(window_);
        }
    }
    // Installs `procedure` counting the pings it sees into `seen`.
    static bool Counting(TReplacedProcedure& procedure, HWND window, int& seen) {
        return procedure.Install(window, [&procedure, &seen](UINT msg, WPARAM w, LPARAM l) {
            seen += msg == Ping;
            return procedure.CallNext(msg, w, l);
        });
    }

    HWND window_ = nullptr;
    WNDPROC own_ = nullptr;
};

TEST_F(ReplacedProcedure, TakenOffItGivesBackTheProcedureOrStaysInBetweenForTheNextOne) {
    int seen = 0;
    {
        TReplacedProcedure skin;
        ASSERT_TRUE(Counting(skin, window_, seen));
        TReplacedProcedure second;
        int secondSeen = 0;
        EXPECT_FALSE(Counting(second, window_, secondSeen));
        SendMessageW(window_, Ping, 0, 0);
        EXPECT_EQ(seen, 1);
        EXPECT_EQ(secondSeen, 0);
    }
    EXPECT_EQ(ProcedureOf(window_), own_);

    TReplacedProcedure skin;
    ASSERT_TRUE(Counting(skin, window_, seen));
    OthersNext = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&OthersProcedure)));
    skin.Remove();
    EXPECT_FALSE(skin.Installed());
    EXPECT_EQ(ProcedureOf(window_), &OthersProcedure);
    // In between, it hands everything on to the window's own procedure.
    SendMessageW(window_, Ping, 0, 0);
    SendMessageW(window_, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"passed"));
    EXPECT_EQ(OthersSeen, 1);
    EXPECT_EQ(seen, 1);
    EXPECT_EQ(OwnTexts, 1);
    EXPECT_EQ(TextOf(window_), L"passed");
    // The next one put on the window takes its place there.
    ASSERT_TRUE(Counting(skin, window_, seen));
    SendMessageW(window_, Ping, 0, 0);
    EXPECT_EQ(OthersSeen, 2);
    EXPECT_EQ(seen, 2);
    // The window's end takes it off.
    DestroyWindow(window_);
    EXPECT_FALSE(skin.Installed());
}

TEST_F(ReplacedProcedure, AMessageReachesTheWindowWhenTheProcedureThrows) {
    TReplacedProcedure skin;
    ASSERT_TRUE(skin.Install(window_, [&](UINT msg, WPARAM w, LPARAM l) -> LRESULT {
        if (msg != WM_SETTEXT) {
            return skin.CallNext(msg, w, l);
        }
        if (std::wstring(reinterpret_cast<const wchar_t*>(l)) == L"after") {
            EXPECT_TRUE(skin.Pending(msg, w, l));
            skin.CallNext(msg, w, l);
            EXPECT_FALSE(skin.Pending(msg, w, l));
        }
        throw std::runtime_error("painter failed");
    }));
    // Thrown before handing it on: the window's own procedure still gets it.
    SendMessageW(window_, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"before"));
    EXPECT_EQ(TextOf(window_), L"before");
    EXPECT_EQ(OwnTexts, 1);
    // Thrown after: handed on once, not again.
    SendMessageW(window_, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"after"));
    EXPECT_EQ(TextOf(window_), L"after");
    EXPECT_EQ(OwnTexts, 2);
}

TEST_F(ReplacedProcedure, AnAnsiWindowKeepsItsProcedure) {
    WNDCLASSA ansiClass{};
    ansiClass.lpfnWndProc = DefWindowProcA;
    ansiClass.hInstance = GetModuleHandleW(nullptr);
    ansiClass.lpszClassName = "ReplacedProcedureAnsiTest";
    RegisterClassA(&ansiClass);
    const HWND ansi = CreateWindowExA(0, ansiClass.lpszClassName, "", WS_POPUP, 0, 0, 10, 10,
                                      nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_TRUE(ansi);
    ASSERT_FALSE(IsWindowUnicode(ansi));
    const LONG_PTR before = GetWindowLongPtrA(ansi, GWLP_WNDPROC);
    TReplacedProcedure skin;
    int seen = 0;
    EXPECT_FALSE(Counting(skin, ansi, seen));
    EXPECT_EQ(GetWindowLongPtrA(ansi, GWLP_WNDPROC), before);
    EXPECT_FALSE(IsWindowUnicode(ansi));
    DestroyWindow(ansi);
}

} // namespace
