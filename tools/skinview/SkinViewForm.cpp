#include "tools/skinview/SkinViewForm.h"

#include "skin/WinSkinData/WinSkinData.h"
#include "toolkit/Application.h"
#include "toolkit/Menus.h"
#include "toolkit/StatusBar.h"
#include "toolkit/Text.h"
#include "toolkit/Timer.h"
#include "toolkit/TreeView.h"
#include "tools/skinview/SkinText.h"
#include "tools/skinview/SkinWatch.h"

#include <windowsx.h>

namespace skinview {

const tk::ClassInfo& TSkinViewForm::StaticClass() {
    static const tk::ClassInfo info("TSkinViewForm", &tk::Form::StaticClass());
    return info;
}

TSkinViewForm::TSkinViewForm(tk::Component* owner) : Form(owner) {
    AddMethod("FormShow", tk::NotifyEvent([this](tk::Component&) { FormShow(); }));
    AddMethod("MenuExitClick", tk::NotifyEvent([this](tk::Component&) { Close(); }));
    AddMethod("MenuOpenClick", tk::NotifyEvent([this](tk::Component&) { ChooseAndOpen(); }));
    AddMethod("MenuReloadClick", tk::NotifyEvent([this](tk::Component&) { Reload(); }));
    AddMethod("MenuBuiltInClick", tk::NotifyEvent([this](tk::Component&) { LoadBuiltInSkin(); }));
    AddMethod("MenuStatusBarClick", tk::NotifyEvent([this](tk::Component&) { ToggleStatusBar(); }));
    AddMethod("MenuAboutClick", tk::NotifyEvent([this](tk::Component&) { ShowAbout(); }));
    if (tk::Application* application = Application()) {
        // The skin layer only reports why the stored skin did not load; the
        // user sees it in a plain box.
        application->Classes().Register(
            skin::TSkinData::StaticClass().Name(), [](tk::Component* owner) -> tk::Component* {
                auto* skinData = new skin::TSkinData(owner);
                skinData->OnNotice = [](const std::string& text) {
                    MessageBoxW(nullptr, tk::Widen(text).c_str(), L"", MB_OK);
                };
                return skinData;
            });
    }
    LoadDesign("TSkinViewForm");
    builtIn_ = SkinData().SkinStream();
    SkinEveryKind(SkinData());
    // The stored skin is loaded by now; a skin from a file, and the skin
    // switched off or on again, later.
    FollowSkinText(*this, SkinData());
    SkinData().OnSkinChanged = [this](tk::Component&) { FollowSkinText(*this, SkinData()); };
    auto& recentMenu = Designed<tk::MenuItem>("MenuRecent");
    noRecentItem_ = std::make_unique<tk::MenuItem>(nullptr);
    noRecentItem_->SetCaption("(无 None)");
    noRecentItem_->SetEnabled(false);
    recentMenu.Add(*noRecentItem_);
    for (std::size_t i = 0; i < TRecentSkins::MaxCount; ++i) {
        auto& item = *recentItems_.emplace_back(std::make_unique<tk::MenuItem>(nullptr));
        item.OnClick = [this, i](tk::Component&) { OpenRecent(i); };
        recentMenu.Add(item);
    }
    FillRecentMenu();
    CheckShownSkin();
}

TSkinViewForm::~TSkinViewForm() = default;

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

skin::TSkinData& TSkinViewForm::SkinData() const {
    return Designed<skin::TSkinData>("SkinData1");
}

void TSkinViewForm::LoadSkin(const std::filesystem::path& chosen) {
    TSkinSource source = FindSkinSource(chosen);
    std::vector<uint8_t> package = ReadSkinPackage(source);
    ShowPackage(std::move(package), std::move(source));
}

void TSkinViewForm::ReloadSkin() {
    if (source_) {
        ShowPackage(ReadSkinPackage(*source_), source_);
    } else {
        ShowPackage(builtIn_, std::nullopt);
    }
}

void TSkinViewForm::LoadBuiltInSkin() {
    ShowPackage(builtIn_, std::nullopt);
}

void TSkinViewForm::ShowPackage(std::vector<uint8_t> package, std::optional<TSkinSource> source) {
    skin::TSkinData& skin = SkinData();
    // The reader's reason comes back as the component's refusal; its notice
    // box is not wanted here, the caller reports the failure its own way.
    const auto keepNotice = std::exchange(skin.OnNotice, [](const std::string&) {});
    const bool loaded = skin.SetSkinStream(std::move(package));
    skin.OnNotice = keepNotice;
    if (!loaded) {
        const std::string name = source ? SourceName(*source) : std::string("(built in)");
        throw TViewError(
            name + ": " +
            (skin.refusal.empty() ? std::string("the skin could not be loaded") : skin.refusal));
    }
    source_ = std::move(source);
    if (watching_) {
        // The files as they are now are the ones shown.
        watch_ =
            source_ ? std::make_unique<TSkinWatch>(*source_, TSkinWatch::TClock::now()) : nullptr;
    }
    skin.ApplySkinChange();
    FollowSkinText(*this, skin);
    ShowSkinName();
    CheckShownSkin();
}

void TSkinViewForm::ShowSkinName() {
    const std::string& name = SkinData().SkinName;
    SetCaption("皮肤预览 Skin Viewer - " + (name.empty() ? std::string("(unnamed)") : name));
    const auto& panels = Designed<tk::StatusBar>("StatusBar1").Panels();
    std::string from = !source_                               ? "内置 Built-in"
                       : source_->kind == TSourceKind::Folder ? "文件夹 Folder"
                                                              : "皮肤包 Package";
    if (watch_) {
        from += " 监视 watching";
    }
    panels[0]->SetText(from);
    panels[1]->SetText("皮肤 Skin: " + name);
}

} // namespace skinview
