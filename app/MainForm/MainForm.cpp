// Start-up of the main window: its design, the program folder, the catalogue
// connection and the twenty template slots.
#include "app/MainForm/MainForm.h"

#include "toolkit/Application.h"
#include "toolkit/GraphicControls.h"
#include "toolkit/PageControl.h"
#include "app/ShareDM.h"
#include "app/MainForm/TemplateTab.h"
#include "toolkit/Text.h"
#include "skin/WinSkinData/WinSkinData.h"
#include "toolkit/TreeView.h"

#include <shellapi.h>

#include <stdexcept>

std::string AppPath;

const tk::ClassInfo& TFormMain::StaticClass() {
    static const tk::ClassInfo info("TFormMain", &tk::Form::StaticClass());
    return info;
}

TFormMain::TFormMain(tk::Component* owner) : Form(owner) {
    Launch = [this](const std::string& address) {
        ShellExecuteW(Handle(), L"open", L"IEXPLORE", tk::Widen(address).c_str(), nullptr, SW_SHOW);
    };
    ShowMessage = [this](const std::string& text) {
        MessageBoxW(Handle(), tk::Widen(text).c_str(), tk::Widen(Caption()).c_str(), MB_OK);
    };
    RegisterDesignMethods();
    if (tk::Application* application = Application())
        application->Classes().Register<skin::TSkinData>();
    LoadDesign("TFormMain");
}

template <class T> T& TFormMain::Designed(const char* name) {
    T* control = dynamic_cast<T*>(FindComponent(name));
    if (!control)
        throw std::runtime_error(std::string("The main window's design lacks ") + name);
    return *control;
}

TFormMain::Tab TFormMain::TradeTab() {
    return {"Trade",        "Title3",         TradeShapes,    TradeThumbs, TradeOpens,
            TradeBooks,     TradePreviewUrls, TradeOrderUrls, TradePage,   TreeView1,
            ImageTradeLeft, ImageTradeRight,  LabelTrade};
}

TFormMain::Tab TFormMain::ColorTab() {
    return {"Color",        "Title4",         ColorShapes,    ColorThumbs, ColorOpens,
            ColorBooks,     ColorPreviewUrls, ColorOrderUrls, ColorPage,   TreeView2,
            ImageColorLeft, ImageColorRight,  LabelColor};
}

void TFormMain::RegisterDesignMethods() {
    using tk::Component;
    const auto notify = [this](auto method) {
        return tk::NotifyEvent([this, method](Component&) { (this->*method)(); });
    };
    AddMethod("FormCreate", notify(&TFormMain::FormCreate));
    AddMethod("FormShow", notify(&TFormMain::FormShow));
    AddMethod("ActionCancelExecute", tk::NotifyEvent([this](Component&) { Close(); }));
    AddMethod("TreeView1Change",
              tk::NotifyEvent([this](Component&) { SelectionChanged(TradeTab(), "行业分类"); }));
    AddMethod("TreeView2Change",
              tk::NotifyEvent([this](Component&) { SelectionChanged(ColorTab(), "系列"); }));
    AddMethod("ImageTradeLeftClick",
              tk::NotifyEvent([this](Component&) { ArrowClicked(TradeTab(), -1); }));
    AddMethod("ImageTradeRightClick",
              tk::NotifyEvent([this](Component&) { ArrowClicked(TradeTab(), +1); }));
    AddMethod("ImageColorLeftClick",
              tk::NotifyEvent([this](Component&) { ArrowClicked(ColorTab(), -1); }));
    AddMethod("ImageColorRightClick",
              tk::NotifyEvent([this](Component&) { ArrowClicked(ColorTab(), +1); }));
    AddMethod("ShapeBGMouseMove", tk::MouseMoveEvent([this](Component&, tk::ShiftState, int, int) {
                  BackgroundMouseMove(TradeTab());
              }));
    AddMethod("ShapeBG2MouseMove", tk::MouseMoveEvent([this](Component&, tk::ShiftState, int, int) {
                  BackgroundMouseMove(ColorTab());
              }));
}

void TFormMain::FormCreate() {
    wchar_t path[MAX_PATH * 4];
    const DWORD length = GetModuleFileNameW(nullptr, path, DWORD(std::size(path)));
    const std::wstring program(path, length);
    AppPath = tk::Narrow(program.substr(0, program.find_last_of(L'\\') + 1));

    PageControl1 = &Designed<tk::PageControl>("PageControl1");
    TabSheet2 = &Designed<tk::TabSheet>("TabSheet2");
    TabSheet3 = &Designed<tk::TabSheet>("TabSheet3");
    TreeView1 = &Designed<tk::TreeView>("TreeView1");
    TreeView2 = &Designed<tk::TreeView>("TreeView2");
    ImageTradeLeft = &Designed<tk::Image>("ImageTradeLeft");
    ImageTradeRight = &Designed<tk::Image>("ImageTradeRight");
    ImageColorLeft = &Designed<tk::Image>("ImageColorLeft");
    ImageColorRight = &Designed<tk::Image>("ImageColorRight");
    LabelTrade = &Designed<tk::Label>("LabelTrade");
    LabelColor = &Designed<tk::Label>("LabelColor");
}

// Errors end the show handler where they happen and are reported by the
// application's handler; the window stays up with whatever was created.
void TFormMain::FormShow() {
    if (TradeShapes[0])
        return; // shown again (after being hidden): the slots exist already
    try {
        if (!data_)
            throw std::logic_error("The data module is missing");
        const std::string cataloguePath = AppPath + "NoteData.MDB";
        data_->ADOConnection1.Open(
            gallery::BuildConnectionString(cataloguePath, CataloguePassword));
        CreateSlots(TradeTab(), *TabSheet2);
        TradePage = 0;
        CreateSlots(ColorTab(), *TabSheet3);
        ColorPage = 0;
    } catch (const std::exception& error) {
        if (tk::Application* application = Application())
            application->HandleException(error);
        else
            ShowMessage(error.what());
    }
}

void TFormMain::CreateSlots(Tab tab, tk::TabSheet& page) {
    for (int i = 0; i < 10; ++i) {
        const int left = 120 * (i % 5);
        const int top = 160 * (i / 5);
        const auto place = [&](tk::Control& control, int x, int y, int width, int height) {
            control.SetParent(&page);
            control.Hide();
            control.SetBounds(x + left, y + top, width, height);
        };

        auto* frame = new tk::Shape(this);
        place(*frame, 248, 32, 108, 108);
        tab.shapes[size_t(i)] = frame;

        auto* thumb = new tk::Image(this);
        place(*thumb, 252, 36, 100, 100);
        thumb->SetCursor(tk::crHandPoint);
        thumb->OnClick = [this, tab](tk::Component& sender) {
            SlotClicked(tab, tab.thumbs, sender, false);
        };
        tab.thumbs[size_t(i)] = thumb;

        auto* open = new tk::Image(this);
        place(*open, 249, 144, 50, 25);
        open->SetCursor(tk::crHandPoint);
        tab.opens[size_t(i)] = open;
        open->Picture().LoadFromFile(AppPath + pictures::OpenNormal);
        open->OnClick = [this, tab](tk::Component& sender) {
            SlotClicked(tab, tab.opens, sender, false);
        };
        open->OnMouseMove = [this, tab](tk::Component& sender, tk::ShiftState, int, int) {
            ButtonMouseMove(tab.opens, sender, pictures::OpenHighlighted);
        };

        auto* book = new tk::Image(this);
        place(*book, 305, 144, 50, 25);
        book->SetCursor(tk::crHandPoint);
        tab.books[size_t(i)] = book;
        book->Picture().LoadFromFile(AppPath + pictures::BookNormal);
        book->OnClick = [this, tab](tk::Component& sender) {
            SlotClicked(tab, tab.books, sender, true);
        };
        book->OnMouseMove = [this, tab](tk::Component& sender, tk::ShiftState, int, int) {
            ButtonMouseMove(tab.books, sender, pictures::BookHighlighted);
        };
    }
}
