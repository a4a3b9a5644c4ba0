#include "toolkit/StdCtrls.h"

#include "toolkit/Notifications.h"
#include "toolkit/Text.h"

#include <algorithm>

namespace tk {
namespace {

const EnumInfo kCheckState{"TCheckBoxState", {"cbUnchecked", "cbChecked", "cbGrayed"}};
const EnumInfo kScrollStyle{"TScrollStyle", {"ssNone", "ssHorizontal", "ssVertical", "ssBoth"}};
const EnumInfo kComboStyle{"TComboBoxStyle", {"csDropDown", "csSimple", "csDropDownList"}};
const EnumInfo kScrollBarKind{"TScrollBarKind", {"sbHorizontal", "sbVertical"}};

UINT CommandCode(const Message& m) {
    return HIWORD(m.wParam);
}

} // namespace

// ---- Button

const ClassInfo& Button::StaticClass() {
    static const ClassInfo info =
        ClassInfo::Make<Button>("TButton", &WinControl::StaticClass(), [](auto& p) {
            p.String("Caption", &Button::Caption, &Button::SetCaption);
            p.Boolean("Default", &Button::Default, &Button::SetDefault);
            p.Boolean("Cancel", &Button::Cancel, &Button::SetCancel);
        });
    return info;
}

Button::Button(Component* owner) : WinControl(owner) {
    SetBounds(0, 0, 75, 25);
    SetTabStop(true);
}

void Button::SetDefault(bool isDefault) {
    default_ = isDefault;
    SetActive(isDefault || Focused());
}

void Button::SetActive(bool active) {
    if (active == active_) {
        return;
    }
    active_ = active;
    if (!HandleAllocated()) {
        return;
    }
    if ((Style() & BS_TYPEMASK) == BS_OWNERDRAW) {
        Invalidate();
    } else {
        SendMessageW(Handle(), BM_SETSTYLE, active ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
    }
}

void Button::FocusChanged(WinControl* focused) {
    SetActive(focused == this || (default_ && !dynamic_cast<Button*>(focused)));
}

void Button::FillCreateParams(CreateParams& params) {
    WinControl::FillCreateParams(params);
    params.className = L"BUTTON";
    params.style |= active_ ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
}

void Button::WndProc(Message& m) {
    if (m.msg == kReflectedCommand && CommandCode(m) == BN_CLICKED) {
        Click();
        return;
    }
    WinControl::WndProc(m);
}

// ---- BitBtn

const ClassInfo& BitBtn::StaticClass() {
    static const ClassInfo info =
        ClassInfo::Make<BitBtn>("TBitBtn", &Button::StaticClass(), [](auto& p) {
            p.Object("Glyph", [](BitBtn& b) -> tk::Bitmap& { return b.Glyph(); });
            p.Integer("NumGlyphs", &BitBtn::NumGlyphs, &BitBtn::SetNumGlyphs);
            p.template Enumeration<ButtonLayout>("Layout", kButtonLayoutEnum, &BitBtn::Layout,
                                                 &BitBtn::SetLayout);
            p.Integer("Margin", &BitBtn::Margin, &BitBtn::SetMargin);
            p.Integer("Spacing", &BitBtn::Spacing, &BitBtn::SetSpacing);
        });
    return info;
}

BitBtn::BitBtn(Component* owner) : Button(owner) {
    glyph_.OnChange = [this] { Invalidate(); };
}

void BitBtn::SetNumGlyphs(int count) {
    numGlyphs_ = std::clamp(count, 1, 4);
    Invalidate();
}
void BitBtn::SetLayout(ButtonLayout layout) {
    layout_ = layout;
    Invalidate();
}
void BitBtn::SetMargin(int margin) {
    margin_ = margin;
    Invalidate();
}
void BitBtn::SetSpacing(int spacing) {
    spacing_ = spacing;
    Invalidate();
}

void BitBtn::FillCreateParams(CreateParams& params) {
    Button::FillCreateParams(params);
    params.style = (params.style & ~(BS_DEFPUSHBUTTON | BS_PUSHBUTTON)) | BS_OWNERDRAW;
}

void BitBtn::DrawItem(const DRAWITEMSTRUCT& item) {
    Canvas canvas(item.hDC);
    canvas.Font() = Font();
    RECT rect = item.rcItem;
    bool pressed = (item.itemState & ODS_SELECTED) != 0;
    bool focused = (item.itemState & ODS_FOCUS) != 0;
    canvas.Brush().SetColor(GetColor());
    canvas.FillRect(rect);
    if (Active() || focused) {
        FrameRect(item.hDC, &rect, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        InflateRect(&rect, -1, -1);
    }
    DrawFrameControl(item.hDC, &rect, DFC_BUTTON, DFCS_BUTTONPUSH | (pressed ? DFCS_PUSHED : 0));
    ButtonFace face{&glyph_, numGlyphs_, layout_, margin_, spacing_, Caption()};
    GlyphState state = !Enabled() ? GlyphState::Disabled
                       : pressed  ? GlyphState::Down
                                  : GlyphState::Up;
    DrawButtonFace(canvas, rect, face, state, pressed ? 1 : 0);
    if (focused && !(item.itemState & ODS_NOFOCUSRECT)) {
        RECT focus = rect;
        InflateRect(&focus, -3, -3);
        DrawFocusRect(item.hDC, &focus);
    }
}

void BitBtn::WndProc(Message& m) {
    if (m.msg == kReflectedDrawItem) {
        DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(m.lParam));
        m.result = TRUE;
        return;
    }
    Button::WndProc(m);
}

// ---- CheckBox

const ClassInfo& CheckBox::StaticClass() {
    static const ClassInfo info =
        ClassInfo::Make<CheckBox>("TCheckBox", &WinControl::StaticClass(), [](auto& p) {
            p.String("Caption", &CheckBox::Caption, &CheckBox::SetCaption);
            p.Boolean("Checked", &CheckBox::Checked, &CheckBox::SetChecked);
            p.template Enumeration<CheckState>("State", kCheckState, &CheckBox::State,
                                               &CheckBox::SetState);
            p.Boolean("AllowGrayed", &CheckBox::AllowGrayed, &CheckBox::SetAllowGrayed);
            p.template Enumeration<tk::Alignment>("Alignment", kAlignmentEnum, &CheckBox::Alignment,
                                                  &CheckBox::SetAlignment);
        });
    return info;
}

CheckBox::CheckBox(Component* owner) : WinControl(owner) {
    SetBounds(0, 0, 97, 17);
    SetParentColor(true);
    SetTabStop(true);
}

void CheckBox::FillCreateParams(CreateParams& params) {
    WinControl::FillCreateParams(params);
    params.className = L"BUTTON";
    params.style |= allowGrayed_ ? BS_AUTO3STATE : BS_AUTOCHECKBOX;
    if (alignment_ == tk::Alignment::Left) {
        params.style |= BS_LEFTTEXT;
    }
}

void CheckBox::HandleCreated() {
    SendMessageW(Handle(), BM_SETCHECK, static_cast<WPARAM>(state_), 0);
}

void CheckBox::SetState(CheckState state) {
    if (state == state_) {
        return;
    }
    state_ = state;
    if (HandleAllocated()) {
        SendMessageW(Handle(), BM_SETCHECK, static_cast<WPARAM>(state), 0);
    }
    Notify(*this, kNotifyCheckedChanged);
}

void CheckBox::SetAllowGrayed(bool allow) {
    allowGrayed_ = allow;
    if (HandleAllocated()) {
        SendMessageW(Handle(), BM_SETSTYLE, allow ? BS_AUTO3STATE : BS_AUTOCHECKBOX, TRUE);
    }
}

void CheckBox::SetAlignment(tk::Alignment alignment) {
    alignment_ = alignment;
    ChangeStyle(alignment == tk::Alignment::Left ? BS_LEFTTEXT : 0,
                alignment == tk::Alignment::Left ? 0 : BS_LEFTTEXT);
}

void CheckBox::WndProc(Message& m) {
    if (m.msg == kReflectedCommand && CommandCode(m) == BN_CLICKED) {
        state_ = static_cast<CheckState>(SendMessageW(Handle(), BM_GETCHECK, 0, 0));
        Click();
        return;
    }
    WinControl::WndProc(m);
}

// ---- RadioButton

const ClassInfo& RadioButton::StaticClass() {
    static const ClassInfo info =
        ClassInfo::Make<RadioButton>("TRadioButton", &WinControl::StaticClass(), [](auto& p) {
            p.String("Caption", &RadioButton::Caption, &RadioButton::SetCaption);
            p.Boolean("Checked", &RadioButton::Checked, &RadioButton::SetChecked);
        });
    return info;
}

RadioButton::RadioButton(Component* owner) : WinControl(owner) {
    SetBounds(0, 0, 113, 17);
    SetParentColor(true);
    SetTabStop(true);
}

void RadioButton::FillCreateParams(CreateParams& params) {
    WinControl::FillCreateParams(params);
    params.className = L"BUTTON";
    params.style |= BS_RADIOBUTTON;
}

void RadioButton::HandleCreated() {
    SendMessageW(Handle(), BM_SETCHECK, checked_ ? BST_CHECKED : 0, 0);
}

// Checking one radio button clears the others of the same parent.
void RadioButton::SetChecked(bool checked) {
    if (checked == checked_) {
        return;
    }
    checked_ = checked;
    if (HandleAllocated()) {
        SendMessageW(Handle(), BM_SETCHECK, checked ? BST_CHECKED : 0, 0);
    }
    if (checked && Parent()) {
        for (Control* sibling : Parent()->Controls()) {
            auto* other = dynamic_cast<RadioButton*>(sibling);
            if (other && other != this) {
                other->SetChecked(false);
            }
        }
    }
    Notify(*this, kNotifyCheckedChanged);
}

void RadioButton::WndProc(Message& m) {
    if (m.msg == kReflectedCommand && CommandCode(m) == BN_CLICKED) {
        SetChecked(true);
        Click();
        return;
    }
    WinControl::WndProc(m);
}

// ---- GroupBox

const ClassInfo& GroupBox::StaticClass() {
    static const ClassInfo info =
        ClassInfo::Make<GroupBox>("TGroupBox", &WinControl::StaticClass(), [](auto& p) {
            p.String("Caption", &GroupBox::Caption, &GroupBox::SetCaption);
        });
    return info;
}

GroupBox::GroupBox(Component* owner) : WinControl(owner) {
    SetBounds(0, 0, 185, 105);
    SetParentColor(true);
}

void GroupBox::FillCreateParams(CreateParams& params) {
    WinControl::FillCreateParams(params);
    params.className = L"BUTTON";
    params.style |= BS_GROUPBOX;
}

void GroupBox::WndProc(Message& m) {
    switch (m.msg) {
    case WM_NCHITTEST:
        // The system's group box lets the mouse through; controls inside want it.
        m.result = HTCLIENT;
        return;
    case WM_ERASEBKGND: {
        // Nor does it paint its inside.
        RECT client = ClientRect();
        FillRect(reinterpret_cast<HDC>(m.wParam), &client, ColorBrush());
        m.result = 1;
        return;
    }
    default:
        WinControl::WndProc(m);
    }
}

RECT GroupBox::AlignRect() {
    RECT r = ClientRect();
    int text = -Font().Height();
    r.top += text > 0 ? text + 2 : 16;
    InflateRect(&r, -2, 0);
    r.bottom -= 2;
    return r;
}

// ---- RadioGroup

const ClassInfo& RadioGroup::StaticClass() {
    static const ClassInfo info =
        ClassInfo::Make<RadioGroup>("TRadioGroup", &GroupBox::StaticClass(), [](auto& p) {
            p.StringList("Items", &RadioGroup::Items, &RadioGroup::SetItems);
            p.Integer("ItemIndex", &RadioGroup::ItemIndex, &RadioGroup::SetItemIndex);
            p.Integer("Columns", &RadioGroup::Columns, &RadioGroup::SetColumns);
        });
    return info;
}

RadioGroup::RadioGroup(Component* owner) : GroupBox(owner) {}

void RadioGroup::SetItems(const std::vector<std::string>& items) {
    items_ = items;
    RebuildButtons();
}

void RadioGroup::SetColumns(int columns) {
    columns_ = std::clamp(columns, 1, 16);
    ArrangeButtons();
}

void RadioGroup::SetItemIndex(int index) {
    if (index < -1 || index >= static_cast<int>(buttons_.size())) {
        index = -1;
    }
    itemIndex_ = index;
    for (size_t i = 0; i < buttons_.size(); ++i) {
        buttons_[i]->SetChecked(static_cast<int>(i) == index);
    }
}

// The buttons are components of the radio group, freed with it.
void RadioGroup::RebuildButtons() {
    std::vector<RadioButton*> old;
    old.swap(buttons_);
    for (RadioButton* button : old) {
        delete button;
    }
    for (const std::string& item : items_) {
        auto* button = new RadioButton(this);
        button->SetCaption(item);
        button->OnClick = [this, button](Component&) {
            auto it = std::find(buttons_.begin(), buttons_.end(), button);
            itemIndex_ = static_cast<int>(it - buttons_.begin());
            Click();
        };
        button->SetParent(this);
        buttons_.push_back(button);
    }
    ArrangeButtons();
    SetItemIndex(itemIndex_);
}

void RadioGroup::ArrangeButtons() {
    if (buttons_.empty()) {
        return;
    }
    RECT area = AlignRect();
    InflateRect(&area, -6, 0);
    int rows = (static_cast<int>(buttons_.size()) + columns_ - 1) / columns_;
    int columnWidth = static_cast<int>(area.right - area.left) / columns_;
    int rowHeight = std::max(1, static_cast<int>(area.bottom - area.top) / rows);
    for (size_t i = 0; i < buttons_.size(); ++i) {
        int column = static_cast<int>(i) / rows;
        int row = static_cast<int>(i) % rows;
        buttons_[i]->SetBounds(area.left + column * columnWidth, area.top + row * rowHeight,
                               columnWidth, std::min(rowHeight, 20));
    }
}

void RadioGroup::BoundsChanged(const RECT& oldBounds) {
    GroupBox::BoundsChanged(oldBounds);
    ArrangeButtons();
}

void RadioGroup::Notification(Component& component, Operation operation) {
    GroupBox::Notification(component, operation);
    if (operation == Operation::Remove) {
        buttons_.erase(std::remove(buttons_.begin(), buttons_.end(), &component), buttons_.end());
    }
}

// ---- Edit

const ClassInfo& Edit::StaticClass() {
    static const ClassInfo info =
        ClassInfo::Make<Edit>("TEdit", &WinControl::StaticClass(), [](auto& p) {
            p.String("Text", &Edit::Text, &Edit::SetText);
            p.Boolean("ReadOnly", &Edit::ReadOnly, &Edit::SetReadOnly);
            p.Integer("MaxLength", &Edit::MaxLength, &Edit::SetMaxLength);
            p.Event("OnChange", &Edit::OnChange);
        });
    return info;
}

Edit::Edit(Component* owner) : WinControl(owner) {
    SetBounds(0, 0, 121, 21);
    SetTabStop(true);
    SetColor(clWindow);
}

void Edit::FillCreateParams(CreateParams& params) {
    WinControl::FillCreateParams(params);
    params.className = L"EDIT";
    params.style |= ES_AUTOHSCROLL | (readOnly_ ? ES_READONLY : 0);
    params.exStyle |= WS_EX_CLIENTEDGE;
}

void Edit::HandleCreated() {
    if (maxLength_ > 0) {
        SendMessageW(Handle(), EM_SETLIMITTEXT, static_cast<WPARAM>(maxLength_), 0);
    }
}

void Edit::SetReadOnly(bool readOnly) {
    readOnly_ = readOnly;
    if (HandleAllocated()) {
        SendMessageW(Handle(), EM_SETREADONLY, readOnly, 0);
    }
}

void Edit::SetMaxLength(int length) {
    maxLength_ = std::max(length, 0);
    if (HandleAllocated()) {
        SendMessageW(Handle(), EM_SETLIMITTEXT, static_cast<WPARAM>(maxLength_), 0);
    }
}

void Edit::WndProc(Message& m) {
    if (m.msg == kReflectedCommand && CommandCode(m) == EN_CHANGE) {
        if (OnChange) {
            OnChange(*this);
        }
        return;
    }
    WinControl::WndProc(m);
}

// ---- Memo

const ClassInfo& Memo::StaticClass() {
    static const ClassInfo info = ClassInfo::Make<Memo>("TMemo", &Edit::StaticClass(), [](auto& p) {
        p.StringList("Lines", &Memo::Lines, &Memo::SetLines);
        p.template Enumeration<ScrollStyle>("ScrollBars", kScrollStyle, &Memo::ScrollBars,
                                            &Memo::SetScrollBars);
        p.Boolean("WordWrap", &Memo::WordWrap, &Memo::SetWordWrap);
        p.Boolean("WantReturns", &Memo::WantReturns, &Memo::SetWantReturns);
        p.Boolean("WantTabs", &Memo::WantTabs, &Memo::SetWantTabs);
    });
    return info;
}

Memo::Memo(Component* owner) : Edit(owner) {
    SetBounds(0, 0, 185, 89);
}

std::vector<std::string> Memo::Lines() const {
    std::vector<std::string> lines;
    std::string text = Caption();
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        std::string line =
            text.substr(start, end == std::string::npos ? std::string::npos : end - start);
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        lines.push_back(line);
        if (end == std::string::npos) {
            break;
        }
        start = end + 1;
    }
    return lines;
}

void Memo::SetLines(const std::vector<std::string>& lines) {
    std::string text;
    for (size_t i = 0; i < lines.size(); ++i) {
        text += (i ? "\r\n" : "") + lines[i];
    }
    SetCaption(text);
}

void Memo::FillCreateParams(CreateParams& params) {
    Edit::FillCreateParams(params);
    params.style &= ~ES_AUTOHSCROLL;
    params.style |= ES_MULTILINE | ES_AUTOVSCROLL | (wantReturns_ ? ES_WANTRETURN : 0);
    if (!wordWrap_) {
        params.style |= ES_AUTOHSCROLL;
    }
    if (scrollBars_ == ScrollStyle::Horizontal || scrollBars_ == ScrollStyle::Both) {
        params.style |= WS_HSCROLL;
    }
    if (scrollBars_ == ScrollStyle::Vertical || scrollBars_ == ScrollStyle::Both) {
        params.style |= WS_VSCROLL;
    }
}

void Memo::SetScrollBars(ScrollStyle style) {
    scrollBars_ = style;
    if (HandleAllocated()) {
        bool horizontal = style == ScrollStyle::Horizontal || style == ScrollStyle::Both;
        bool vertical = style == ScrollStyle::Vertical || style == ScrollStyle::Both;
        ShowScrollBar(Handle(), SB_HORZ, horizontal);
        ShowScrollBar(Handle(), SB_VERT, vertical);
    }
}

void Memo::SetWordWrap(bool wordWrap) {
    wordWrap_ = wordWrap;
}

void Memo::SetWantReturns(bool want) {
    wantReturns_ = want;
    ChangeStyle(want ? ES_WANTRETURN : 0, want ? 0 : ES_WANTRETURN);
}

// The keys a memo keeps follow its properties. The native edit is asked
// without the key message: told of one, it takes its parent for a dialog and
// acts on Escape and Tab itself.
void Memo::WndProc(Message& m) {
    if (m.msg != WM_GETDLGCODE) {
        Edit::WndProc(m);
        return;
    }
    Message native{WM_GETDLGCODE, m.wParam, 0, 0};
    DefaultHandler(native);
    auto code = static_cast<UINT>(native.result) &
                ~static_cast<UINT>(DLGC_WANTALLKEYS | DLGC_WANTTAB | DLGC_WANTMESSAGE);
    if (wantTabs_) {
        code |= DLGC_WANTTAB;
    }
    const auto* key = reinterpret_cast<const MSG*>(m.lParam);
    if (wantReturns_ && key && key->message == WM_KEYDOWN && key->wParam == VK_RETURN) {
        code |= DLGC_WANTMESSAGE;
    }
    m.result = code;
}

// ---- ComboBox

const ClassInfo& ComboBox::StaticClass() {
    static const ClassInfo info =
        ClassInfo::Make<ComboBox>("TComboBox", &WinControl::StaticClass(), [](auto& p) {
            p.template Enumeration<ComboStyle>("Style", kComboStyle, &ComboBox::Style,
                                               &ComboBox::SetStyle);
            p.StringList("Items", &ComboBox::Items, &ComboBox::SetItems);
            p.Integer("ItemIndex", &ComboBox::ItemIndex, &ComboBox::SetItemIndex);
            p.String("Text", &ComboBox::Text, &ComboBox::SetText);
            p.Event("OnChange", &ComboBox::OnChange);
        });
    return info;
}

ComboBox::ComboBox(Component* owner) : WinControl(owner) {
    SetBounds(0, 0, 145, 21);
    SetTabStop(true);
    SetColor(clWindow);
}

void ComboBox::FillCreateParams(CreateParams& params) {
    WinControl::FillCreateParams(params);
    params.className = L"COMBOBOX";
    params.style |= WS_VSCROLL | CBS_AUTOHSCROLL;
    switch (style_) {
    case ComboStyle::DropDown:
        params.style |= CBS_DROPDOWN;
        break;
    case ComboStyle::Simple:
        params.style |= CBS_SIMPLE;
        break;
    case ComboStyle::DropDownList:
        params.style |= CBS_DROPDOWNLIST;
        break;
    }
}

void ComboBox::HandleCreated() {
    for (const std::string& item : items_) {
        SendMessageW(Handle(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(item).c_str()));
    }
    SendMessageW(Handle(), CB_SETCURSEL, static_cast<WPARAM>(itemIndex_), 0);
    // The window's height includes the list that drops down.
    if (style_ != ComboStyle::Simple) {
        SetWindowPos(Handle(), nullptr, 0, 0, Width(), Height() + 200, SWP_NOMOVE | SWP_NOZORDER);
    }
}

void ComboBox::SetStyle(ComboStyle style) {
    style_ = style;
}

void ComboBox::SetItems(const std::vector<std::string>& items) {
    items_ = items;
    if (HandleAllocated()) {
        SendMessageW(Handle(), CB_RESETCONTENT, 0, 0);
        HandleCreated();
    }
}

int ComboBox::ItemIndex() const {
    if (auto* self = const_cast<ComboBox*>(this); self->HandleAllocated()) {
        return static_cast<int>(SendMessageW(self->Handle(), CB_GETCURSEL, 0, 0));
    }
    return itemIndex_;
}

void ComboBox::SetItemIndex(int index) {
    itemIndex_ = (index >= 0 && index < static_cast<int>(items_.size())) ? index : -1;
    if (HandleAllocated()) {
        SendMessageW(Handle(), CB_SETCURSEL, static_cast<WPARAM>(itemIndex_), 0);
    } else if (itemIndex_ >= 0) {
        StoreCaption(items_[static_cast<size_t>(itemIndex_)]);
    }
}

void ComboBox::WndProc(Message& m) {
    if (m.msg == kReflectedCommand &&
        (CommandCode(m) == CBN_EDITCHANGE || CommandCode(m) == CBN_SELCHANGE)) {
        itemIndex_ = static_cast<int>(SendMessageW(Handle(), CB_GETCURSEL, 0, 0));
        if (OnChange) {
            OnChange(*this);
        }
        return;
    }
    WinControl::WndProc(m);
}

// ---- ScrollBar

const ClassInfo& ScrollBar::StaticClass() {
    static const ClassInfo info =
        ClassInfo::Make<ScrollBar>("TScrollBar", &WinControl::StaticClass(), [](auto& p) {
            p.template Enumeration<ScrollBarKind>("Kind", kScrollBarKind, &ScrollBar::Kind,
                                                  &ScrollBar::SetKind);
            p.Integer("Min", &ScrollBar::Min, &ScrollBar::SetMin);
            p.Integer("Max", &ScrollBar::Max, &ScrollBar::SetMax);
            p.Integer("Position", &ScrollBar::Position, &ScrollBar::SetPosition);
            p.Integer("PageSize", &ScrollBar::PageSize, &ScrollBar::SetPageSize);
            p.Integer("SmallChange", &ScrollBar::SmallChange, &ScrollBar::SetSmallChange);
            p.Integer("LargeChange", &ScrollBar::LargeChange, &ScrollBar::SetLargeChange);
            p.Event("OnChange", &ScrollBar::OnChange);
        });
    return info;
}

ScrollBar::ScrollBar(Component* owner) : WinControl(owner) {
    SetBounds(0, 0, 121, 17);
}

void ScrollBar::FillCreateParams(CreateParams& params) {
    WinControl::FillCreateParams(params);
    params.className = L"SCROLLBAR";
    params.style |= kind_ == ScrollBarKind::Vertical ? SBS_VERT : SBS_HORZ;
}

void ScrollBar::HandleCreated() {
    PushScrollInfo();
}

void ScrollBar::PushScrollInfo() {
    if (!HandleAllocated()) {
        return;
    }
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    info.nMin = min_;
    info.nMax = max_;
    info.nPage = static_cast<UINT>(pageSize_);
    info.nPos = position_;
    SetScrollInfo(Handle(), SB_CTL, &info, TRUE);
}

void ScrollBar::SetKind(ScrollBarKind kind) {
    kind_ = kind;
    ChangeStyle(kind == ScrollBarKind::Vertical ? SBS_VERT : SBS_HORZ,
                kind == ScrollBarKind::Vertical ? SBS_HORZ : SBS_VERT);
}

void ScrollBar::SetMin(int min) {
    min_ = min;
    PushScrollInfo();
}
void ScrollBar::SetMax(int max) {
    max_ = max;
    PushScrollInfo();
}
void ScrollBar::SetPageSize(int pageSize) {
    pageSize_ = std::max(pageSize, 0);
    PushScrollInfo();
}

void ScrollBar::SetPosition(int position) {
    int highest = pageSize_ > 0 ? max_ - pageSize_ + 1 : max_;
    position = std::clamp(position, min_, std::max(min_, highest));
    if (position == position_) {
        return;
    }
    position_ = position;
    PushScrollInfo();
    if (OnChange) {
        OnChange(*this);
    }
}

void ScrollBar::WndProc(Message& m) {
    if (m.msg == kReflectedHScroll || m.msg == kReflectedVScroll) {
        int page = largeChange_;
        switch (LOWORD(m.wParam)) {
        case SB_LINEUP:
            SetPosition(position_ - smallChange_);
            break;
        case SB_LINEDOWN:
            SetPosition(position_ + smallChange_);
            break;
        case SB_PAGEUP:
            SetPosition(position_ - page);
            break;
        case SB_PAGEDOWN:
            SetPosition(position_ + page);
            break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION:
            SetPosition(static_cast<short>(HIWORD(m.wParam)));
            break;
        case SB_TOP:
            SetPosition(min_);
            break;
        case SB_BOTTOM:
            SetPosition(max_);
            break;
        default:
            break;
        }
        m.result = 0;
        return;
    }
    WinControl::WndProc(m);
}

} // namespace tk
