#include "PlainMenuBar.h"

#include "WinSkinData.h"

namespace skin {

void TPlainMenuBar::PaintBar(HDC dc, const RECT& rect) {
    tk::OwnedBrush brush(CreateSolidBrush(ResolveColour(frame_.FSkinData->MenubarColour)));
    FillRect(dc, &rect, brush.get());
}

} // namespace skin
