#include "toolkit/DateTimePicker.h"

#include <commctrl.h>

namespace tk {
namespace {
const EnumInfo DateTimeKindEnum{"TDateTimeKind", {"dtkDate", "dtkTime"}};
} // namespace

const ClassInfo& DateTimePicker::StaticClass() {
    static const ClassInfo info =
        ClassInfo::Make<DateTimePicker>("TDateTimePicker", &WinControl::StaticClass(), [](auto& p) {
            p.template Enumeration<DateTimeKind>("Kind", DateTimeKindEnum, &DateTimePicker::Kind,
                                                 &DateTimePicker::SetKind);
        });
    return info;
}

DateTimePicker::DateTimePicker(Component* owner) : WinControl(owner) {
    SetBounds(0, 0, 186, 21);
    SetTabStop(true);
}

void DateTimePicker::FillCreateParams(CreateParams& params) {
    WinControl::FillCreateParams(params);
    params.className = DATETIMEPICK_CLASSW;
    params.style |= kind_ == DateTimeKind::Time ? DTS_TIMEFORMAT : DTS_SHORTDATEFORMAT;
}

void DateTimePicker::SetKind(DateTimeKind kind) {
    kind_ = kind;
    ChangeStyle(kind == DateTimeKind::Time ? DTS_TIMEFORMAT : 0,
                kind == DateTimeKind::Time ? 0 : DTS_TIMEFORMAT);
}

} // namespace tk
