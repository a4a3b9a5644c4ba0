// TSkinControl: the base of every control skinner. A skinner is a small
// component attached to one control of a skinned window; it sees the
// control's messages before (BeforeMessage) and after (AfterMessage) the
// control's own handling and repaints the control from the skin.
//
// Two ways in:
// - Attach / AttachGraphic, for a toolkit control: the control's message
//   handler (WindowProc) is replaced by the skinner's dispatcher and given
//   back when the skinner goes. Handlers stack last in, first out; a skinner
//   that is not on top when it goes leaves a link behind that passes every
//   message straight to the handler below, so the control keeps working.
// - AttachWindow, for a window without a toolkit object (the buttons of a
//   message box, inner windows of composite controls): a layer of the
//   window's subclass chain.
// Either way the skinner registers in its frame's control list. A skinner
// made for a toolkit control is owned by the control and freed with it; one
// made for a raw window is owned by the frame.
//
// Error policy: nothing throws out of the dispatcher. A failure in a
// skinner's own filters or drawing is swallowed (the control stays as it
// was); a failure in the control's own handler goes on to the toolkit, which
// reports it as it would without the skinner.
#pragma once

#include "toolkit/Control.h"
#include "toolkit/win32/GdiOwners.h"
#include "skin/WinSubClass/SkinControlCodes.h"
#include "toolkit/win32/WindowSubclass.h"

#include <windows.h>

#include <commctrl.h>

#include <functional>
#include <memory>
#include <string>

namespace skin {

class TSkinData;
class TDataSkinObject;
class TDib;
class TWinSkinForm;

class TSkinControl : public tk::Component {
    TK_CLASS(TSkinControl)

public:
    explicit TSkinControl(tk::Component* owner);
    ~TSkinControl() override;

    // --- Attachment ---
    // To the owner, a toolkit control; a second call does nothing.
    virtual void Attach(TWinSkinForm& frame, TSkinData& skin, bool useSkinColor,
                        tk::Canvas& canvas);
    // To a window without a toolkit object, by subclassing it.
    virtual void AttachWindow(HWND window, TSkinData& skin, TWinSkinForm& frame,
                              tk::Canvas& canvas);
    // Gives the control its own colour back (when the skinner replaced it).
    virtual void RestoreColor();

    // --- Message filters ---
    // Before the control's own handling; false: handled here, the control
    // never sees the message and AfterMessage is not called.
    virtual bool BeforeMessage(tk::Message& message);
    // After the control's own handling.
    virtual void AfterMessage(tk::Message& message);

    // --- Drawing ---
    // Paints over the whole window rectangle (non-client part included) on
    // the given context, or on the window's own when none is given.
    virtual void Paint(HDC dc);
    // Draws the control into `rect` (origin 0, 0) of the context.
    virtual void Draw(HDC dc, const RECT& rect);
    // Takes the skin again after a skin change: colour and a repaint.
    virtual void Refresh();

    // Hands the message to the control's own handling (the handler below the
    // dispatcher, or the layers below on the window's chain).
    void CallOriginal(tk::Message& message);
    // Repaints the whole window now (windows with a parent only); a
    // window-less control is invalidated instead.
    void Repaint();
    void FillBackground(HDC dc, const RECT& rect) const;
    // The WM_PAINT handling of the skinners that draw only through WM_PAINT.
    void PaintClient(tk::Message& message);
    // For the skinners that paint the whole control themselves: WM_PAINT is
    // drawn with PaintClient and the background never erased. False when the
    // message was one of the two (handled here).
    bool TakeOverPainting(tk::Message& message);
    // Hands the message to the control's own handling; false when that freed
    // the skinner (which then touches nothing of itself).
    bool PassOnAndSurvive(tk::Message& message);
    // Runs a step that may run handlers able to free the skinner (focus
    // changes, a repaint of the control); false when it did.
    bool Survives(const std::function<void()>& step);
    // The filters' shared answers; each returns what BeforeMessage returns.
    // The control's own handling, then a repaint (unless that freed the
    // skinner): handled here.
    bool PassOnThenPaint(tk::Message& message);
    // WM_ERASEBKGND: the skinner paints every pixel, nothing is erased.
    bool SkipErase(tk::Message& message);
    // WM_NCMOUSEMOVE over a scroll bar of the window: the system's hot bars
    // would paint over the skin's, so the message stops here.
    bool SwallowSystemHotBars(tk::Message& message);

    // --- The control's published properties, read by name ---
    // Each answers 0, empty text or none without a control or such a
    // property of that kind.
    int GetIntProp(std::string_view name) const;
    std::string GetEnumProp(std::string_view name) const;
    std::string GetStrProp(std::string_view name) const;
    tk::Persistent* GetObjProp(std::string_view name, std::string_view className) const;

    // --- Drawing helpers shared by the skinners ---
    // A caption measured in the canvas font and placed in `rect`: with
    // DT_CENTER centred both ways (one pixel above centre), otherwise centred
    // vertically at full width. Grey when not enabled.
    void DrawCaption(tk::Canvas& canvas, const RECT& rect, UINT format, bool enabled,
                     const std::string& text) const;
    // A single-line caption centred both ways with the alignment's format.
    void DrawAlignedCaption(tk::Canvas& canvas, const RECT& rect, const std::string& text,
                            tk::Alignment alignment, bool enabled) const;
    // An image-list icon and a caption side by side: alignment 0 left, 1
    // centred, 2 right (tabs and headers).
    void DrawImageCaption(tk::Canvas& canvas, const RECT& rect, int alignment,
                          const std::string& text, int imageIndex, HIMAGELIST images) const;
    // Cell `frameIndex` (from 1) of an element's `frameCount` cells, scaled to
    // the rectangle with the element's margins, colour-keyed when the
    // element's Trans is 1.
    static void PaintElement(HDC dc, const RECT& rect, int frameCount, int frameIndex,
                             const TDataSkinObject& element);
    // The same into the shared paint buffer, first filled with the skin's
    // button face colour.
    void PaintElementToBuffer(const RECT& rect, const TDataSkinObject& element, bool trans,
                              int frameCount, int frameIndex) const;
    // Cell `index` (from 1) of `count` side-by-side cells, stretched to the
    // rectangle, colour-keyed.
    static void DrawStripFrame(HDC dc, const RECT& rect, const TDib& bitmap, int count, int index);
    static void DrawStripFrame(tk::Canvas& canvas, const RECT& rect, const TDib& bitmap, int count,
                               int index);
    // Whether the control has the keyboard (FIsFocused) and its window shows
    // focus cues (which the system hides until the keyboard is used there).
    bool ShowsFocusCue() const;
    // The focus cue FocusCueInset inside `rect` when the control shows one,
    // in `colour` (a caption's colour, which the skin sets off its face).
    void DrawFocusCue(HDC dc, const RECT& rect, COLORREF colour) const;
    // Copies the shared paint buffer to the rectangle.
    static void BlitBuffer(HDC dc, const RECT& rect);
    // The shared paint buffer (the engine's scratch bitmap) at that size.
    static TDib& SizedBuffer(int width, int height);

    // --- Mouse state and the frame's hot button ---
    bool MouseOver() const { return (FMouseState & mouse_bit::Over) != 0; }
    bool Pressed() const { return (FMouseState & mouse_bit::Pressed) != 0; }
    // Sets or clears MouseBit bits of FMouseState.
    void SetMouseBits(uint8_t bits, bool on);
    // Sends the toolkit's mouse-leave notification to the control.
    void SendMouseLeave();
    // This skinner becomes the frame's hot button.
    void BecomeHot();
    // The frame forgets this skinner as its hot button, if it was.
    void ForgetHot();
    // The control attached to: a windowed one or a window-less one.
    tk::Control* SkinnedControl() const;
    // Window style and enabled state read again from the window.
    DWORD ReadWindowState();
    // The window text (FCaption, which follows WM_SETTEXT), or the control's
    // "Caption" when the window has none.
    std::wstring ShownCaption() const;
    // The control's "Caption", or empty text.
    std::wstring ControlCaption() const;

    uint8_t FMouseState = 0;
    tk::Canvas* FCanvas = nullptr;
    bool FIsEnabled = true;
    // Follows WM_SETFOCUS and WM_KILLFOCUS.
    bool FIsFocused = false;
    // The window text, following WM_SETTEXT.
    std::wstring FCaption;
    TSkinData* FSkinData = nullptr;
    HWND FHandle = nullptr;
    tk::Control* FControl = nullptr;
    // Screen coordinates, stored at every paint; the frame's hover test reads it.
    RECT FWindowRect{};
    tk::Control* FGraphicControl = nullptr;
    bool FUseSkinColor = false;
    base::Colour FSavedColor = 0;
    bool FAttached = false;
    TSkinnerState FState = TSkinnerState::Detached;
    TWinSkinForm* FForm = nullptr;

protected:
    // Installs the dispatcher as the control's message handler.
    void HookControl(tk::Control& control);
    // Gives the control its handler back (or, when another handler was
    // stacked over the dispatcher since, turns the dispatcher into a plain
    // pass-through).
    void UnhookControl();
    // Stores frame, skin and canvas, and registers with the frame.
    void Register(TWinSkinForm& frame, TSkinData& skin, tk::Canvas& canvas);
    // The steps every Attach shares. BindOwner takes the owner as the skinned
    // control (and its window, if it has one) and answers it, or null when
    // already attached or the owner is no control; AdoptSkinColor gives it
    // the skin's face colour when asked to, keeping its own to restore;
    // MarkAttached ends the attachment.
    tk::Control* BindOwner(bool useSkinColor);
    void AdoptSkinColor(const TSkinData& skin);
    void MarkAttached();
    void Notification(tk::Component& component, tk::Operation operation) override;

private:
    struct TPassing;
    struct TLink;
    struct TDispatcher;
    // Runs one message through the filters; `link` keeps the dispatcher's
    // state alive while the skinner itself may go.
    void Dispatch(tk::Message& message, const std::shared_ptr<TLink>& link);
    bool SafeBefore(tk::Message& message, const TPassing& passing);
    // CallOriginal's delivery, without noting it.
    void PassDown(tk::Message& message);
    bool OnNcDestroy(tk::Message& message);
    void MarkWindowGone();
    void OnFocusChanged(bool focused);
    void OnSetText(const wchar_t* text);
    void SafeAfter(tk::Message& message);

    std::shared_ptr<TLink> link_;
    tk::WindowSubclass subclass_;
};

// The window text of a window (at most MaxCaptionChars characters).
std::wstring WindowTextOf(HWND window);

// Where a caption goes in `rect`, measured in the font selected into the
// context: one pixel above the vertical centre, and with DT_CENTER centred
// across, otherwise as wide as the rectangle.
RECT CaptionRect(HDC dc, std::wstring_view text, const RECT& rect, UINT format);

// The text format of an alignment: DT_LEFT, DT_RIGHT or DT_CENTER.
UINT AlignmentFormat(tk::Alignment alignment);

} // namespace skin
