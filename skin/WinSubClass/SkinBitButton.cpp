#include "skin/WinSubClass/SkinBitButton.h"

#include "skin/SkinRead/AsciiText.h"
#include "skin/ImgUtil/ImgUtil.h"
#include "toolkit/Picture.h"
#include "toolkit/Text.h"
#include "skin/WinSkinData/WinSkinData.h"

#include <algorithm>

namespace skin {

const tk::ClassInfo& TSkinBitButton::StaticClass() {
    static const tk::ClassInfo info("TSkinBitButton", &TSkinButton::StaticClass());
    return info;
}

TSkinBitButton::TSkinBitButton(tk::Component* owner) : TSkinButton(owner) {}

int GlyphImageFor(int frame) {
    switch (frame) {
    case button_frame::Pressed:
        return glyph_image::Down;
    case button_frame::Disabled:
        return glyph_image::Disabled;
    default:
        return glyph_image::Up;
    }
}

void DrawGlyph(HDC dc, int x, int y, const tk::Bitmap& glyph, int numGlyphs, int image) {
    if (glyph.Empty()) {
        return;
    }
    const int cells = std::max(numGlyphs, 1);
    const int width = glyph.Width() / cells;
    const int height = glyph.Height();
    if (width <= 0 || height <= 0) {
        return;
    }
    const int cell = cells == glyph_image::CellsForStates ? image - 1 : 0;
    TDib pixels(width, height);
    const std::span<const uint32_t> source = glyph.Pixels();
    for (int row = 0; row < height; ++row) {
        for (int column = 0; column < width; ++column) {
            const uint32_t argb =
                source[size_t(row) * size_t(glyph.Width()) + size_t(cell * width + column)];
            pixels.SetPixel(column, row,
                            MakeColour(uint8_t(argb >> 16), uint8_t(argb >> 8), uint8_t(argb)));
        }
    }
    if (image == glyph_image::Disabled) {
        GrayBitmap(pixels);
    }
    const Colour key = pixels.Pixel(0, height - 1);
    TransparentBlit(dc, {x, y, x + width, y + height}, pixels, key);
}

int TSkinBitButton::StateFrame(DWORD) const {
    int frame = button_frame::Normal;
    if (Pressed()) {
        frame = button_frame::Pressed;
    } else if (FIsFocused || MouseOver()) {
        frame = button_frame::Hot;
    } else if (skintext::EqualIgnoringAsciiCase(GetEnumProp("Default"), "true")) {
        frame = button_frame::Default;
    }
    return FIsEnabled ? frame : button_frame::Disabled;
}

void TSkinBitButton::DrawGlyphAndCaption(HDC dc, TLayoutSize size, const TFace& face,
                                         const std::wstring& caption, int frame,
                                         COLORREF fontColour, bool speedButton) {
    const int cells = std::max(face.numGlyphs, 1);
    TLayoutSize glyphSize;
    if (face.glyph && !face.glyph->Empty()) {
        glyphSize = {face.glyph->Width() / cells, face.glyph->Height()};
    }
    TLayoutSize textSize;
    if (!caption.empty()) {
        RECT measured{0, 0, size.width, size.height};
        DrawTextW(dc, caption.c_str(), int(caption.size()), &measured, DT_CALCRECT);
        textSize = {measured.right - measured.left, measured.bottom - measured.top};
    }
    const TButtonPlacement place = CalcButtonLayout(size, glyphSize, textSize, face.layout,
                                                    face.margin, face.spacing, speedButton);
    if (face.glyph) {
        DrawGlyph(dc, place.glyph.x, place.glyph.y, *face.glyph, cells, GlyphImageFor(frame));
    }
    if (caption.empty()) {
        return;
    }
    const COLORREF colour = frame == button_frame::Disabled
                                ? GetSysColor(COLOR_GRAYTEXT)
                                : CaptionColour(frame, fontColour, true);
    SetTextColor(dc, colour);
    SetBkMode(dc, TRANSPARENT);
    const UINT format = place.align == TCaptionAlign::Left    ? DT_LEFT
                        : place.align == TCaptionAlign::Right ? DT_RIGHT
                                                              : DT_CENTER;
    const RECT textRect{place.text.x, place.text.y, place.text.x + textSize.width,
                        place.text.y + textSize.height};
    DrawSkinText(dc, caption, textRect, format);
}

void TSkinBitButton::Draw(HDC dc, const RECT& rect) {
    const DWORD style = ReadWindowState();
    const std::wstring caption = ShownCaption();
    const int frame = StateFrame(style);
    if (!ComposeFace(rect, std::max(FSkinData->Buttons.Frame, 1), frame)) {
        return;
    }
    TFace face;
    face.glyph = static_cast<const tk::Bitmap*>(GetObjProp("Glyph", "TBitmap"));
    face.numGlyphs = GetIntProp("NumGlyphs");
    face.margin = GetIntProp("Margin");
    face.spacing = GetIntProp("Spacing");
    face.layout = GlyphLayoutFromName(GetEnumProp("Layout").c_str());
    const auto* font = static_cast<const tk::Font*>(GetObjProp("Font", "TFont"));
    const HDC buffer = BufferDC();
    const tk::SelectedObject bitmap(buffer, NativeBitmap(FBuffer));
    const auto windowFont = reinterpret_cast<HGDIOBJ>(SendMessageW(FHandle, WM_GETFONT, 0, 0));
    const HGDIOBJ chosen = font ? font->Handle() : windowFont;
    const tk::SelectedObject selected(buffer, chosen ? chosen : GetStockObject(DEFAULT_GUI_FONT));
    const COLORREF fontColour =
        font ? tk::ResolveColour(font->GetColor()) : ResolveColour(FSkinData->ButtonTextColour);
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    DrawGlyphAndCaption(buffer, {width, height}, face, caption, frame, fontColour, false);
    DrawFocusCue(buffer, {0, 0, width, height}, CaptionColour(frame, fontColour, true));
    BitBlt(dc, rect.left, rect.top, width, height, buffer, 0, 0, SRCCOPY);
}

} // namespace skin
