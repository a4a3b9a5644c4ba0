#include "toolkit/CheckBox.h"

#include "toolkit/Notifications.h"

namespace tk {
namespace {
const EnumInfo CheckStateEnum{"TCheckBoxState", {"cbUnchecked", "cbChecked", "cbGrayed"}};
} // namespace

const ClassInfo& CheckBox::StaticClass() {
    static const ClassInfo info =
        ClassInfo::Make<CheckBox>("TCheckBox", &WinControl::StaticClass(), [](auto& p) {
            p.String("Caption", &CheckBox::Caption, &CheckBox::SetCaption);
            p.Boolean("Checked", &CheckBox::Checked, &CheckBox::SetChecked);
            p.template Enumeration<CheckState>("State", CheckStateEnum, &CheckBox::State,
                                               &CheckBox::SetState);
            p.Boolean("AllowGrayed", &CheckBox::AllowGrayed, &CheckBox::SetAllowGrayed);
            p.template Enumeration<tk::Alignment>("Alignment", AlignmentEnum, &CheckBox::Alignment,
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
    Notify(*this, NotifyCheckedChanged);
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

bool CheckBox::CommandReflected(UINT code) {
    if (code != BN_CLICKED) {
        return false;
    }
    state_ = static_cast<CheckState>(SendMessageW(Handle(), BM_GETCHECK, 0, 0));
    Click();
    return true;
}

} // namespace tk
