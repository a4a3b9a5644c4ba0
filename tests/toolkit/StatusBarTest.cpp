// A status bar: its panels reach the control.
#include "toolkit/StatusBar.h"

#include "tests/guitest/GuiTest.h"
#include "tests/toolkit/ComponentsFixture.h"

#include <commctrl.h>

#include <gtest/gtest.h>

TEST_F(Components, StatusBarPanelsReachTheControl) {
    auto* bar = new tk::StatusBar(form);
    bar->SetParent(form);
    tk::StatusPanel& left = bar->AddPanel();
    left.SetText("共 23 记录");
    left.SetWidth(120);
    tk::StatusPanel& right = bar->AddPanel();
    right.SetText("右");
    right.SetAlignment(tk::Alignment::Right);
    wchar_t text[64] = {};
    SendMessageW(bar->Handle(), SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(text));
    EXPECT_STREQ(text, L"共 23 记录");
    EXPECT_EQ(SendMessageW(bar->Handle(), SB_GETPARTS, 0, 0), 2);
    bar->SetSimplePanel(true);
    bar->SetSimpleText("simple");
    EXPECT_TRUE(SendMessageW(bar->Handle(), SB_ISSIMPLE, 0, 0));
}
