#include "tests/frame/FrameFixture.h"

namespace frametest {
namespace {

LRESULT CALLBACK RawProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    TRawLog& log = RawLog();
    switch (msg) {
    case WM_CLOSE:
        ++log.closes;
        return 0;
    case WM_COMMAND:
        log.lastCommand = LOWORD(wParam);
        return 0;
    case WM_NCLBUTTONDOWN:
        ++log.ncLButtonDowns;
        log.lastNcLButtonDown = wParam;
        return 0;
    case WM_SIZE:
        if (wParam == SIZE_MAXIMIZED) {
            ANIMATIONINFO info{sizeof(info), 0};
            SystemParametersInfoW(SPI_GETANIMATION, sizeof(info), &info, 0);
            log.animationDuringMaximize = info.iMinAnimate != 0;
        }
        break;
    default:
        if (msg == skin::WM_SKINBUTTONACTION) {
            ++log.buttonActions;
            log.lastButtonAction = wParam;
            return 0;
        }
        break;
    }
    return DefWindowProcW(window, msg, wParam, lParam);
}

void RegisterRawClass() {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    if (GetClassInfoExW(GetModuleHandleW(nullptr), RawClass, &wc)) {
        return;
    }
    wc.lpfnWndProc = RawProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = RawClass;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.style = CS_DBLCLKS;
    RegisterClassExW(&wc);
}

} // namespace

TRawLog& RawLog() {
    static TRawLog log;
    return log;
}

FrameTest::FrameTest() {
    guitest::ParkPointer();
    RegisterRawClass();
    RawLog() = {};
    app_.SetMessageBox([](const std::string& text, const std::string&) {
        ADD_FAILURE() << "unexpected error box: " << text;
    });
}

FrameTest::~FrameTest() {
    for (HWND window : windows_) {
        if (IsWindow(window)) {
            DestroyWindow(window);
        }
    }
    guitest::PumpUntilIdle(20, 500);
    skin::SkinManager.reset();
}

skin::TSkinData& FrameTest::AddSkin(const std::vector<uint8_t>& package, skin::TSkinFormType type,
                                    bool active) {
    auto* data = new skin::TSkinData(&app_);
    data->OnNotice = [](const std::string& text) { ADD_FAILURE() << text; };
    data->SetSkinFormtype(type);
    if (!package.empty()) {
        data->SetSkinStream(package);
    }
    if (!skin::SkinManager) {
        data->SetActive(active);
        data->Loaded();
    } else {
        data->Loaded();
        data->SetActive(active);
    }
    return *data;
}

HWND FrameTest::ShowRaw(const RECT& r, DWORD style, HWND owner, const wchar_t* caption,
                        HMENU menu) {
    HWND window =
        CreateWindowExW(0, RawClass, caption, style, r.left, r.top, r.right - r.left,
                        r.bottom - r.top, owner, menu, GetModuleHandleW(nullptr), nullptr);
    windows_.push_back(window);
    ShowWindow(window, SW_SHOW);
    SetForegroundWindow(window);
    Settle();
    return window;
}

tk::Form& FrameTest::ShowForm(const RECT& r, const std::string& caption) {
    auto* form = new tk::Form(&app_);
    form->SetCaption(caption);
    form->SetBounds(r.left, r.top, r.right - r.left, r.bottom - r.top);
    form->Show();
    SetForegroundWindow(form->Handle());
    Settle();
    return *form;
}

skin::TWinSkinForm* FrameOf(HWND window) {
    return skin::SkinManager ? skin::SkinManager->FindFrame(window) : nullptr;
}

RECT WindowRectOf(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return r;
}

RECT ClientRectOf(HWND window) {
    RECT r{};
    GetClientRect(window, &r);
    return r;
}

RECT ClientInWindow(HWND window) {
    RECT client = ClientRectOf(window);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&client), 2);
    const RECT outer = WindowRectOf(window);
    OffsetRect(&client, -outer.left, -outer.top);
    return client;
}

::testing::AssertionResult RegionMatchesKey(HWND window, const TOddSkin& odd) {
    const RECT outer = WindowRectOf(window);
    const int w = outer.right - outer.left;
    const int h = outer.bottom - outer.top;
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    const int kind = GetWindowRgn(window, region);
    if (kind == ERROR) {
        DeleteObject(region);
        return ::testing::AssertionFailure() << "the window has no region";
    }
    int wrong = 0;
    POINT first{-1, -1};
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const bool expected = !OddSkinKeyed(x, y, w, h, odd);
            if (bool(PtInRegion(region, x, y)) != expected) {
                if (!wrong++) {
                    first = {x, y};
                }
            }
        }
    }
    DeleteObject(region);
    if (wrong) {
        return ::testing::AssertionFailure()
               << wrong << " pixels differ from the key, first at " << first.x << "," << first.y;
    }
    return ::testing::AssertionSuccess();
}

void RunPendingAction() {
    skin::SkinManager->OnActionTimer();
    Settle();
}

TCompositorRecord::TCompositorRecord() {
    replaced_ = tk::compositor::ReplaceSetter(
        [this](HWND window, tk::compositor::Attribute attribute, DWORD value) {
            wchar_t name[64] = {};
            GetClassNameW(window, name, 64);
            requests_.push_back({window, attribute, value, name});
            return true;
        });
}

TCompositorRecord::~TCompositorRecord() {
    tk::compositor::ReplaceSetter(std::move(replaced_));
}

std::vector<DWORD> TCompositorRecord::ValuesFor(HWND window,
                                                tk::compositor::Attribute attribute) const {
    std::vector<DWORD> values;
    for (const TRequest& request : requests_) {
        if (request.window == window && request.attribute == attribute) {
            values.push_back(request.value);
        }
    }
    return values;
}

void TCompositorRecord::Note(HWND window, DWORD what) {
    requests_.push_back({window, Noted, what, {}});
}

} // namespace frametest
