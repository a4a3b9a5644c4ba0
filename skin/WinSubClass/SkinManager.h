// TSkinManage: the skin engine's one coordinator per GUI thread
// (SkinManager). Windows, hooks and timers belong to a thread, so each thread
// that skins has a manager of its own and they never meet: its WH_CBT hook
// reports every window of the thread that is activated; the
// manager decides whether it is skinned and with which skin component, and
// attaches a form frame (TWinSkinForm) to it. Switching skinning on or off,
// and taking a new skin, are carried out by a 250 ms action timer so that a
// burst of changes costs one pass. It also holds the engine-wide MDI
// maximised mode.
//
// While the system runs a high-contrast theme the manager stands aside: it
// takes every frame and popup-menu skinner off, as switching skinning off
// does, and frames no window, so that each draws itself in the system's
// colours; when the theme ends it frames again the windows it let go and
// those activated meanwhile. It hears the change through a hidden top-level
// window (TSettingWatch).
//
// Error policy: the manager never blocks an operation of the system and never
// throws out of its hook or timer; a window it cannot skin is left as it is.
#pragma once

#include "skin/WinSkinData/SkinCodes.h"

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

namespace tk {
class Form;
class Timer;
} // namespace tk

namespace skin {

class TDib;
class TMenuLooks;
class TSettingWatch;
class TSkinData;
class TWinSkinForm;
class TWinSkinPopMenu;

// The engine's trace routine: keeps nothing; the debug build writes the text
// to the debugger's output (toolkit/Trace.h).
void SkinTrace(const std::string& text);

// A window's class name (at most 100 characters), in UTF-8.
std::string ClassNameOf(HWND window);

// A window holding this window property is never skinned: a program left it
// to its native drawing.
inline constexpr const wchar_t* LeftAloneProperty = L"KanvioSkinLeftAlone";

// A window whose menu the skin's menu bar took off holds that menu in this
// window property while it is framed: the program's own code asks the
// window for its menu to check or change its items, and is answered from
// here (see the library's GetMenu).
inline constexpr const wchar_t* TakenMenuProperty = L"KanvioSkinTakenMenu";

class TSkinManage {
public:
    TSkinManage();
    ~TSkinManage();
    TSkinManage(const TSkinManage&) = delete;
    TSkinManage& operator=(const TSkinManage&) = delete;

    // Installs the WH_CBT hook for the calling thread (once).
    void InstallHook();
    bool HookInstalled() const { return FHook != nullptr; }

    void AddSkinData(TSkinData& data);
    void RemoveSkinData(TSkinData& data);
    const std::vector<TSkinData*>& SkinDatas() const { return FSkinDatas; }
    // Records the action the next timer tick carries out. Before any window
    // was activated, switching on and off takes effect at once instead.
    void ScheduleAction(TSkinAction action, int interval);
    void SetPendingSkinData(TSkinData* data) { FPendingSkinData = data; }
    TSkinAction PendingAction() const { return FPendingAction; }
    bool TimerArmed() const;
    // Every frame frees its control skinners.
    void ResetFrameControls();
    // The component's skin was replaced: its frames let go of the old skin's
    // caption buttons, which they hold by reference, and take the new
    // skin's at once (their look follows with the SkinChanged action).
    void ElementsReplaced(TSkinData& data);
    // The action timer's tick (public so a test can run it at once).
    void OnActionTimer();

    // Attaches a frame; true when one was attached.
    bool SkinWindow(HWND window);
    // Takes the window's frame off (its native drawing comes back); false
    // when it had none.
    bool Release(HWND window);
    // A visible form (not a plain child) gets SkinWindow.
    bool SkinForm(tk::Form& form);
    TSkinData* FindSkinData(HWND window) const;
    TWinSkinForm* FindFrame(HWND window) const;
    // Forgets the frame (called by its destructor); does not free it.
    void RemoveFrame(TWinSkinForm& frame);
    // Frees every frame whose window is gone.
    void PurgeDeadFrames();
    int CountMdiChildFrames() const;
    static tk::Form* FindFormOfWindow(HWND window);
    const std::vector<TWinSkinForm*>& Frames() const { return FFrames; }

    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool enabled) { FEnabled = enabled; }
    // True while a high-contrast theme keeps the skin off.
    bool StandingAside() const { return FStandingAside; }
    // Asks whether a high-contrast theme is on and stands aside or comes
    // back when that changed (on every announced setting change).
    void SettingsChanged();
    bool Forcing() const { return FForcing; }
    int Activated() const { return FActivated; }
    void MarkActivated() { ++FActivated; }

    bool MdiMaximized() const { return FMdiMaximized; }
    // MDI children shown maximised take the system's caption; back to normal,
    // they take the skin's frame again.
    void SetMdiMax(bool maximized);
    HWND MdiClient() const { return FMdiClient; }
    void SetMdiClient(HWND client) { FMdiClient = client; }

    bool MenuBarTracking() const { return FMenuBarTracking; }
    void SetMenuBarTracking(bool tracking) { FMenuBarTracking = tracking; }

    // --- System popup-menu windows ("#32768"), seen by the hook ---
    // Gives the window a popup-menu skinner when skinning is on and its
    // component skins menus.
    void AttachPopupMenu(HWND window);
    // Frees the window's skinner; false when it had none.
    bool DetachPopupMenu(HWND window);
    bool IsPopupMenuWindow(HWND window) const;
    // The skinner of the popup window showing `menu` (its background and
    // item surface), or none when no skinned window shows the menu.
    TWinSkinPopMenu* PopupMenuShowing(HMENU menu);
    size_t PopupMenuCount() const { return FPopupMenus.size(); }
    // What the thread's skinned menus keep from one opening to the next.
    TMenuLooks& MenuLooks() { return *FMenuLooks; }

private:
    static LRESULT CALLBACK CbtHookProc(int code, WPARAM wParam, LPARAM lParam);
    void OnCbt(int code, WPARAM wParam);
    // A menu key pressed in a control of a framed window: true when it was
    // handed to the frame (see the definition).
    bool ForwardKeyMenu(WPARAM command, LPARAM key);
    void OnCreateWindow(HWND window);
    void OnActivateWindow(HWND window);
    static bool IsPlainChildWindow(HWND window);
    bool AcceptsClass(const std::string& className) const;
    TSkinData* FirstMainformData() const;
    void SwitchOn(TSkinData& data);
    void SwitchOff(TSkinData& data);
    void TakeNewSkin(TSkinData& data);
    void DetachAndFree(TWinSkinForm& frame);
    void FreePopupMenus();
    void StandAside();
    void ComeBack();
    void RememberAside(HWND window);

    std::unique_ptr<tk::Timer> FTimer;
    std::unique_ptr<TSettingWatch> FSettingWatch;
    HHOOK FHook = nullptr;
    std::vector<TWinSkinForm*> FFrames;
    std::vector<std::unique_ptr<TWinSkinPopMenu>> FPopupMenus;
    std::unique_ptr<TMenuLooks> FMenuLooks;
    std::vector<TSkinData*> FSkinDatas;
    bool FEnabled = false;
    bool FStandingAside = false;
    // The windows to frame again when the high-contrast theme ends.
    std::vector<HWND> FAsideWindows;
    bool FForcing = false;
    int FActivated = 0;
    bool FMenuBarTracking = false;
    bool FMdiMaximized = false;
    TSkinAction FPendingAction = TSkinAction::None;
    TSkinData* FPendingSkinData = nullptr;
    HWND FMdiClient = nullptr;
};

// The calling thread's manager: none until the thread's first skin component
// has loaded.
extern thread_local std::unique_ptr<TSkinManage> SkinManager;

// Creates SkinManager when there is none yet; answers it.
TSkinManage& EnsureSkinManager();

} // namespace skin
