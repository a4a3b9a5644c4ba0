// The skinner base: attachment, the dispatcher, repaint triggers and the
// control's properties by name.
#include "skin/WinSubClass/SkinControl.h"

#include "toolkit/Assert.h"
#include "toolkit/Notifications.h"
#include "toolkit/Properties.h"
#include "toolkit/Text.h"
#include "toolkit/WinControl.h"
#include "skin/WinSkinData/WinSkinData.h"
#include "skin/WinSkinForm/WinSkinForm.h"
#include "skin/WinSubClass/EngineTrace.h"

#include <algorithm>
#include <utility>

namespace skin {

// The message a dispatch is running through the filters, and whether a
// filter has already handed it to the control, and the control failed.
struct TSkinControl::TPassing {
    const tk::Message* message = nullptr;
    bool passedOn = false;
    bool failedBelow = false;
};

// What the dispatcher installed on a control shares with its skinner. The
// skinner clears `skinner` when it goes; a dispatcher still in place (or a
// copy of it still running) then hands every message to `below`. `passing`
// is the innermost dispatch running, kept here since it outlives the skinner.
struct TSkinControl::TLink {
    TSkinControl* skinner = nullptr;
    tk::MessageHandler below;
    bool hooked = false;
    TPassing* passing = nullptr;
};

struct TSkinControl::TDispatcher {
    std::shared_ptr<TLink> link;
    void operator()(tk::Message& message) const {
        const std::shared_ptr<TLink> keep = link;
        if (keep->skinner) {
            keep->skinner->Dispatch(message, keep);
        } else if (keep->below) {
            keep->below(message);
        }
    }
};

const tk::ClassInfo& TSkinControl::StaticClass() {
    static const tk::ClassInfo info("TSkinControl", &tk::Component::StaticClass());
    return info;
}

std::wstring WindowTextOf(HWND window) {
    wchar_t text[MaxCaptionChars + 1] = {};
    GetWindowTextW(window, text, MaxCaptionChars + 1);
    return text;
}

TSkinControl::TSkinControl(tk::Component* owner)
    : tk::Component(owner), link_(std::make_shared<TLink>()) {
    link_->skinner = this;
}

TSkinControl::~TSkinControl() {
    link_->skinner = nullptr;
    UnhookControl();
    subclass_.Remove();
    if (FForm) {
        ForgetHot();
        FForm->UnregisterControl(*this);
    }
}

void TSkinControl::Notification(tk::Component& component, tk::Operation operation) {
    tk::Component::Notification(component, operation);
    if (operation == tk::Operation::Remove) {
        if (&component == FControl) {
            link_->hooked = false;
            FControl = nullptr;
        }
        if (&component == FGraphicControl) {
            FGraphicControl = nullptr;
        }
    }
}

void TSkinControl::Register(TWinSkinForm& frame, TSkinData& skin, tk::Canvas& canvas) {
    // Attaching is done once: a second frame would never hear of this skinner's end.
    TK_ASSERT(!FForm);
    FForm = &frame;
    FSkinData = &skin;
    FCanvas = &canvas;
    frame.RegisterControl(*this);
}

void TSkinControl::HookControl(tk::Control& control) {
    if (&control != Owner()) {
        control.FreeNotification(*this);
    }
    TK_ASSERT(!link_->hooked);
    link_->below = control.WindowProc();
    link_->hooked = true;
    control.SetWindowProc(TDispatcher{link_});
}

void TSkinControl::UnhookControl() {
    tk::Control* control = SkinnedControl();
    if (!link_->hooked || !control) {
        return;
    }
    link_->hooked = false;
    if (control->IsDestroying()) {
        return;
    }
    // Only the handler on top can be given back; below another one, the
    // dispatcher stays as a pass-through once the skinner is gone.
    const TDispatcher* top = control->WindowProc().target<TDispatcher>();
    if (top && top->link == link_) {
        control->SetWindowProc(link_->below);
    }
}

tk::Control* TSkinControl::BindOwner(bool useSkinColor) {
    auto* control = dynamic_cast<tk::Control*>(Owner());
    if (FAttached || !control) {
        return nullptr;
    }
    FUseSkinColor = useSkinColor;
    FControl = control;
    if (auto* windowed = dynamic_cast<tk::WinControl*>(control)) {
        FHandle = windowed->Handle();
    }
    return control;
}

void TSkinControl::AdoptSkinColor(const TSkinData& skin) {
    if (FUseSkinColor) {
        FSavedColor = FControl->GetColor();
        FControl->SetColor(ResolveColour(skin.ButtonFaceColour));
    }
}

void TSkinControl::MarkAttached() {
    FAttached = true;
    FState = TSkinnerState::Attached;
}

void TSkinControl::Attach(TWinSkinForm& frame, TSkinData& skin, bool useSkinColor,
                          tk::Canvas& canvas) {
    tk::Control* control = BindOwner(useSkinColor);
    if (!control) {
        return;
    }
    if (auto* windowed = dynamic_cast<tk::WinControl*>(control)) {
        windowed->SetDoubleBuffered(true);
    }
    HookControl(*control);
    Register(frame, skin, canvas);
    ReadWindowState();
    FIsFocused = FHandle && GetFocus() == FHandle;
    if (!FHandle) {
        FIsEnabled = control->Enabled();
    }
    FCaption = FHandle ? WindowTextOf(FHandle) : std::wstring();
    AdoptSkinColor(skin);
    control->Invalidate();
    MarkAttached();
}

void TSkinControl::AttachWindow(HWND window, TSkinData& skin, TWinSkinForm& frame,
                                tk::Canvas& canvas) {
    if (FAttached || !window) {
        return;
    }
    FHandle = window;
    FIsEnabled = true;
    FIsFocused = GetFocus() == window;
    Register(frame, skin, canvas);
    FCaption = WindowTextOf(window);
    subclass_.Install(window, [link = link_](UINT msg, WPARAM wParam, LPARAM lParam) {
        const std::shared_ptr<TLink> keep = link;
        tk::Message message{msg, wParam, lParam, 0};
        if (keep->skinner) {
            keep->skinner->Dispatch(message, keep);
        }
        return message.result;
    });
    MarkAttached();
}

void TSkinControl::RestoreColor() {
    if (FUseSkinColor && FControl && !FControl->IsDestroying()) {
        FControl->SetColor(FSavedColor);
    }
}

// A filter that failed after handing the message on has still delivered it:
// the control's own failure goes on to the toolkit, which reports it, and the
// message is not handed on a second time.
bool TSkinControl::SafeBefore(tk::Message& message, const TPassing& passing) {
    try {
        return BeforeMessage(message);
    } catch (...) {
        if (passing.failedBelow) {
            throw;
        }
        // a skinner's own failure leaves the message to the control, once
        return !passing.passedOn;
    }
}

void TSkinControl::SafeAfter(tk::Message& message) {
    try {
        AfterMessage(message);
    } catch (...) {
        // a skinner's own failure leaves the control as it was painted
    }
}

void TSkinControl::Dispatch(tk::Message& message, const std::shared_ptr<TLink>& link) {
    SKIN_TRACE_MESSAGE(ClassName(), FHandle, message.msg);
    TPassing passing{&message};
    struct TRestore {
        TLink& link;
        TPassing* outer;
        ~TRestore() { link.passing = outer; }
    } restore{*link, std::exchange(link->passing, &passing)};
    if (!SafeBefore(message, passing) || !link->skinner) {
        return;
    }
    CallOriginal(message);
    // The control's own handling may have freed the skinner.
    if (link->skinner) {
        SafeAfter(message);
    }
}

void TSkinControl::CallOriginal(tk::Message& message) {
    TPassing* passing = link_->passing;
    if (passing && passing->message != &message) {
        passing = nullptr;
    }
    if (passing) {
        passing->passedOn = true;
    }
    try {
        PassDown(message);
    } catch (...) {
        if (passing) {
            passing->failedBelow = true;
        }
        throw;
    }
}

void TSkinControl::PassDown(tk::Message& message) {
    if (link_->hooked || link_->below) {
        const tk::MessageHandler below = link_->below;
        if (below) {
            below(message);
        }
        return;
    }
    if (!FHandle) {
        return;
    }
    if (subclass_.Pending(message.msg, message.wParam, message.lParam)) {
        message.result = subclass_.CallNext(message.msg, message.wParam, message.lParam);
    } else {
        const auto own = reinterpret_cast<WNDPROC>(GetClassLongPtrW(FHandle, GCLP_WNDPROC));
        message.result = CallWindowProcW(own, FHandle, message.msg, message.wParam, message.lParam);
    }
}

bool TSkinControl::BeforeMessage(tk::Message& message) {
    switch (message.msg) {
    case WM_NCDESTROY:
        return OnNcDestroy(message);
    default:
        return true;
    }
}

void TSkinControl::AfterMessage(tk::Message& message) {
    switch (message.msg) {
    case WM_SETFOCUS:
        return OnFocusChanged(true);
    case WM_KILLFOCUS:
        return OnFocusChanged(false);
    case WM_ENABLE:
    case tk::NotifyEnabledChanged:
    // Focus cues shown or hidden: the skinner draws its own.
    case WM_UPDATEUISTATE:
        return Repaint();
    case WM_SETTEXT:
        return OnSetText(reinterpret_cast<const wchar_t*>(message.lParam));
    case WM_PAINT:
        return Paint(reinterpret_cast<HDC>(message.wParam));
    default:
        return;
    }
}

// The window goes: the control's own handling first, then the control gets
// its colour back and the frame frees the skinner.
// A control that fails on the way out has lost its window all the same.
bool TSkinControl::OnNcDestroy(tk::Message& message) {
    try {
        CallOriginal(message);
    } catch (...) {
        MarkWindowGone();
        throw;
    }
    MarkWindowGone();
    return false;
}

void TSkinControl::MarkWindowGone() {
    FState = TSkinnerState::WindowDestroyed;
    RestoreColor();
}

void TSkinControl::OnFocusChanged(bool focused) {
    FIsFocused = focused;
    Repaint();
}

void TSkinControl::OnSetText(const wchar_t* text) {
    FCaption = text ? text : L"";
    Repaint();
}

bool TSkinControl::PassOnAndSurvive(tk::Message& message) {
    return Survives([&] { CallOriginal(message); });
}

bool TSkinControl::Survives(const std::function<void()>& step) {
    const std::shared_ptr<TLink> alive = link_;
    step();
    return alive->skinner != nullptr;
}

bool TSkinControl::PassOnThenPaint(tk::Message& message) {
    if (PassOnAndSurvive(message)) {
        Paint(nullptr);
    }
    return false;
}

bool TSkinControl::SkipErase(tk::Message& message) {
    message.result = 1;
    return false;
}

bool TSkinControl::SwallowSystemHotBars(tk::Message& message) {
    if (message.wParam != HTHSCROLL && message.wParam != HTVSCROLL) {
        return true;
    }
    message.result = 0;
    return false;
}

void TSkinControl::SetMouseBits(uint8_t bits, bool on) {
    if (on) {
        FMouseState |= bits;
    } else {
        FMouseState &= uint8_t(~bits);
    }
}

void TSkinControl::Paint(HDC dc) {
    RECT rect{};
    if (!FHandle || !GetWindowRect(FHandle, &rect)) {
        return;
    }
    FWindowRect = rect;
    OffsetRect(&rect, -rect.left, -rect.top);
    try {
        if (dc) {
            Draw(dc, rect);
        } else {
            const tk::WindowDC window = tk::WindowDC::Whole(FHandle);
            Draw(window, rect);
        }
    } catch (...) {
        // a failed paint leaves the control as it was
    }
}

void TSkinControl::Draw(HDC, const RECT&) {}

void TSkinControl::PaintClient(tk::Message& message) {
    message.result = 0;
    const auto draw = [this](HDC dc) {
        RECT rect{};
        GetWindowRect(FHandle, &rect);
        FWindowRect = rect;
        OffsetRect(&rect, -rect.left, -rect.top);
        try {
            Draw(dc, rect);
        } catch (...) {
            // a failed paint leaves the control as it was
        }
    };
    if (HDC given = reinterpret_cast<HDC>(message.wParam)) {
        draw(given);
        return;
    }
    const tk::PaintDC dc(FHandle);
    draw(dc);
}

bool TSkinControl::TakeOverPainting(tk::Message& message) {
    switch (message.msg) {
    case WM_PAINT:
        PaintClient(message);
        return false;
    case WM_ERASEBKGND:
        return SkipErase(message);
    default:
        return true;
    }
}

void TSkinControl::Refresh() {
    if (FUseSkinColor && FControl && FSkinData) {
        FControl->SetColor(ResolveColour(FSkinData->ButtonFaceColour));
    }
    if (FHandle) {
        InvalidateRect(FHandle, nullptr, TRUE);
    } else if (FGraphicControl) {
        FGraphicControl->Invalidate();
    }
}

void TSkinControl::Repaint() {
    if (!FHandle) {
        if (FGraphicControl) {
            FGraphicControl->Invalidate();
        }
        return;
    }
    RECT rect{};
    if (!GetWindowRect(FHandle, &rect) || !GetParent(FHandle)) {
        return;
    }
    InvalidateRect(FHandle, nullptr, FALSE);
    UpdateWindow(FHandle);
}

void TSkinControl::FillBackground(HDC dc, const RECT& rect) const {
    const tk::OwnedBrush brush(CreateSolidBrush(ResolveColour(FSkinData->ButtonFaceColour)));
    FillRect(dc, &rect, brush.get());
}

DWORD TSkinControl::ReadWindowState() {
    if (!FHandle) {
        return 0;
    }
    const auto style = DWORD(GetWindowLongPtrW(FHandle, GWL_STYLE));
    FIsEnabled = (style & WS_DISABLED) == 0;
    return style;
}

std::wstring TSkinControl::ShownCaption() const {
    return FCaption.empty() ? ControlCaption() : FCaption;
}

std::wstring TSkinControl::ControlCaption() const {
    return SkinnedControl() ? tk::Widen(GetStrProp("Caption")) : std::wstring();
}

// --- Properties by name ---------------------------------------------------------

tk::Control* TSkinControl::SkinnedControl() const {
    return FControl ? FControl : FGraphicControl;
}

int TSkinControl::GetIntProp(std::string_view name) const {
    tk::Control* control = SkinnedControl();
    return control ? tk::TryGetIntProp(*control, name).value_or(0) : 0;
}

std::string TSkinControl::GetEnumProp(std::string_view name) const {
    tk::Control* control = SkinnedControl();
    return control ? tk::TryGetEnumProp(*control, name).value_or("") : "";
}

std::string TSkinControl::GetStrProp(std::string_view name) const {
    tk::Control* control = SkinnedControl();
    return control ? tk::TryGetStrProp(*control, name).value_or("") : "";
}

tk::Persistent* TSkinControl::GetObjProp(std::string_view name, std::string_view className) const {
    tk::Control* control = SkinnedControl();
    tk::Persistent* object = control ? tk::TryGetObjProp(*control, name) : nullptr;
    return object && object->InheritsFrom(className) ? object : nullptr;
}

// --- The frame's hot button ---------------------------------------------------------

void TSkinControl::SendMouseLeave() {
    if (FHandle) {
        SendMessageW(FHandle, tk::NotifyMouseLeave, 0, 0);
    } else if (tk::Control* control = SkinnedControl()) {
        control->Perform(tk::NotifyMouseLeave);
    }
}

void TSkinControl::BecomeHot() {
    if (FForm) {
        // The hot button is one of its frame's own skinners.
        TK_ASSERT(std::ranges::find(FForm->FControls, this) != FForm->FControls.end());
        FForm->FHotControl = this;
    }
}

void TSkinControl::ForgetHot() {
    if (FForm && FForm->FHotControl == this) {
        FForm->FHotControl = nullptr;
    }
}

} // namespace skin
