// The showcase's menu commands: opening, reloading and switching skins, the
// recent list, --watch, the status bar and the About box.
#include "tools/skinview/SkinViewForm.h"

#include "skin/WinSkinData/WinSkinData.h"
#include "toolkit/Menus.h"
#include "toolkit/StatusBar.h"
#include "toolkit/Text.h"
#include "toolkit/Timer.h"
#include "tools/skinview/OpenSkinDialog.h"
#include "tools/skinview/SkinWatch.h"

namespace skinview {
namespace {

// How often --watch looks at the skin's files.
constexpr int WatchIntervalMs = 200;

// Paragraphs; the message box wraps their lines.
constexpr const char* AboutText =
    "skinview 1.1\n\n"
    "For people who make skins: shows a window with every standard control the Kanvio "
    "skin engine paints (skin engine version %ENGINE%), in a skin package (.skn) or an "
    "unpacked skin folder.\n\n"
    "File > Open a package, or a folder through its INI; File > Recent opens one again; "
    "F5 reloads the skin after an edit, and --watch does it whenever a file of the skin "
    "changes.";

// While it lives, the form's commands know one is running, so a timer's
// reload waits until a message box it opened is closed.
class TBusy {
public:
    explicit TBusy(bool& busy) : busy_(busy), was_(std::exchange(busy, true)) {}
    ~TBusy() { busy_ = was_; }
    TBusy(const TBusy&) = delete;
    TBusy& operator=(const TBusy&) = delete;

private:
    bool& busy_;
    bool was_;
};

} // namespace

void TSkinViewForm::KeepRecentSkins(const std::vector<std::string>& stored, TSaveRecent save) {
    recent_ = TRecentSkins(stored);
    saveRecent_ = std::move(save);
    if (source_) {
        Remember();
    }
    FillRecentMenu();
    CheckShownSkin();
}

void TSkinViewForm::WatchSkin() {
    watching_ = true;
    if (source_) {
        watch_ = std::make_unique<TSkinWatch>(*source_, TSkinWatch::TClock::now());
    }
    if (!watchTimer_) {
        watchTimer_ = new tk::Timer(this);
        watchTimer_->SetInterval(WatchIntervalMs);
        watchTimer_->OnTimer = [this](tk::Component&) { PollWatch(); };
    }
    ShowSkinName();
}

void TSkinViewForm::PollWatch() {
    if (busy_ || !watch_ || !watch_->Poll(TSkinWatch::TClock::now())) {
        return;
    }
    Reload();
}

void TSkinViewForm::ChooseAndOpen() {
    const TBusy busy(busy_);
    std::filesystem::path folder;
    if (source_) {
        folder = source_->kind == TSourceKind::Folder ? source_->path : source_->path.parent_path();
    }
    if (const auto chosen = ChooseSkinFile(Handle(), folder)) {
        OpenChosen(*chosen);
    }
}

void TSkinViewForm::OpenChosen(const std::filesystem::path& chosen) {
    const TBusy busy(busy_);
    try {
        LoadSkin(chosen);
        Remember();
    } catch (const std::exception& error) {
        ReportFailure(error.what());
    }
}

void TSkinViewForm::OpenRecent(std::size_t index) {
    if (index >= recent_.Paths().size()) {
        return;
    }
    const std::string path = recent_.Paths()[index];
    const std::filesystem::path file = std::filesystem::path(tk::Widen(path));
    std::error_code error;
    if (!std::filesystem::exists(file, error)) {
        recent_.Remove(path);
        if (saveRecent_) {
            saveRecent_(recent_.Paths());
        }
        FillRecentMenu();
        CheckShownSkin();
        ReportFailure(path + ": no such file or folder\nIt is taken off the recent list.");
        return;
    }
    OpenChosen(file);
}

void TSkinViewForm::Reload() {
    const TBusy busy(busy_);
    try {
        ReloadSkin();
    } catch (const std::exception& error) {
        ReportFailure(error.what());
    }
}

void TSkinViewForm::ReportFailure(const std::string& reason) {
    const TBusy busy(busy_);
    const std::string& shown = SkinData().SkinName;
    const std::string text =
        "The skin could not be loaded:\n" + reason + "\n\n" +
        "The skin shown before stays: " + (shown.empty() ? std::string("(unnamed)") : shown) + ".";
    MessageBoxW(Handle(), tk::Widen(text).c_str(), L"skinview: cannot load the skin",
                MB_OK | MB_ICONWARNING);
}

void TSkinViewForm::Remember() {
    if (!saveRecent_ || !source_) {
        return;
    }
    recent_.Add(SourceName(*source_));
    saveRecent_(recent_.Paths());
    FillRecentMenu();
    CheckShownSkin();
}

void TSkinViewForm::FillRecentMenu() {
    const std::vector<std::string>& paths = recent_.Paths();
    noRecentItem_->SetVisible(paths.empty());
    for (std::size_t i = 0; i < recentItems_.size(); ++i) {
        tk::MenuItem& item = *recentItems_[i];
        item.SetVisible(i < paths.size());
        if (i < paths.size()) {
            item.SetCaption(RecentCaption(i, paths[i]));
        }
    }
}

void TSkinViewForm::CheckShownSkin() {
    const std::string shown = source_ ? SourceName(*source_) : std::string();
    const std::vector<std::string>& paths = recent_.Paths();
    for (std::size_t i = 0; i < recentItems_.size(); ++i) {
        recentItems_[i]->SetChecked(i < paths.size() && paths[i] == shown);
    }
    Designed<tk::MenuItem>("MenuBuiltIn").SetChecked(!source_);
}

void TSkinViewForm::ToggleStatusBar() {
    auto& bar = Designed<tk::StatusBar>("StatusBar1");
    bar.SetVisible(!bar.Visible());
    Designed<tk::MenuItem>("MenuStatusBar").SetChecked(bar.Visible());
}

void TSkinViewForm::ShowAbout() {
    const TBusy busy(busy_);
    std::string text = AboutText;
    const std::string marker = "%ENGINE%";
    text.replace(text.find(marker), marker.size(), skin::SkinDataVersion);
    MessageBoxW(Handle(), tk::Widen(text).c_str(), L"关于 About skinview",
                MB_OK | MB_ICONINFORMATION);
}

} // namespace skinview
