// The application: owner of the forms, its main form (the first form created
// with it as owner; closing it ends the message loop), the screen's list of
// forms in creation order, the class registry designs create components
// through, and the default exception handler: an error that escapes an event
// handler is shown in a message box with its text, and the program goes on.
//
// The toolkit's error policy, for every class of it:
// - A call that cannot do what it was asked throws a standard exception whose
//   text says what failed, naming the component, property or design line:
//   std::invalid_argument for a value the caller (or a design) gave that does
//   not fit (an unknown property or class, a wrong value, a clashing name, a
//   child that cannot go there); std::runtime_error for what the system or the
//   input refused (a window not created, a design or picture that cannot be
//   read); std::logic_error for a call the object's state does not allow. A
//   design read part-way throws std::runtime_error with its name and line and
//   leaves nothing half-made.
// - Questions answer "none" instead of throwing: the Try... property readers,
//   FromHandle, FindComponent and the like.
// - The thin Win32 owners and the subclass layers (win32/) never throw: they
//   answer false or an empty owner.
// - Nothing throws out of a window procedure: the control's message dispatch
//   and the timer's procedure catch what a handler throws and hand it to
//   ReportException, which shows it through the application's exception
//   handler (HandleException: a message box unless replaced); Run does the
//   same for the main form's first showing. Only this boundary shows errors.
#pragma once

#include "toolkit/ClassRegistry.h"
#include "toolkit/Component.h"

#include <windows.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace tk {

class Control;
class Form;

class Application : public Component {
    TK_CLASS(Application)

public:
    Application();
    ~Application() override;

    const std::string& Title() const { return title_; }
    void SetTitle(const std::string& title) { title_ = title; }

    // The toolkit's classes are registered from the start; a program adds its own.
    ClassRegistry& Classes() { return classes_; }
    const ClassRegistry& Classes() const { return classes_; }

    Form* MainForm() const { return forms_.empty() ? nullptr : mainForm_; }
    const std::vector<Form*>& Forms() const { return forms_; }
    // The MDI children that have a window, in the order their windows were made.
    const std::vector<Form*>& MDIChildren() const { return mdiChildren_; }

    // Shows the main form and dispatches messages until the program ends.
    void Run();
    // Dispatches the messages waiting now.
    void ProcessMessages();
    void Terminate();
    bool Terminated() const { return terminated_; }

    // The default exception handler.
    void HandleException(const std::exception& error);
    // How the handler shows its message: by default a message box; tests (and
    // programs with their own reporting) put something else in.
    using MessageBoxFunction =
        std::function<void(const std::string& text, const std::string& title)>;
    void SetMessageBox(MessageBoxFunction show);

    // Whether forms loaded from designs follow the screen's scale (see
    // Form::PixelsPerInch). Off until a program turns it on: a program whose
    // own drawing and skin do not scale yet keeps every form at 96 DPI, whole
    // rather than half scaled.
    bool ScalesForms() const { return scalesForms_; }
    void SetScalesForms(bool on) { scalesForms_ = on; }

private:
    friend class Form;
    void AddForm(Form& form);
    void RemoveForm(Form& form);
    void AddMDIChild(Form& form);
    void RemoveMDIChild(Form& form);
    // The MDI client's keys (Ctrl+F4, Ctrl+F6, ...) as system commands of the
    // active MDI child; true when the message was one.
    bool TranslateMDIKeys(MSG& msg) const;

    std::string title_;
    ClassRegistry classes_;
    std::vector<Form*> forms_;
    std::vector<Form*> mdiChildren_;
    Form* mainForm_ = nullptr;
    bool terminated_ = false;
    bool scalesForms_ = false;
    MessageBoxFunction messageBox_;
};

// The application a component belongs to (through its owners and parents), or none.
Application* ApplicationOf(Component& component);

// Hands an error raised while a component handled a message or event to its
// application's exception handler (a plain message box without one).
void ReportException(Component& source, const std::exception& error);

} // namespace tk
