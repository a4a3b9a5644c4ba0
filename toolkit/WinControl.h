// Windowed controls: a Win32 window created on demand (when its parent has a
// window, or when the handle is asked for). The toolkit's own window classes
// (forms, panels, tab sheets) use its window procedure from the start, as the
// bottom of the window's subclass chain; native and common controls get a
// layer of that chain (WindowSubclass) right after they are created, and hand
// everything the toolkit does not take over to the layers below, ending in the
// control's own class procedure. Either way every message goes through the
// control's WindowProc, and other parties stack their own layers over (or, from
// a window-creation hook, under) the toolkit's and take them off in any order.
//
// A windowed control also hosts the window-less controls placed in it: it
// paints them after itself, in order, and hands them the mouse messages over
// their rectangles. Notifications it receives about a child window (WM_COMMAND,
// WM_NOTIFY, WM_HSCROLL, WM_VSCROLL, WM_CTLCOLOR..., WM_DRAWITEM) are sent on to
// that child as reflected notifications (Notifications.h).
#pragma once

#include "toolkit/Control.h"
#include "toolkit/win32/WindowSubclass.h"

#include <string>
#include <vector>

namespace tk {

struct CreateParams {
    std::wstring className;
    DWORD style = WS_CLIPCHILDREN;
    DWORD exStyle = 0;
    // A class of the toolkit's own, registered on first use.
    bool ownClass = false;
};

class WinControl : public Control {
    TK_CLASS(WinControl)

public:
    explicit WinControl(Component* owner);
    ~WinControl() override;

    // The window, created first if need be.
    HWND Handle();
    bool HandleAllocated() const { return handle_ != nullptr; }
    void HandleNeeded() { Handle(); }
    void DestroyHandle();
    // The control whose window this is, or none.
    static WinControl* FromHandle(HWND window);

    bool IsWindowed() const override { return true; }
    // Child controls, bottom first.
    const std::vector<Control*>& Controls() const { return controls_; }
    // The visible, enabled window-less child at a client point, topmost first.
    Control* ControlAtPos(POINT client) const;
    // The window-less child or this control under a client point.
    Control* MouseTargetAt(POINT client);

    RECT ClientRect() const override;
    // The window's text once there is a window (the user may have edited it).
    std::string Caption() const override;
    void SetBounds(int left, int top, int width, int height) override;
    void ChangeScale(int to, int from) override;
    void Invalidate() override;
    void Update() override;
    void SetFocus();
    bool Focused() const;
    // The window-less child that has the keyboard while this window has the
    // focus (GraphicControl), or none.
    GraphicControl* KeyChild() const { return keyChild_; }
    bool TabStop() const { return tabStop_; }
    void SetTabStop(bool tabStop);
    // The place among the parent's windowed controls in Tab order (creation
    // order unless set); setting it moves the controls in between along.
    int TabOrder() const;
    void SetTabOrder(int order);
    // The windowed child controls in Tab order.
    const std::vector<WinControl*>& TabList() const { return tabList_; }
    bool DoubleBuffered() const { return doubleBuffered_; }
    void SetDoubleBuffered(bool on) { doubleBuffered_ = on; }

    // The control the mouse pointer is over, among this top-level window's.
    Control* MouseControl() const { return TopLevel()->mouseControl_; }
    // Brush of the control's colour (for WM_CTLCOLOR answers).
    HBRUSH ColorBrush();

protected:
    virtual void FillCreateParams(CreateParams& params);
    // Makes the window (CreateWindowExW); an MDI child asks its MDI client.
    // A window of the toolkit's own class gets the control as creation data.
    virtual HWND CreateWindowHandle(const CreateParams& params, DWORD style, HWND parent, HMENU id);
    // The window exists: push the control's state into it.
    virtual void HandleCreated() {}
    // The window is gone (its children's too): forget what referred to it.
    virtual void HandleDestroyed() {}
    // The keyboard focus moved to `focused`, a control of the same top-level
    // window; every windowed control of it hears.
    virtual void FocusChanged(WinControl* focused) { (void)focused; }
    // The control's own notifications, reflected to it by its parent
    // (Notifications.h); each answers whether it handled the notification.
    // WM_COMMAND's notification code:
    virtual bool CommandReflected([[maybe_unused]] UINT code) { return false; }
    // WM_NOTIFY, with the result to answer:
    virtual bool NotifyReflected([[maybe_unused]] const NMHDR& header,
                                 [[maybe_unused]] LRESULT& result) {
        return false;
    }
    // WM_HSCROLL and WM_VSCROLL: the request (SB_..., TB_...) and the thumb's
    // position while it is dragged:
    virtual bool ScrollReflected([[maybe_unused]] int request, [[maybe_unused]] int thumbPosition) {
        return false;
    }
    // WM_DRAWITEM of an owner-drawn control:
    virtual bool DrawItemReflected([[maybe_unused]] const DRAWITEMSTRUCT& item) { return false; }
    void Loaded() override;
    void WndProc(Message& message) override;
    void DefaultHandler(Message& message) override;
    // Paints the window itself (before the window-less children).
    virtual void PaintWindow(HDC dc);
    void PaintControls(HDC dc);
    // Places the aligned children inside AlignRect().
    void AlignControls();
    virtual RECT AlignRect() { return ClientRect(); }
    // The window's size changed (WM_SIZE), and the aligned children followed.
    virtual void WindowResized() {}
    // Told, after AlignControls, what the aligned children left of AlignRect().
    virtual void ControlsAligned([[maybe_unused]] const RECT& rest) {}
    // Sets and clears window style bits of an existing window.
    void ChangeStyle(DWORD set, DWORD clear);
    DWORD Style() const;

    void CaptionChanged() override;
    void FontChanged() override;
    void ColorChanged() override;
    void VisibleChanged() override;
    void EnabledChanged() override;
    void BoundsChanged(const RECT& oldBounds) override;
    void ParentChanged() override;

    // Sends a toolkit notification through the window when there is one (so
    // window procedures installed over it see it), else through WindowProc.
    static void Notify(Control& control, UINT msg);

    bool ownClass_ = false;

private:
    friend class Control;
    friend class GraphicControl;
    static LRESULT CALLBACK WindowProcEntry(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
    // A message from the window (its class procedure or its subclass layer).
    LRESULT Deliver(UINT msg, WPARAM wParam, LPARAM lParam);
    void CreateHandle();
    void Bind(HWND window);
    void WindowDestroyed();
    void Dispatch(Message& message);
    // The messages WndProc handles, one handler each (MessageCrackers.h).
    bool HandleMessage(Message& message);
    // Sets the message's result; answers true (handled).
    static bool Answer(Message& message, LRESULT result);
    bool PaintHandler(Message& message, HDC given);
    bool EraseBackground(Message& message, HDC dc);
    bool Reflect(HWND child, Message& message);
    bool ReflectNotify(const NMHDR* header, Message& message);
    bool ReflectDrawItem(const DRAWITEMSTRUCT* item, Message& message);
    bool Moved(Message& message);
    bool SetCursorHandler(Message& message, HWND window, UINT hitTest);
    bool FocusHandler(Message& message);
    bool FocusLost();
    // Hands a key message to the key child, if there is one.
    bool RouteKey(Message& message);
    bool UiStateChanged(Message& message);
    // Gives the keyboard to a window-less child (taking the focus for it), or
    // takes it back from the one that has it (none).
    void SetKeyChild(GraphicControl* child);
    bool MouseLeft();
    bool CaptureLost();
    bool SysChar(Message& message);
    bool CtlColorHandler(Message& message, HDC dc);
    bool RouteMouse(Message& message);
    void SetMouseControl(Control* control);
    void FocusArrived();
    void ReadBoundsFromWindow();
    WinControl* TopLevel() const;
    void InsertChild(Control& control);
    void RemoveChild(Control& control);
    void BroadcastFocusChanged(WinControl* focused);

    HWND handle_ = nullptr;
    // Native and common controls: the toolkit's layer, and the class procedure
    // that answers messages performed by hand outside the layer's message.
    WindowSubclass subclass_;
    WNDPROC nativeProc_ = nullptr;
    bool creating_ = false;
    bool aligning_ = false;
    bool trackingLeave_ = false;
    bool tabStop_ = false;
    bool doubleBuffered_ = false;
    std::vector<Control*> controls_;
    std::vector<WinControl*> tabList_;
    // A Tab order set before there was a parent, or while a design is read:
    // applied when the control is placed, or once the design is read.
    static constexpr int NoWantedOrder = -1;
    int wantedTabOrder_ = NoWantedOrder;
    Control* captureControl_ = nullptr;
    Control* mouseControl_ = nullptr;    // top-level windows only
    WinControl* focusControl_ = nullptr; // top-level windows only
    GraphicControl* keyChild_ = nullptr;
    GdiHandle<HBRUSH> brush_;
    int nextChildId_ = 1;
};

} // namespace tk
