// Controls: the visual components. A Control has bounds in its parent's client
// area, visibility, enabled state, caption, font, colour, cursor and mouse
// events, and a message handler (WindowProc) that other code may replace with
// its own and put back. Window-less controls (GraphicControl) are painted and
// fed mouse messages by their parent window; windowed ones are in WinControl.h.
#pragma once

#include "toolkit/Action.h"
#include "toolkit/Component.h"
#include "toolkit/Graphics.h"

#include <windows.h>

#include <functional>
#include <string>

namespace tk {

class Form;
class WinControl;

struct Message {
    UINT msg = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
    LRESULT result = 0;
};
using MessageHandler = std::function<void(Message&)>;

enum class Align { None, Top, Bottom, Left, Right, Client };
enum class Alignment { Left, Right, Center };

// Cursor values of the Cursor property.
constexpr int crDefault = 0;
constexpr int crArrow = -2;
constexpr int crCross = -3;
constexpr int crIBeam = -4;
constexpr int crSizeAll = -22;
constexpr int crHourGlass = -11;
constexpr int crNo = -18;
constexpr int crHandPoint = -21;

extern const EnumInfo AlignEnum;
extern const EnumInfo AlignmentEnum;
std::span<const IntIdent> CursorIdents();

class Control : public Component, public ActionClient {
    TK_CLASS(Control)

public:
    explicit Control(Component* owner);
    ~Control() override;

    WinControl* Parent() const { return parent_; }
    void SetParent(WinControl* parent);
    void SetParentComponent(Component& parent) override;
    // The form this control is on (itself for a form), or none.
    Form* ParentForm();

    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    void SetLeft(int left) { SetBounds(left, top_, width_, height_); }
    void SetTop(int top) { SetBounds(left_, top, width_, height_); }
    void SetWidth(int width) { SetBounds(left_, top_, width, height_); }
    void SetHeight(int height) { SetBounds(left_, top_, width_, height); }
    virtual void SetBounds(int left, int top, int width, int height);
    RECT BoundsRect() const { return {left_, top_, left_ + width_, top_ + height_}; }
    virtual RECT ClientRect() const { return {0, 0, width_, height_}; }
    // Converts between this control's client coordinates and the screen's.
    POINT ClientToScreen(POINT point) const;
    POINT ScreenToClient(POINT point) const;

    bool Visible() const { return visible_; }
    void SetVisible(bool visible);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    // Visible, and so are all its parents.
    bool Showing() const;
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);

    // The caption of labels and buttons, the text of edits and forms.
    virtual std::string Caption() const { return caption_; }
    void SetCaption(const std::string& caption);

    tk::Font& Font() { return font_; }
    const tk::Font& Font() const { return font_; }
    bool ParentFont() const { return parentFont_; }
    void SetParentFont(bool parentFont);
    Colour GetColor() const { return color_; }
    void SetColor(Colour color);
    // Takes the parent's colour, now and whenever it changes; setting a
    // colour clears it. Containers and the controls drawn on their parent's
    // background (panels, tab sheets, group boxes, check and radio boxes,
    // labels) start with it set.
    bool ParentColor() const { return parentColor_; }
    void SetParentColor(bool parentColor);
    int Cursor() const { return cursor_; }
    void SetCursor(int cursor) { cursor_ = cursor; }
    tk::Align GetAlign() const { return align_; }
    void SetAlign(tk::Align align);
    tk::Action* GetAction() const { return action_; }
    void SetAction(tk::Action* action);

    NotifyEvent OnClick;
    NotifyEvent OnDblClick;
    MouseEvent OnMouseDown;
    MouseEvent OnMouseUp;
    MouseMoveEvent OnMouseMove;

    // The message handler in force: WndProc unless someone replaced it.
    const MessageHandler& WindowProc() const { return windowProc_; }
    void SetWindowProc(MessageHandler handler);
    // Sends a message through WindowProc and answers its result.
    LRESULT Perform(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);

    virtual bool IsWindowed() const { return false; }
    virtual void Invalidate();
    // Repaints now what is invalid.
    virtual void Update();
    // The click action: OnClick, or else the action's Execute.
    virtual void Click();
    // Called by the action this control is linked to when it changed.
    void ActionChanged() override;
    void ActionFreed() override { action_ = nullptr; }
    // Takes the action's state again once the design (and its image lists) is read.
    void Loaded() override;
    // Rescales the bounds (edges rounded to the nearest pixel, so controls
    // that touched still touch) and an own font from `from` to `to` dots per
    // inch; a windowed control rescales its children first.
    virtual void ChangeScale(int to, int from);

protected:
    // The toolkit's own message handling; ends in DefaultHandler.
    virtual void WndProc(Message& message);
    virtual void DefaultHandler(Message& message);
    void Notification(Component& component, Operation operation) override;

    virtual void CaptionChanged() { Invalidate(); }
    virtual void FontChanged() { Invalidate(); }
    virtual void ColorChanged() { Invalidate(); }
    virtual void VisibleChanged();
    virtual void EnabledChanged() { Invalidate(); }
    virtual void BoundsChanged(const RECT& oldBounds);
    virtual void ParentChanged() {}
    // Called by the parent when its font or colour changed.
    void ParentFontChanged();
    void ParentColorChanged();

    void StoreCaption(const std::string& caption) { caption_ = caption; }
    void StoreVisible(bool visible) { visible_ = visible; }
    // The parent's rectangle of this control, in the parent's client area.
    void InvalidateInParent(const RECT& rect);

    bool clicking_ = false;

private:
    friend class WinControl;
    void HandleMouse(Message& message);
    // Takes the action's state once the design is read, keeping a designed caption.
    void ApplyAction(bool keepDesignedCaption);

    WinControl* parent_ = nullptr;
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    bool visible_ = true;
    bool enabled_ = true;
    std::string caption_;
    tk::Font font_;
    bool parentFont_ = true;
    Colour color_ = clBtnFace;
    bool parentColor_ = false;
    int cursor_ = crDefault;
    tk::Align align_ = tk::Align::None;
    tk::Action* action_ = nullptr;
    bool keepDesignedCaption_ = false;
    MessageHandler windowProc_;
};

// A control without a window of its own: drawn onto its parent's window.
//
// One that is a Tab stop (a speed button with TabStop) takes the keyboard
// through its parent: the parent's window holds the system's focus and hands
// the control the key messages (WM_KEYDOWN, WM_KEYUP, WM_CHAR), and
// WM_SETFOCUS and WM_KILLFOCUS as it gains and loses the keyboard.
class GraphicControl : public Control {
    TK_CLASS(GraphicControl)

public:
    explicit GraphicControl(Component* owner);
    ~GraphicControl() override;
    // Bound to the parent's paint DC (origin at this control) while it paints;
    // without a device context at other times.
    tk::Canvas& Canvas() { return canvas_; }
    void Invalidate() override;

    // Whether the Tab key stops here.
    virtual bool TabStop() const { return false; }
    // Has the keyboard: its parent's window has the focus and keeps the keys
    // for it.
    bool Focused() const;
    // Takes the keyboard (nothing without a parent).
    void SetFocus();

protected:
    void WndProc(Message& message) override;
    virtual void Paint() {}
    // Hidden or disabled, it gives the keyboard back to its parent.
    void VisibleChanged() override;
    void EnabledChanged() override;
    // Gives the keyboard back to its parent if it has it.
    void ReleaseFocus();

private:
    LRESULT PaintHandler(HDC dc);
    tk::Canvas canvas_;
};

// MK_* flags of a mouse message as a ShiftState.
ShiftState ShiftFromKeys(WPARAM keys);

} // namespace tk
