// Forms: top-level windows of a window class named after the form's class
// ("TFormMain"), built from a design resource of the same program. A form
// class registers its event handlers by name, then reads its design:
//
//   TFormMain::TFormMain(tk::Component* owner) : Form(owner) {
//       AddMethod("ImageTradeLeftClick", tk::NotifyEvent([this](tk::Component& s) { ... }));
//       LoadDesign("TFormMain");
//   }
#pragma once

#include "toolkit/Dpi.h"
#include "toolkit/WinControl.h"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tk {

class Application;
class ClassRegistry;
class MainMenu;
class MenuItem;

enum class BorderStyle { None, Single, Sizeable, Dialog, ToolWindow, SizeToolWin };
enum BorderIcon : uint32_t { biSystemMenu = 1, biMinimize = 2, biMaximize = 4, biHelp = 8 };
enum class Position { Designed, ScreenCenter, DesktopCenter };
enum class FormStyle { Normal, MDIChild, MDIForm };

class Form : public WinControl {
    TK_CLASS(Form)

public:
    explicit Form(Component* owner);
    ~Form() override;

    // Reads the design stored as an RCDATA resource of that name in the
    // program, creating components through the application's class registry;
    // then fires OnCreate.
    void LoadDesign(const std::string& resourceName);
    void LoadDesign(const std::string& resourceName, const ClassRegistry& classes);
    // The same from design text (`source` names it in error texts).
    void LoadDesignText(std::string_view text, const std::string& source,
                        const ClassRegistry& classes);

    // Offers a handler to designs under a name.
    void AddMethod(std::string name, EventHandler handler);
    const EventHandler* FindMethod(std::string_view name) const override;

    tk::BorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(tk::BorderStyle style);
    uint32_t BorderIcons() const { return borderIcons_; }
    void SetBorderIcons(uint32_t icons);
    tk::Position Position() const { return position_; }
    void SetPosition(tk::Position position) { position_ = position; }
    int ClientWidth() const;
    void SetClientWidth(int width);
    int ClientHeight() const;
    void SetClientHeight(int height);
    MainMenu* Menu() const { return menu_; }
    void SetMenu(MainMenu* menu);

    // MDI: an MDI form (a frame) holds its MDI children in its client window
    // ("MDIClient"), which fills what the frame's aligned controls leave. An
    // MDI child lives in the MDI client of the program's main form, which
    // must be an MDI form; its window is made when it is shown and goes when
    // it is closed. The style is set before the window exists.
    tk::FormStyle FormStyle() const { return formStyle_; }
    void SetFormStyle(tk::FormStyle style);
    // The MDI form's client window; none for other forms.
    HWND ClientHandle() const { return clientHandle_; }
    // The top-level item of the menu whose drop-down lists the MDI children
    // (the item needs items of its own to have a drop-down).
    MenuItem* WindowMenu() const { return windowMenu_; }
    void SetWindowMenu(MenuItem* item);
    // The MDI form's children with a window, in the order they were made.
    int MDIChildCount() const;
    Form* MDIChildren(int index) const;
    Form* ActiveMDIChild() const;
    void Cascade();
    // Side by side, one above the other, across the client's width.
    void Tile();

    // The dots per inch the form's measures are in: the design's (96) until
    // the form is scaled to its screen's, when it is loaded, when its window
    // is made, and when the window moves to a screen of another scale
    // (WM_DPICHANGED).
    int PixelsPerInch() const { return pixelsPerInch_; }
    // Rescales the form and its controls to `dpi`; a top-level form keeps
    // its place on the screen.
    void ScaleTo(int dpi);
    void ChangeScale(int to, int from) override;

    // Closing the main form ends the program's message loop; an MDI child's
    // window goes; other forms hide.
    void Close();
    tk::Application* Application() const;

    NotifyEvent OnCreate;
    NotifyEvent OnShow;

protected:
    void FillCreateParams(CreateParams& params) override;
    HWND CreateWindowHandle(const CreateParams& params, DWORD style, HWND parent,
                            HMENU id) override;
    void HandleCreated() override;
    void HandleDestroyed() override;
    void WndProc(Message& message) override;
    void DefaultHandler(Message& message) override;
    void ControlsAligned(const RECT& rest) override;
    void VisibleChanged() override;
    void Notification(Component& component, Operation operation) override;

private:
    // The messages WndProc handles, one handler each (MessageCrackers.h).
    bool HandleMessage(Message& message);
    bool CloseHandler(Message& message);
    bool MenuCommand(Message& message, HWND control, UINT code, UINT id);
    // Sets the result TRUE when a menu item handler took the message.
    static bool Answered(Message& message, bool handled);
    bool DialogKeyHandler(Message& message, WPARAM key);
    bool MenuChanged(Message& message);
    // Scales to the new dots per inch and takes the window rectangle the
    // system suggests for it.
    bool DpiChanged(Message& message, int dpi, const RECT& suggested);
    void ShowProgramIcon();
    // Gives the window the menu: through the MDI client for an MDI form, so
    // the window list and a maximised child's buttons follow the menu.
    void ApplyMenu();
    void CreateMDIClient();
    // The MDI form an MDI child lives in; throws when there is none.
    Form& MDIFrame() const;
    // An MDI child leaves through its MDI client (off the window list, the
    // next child activated); other windows are destroyed.
    void DestroyWindowHandle();
    void ApplyClientSize();
    void ApplyFrameStyle(DWORD styleBits, DWORD exStyleBits);
    std::vector<std::pair<std::string, EventHandler>> methods_;
    tk::BorderStyle borderStyle_ = tk::BorderStyle::Sizeable;
    uint32_t borderIcons_ = biSystemMenu | biMinimize | biMaximize;
    tk::Position position_ = tk::Position::Designed;
    // kUnsetClientSize: the bounds decide.
    static constexpr int UnsetClientSize = -1;
    int clientWidth_ = UnsetClientSize;
    int clientHeight_ = UnsetClientSize;
    MainMenu* menu_ = nullptr;
    tk::FormStyle formStyle_ = tk::FormStyle::Normal;
    MenuItem* windowMenu_ = nullptr;
    HWND clientHandle_ = nullptr;
    bool shownOnce_ = false;
    int pixelsPerInch_ = DesignDpi;
    // Loaded from a design whose measures follow the screen's scale (when
    // the application scales forms).
    bool designed_ = false;
};

} // namespace tk
