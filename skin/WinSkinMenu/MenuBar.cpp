// The menu bar's buttons, built from the form's main menu or the window's
// native menu, and the bar painted through the engine's scratch bitmap.
#include "skin/WinSkinMenu/WinSkinMenu.h"

#include "skin/WinSkinMenu/MenuChar.h"
#include "toolkit/Action.h"
#include "toolkit/Form.h"
#include "toolkit/Menus.h"
#include "skin/WinSubClass/SkinManager.h"
#include "toolkit/Text.h"
#include "skin/WinSkinData/WinSkinData.h"

#include <cwctype>

namespace skin {
namespace {

// Where the first caption starts from the bar's end (past the element's
// unstretched end), when that end is wider than the bar, and without an
// element; room either side of a caption together.
constexpr int StartPastLeftEnd = 4;
constexpr int StartPastRightEnd = 8;
constexpr int StartInNarrowBar = 12;
constexpr int StartWithoutElement = 6;
constexpr int CaptionRoom = 10;
// The text read from a native top-level item.
constexpr int MaxCaptionLength = 80;
// Cells of the MenuBar element (stacked): active and inactive window.
constexpr int BarCells = 2;

constexpr UINT CaptionMeasure = DT_CALCRECT | DT_NOCLIP | DT_EXPANDTABS | DT_SINGLELINE | DT_CENTER;
constexpr UINT CaptionDraw = DT_SINGLELINE | DT_EXPANDTABS | DT_CENTER;

int WidthOf(const RECT& r) {
    return r.right - r.left;
}
int HeightOf(const RECT& r) {
    return r.bottom - r.top;
}

int CaptionWidth(HDC dc, const std::wstring& caption) {
    RECT r{};
    DrawTextW(dc, caption.c_str(), int(caption.size()), &r, CaptionMeasure);
    return WidthOf(r);
}

} // namespace

void DrawMenuCaption(HDC dc, const RECT& rect, const std::wstring& text, bool enabled,
                     COLORREF colour) {
    tk::SavedDC saved(dc);
    SetBkMode(dc, TRANSPARENT);
    RECT measured = rect;
    DrawTextW(dc, text.c_str(), int(text.size()), &measured, CaptionMeasure);
    const int dx = (WidthOf(rect) - WidthOf(measured)) / 2;
    const int dy = (HeightOf(rect) - HeightOf(measured)) / 2;
    const RECT placed{rect.left + dx, rect.top + dy, rect.left + dx + WidthOf(measured),
                      rect.top + dy + HeightOf(measured)};
    SetTextColor(dc, enabled ? colour : GetSysColor(COLOR_BTNSHADOW));
    DrawSkinText(dc, text, placed, CaptionDraw);
}

// --- Buttons ------------------------------------------------------------------------

void TMenuBtn::Paint() {
    auto& bar = static_cast<TWinSkinMenu&>(*FFrame.FMenuBar);
    if (!FVisible || bar.FBarBitmap.Empty()) {
        return;
    }
    try {
        tk::WindowDC dc = tk::WindowDC::Whole(FFrame.FWindow);
        const RECT& barRect = bar.FBarRect;
        {
            tk::BitmapDC background(NativeBitmap(bar.FBarBitmap));
            BitBlt(dc, FRect.left, barRect.top, WidthOf(FRect), HeightOf(barRect), background,
                   FRect.left - barRect.left, 0, SRCCOPY);
        }
        if (FMouseState == TMouseState::Pressed || FMouseState == TMouseState::Hot) {
            const tk::OwnedBrush frame(
                CreateSolidBrush(ResolveColour(FSkinData.ButtonHilightColour)));
            FrameRect(dc, &FRect, frame.get());
        }
        tk::OwnedFont font = SystemMenuFont();
        tk::SelectedObject selected(dc, font.get());
        DrawMenuCaption(dc, FRect, FCaption, FEnabled, ResolveColour(FSkinData.MenuBarTextColour));
    } catch (...) {
        // The bar keeps its last look.
    }
}

// --- The bar --------------------------------------------------------------------------

TWinSkinMenu::TWinSkinMenu(TWinSkinForm& frame, const TSkinData& skin)
    : FSkinData(skin), FFrame(frame) {}

TWinSkinMenu::~TWinSkinMenu() {
    ClearButtons();
}

bool TWinSkinMenu::RightToLeft() const {
    return FMenu ? FMenu->RightToLeft() : FFrame.FRightToLeft;
}

void TWinSkinMenu::ClearButtons() {
    for (const auto& button : FButtons) {
        if (FFrame.FHotObject == button.get()) {
            FFrame.FHotObject = nullptr;
        }
    }
    FButtons.clear();
}

TMenuBtn& TWinSkinMenu::AddButton() {
    FButtons.push_back(std::make_unique<TMenuBtn>(FFrame, FSkinData, int(FButtons.size())));
    return *FButtons.back();
}

void TWinSkinMenu::AddFormButton(tk::MenuItem& item) {
    TMenuBtn& button = AddButton();
    button.FVisible = item.Visible();
    button.FEnabled = item.Enabled();
    button.FCommand = item.Command();
    button.FCaption = tk::Widen(item.Caption());
    button.FItem = &item;
    button.FSubMenu = item.Items().empty() ? nullptr : item.Handle();
}

void TWinSkinMenu::AddNativeButton(int position) {
    wchar_t text[MaxCaptionLength + 1] = {};
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_STRING;
    info.dwTypeData = text;
    info.cch = MaxCaptionLength;
    GetMenuItemInfoW(FNativeMenu, UINT(position), TRUE, &info);
    tk::MenuItem* item = text[0] == 0 && FMenu ? FMenu->FindItem(info.wID) : nullptr;
    if (item && item->Parent() == &FMenu->Items()) {
        if (tk::Action* action = item->GetAction()) {
            action->Update();
        }
        AddFormButton(*item);
        FButtons.back()->FVisible = true;
        return;
    }
    TMenuBtn& button = AddButton();
    button.FSubMenu = info.hSubMenu;
    button.FEnabled = (info.fState & (MFS_GRAYED | MFS_DISABLED)) == 0;
    button.FVisible = true;
    button.FCommand = info.wID;
    button.FCaption = text;
}

void TWinSkinMenu::TakeMenuOff() {
    SetPropW(FFrame.FWindow, TakenMenuProperty, FNativeMenu);
    SetMenu(FFrame.FWindow, nullptr);
}

// A window without a form object has its native menu's items as buttons.
void TWinSkinMenu::BuildFromForm() {
    if (HMENU menu = GetMenu(FFrame.FWindow)) {
        FNativeMenu = menu;
    }
    if (!FNativeMenu) {
        return;
    }
    FMenu = FFrame.FAppForm ? FFrame.FAppForm->Menu() : nullptr;
    ClearButtons();
    if (FMenu) {
        for (tk::MenuItem* item : FMenu->Items().Items()) {
            AddFormButton(*item);
        }
    } else {
        for (int i = 0, count = GetMenuItemCount(FNativeMenu); i < count; ++i) {
            AddNativeButton(i);
        }
    }
    TakeMenuOff();
}

void TWinSkinMenu::RebuildFromForm() {
    if (HMENU menu = GetMenu(FFrame.FWindow)) {
        FNativeMenu = menu;
    }
    ClearButtons();
    if (FMenu) {
        for (tk::MenuItem* item : FMenu->Items().Items()) {
            if (tk::Action* action = item->GetAction()) {
                action->Update();
            }
            AddFormButton(*item);
        }
    } else if (FNativeMenu) {
        // A frame without a form object: the window's own menu.
        for (int i = 0, count = GetMenuItemCount(FNativeMenu); i < count; ++i) {
            AddNativeButton(i);
        }
    }
    TakeMenuOff();
    FFrame.FHotObject = nullptr;
}

void TWinSkinMenu::BuildFromNative(HMENU menu) {
    if (menu) {
        FNativeMenu = menu;
    }
    if (!FNativeMenu) {
        return;
    }
    ClearButtons();
    for (int i = 0, count = GetMenuItemCount(FNativeMenu); i < count; ++i) {
        AddNativeButton(i);
    }
    TakeMenuOff();
}

bool TWinSkinMenu::FormMenuChanged(bool follow) {
    if (follow && GetMenu(FFrame.FWindow)) {
        BuildFromForm();
        return true;
    }
    if (!FFrame.FAppForm || FFrame.FAppForm->Menu() || !FMenu) {
        return false;
    }
    // The window has no menu either: nothing is left to give back.
    ClearButtons();
    FMenu = nullptr;
    FNativeMenu = nullptr;
    return true;
}

TNCObject* TWinSkinMenu::MenuButtonAt(POINT point) {
    for (const auto& button : FButtons) {
        if (!button->FCaption.empty() && PtInRect(&button->FRect, point)) {
            return button.get();
        }
    }
    return nullptr;
}

TNCObject* TWinSkinMenu::FindAccelerator(wchar_t key) {
    const wint_t wanted = std::towupper(key);
    for (const auto& button : FButtons) {
        const wchar_t accelerator = AcceleratorOf(button->FCaption);
        if (button->FEnabled && accelerator && std::towupper(accelerator) == wanted) {
            return button.get();
        }
    }
    return nullptr;
}

TNCObject* TWinSkinMenu::FirstButton() {
    for (const auto& button : FButtons) {
        // A command item is not run by the menu key: the first drop-down opens.
        if (button->FVisible && !button->FCaption.empty() && DropsDown(*button)) {
            return button.get();
        }
    }
    return nullptr;
}

// The bar's background into the scratch bitmap, kept without captions; the
// captions over it; the scratch to the window.
void TWinSkinMenu::PaintBar(HDC dc, const RECT& rect) {
    const int w = WidthOf(rect), h = HeightOf(rect);
    if (w <= 0 || h <= 0) {
        return;
    }
    TDib& scratch = FrameScratch();
    if (scratch.Width() != w || scratch.Height() != h) {
        scratch.SetSize(w, h, TrueColourBits);
    }
    tk::BitmapDC bar(NativeBitmap(scratch));
    const RECT r{0, 0, w, h};
    const bool mirrored = RightToLeft();
    int start = FSkinData.Measure(StartWithoutElement);
    const TDataSkinObject* element = FSkinData.MenuBar.get();
    if (element && !element->Bitmap.Empty()) {
        const int cell = FFrame.FActive ? ActiveCell : InactiveCell;
        const RECT margins{element->LeftWidth, 0, element->RightWidth, 0};
        if (element->Tile == 1) {
            DrawElement(bar, r, element->Bitmap, true, false, false, BarCells, cell, margins);
        } else {
            DrawStrip(bar, r, element->Bitmap, true, false, BarCells, cell, margins);
        }
        start = mirrored ? element->RightWidth + FSkinData.Measure(StartPastRightEnd)
                         : element->LeftWidth + FSkinData.Measure(StartPastLeftEnd);
        if (start > w) {
            start = FSkinData.Measure(StartInNarrowBar);
        }
    } else {
        const tk::OwnedBrush fill(CreateSolidBrush(ResolveColour(FSkinData.MenubarColour)));
        FillRect(bar, &r, fill.get());
    }
    FBarRect = rect;
    if (FBarBitmap.Width() != w || FBarBitmap.Height() != h) {
        FBarBitmap.SetSize(w, h, TrueColourBits);
    }
    {
        tk::BitmapDC copy(NativeBitmap(FBarBitmap));
        BitBlt(copy, 0, 0, w, h, bar, 0, 0, SRCCOPY);
    }
    tk::OwnedFont font = SystemMenuFont();
    tk::SelectedObject selected(bar, font.get());
    const COLORREF text = ResolveColour(FSkinData.MenuBarTextColour);
    int x = mirrored ? w - start : start;
    for (const auto& button : FButtons) {
        if (!button->FVisible) {
            button->FRect = {};
            continue;
        }
        int width = CaptionWidth(bar, button->FCaption);
        if (width > 0) {
            width += FSkinData.Measure(CaptionRoom);
        }
        const RECT cell = mirrored ? RECT{x - width, 0, x, h - 1} : RECT{x, 0, x + width, h - 1};
        DrawMenuCaption(bar, cell, button->FCaption, button->FEnabled, text);
        button->FRect = cell;
        OffsetRect(&button->FRect, rect.left, rect.top);
        x += mirrored ? -width : width;
    }
    PaintMdiButtons(bar, rect);
    BitBlt(dc, rect.left, rect.top, w, h, bar, 0, 0, SRCCOPY);
}

// A maximised MDI child's buttons, where the caption buttons' layout put
// them; the engine's MDI-maximised mode follows.
void TWinSkinMenu::PaintMdiButtons(HDC bar, const RECT& rect) {
    if (!FFrame.HasMaximizedMdiChild()) {
        return;
    }
    for (const auto& button : FFrame.FSysButtons) {
        const TDataSkinSysButton& e = button->FElement;
        if (e.Visibility == visibility::MdiChild && button->FVisible && !e.Bitmap.Empty()) {
            RECT at = button->FRect;
            OffsetRect(&at, -rect.left, -rect.top);
            DrawFrameCell(bar, at, e.Bitmap, true, e.Frame, button_cell::Normal);
        }
    }
    if (SkinManager && !SkinManager->MdiMaximized()) {
        SkinManager->SetMdiMax(true);
    }
}

} // namespace skin
