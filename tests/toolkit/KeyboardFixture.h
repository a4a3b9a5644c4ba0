// A form of a fresh application driven by real key presses (SendInput)
// through the application's message loop, with helpers to place controls,
// press keys and see where the focus is.
#pragma once

#include "toolkit/Application.h"
#include "toolkit/ExtCtrls.h"
#include "toolkit/Form.h"
#include "toolkit/Notifications.h"
#include "toolkit/Properties.h"
#include "toolkit/StdCtrls.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

inline constexpr int QuietMs = 60;
inline constexpr int MaxPumpMs = 2000;

struct Keyboard : ::testing::Test {
    tk::Application app;
    tk::Form* form = nullptr;
    std::vector<std::string> clicks;

    void SetUp() override {
        app.SetMessageBox([](const std::string&, const std::string&) {});
        form = new tk::Form(&app);
        form->SetBorderStyle(tk::BorderStyle::Single);
        form->SetClientWidth(360);
        form->SetClientHeight(240);
        form->SetBounds(50, 50, form->Width(), form->Height());
    }
    void TearDown() override { ReleaseModifiers(); }

    // Dispatches through the application's loop until it has been idle a while.
    void Pump() {
        int quiet = 0;
        for (int waited = 0; quiet < QuietMs && waited < MaxPumpMs;) {
            MSG msg;
            if (PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
                app.ProcessMessages();
                quiet = 0;
            } else {
                Sleep(5);
                quiet += 5;
                waited += 5;
            }
        }
    }
    void ShowForm() {
        form->Show();
        SetForegroundWindow(form->Handle());
        Pump();
    }
    static void SendKey(WORD key, bool up) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = key;
        input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(key, MAPVK_VK_TO_VSC));
        input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
        SendInput(1, &input, sizeof(input));
    }
    // Presses and releases a key, holding the modifier (if any) around it.
    void Press(WORD key, WORD modifier = 0) {
        if (modifier) {
            SendKey(modifier, false);
            Pump();
        }
        SendKey(key, false);
        Pump();
        SendKey(key, true);
        if (modifier) {
            SendKey(modifier, true);
        }
        Pump();
    }
    void ReleaseModifiers() {
        for (WORD key : {VK_SHIFT, VK_CONTROL, VK_MENU}) {
            if (GetAsyncKeyState(key) < 0) {
                SendKey(key, true);
            }
        }
    }
    template <class T>
    T& Place(const std::string& name, int left, int top, tk::WinControl* parent = nullptr) {
        auto* control = new T(form);
        control->SetName(name);
        control->SetParent(parent ? parent : form);
        control->SetLeft(left);
        control->SetTop(top);
        return *control;
    }
    tk::Button& PlaceButton(const std::string& name, int left, int top) {
        auto& button = Place<tk::Button>(name, left, top);
        button.SetCaption(name);
        button.OnClick = [this, name](tk::Component&) { clicks.push_back(name); };
        return button;
    }
    // A Default button "OK" and a Cancel button "Cancel" side by side.
    std::pair<tk::Button&, tk::Button&> PlaceOkAndCancel(int top) {
        auto& ok = PlaceButton("OK", 10, top);
        auto& cancel = PlaceButton("Cancel", 100, top);
        ok.SetDefault(true);
        cancel.SetCancel(true);
        return {ok, cancel};
    }
    // The name of the control with the focus (a window-less one that has
    // the keyboard through its parent's window, if any).
    std::string FocusName() {
        tk::WinControl* control = tk::WinControl::FromHandle(GetFocus());
        if (control && control->KeyChild()) {
            return control->KeyChild()->Name();
        }
        return control ? control->Name() : "";
    }
    // The names the focus visits with `count` presses of the key.
    std::vector<std::string> Walk(WORD key, int count, WORD modifier = 0) {
        std::vector<std::string> visited;
        for (int i = 0; i < count; ++i) {
            Press(key, modifier);
            visited.push_back(FocusName());
        }
        return visited;
    }
    static bool LooksDefault(tk::Button& button) {
        return (GetWindowLongPtrW(button.Handle(), GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
    }
};

using Names = std::vector<std::string>;
