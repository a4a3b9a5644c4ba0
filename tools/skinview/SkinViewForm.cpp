#include "tools/skinview/SkinViewForm.h"

#include "toolkit/Application.h"
#include "toolkit/Menus.h"
#include "tools/skinview/SkinText.h"
#include "toolkit/StatusBar.h"
#include "toolkit/Text.h"
#include "toolkit/TreeView.h"
#include "skin/WinSkinData/WinSkinData.h"

#include <windowsx.h>

#include <fstream>

namespace skinview {

const tk::ClassInfo& TSkinViewForm::StaticClass() {
    static const tk::ClassInfo info("TSkinViewForm", &tk::Form::StaticClass());
    return info;
}

TSkinViewForm::TSkinViewForm(tk::Component* owner) : Form(owner) {
    AddMethod("FormShow", tk::NotifyEvent([this](tk::Component&) { FormShow(); }));
    AddMethod("MenuExitClick", tk::NotifyEvent([this](tk::Component&) { Close(); }));
    if (tk::Application* application = Application()) {
        application->Classes().Register<skin::TSkinData>();
    }
    LoadDesign("TSkinViewForm");
    SkinEveryKind(SkinData());
    // The stored skin is loaded by now; a skin from a file, and the skin
    // switched off or on again, later.
    FollowSkinText(*this, SkinData());
    SkinData().OnSkinChanged = [this](tk::Component&) { FollowSkinText(*this, SkinData()); };
}

void TSkinViewForm::FormShow() {
    // Open branches show the tree's lines and buttons.
    for (const auto& node : Designed<tk::TreeView>("TreeParts").Items().Children()) {
        node->Expand();
    }
}

void TSkinViewForm::WndProc(tk::Message& message) {
    if (message.msg == WM_CONTEXTMENU && ShowContextMenu(message.lParam)) {
        message.result = 0;
        return;
    }
    Form::WndProc(message);
}

bool TSkinViewForm::ShowContextMenu(LPARAM screenPoint) {
    // Where the context menu opens when asked from the keyboard.
    constexpr POINT KeyboardOffset{8, 8};
    const bool fromKeyboard = screenPoint == -1;
    POINT at{GET_X_LPARAM(screenPoint), GET_Y_LPARAM(screenPoint)};
    if (fromKeyboard) {
        at = ClientToScreen(KeyboardOffset);
    } else {
        RECT client;
        GetClientRect(Handle(), &client);
        if (!PtInRect(&client, ScreenToClient(at))) {
            return false;
        }
    }
    Designed<tk::PopupMenu>("PopupView").Popup(Handle(), at.x, at.y);
    return true;
}

template <class T> T& TSkinViewForm::Designed(const char* name) const {
    T* component = dynamic_cast<T*>(FindComponent(name));
    if (!component) {
        throw std::runtime_error(std::string("skinview's design lacks ") + name);
    }
    return *component;
}

skin::TSkinData& TSkinViewForm::SkinData() const {
    return Designed<skin::TSkinData>("SkinData1");
}

void TSkinViewForm::LoadSkinFile(const std::filesystem::path& file) {
    const std::string name = tk::Narrow(file.wstring());
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error)) {
        throw TViewError(name + ": no such file");
    }
    if (!std::ifstream(file, std::ios::binary)) {
        throw TViewError(name + ": cannot be read");
    }
    skin::TSkinData& skin = SkinData();
    std::string notice;
    const auto keepNotice =
        std::exchange(skin.OnNotice, [&](const std::string& text) { notice = text; });
    try {
        skin.SetSkinFile(name);
    } catch (const std::exception& e) {
        notice = e.what();
    }
    skin.OnNotice = keepNotice;
    if (!skin.SkinLoaded) {
        throw TViewError(name + ": " + (notice.empty() ? "not a skin package" : notice));
    }
    FollowSkinText(*this, skin);
}

void TSkinViewForm::ShowSkinName() {
    const std::string& name = SkinData().SkinName;
    SetCaption("皮肤预览 Skin Viewer - " + (name.empty() ? std::string("(unnamed)") : name));
    Designed<tk::StatusBar>("StatusBar1").Panels()[1]->SetText("皮肤 Skin: " + name);
}

} // namespace skinview
