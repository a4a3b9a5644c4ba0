// Fonts, brushes, pens and a canvas over a device context. Colours are
// base::Colour values: the COLORREF layout, 0xFF0000nn for system colour nn.
#pragma once

#include "toolkit/win32/ColourRef.h"
#include "toolkit/win32/GdiOwners.h"
#include "toolkit/Persistent.h"

#include "base/Colour.h"

#include <windows.h>

#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>

namespace tk {

using base::Colour;
constexpr Colour clBlack = 0x000000;
constexpr Colour clWhite = 0xFFFFFF;
constexpr Colour clNone = base::NoColour;
constexpr Colour clBtnFace = base::SystemColour(COLOR_BTNFACE);
constexpr Colour clWindow = base::SystemColour(COLOR_WINDOW);
constexpr Colour clWindowText = base::SystemColour(COLOR_WINDOWTEXT);
constexpr Colour clBtnText = base::SystemColour(COLOR_BTNTEXT);
constexpr Colour clGrayText = base::SystemColour(COLOR_GRAYTEXT);

// The colour identifiers a design may use (clBtnFace, clWhite, ...).
std::span<const IntIdent> ColorIdents();

enum FontStyle : uint32_t { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };

class Font : public Persistent {
    TK_CLASS(Font)

public:
    Font() = default;
    Font(const Font& other);
    Font& operator=(const Font& other);

    const std::string& Name() const { return name_; }
    void SetName(const std::string& name);
    // Negative: character height in pixels; positive: cell height.
    int Height() const { return height_; }
    void SetHeight(int height);
    // Points at 96 dots per inch.
    int Size() const;
    void SetSize(int points);
    Colour GetColor() const { return color_; }
    void SetColor(Colour color);
    uint32_t Style() const { return style_; }
    void SetStyle(uint32_t style);
    int Charset() const { return charset_; }
    void SetCharset(int charset);

    HFONT Handle() const;
    // Takes the face, height, style and character set of a font the system
    // made (a window's WM_GETFONT answer); the colour stays.
    void Assign(HFONT font);
    // Called after any change.
    std::function<void()> OnChange;

private:
    void Changed();
    std::string name_ = "宋体";
    int height_ = -12;
    Colour color_ = clWindowText;
    uint32_t style_ = 0;
    int charset_ = DEFAULT_CHARSET;
    mutable OwnedFont handle_;
};

enum class BrushStyle { Solid, Clear };

class Brush : public Persistent {
    TK_CLASS(Brush)

public:
    Colour GetColor() const { return color_; }
    void SetColor(Colour color);
    BrushStyle Style() const { return style_; }
    void SetStyle(BrushStyle style);
    HBRUSH Handle() const;
    std::function<void()> OnChange;

private:
    void Changed();
    Colour color_ = clWhite;
    BrushStyle style_ = BrushStyle::Solid;
    mutable OwnedBrush handle_;
};

enum class PenStyle { Solid, Clear };

class Pen : public Persistent {
    TK_CLASS(Pen)

public:
    Colour GetColor() const { return color_; }
    void SetColor(Colour color);
    int Width() const { return width_; }
    void SetWidth(int width);
    PenStyle Style() const { return style_; }
    void SetStyle(PenStyle style);
    HPEN Handle() const;
    std::function<void()> OnChange;

private:
    void Changed();
    Colour color_ = clBlack;
    int width_ = 1;
    PenStyle style_ = PenStyle::Solid;
    mutable OwnedPen handle_;
};

// Draws on a device context it does not own; selects its font, brush and pen
// when drawing and puts the context's own objects back when it goes.
class Canvas {
public:
    explicit Canvas(HDC dc = nullptr);
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    HDC Handle() const { return dc_; }
    bool HasHandle() const { return dc_ != nullptr; }
    void SetHandle(HDC dc);

    tk::Font& Font() { return font_; }
    tk::Brush& Brush() { return brush_; }
    tk::Pen& Pen() { return pen_; }

    void FillRect(const RECT& rect);
    void FrameRect(const RECT& rect);
    // Outline in the pen, inside filled with the brush.
    void Rectangle(const RECT& rect);
    void TextOut(int x, int y, const std::string& text);
    SIZE TextExtent(const std::string& text);
    // DrawTextW in the canvas font; `rect` is updated with DT_CALCRECT.
    int DrawText(const std::string& text, RECT& rect, UINT format);

private:
    // The canvas's font, brush and pen in the context; the context's own
    // objects come back when this goes.
    struct Selection {
        Selection(HDC dc, HGDIOBJ f, HGDIOBJ b, HGDIOBJ p)
            : font(dc, f), brush(dc, b), pen(dc, p) {}
        SelectedObject font;
        SelectedObject brush;
        SelectedObject pen;
    };
    void Select();
    HDC dc_ = nullptr;
    tk::Font font_;
    tk::Brush brush_;
    tk::Pen pen_;
    std::optional<Selection> selection_;
};

// Binds a canvas to a device context for a scope: when the scope ends, also
// by an exception, the canvas gives the context its own objects back and
// lets go of it.
class CanvasBinding {
public:
    CanvasBinding(Canvas& canvas, HDC dc) : canvas_(canvas) { canvas_.SetHandle(dc); }
    CanvasBinding(const CanvasBinding&) = delete;
    CanvasBinding& operator=(const CanvasBinding&) = delete;
    ~CanvasBinding() { canvas_.SetHandle(nullptr); }

private:
    Canvas& canvas_;
};

} // namespace tk
