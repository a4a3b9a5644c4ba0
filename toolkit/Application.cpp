#include "toolkit/Application.h"

#include "toolkit/DialogKeys.h"
#include "toolkit/Form.h"
#include "toolkit/Menus.h"
#include "toolkit/Text.h"

#include <windows.h>

#include <algorithm>

namespace tk {
namespace {

void DefaultMessageBox(const std::string& text, const std::string& title) {
    MessageBoxW(GetActiveWindow(), Widen(text).c_str(), Widen(title).c_str(), MB_OK | MB_ICONSTOP);
}

// A key press goes to the shortcuts of the form's menu first, then to its
// keyboard navigation; what neither uses is translated and dispatched.
void Deliver(const MSG& msg) {
    if (IsMenuShortCut(msg) || IsDialogKey(msg)) {
        return;
    }
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
}

} // namespace

const ClassInfo& Application::StaticClass() {
    static const ClassInfo info("TApplication", &Component::StaticClass());
    return info;
}

Application::Application() : Component(nullptr), messageBox_(DefaultMessageBox) {
    RegisterStandardClasses(classes_);
}

Application::~Application() {
    // Forms go before the registry and the message box they may still use.
    while (!Components().empty()) {
        delete Components().back();
    }
}

void Application::AddForm(Form& form) {
    if (forms_.empty() || !mainForm_) {
        mainForm_ = &form;
    }
    forms_.push_back(&form);
}

void Application::RemoveForm(Form& form) {
    forms_.erase(std::remove(forms_.begin(), forms_.end(), &form), forms_.end());
    RemoveMDIChild(form);
    if (mainForm_ == &form) {
        mainForm_ = nullptr;
    }
}

void Application::AddMDIChild(Form& form) {
    if (std::find(mdiChildren_.begin(), mdiChildren_.end(), &form) == mdiChildren_.end()) {
        mdiChildren_.push_back(&form);
    }
}

void Application::RemoveMDIChild(Form& form) {
    mdiChildren_.erase(std::remove(mdiChildren_.begin(), mdiChildren_.end(), &form),
                       mdiChildren_.end());
}

bool Application::TranslateMDIKeys(MSG& msg) const {
    HWND client = MainForm() ? MainForm()->ClientHandle() : nullptr;
    return client && TranslateMDISysAccel(client, &msg);
}

void Application::Run() {
    if (mainForm_) {
        try {
            mainForm_->Show();
        } catch (const std::exception& e) {
            HandleException(e);
        }
    }
    MSG msg;
    while (!terminated_ && GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (TranslateMDIKeys(msg)) {
            continue;
        }
        Deliver(msg);
    }
    terminated_ = true;
}

void Application::ProcessMessages() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            terminated_ = true;
            PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        if (TranslateMDIKeys(msg)) {
            continue;
        }
        Deliver(msg);
    }
}

void Application::Terminate() {
    if (!terminated_) {
        PostQuitMessage(0);
    }
}

void Application::HandleException(const std::exception& error) {
    std::string text = error.what();
    if (text.empty()) {
        text = "An unexpected error occurred.";
    }
    messageBox_(text, title_);
}

void Application::SetMessageBox(MessageBoxFunction show) {
    messageBox_ = show ? std::move(show) : MessageBoxFunction(DefaultMessageBox);
}

Application* ApplicationOf(Component& component) {
    Component* current = &component;
    if (auto* control = dynamic_cast<Control*>(current)) {
        if (Form* form = control->ParentForm()) {
            current = form;
        }
    }
    for (; current; current = current->Owner()) {
        if (auto* application = dynamic_cast<Application*>(current)) {
            return application;
        }
    }
    return nullptr;
}

void ReportException(Component& source, const std::exception& error) {
    if (Application* application = ApplicationOf(source)) {
        application->HandleException(error);
    } else {
        DefaultMessageBox(error.what(), "");
    }
}

} // namespace tk
