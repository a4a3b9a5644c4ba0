// The gallery's main window under Wine: a real window from its design, the
// sample catalogue and pictures from the build, driven with the mouse.
#include "Application.h"
#include "GraphicControls.h"
#include "GuiTest.h"
#include "MainForm.h"
#include "PageControl.h"
#include "ShareDM.h"
#include "TempFolder.h"
#include "Text.h"
#include "TreeView.h"
#include "WinSkinData.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

namespace fs = std::filesystem;

// The built sample data: NoteData.MDB, Images\ and Res\.
const fs::path kSampleData = KANVIO_GALLERY_DATA;

std::string WindowsFolder(const fs::path& folder) {
    return tk::Narrow(fs::absolute(folder).make_preferred().wstring()) + "\\";
}

tk::TreeNode& Node(tk::TreeView& tree, const std::string& text) {
    for (const auto& header : tree.Items().Children()) {
        if (header->Text() == text)
            return *header;
        for (const auto& leaf : header->Children())
            if (leaf->Text() == text)
                return *leaf;
    }
    throw std::runtime_error("no tree node " + text);
}

class Gallery : public ::testing::Test {
protected:
    // Opens the main window over the program folder `folder`.
    void Open(const fs::path& folder = kSampleData) {
        app.SetMessageBox(
            [this](const std::string& text, const std::string&) { messages.push_back(text); });
        form = new TFormMain(&app);
        auto* data = new TShareDataModule(&app);
        form->SetDataModule(*data);
        form->Launch = [this](const std::string& address) { launched.push_back(address); };
        form->ShowMessage = [this](const std::string& text) { messages.push_back(text); };
        AppPath = WindowsFolder(folder);
        form->Show();
        guitest::PumpUntilIdle();
    }
    template <class T> T& Get(const char* name) {
        return *dynamic_cast<T*>(form->FindComponent(name));
    }
    void Select(const char* tree, const std::string& text) {
        auto& view = Get<tk::TreeView>(tree);
        view.SetSelected(&Node(view, text));
        guitest::PumpUntilIdle();
    }
    // A point of a window-less control, in its tab page's client area.
    static POINT Inside(const tk::Control& control, int dx = 5, int dy = 5) {
        return {control.Left() + dx, control.Top() + dy};
    }
    void MoveOver(const tk::Control& control, int dx = 5, int dy = 5) {
        guitest::MouseMove(control.Parent()->Handle(), Inside(control, dx, dy));
    }
    void ClickOn(const tk::Control& control) {
        guitest::Click(control.Parent()->Handle(), Inside(control));
    }
    int VisibleSlots(const TFormMain::SlotArray<tk::Image>& thumbs) {
        int n = 0;
        for (tk::Image* thumb : thumbs)
            n += thumb && thumb->Visible();
        return n;
    }
    std::string Label(const char* name) { return Get<tk::Label>(name).Caption(); }
    bool Shown(const char* name) { return Get<tk::Image>(name).Visible(); }

    tk::Application app;
    TFormMain* form = nullptr;
    std::vector<std::string> messages;
    std::vector<std::string> launched;
};

TEST_F(Gallery, WindowComesUpFromItsDesign) {
    Open();
    EXPECT_EQ(921, form->ClientWidth());
    EXPECT_EQ(585, form->ClientHeight());
    EXPECT_EQ("霓虹Kanvio企业模板建站工具箱", form->Caption());
    const LONG style = GetWindowLongW(form->Handle(), GWL_STYLE);
    EXPECT_TRUE(style & WS_MINIMIZEBOX);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
    EXPECT_FALSE(style & WS_THICKFRAME);
    EXPECT_EQ(&Get<tk::TabSheet>("TabSheet2"), Get<tk::PageControl>("PageControl1").ActivePage());
    EXPECT_EQ(nullptr, Get<tk::TreeView>("TreeView1").Selected());
    EXPECT_TRUE(messages.empty());
    EXPECT_FALSE(Shown("ImageTradeLeft") || Shown("ImageTradeRight"));
    EXPECT_EQ("", Label("LabelTrade"));

    // Trees: six industry headers, seven colour headers; the trailing space stays.
    auto& industries = Get<tk::TreeView>("TreeView1").Items().Children();
    ASSERT_EQ(6u, industries.size());
    EXPECT_EQ("化工原料 包装材料 ", industries[0]->Children()[6]->Text());
    EXPECT_EQ(7u, Get<tk::TreeView>("TreeView2").Items().Children().size());

    // The default skin package is stored in the window's skin component.
    auto& skin = Get<skin::TSkinData>("SkinData1");
    EXPECT_TRUE(skin.SkinLoaded);
    EXPECT_FALSE(skin.SkinStream().empty());
    guitest::SaveForTest(guitest::CaptureWindow(form->Handle()), "window");
}

TEST_F(Gallery, SlotSevenSitsWhereTheLayoutPutsIt) {
    Open();
    for (auto* tab : {&form->TradeShapes, &form->ColorShapes}) {
        const tk::Shape& frame = *(*tab)[7];
        EXPECT_EQ(488, frame.Left());
        EXPECT_EQ(192, frame.Top());
        EXPECT_EQ(108, frame.Width());
        EXPECT_EQ(form, frame.Owner());
        EXPECT_FALSE(frame.Visible());
    }
    for (auto [thumbs, opens, books, page] :
         {std::tuple(&form->TradeThumbs, &form->TradeOpens, &form->TradeBooks, "TabSheet2"),
          std::tuple(&form->ColorThumbs, &form->ColorOpens, &form->ColorBooks, "TabSheet3")}) {
        EXPECT_EQ(492, (*thumbs)[7]->Left());
        EXPECT_EQ(196, (*thumbs)[7]->Top());
        EXPECT_EQ(489, (*opens)[7]->Left());
        EXPECT_EQ(304, (*opens)[7]->Top());
        EXPECT_EQ(545, (*books)[7]->Left());
        EXPECT_EQ(304, (*books)[7]->Top());
        EXPECT_EQ(tk::crHandPoint, (*books)[7]->Cursor());
        EXPECT_EQ(static_cast<tk::WinControl*>(&Get<tk::TabSheet>(page)), (*opens)[7]->Parent());
    }
}

TEST_F(Gallery, PagingShowsTheRightSlotsArrowsAndLabel) {
    Open();
    Select("TreeView1", "灯具照明 LED显示"); // no templates
    EXPECT_EQ(0, VisibleSlots(form->TradeThumbs));
    EXPECT_EQ("共 0 记录　第 1/1 页", Label("LabelTrade"));

    Select("TreeView1", "仪器仪表 精密设备"); // 10, plus rows with TitleIndex 0 and -5
    EXPECT_EQ(10, VisibleSlots(form->TradeThumbs));
    EXPECT_FALSE(Shown("ImageTradeLeft") || Shown("ImageTradeRight"));
    EXPECT_EQ("共 10 记录　第 1/1 页", Label("LabelTrade"));

    Select("TreeView1", "电子电工 能源电力"); // 11
    EXPECT_TRUE(Shown("ImageTradeRight"));
    ClickOn(Get<tk::Image>("ImageTradeRight"));
    EXPECT_EQ(1, VisibleSlots(form->TradeThumbs));
    EXPECT_TRUE(form->TradeThumbs[0]->Visible());
    EXPECT_TRUE(Shown("ImageTradeLeft"));
    EXPECT_FALSE(Shown("ImageTradeRight"));
    EXPECT_EQ("共 11 记录　第 2/2 页", Label("LabelTrade"));

    Select("TreeView1", "来料加工 来件装配"); // 20: a new leaf starts at page 1
    EXPECT_EQ(0, form->TradePage);
    ClickOn(Get<tk::Image>("ImageTradeRight"));
    EXPECT_EQ(10, VisibleSlots(form->TradeThumbs));
    EXPECT_TRUE(Shown("ImageTradeLeft"));
    EXPECT_FALSE(Shown("ImageTradeRight"));

    Select("TreeView1", "机械设备 零件部件"); // 21
    EXPECT_EQ("共 21 记录　第 1/3 页", Label("LabelTrade"));

    Select("TreeView1", "行业分类三"); // a header changes nothing
    EXPECT_EQ("共 21 记录　第 1/3 页", Label("LabelTrade"));
    EXPECT_TRUE(Shown("ImageTradeRight"));
    ClickOn(Get<tk::Image>("ImageTradeRight"));
    EXPECT_EQ(0, VisibleSlots(form->TradeThumbs));
    EXPECT_FALSE(Shown("ImageTradeLeft") || Shown("ImageTradeRight"));
    EXPECT_EQ("共 0 记录　第 2/1 页", Label("LabelTrade"));
}

TEST_F(Gallery, ButtonsLightUpOncePerEntryAndResetOverTheBackground) {
    Open();
    Select("TreeView1", "生产企业通用模板");
    tk::Image& open = *form->TradeOpens[0];
    tk::Image& book = *form->TradeBooks[0];
    int openLoads = 0, bookLoads = 0;
    open.Picture().OnChange = [&, next = open.Picture().OnChange] { ++openLoads, next(); };
    book.Picture().OnChange = [&, next = book.Picture().OnChange] { ++bookLoads, next(); };

    MoveOver(open, 5, 5);
    MoveOver(open, 30, 10);
    MoveOver(open, 10, 20);
    EXPECT_EQ(1, openLoads);
    EXPECT_EQ(1, open.Tag());
    // Straight onto the neighbouring Book button: both stay lit.
    MoveOver(book, 2, 5);
    EXPECT_EQ(1, bookLoads);
    EXPECT_EQ(1, open.Tag());
    EXPECT_EQ(1, book.Tag());
    // The colour tab's background leaves this tab alone.
    Get<tk::PageControl>("PageControl1").SetActivePage(&Get<tk::TabSheet>("TabSheet3"));
    guitest::PumpUntilIdle();
    MoveOver(Get<tk::Shape>("ShapeBG2"), 300, 30);
    EXPECT_EQ(1, open.Tag());
    Get<tk::PageControl>("PageControl1").SetActivePage(&Get<tk::TabSheet>("TabSheet2"));
    guitest::PumpUntilIdle();
    // The 6-pixel gap between Open and Book lies over the background.
    MoveOver(open, 52, 10);
    EXPECT_EQ(0, open.Tag());
    EXPECT_EQ(0, book.Tag());
    EXPECT_EQ(2, openLoads);
    EXPECT_EQ(2, bookLoads);
    MoveOver(Get<tk::Shape>("ShapeBG"), 5, 5);
    EXPECT_EQ(2, openLoads); // nothing lit, nothing loaded
}

TEST_F(Gallery, ClicksOpenTheAddressOfTheirTabAndSlot) {
    Open();
    Select("TreeView1", "生产企业通用模板");
    Get<tk::PageControl>("PageControl1").SetActivePage(&Get<tk::TabSheet>("TabSheet3"));
    Select("TreeView2", "蓝天白云");
    guitest::PumpUntilIdle();
    ClickOn(*form->ColorThumbs[3]);
    ClickOn(*form->ColorBooks[3]);
    ClickOn(*form->ColorOpens[4]);
    ASSERT_EQ(3u, launched.size());
    EXPECT_EQ(form->ColorPreviewUrls[3], launched[0]);
    EXPECT_EQ(form->ColorOrderUrls[3], launched[1]);
    EXPECT_EQ(form->ColorPreviewUrls[4], launched[2]);
    EXPECT_EQ(0u, form->ColorOrderUrls[3].rfind(
                      "http://order.kanvio.example/index.asp?TemplateNum=KV", 0));
    EXPECT_NE(form->ColorPreviewUrls[3], form->TradePreviewUrls[3]);
    guitest::SaveForTest(guitest::CaptureWindow(form->Handle()), "colour-page");
}

TEST_F(Gallery, FindsItsFolderFromAnyWorkingDirectory) {
    const fs::path before = fs::current_path();
    fs::current_path(fs::temp_directory_path());
    form = new TFormMain(&app);
    fs::current_path(before);
    wchar_t program[MAX_PATH];
    GetModuleFileNameW(nullptr, program, MAX_PATH);
    EXPECT_EQ(tk::Narrow(fs::path(program).parent_path().wstring()) + "\\", AppPath);
}

TEST_F(Gallery, MinimiseAndRestoreKeepTheSlots) {
    Open();
    const size_t components = form->Components().size();
    ShowWindow(form->Handle(), SW_MINIMIZE);
    guitest::PumpUntilIdle();
    ShowWindow(form->Handle(), SW_RESTORE);
    guitest::PumpUntilIdle();
    EXPECT_EQ(components, form->Components().size());
}

// Failures: a folder holding only some of the program's files.
class GalleryFailure : public Gallery {
protected:
    void CopyIn(const char* name) {
        fs::copy(kSampleData / name, folder / name, fs::copy_options::recursive);
    }
    testsupport::TempFolder temp{"kanvio-folder"};
    const fs::path folder = temp.Path();
};

TEST_F(GalleryFailure, MissingCatalogueIsReportedAndNoSlotIsCreated) {
    CopyIn("Res");
    Open(folder);
    ASSERT_EQ(1u, messages.size());
    EXPECT_NE(std::string::npos, messages[0].find("Could not find file"));
    EXPECT_NE(std::string::npos, messages[0].find("NoteData.MDB"));
    EXPECT_EQ(nullptr, form->TradeShapes[0]);
    Select("TreeView1", "生产企业通用模板"); // later use touches no missing slot
    MoveOver(Get<tk::Shape>("ShapeBG"));
    EXPECT_EQ("搜索模板时出错", messages.back());
}

TEST_F(GalleryFailure, MissingButtonPictureEndsTheStartAtThatSlot) {
    CopyIn("NoteData.MDB");
    CopyIn("Images");
    Open(folder);
    ASSERT_EQ(1u, messages.size());
    EXPECT_NE(std::string::npos, messages[0].find("OpenBlack.jpg"));
    EXPECT_NE(nullptr, form->TradeOpens[0]);
    EXPECT_EQ(nullptr, form->TradeBooks[0]);
    EXPECT_EQ(nullptr, form->ColorShapes[0]);
    Select("TreeView1", "生产企业通用模板");
    MoveOver(Get<tk::Shape>("ShapeBG"));
    EXPECT_EQ("共 35 记录　第 1/4 页", Label("LabelTrade"));
}

TEST_F(GalleryFailure, MissingThumbnailIsReportedAndEndsTheFill) {
    CopyIn("NoteData.MDB");
    CopyIn("Res");
    Open(folder);
    ASSERT_TRUE(messages.empty());
    Select("TreeView1", "生产企业通用模板");
    ASSERT_EQ(1u, messages.size());
    EXPECT_NE(std::string::npos, messages[0].find("Images\\T"));
    EXPECT_TRUE(form->TradeThumbs[0]->Visible());
    EXPECT_FALSE(form->TradeThumbs[1]->Visible());
    EXPECT_EQ("", Label("LabelTrade"));
}

TEST_F(GalleryFailure, WrongPasswordIsRefused) {
    CopyIn("Res");
    fs::copy(fs::path(KANVIO_WRONG_PASSWORD_CATALOGUE), folder / "NoteData.MDB");
    Open(folder);
    ASSERT_EQ(1u, messages.size());
    EXPECT_EQ("Not a valid password.", messages[0]);
    EXPECT_EQ(nullptr, form->TradeShapes[0]);
}

} // namespace
