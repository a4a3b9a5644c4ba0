// Process start to the gallery's main window shown and fully painted, skinned
// as designed and with skinning switched off before the window shows, at 96
// DPI and at 192; each start is a process of its own, and each figure is the
// median of several. Wine reads the display scale from the prefix's registry
// when a process starts, so the benchmark sets it before each start (and
// puts the values back at the end): the four kinds of start take turns in
// one run, and their ratios do not depend on how busy the machine was.
#include "toolkit/Application.h"
#include "toolkit/Dpi.h"
#include "tests/guitest/GuiTest.h"
#include "app/MainForm/MainForm.h"
#include "app/ShareDM.h"
#include "skin/WinSubClass/SkinManager.h"
#include "toolkit/Text.h"
#include "skin/WinSkinForm/WinSkinForm.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr const wchar_t* UnskinnedArg = L"--unskinned";
constexpr const wchar_t* ChildArg = L"--child";
constexpr int Starts = 15;
constexpr int PlainDpi = 96;
constexpr int DoubleDpi = 192;

// The registry values Wine takes a new process's display scale from: the
// desktop's, the font engine's and the hardware profile's.
struct ScaleValue {
    HKEY root;
    const wchar_t* key;
};
const std::array ScaleValues{
    ScaleValue{HKEY_CURRENT_USER, L"Control Panel\\Desktop"},
    ScaleValue{HKEY_CURRENT_USER, L"Software\\Wine\\Fonts"},
    ScaleValue{HKEY_LOCAL_MACHINE,
               L"System\\CurrentControlSet\\Hardware Profiles\\Current\\Software\\Fonts"},
};
constexpr const wchar_t* ScaleValueName = L"LogPixels";

// Sets the scale later processes start at; puts back what the values held
// (or removes a value that was not there) when it goes.
class StartScale {
public:
    StartScale() {
        for (const ScaleValue& value : ScaleValues) {
            DWORD dpi = 0;
            DWORD size = sizeof(dpi);
            saved_.push_back(RegGetValueW(value.root, value.key, ScaleValueName, RRF_RT_REG_DWORD,
                                          nullptr, &dpi, &size) == ERROR_SUCCESS
                                 ? std::optional<DWORD>(dpi)
                                 : std::nullopt);
        }
    }
    StartScale(const StartScale&) = delete;
    StartScale& operator=(const StartScale&) = delete;
    ~StartScale() {
        for (size_t i = 0; i < ScaleValues.size(); ++i) {
            if (saved_[i]) {
                Write(ScaleValues[i], *saved_[i]);
            } else {
                RegDeleteKeyValueW(ScaleValues[i].root, ScaleValues[i].key, ScaleValueName);
            }
        }
    }

    // False when a value cannot be written.
    bool Set(DWORD dpi) {
        return std::all_of(ScaleValues.begin(), ScaleValues.end(),
                           [dpi](const ScaleValue& value) { return Write(value, dpi); });
    }

private:
    static bool Write(const ScaleValue& value, DWORD dpi) {
        return RegSetKeyValueW(value.root, value.key, ScaleValueName, REG_DWORD, &dpi,
                               sizeof(dpi)) == ERROR_SUCCESS;
    }

    std::vector<std::optional<DWORD>> saved_;
};

// One start: the exit code is the time in tenths of a millisecond, or 0 when
// the process did not start at `dpi`.
int Child(bool skinned, int dpi) {
    if (tk::WindowDpi(nullptr) != dpi) {
        return 0;
    }
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

// One start of this program as a child; its time in milliseconds, or 0.
double TimeOneStart(bool skinned, int dpi) {
    return guitest::RunSelf(std::wstring(ChildArg) + L" " + std::to_wstring(dpi) +
                            (skinned ? L"" : std::wstring(L" ") + UnskinnedArg)) /
           10.0;
}

double Median(std::vector<double> times) {
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// One scale's start times, in milliseconds.
struct ScaleTimes {
    std::vector<double> skinned, plain;
};

} // namespace

int wmain(int argc, wchar_t** argv) {
    const auto has = [&](const wchar_t* arg) {
        return std::any_of(argv + 1, argv + argc,
                           [&](const wchar_t* a) { return !wcscmp(a, arg); });
    };
    if (has(ChildArg) && argc > 2) {
        return Child(!has(UnskinnedArg), _wtoi(argv[2]));
    }
    // The kinds of start take turns, so a machine that gets busier or
    // quieter meanwhile weighs on all alike.
    StartScale scale;
    std::array<ScaleTimes, 2> times;
    const std::array dpis{PlainDpi, DoubleDpi};
    for (int i = 0; i < Starts; ++i) {
        for (size_t k = 0; k < dpis.size(); ++k) {
            if (!scale.Set(DWORD(dpis[k]))) {
                std::fprintf(stderr, "frame_start_bench: cannot set the display scale in the "
                                     "registry\n");
                return 1;
            }
            for (bool skinned : {true, false}) {
                const double time = TimeOneStart(skinned, dpis[k]);
                if (time <= 0) {
                    std::fprintf(stderr,
                                 "frame_start_bench: a start at %d DPI failed or came up "
                                 "at another scale\n",
                                 dpis[k]);
                    return 1;
                }
                (skinned ? times[k].skinned : times[k].plain).push_back(time);
            }
        }
    }
    std::array<double, 2> skinned{};
    for (size_t k = 0; k < dpis.size(); ++k) {
        skinned[k] = Median(times[k].skinned);
        const double plain = Median(times[k].plain);
        std::printf("frame: process start to the main window shown at %d DPI: skinned %.1f ms, "
                    "skinning off %.1f ms, ratio %.2f (median of %d starts each)\n",
                    dpis[k], skinned[k], plain, skinned[k] / plain, Starts);
    }
    std::printf("frame: skinned start at %d DPI / at %d DPI: ratio %.2f\n", DoubleDpi, PlainDpi,
                skinned[1] / skinned[0]);
    return 0;
}
