#include "skin/WinSubClass/SkinBox.h"

namespace skin {

const tk::ClassInfo& TSkinBox::StaticClass() {
    static const tk::ClassInfo info("TSkinBox", &TSkinControl::StaticClass());
    return info;
}

TSkinBox::TSkinBox(tk::Component* owner) : TSkinControl(owner) {}

void TSkinBox::Attach(TWinSkinForm& frame, TSkinData& skin, bool useSkinColor, tk::Canvas& canvas) {
    if (!BindOwner(useSkinColor)) {
        return;
    }
    Register(frame, skin, canvas);
    AdoptSkinColor(skin);
    MarkAttached();
}

} // namespace skin
