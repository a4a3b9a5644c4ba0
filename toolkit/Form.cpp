#include "Form.h"

#include "Application.h"
#include "DesignReader.h"
#include "DialogKeys.h"
#include "Menus.h"
#include "Notifications.h"
#include "Text.h"

#include <stdexcept>

namespace tk {
namespace {

const EnumInfo kBorderStyle{
    "TFormBorderStyle",
    {"bsNone", "bsSingle", "bsSizeable", "bsDialog", "bsToolWindow", "bsSizeToolWin"}};
const EnumInfo kBorderIcon{"TBorderIcon", {"biSystemMenu", "biMinimize", "biMaximize", "biHelp"}};
const EnumInfo kPosition{"TPosition", {"poDesigned", "poScreenCenter", "poDesktopCenter"}};

} // namespace

const ClassInfo& Form::StaticClass() {
    static const ClassInfo info =
        ClassInfo::Make<Form>("TForm", &WinControl::StaticClass(), [](auto& p) {
            p.String("Caption", &Form::Caption, &Form::SetCaption);
            p.template Enumeration<tk::BorderStyle>("BorderStyle", kBorderStyle, &Form::BorderStyle,
                                                    &Form::SetBorderStyle);
            p.Set("BorderIcons", kBorderIcon, &Form::BorderIcons, &Form::SetBorderIcons);
            p.template Enumeration<tk::Position>("Position", kPosition, &Form::Position,
                                                 &Form::SetPosition);
            p.Integer("ClientWidth", &Form::ClientWidth, &Form::SetClientWidth);
            p.Integer("ClientHeight", &Form::ClientHeight, &Form::SetClientHeight);
            p.template Reference<MainMenu>("Menu", &Form::Menu, &Form::SetMenu);
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
    DestroyHandle();
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
    switch (borderStyle_) {
    case tk::BorderStyle::None:
        params.style |= WS_POPUP;
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
    if (menu_) {
        ::SetMenu(Handle(), menu_->Handle());
    }
    ApplyClientSize();
}

void Form::ApplyFrameStyle() {
    if (!HandleAllocated()) {
        ApplyClientSize();
        return;
    }
    CreateParams params;
    FillCreateParams(params);
    SetWindowLongPtrW(Handle(), GWL_STYLE,
                      static_cast<LONG_PTR>(params.style | (Visible() ? WS_VISIBLE : 0)));
    SetWindowLongPtrW(Handle(), GWL_EXSTYLE, static_cast<LONG_PTR>(params.exStyle));
    SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    ApplyClientSize();
}

void Form::SetBorderStyle(tk::BorderStyle style) {
    borderStyle_ = style;
    ApplyFrameStyle();
}

void Form::SetBorderIcons(uint32_t icons) {
    borderIcons_ = icons;
    ApplyFrameStyle();
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
        ::SetMenu(Handle(), menu_ ? menu_->Handle() : nullptr);
        ApplyClientSize();
    }
}

void Form::Notification(Component& component, Operation operation) {
    WinControl::Notification(component, operation);
    if (operation == Operation::Remove && &component == menu_) {
        menu_ = nullptr;
        if (HandleAllocated()) {
            ::SetMenu(Handle(), nullptr);
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
    if (!shownOnce_ && position_ != tk::Position::Designed) {
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
    Hide();
    tk::Application* application = Application();
    if (application && application->MainForm() == this) {
        application->Terminate();
    }
}

void Form::WndProc(Message& m) {
    switch (m.msg) {
    case WM_CLOSE:
        Close();
        m.result = 0;
        return;
    case WM_COMMAND:
        if (m.lParam == 0 && HIWORD(m.wParam) == 0 && menu_) {
            if (MenuItem* item = menu_->FindItem(LOWORD(m.wParam))) {
                item->Click();
                m.result = 0;
                return;
            }
        }
        break;
    case WM_MEASUREITEM:
        if (MeasureMenuItem(*reinterpret_cast<MEASUREITEMSTRUCT*>(m.lParam))) {
            m.result = TRUE;
            return;
        }
        break;
    case WM_DRAWITEM:
        if (DrawMenuItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(m.lParam))) {
            m.result = TRUE;
            return;
        }
        break;
    case kNotifyDialogKey:
        m.result = DialogKey(*this, m.wParam) ? 1 : 0;
        return;
    case kNotifyMenuChanged:
        ::SetMenu(Handle(), menu_ ? menu_->Handle() : nullptr);
        DrawMenuBar(Handle());
        m.result = 0;
        return;
    default:
        break;
    }
    WinControl::WndProc(m);
}

} // namespace tk
