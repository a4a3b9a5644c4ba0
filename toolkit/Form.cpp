#include "toolkit/Form.h"

#include "toolkit/Application.h"
#include "toolkit/DesignReader.h"
#include "toolkit/DialogKeys.h"
#include "toolkit/ImageList.h"
#include "toolkit/Menus.h"
#include "toolkit/MessageCrackers.h"
#include "toolkit/Notifications.h"
#include "toolkit/Text.h"

#include <stdexcept>

namespace tk {
namespace {

const EnumInfo BorderStyleEnum{
    "TFormBorderStyle",
    {"bsNone", "bsSingle", "bsSizeable", "bsDialog", "bsToolWindow", "bsSizeToolWin"}};
const EnumInfo BorderIconEnum{"TBorderIcon",
                              {"biSystemMenu", "biMinimize", "biMaximize", "biHelp"}};
const EnumInfo PositionEnum{"TPosition", {"poDesigned", "poScreenCenter", "poDesktopCenter"}};
const EnumInfo FormStyleEnum{"TFormStyle", {"fsNormal", "fsMDIChild", "fsMDIForm"}};

// The window style bits BorderIcons decides, and those BorderStyle decides
// (icons included: a dialog frame has no minimise or maximise box).
constexpr DWORD BorderIconBits = WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
constexpr DWORD BorderStyleBits =
    WS_POPUP | WS_CAPTION | WS_THICKFRAME | DS_MODALFRAME | BorderIconBits;
constexpr DWORD BorderExStyleBits = WS_EX_DLGMODALFRAME | WS_EX_TOOLWINDOW;
// The WM_COMMAND notification code of a menu's choice (an accelerator's is 1).
constexpr UINT MenuCommandCode = 0;

} // namespace

const ClassInfo& Form::StaticClass() {
    static const ClassInfo info =
        ClassInfo::Make<Form>("TForm", &WinControl::StaticClass(), [](auto& p) {
            p.String("Caption", &Form::Caption, &Form::SetCaption);
            p.template Enumeration<tk::BorderStyle>("BorderStyle", BorderStyleEnum,
                                                    &Form::BorderStyle, &Form::SetBorderStyle);
            p.Set("BorderIcons", BorderIconEnum, &Form::BorderIcons, &Form::SetBorderIcons);
            p.template Enumeration<tk::Position>("Position", PositionEnum, &Form::Position,
                                                 &Form::SetPosition);
            p.Integer("ClientWidth", &Form::ClientWidth, &Form::SetClientWidth);
            p.Integer("ClientHeight", &Form::ClientHeight, &Form::SetClientHeight);
            p.template Reference<MainMenu>("Menu", &Form::Menu, &Form::SetMenu);
            p.template Enumeration<tk::FormStyle>("FormStyle", FormStyleEnum, &Form::FormStyle,
                                                  &Form::SetFormStyle);
            p.template Reference<MenuItem>("WindowMenu", &Form::WindowMenu, &Form::SetWindowMenu);
            p.Event("OnCreate", &Form::OnCreate);
            p.Event("OnShow", &Form::OnShow);
        });
    return info;
}

Form::Form(Component* owner) : WinControl(owner) {
    StoreVisible(false);
    SetBounds(0, 0, 320, 240);
    if (auto* application = dynamic_cast<tk::Application*>(owner)) {
        application->AddForm(*this);
    }
}

Form::~Form() {
    if (tk::Application* application = Application()) {
        application->RemoveForm(*this);
    }
    DestroyWindowHandle();
}

tk::Application* Form::Application() const {
    return dynamic_cast<tk::Application*>(Owner());
}

void Form::LoadDesign(const std::string& resourceName) {
    tk::Application* application = Application();
    if (!application) {
        throw std::runtime_error("form " + ClassName() +
                                 " has no application to create its components");
    }
    LoadDesign(resourceName, application->Classes());
}

void Form::LoadDesign(const std::string& resourceName, const ClassRegistry& classes) {
    HMODULE module = GetModuleHandleW(nullptr);
    std::wstring name = Widen(resourceName);
    HRSRC resource = FindResourceW(module, name.c_str(), MAKEINTRESOURCEW(10));
    HGLOBAL loaded = resource ? LoadResource(module, resource) : nullptr;
    const char* data = loaded ? static_cast<const char*>(LockResource(loaded)) : nullptr;
    if (!data) {
        throw std::runtime_error("the program holds no design named " + resourceName);
    }
    LoadDesignText(std::string_view(data, SizeofResource(module, resource)), resourceName, classes);
}

void Form::LoadDesignText(std::string_view text, const std::string& source,
                          const ClassRegistry& classes) {
    DesignObject design = ParseDesign(text, source);
    if (!SameText(design.className, ClassName())) {
        throw std::runtime_error("design " + source + " describes a " + design.className +
                                 ", not a " + ClassName());
    }
    DesignReader(classes, source).Read(*this, design);
    const tk::Application* application = ApplicationOf(*this);
    designed_ = application && application->ScalesForms();
    if (designed_) {
        ScaleTo(WindowDpi(HandleAllocated() ? Handle() : nullptr));
    }
    if (OnCreate) {
        OnCreate(*this);
    }
}

void Form::AddMethod(std::string name, EventHandler handler) {
    methods_.emplace_back(std::move(name), std::move(handler));
}

const EventHandler* Form::FindMethod(std::string_view name) const {
    for (const auto& [methodName, handler] : methods_) {
        if (SameText(methodName, name)) {
            return &handler;
        }
    }
    return nullptr;
}

void Form::FillCreateParams(CreateParams& params) {
    WinControl::FillCreateParams(params);
    params.className = Widen(ClassName());
    params.ownClass = true;
    DWORD icons = 0;
    if (borderIcons_ & biSystemMenu) {
        icons |= WS_SYSMENU;
        if (borderIcons_ & biMinimize) {
            icons |= WS_MINIMIZEBOX;
        }
        if (borderIcons_ & biMaximize) {
            icons |= WS_MAXIMIZEBOX;
        }
    }
    if (formStyle_ == tk::FormStyle::MDIChild) {
        // The MDI client takes every style of ours (MDIS_ALLCHILDSTYLES).
        params.style |= WS_CHILD | WS_CLIPSIBLINGS | (Visible() ? WS_VISIBLE : 0);
    }
    switch (borderStyle_) {
    case tk::BorderStyle::None:
        // An MDI child, or a form placed on a control (embedded), is a child
        // window: never a popup.
        if (formStyle_ != tk::FormStyle::MDIChild && !Parent()) {
            params.style |= WS_POPUP;
        }
        break;
    case tk::BorderStyle::Single:
        params.style |= WS_CAPTION | icons;
        break;
    case tk::BorderStyle::Sizeable:
        params.style |= WS_CAPTION | WS_THICKFRAME | icons;
        break;
    case tk::BorderStyle::Dialog:
        params.style |= WS_CAPTION | DS_MODALFRAME | (icons & WS_SYSMENU);
        params.exStyle |= WS_EX_DLGMODALFRAME;
        break;
    case tk::BorderStyle::ToolWindow:
        params.style |= WS_CAPTION | (icons & WS_SYSMENU);
        params.exStyle |= WS_EX_TOOLWINDOW;
        break;
    case tk::BorderStyle::SizeToolWin:
        params.style |= WS_CAPTION | WS_THICKFRAME | (icons & WS_SYSMENU);
        params.exStyle |= WS_EX_TOOLWINDOW;
        break;
    }
}

void Form::HandleCreated() {
    ShowProgramIcon();
    if (formStyle_ == tk::FormStyle::MDIForm) {
        CreateMDIClient();
    }
    if (formStyle_ == tk::FormStyle::MDIChild) {
        if (tk::Application* application = ApplicationOf(*this)) {
            application->AddMDIChild(*this);
        }
    } else if (menu_) {
        ApplyMenu();
    }
    ApplyClientSize();
    // A designed form's window may open on a screen of another scale than
    // the one it was loaded for.
    if (designed_) {
        ScaleTo(WindowDpi(Handle()));
    }
}

void Form::ScaleTo(int dpi) {
    if (dpi != pixelsPerInch_) {
        ChangeScale(dpi, pixelsPerInch_);
    }
}

void Form::ChangeScale(int to, int from) {
    pixelsPerInch_ = to;
    if (clientWidth_ != UnsetClientSize) {
        clientWidth_ = ScaleMeasure(clientWidth_, to, from);
    }
    if (clientHeight_ != UnsetClientSize) {
        clientHeight_ = ScaleMeasure(clientHeight_, to, from);
    }
    // The image lists first: the controls showing them measure them again
    // as they scale.
    for (Component* component : Components()) {
        if (auto* images = dynamic_cast<ImageList*>(component)) {
            images->ChangeScale(to, from);
        }
    }
    const int left = Left();
    const int top = Top();
    WinControl::ChangeScale(to, from);
    // A top-level form's place is a point of the screen, not a measure.
    if (!Parent() && formStyle_ != tk::FormStyle::MDIChild) {
        SetBounds(left, top, Width(), Height());
    }
    ApplyClientSize();
}

// A form shows the program's icon (the executable's "MAINICON") in its title
// bar and task button, as every window of a Windows program does; a program
// without one keeps the system's default.
void Form::ShowProgramIcon() {
    const HINSTANCE program = GetModuleHandleW(nullptr);
    for (const auto& [kind, metric] : {std::pair{ICON_BIG, SM_CXICON}, {ICON_SMALL, SM_CXSMICON}}) {
        const int size = GetSystemMetrics(metric);
        // A shared icon: the system keeps one copy and frees it with the program.
        if (HANDLE icon = LoadImageW(program, L"MAINICON", IMAGE_ICON, size, size, LR_SHARED)) {
            SendMessageW(Handle(), WM_SETICON, kind, reinterpret_cast<LPARAM>(icon));
        }
    }
}

void Form::HandleDestroyed() {
    clientHandle_ = nullptr;
    if (formStyle_ == tk::FormStyle::MDIChild) {
        if (tk::Application* application = ApplicationOf(*this)) {
            application->RemoveMDIChild(*this);
        }
    }
}

// Only the bits the border style and icons decide are written, read from
// the window and written back (WM_STYLECHANGING shows the change to any
// procedure over the window, which may adjust it); bits others set stay.
void Form::ApplyFrameStyle(DWORD styleBits, DWORD exStyleBits) {
    if (!HandleAllocated()) {
        ApplyClientSize();
        return;
    }
    CreateParams params;
    FillCreateParams(params);
    HWND window = Handle();
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE));
    const DWORD newStyle = (style & ~styleBits) | (params.style & styleBits);
    if (newStyle != style) {
        SetWindowLongPtrW(window, GWL_STYLE, static_cast<LONG_PTR>(newStyle));
    }
    const auto exStyle = static_cast<DWORD>(GetWindowLongPtrW(window, GWL_EXSTYLE));
    const DWORD newExStyle = (exStyle & ~exStyleBits) | (params.exStyle & exStyleBits);
    if (newExStyle != exStyle) {
        SetWindowLongPtrW(window, GWL_EXSTYLE, static_cast<LONG_PTR>(newExStyle));
    }
    SetWindowPos(window, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    ApplyClientSize();
}

void Form::SetBorderStyle(tk::BorderStyle style) {
    borderStyle_ = style;
    ApplyFrameStyle(BorderStyleBits, BorderExStyleBits);
}

void Form::SetBorderIcons(uint32_t icons) {
    borderIcons_ = icons;
    ApplyFrameStyle(BorderIconBits, 0);
}

// The outer size follows the wanted client size, measured on the window once
// it exists and from its style before.
void Form::ApplyClientSize() {
    if (clientWidth_ < 0 && clientHeight_ < 0) {
        return;
    }
    int frameWidth = 0, frameHeight = 0;
    if (HandleAllocated()) {
        RECT window, client;
        GetWindowRect(Handle(), &window);
        GetClientRect(Handle(), &client);
        frameWidth = (window.right - window.left) - client.right;
        frameHeight = (window.bottom - window.top) - client.bottom;
    } else {
        CreateParams params;
        FillCreateParams(params);
        RECT r{0, 0, 100, 100};
        AdjustWindowRectEx(&r, params.style, menu_ != nullptr, params.exStyle);
        frameWidth = (r.right - r.left) - 100;
        frameHeight = (r.bottom - r.top) - 100;
    }
    SetBounds(Left(), Top(), clientWidth_ >= 0 ? clientWidth_ + frameWidth : Width(),
              clientHeight_ >= 0 ? clientHeight_ + frameHeight : Height());
}

int Form::ClientWidth() const {
    return ClientRect().right;
}

void Form::SetClientWidth(int width) {
    clientWidth_ = width;
    ApplyClientSize();
}

int Form::ClientHeight() const {
    return ClientRect().bottom;
}

void Form::SetClientHeight(int height) {
    clientHeight_ = height;
    ApplyClientSize();
}

void Form::SetMenu(MainMenu* menu) {
    menu_ = menu;
    if (menu_) {
        menu_->FreeNotification(*this);
    }
    if (HandleAllocated()) {
        // Through the window, so that a window procedure over the form (a
        // frame that draws a menu bar of its own) learns of the new menu; the
        // default handling gives the window the native menu.
        SendMessageW(Handle(), NotifyMenuChanged, 0, 0);
        ApplyClientSize();
    }
}

void Form::Notification(Component& component, Operation operation) {
    WinControl::Notification(component, operation);
    if (operation == Operation::Remove && &component == windowMenu_) {
        windowMenu_ = nullptr;
    }
    if (operation == Operation::Remove && &component == menu_) {
        menu_ = nullptr;
        if (HandleAllocated()) {
            SendMessageW(Handle(), NotifyMenuChanged, 0, 0);
        }
    }
}

void Form::VisibleChanged() {
    if (!Visible()) {
        if (HandleAllocated()) {
            ShowWindow(Handle(), SW_HIDE);
        }
        return;
    }
    HWND window = Handle();
    if (!shownOnce_ && position_ != tk::Position::Designed &&
        formStyle_ != tk::FormStyle::MDIChild) {
        RECT work;
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
        SetBounds(work.left + (work.right - work.left - Width()) / 2,
                  work.top + (work.bottom - work.top - Height()) / 2, Width(), Height());
    }
    shownOnce_ = true;
    if (OnShow) {
        OnShow(*this);
    }
    ShowWindow(window, SW_SHOW);
    UpdateWindow(window);
}

void Form::Close() {
    if (formStyle_ == tk::FormStyle::MDIChild) {
        StoreVisible(false);
        DestroyWindowHandle();
        return;
    }
    Hide();
    tk::Application* application = Application();
    if (application && application->MainForm() == this) {
        application->Terminate();
    }
}

void Form::WndProc(Message& m) {
    if (!HandleMessage(m)) {
        WinControl::WndProc(m);
    }
}

bool Form::HandleMessage(Message& m) {
    switch (m.msg) {
    case WM_CLOSE:
        return CloseHandler(m);
    case WM_COMMAND:
        return MenuCommand(m, crack::ControlWindow(m), crack::CommandCode(m), crack::CommandId(m));
    case WM_MEASUREITEM:
        return Answered(m, MeasureMenuItem(*crack::MeasureItem(m)));
    case WM_DRAWITEM:
        return Answered(m, DrawMenuItem(*crack::DrawItem(m)));
    case NotifyDialogKey:
        return DialogKeyHandler(m, m.wParam);
    case NotifyMenuChanged:
        return MenuChanged(m);
    case WM_DPICHANGED:
        return DpiChanged(m, HIWORD(m.wParam), *reinterpret_cast<const RECT*>(m.lParam));
    default:
        return false;
    }
}

bool Form::CloseHandler(Message& m) {
    Close();
    m.result = 0;
    return true;
}

// A menu's choice: the main menu's, or a popup menu's tracked for this window.
bool Form::MenuCommand(Message& m, HWND control, UINT code, UINT id) {
    if (control || code != MenuCommandCode) {
        return false;
    }
    MenuItem* item = MenuItem::FromCommand(id);
    if (!item) {
        return false;
    }
    item->Click();
    m.result = 0;
    return true;
}

bool Form::Answered(Message& m, bool handled) {
    if (handled) {
        m.result = TRUE;
    }
    return handled;
}

bool Form::DialogKeyHandler(Message& m, WPARAM key) {
    m.result = DialogKey(*this, key) ? NotifyUsed : 0;
    return true;
}

bool Form::DpiChanged(Message& m, int dpi, const RECT& suggested) {
    if (!designed_) {
        return false;
    }
    ScaleTo(dpi);
    SetBounds(suggested.left, suggested.top, suggested.right - suggested.left,
              suggested.bottom - suggested.top);
    m.result = 0;
    return true;
}

bool Form::MenuChanged(Message& m) {
    ApplyMenu();
    m.result = 0;
    return true;
}

} // namespace tk
