#include "toolkit/ExtCtrls.h"

#include "toolkit/Application.h"

#include <commctrl.h>

#include <stdexcept>

namespace tk {
namespace {
const EnumInfo kBevel{"TPanelBevel", {"bvNone", "bvLowered", "bvRaised", "bvSpace"}};
const EnumInfo kDateTimeKind{"TDateTimeKind", {"dtkDate", "dtkTime"}};
const wchar_t kTimerClass[] = L"TTimerWindow";
} // namespace

// ---- Panel

const ClassInfo& Panel::StaticClass() {
    static const ClassInfo info =
        ClassInfo::Make<Panel>("TPanel", &WinControl::StaticClass(), [](auto& p) {
            p.String("Caption", &Panel::Caption, &Panel::SetCaption);
            p.template Enumeration<tk::Bevel>("BevelOuter", kBevel, &Panel::BevelOuter,
                                              &Panel::SetBevelOuter);
            p.template Enumeration<tk::Bevel>("BevelInner", kBevel, &Panel::BevelInner,
                                              &Panel::SetBevelInner);
            p.Integer("BevelWidth", &Panel::BevelWidth, &Panel::SetBevelWidth);
            p.template Enumeration<tk::Alignment>("Alignment", kAlignmentEnum, &Panel::Alignment,
                                                  &Panel::SetAlignment);
        });
    return info;
}

Panel::Panel(Component* owner) : WinControl(owner) {
    SetBounds(0, 0, 185, 41);
    SetParentColor(true);
}

void Panel::FillCreateParams(CreateParams& params) {
    WinControl::FillCreateParams(params);
    params.className = L"TPanel";
    params.ownClass = true;
}

void Panel::SetBevelOuter(tk::Bevel bevel) {
    bevelOuter_ = bevel;
    Invalidate();
}
void Panel::SetBevelInner(tk::Bevel bevel) {
    bevelInner_ = bevel;
    Invalidate();
}
void Panel::SetBevelWidth(int width) {
    bevelWidth_ = std::max(width, 1);
    Invalidate();
}
void Panel::SetAlignment(tk::Alignment alignment) {
    alignment_ = alignment;
    Invalidate();
}

RECT Panel::AlignRect() {
    RECT r = ClientRect();
    int inset = (bevelOuter_ != tk::Bevel::None ? bevelWidth_ : 0) +
                (bevelInner_ != tk::Bevel::None ? bevelWidth_ : 0);
    InflateRect(&r, -inset, -inset);
    return r;
}

void Panel::PaintWindow(HDC dc) {
    WinControl::PaintWindow(dc);
    RECT r = ClientRect();
    auto frame = [&](tk::Bevel bevel) {
        if (bevel == tk::Bevel::None) {
            return;
        }
        for (int i = 0; i < bevelWidth_; ++i) {
            if (bevel == tk::Bevel::Space) {
                FrameRect(dc, &r, ColorBrush());
            } else {
                DrawEdge(dc, &r, bevel == tk::Bevel::Raised ? BDR_RAISEDINNER : BDR_SUNKENOUTER,
                         BF_RECT);
            }
            InflateRect(&r, -1, -1);
        }
    };
    frame(bevelOuter_);
    frame(bevelInner_);
    std::string caption = Caption();
    if (!caption.empty()) {
        Canvas canvas(dc);
        canvas.Font() = Font();
        SetBkMode(dc, TRANSPARENT);
        UINT align = alignment_ == tk::Alignment::Left    ? DT_LEFT
                     : alignment_ == tk::Alignment::Right ? DT_RIGHT
                                                          : DT_CENTER;
        canvas.DrawText(caption, r, align | DT_VCENTER | DT_SINGLELINE);
    }
}

// ---- Timer

const ClassInfo& Timer::StaticClass() {
    static const ClassInfo info =
        ClassInfo::Make<Timer>("TTimer", &Component::StaticClass(), [](auto& p) {
            p.Integer("Interval", &Timer::Interval, &Timer::SetInterval);
            p.Boolean("Enabled", &Timer::Enabled, &Timer::SetEnabled);
            p.Event("OnTimer", &Timer::OnTimer);
        });
    return info;
}

Timer::Timer(Component* owner) : Component(owner) {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof(existing);
    if (!GetClassInfoExW(instance, kTimerClass, &existing)) {
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof(wc);
        wc.lpfnWndProc = &Timer::WindowProc;
        wc.hInstance = instance;
        wc.lpszClassName = kTimerClass;
        RegisterClassExW(&wc);
    }
    window_ = CreateWindowExW(0, kTimerClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, instance,
                              nullptr);
    if (!window_) {
        throw std::runtime_error("cannot create a timer window");
    }
    SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    Restart();
}

Timer::~Timer() {
    KillTimer(window_, 1);
    DestroyWindow(window_);
}

LRESULT CALLBACK Timer::WindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_TIMER) {
        auto* timer = reinterpret_cast<Timer*>(GetWindowLongPtrW(window, GWLP_USERDATA));
        if (timer && timer->OnTimer) {
            try {
                timer->OnTimer(*timer);
            } catch (const std::exception& e) {
                ReportException(*timer, e);
            }
        }
        return 0;
    }
    return DefWindowProcW(window, msg, wParam, lParam);
}

void Timer::Restart() {
    KillTimer(window_, 1);
    if (enabled_ && interval_ > 0) {
        SetTimer(window_, 1, static_cast<UINT>(interval_), nullptr);
    }
}

void Timer::SetInterval(int interval) {
    interval_ = std::max(interval, 0);
    Restart();
}

void Timer::SetEnabled(bool enabled) {
    enabled_ = enabled;
    Restart();
}

// ---- DateTimePicker

const ClassInfo& DateTimePicker::StaticClass() {
    static const ClassInfo info =
        ClassInfo::Make<DateTimePicker>("TDateTimePicker", &WinControl::StaticClass(), [](auto& p) {
            p.template Enumeration<DateTimeKind>("Kind", kDateTimeKind, &DateTimePicker::Kind,
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
