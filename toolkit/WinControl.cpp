#include "toolkit/WinControl.h"

#include "toolkit/Application.h"
#include "toolkit/MessageCrackers.h"
#include "toolkit/win32/WindowClass.h"
#include "toolkit/Notifications.h"
#include "toolkit/Text.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <limits>
#include <stdexcept>

namespace tk {
namespace {

const wchar_t ControlProperty[] = L"KanvioToolkitControl";

void EnsureClassRegistered(const std::wstring& name, WNDPROC proc) {
    HINSTANCE instance = CodeModule();
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof(existing);
    if (GetClassInfoExW(instance, name.c_str(), &existing)) {
        return;
    }
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = proc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = name.c_str();
    if (!RegisterClassExW(&wc)) {
        throw std::runtime_error("cannot register window class " + Narrow(name));
    }
}

const wchar_t* CursorResource(int cursor) {
    switch (cursor) {
    case crCross:
        return IDC_CROSS;
    case crIBeam:
        return IDC_IBEAM;
    case crSizeAll:
        return IDC_SIZEALL;
    case crHourGlass:
        return IDC_WAIT;
    case crNo:
        return IDC_NO;
    case crHandPoint:
        return IDC_HAND;
    default:
        return IDC_ARROW;
    }
}

bool IsMouseMessage(UINT msg) {
    return msg >= WM_MOUSEFIRST && msg <= WM_MBUTTONDBLCLK;
}

bool IsReflectedCtlColor(UINT msg) {
    return msg >= ReflectedCtlColorFirst && msg <= ReflectedCtlColorLast;
}

bool IsButtonDown(UINT msg) {
    return msg == WM_LBUTTONDOWN || msg == WM_RBUTTONDOWN || msg == WM_MBUTTONDOWN ||
           msg == WM_LBUTTONDBLCLK || msg == WM_RBUTTONDBLCLK || msg == WM_MBUTTONDBLCLK;
}

} // namespace

const ClassInfo& WinControl::StaticClass() {
    static const ClassInfo info =
        ClassInfo::Make<WinControl>("TWinControl", &Control::StaticClass(), [](auto& p) {
            p.Boolean("TabStop", &WinControl::TabStop, &WinControl::SetTabStop);
            p.Integer("TabOrder", &WinControl::TabOrder, &WinControl::SetTabOrder);
            p.Boolean("DoubleBuffered", &WinControl::DoubleBuffered,
                      &WinControl::SetDoubleBuffered);
        });
    return info;
}

WinControl::WinControl(Component* owner) : Control(owner) {}

WinControl::~WinControl() {
    DestroyHandle();
    for (Control* child : controls_) {
        child->parent_ = nullptr;
    }
    controls_.clear();
}

WinControl* WinControl::FromHandle(HWND window) {
    return window ? static_cast<WinControl*>(GetPropW(window, ControlProperty)) : nullptr;
}

HWND WinControl::Handle() {
    if (!handle_) {
        CreateHandle();
    }
    return handle_;
}

void WinControl::FillCreateParams(CreateParams& params) {
    params.style = WS_CLIPCHILDREN;
    if (tabStop_) {
        params.style |= WS_TABSTOP;
    }
    if (!Enabled()) {
        params.style |= WS_DISABLED;
    }
}

void WinControl::CreateHandle() {
    if (handle_ || creating_) {
        return;
    }
    HWND parentWindow = nullptr;
    if (Parent()) {
        parentWindow = Parent()->Handle();
        // Making the parent's window made its children's, this one's too.
        if (handle_) {
            return;
        }
    }
    CreateParams params;
    FillCreateParams(params);
    ownClass_ = params.ownClass;
    if (params.ownClass) {
        EnsureClassRegistered(params.className, &WinControl::WindowProcEntry);
    } else {
        INITCOMMONCONTROLSEX icc{};
        icc.dwSize = sizeof(icc);
        icc.dwICC = ICC_WIN95_CLASSES | ICC_DATE_CLASSES | ICC_STANDARD_CLASSES | ICC_BAR_CLASSES;
        InitCommonControlsEx(&icc);
    }
    DWORD style = params.style;
    HMENU id = nullptr;
    if (Parent()) {
        style |= WS_CHILD | WS_CLIPSIBLINGS;
        if (Visible()) {
            style |= WS_VISIBLE;
        }
        id = reinterpret_cast<HMENU>(static_cast<INT_PTR>(Parent()->nextChildId_++));
    }
    creating_ = true;
    HWND window = CreateWindowHandle(params, style, parentWindow, id);
    creating_ = false;
    if (!window) {
        const DWORD error = GetLastError();
        throw std::runtime_error("cannot create the window of " +
                                 (Name().empty() ? ClassName() : Name()) + " (system error " +
                                 std::to_string(error) + ")");
    }
    if (!params.ownClass) {
        Bind(window);
        nativeProc_ = reinterpret_cast<WNDPROC>(GetClassLongPtrW(window, GCLP_WNDPROC));
        if (!subclass_.Install(window, [this](UINT msg, WPARAM wParam, LPARAM lParam) {
                return Deliver(msg, wParam, lParam);
            })) {
            handle_ = nullptr;
            DestroyWindow(window);
            throw std::runtime_error("cannot subclass the window of " +
                                     (Name().empty() ? ClassName() : Name()));
        }
    }
    SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(Font().Handle()), FALSE);
    HandleCreated();
    for (Control* child : controls_) {
        if (auto* windowed = dynamic_cast<WinControl*>(child)) {
            windowed->CreateHandle();
        }
    }
    AlignControls();
}

HWND WinControl::CreateWindowHandle(const CreateParams& params, DWORD style, HWND parent,
                                    HMENU id) {
    return CreateWindowExW(params.exStyle, params.className.c_str(), Widen(Caption()).c_str(),
                           style, Left(), Top(), Width(), Height(), parent, id, CodeModule(),
                           params.ownClass ? this : nullptr);
}

void WinControl::Bind(HWND window) {
    handle_ = window;
    SetPropW(window, ControlProperty, this);
}

void WinControl::DestroyHandle() {
    if (handle_) {
        DestroyWindow(handle_);
    }
}

void WinControl::WindowDestroyed() {
    HWND window = handle_;
    RemovePropW(window, ControlProperty);
    subclass_.Remove();
    handle_ = nullptr;
    captureControl_ = nullptr;
    mouseControl_ = nullptr;
    focusControl_ = nullptr;
    trackingLeave_ = false;
    for (Control* child : controls_) {
        if (!child->IsWindowed()) {
            child->Perform(NotifyHostDestroyed);
        }
    }
    HandleDestroyed();
}

LRESULT CALLBACK WinControl::WindowProcEntry(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    WinControl* control = FromHandle(window);
    if (!control) {
        if (msg == WM_NCCREATE) {
            auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
            void* data = create->lpCreateParams;
            // An MDI child's creation data is the request its MDI client got.
            if (data && (create->dwExStyle & WS_EX_MDICHILD)) {
                data = reinterpret_cast<void*>(static_cast<MDICREATESTRUCTW*>(data)->lParam);
            }
            control = static_cast<WinControl*>(data);
        }
        if (!control) {
            return DefWindowProcW(window, msg, wParam, lParam);
        }
        control->Bind(window);
    }
    return control->Deliver(msg, wParam, lParam);
}

LRESULT WinControl::Deliver(UINT msg, WPARAM wParam, LPARAM lParam) {
    Message message{msg, wParam, lParam, 0};
    Dispatch(message);
    if (msg == WM_NCDESTROY) {
        WindowDestroyed();
    }
    return message.result;
}

void WinControl::Dispatch(Message& message) {
    try {
        // A copy: the handler may be replaced (or put back) while it runs.
        MessageHandler handler = WindowProc();
        handler(message);
    } catch (const std::exception& e) {
        ReportException(*this, e);
    }
}

// The message the layer is handling goes down the chain; one performed by
// hand (through WindowProc, without a window message) straight to the
// control's class procedure, since the chain only knows its way down from
// inside its own message.
void WinControl::DefaultHandler(Message& m) {
    if (!handle_) {
        return;
    }
    if (ownClass_) {
        m.result = DefWindowProcW(handle_, m.msg, m.wParam, m.lParam);
    } else if (subclass_.Pending(m.msg, m.wParam, m.lParam)) {
        m.result = subclass_.CallNext(m.msg, m.wParam, m.lParam);
    } else if (nativeProc_) {
        m.result = CallWindowProcW(nativeProc_, handle_, m.msg, m.wParam, m.lParam);
    }
}

void WinControl::Notify(Control& control, UINT msg) {
    auto* windowed = dynamic_cast<WinControl*>(&control);
    if (windowed && windowed->handle_) {
        SendMessageW(windowed->handle_, msg, 0, 0);
    } else {
        control.Perform(msg);
    }
}

WinControl* WinControl::TopLevel() const {
    const WinControl* top = this;
    while (top->Parent()) {
        top = top->Parent();
    }
    return const_cast<WinControl*>(top);
}

void WinControl::InsertChild(Control& control) {
    controls_.push_back(&control);
    if (auto* windowed = dynamic_cast<WinControl*>(&control)) {
        size_t place = tabList_.size();
        if (windowed->wantedTabOrder_ != NoWantedOrder && !windowed->IsLoading()) {
            place = std::min(place, static_cast<size_t>(windowed->wantedTabOrder_));
            windowed->wantedTabOrder_ = NoWantedOrder;
        }
        tabList_.insert(tabList_.begin() + static_cast<ptrdiff_t>(place), windowed);
        if (handle_) {
            if (windowed->handle_) {
                ::SetParent(windowed->handle_, handle_);
            } else {
                windowed->CreateHandle();
            }
        }
    }
    AlignControls();
}

void WinControl::RemoveChild(Control& control) {
    controls_.erase(std::remove(controls_.begin(), controls_.end(), &control), controls_.end());
    tabList_.erase(std::remove(tabList_.begin(), tabList_.end(), &control), tabList_.end());
    if (captureControl_ == &control) {
        captureControl_ = nullptr;
    }
    WinControl* top = TopLevel();
    if (top->mouseControl_ == &control) {
        top->mouseControl_ = nullptr;
    }
    if (top->focusControl_ == &control) {
        top->focusControl_ = nullptr;
    }
    if (keyChild_ == &control) {
        keyChild_ = nullptr;
    }
    if (auto* windowed = dynamic_cast<WinControl*>(&control)) {
        windowed->DestroyHandle();
    }
    AlignControls();
}

Control* WinControl::ControlAtPos(POINT p) const {
    for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
        Control* c = *it;
        if (c->IsWindowed() || !c->Visible() || !c->Enabled()) {
            continue;
        }
        RECT r = c->BoundsRect();
        if (PtInRect(&r, p)) {
            return c;
        }
    }
    return nullptr;
}

Control* WinControl::MouseTargetAt(POINT client) {
    Control* c = ControlAtPos(client);
    return c ? c : this;
}

RECT WinControl::ClientRect() const {
    RECT r{0, 0, Width(), Height()};
    if (handle_) {
        GetClientRect(handle_, &r);
    }
    return r;
}

void WinControl::SetBounds(int left, int top, int width, int height) {
    Control::SetBounds(left, top, width, height);
}

// Children first: an aligned child then takes its place from this control's
// scaled bounds, and is not scaled twice.
void WinControl::ChangeScale(int to, int from) {
    const std::vector<Control*> children = controls_;
    for (Control* child : children) {
        child->ChangeScale(to, from);
    }
    Control::ChangeScale(to, from);
}

void WinControl::BoundsChanged(const RECT& oldBounds) {
    if (handle_) {
        SetWindowPos(handle_, nullptr, Left(), Top(), Width(), Height(),
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }
    Control::BoundsChanged(oldBounds);
}

// Bounds are in the parent window's client area: the parent control's, or
// the MDI client's for an MDI child.
void WinControl::ReadBoundsFromWindow() {
    RECT r;
    GetWindowRect(handle_, &r);
    if (HWND parent = (Style() & WS_CHILD) ? GetParent(handle_) : nullptr) {
        MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&r), 2);
    }
    left_ = r.left;
    top_ = r.top;
    width_ = r.right - r.left;
    height_ = r.bottom - r.top;
}

void WinControl::Invalidate() {
    if (handle_) {
        InvalidateRect(handle_, nullptr, TRUE);
    }
}

void WinControl::Update() {
    if (handle_) {
        UpdateWindow(handle_);
    }
}

void WinControl::SetFocus() {
    ::SetFocus(Handle());
}

bool WinControl::Focused() const {
    return handle_ && GetFocus() == handle_;
}

int WinControl::TabOrder() const {
    if (!Parent() || IsLoading()) {
        return wantedTabOrder_;
    }
    const std::vector<WinControl*>& list = Parent()->tabList_;
    return static_cast<int>(std::find(list.begin(), list.end(), this) - list.begin());
}

void WinControl::SetTabOrder(int order) {
    if (!Parent() || IsLoading()) {
        wantedTabOrder_ = std::max(order, 0);
        return;
    }
    std::vector<WinControl*>& list = Parent()->tabList_;
    list.erase(std::remove(list.begin(), list.end(), this), list.end());
    size_t place = std::min(list.size(), static_cast<size_t>(std::max(order, 0)));
    list.insert(list.begin() + static_cast<ptrdiff_t>(place), this);
}

// Controls read from a design take the Tab order it gives them, whatever the
// order they were created in; those without one follow, in creation order.
void WinControl::Loaded() {
    Control::Loaded();
    auto wanted = [](const WinControl* c) {
        return c->wantedTabOrder_ != NoWantedOrder ? c->wantedTabOrder_
                                                   : std::numeric_limits<int>::max();
    };
    std::stable_sort(
        tabList_.begin(), tabList_.end(),
        [&](const WinControl* a, const WinControl* b) { return wanted(a) < wanted(b); });
    for (WinControl* child : tabList_) {
        child->wantedTabOrder_ = NoWantedOrder;
    }
}

void WinControl::SetTabStop(bool tabStop) {
    tabStop_ = tabStop;
    if (handle_) {
        ChangeStyle(tabStop ? WS_TABSTOP : 0, tabStop ? 0 : WS_TABSTOP);
    }
}

DWORD WinControl::Style() const {
    return handle_ ? static_cast<DWORD>(GetWindowLongPtrW(handle_, GWL_STYLE)) : 0;
}

void WinControl::ChangeStyle(DWORD set, DWORD clear) {
    if (!handle_) {
        return;
    }
    DWORD style = (Style() & ~clear) | set;
    SetWindowLongPtrW(handle_, GWL_STYLE, static_cast<LONG_PTR>(style));
    SetWindowPos(handle_, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    InvalidateRect(handle_, nullptr, TRUE);
}

HBRUSH WinControl::ColorBrush() {
    if (!brush_) {
        brush_.reset(CreateSolidBrush(ResolveColour(GetColor())));
    }
    return brush_.get();
}

std::string WinControl::Caption() const {
    if (!handle_) {
        return Control::Caption();
    }
    int length = GetWindowTextLengthW(handle_);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(handle_, text.data(), length + 1)));
    return Narrow(text);
}

void WinControl::CaptionChanged() {
    if (handle_) {
        SetWindowTextW(handle_, Widen(Control::Caption()).c_str());
    }
}

void WinControl::FontChanged() {
    if (handle_) {
        SendMessageW(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(Font().Handle()), TRUE);
    }
    for (Control* child : controls_) {
        child->ParentFontChanged();
    }
    Invalidate();
}

void WinControl::ColorChanged() {
    brush_.reset();
    for (Control* child : controls_) {
        child->ParentColorChanged();
    }
    Invalidate();
}

void WinControl::VisibleChanged() {
    if (handle_ && Parent()) {
        ShowWindow(handle_, Visible() ? SW_SHOWNA : SW_HIDE);
    }
    Control::VisibleChanged();
}

void WinControl::EnabledChanged() {
    if (handle_) {
        EnableWindow(handle_, Enabled());
    }
}

void WinControl::ParentChanged() {
    if (Parent() && Parent()->handle_ && !handle_) {
        CreateHandle();
    }
}

void WinControl::AlignControls() {
    if (aligning_) {
        return;
    }
    aligning_ = true;
    RECT area = AlignRect();
    for (tk::Align align : {tk::Align::Top, tk::Align::Bottom, tk::Align::Left, tk::Align::Right,
                            tk::Align::Client}) {
        for (Control* c : controls_) {
            if (c->GetAlign() != align || !c->Visible()) {
                continue;
            }
            int w = area.right - area.left;
            int h = area.bottom - area.top;
            switch (align) {
            case tk::Align::Top:
                c->SetBounds(area.left, area.top, w, c->Height());
                area.top += c->Height();
                break;
            case tk::Align::Bottom:
                c->SetBounds(area.left, area.bottom - c->Height(), w, c->Height());
                area.bottom -= c->Height();
                break;
            case tk::Align::Left:
                c->SetBounds(area.left, area.top, c->Width(), h);
                area.left += c->Width();
                break;
            case tk::Align::Right:
                c->SetBounds(area.right - c->Width(), area.top, c->Width(), h);
                area.right -= c->Width();
                break;
            default:
                c->SetBounds(area.left, area.top, w, h);
                break;
            }
        }
    }
    ControlsAligned(area);
    aligning_ = false;
}

bool WinControl::Reflect(HWND child, Message& m) {
    WinControl* target = FromHandle(child);
    if (!target || target == this) {
        return false;
    }
    m.result = SendMessageW(child, ReflectBase + m.msg, m.wParam, m.lParam);
    return true;
}

void WinControl::SetMouseControl(Control* control) {
    if (mouseControl_ == control) {
        return;
    }
    Control* old = mouseControl_;
    mouseControl_ = control;
    if (old) {
        Notify(*old, NotifyMouseLeave);
    }
    if (control && mouseControl_ == control) {
        Notify(*control, NotifyMouseEnter);
    }
}

bool WinControl::RouteMouse(Message& m) {
    POINT p = crack::MousePoint(m);
    Control* target = captureControl_ ? captureControl_ : ControlAtPos(p);
    if (m.msg == WM_MOUSEMOVE) {
        if (!trackingLeave_) {
            TRACKMOUSEEVENT tme{};
            tme.cbSize = sizeof(tme);
            tme.dwFlags = TME_LEAVE;
            tme.hwndTrack = handle_;
            trackingLeave_ = TrackMouseEvent(&tme) != FALSE;
        }
        TopLevel()->SetMouseControl(captureControl_ ? captureControl_ : MouseTargetAt(p));
    }
    if (!target) {
        return false;
    }
    if (IsButtonDown(m.msg)) {
        captureControl_ = target;
        SetCapture(handle_);
    }
    m.result =
        target->Perform(m.msg, m.wParam, MAKELPARAM(p.x - target->Left(), p.y - target->Top()));
    bool buttonsUp = (crack::MouseKeys(m) & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON)) == 0;
    if ((m.msg == WM_LBUTTONUP || m.msg == WM_RBUTTONUP || m.msg == WM_MBUTTONUP) && buttonsUp) {
        captureControl_ = nullptr;
        if (GetCapture() == handle_) {
            ReleaseCapture();
        }
    }
    return true;
}

void WinControl::FocusArrived() {
    WinControl* top = TopLevel();
    WinControl* previous = top->focusControl_;
    top->focusControl_ = this;
    if (previous && previous != this) {
        Notify(*previous, NotifyExit);
    }
    top->BroadcastFocusChanged(this);
}

void WinControl::BroadcastFocusChanged(WinControl* focused) {
    // The keyboard went to another window: a key child here no longer has it.
    if (focused != this) {
        keyChild_ = nullptr;
    }
    FocusChanged(focused);
    for (WinControl* child : tabList_) {
        child->BroadcastFocusChanged(focused);
    }
}

void WinControl::PaintWindow(HDC dc) {
    if (ownClass_) {
        RECT client = ClientRect();
        FillRect(dc, &client, ColorBrush());
        return;
    }
    Message paint{WM_PAINT, reinterpret_cast<WPARAM>(dc), 0, 0};
    DefaultHandler(paint);
}

void WinControl::PaintControls(HDC dc) {
    for (Control* c : controls_) {
        if (c->IsWindowed() || !c->Visible()) {
            continue;
        }
        RECT r = c->BoundsRect();
        if (!RectVisible(dc, &r)) {
            continue;
        }
        SavedDC saved(dc);
        IntersectClipRect(dc, r.left, r.top, r.right, r.bottom);
        POINT origin;
        GetViewportOrgEx(dc, &origin);
        SetViewportOrgEx(dc, origin.x + r.left, origin.y + r.top, nullptr);
        c->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
    }
}

bool WinControl::PaintHandler(Message& m, HDC given) {
    bool hasGraphic = std::any_of(controls_.begin(), controls_.end(),
                                  [](Control* c) { return !c->IsWindowed() && c->Visible(); });
    if (!ownClass_ && !hasGraphic) {
        DefaultHandler(m);
        return true;
    }
    m.result = 0;
    auto paint = [this](HDC dc) {
        PaintWindow(dc);
        PaintControls(dc);
    };
    if (given) {
        paint(given);
        return true;
    }
    // Owned: a handler that throws still ends the paint and frees the buffer.
    PaintDC dc(handle_);
    if (doubleBuffered_ && ownClass_) {
        RECT client = ClientRect();
        MemoryDC buffer(dc, client.right, client.bottom);
        if (buffer) {
            paint(buffer);
            buffer.BlitTo(dc, 0, 0);
            return true;
        }
    }
    paint(dc);
    return true;
}

void WinControl::WndProc(Message& m) {
    if (!HandleMessage(m)) {
        Control::WndProc(m);
    }
}

bool WinControl::HandleMessage(Message& m) {
    switch (m.msg) {
    case WM_PAINT:
        return PaintHandler(m, crack::Dc(m));
    case WM_ERASEBKGND:
        return EraseBackground(m, crack::Dc(m));
    case WM_COMMAND:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
        return Reflect(crack::ControlWindow(m), m);
    case WM_NOTIFY:
        return ReflectNotify(crack::Notification(m), m);
    case WM_DRAWITEM:
        return ReflectDrawItem(crack::DrawItem(m), m);
    case WM_SIZE:
    case WM_MOVE:
        return Moved(m);
    case WM_SETCURSOR:
        return SetCursorHandler(m, crack::CursorWindow(m), crack::CursorHitTest(m));
    case WM_SETFOCUS:
        return FocusHandler(m);
    case WM_KILLFOCUS:
        return FocusLost();
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_CHAR:
        return RouteKey(m);
    case WM_UPDATEUISTATE:
        return UiStateChanged(m);
    case WM_MOUSELEAVE:
        return MouseLeft();
    case WM_CAPTURECHANGED:
        return CaptureLost();
    case WM_SYSCHAR:
        return SysChar(m);
    case ReflectedCommand:
        return CommandReflected(crack::CommandCode(m));
    case ReflectedNotify:
        return crack::Notification(m) && NotifyReflected(*crack::Notification(m), m.result);
    case ReflectedHScroll:
    case ReflectedVScroll:
        return ScrollReflected(crack::ScrollRequest(m), crack::ThumbPosition(m));
    case ReflectedDrawItem:
        return crack::DrawItem(m) && DrawItemReflected(*crack::DrawItem(m)) && Answer(m, TRUE);
    default:
        if (IsReflectedCtlColor(m.msg)) {
            return CtlColorHandler(m, crack::Dc(m));
        }
        if (IsMouseMessage(m.msg)) {
            return RouteMouse(m);
        }
        return false;
    }
}

bool WinControl::Answer(Message& m, LRESULT result) {
    m.result = result;
    return true;
}

bool WinControl::EraseBackground(Message& m, HDC dc) {
    if (!ownClass_) {
        return false;
    }
    RECT client = ClientRect();
    FillRect(dc, &client, ColorBrush());
    m.result = TRUE;
    return true;
}

bool WinControl::ReflectNotify(const NMHDR* header, Message& m) {
    return header && Reflect(header->hwndFrom, m);
}

// Menu items are drawn by their form, not reflected to a child.
bool WinControl::ReflectDrawItem(const DRAWITEMSTRUCT* item, Message& m) {
    return item && item->CtlType != ODT_MENU && Reflect(item->hwndItem, m);
}

bool WinControl::Moved(Message& m) {
    DefaultHandler(m);
    ReadBoundsFromWindow();
    if (m.msg == WM_SIZE) {
        AlignControls();
        WindowResized();
    }
    return true;
}

bool WinControl::SetCursorHandler(Message& m, HWND window, UINT hitTest) {
    if (hitTest != HTCLIENT || window != handle_) {
        return false;
    }
    POINT p;
    GetCursorPos(&p);
    ::ScreenToClient(handle_, &p);
    int cursor = MouseTargetAt(p)->Cursor();
    if (cursor == crDefault) {
        return false;
    }
    ::SetCursor(LoadCursorW(nullptr, CursorResource(cursor)));
    m.result = TRUE;
    return true;
}

bool WinControl::FocusHandler(Message& m) {
    DefaultHandler(m);
    FocusArrived();
    if (keyChild_) {
        keyChild_->Perform(WM_SETFOCUS, m.wParam, 0);
    }
    return true;
}

// The key child hears that it lost the keyboard. It keeps its place while no
// other window of the form takes the focus (the program is switched away
// from), so the keyboard comes back to it with the focus.
bool WinControl::FocusLost() {
    if (keyChild_) {
        keyChild_->Perform(WM_KILLFOCUS, 0, 0);
    }
    return false;
}

bool WinControl::RouteKey(Message& m) {
    if (!keyChild_) {
        return false;
    }
    m.result = keyChild_->Perform(m.msg, m.wParam, m.lParam);
    return true;
}

// A key child draws its own focus cue, shown or hidden with the window's.
bool WinControl::UiStateChanged(Message& m) {
    DefaultHandler(m);
    if (keyChild_) {
        keyChild_->Invalidate();
    }
    return true;
}

void WinControl::SetKeyChild(GraphicControl* child) {
    GraphicControl* previous = keyChild_;
    const bool focused = Focused();
    keyChild_ = child;
    if (focused && previous && previous != child) {
        previous->Perform(WM_KILLFOCUS, 0, 0);
    }
    if (!child) {
        return;
    }
    if (!focused) {
        // WM_SETFOCUS tells the child.
        ::SetFocus(Handle());
    } else if (previous != child) {
        child->Perform(WM_SETFOCUS, 0, 0);
    }
}

// The pointer left the window: a window-less child it was over is left too.
bool WinControl::MouseLeft() {
    trackingLeave_ = false;
    WinControl* top = TopLevel();
    Control* current = top->mouseControl_;
    if (current && (current == this || (current->Parent() == this && !current->IsWindowed()))) {
        top->SetMouseControl(nullptr);
    }
    return false;
}

bool WinControl::CaptureLost() {
    captureControl_ = nullptr;
    return false;
}

// The form may use an Alt+character as a menu accelerator before the system
// looks for one.
bool WinControl::SysChar(Message& m) {
    WinControl* top = TopLevel();
    if (!top->handle_ ||
        SendMessageW(top->handle_, NotifyDialogChar, m.wParam, m.lParam) != NotifyUsed) {
        return false;
    }
    m.result = 0;
    return true;
}

bool WinControl::CtlColorHandler(Message& m, HDC dc) {
    SetTextColor(dc, ResolveColour(Font().GetColor()));
    SetBkColor(dc, ResolveColour(GetColor()));
    m.result = reinterpret_cast<LRESULT>(ColorBrush());
    return true;
}

} // namespace tk
