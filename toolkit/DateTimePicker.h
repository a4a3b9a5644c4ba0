// A date or time picker over the common control.
#pragma once

#include "toolkit/WinControl.h"

namespace tk {

enum class DateTimeKind { Date, Time };

class DateTimePicker : public WinControl {
    TK_CLASS(DateTimePicker)

public:
    explicit DateTimePicker(Component* owner);
    DateTimeKind Kind() const { return kind_; }
    void SetKind(DateTimeKind kind);

protected:
    void FillCreateParams(CreateParams& params) override;

private:
    DateTimeKind kind_ = DateTimeKind::Date;
};

} // namespace tk
