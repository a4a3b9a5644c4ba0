// The font and text sizes a menu's items are measured and drawn with: each
// size is what DrawText measures in a fresh context with the menu font, for
// each weight and format even when the same text was measured another way
// first, and keeping them or letting them go leaves no GDI object behind.
#include "tests/guitest/LeakCheck.h"
#include "skin/WinSkinMenu/MenuText.h"
#include "skin/WinSkinForm/WinSkinForm.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using skin::TMenuText;

constexpr UINT OneLine = DT_SINGLELINE | DT_EXPANDTABS;
constexpr UINT Lines = DT_EXPANDTABS;

SIZE MeasuredOnTheSpot(const std::wstring& text, bool bold, UINT format) {
    const tk::WindowDC dc = tk::WindowDC::Client(nullptr);
    const tk::OwnedFont font = skin::SystemMenuFont(bold);
    const tk::SelectedObject selected(dc, font.get());
    RECT r{};
    DrawTextW(dc, text.c_str(), int(text.size()), &r, format | DT_CALCRECT);
    return {r.right - r.left, r.bottom - r.top};
}

struct TAsked {
    std::wstring text;
    bool bold;
    UINT format;
};

TEST(MenuText, EverySizeIsTheOneMeasuredOnTheSpot) {
    // The same texts asked in another weight or format after the first
    // answer: a size kept for one must not answer for the other.
    const std::vector<TAsked> asked = {
        {L"模板 &1  Ctrl+1", false, OneLine},
        {L"模板 &1  Ctrl+1", true, OneLine},
        {L"模板 &1  Ctrl+1", false, OneLine},
        {L"Wide Menu Caption WWW", false, OneLine},
        {L"Wide Menu Caption WWW", true, OneLine},
        {L"first\nsecond", false, OneLine},
        {L"first\nsecond", false, Lines},
        {L"tab\there", false, OneLine},
        {L" ", false, OneLine},
        {L"", true, OneLine},
    };
    TMenuText texts;
    for (int round = 0; round < 2; ++round) {
        for (const TAsked& a : asked) {
            const SIZE kept = texts.Extent(a.text, a.bold, a.format);
            const SIZE fresh = MeasuredOnTheSpot(a.text, a.bold, a.format);
            EXPECT_EQ(kept.cx, fresh.cx) << "round " << round << " bold " << a.bold;
            EXPECT_EQ(kept.cy, fresh.cy) << "round " << round << " format " << a.format;
        }
    }
    const SIZE oneLine = texts.Extent(L"first\nsecond", false, OneLine);
    const SIZE twoLines = texts.Extent(L"first\nsecond", false, Lines);
    EXPECT_GT(twoLines.cy, oneLine.cy);
}

TEST(MenuText, TheFontsOfBothWeightsAreKept) {
    TMenuText texts;
    const HFONT normal = texts.Font(false);
    const HFONT bold = texts.Font(true);
    ASSERT_NE(normal, nullptr);
    ASSERT_NE(bold, nullptr);
    EXPECT_NE(normal, bold);
    EXPECT_EQ(texts.Font(false), normal);
    EXPECT_EQ(texts.Font(true), bold);
    LOGFONTW logical{};
    ASSERT_TRUE(GetObjectW(bold, sizeof(logical), &logical));
    EXPECT_EQ(logical.lfWeight, FW_BOLD);
}

TEST(MenuText, KeptOrLetGoItLeavesNoObject) {
    TMenuText kept;
    int step = 0;
    guitest::ExpectFlat(300, [&] {
        ++step;
        kept.Extent(L"item " + std::to_wstring(step), step % 2 == 0, OneLine);
        // Let go with a font still selected into its context.
        TMenuText passing;
        passing.Extent(L"passing", true, OneLine);
        passing.Extent(L"passing", false, OneLine);
    });
}

} // namespace
