// The sample artwork of the gallery, drawn from code so every pixel is
// reproducible: template thumbnails, the Open and Book button pictures, the
// paging arrows, the exit glyph and the two image lists.
#pragma once

#include "skin/ImgUtil/Dib.h"

#include <string>

namespace galleryart {

// 100 x 100: a mock web page in a colour picked from the number, with the
// template number written large across it.
skin::TDib Thumbnail(const std::string& number);

// 50 x 25 button picture: dark when normal, blue when highlighted.
skin::TDib ButtonPicture(const std::string& label, bool highlighted);

// 32 x 32 round arrow pointing left or right; key colour outside the disc.
skin::TDib Arrow(bool pointsRight);

// 32 x 32 exit glyph (a door with an arrow) on the key colour.
skin::TDib ExitGlyph();

// The program's icon at 16 or 32 pixels: a neon "K" on a dark rounded tile,
// key colour outside the tile.
skin::TDib ProgramIcon(int size);

// Image list strips, images side by side on the key colour: five 32 x 32 tab
// and action images, and four 24 x 24 tree node images (closed header, leaf,
// colour header, colour leaf).
skin::TDib TabImages();
skin::TDib TreeImages();

} // namespace galleryart
