// A small window composed from a skin's frame elements the way the form
// frame paints one: borders (active or inactive cell), title bar with caption
// text and caption buttons, the menu bar, and a few controls in the client
// area. Drawn with the colour key, so rounded corners show the background.
#pragma once

#include "skin/ImgUtil/ImgUtil.h"
#include "skin/WinSkinData/SkinModel.h"

namespace skinpreview {

void DrawWindowMock(HDC dc, const RECT& window, const skin::TSkinModel& skin, bool active);

} // namespace skinpreview
