// Panels, timers and date-time pickers.
#pragma once

#include "toolkit/WinControl.h"

namespace tk {

enum class Bevel { None, Lowered, Raised, Space };

// A container window of the toolkit's own with bevels and a caption.
class Panel : public WinControl {
    TK_CLASS(Panel)

public:
    explicit Panel(Component* owner);
    tk::Bevel BevelOuter() const { return bevelOuter_; }
    void SetBevelOuter(tk::Bevel bevel);
    tk::Bevel BevelInner() const { return bevelInner_; }
    void SetBevelInner(tk::Bevel bevel);
    int BevelWidth() const { return bevelWidth_; }
    void SetBevelWidth(int width);
    tk::Alignment Alignment() const { return alignment_; }
    void SetAlignment(tk::Alignment alignment);

protected:
    void FillCreateParams(CreateParams& params) override;
    void PaintWindow(HDC dc) override;
    RECT AlignRect() override;

private:
    tk::Bevel bevelOuter_ = tk::Bevel::Raised;
    tk::Bevel bevelInner_ = tk::Bevel::None;
    int bevelWidth_ = 1;
    tk::Alignment alignment_ = tk::Alignment::Center;
};

// Fires OnTimer every Interval milliseconds while enabled, through the
// thread's message loop (a message-only window of its own).
class Timer : public Component {
    TK_CLASS(Timer)

public:
    explicit Timer(Component* owner);
    ~Timer() override;
    int Interval() const { return interval_; }
    void SetInterval(int interval);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    NotifyEvent OnTimer;

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
    void Restart();
    HWND window_ = nullptr;
    int interval_ = 1000;
    bool enabled_ = true;
};

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
