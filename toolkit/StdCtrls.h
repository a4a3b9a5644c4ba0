// Standard controls over the system's BUTTON, EDIT, COMBOBOX and SCROLLBAR
// window classes: push and bitmap buttons, check boxes, radio buttons, group
// boxes and radio groups, edits, memos, combo boxes and scroll bars.
#pragma once

#include "toolkit/ButtonFace.h"
#include "toolkit/WinControl.h"

#include <string>
#include <vector>

namespace tk {

class Button : public WinControl {
    TK_CLASS(Button)

public:
    explicit Button(Component* owner);
    bool Default() const { return default_; }
    void SetDefault(bool isDefault);
    bool Cancel() const { return cancel_; }
    void SetCancel(bool cancel) { cancel_ = cancel; }

protected:
    void FillCreateParams(CreateParams& params) override;
    void WndProc(Message& message) override;
    void FocusChanged(WinControl* focused) override;
    // Drawn as the button Enter clicks: the focused push button, or the
    // Default one while the focus is on a control that is no push button.
    bool Active() const { return active_; }

private:
    void SetActive(bool active);
    bool default_ = false;
    bool cancel_ = false;
    bool active_ = false;
};

// A push button drawn by the toolkit with a glyph beside its caption.
class BitBtn : public Button {
    TK_CLASS(BitBtn)

public:
    explicit BitBtn(Component* owner);
    tk::Bitmap& Glyph() { return glyph_; }
    int NumGlyphs() const { return numGlyphs_; }
    void SetNumGlyphs(int count);
    ButtonLayout Layout() const { return layout_; }
    void SetLayout(ButtonLayout layout);
    int Margin() const { return margin_; }
    void SetMargin(int margin);
    int Spacing() const { return spacing_; }
    void SetSpacing(int spacing);

protected:
    void FillCreateParams(CreateParams& params) override;
    void WndProc(Message& message) override;

private:
    void DrawItem(const DRAWITEMSTRUCT& item);
    tk::Bitmap glyph_;
    int numGlyphs_ = 1;
    ButtonLayout layout_ = ButtonLayout::GlyphLeft;
    int margin_ = -1;
    int spacing_ = 4;
};

enum class CheckState { Unchecked, Checked, Grayed };

class CheckBox : public WinControl {
    TK_CLASS(CheckBox)

public:
    explicit CheckBox(Component* owner);
    CheckState State() const { return state_; }
    void SetState(CheckState state);
    bool Checked() const { return state_ == CheckState::Checked; }
    void SetChecked(bool checked) {
        SetState(checked ? CheckState::Checked : CheckState::Unchecked);
    }
    bool AllowGrayed() const { return allowGrayed_; }
    void SetAllowGrayed(bool allow);
    // taLeftJustify puts the caption left of the box.
    tk::Alignment Alignment() const { return alignment_; }
    void SetAlignment(tk::Alignment alignment);

protected:
    void FillCreateParams(CreateParams& params) override;
    void HandleCreated() override;
    void WndProc(Message& message) override;

private:
    CheckState state_ = CheckState::Unchecked;
    bool allowGrayed_ = false;
    tk::Alignment alignment_ = tk::Alignment::Right;
};

class RadioButton : public WinControl {
    TK_CLASS(RadioButton)

public:
    explicit RadioButton(Component* owner);
    bool Checked() const { return checked_; }
    void SetChecked(bool checked);

protected:
    void FillCreateParams(CreateParams& params) override;
    void HandleCreated() override;
    void WndProc(Message& message) override;

private:
    bool checked_ = false;
};

class GroupBox : public WinControl {
    TK_CLASS(GroupBox)

public:
    explicit GroupBox(Component* owner);

protected:
    void FillCreateParams(CreateParams& params) override;
    void WndProc(Message& message) override;
    RECT AlignRect() override;
};

// A group box holding one radio button per line of Items.
class RadioGroup : public GroupBox {
    TK_CLASS(RadioGroup)

public:
    explicit RadioGroup(Component* owner);
    const std::vector<std::string>& Items() const { return items_; }
    void SetItems(const std::vector<std::string>& items);
    int ItemIndex() const { return itemIndex_; }
    void SetItemIndex(int index);
    int Columns() const { return columns_; }
    void SetColumns(int columns);
    const std::vector<RadioButton*>& Buttons() const { return buttons_; }

protected:
    void BoundsChanged(const RECT& oldBounds) override;
    void Notification(Component& component, Operation operation) override;

private:
    void RebuildButtons();
    void ArrangeButtons();
    std::vector<std::string> items_;
    std::vector<RadioButton*> buttons_;
    int itemIndex_ = -1;
    int columns_ = 1;
};

class Edit : public WinControl {
    TK_CLASS(Edit)

public:
    explicit Edit(Component* owner);
    std::string Text() const { return Caption(); }
    void SetText(const std::string& text) { SetCaption(text); }
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool readOnly);
    int MaxLength() const { return maxLength_; }
    void SetMaxLength(int length);
    NotifyEvent OnChange;

protected:
    void FillCreateParams(CreateParams& params) override;
    void HandleCreated() override;
    void WndProc(Message& message) override;

private:
    bool readOnly_ = false;
    int maxLength_ = 0;
};

enum class ScrollStyle { None, Horizontal, Vertical, Both };

class Memo : public Edit {
    TK_CLASS(Memo)

public:
    explicit Memo(Component* owner);
    std::vector<std::string> Lines() const;
    void SetLines(const std::vector<std::string>& lines);
    ScrollStyle ScrollBars() const { return scrollBars_; }
    void SetScrollBars(ScrollStyle style);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool wordWrap);
    // Enter starts a new line (else it reaches the form's default button);
    // Tab types a tab (else it moves the focus on).
    bool WantReturns() const { return wantReturns_; }
    void SetWantReturns(bool want);
    bool WantTabs() const { return wantTabs_; }
    void SetWantTabs(bool want) { wantTabs_ = want; }

protected:
    void FillCreateParams(CreateParams& params) override;
    void WndProc(Message& message) override;

private:
    ScrollStyle scrollBars_ = ScrollStyle::None;
    bool wordWrap_ = true;
    bool wantReturns_ = true;
    bool wantTabs_ = false;
};

enum class ComboStyle { DropDown, Simple, DropDownList };

class ComboBox : public WinControl {
    TK_CLASS(ComboBox)

public:
    explicit ComboBox(Component* owner);
    ComboStyle Style() const { return style_; }
    void SetStyle(ComboStyle style);
    const std::vector<std::string>& Items() const { return items_; }
    void SetItems(const std::vector<std::string>& items);
    int ItemIndex() const;
    void SetItemIndex(int index);
    std::string Text() const { return Caption(); }
    void SetText(const std::string& text) { SetCaption(text); }
    NotifyEvent OnChange;

protected:
    void FillCreateParams(CreateParams& params) override;
    void HandleCreated() override;
    void WndProc(Message& message) override;

private:
    ComboStyle style_ = ComboStyle::DropDown;
    std::vector<std::string> items_;
    int itemIndex_ = -1;
};

enum class ScrollBarKind { Horizontal, Vertical };

class ScrollBar : public WinControl {
    TK_CLASS(ScrollBar)

public:
    explicit ScrollBar(Component* owner);
    ScrollBarKind Kind() const { return kind_; }
    void SetKind(ScrollBarKind kind);
    int Min() const { return min_; }
    void SetMin(int min);
    int Max() const { return max_; }
    void SetMax(int max);
    int Position() const { return position_; }
    void SetPosition(int position);
    int PageSize() const { return pageSize_; }
    void SetPageSize(int pageSize);
    int SmallChange() const { return smallChange_; }
    void SetSmallChange(int change) { smallChange_ = change; }
    int LargeChange() const { return largeChange_; }
    void SetLargeChange(int change) { largeChange_ = change; }
    NotifyEvent OnChange;

protected:
    void FillCreateParams(CreateParams& params) override;
    void HandleCreated() override;
    void WndProc(Message& message) override;

private:
    void PushScrollInfo();
    ScrollBarKind kind_ = ScrollBarKind::Horizontal;
    int min_ = 0;
    int max_ = 100;
    int position_ = 0;
    int pageSize_ = 0;
    int smallChange_ = 1;
    int largeChange_ = 1;
};

} // namespace tk
