#include "SkinSizer.h"

#include "WinSkinData.h"

namespace skin {

const tk::ClassInfo& TSkinSizer::StaticClass() {
    static const tk::ClassInfo info("TSkinSizer", &TSkinControl::StaticClass());
    return info;
}

TSkinSizer::TSkinSizer(tk::Component* owner) : TSkinControl(owner) {}

bool TSkinSizer::BeforeMessage(tk::Message& message) {
    return TakeOverPainting(message) && TSkinControl::BeforeMessage(message);
}

void TSkinSizer::Draw(HDC dc, const RECT& rect) {
    const tk::OwnedBrush shadow(CreateSolidBrush(ResolveColour(FSkinData->ButtonShadowColour)));
    FrameRect(dc, &rect, shadow.get());
}

} // namespace skin
