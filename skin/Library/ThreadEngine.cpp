#include "skin/Library/ThreadEngine.h"

#include "skin/Library/LoadedSkin.h"
#include "skin/SkinRead/AsciiText.h"
#include "skin/WinSkinData/WinSkinData.h"
#include "skin/WinSkinForm/WinSkinForm.h"
#include "skin/WinSubClass/SkinManager.h"
#include "toolkit/win32/WindowClass.h"

#include <algorithm>
#include <mutex>

namespace skinlib {
namespace {

const wchar_t EngineWindowClass[] = L"KanvioSkinEngine";
// Asks the engine's window to carry out the pending switch or stop.
constexpr UINT CarryOutMessage = WM_APP + 1;

BOOL CALLBACK CollectWindow(HWND window, LPARAM windows) {
    reinterpret_cast<std::vector<HWND>*>(windows)->push_back(window);
    return TRUE;
}

std::vector<HWND> ThreadWindows(DWORD thread) {
    std::vector<HWND> windows;
    EnumThreadWindows(thread, CollectWindow, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

// What the engines of all threads share: the classes left native (lower
// case), and the engine windows to tell when one is added.
struct TShared {
    std::mutex lock;
    std::vector<std::string> leftClasses;
    std::vector<HWND> engineWindows;
};

TShared& Shared() {
    static TShared shared;
    return shared;
}

} // namespace

TThreadEngine::TThreadEngine() = default;

// A thread that ends has taken its engine down already (EndThreadEngine);
// the main thread's engine at the process's end is left to the system: the
// thread's other engine objects may be gone by then.
TThreadEngine::~TThreadEngine() {
    if (data_) {
        (void)data_.release();
    }
}

void TThreadEngine::Start(const std::vector<uint8_t>& package) {
    if (data_) {
        pendingPackage_ = package;
        stopPending_ = false;
        Post();
        return;
    }
    tk::RegisterClassOnce(EngineWindowClass, &TThreadEngine::WindowProc);
    window_ = CreateWindowExW(0, EngineWindowClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                              tk::CodeModule(), nullptr);
    if (!window_) {
        throw TRefusal("The skin engine cannot make its message window (system error " +
                       std::to_string(GetLastError()) + ")");
    }
    SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    {
        const std::lock_guard lock(Shared().lock);
        Shared().engineWindows.push_back(window_);
    }
    data_ = std::make_unique<skin::TSkinData>(nullptr);
    data_->OnFormSkin = [this](skin::TSkinData&, const std::string& className, bool& doSkin) {
        doSkin = !IsLeftClass(className);
    };
    if (!data_->SetSkinStream(package)) {
        const std::string refusal = data_->refusal;
        TakeDown();
        throw TRefusal(refusal);
    }
    // The component registers and hooks the thread as a form's does once its
    // design is read; no window was activated yet, so switching on takes
    // effect at once, and the windows open now are framed here.
    data_->SetActive(true);
    data_->Loaded();
    SkinOpenWindows();
    skin::SkinManager->MarkActivated();
}

void TThreadEngine::Stop() {
    stopPending_ = true;
    pendingPackage_.clear();
    Post();
}

void TThreadEngine::Post() {
    if (window_) {
        PostMessageW(window_, CarryOutMessage, 0, 0);
    }
}

LRESULT CALLBACK TThreadEngine::WindowProc(HWND window, UINT message, WPARAM wParam,
                                           LPARAM lParam) {
    auto* engine = reinterpret_cast<TThreadEngine*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (message == CarryOutMessage && engine) {
        engine->CarryOutPending();
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

// Runs from the engine's own window, outside every frame's and skinner's
// message: what it frees is not on the stack.
void TThreadEngine::CarryOutPending() {
    if (!data_) {
        return;
    }
    if (stopPending_) {
        stopPending_ = false;
        data_->SetActive(false);
        skin::SkinManager->OnActionTimer();
        TakeDown();
        return;
    }
    if (!pendingPackage_.empty()) {
        // The package was read when it was loaded: it cannot be refused.
        data_->SetSkinStream(std::move(pendingPackage_));
        pendingPackage_.clear();
        data_->ApplySkinChange();
        skin::SkinManager->OnActionTimer();
    }
    ReleaseLeftWindows();
}

void TThreadEngine::ReleaseLeftWindows() {
    std::vector<HWND> left;
    for (const skin::TWinSkinForm* frame : skin::SkinManager->Frames()) {
        const HWND window = frame->FWindow;
        if (GetPropW(window, skin::LeftAloneProperty) || IsLeftClass(skin::ClassNameOf(window))) {
            left.push_back(window);
        }
    }
    for (HWND window : left) {
        skin::SkinManager->Release(window);
    }
}

void TThreadEngine::TakeDown() {
    data_.reset();
    skin::SkinManager.reset();
    if (window_) {
        {
            const std::lock_guard lock(Shared().lock);
            std::erase(Shared().engineWindows, window_);
        }
        SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
        DestroyWindow(window_);
        window_ = nullptr;
    }
}

void TThreadEngine::LeaveWindow(HWND window) {
    SetPropW(window, skin::LeftAloneProperty, reinterpret_cast<HANDLE>(1));
    Post();
}

void TThreadEngine::LeaveClass(const std::string& className) {
    const std::string lower = skintext::LowerAscii(className);
    TShared& shared = Shared();
    const std::lock_guard lock(shared.lock);
    if (std::find(shared.leftClasses.begin(), shared.leftClasses.end(), lower) ==
        shared.leftClasses.end()) {
        shared.leftClasses.push_back(lower);
    }
    for (HWND window : shared.engineWindows) {
        PostMessageW(window, CarryOutMessage, 0, 0);
    }
}

bool TThreadEngine::IsLeftClass(const std::string& className) {
    TShared& shared = Shared();
    const std::lock_guard lock(shared.lock);
    return std::find(shared.leftClasses.begin(), shared.leftClasses.end(),
                     skintext::LowerAscii(className)) != shared.leftClasses.end();
}

void TThreadEngine::SkinOpenWindows() {
    for (HWND window : ThreadWindows(GetCurrentThreadId())) {
        if (IsWindowVisible(window)) {
            skin::SkinManager->SkinWindow(window);
        }
    }
}

} // namespace skinlib
