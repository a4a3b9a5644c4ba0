// A contact sheet of a loaded skin: every element with its raw bitmap and
// each state cell rendered nine-sliced at two sizes, labelled, plus a small
// window composed from the frame elements, active and inactive.
#pragma once

#include "skin/ImgUtil/Dib.h"
#include "skin/WinSkinData/SkinModel.h"

namespace skinpreview {

skin::TDib RenderPreviewSheet(const skin::TSkinModel& skin);

} // namespace skinpreview
