#include "tools/skinview/SkinView.h"

#include "toolkit/Application.h"
#include "tools/skinview/Backdrop.h"
#include "tools/skinview/MenuShot.h"
#include "tools/skinview/RecentStore.h"
#include "tools/skinview/SkinViewForm.h"
#include "tools/skinview/StatesSheet.h"
#include "toolkit/Text.h"
#include "skin/WinSkinData/WinSkinData.h"
#include "tools/skinview/WindowShot.h"

#include <optional>

namespace skinview {
namespace {

// Long enough for the skin manager's 250 ms action timer to tick twice, so a
// frame attached on activation has started and painted.
constexpr int SettleMs = 600;
// After a change of size, state or activation.
constexpr int ChangeMs = 300;

std::filesystem::path PathOf(const std::string& utf8) {
    return std::filesystem::path(tk::Widen(utf8));
}

// Applies --size, --maximized and --inactive to the shown window.
void ArrangeWindow(const TViewOptions& options, tk::Form& form, TBackdrop* backdrop) {
    HWND window = form.Handle();
    if (options.size) {
        RECT r;
        GetWindowRect(window, &r);
        SetWindowPos(window, nullptr, r.left, r.top, options.size->width, options.size->height,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if (options.maximized) {
        ShowWindow(window, SW_MAXIMIZE);
    }
    if (options.inactive && backdrop) {
        backdrop->ActivateBehind(window);
    }
    if (options.size || options.maximized || options.inactive) {
        PumpMessages(ChangeMs);
    }
}

} // namespace

int RunSkinView(const TViewOptions& options, std::ostream& out, std::ostream& err) {
    const bool screenshot = !options.screenshot.empty();
    tk::Application app;
    app.SetTitle("skinview");
    app.SetScalesForms(true);
    int errors = 0;
    if (screenshot) {
        app.SetMessageBox([&](const std::string& text, const std::string&) {
            err << "skinview: " << text << "\n";
            ++errors;
        });
    }
    try {
        // The sheet of states is the main form when asked for; the showcase
        // then stays hidden and only lends its skin component.
        TStatesSheet* sheet = options.states ? new TStatesSheet(&app) : nullptr;
        auto* form = new TSkinViewForm(&app);
        if (!options.package.empty()) {
            form->LoadSkin(PathOf(options.package));
            if (const size_t cut = form->SkinData().incompleteEntries) {
                err << "skinview: warning: " << options.package
                    << ": the compressed stream ends early; " << cut
                    << " of its entries are incomplete and show what the missing end decodes to\n";
            }
        }
        if (!screenshot) {
            form->KeepRecentSkins(LoadRecentSkins(), SaveRecentSkins);
        }
        if (options.watch) {
            form->WatchSkin();
        }
        form->ShowSkinName();
        tk::Form& shown = sheet ? static_cast<tk::Form&>(*sheet) : *form;
        std::optional<TBackdrop> backdrop;
        if (screenshot || options.inactive) {
            backdrop.emplace();
        }
        shown.Show();
        PumpMessages(SettleMs);
        if (sheet) {
            sheet->ShowStates();
            PumpMessages(ChangeMs);
        }
        ArrangeWindow(options, shown, backdrop ? &*backdrop : nullptr);
        if (!screenshot) {
            app.Run();
            return 0;
        }
        HWND window = shown.Handle();
        PaintCompletely(window);
        WritePng(PathOf(options.screenshot), options.openMenu
                                                 ? CaptureOpenMenu(window, options.openMenu)
                                                 : CaptureWindowArea(window));
        out << DescribeWindow(window) << "\n";
    } catch (const std::exception& error) {
        err << "skinview: " << error.what() << "\n";
        return 1;
    }
    return errors == 0 ? 0 : 1;
}

} // namespace skinview
