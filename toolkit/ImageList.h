// Image lists: equal-sized images in a native image list, drawn by index.
// A design stores the images as one strip ("Bitmap = {...}", the bytes of a
// BMP or JPEG file) cut into cells of Width; the strip's lower-left pixel is
// the transparent colour.
#pragma once

#include "toolkit/Component.h"

#include <windows.h>

#include <commctrl.h>

namespace tk {

class Bitmap;

class ImageList : public Component {
    TK_CLASS(ImageList)

public:
    explicit ImageList(Component* owner);
    ~ImageList() override;

    int Width() const { return width_; }
    void SetWidth(int width);
    int Height() const { return height_; }
    void SetHeight(int height);
    int Count() const;
    HIMAGELIST Handle();

    // Adds the strip's cells (Width wide each); `transparent` is a COLORREF,
    // or -1 for the strip's lower-left pixel.
    void AddStrip(const Bitmap& strip, int transparent = -1);
    void AddIcon(HICON icon);
    void Clear();
    void Draw(HDC dc, int x, int y, int index, bool enabled = true);
    // Grows the images from `from` to `to` dots per inch: every image
    // resampled (base::ScalePixels) with the transparent colour kept exact.
    // The native list keeps its handle, so the controls showing it only need
    // to be told to measure it again.
    void ChangeScale(int to, int from);
    // Image `index` as a bitmap on its transparent colour; false when out of range.
    bool GetBitmap(int index, Bitmap& target);

    void DefineProperties(BinaryProperties& props) override;

private:
    void Recreate();
    int width_ = 16;
    int height_ = 16;
    HIMAGELIST handle_ = nullptr;
    COLORREF maskColor_ = RGB(255, 0, 255);
};

// Image `index` of a native image list at (x, y), transparent; greyed (the
// system's disabled look) when not `enabled`. Nothing for an index out of range.
void DrawImageListImage(HIMAGELIST list, HDC dc, int x, int y, int index, bool enabled);

} // namespace tk
