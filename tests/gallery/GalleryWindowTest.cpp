// The gallery's main window as a whole: its design, its folder, and the two
// ways of closing it that end the program; then starts over folders that lack
// some of the program's files.
#include "tests/gallery/GalleryFixture.h"

#include "toolkit/PageControl.h"
#include "tests/support/TempFolder.h"
#include "toolkit/Text.h"
#include "toolkit/TreeView.h"
#include "skin/WinSkinData/WinSkinData.h"

#include <functional>

namespace {

namespace fs = std::filesystem;
using gallerytest::Gallery;

TEST_F(Gallery, WindowComesUpFromItsDesign) {
    Open();
    EXPECT_EQ(921, form_->ClientWidth());
    EXPECT_EQ(585, form_->ClientHeight());
    EXPECT_EQ("霓虹Kanvio企业模板建站工具箱", form_->Caption());
    const LONG style = GetWindowLongW(form_->Handle(), GWL_STYLE);
    EXPECT_TRUE(style & WS_MINIMIZEBOX);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
    EXPECT_FALSE(style & WS_THICKFRAME);
    // The program's icon, for the title bar and the task button.
    EXPECT_TRUE(SendMessageW(form_->Handle(), WM_GETICON, ICON_SMALL, 0));
    EXPECT_TRUE(SendMessageW(form_->Handle(), WM_GETICON, ICON_BIG, 0));
    EXPECT_EQ(&Get<tk::TabSheet>("TabSheet2"), Get<tk::PageControl>("PageControl1").ActivePage());
    EXPECT_TRUE(messages_.empty());

    // Trees: six industry headers, seven colour headers; the trailing space stays.
    auto& industries = Get<tk::TreeView>("TreeView1").Items().Children();
    ASSERT_EQ(6u, industries.size());
    EXPECT_EQ("化工原料 包装材料 ", industries[0]->Children()[6]->Text());
    EXPECT_EQ(7u, Get<tk::TreeView>("TreeView2").Items().Children().size());

    // The default skin package is stored in the window's skin component.
    auto& skin = Get<skin::TSkinData>("SkinData1");
    EXPECT_TRUE(skin.SkinLoaded);
    EXPECT_FALSE(skin.SkinStream().empty());
    guitest::SaveForTest(guitest::CaptureWindow(form_->Handle()), "window");
}

TEST_F(Gallery, FindsItsFolderFromAnyWorkingDirectory) {
    const fs::path before = fs::current_path();
    fs::current_path(fs::temp_directory_path());
    form_ = new TFormMain(&app_);
    fs::current_path(before);
    wchar_t program[MAX_PATH];
    GetModuleFileNameW(nullptr, program, MAX_PATH);
    EXPECT_EQ(tk::Narrow(fs::path(program).parent_path().wstring()) + "\\", AppPath);
}

TEST_F(Gallery, MinimiseAndRestoreKeepTheSlots) {
    Open();
    const size_t components = form_->Components().size();
    ShowWindow(form_->Handle(), SW_MINIMIZE);
    guitest::PumpUntilIdle();
    ShowWindow(form_->Handle(), SW_RESTORE);
    guitest::PumpUntilIdle();
    EXPECT_EQ(components, form_->Components().size());
}

// Closing the main window ends the message loop. The loop runs as the
// program runs it, with the user's action already queued; a timer ends a loop
// that would otherwise never return.
class GalleryClose : public Gallery {
protected:
    static constexpr UINT HangGuardMs = 10000;

    // Runs the application's message loop; false when only the guard ended it.
    bool LoopEnds() {
        static bool guardFired;
        guardFired = false;
        const UINT_PTR guard = SetTimer(nullptr, 0, HangGuardMs, [](HWND, UINT, UINT_PTR, DWORD) {
            guardFired = true;
            PostQuitMessage(0);
        });
        app_.Run();
        KillTimer(nullptr, guard);
        return !guardFired && app_.Terminated();
    }
};

TEST_F(GalleryClose, ExitButtonEndsTheProgram) {
    Open();
    const auto& button = Get<tk::SpeedButton>("Canel");
    EXPECT_EQ("退出程序", button.Caption());
    const LPARAM at =
        MAKELPARAM(button.Left() + button.Width() / 2, button.Top() + button.Height() / 2);
    PostMessageW(form_->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageW(form_->Handle(), WM_LBUTTONUP, 0, at);
    EXPECT_TRUE(LoopEnds());
    EXPECT_FALSE(IsWindowVisible(form_->Handle()));
    EXPECT_TRUE(messages_.empty());
}

TEST_F(GalleryClose, TitleBarCloseEndsTheProgram) {
    Open();
    // What the title bar's close button sends; the window turns it into WM_CLOSE.
    PostMessageW(form_->Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_TRUE(LoopEnds());
    EXPECT_FALSE(IsWindowVisible(form_->Handle()));
    EXPECT_TRUE(messages_.empty());
}

// Failures: a folder holding only some of the program's files.
class GalleryFailure : public Gallery {
protected:
    void CopyIn(const char* name) {
        fs::copy(gallerytest::SampleData / name, folder_ / name, fs::copy_options::recursive);
    }
    testsupport::TempFolder temp_{"kanvio-folder"};
    const fs::path folder_ = temp_.Path();
};

TEST_F(GalleryFailure, MissingCatalogueIsReportedAndNoSlotIsCreated) {
    CopyIn("Res");
    Open(folder_);
    ASSERT_EQ(1u, messages_.size());
    EXPECT_NE(std::string::npos, messages_[0].find("Could not find file"));
    EXPECT_NE(std::string::npos, messages_[0].find("NoteData.MDB"));
    EXPECT_EQ(nullptr, form_->TradeShapes[0]);
    Select("TreeView1", "生产企业通用模板"); // later use touches no missing slot
    MoveOver(Get<tk::Shape>("ShapeBG"));
    EXPECT_EQ("搜索模板时出错", messages_.back());
}

// The buttons' pictures are read when a slot first shows: the start goes
// through, and the first fill is reported and ends at its first slot.
TEST_F(GalleryFailure, MissingButtonPictureIsReportedAndEndsTheFill) {
    CopyIn("NoteData.MDB");
    CopyIn("Images");
    Open(folder_);
    ASSERT_TRUE(messages_.empty());
    EXPECT_NE(nullptr, form_->ColorBooks[gallerytest::SlotCount - 1]);
    Select("TreeView1", "生产企业通用模板");
    ASSERT_EQ(1u, messages_.size());
    EXPECT_NE(std::string::npos, messages_[0].find("OpenBlack.jpg"));
    EXPECT_TRUE(form_->TradeOpens[0]->Visible());
    EXPECT_FALSE(form_->TradeOpens[1]->Visible());
    EXPECT_EQ("", Get<tk::Label>("LabelTrade").Caption());
    MoveOver(Get<tk::Shape>("ShapeBG"));
    EXPECT_EQ(1u, messages_.size());
}

TEST_F(GalleryFailure, MissingThumbnailIsReportedAndEndsTheFill) {
    CopyIn("NoteData.MDB");
    CopyIn("Res");
    Open(folder_);
    ASSERT_TRUE(messages_.empty());
    Select("TreeView1", "生产企业通用模板");
    ASSERT_EQ(1u, messages_.size());
    EXPECT_NE(std::string::npos, messages_[0].find("Images\\T"));
    EXPECT_TRUE(form_->TradeThumbs[0]->Visible());
    EXPECT_FALSE(form_->TradeThumbs[1]->Visible());
    EXPECT_EQ("", Get<tk::Label>("LabelTrade").Caption());
}

TEST_F(GalleryFailure, WrongPasswordIsRefused) {
    CopyIn("Res");
    fs::copy(fs::path(KANVIO_WRONG_PASSWORD_CATALOGUE), folder_ / "NoteData.MDB");
    Open(folder_);
    ASSERT_EQ(1u, messages_.size());
    EXPECT_EQ("Not a valid password.", messages_[0]);
    EXPECT_EQ(nullptr, form_->TradeShapes[0]);
}

} // namespace
