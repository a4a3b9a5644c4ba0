// A one-line text box over the system's EDIT class.
#pragma once

#include "toolkit/WinControl.h"

#include <string>

namespace tk {

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
    bool CommandReflected(UINT code) override;

private:
    bool readOnly_ = false;
    int maxLength_ = 0;
};

} // namespace tk
