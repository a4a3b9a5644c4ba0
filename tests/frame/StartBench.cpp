// Process start to the gallery's main window shown and fully painted, skinned
// as designed and with skinning switched off before the window shows; each
// start is a process of its own, and the figure is the median of several.
#include "toolkit/Application.h"
#include "toolkit/Dpi.h"
#include "tests/guitest/GuiTest.h"
#include "app/MainForm/MainForm.h"
#include "app/ShareDM.h"
#include "skin/WinSubClass/SkinManager.h"
#include "toolkit/Text.h"
#include "skin/WinSkinForm/WinSkinForm.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace {

constexpr const wchar_t* UnskinnedArg = L"--unskinned";
constexpr const wchar_t* ChildArg = L"--child";
constexpr int Starts = 9;

// One start: the exit code is the time in tenths of a millisecond.
int Child(bool skinned) {
    tk::Application app;
    app.SetScalesForms(true);
    auto* form = new TFormMain(&app);
    form->SetDataModule(*new TShareDataModule(&app));
    AppPath =
        tk::Narrow(std::filesystem::path(KANVIO_GALLERY_DATA).make_preferred().wstring()) + "\\";
    if (!skinned) {
        skin::SkinManager->SetEnabled(false);
    }
    form->Show();
    SetForegroundWindow(form->Handle());
    MSG msg;
    for (;;) {
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            DispatchMessageW(&msg);
        }
        skin::TWinSkinForm* frame = skin::SkinManager->FindFrame(form->Handle());
        if (!skinned || (frame && frame->FState == skin::TFrameState::Running)) {
            break;
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
    RedrawWindow(form->Handle(), nullptr, nullptr,
                 RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    return int(guitest::MillisecondsSinceProcessStart() * 10);
}

// One start of this program as a child; its time in milliseconds, or -1.
double TimeOneStart(bool skinned) {
    wchar_t self[MAX_PATH];
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring command = std::wstring(L"\"") + self + L"\" " + ChildArg +
                           (skinned ? L"" : std::wstring(L" ") + UnskinnedArg);
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        return -1;
    }
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD code = 0;
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return code / 10.0;
}

double Median(std::vector<double> times) {
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    const auto has = [&](const wchar_t* arg) {
        return std::any_of(argv + 1, argv + argc,
                           [&](const wchar_t* a) { return !wcscmp(a, arg); });
    };
    if (has(ChildArg)) {
        return Child(!has(UnskinnedArg));
    }
    // The two kinds of start alternate, so a machine that gets busier or
    // quieter meanwhile weighs on both alike.
    std::vector<double> skinnedTimes, plainTimes;
    for (int i = 0; i < Starts; ++i) {
        skinnedTimes.push_back(TimeOneStart(true));
        plainTimes.push_back(TimeOneStart(false));
    }
    const double skinned = Median(skinnedTimes);
    const double plain = Median(plainTimes);
    const int dpi = tk::WindowDpi(nullptr);
    std::printf("frame: process start to the main window shown at %d DPI: skinned %.1f ms, "
                "skinning off %.1f ms, ratio %.2f (median of %d starts each)\n",
                dpi, skinned, plain, plain > 0 ? skinned / plain : 0.0, Starts);
    return 0;
}
