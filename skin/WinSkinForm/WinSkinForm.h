// TWinSkinForm: the form frame, one per skinned top-level window (a form, a
// message box, a dialog, an MDI child). It puts a layer on the window's
// subclass chain and takes over the non-client area: it tells the system a
// client rectangle inset by the skin's border widths, title height and menu
// bar height, paints the borders, the title bar with its caption text and
// caption buttons and the menu bar from the skin, shapes the window with a
// region where the border bitmaps carry the colour key, and keeps the native
// caption bits off so the system never draws a caption of its own.
//
// Error policy: nothing throws out of the window procedure, the form hook or
// the MDI client procedure; a failure while painting is swallowed, the frame
// stays attached and no hover look is kept.
#pragma once

#include "toolkit/Component.h"
#include "toolkit/Control.h"
#include "toolkit/win32/GdiOwners.h"
#include "skin/ImgUtil/ImgUtil.h"
#include "skin/WinSkinData/SkinCodes.h"
#include "toolkit/win32/WindowSubclass.h"

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

namespace tk {
class Form;
}

namespace skin {

class TSkinData;
class TDataSkinSysButton;
class TSkinControl;
struct TMenuItemView;
class TWinSkinForm;

// A rectangle of the title bar or menu bar that reacts to the mouse.
class TNCObject {
public:
    explicit TNCObject(TWinSkinForm& frame) : FFrame(frame) {}
    virtual ~TNCObject() = default;
    TNCObject(const TNCObject&) = delete;
    TNCObject& operator=(const TNCObject&) = delete;

    virtual void Press();
    virtual void Release();
    virtual void Hover();
    virtual void Leave();
    virtual void Paint() {}

    TWinSkinForm& FFrame;
    RECT FRect{};
    bool FVisible = false;
    TMouseState FMouseState = TMouseState::Normal;
};

// One caption button, showing a caption button element of the skin.
class TWinSysButton : public TNCObject {
public:
    TWinSysButton(TWinSkinForm& frame, TDataSkinSysButton& element)
        : TNCObject(frame), FElement(element) {}
    void Paint() override;
    TDataSkinSysButton& FElement;
};

// What the frame needs from its menu bar (the skinned one of WinSkinMenu):
// painting, the button under a point, dropping a button's menu down, the
// keyboard's ways in, and following the window's menu when it changes.
class TFrameMenuBar {
public:
    virtual ~TFrameMenuBar() = default;
    // Paints the bar into `rect` (window coordinates) of the window DC.
    virtual void PaintBar(HDC dc, const RECT& rect) = 0;
    // The bar's button under a point (window coordinates), or none.
    virtual TNCObject* MenuButtonAt(POINT point) = 0;
    // Drops the button's menu down and returns when it closed; false when
    // the button has none.
    virtual bool OpenMenuButton(TNCObject& button) = 0;
    // Has the button opened as if clicked, once the current message is done.
    virtual void PostMenuClick(TNCObject& button) = 0;
    // The enabled button whose caption has this accelerator, or none.
    virtual TNCObject* FindAccelerator(wchar_t key) = 0;
    // The first button with a drop-down (F10 and a lone Alt open it), or none.
    virtual TNCObject* FirstButton() = 0;
    // The native menu the window had, given back when the frame detaches.
    virtual HMENU NativeMenu() const = 0;
    // The window was given a menu (the form's, after a change): the buttons
    // follow it and the window's native menu comes off again.
    virtual void BuildFromForm() = 0;
    // The form's menu again, its actions brought up to date (the last MDI
    // child closed).
    virtual void RebuildFromForm() = 0;
    // An MDI frame's menu was replaced by `menu` (none: keep the one known).
    virtual void BuildFromNative(HMENU menu) = 0;
    // The form's menu changed: with `follow` the buttons follow the
    // window's new menu; a menu the form no longer has (taken away or
    // freed) is let go of in any case, and the bar is left without one.
    // Answers whether the buttons changed.
    virtual bool FormMenuChanged(bool follow) = 0;
};

class TWinSkinForm : public tk::Component {
    TK_CLASS(TWinSkinForm)

public:
    explicit TWinSkinForm(tk::Component* owner);
    ~TWinSkinForm() override;

    // --- Called by the skin manager ---
    void AttachToForm(TSkinData& skin, tk::Form& form);
    void AttachToWindow(TSkinData& skin);
    // Skinning switched off: the window gets its native frame back with its
    // client area unchanged.
    void Detach();
    // Gives each control of the window a skinner (after attaching, and again
    // after FreeControls for a new skin).
    void FindControls();
    void LoadGeometry();
    void ApplySkinColours();
    void SetNativeCaption(bool on);
    void UpdateRegion();
    void RemoveRegion();
    tk::OwnedRegion BuildRegion(int width, int height);
    void ForceFrameChange();
    bool HasMaximizedMdiChild() const;
    // Whether the skin's menu bar answers the menu key `key` (0 for F10 or
    // a lone Alt, else the letter pressed with Alt) when the frame is sent
    // SC_KEYMENU with it.
    bool TakesKeyMenu(wchar_t key) const;
    // Whether a WM_SYSCOMMAND code is SC_KEYMENU.
    static bool IsKeyMenu(WPARAM command);
    // An owner-drawn item of the frame's menus (its system menu, its bar's
    // drop-downs) measured or drawn as the frame's procedure does with its
    // message while the frame skins the window; false for any other item,
    // or while the frame does not skin the window.
    bool MeasureOwnItem(MEASUREITEMSTRUCT& measure);
    bool DrawOwnItem(const DRAWITEMSTRUCT& draw);

    // --- Painting (FramePaint.cpp, Region.cpp) ---
    void PaintFrame(HDC dc);

    // --- Caption buttons and system menu (CaptionButtons.cpp, SysMenu.cpp) ---
    bool IsSysButtonVisible(size_t index);
    void LayoutSysButtons();
    TWinSysButton* SysButtonAt(POINT point);
    void PaintSysButton(TWinSysButton& button, TMouseState state);
    void ShowSysMenu(int x, int y);
    void ToggleMaximize();
    void ToggleMinimize();
    void Restore();
    void OnSysMenuItemClick(int tag);
    // Window coordinates of a screen point.
    POINT ScreenToFrame(POINT screen) const;

    // The fields the manager, caption buttons and menu bar read.
    HWND FWindow = nullptr;
    TSkinData* FSkinData = nullptr;
    tk::Form* FAppForm = nullptr;
    TFrameState FState = TFrameState::Attached;
    TWindowKind FWindowKind = TWindowKind::Plain;
    TBorderKind FBorderKind = TBorderKind::Fixed;
    TShowState FShowState = TShowState::Normal;
    uint8_t FStyleBits = 0;
    bool FActive = true;
    bool FSkinFrame = false;
    bool FHasRegion = false;
    bool FRightToLeft = false;
    bool FMenuTracking = false;
    // The menu dropped down from the menu bar while FMenuTracking.
    HMENU FDropDownMenu = nullptr;
    int FBorderLeft = 0;
    int FBorderTop = 0;
    int FBorderRight = 0;
    int FBorderBottom = 0;
    int FMenuHeight = 0;
    int FWidth = 0;
    int FHeight = 0;
    int FRightmostButtonLeft = 0;
    DWORD FStyle = 0;
    RECT FCaptionRect{};
    RECT FWindowRect{};
    RECT FClientRect{};
    RECT FNativeFrameSize{};
    std::wstring FCaption;
    std::string FClassName;
    HWND FMdiClient = nullptr;
    HWND FNewMdiChild = nullptr;
    HWND FOwnerWnd = nullptr;
    TNCObject* FHotObject = nullptr;
    std::vector<std::unique_ptr<TWinSysButton>> FSysButtons;
    std::unique_ptr<TFrameMenuBar> FMenuBar;
    // The title bar as last painted; empty until the first paint.
    TDib FTitleBitmap;
    TDib FIconBitmap;
    HICON FIcon = nullptr;
    int FIconSize = 0;
    // The window region is the system's once set; the frame keeps only the
    // size it was built for.
    int FRegionWidth = 0;
    int FRegionHeight = 0;
    // --- The control skinners of this window (FrameControls.cpp) ---
    // Appends a skinner unless it is listed; answers whether it was.
    bool RegisterControl(TSkinControl& skinner);
    // Removes the last entry of that skinner.
    void UnregisterControl(TSkinControl& skinner);
    // The first skinner of that window, or none.
    TSkinControl* FindControlByWindow(HWND window) const;
    // Frees every skinner whose window is gone, last first.
    void PurgeDeadControls();
    // Frees every skinner, first to last; those whose window lives give the
    // control its colour back first.
    void FreeControls();

    // --- Control discovery (Discovery.cpp) ---
    // Every component the container owns, in order, after the dead skinners
    // are freed.
    void SkinFormControls(tk::Component& container);
    // The first rule that takes the component decides its skinner.
    void SkinComponent(tk::Component& component, tk::Component& container);
    // The Skin3rd line for the class (upper-case name), if any, decides;
    // true when there was one, whatever it did.
    bool SkinByMapping(const std::string& className, tk::Component& component);
    // Windows without a form object: every child window, by its class.
    void SkinChildWindows();
    void SkinChildWindow(HWND window);
    bool IsAlreadySkinned(tk::Component& component) const;
    static bool NeedsScrollbarSkin(tk::Component& component);
    // Sets an enumeration (or Boolean) property by its identifier when the
    // object has one of that name; nothing otherwise.
    static void SetEnumPropByName(tk::Persistent& object, std::string_view property,
                                  std::string_view value);

    // In registration order. Skinners made for raw windows are owned by the
    // frame; one made for a toolkit control is owned by that control and
    // only listed here. Freeing either removes it from its owner.
    std::vector<TSkinControl*> FControls;
    // The push button shown hot (at most one per frame).
    TSkinControl* FHotControl = nullptr;
    // The canvas every control skinner is handed.
    tk::Canvas FControlCanvas;

    // The hover timer's identifier on the window, and its period.
    static constexpr UINT_PTR HoverTimerId = 0x534B;
    static constexpr UINT HoverTimerMs = 250;

private:
    // --- Frame.cpp ---
    void LoadIcon();
    void DrawIcon(HDC dc, int x, int y) const;
    void ReadShowState();
    void ResizeFrame(bool keepClient);
    // Widens a message box for its caption: the new width and left edge;
    // false when it is wide enough.
    bool WidenMessageBox(int& width, LONG& left);
    void DetachDestroyed();
    void ReleaseSysMenuAndTimer();
    // The form's popup menus draw themselves again.
    void RestorePopupMenus();
    void DetachUnskinned();
    void RestoreFormHandler();
    void SetHoverTimer(bool on);
    bool IsMdiChild() const { return FWindowKind == TWindowKind::MdiChild; }
    // The frame skins the window (not a plain child window's).
    bool SkinsWindow() const { return FSkinFrame && (IsMdiChild() || !(FStyle & WS_CHILD)); }
    bool MdiChildNotNormal() const { return IsMdiChild() && FShowState != TShowState::Normal; }
    bool Subclassed() const { return subclass_.Installed(); }
    void BuildSysButtons();
    void BuildSysMenu();
    void BuildMenuBar();

    // --- FrameProc.cpp ---
    LRESULT FrameWndProc(UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT SkinnedWndProc(UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT NonClientWndProc(UINT msg, WPARAM wParam, LPARAM lParam);
    // Not minimised, not an MDI child out of its normal state, and started.
    bool PaintsNonClient() const;
    LRESULT CallDefault(UINT msg, WPARAM wParam, LPARAM lParam);
    // The default handling with WS_VISIBLE off for the call, so whatever it
    // paints of the system's caption reaches no screen.
    LRESULT CallDefaultUnpainted(UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT OnTimer(WPARAM wParam, LPARAM lParam);
    LRESULT OnStyleChanged(WPARAM wParam, LPARAM lParam);
    LRESULT OnNcDestroy(WPARAM wParam, LPARAM lParam);
    LRESULT OnActivate(WPARAM wParam, LPARAM lParam);
    LRESULT OnWindowPosChanged(WPARAM wParam, LPARAM lParam);
    LRESULT OnSkinPaintFrame();
    LRESULT OnMenuSelect(WPARAM wParam, LPARAM lParam);
    void LeaveHotControl();
    LRESULT OnSize(WPARAM wParam, LPARAM lParam);
    LRESULT OnGetMinMaxInfo(WPARAM wParam, LPARAM lParam);
    void FitMaximizedToWorkArea(MINMAXINFO& info) const;
    LRESULT OnNcCalcSize(WPARAM wParam, LPARAM lParam);
    LRESULT OnNcHitTest(WPARAM wParam, LPARAM lParam);
    LRESULT SizingEdgeAt(POINT p) const;
    LRESULT OnNcPaint(WPARAM wParam, LPARAM lParam);
    LRESULT OnNcActivate(WPARAM wParam, LPARAM lParam);
    LRESULT OnSkinStart();
    LRESULT OnSetText(WPARAM wParam, LPARAM lParam);
    LRESULT OnSetIcon(WPARAM wParam, LPARAM lParam);
    LRESULT OnStyleChanging(WPARAM wParam, LPARAM lParam);
    LRESULT OnMenuChanged(WPARAM wParam, LPARAM lParam);
    LRESULT OnEraseBackground(WPARAM wParam, LPARAM lParam);
    LRESULT OnCtlColor(UINT msg, WPARAM wParam, LPARAM lParam);
    void OnHoverTimer();

    // --- FormHook.cpp ---
    void FormMessageHook(tk::Message& message);
    void PassToFormHandler(tk::Message& message);
    void OnFormSetText(tk::Message& message);
    void OnFormRefresh(tk::Message& message);
    void OnFormDialogChar(tk::Message& message);
    bool OnDialogChar(WPARAM key, LPARAM flags);

    // --- CaptionButtons.cpp ---
    LRESULT OnNcMouseMove(WPARAM wParam, LPARAM lParam);
    LRESULT OnNcLButtonDown(WPARAM wParam, LPARAM lParam);
    LRESULT OnNcLButtonUp(WPARAM wParam, LPARAM lParam);
    LRESULT OnNcLButtonDblClk(WPARAM wParam, LPARAM lParam);
    LRESULT OnNcRButtonDown(WPARAM wParam, LPARAM lParam);
    LRESULT OnCommand(WPARAM wParam, LPARAM lParam);
    LRESULT OnSysCommand(WPARAM wParam, LPARAM lParam);
    TNCObject* ObjectAt(POINT point);
    void DoSysButtonAction(int x, int y);
    void PaintSysButtons(HDC dc);

    // --- SysMenu.cpp ---
    TMenuItemView SysMenuItemView(const void* entry) const;
    LRESULT OnMeasureItem(WPARAM wParam, LPARAM lParam);
    LRESULT OnDrawItem(WPARAM wParam, LPARAM lParam);
    // A letter typed in an owner-drawn menu of the window.
    LRESULT OnMenuChar(WPARAM wParam, LPARAM lParam);

    // --- Mdi.cpp ---
    void FindMdiClient();
    void MdiChildCommand(UINT command);
    LRESULT ClientWndProc(UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT CallClient(UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT OnClientNcCalcSize(WPARAM wParam, LPARAM lParam);
    LRESULT OnMdiCreate(WPARAM wParam, LPARAM lParam);
    LRESULT OnMdiDestroy(WPARAM wParam, LPARAM lParam);
    LRESULT OnMdiArrange(UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT OnMdiSetMenu(WPARAM wParam, LPARAM lParam);
    LRESULT OnMdiRefreshMenu(WPARAM wParam, LPARAM lParam);

    // --- FramePaint.cpp ---
    void PaintBorder(TBorderIndex index, const RECT& rect, HDC dc);
    // The border rendered at that size in the current activation state,
    // kept until the size or the skin changes.
    const TDib& BorderPiece(TBorderIndex index, int width, int height);
    void ClearBorderPieces();
    void PaintTitleBar(HDC dc, const TDib& left, const TDib& right);
    void PaintCaptionText(HDC dc, const RECT& titleRect);
    // The caption's text with the pad and the caption background's margins,
    // measured from the corner of `r` in the font selected into `dc`.
    RECT MeasureCaption(HDC dc, const RECT& r) const;
    // The caption's alignment: a right-to-left window's is always right.
    int32_t CaptionAlignment() const;
    // The narrowest window whose title bar shows the whole caption, and the
    // buttons that follow it, clear of the caption buttons at both ends.
    int CaptionFitWidth();

    tk::WindowSubclass subclass_;
    tk::WindowSubclass clientSubclass_;
    tk::OwnedFont captionFont_;
    std::wstring captionPad_ = L"  ";
    DWORD lastSysMenuTick_ = 0;
    DWORD dblClickTime_ = 0;
    bool menuUpdateSaved_ = true;
    bool formHooked_ = false;
    bool hoverTimerOn_ = false;
    // The system tracks the system menu (its icon drawn over the title bar).
    bool systemMenuTracked_ = false;
    // Set while the frame changes the window style itself.
    bool changingStyle_ = false;
    // The compositor was asked to leave the frame to this object.
    bool frameRenderingTaken_ = false;
    // The system command the frame posted itself (0 for none): the
    // compositor's animation of the window is off while it is carried out.
    WPARAM ownCommand_ = 0;
    HMENU nativeMenu_ = nullptr;
    HMENU nativeSysMenu_ = nullptr;
    tk::OwnedMenu sysMenu_;
    Colour formColor_ = 0;
    struct TBorderPiece {
        int width = 0;
        int height = 0;
        TDib dib;
    };
    // [inactive, active][left, right, top, bottom]
    TBorderPiece borderPieces_[2][4];
    // Handlers the form had before the frame hooked it, last in first out.
    std::vector<tk::MessageHandler> oldFormHandlers_;
};

// The calling thread's scratch bitmap for the engine's off-screen painting.
TDib& FrameScratch();

// The system's menu font (the menus the engine draws use it), bold for a
// default item.
tk::OwnedFont SystemMenuFont(bool bold = false);

} // namespace skin
