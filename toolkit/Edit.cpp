#include "toolkit/Edit.h"

#include "toolkit/Notifications.h"

#include <algorithm>

namespace tk {

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

bool Edit::CommandReflected(UINT code) {
    if (code != EN_CHANGE) {
        return false;
    }
    if (OnChange) {
        OnChange(*this);
    }
    return true;
}

} // namespace tk
