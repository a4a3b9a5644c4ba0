// Frame benchmarks under Wine: one full non-client paint of a 921 x 620
// window, one region rebuild, and attaching a frame up to its first full
// paint, with the default skin.
#include "tests/controls/BenchSupport.h"
#include "skin/WinSubClass/SkinManager.h"
#include "skin/WinSkinData/WinSkinData.h"
#include "skin/WinSkinForm/WinSkinForm.h"

#include <windows.h>

#include <chrono>
#include <cstdio>

using namespace skin;

using controlsbench::Pump;

namespace {

constexpr int Width = 921;
constexpr int Height = 620;
constexpr int DoubleDpi = 192;

template <class F> double MeanMs(int rounds, F&& step) {
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < rounds; ++i) {
        step();
    }
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
               .count() /
           rounds;
}

} // namespace

int main() {
    TSkinData data(nullptr);
    if (!controlsbench::SwitchOnSkin(data, KANVIO_DEFAULT_SKIN, "frame_bench")) {
        return 1;
    }
    HWND window =
        CreateWindowExW(0, L"STATIC", L"霓虹Kanvio企业模板建站工具箱",
                        WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, 40, 40, Width,
                        Height, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    ShowWindow(window, SW_SHOW);
    SetForegroundWindow(window);
    Pump();
    TWinSkinForm* frame = SkinManager->FindFrame(window);
    if (!frame) {
        std::fprintf(stderr, "frame_bench: the window was not skinned\n");
        return 1;
    }
    SetWindowPos(window, nullptr, 0, 0, Width, Height, SWP_NOMOVE | SWP_NOZORDER);
    Pump();
    frame->PaintFrame(nullptr);
    std::printf("frame: full non-client paint of a %d x %d window: %.3f ms (mean of 200)\n", Width,
                Height, MeanMs(200, [&] { frame->PaintFrame(nullptr); }));
    std::printf("frame: window region rebuild: %.3f ms (mean of 200)\n",
                MeanMs(200, [&] { frame->BuildRegion(Width, Height); }));
    std::printf("frame: region rebuilt, set on the window and the frame repainted: %.3f ms "
                "(mean of 200)\n",
                MeanMs(200, [&] {
                    frame->FState = TFrameState::Refreshing;
                    frame->UpdateRegion();
                    frame->FState = TFrameState::Running;
                }));
    const double attach = MeanMs(50, [&] {
        SkinManager->SetPendingSkinData(&data);
        SkinManager->ScheduleAction(TSkinAction::SwitchOff, ActionDelayMs);
        SkinManager->OnActionTimer();
        SkinManager->SetEnabled(true);
        SkinManager->SkinWindow(window);
        Pump();
        RedrawWindow(window, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    });
    std::printf("frame: detach, attach and first full paint: %.2f ms (mean of 50)\n", attach);
    // The same window twice the size, on a screen at 200 %: the skin read
    // again at that scale.
    data.ScaleTo(DoubleDpi);
    SkinManager->OnActionTimer();
    SetWindowPos(window, nullptr, 0, 0, 2 * Width, 2 * Height, SWP_NOMOVE | SWP_NOZORDER);
    Pump();
    frame = SkinManager->FindFrame(window);
    if (!frame || data.dpi != DoubleDpi) {
        std::fprintf(stderr, "frame_bench: the skin did not take the scale\n");
        return 1;
    }
    frame->PaintFrame(nullptr);
    std::printf("frame: full non-client paint of a %d x %d window at %d DPI: %.3f ms (mean of "
                "200)\n",
                2 * Width, 2 * Height, DoubleDpi, MeanMs(200, [&] { frame->PaintFrame(nullptr); }));
    DestroyWindow(window);
    SkinManager.reset();
    return 0;
}
