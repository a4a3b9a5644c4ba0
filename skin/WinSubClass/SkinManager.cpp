#include "skin/WinSubClass/SkinManager.h"

#include "toolkit/Application.h"
#include "toolkit/ExtCtrls.h"
#include "toolkit/Form.h"
#include "skin/WinSkinMenu/MenuLooks.h"
#include "skin/WinSkinMenu/PopupMenuSkin.h"
#include "toolkit/Text.h"
#include "skin/WinSkinData/WinSkinData.h"
#include "skin/WinSkinForm/WinSkinForm.h"
#include "skin/WinSubClass/HighContrast.h"
#include "skin/WinSubClass/SettingWatch.h"
#include "toolkit/Trace.h"

#include <algorithm>
#include <cstdio>

namespace skin {
namespace {

constexpr int MaxClassNameLength = 100;
constexpr const char* ApplicationClass = "TApplication";
constexpr const char* MdiClientClassLower = "mdiclient";
constexpr const char* MessageFormClassLower = "tmessageform";
constexpr const char* DialogClassLower = "#32770";
// The class of the system's popup-menu windows (compared exactly).
constexpr const char* PopupMenuClass = "#32768";

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return char(c >= 'A' && c <= 'Z' ? c + 32 : c); });
    return text;
}

tk::Form* OwnerForm(const TSkinData& data) {
    return dynamic_cast<tk::Form*>(data.Owner());
}

} // namespace

thread_local std::unique_ptr<TSkinManage> SkinManager;

TSkinManage& EnsureSkinManager() {
    if (!SkinManager) {
        SkinManager = std::make_unique<TSkinManage>();
    }
    return *SkinManager;
}

void SkinTrace([[maybe_unused]] const std::string& text) {
    TK_TRACE_TEXT("Kanvio " + text);
}

std::string ClassNameOf(HWND window) {
    wchar_t name[MaxClassNameLength + 1] = {};
    GetClassNameW(window, name, MaxClassNameLength + 1);
    return tk::Narrow(name);
}

TSkinManage::TSkinManage()
    : FTimer(std::make_unique<tk::Timer>(nullptr)),
      FSettingWatch(std::make_unique<TSettingWatch>([this] { SettingsChanged(); })),
      FMenuLooks(std::make_unique<TMenuLooks>()), FStandingAside(highcontrast::On()) {
    FTimer->SetEnabled(false);
    FTimer->OnTimer = [this](tk::Component&) { OnActionTimer(); };
}

TSkinManage::~TSkinManage() {
    FTimer.reset();
    FSettingWatch.reset();
    if (FHook) {
        UnhookWindowsHookEx(FHook);
    }
    FreePopupMenus();
    // Frames of windows without a form object are the manager's.
    std::vector<TWinSkinForm*> frames;
    frames.swap(FFrames);
    for (TWinSkinForm* frame : frames) {
        if (!frame->Owner()) {
            delete frame;
        }
    }
}

void TSkinManage::InstallHook() {
    if (FHook) {
        return;
    }
    const DWORD version = GetVersion();
    char trace[64];
    std::snprintf(trace, sizeof trace, "Windows Version %lx", static_cast<unsigned long>(version));
    SkinTrace(trace);
    FHook = SetWindowsHookExW(WH_CBT, &TSkinManage::CbtHookProc, nullptr, GetCurrentThreadId());
}

LRESULT CALLBACK TSkinManage::CbtHookProc(int code, WPARAM wParam, LPARAM lParam) {
    if (code >= 0 && SkinManager) {
        try {
            if (code == HCBT_SYSCOMMAND && SkinManager->ForwardKeyMenu(wParam, lParam)) {
                return 1;
            }
            SkinManager->OnCbt(code, wParam);
        } catch (...) {
            // The hook never blocks an operation of the system.
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// Alt with a letter (or F10) pressed while a control has the focus puts the
// control's window into the system's menu mode, which looks for the menu of
// the top-level window and finds none: the skin's bar shows it. The key goes
// to the frame instead, which opens its bar; the system's command is
// skipped. Only keys the frame takes are handed on, so the frame never sends
// one back here.
bool TSkinManage::ForwardKeyMenu(WPARAM command, LPARAM key) {
    if (!TWinSkinForm::IsKeyMenu(command)) {
        return false;
    }
    const HWND focus = GetFocus();
    const HWND root = focus ? GetAncestor(focus, GA_ROOT) : nullptr;
    if (!root || root == focus) {
        return false;
    }
    const TWinSkinForm* frame = FindFrame(root);
    if (!frame || frame->FState != TFrameState::Running ||
        !frame->TakesKeyMenu(wchar_t(LOWORD(key)))) {
        return false;
    }
    PostMessageW(root, WM_SYSCOMMAND, SC_KEYMENU, key);
    return true;
}

void TSkinManage::OnCbt(int code, WPARAM wParam) {
    const HWND window = reinterpret_cast<HWND>(wParam);
    switch (code) {
    case HCBT_CREATEWND:
        return OnCreateWindow(window);
    case HCBT_DESTROYWND:
        DetachPopupMenu(window);
        std::erase(FAsideWindows, window);
        return;
    case HCBT_ACTIVATE:
        return OnActivateWindow(window);
    default:
        return;
    }
}

// Popup menus are skinned from their creation on.
void TSkinManage::OnCreateWindow(HWND window) {
    if (ClassNameOf(window) == PopupMenuClass) {
        AttachPopupMenu(window);
    }
}

void TSkinManage::OnActivateWindow(HWND window) {
    if (FActivated == 0) {
        FActivated = 1;
    }
    SkinWindow(window);
}

void TSkinManage::AddSkinData(TSkinData& data) {
    FSkinDatas.push_back(&data);
}

void TSkinManage::RemoveSkinData(TSkinData& data) {
    const auto it = std::find(FSkinDatas.begin(), FSkinDatas.end(), &data);
    if (it != FSkinDatas.end()) {
        FSkinDatas.erase(it);
    }
    if (FPendingSkinData == &data) {
        FPendingSkinData = nullptr;
    }
    FMenuLooks->Forget();
}

void TSkinManage::ScheduleAction(TSkinAction action, int interval) {
    FPendingAction = action;
    FTimer->SetInterval(interval);
    if (FActivated != 0) {
        FTimer->SetEnabled(true);
    } else if (action == TSkinAction::SwitchOn) {
        FEnabled = true;
    } else if (action == TSkinAction::SwitchOff) {
        FEnabled = false;
    }
}

bool TSkinManage::TimerArmed() const {
    return FTimer->Enabled();
}

void TSkinManage::ResetFrameControls() {
    for (TWinSkinForm* frame : FFrames) {
        frame->FreeControls();
    }
}

void TSkinManage::ElementsReplaced(TSkinData& data) {
    FMenuLooks->Forget();
    for (TWinSkinForm* frame : FFrames) {
        if (frame->FSkinData == &data) {
            frame->LoadGeometry();
        }
    }
}

void TSkinManage::OnActionTimer() {
    if (!FPendingSkinData) {
        return;
    }
    FTimer->SetEnabled(false);
    TSkinData& data = *FPendingSkinData;
    switch (FPendingAction) {
    case TSkinAction::SwitchOn:
        SwitchOn(data);
        break;
    case TSkinAction::SwitchOff:
        SwitchOff(data);
        break;
    case TSkinAction::SkinChanged:
        TakeNewSkin(data);
        break;
    case TSkinAction::None:
        break;
    }
    FPendingSkinData = nullptr;
    data.FireSkinChanged();
}

void TSkinManage::SwitchOn(TSkinData& data) {
    FEnabled = true;
    FForcing = true;
    PurgeDeadFrames();
    if (tk::Application* application = tk::ApplicationOf(data)) {
        const std::vector<tk::Form*> forms = application->Forms();
        for (auto it = forms.rbegin(); it != forms.rend(); ++it) {
            if (data.SkinFormtype() == TSkinFormType::sfOnlyThisForm) {
                if (*it == OwnerForm(data)) {
                    SkinForm(**it);
                    break;
                }
            } else {
                SkinForm(**it);
            }
        }
    }
    FForcing = false;
}

void TSkinManage::SwitchOff(TSkinData& data) {
    FEnabled = false;
    FMenuLooks->Forget();
    PurgeDeadFrames();
    const bool onlyThisForm = data.SkinFormtype() == TSkinFormType::sfOnlyThisForm;
    for (size_t i = FFrames.size(); i-- > 0;) {
        if (i >= FFrames.size()) {
            continue;
        }
        TWinSkinForm* frame = FFrames[i];
        if (onlyThisForm && frame->FSkinData != &data) {
            continue;
        }
        DetachAndFree(*frame);
        if (onlyThisForm) {
            break;
        }
    }
}

// Every frame of the component takes its new layout before any of them
// repaints with it.
void TSkinManage::TakeNewSkin(TSkinData& data) {
    FMenuLooks->Forget();
    PurgeDeadFrames();
    std::vector<TWinSkinForm*> frames;
    for (TWinSkinForm* frame : FFrames) {
        if (frame->FSkinData == &data) {
            frames.push_back(frame);
            if (data.SkinFormtype() == TSkinFormType::sfOnlyThisForm) {
                break;
            }
        }
    }
    for (TWinSkinForm* frame : frames) {
        frame->FreeControls();
        frame->FindControls();
        frame->LoadGeometry();
    }
    for (TWinSkinForm* frame : frames) {
        frame->ApplySkinColours();
        // Everything in the window was drawn from the old skin, and the
        // skinners taken off and put back leave parts of it erased without a
        // paint to follow (a tree's client area after its bars are taken
        // over again): the whole window is drawn anew.
        RedrawWindow(frame->FWindow, nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    }
}

bool TSkinManage::Release(HWND window) {
    TWinSkinForm* frame = FindFrame(window);
    if (!frame) {
        return false;
    }
    DetachAndFree(*frame);
    return true;
}

void TSkinManage::DetachAndFree(TWinSkinForm& frame) {
    const HWND window = frame.FWindow;
    frame.Detach();
    InvalidateRect(window, nullptr, TRUE);
    UpdateWindow(window);
    RemoveFrame(frame);
    // A frame owned by its form leaves the form's components as it goes.
    delete &frame;
}

void TSkinManage::SettingsChanged() {
    // The menu font may have changed with the setting.
    FMenuLooks->Forget();
    try {
        const bool highContrast = highcontrast::On();
        if (highContrast == FStandingAside) {
            return;
        }
        if (highContrast) {
            StandAside();
        } else {
            ComeBack();
        }
    } catch (...) {
        // A window procedure is no place for an exception: what was not
        // done is done on the next change or activation.
    }
}

void TSkinManage::StandAside() {
    FStandingAside = true;
    PurgeDeadFrames();
    FreePopupMenus();
    for (TWinSkinForm* frame : FFrames) {
        RememberAside(frame->FWindow);
    }
    while (!FFrames.empty()) {
        DetachAndFree(*FFrames.back());
    }
}

// The windows are framed again in the order they were framed first. What
// the system drew of each, its caption and borders among it, is drawn over
// by the skin: each is painted whole once its frame has started.
void TSkinManage::ComeBack() {
    FStandingAside = false;
    std::vector<HWND> windows;
    windows.swap(FAsideWindows);
    for (HWND window : windows) {
        if (SkinWindow(window)) {
            RedrawWindow(window, nullptr, nullptr,
                         RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
        }
    }
}

void TSkinManage::RememberAside(HWND window) {
    if (std::find(FAsideWindows.begin(), FAsideWindows.end(), window) == FAsideWindows.end()) {
        FAsideWindows.push_back(window);
    }
}

bool TSkinManage::IsPlainChildWindow(HWND window) {
    if (!(GetWindowLongPtrW(window, GWL_STYLE) & WS_CHILD)) {
        return false;
    }
    return Lower(ClassNameOf(GetParent(window))) != MdiClientClassLower;
}

TSkinData* TSkinManage::FirstMainformData() const {
    for (TSkinData* data : FSkinDatas) {
        if (data->SkinFormtype() == TSkinFormType::sfMainform) {
            return data;
        }
    }
    return nullptr;
}

bool TSkinManage::AcceptsClass(const std::string& className) const {
    bool accept = true;
    if (TSkinData* data = FirstMainformData()) {
        data->AcceptsWindowClass(className, accept);
    }
    return accept;
}

bool TSkinManage::SkinWindow(HWND window) {
    if (!FEnabled || !IsWindow(window)) {
        return false;
    }
    if (FStandingAside) {
        RememberAside(window);
        return false;
    }
    if (SendMessageW(window, WM_SKINQUERY, 0, 0) == SkinQueryAnswer ||
        GetPropW(window, LeftAloneProperty)) {
        return false;
    }
    PurgeDeadFrames();
    if (FindFrame(window)) {
        return false;
    }
    tk::Form* form = FindFormOfWindow(window);
    if (!FForcing && IsPlainChildWindow(window)) {
        return false;
    }
    RECT rect{};
    GetWindowRect(window, &rect);
    if ((rect.right - rect.left) * (rect.bottom - rect.top) == 0) {
        return false;
    }
    if (form && form->Tag() == RefusedFormTag) {
        return false;
    }
    const std::string className = ClassNameOf(window);
    if (className == ApplicationClass || !AcceptsClass(className)) {
        return false;
    }
    TSkinData* data = FindSkinData(window);
    if (!data || !data->SkinLoaded) {
        return false;
    }
    auto* frame = new TWinSkinForm(form);
    frame->FWindow = window;
    FFrames.push_back(frame);
    if (form) {
        frame->AttachToForm(*data, *form);
    } else {
        frame->AttachToWindow(*data);
    }
    PostMessageW(window, WM_SKINSTART, 0, SkinStartParam);
    return true;
}

bool TSkinManage::SkinForm(tk::Form& form) {
    if (!form.Visible() || !form.HandleAllocated()) {
        return false;
    }
    const HWND window = form.Handle();
    const bool mdiChild = (GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_MDICHILD) != 0;
    if ((GetWindowLongPtrW(window, GWL_STYLE) & WS_CHILD) && !mdiChild) {
        return false;
    }
    return SkinWindow(window);
}

TSkinData* TSkinManage::FindSkinData(HWND window) const {
    for (auto it = FSkinDatas.rbegin(); it != FSkinDatas.rend(); ++it) {
        if ((*it)->SkinFormtype() == TSkinFormType::sfOnlyThisForm) {
            tk::Form* owner = OwnerForm(**it);
            if (owner && owner->HandleAllocated() && owner->Handle() == window) {
                return *it;
            }
        }
    }
    const std::string lowerClass = Lower(ClassNameOf(window));
    if (lowerClass == MessageFormClassLower || lowerClass == DialogClassLower) {
        for (auto it = FSkinDatas.rbegin(); it != FSkinDatas.rend(); ++it) {
            if ((*it)->SkinFormtype() == TSkinFormType::sfDialog) {
                return *it;
            }
        }
    }
    for (auto it = FSkinDatas.rbegin(); it != FSkinDatas.rend(); ++it) {
        if ((*it)->SkinFormtype() == TSkinFormType::sfMainform) {
            return *it;
        }
    }
    return FSkinDatas.empty() ? nullptr : FSkinDatas.front();
}

TWinSkinForm* TSkinManage::FindFrame(HWND window) const {
    for (TWinSkinForm* frame : FFrames) {
        if (frame->FWindow == window) {
            return frame;
        }
    }
    return nullptr;
}

void TSkinManage::RemoveFrame(TWinSkinForm& frame) {
    const auto it = std::find(FFrames.begin(), FFrames.end(), &frame);
    if (it != FFrames.end()) {
        FFrames.erase(it);
    }
}

void TSkinManage::PurgeDeadFrames() {
    for (size_t i = FFrames.size(); i-- > 0;) {
        if (i < FFrames.size() && FFrames[i]->FState == TFrameState::Destroyed) {
            TWinSkinForm* frame = FFrames[i];
            FFrames.erase(FFrames.begin() + long(i));
            delete frame;
        }
    }
}

int TSkinManage::CountMdiChildFrames() const {
    return int(std::count_if(FFrames.begin(), FFrames.end(), [](const TWinSkinForm* frame) {
        return frame->FWindowKind == TWindowKind::MdiChild &&
               frame->FState != TFrameState::Destroyed;
    }));
}

tk::Form* TSkinManage::FindFormOfWindow(HWND window) {
    return dynamic_cast<tk::Form*>(tk::WinControl::FromHandle(window));
}

void TSkinManage::SetMdiMax(bool maximized) {
    if (maximized == FMdiMaximized) {
        return;
    }
    FMdiMaximized = maximized;
    for (TWinSkinForm* frame : FFrames) {
        if (frame->FWindowKind != TWindowKind::MdiChild) {
            continue;
        }
        if (maximized) {
            frame->RemoveRegion();
            frame->SetNativeCaption(true);
        } else if (frame->FShowState == TShowState::Minimized) {
            frame->SetNativeCaption(true);
        } else {
            frame->FShowState = TShowState::Normal;
            frame->UpdateRegion();
            frame->SetNativeCaption(false);
            if (!frame->FHasRegion) {
                frame->ForceFrameChange();
            }
        }
    }
    SkinTrace(maximized ? "***** SetMdiMax True" : "***** SetMdiMax Flase");
}

} // namespace skin
