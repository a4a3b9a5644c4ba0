// Start-up of the main window: its design, the program folder, the catalogue
// connection and the twenty template slots.
#include "app/MainForm/MainForm.h"

#include "base/Scale.h"

#include "toolkit/Application.h"
#include "toolkit/GraphicControls.h"
#include "toolkit/PageControl.h"
#include "app/ShareDM.h"
#include "app/MainForm/TemplateTab.h"
#include "app/TemplatePage.h"
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
    launch = [this](const std::string& address) {
        // The address itself, opened by the shell: the user's default browser.
        ShellExecuteW(Handle(), L"open", tk::Widen(address).c_str(), nullptr, nullptr, SW_SHOW);
    };
    showMessage = [this](const std::string& text) {
        MessageBoxW(Handle(), tk::Widen(text).c_str(), tk::Widen(Caption()).c_str(), MB_OK);
    };
    RegisterDesignMethods();
    if (tk::Application* application = Application()) {
        // The skin layer only reports why the stored skin did not load; the
        // user sees it in a plain box.
        application->Classes().Register(
            skin::TSkinData::StaticClass().Name(), [](tk::Component* owner) -> tk::Component* {
                auto* skinData = new skin::TSkinData(owner);
                skinData->OnNotice = [](const std::string& text) {
                    MessageBoxW(nullptr, tk::Widen(text).c_str(), L"", MB_OK);
                };
                return skinData;
            });
    }
    LoadDesign("TFormMain");
}

template <class T> T& TFormMain::Designed(const char* name) {
    T* control = dynamic_cast<T*>(FindComponent(name));
    if (!control) {
        throw std::runtime_error(std::string("The main window's design lacks ") + name);
    }
    return *control;
}

namespace {

// Puts a control of slot `slot` on its tab's sheet, hidden, at its place.
void PlaceInSlot(tk::Control& control, TFormMain::Tab tab, int slot,
                 const slotgeometry::Place& place) {
    const int left = slotgeometry::ColumnPitch * (slot % slotgeometry::PerRow);
    const int top = slotgeometry::RowPitch * (slot / slotgeometry::PerRow);
    control.SetParent(tab.controls.sheet);
    control.Hide();
    control.SetBounds(place.left + left, place.top + top, place.width, place.height);
    // The slots are laid out in the design's 96-DPI units: scaled as the
    // form was when it loaded.
    if (const tk::Form* form = control.ParentForm()) {
        control.ChangeScale(form->PixelsPerInch(), base::DesignDpi);
    }
}

constexpr TFormMain::TabNames TradeNames{"Trade",           "Title3",     "行业分类",
                                         "TabSheet2",       "TreeView1",  "ImageTradeLeft",
                                         "ImageTradeRight", "LabelTrade", "ShapeBG"};
constexpr TFormMain::TabNames ColorNames{"Color",           "Title4",     "系列",
                                         "TabSheet3",       "TreeView2",  "ImageColorLeft",
                                         "ImageColorRight", "LabelColor", "ShapeBG2"};

} // namespace

TFormMain::Tab TFormMain::TradeTab() {
    return {TradeNames,       TradeShapes,    TradeThumbs, TradeOpens,    TradeBooks,
            TradePreviewUrls, TradeOrderUrls, TradePage,   tradeControls_};
}

TFormMain::Tab TFormMain::ColorTab() {
    return {ColorNames,       ColorShapes,    ColorThumbs, ColorOpens,    ColorBooks,
            ColorPreviewUrls, ColorOrderUrls, ColorPage,   colorControls_};
}

std::array<TFormMain::Tab, 2> TFormMain::Tabs() {
    return {TradeTab(), ColorTab()};
}

void TFormMain::RegisterDesignMethods() {
    using tk::Component;
    const auto notify = [this](auto method) {
        return tk::NotifyEvent([this, method](Component&) { (this->*method)(); });
    };
    AddMethod("FormCreate", notify(&TFormMain::FormCreate));
    AddMethod("FormShow", notify(&TFormMain::FormShow));
    AddMethod("ActionCancelExecute", tk::NotifyEvent([this](Component&) { Close(); }));
    for (Tab (TFormMain::*tabOf)() : {&TFormMain::TradeTab, &TFormMain::ColorTab}) {
        const TabNames& names = (this->*tabOf)().names;
        const std::string tree = names.tree, left = names.left, right = names.right;
        AddMethod(tree + "Change", tk::NotifyEvent([this, tabOf](Component&) {
                      SelectionChanged((this->*tabOf)());
                  }));
        AddMethod(left + "Click", tk::NotifyEvent([this, tabOf](Component&) {
                      ArrowClicked((this->*tabOf)(), -1);
                  }));
        AddMethod(right + "Click", tk::NotifyEvent([this, tabOf](Component&) {
                      ArrowClicked((this->*tabOf)(), +1);
                  }));
        AddMethod(std::string(names.background) + "MouseMove",
                  tk::MouseMoveEvent([this, tabOf](Component&, tk::ShiftState, int, int) {
                      BackgroundMouseMove((this->*tabOf)());
                  }));
    }
}

void TFormMain::FormCreate() {
    wchar_t path[MAX_PATH * 4];
    const DWORD length = GetModuleFileNameW(nullptr, path, DWORD(std::size(path)));
    const std::wstring program(path, length);
    AppPath = tk::Narrow(program.substr(0, program.find_last_of(L'\\') + 1));

    PageControl1 = &Designed<tk::PageControl>("PageControl1");
    // Kind by kind, both tabs each: a design that lacks several components
    // is reported by the first of them in this order.
    for (Tab tab : Tabs()) {
        tab.controls.sheet = &Designed<tk::TabSheet>(tab.names.sheet);
    }
    for (Tab tab : Tabs()) {
        tab.controls.tree = &Designed<tk::TreeView>(tab.names.tree);
    }
    for (Tab tab : Tabs()) {
        tab.controls.left = &Designed<tk::Image>(tab.names.left);
        tab.controls.right = &Designed<tk::Image>(tab.names.right);
    }
    for (Tab tab : Tabs()) {
        tab.controls.label = &Designed<tk::Label>(tab.names.label);
    }
}

// Errors end the show handler where they happen and are reported by the
// application's handler; the window stays up with whatever was created.
void TFormMain::FormShow() {
    if (TradeShapes[0]) {
        return; // shown again (after being hidden): the slots exist already
    }
    try {
        if (!data_) {
            throw std::logic_error("The data module is missing");
        }
        const std::string cataloguePath = AppPath + "NoteData.MDB";
        data_->ADOConnection1.Open(
            gallery::BuildConnectionString(cataloguePath, CataloguePassword));
        for (Tab tab : Tabs()) {
            CreateSlots(tab);
            tab.page = 0;
        }
    } catch (const std::exception& error) {
        if (tk::Application* application = Application()) {
            application->HandleException(error);
        } else {
            showMessage(error.what());
        }
    }
}

void TFormMain::CreateSlots(Tab tab) {
    namespace geometry = slotgeometry;
    for (int i = 0; i < gallery::SlotCount; ++i) {
        auto* frame = new tk::Shape(this);
        PlaceInSlot(*frame, tab, i, geometry::Frame);
        tab.shapes[size_t(i)] = frame;

        auto* thumb = new tk::Image(this);
        PlaceInSlot(*thumb, tab, i, geometry::Thumb);
        thumb->SetCursor(tk::crHandPoint);
        thumb->OnClick = [this, tab](tk::Component& sender) {
            SlotClicked(tab, tab.thumbs, sender, false);
        };
        tab.thumbs[size_t(i)] = thumb;

        CreateSlotButton(tab, i, {geometry::Open, pictures::OpenHighlighted, false});
        CreateSlotButton(tab, i, {geometry::Book, pictures::BookHighlighted, true});
    }
}

void TFormMain::CreateSlotButton(Tab tab, int slot, const SlotButton& kind) {
    SlotArray<tk::Image>& buttons = kind.orderPage ? tab.books : tab.opens;
    auto* button = new tk::Image(this);
    PlaceInSlot(*button, tab, slot, kind.place);
    button->SetCursor(tk::crHandPoint);
    buttons[size_t(slot)] = button;
    const bool orderPage = kind.orderPage;
    button->OnClick = [this, tab, &buttons, orderPage](tk::Component& sender) {
        SlotClicked(tab, buttons, sender, orderPage);
    };
    const char* highlighted = kind.highlightedPicture;
    button->OnMouseMove = [this, &buttons, highlighted](tk::Component& sender, tk::ShiftState, int,
                                                        int) {
        ButtonMouseMove(buttons, sender, highlighted);
    };
}
