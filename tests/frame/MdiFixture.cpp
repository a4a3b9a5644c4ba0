#include "tests/frame/MdiFixture.h"

namespace frametest {
namespace {

HWND FrameClient = nullptr;

LRESULT CALLBACK MdiFrameProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    return DefFrameProcW(window, FrameClient, msg, wParam, lParam);
}

LRESULT CALLBACK MdiChildProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    return DefMDIChildProcW(window, msg, wParam, lParam);
}

constexpr const wchar_t* FrameClass = L"FrameTestMdiFrame";
constexpr const wchar_t* ChildClass = L"FrameTestMdiChild";
constexpr UINT FirstChildId = 0x100;

} // namespace

MdiTest::MdiTest() {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpfnWndProc = MdiFrameProc;
    wc.lpszClassName = FrameClass;
    RegisterClassExW(&wc);
    wc.lpfnWndProc = MdiChildProc;
    wc.lpszClassName = ChildClass;
    RegisterClassExW(&wc);
}

HWND MdiTest::Client() {
    return FrameClient;
}

HWND MdiTest::ShowMdiFrame(const RECT& bounds, DWORD exStyle) {
    menu_ = CreateMenu();
    HMENU window = CreatePopupMenu();
    AppendMenuW(window, MF_STRING, 1, L"&Tile");
    AppendMenuW(menu_, MF_POPUP, reinterpret_cast<UINT_PTR>(window), L"&Window");
    frame_ = CreateWindowExW(exStyle, FrameClass, L"MDI", WS_OVERLAPPEDWINDOW, bounds.left,
                             bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top,
                             nullptr, menu_, GetModuleHandleW(nullptr), nullptr);
    windows_.push_back(frame_);
    CLIENTCREATESTRUCT ccs{window, FirstChildId};
    FrameClient = CreateWindowExW(0, L"MDIClient", nullptr, WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN,
                                  0, 0, 0, 0, frame_, nullptr, GetModuleHandleW(nullptr), &ccs);
    ShowWindow(frame_, SW_SHOW);
    SetForegroundWindow(frame_);
    Settle();
    return frame_;
}

HWND MdiTest::CreateChild(const wchar_t* title) {
    MDICREATESTRUCTW create{};
    create.szClass = ChildClass;
    create.szTitle = title;
    create.hOwner = GetModuleHandleW(nullptr);
    create.x = create.y = 10;
    create.cx = 240;
    create.cy = 160;
    create.style = WS_OVERLAPPEDWINDOW;
    HWND child = reinterpret_cast<HWND>(
        SendMessageW(FrameClient, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&create)));
    SendMessageW(FrameClient, WM_MDIREFRESHMENU, 0, 0);
    Settle();
    return child;
}

} // namespace frametest
