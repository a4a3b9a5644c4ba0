#include "toolkit/TabSet.h"

#include "toolkit/FocusCue.h"
#include "toolkit/MessageCrackers.h"
#include "toolkit/Text.h"
#include "toolkit/UpDown.h"

#include <algorithm>
#include <iterator>

namespace tk {
namespace {

constexpr int DefaultWidth = 185;
constexpr int DefaultHeight = 21;
constexpr int DefaultStartMargin = 5;
// Room for the scroller at the end of the row, with kTabSetScrollerRoom.
constexpr int DefaultEndMargin = 20;
// A tab's sides lean in by this much from its top to its bottom.
constexpr int TabSlant = 3;
// The tabs end this far above the control's bottom edge.
constexpr int TabBottomGap = 2;

} // namespace

std::vector<TabSlot> LayoutTabSet(std::span<const int> textWidths, int first, int start, int limit,
                                  bool scrollerShown) {
    std::vector<TabSlot> slots;
    const int reserve = TabSetTabPadding + (scrollerShown ? TabSetScrollerRoom : 0);
    int x = start;
    for (int i = std::max(first, 0); i < int(textWidths.size()); ++i) {
        const int width = textWidths[size_t(i)];
        if (x + width + reserve > limit) {
            continue;
        }
        slots.push_back({i, x, x + width + TabSetTabPadding});
        x += width + TabSetTabPadding;
    }
    return slots;
}

const ClassInfo& TabSet::StaticClass() {
    static const ClassInfo info =
        ClassInfo::Make<TabSet>("TTabSet", &WinControl::StaticClass(), [](auto& p) {
            p.StringList("Tabs", &TabSet::Tabs, &TabSet::SetTabs);
            p.Integer("TabIndex", &TabSet::TabIndex, &TabSet::SetTabIndex);
            p.Integer("FirstIndex", &TabSet::FirstIndex, &TabSet::SetFirstIndex);
            p.Integer("StartMargin", &TabSet::StartMargin, &TabSet::SetStartMargin);
            p.Integer("EndMargin", &TabSet::EndMargin, &TabSet::SetEndMargin);
            p.Event("OnChange", &TabSet::OnChange);
        });
    return info;
}

TabSet::TabSet(Component* owner)
    : WinControl(owner), startMargin_(DefaultStartMargin), endMargin_(DefaultEndMargin),
      scroller_(new UpDown(this)) {
    SetBounds(0, 0, DefaultWidth, DefaultHeight);
    SetParentColor(true);
    SetTabStop(true);
    scroller_->SetOrientation(Orientation::Horizontal);
    scroller_->SetVisible(false);
    scroller_->SetParent(this);
    scroller_->OnChange = [this](Component&) { OnScroll(); };
}

void TabSet::FillCreateParams(CreateParams& params) {
    WinControl::FillCreateParams(params);
    params.className = L"TTabSet";
    params.ownClass = true;
}

void TabSet::HandleCreated() {
    UpdateScroller();
}

void TabSet::Loaded() {
    WinControl::Loaded();
    tabIndex_ = std::clamp(tabIndex_, NoIndex, int(tabs_.size()) - 1);
    firstIndex_ = std::clamp(firstIndex_, 0, std::max(int(tabs_.size()) - 1, 0));
    UpdateScroller();
}

void TabSet::SetTabs(const std::vector<std::string>& tabs) {
    tabs_ = tabs;
    if (!IsLoading()) {
        tabIndex_ = std::min(tabIndex_, int(tabs_.size()) - 1);
        firstIndex_ = std::clamp(firstIndex_, 0, std::max(int(tabs_.size()) - 1, 0));
    }
    UpdateScroller();
    Invalidate();
}

void TabSet::SetTabIndex(int index) {
    if (!IsLoading()) {
        index = std::clamp(index, -1, int(tabs_.size()) - 1);
    }
    if (ChangeValue(tabIndex_, index)) {
        Invalidate();
    }
}

void TabSet::SetFirstIndex(int index) {
    if (!IsLoading()) {
        index = std::clamp(index, 0, std::max(int(tabs_.size()) - 1, 0));
    }
    if (ChangeValue(firstIndex_, index)) {
        UpdateScroller();
        Invalidate();
    }
}

void TabSet::SetStartMargin(int margin) {
    if (ChangeValue(startMargin_, std::max(margin, 0))) {
        UpdateScroller();
        Invalidate();
    }
}

void TabSet::SetEndMargin(int margin) {
    if (ChangeValue(endMargin_, std::max(margin, 0))) {
        UpdateScroller();
        Invalidate();
    }
}

bool TabSet::ScrollerShown() const {
    return scroller_->Visible();
}

std::vector<int> TabSet::TextWidths() {
    std::vector<int> widths;
    const WindowDC screen = WindowDC::Client(nullptr);
    const SelectedObject font(screen, Font().Handle());
    for (const std::string& tab : tabs_) {
        const std::wstring text = Widen(tab);
        SIZE size{};
        GetTextExtentPoint32W(screen, text.c_str(), int(text.size()), &size);
        widths.push_back(size.cx);
    }
    return widths;
}

std::vector<TabSlot> TabSet::TabSlots() {
    return LayoutTabSet(TextWidths(), firstIndex_, startMargin_, RowLimit(), ScrollerShown());
}

int TabSet::ItemAtPos(POINT client) {
    if (client.y < 0 || client.y >= Height()) {
        return -1;
    }
    for (const TabSlot& slot : TabSlots()) {
        if (client.x >= slot.left && client.x < slot.right) {
            return slot.index;
        }
    }
    return -1;
}

void TabSet::UpdateScroller() {
    if (IsLoading() || IsDestroying()) {
        return;
    }
    const std::vector<int> widths = TextWidths();
    const bool allFit =
        LayoutTabSet(widths, 0, startMargin_, RowLimit(), false).size() == tabs_.size();
    if (allFit) {
        firstIndex_ = 0;
    }
    const int scrollerWidth = endMargin_ + TabSetScrollerRoom;
    scroller_->SetBounds(Width() - scrollerWidth, 0, scrollerWidth, Height() - TabBottomGap);
    scroller_->SetMax(std::max(int(tabs_.size()) - 1, 0));
    scroller_->SetPosition(firstIndex_);
    scroller_->SetVisible(!allFit);
}

void TabSet::OnScroll() {
    SetFirstIndex(scroller_->Position());
}

void TabSet::FontChanged() {
    WinControl::FontChanged();
    UpdateScroller();
}

void TabSet::BoundsChanged(const RECT& oldBounds) {
    WinControl::BoundsChanged(oldBounds);
    UpdateScroller();
}

void TabSet::PaintWindow(HDC dc) {
    WinControl::PaintWindow(dc);
    // The edge of the notebook the tabs hang from.
    const OwnedPen edge(CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNSHADOW)));
    {
        const SelectedObject pen(dc, edge.get());
        MoveToEx(dc, 0, 0, nullptr);
        LineTo(dc, Width(), 0);
    }
    const std::vector<TabSlot> slots = TabSlots();
    const TabSlot* selected = nullptr;
    for (const TabSlot& slot : slots) {
        if (slot.index == tabIndex_) {
            selected = &slot;
        } else {
            PaintTab(dc, slot, false);
        }
    }
    // Over its neighbours.
    if (selected) {
        PaintTab(dc, *selected, true);
    }
}

void TabSet::PaintTab(HDC dc, const TabSlot& slot, bool selected) {
    const int bottom = Height() - TabBottomGap;
    const POINT outline[] = {{slot.left, 0},
                             {slot.left + TabSlant, bottom},
                             {slot.right - TabSlant, bottom},
                             {slot.right, 0}};
    const COLORREF face = selected ? GetSysColor(COLOR_WINDOW) : ResolveColour(GetColor());
    const OwnedBrush fill(CreateSolidBrush(face));
    const OwnedPen line(CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNSHADOW)));
    {
        const SelectedObject brush(dc, fill.get());
        const SelectedObject pen(dc, line.get());
        Polygon(dc, outline, int(std::size(outline)));
    }
    if (selected) {
        // Open to the notebook above: no edge along its top.
        const OwnedPen facePen(CreatePen(PS_SOLID, 1, face));
        const SelectedObject pen(dc, facePen.get());
        MoveToEx(dc, slot.left + 1, 0, nullptr);
        LineTo(dc, slot.right, 0);
    }
    Canvas canvas(dc);
    canvas.Font() = Font();
    canvas.Font().SetColor(Enabled() ? Font().GetColor() : clGrayText);
    SetBkMode(dc, TRANSPARENT);
    RECT text{slot.left, 0, slot.right, bottom};
    canvas.DrawText(tabs_[size_t(slot.index)], text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    if (selected && Focused() && FocusCuesShown(Handle())) {
        RECT cue{slot.left + TabSlant + 1, 1, slot.right - TabSlant - 1, bottom - 1};
        DrawFocusRect(dc, &cue);
    }
}

void TabSet::WndProc(Message& message) {
    switch (message.msg) {
    case WM_LBUTTONDOWN:
        TabPressed(crack::MousePoint(message));
        break;
    case WM_GETDLGCODE:
        message.result = DLGC_WANTARROWS;
        return;
    case WM_KEYDOWN:
        if (message.wParam == VK_LEFT || message.wParam == VK_RIGHT) {
            SelectBy(message.wParam == VK_LEFT ? -1 : 1);
            message.result = 0;
            return;
        }
        break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_UPDATEUISTATE:
        // The selected tab's focus cue comes or goes.
        Invalidate();
        break;
    default:
        break;
    }
    WinControl::WndProc(message);
}

void TabSet::SelectBy(int step) {
    const int index = std::clamp(tabIndex_ + step, 0, int(tabs_.size()) - 1);
    if (tabs_.empty() || index == tabIndex_) {
        return;
    }
    SetTabIndex(index);
    BringIntoRow(index);
    if (OnChange) {
        OnChange(*this);
    }
}

void TabSet::BringIntoRow(int index) {
    if (index < firstIndex_) {
        SetFirstIndex(index);
        return;
    }
    const auto inRow = [&] {
        const std::vector<TabSlot> slots = TabSlots();
        return std::any_of(slots.begin(), slots.end(),
                           [&](const TabSlot& slot) { return slot.index == index; });
    };
    while (!inRow() && firstIndex_ < index) {
        SetFirstIndex(firstIndex_ + 1);
    }
}

// Pressing a tab other than the current one selects it.
void TabSet::TabPressed(POINT client) {
    const int hit = ItemAtPos(client);
    if (hit >= 0 && hit != tabIndex_) {
        SetTabIndex(hit);
        if (OnChange) {
            OnChange(*this);
        }
    }
}

} // namespace tk
