#include "toolkit/ComboBox.h"

#include "toolkit/Notifications.h"
#include "toolkit/Text.h"

namespace tk {
namespace {
const EnumInfo ComboStyleEnum{"TComboBoxStyle", {"csDropDown", "csSimple", "csDropDownList"}};
} // namespace

const ClassInfo& ComboBox::StaticClass() {
    static const ClassInfo info =
        ClassInfo::Make<ComboBox>("TComboBox", &WinControl::StaticClass(), [](auto& p) {
            p.template Enumeration<ComboStyle>("Style", ComboStyleEnum, &ComboBox::Style,
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
    itemIndex_ = (index >= 0 && index < static_cast<int>(items_.size())) ? index : NoIndex;
    if (HandleAllocated()) {
        SendMessageW(Handle(), CB_SETCURSEL, static_cast<WPARAM>(itemIndex_), 0);
    } else if (itemIndex_ >= 0) {
        StoreCaption(items_[static_cast<size_t>(itemIndex_)]);
    }
}

bool ComboBox::CommandReflected(UINT code) {
    if (code != CBN_EDITCHANGE && code != CBN_SELCHANGE) {
        return false;
    }
    itemIndex_ = static_cast<int>(SendMessageW(Handle(), CB_GETCURSEL, 0, 0));
    if (OnChange) {
        OnChange(*this);
    }
    return true;
}

} // namespace tk
