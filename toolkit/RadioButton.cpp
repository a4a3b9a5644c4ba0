#include "toolkit/RadioButton.h"

#include "toolkit/Notifications.h"

namespace tk {

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
    Notify(*this, NotifyCheckedChanged);
}

bool RadioButton::CommandReflected(UINT code) {
    if (code != BN_CLICKED) {
        return false;
    }
    SetChecked(true);
    Click();
    return true;
}

} // namespace tk
