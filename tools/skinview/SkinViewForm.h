// The showcase window: a menu bar, a context menu (a right click on the
// window) and one control of every kind the skin engine paints, read from
// the design "TSkinViewForm", with the skin component SkinData1 that carries
// the built-in default skin.
//
// Its menus are a skin author's: File > Open a package or an unpacked skin
// folder, Recent, Reload (F5) and the built-in skin; View > Status bar;
// Help > About. The skin is switched at run time and every frame redrawn in
// it. A skin that cannot be loaded is reported in a message box (skinned
// like every window) and the skin shown before stays.
#pragma once

#include "toolkit/Form.h"
#include "tools/skinview/RecentSkins.h"
#include "tools/skinview/SkinSource.h"

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace skin {
class TSkinData;
}

namespace tk {
class MenuItem;
class Timer;
} // namespace tk

namespace skinview {

class TSkinWatch;

class TSkinViewForm : public tk::Form {
    TK_CLASS(TSkinViewForm)

public:
    explicit TSkinViewForm(tk::Component* owner);
    ~TSkinViewForm() override;

    skin::TSkinData& SkinData() const;

    // Shows the skin a chosen path stands for (see FindSkinSource). Throws
    // TViewError, "path: reason", when it cannot; the skin shown before then
    // stays.
    void LoadSkin(const std::filesystem::path& chosen);
    // Reads the skin shown again from its package or folder (the built-in
    // one from the design); throws as LoadSkin does.
    void ReloadSkin();
    // Goes back to the skin stored in the design.
    void LoadBuiltInSkin();
    // The package or folder shown; none for the built-in skin.
    const std::optional<TSkinSource>& Source() const { return source_; }

    // The skin's name in the caption and the status bar.
    void ShowSkinName();

    // File > Recent from a stored list; every skin opened from now on (and
    // the one shown) goes first in it, and `save` keeps the list.
    using TSaveRecent = std::function<void(const std::vector<std::string>&)>;
    void KeepRecentSkins(const std::vector<std::string>& stored, TSaveRecent save);
    const TRecentSkins& RecentSkins() const { return recent_; }

    // From now on shows the skin again whenever its files change (a skin
    // opened later is watched instead; the built-in one has no files).
    void WatchSkin();

protected:
    void WndProc(tk::Message& message) override;

private:
    void FormShow();
    // The context menu at a screen point of the client area, or (from the
    // keyboard) at the client area's top-left corner; false for a point
    // elsewhere.
    bool ShowContextMenu(LPARAM screenPoint);
    template <class T> T& Designed(const char* name) const;

    // Loads the package bytes as the skin shown, from `source` (none: built in).
    void ShowPackage(std::vector<uint8_t> package, std::optional<TSkinSource> source);

    // The menus' commands; failures are reported to the user.
    void OpenChosen(const std::filesystem::path& chosen);
    void OpenRecent(std::size_t index);
    void ChooseAndOpen();
    void Reload();
    void ToggleStatusBar();
    void ShowAbout();
    void ReportFailure(const std::string& reason);
    void Remember();
    void FillRecentMenu();
    void CheckShownSkin();
    void PollWatch();

    std::vector<uint8_t> builtIn_;
    std::optional<TSkinSource> source_;
    TRecentSkins recent_;
    TSaveRecent saveRecent_;
    // One item per place in the recent list, shown while the place is
    // taken, and the item that says the list is empty.
    std::vector<std::unique_ptr<tk::MenuItem>> recentItems_;
    std::unique_ptr<tk::MenuItem> noRecentItem_;
    bool watching_ = false;
    std::unique_ptr<TSkinWatch> watch_;
    tk::Timer* watchTimer_ = nullptr;
    bool busy_ = false; // a command is running (a message box may be open)
};

template <class T> T& TSkinViewForm::Designed(const char* name) const {
    T* component = dynamic_cast<T*>(FindComponent(name));
    if (!component) {
        throw std::runtime_error(std::string("skinview's design lacks ") + name);
    }
    return *component;
}

} // namespace skinview
