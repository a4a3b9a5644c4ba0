#include "skin/WinSubClass/SkinBox.h"

#include "toolkit/WinControl.h"
#include "skin/WinSkinData/WinSkinData.h"

namespace skin {

const tk::ClassInfo& TSkinBox::StaticClass() {
    static const tk::ClassInfo info("TSkinBox", &TSkinControl::StaticClass());
    return info;
}

TSkinBox::TSkinBox(tk::Component* owner) : TSkinControl(owner) {}

void TSkinBox::Attach(TWinSkinForm& frame, TSkinData& skin, bool useSkinColor, tk::Canvas& canvas) {
    auto* control = dynamic_cast<tk::Control*>(Owner());
    if (FAttached || !control) {
        return;
    }
    FUseSkinColor = useSkinColor;
    FControl = control;
    if (auto* windowed = dynamic_cast<tk::WinControl*>(control)) {
        FHandle = windowed->Handle();
    }
    Register(frame, skin, canvas);
    if (FUseSkinColor) {
        FSavedColor = control->GetColor();
        control->SetColor(tk::Color(ResolveColour(skin.ButtonFaceColour)));
    }
    FAttached = true;
    FState = TSkinnerState::Attached;
}

} // namespace skin
