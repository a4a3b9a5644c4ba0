// Writes the generated artwork in the formats the gallery loads: JPEG for
// thumbnails and button pictures, BMP for glyphs and image lists, ICO for the
// paging arrows.
#pragma once

#include "skin/ImgUtil/Dib.h"

#include <string>
#include <vector>

namespace galleryart {

// Each throws std::runtime_error naming the file when it cannot be written.
void WriteJpeg(const std::string& path, const skin::TDib& image, int quality);
void WriteBmp(const std::string& path, const skin::TDib& image);
// An icon file holding each image (square, 32 bits); pixels of the key
// colour become transparent.
void WriteIcon(const std::string& path, const std::vector<skin::TDib>& images);

} // namespace galleryart
