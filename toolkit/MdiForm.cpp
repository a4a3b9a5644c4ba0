// The MDI side of forms: the MDI form's client window and menus, its
// children's windows, and the default window procedures of both.
//
// The system does the rest: the window menu lists the children, a maximised
// child puts its system menu and its minimise, restore and close buttons into
// the frame's menu bar, and the frame's default procedure hands the choices
// of both to the right child.
#include "toolkit/Form.h"

#include "toolkit/Application.h"
#include "toolkit/Menus.h"
#include "toolkit/win32/WindowClass.h"
#include "toolkit/Text.h"

#include <stdexcept>

namespace tk {
namespace {

// Commands of the window menu's child entries: above every menu item's and
// every system command.
constexpr UINT FirstChildCommand = 0xFF00;

constexpr wchar_t ClientClass[] = L"MDIClient";

} // namespace

void Form::SetFormStyle(tk::FormStyle style) {
    if (style == formStyle_) {
        return;
    }
    if (HandleAllocated()) {
        throw std::logic_error("the form style of " + (Name().empty() ? ClassName() : Name()) +
                               " cannot change once its window exists");
    }
    formStyle_ = style;
}

void Form::SetWindowMenu(MenuItem* item) {
    windowMenu_ = item;
    if (windowMenu_) {
        windowMenu_->FreeNotification(*this);
    }
    if (clientHandle_) {
        ApplyMenu();
    }
}

int Form::MDIChildCount() const {
    tk::Application* application = clientHandle_ ? Application() : nullptr;
    return application ? static_cast<int>(application->MDIChildren().size()) : 0;
}

Form* Form::MDIChildren(int index) const {
    if (index < 0 || index >= MDIChildCount()) {
        return nullptr;
    }
    return Application()->MDIChildren()[static_cast<size_t>(index)];
}

Form* Form::ActiveMDIChild() const {
    if (!clientHandle_) {
        return nullptr;
    }
    auto active = reinterpret_cast<HWND>(SendMessageW(clientHandle_, WM_MDIGETACTIVE, 0, 0));
    return dynamic_cast<Form*>(FromHandle(active));
}

void Form::Cascade() {
    if (clientHandle_) {
        SendMessageW(clientHandle_, WM_MDICASCADE, 0, 0);
    }
}

void Form::Tile() {
    if (clientHandle_) {
        SendMessageW(clientHandle_, WM_MDITILE, MDITILE_HORIZONTAL, 0);
    }
}

void Form::ApplyMenu() {
    if (formStyle_ == tk::FormStyle::MDIChild) {
        return; // a child window has no menu bar
    }
    HWND window = Handle();
    HMENU bar = menu_ ? menu_->Handle() : nullptr;
    if (clientHandle_ && bar) {
        HMENU list =
            windowMenu_ && windowMenu_->GetMenu() == menu_ ? windowMenu_->Handle() : nullptr;
        SendMessageW(clientHandle_, WM_MDISETMENU, reinterpret_cast<WPARAM>(bar),
                     reinterpret_cast<LPARAM>(list));
    } else {
        ::SetMenu(window, bar);
    }
    DrawMenuBar(window);
}

void Form::CreateMDIClient() {
    CLIENTCREATESTRUCT create{};
    if (windowMenu_ && menu_ && windowMenu_->GetMenu() == menu_) {
        create.hWindowMenu = windowMenu_->Handle();
    }
    create.idFirstChild = FirstChildCommand;
    const RECT area = ClientRect();
    clientHandle_ =
        CreateWindowExW(WS_EX_CLIENTEDGE, ClientClass, nullptr,
                        WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | WS_VSCROLL | WS_HSCROLL |
                            WS_VISIBLE | MDIS_ALLCHILDSTYLES,
                        0, 0, area.right, area.bottom, Handle(), nullptr, CodeModule(), &create);
    if (!clientHandle_) {
        throw std::runtime_error("cannot create the MDI client window of " +
                                 (Name().empty() ? ClassName() : Name()));
    }
    AlignControls();
}

void Form::ControlsAligned(const RECT& rest) {
    if (clientHandle_) {
        SetWindowPos(clientHandle_, nullptr, rest.left, rest.top, rest.right - rest.left,
                     rest.bottom - rest.top, SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

Form& Form::MDIFrame() const {
    tk::Application* application = ApplicationOf(const_cast<Form&>(*this));
    Form* frame = application ? application->MainForm() : nullptr;
    if (!frame || frame == this || frame->formStyle_ != tk::FormStyle::MDIForm) {
        throw std::runtime_error("cannot show " + (Name().empty() ? ClassName() : Name()) +
                                 " as an MDI child: the program's main form is not an MDI form");
    }
    frame->HandleNeeded();
    return *frame;
}

HWND Form::CreateWindowHandle(const CreateParams& params, DWORD style, HWND parent, HMENU id) {
    if (formStyle_ != tk::FormStyle::MDIChild) {
        return WinControl::CreateWindowHandle(params, style, parent, id);
    }
    Form& frame = MDIFrame();
    const std::wstring caption = Widen(Caption());
    MDICREATESTRUCTW request{};
    request.szClass = params.className.c_str();
    request.szTitle = caption.c_str();
    request.hOwner = CodeModule();
    request.x = Left();
    request.y = Top();
    request.cx = Width();
    request.cy = Height();
    request.style = style;
    request.lParam = reinterpret_cast<LPARAM>(this);
    return reinterpret_cast<HWND>(
        SendMessageW(frame.clientHandle_, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&request)));
}

void Form::DestroyWindowHandle() {
    if (formStyle_ == tk::FormStyle::MDIChild && HandleAllocated()) {
        SendMessageW(GetParent(Handle()), WM_MDIDESTROY, reinterpret_cast<WPARAM>(Handle()), 0);
    }
    DestroyHandle();
}

void Form::DefaultHandler(Message& m) {
    if (clientHandle_) {
        m.result = DefFrameProcW(Handle(), clientHandle_, m.msg, m.wParam, m.lParam);
    } else if (formStyle_ == tk::FormStyle::MDIChild && HandleAllocated()) {
        m.result = DefMDIChildProcW(Handle(), m.msg, m.wParam, m.lParam);
    } else {
        WinControl::DefaultHandler(m);
    }
}

} // namespace tk
