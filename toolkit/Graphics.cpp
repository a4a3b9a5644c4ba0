#include "toolkit/Graphics.h"

#include "toolkit/Text.h"

namespace tk {
namespace {

const IntIdent ColorIdentTable[] = {
    {"clBlack", 0x000000},
    {"clMaroon", 0x000080},
    {"clGreen", 0x008000},
    {"clOlive", 0x008080},
    {"clNavy", 0x800000},
    {"clPurple", 0x800080},
    {"clTeal", 0x808000},
    {"clGray", 0x808080},
    {"clSilver", 0xC0C0C0},
    {"clRed", 0x0000FF},
    {"clLime", 0x00FF00},
    {"clYellow", 0x00FFFF},
    {"clBlue", 0xFF0000},
    {"clFuchsia", 0xFF00FF},
    {"clAqua", 0xFFFF00},
    {"clWhite", 0xFFFFFF},
    {"clNone", clNone},
    {"clScrollBar", base::SystemColour(COLOR_SCROLLBAR)},
    {"clBackground", base::SystemColour(COLOR_BACKGROUND)},
    {"clActiveCaption", base::SystemColour(COLOR_ACTIVECAPTION)},
    {"clInactiveCaption", base::SystemColour(COLOR_INACTIVECAPTION)},
    {"clMenu", base::SystemColour(COLOR_MENU)},
    {"clWindow", base::SystemColour(COLOR_WINDOW)},
    {"clWindowFrame", base::SystemColour(COLOR_WINDOWFRAME)},
    {"clMenuText", base::SystemColour(COLOR_MENUTEXT)},
    {"clWindowText", base::SystemColour(COLOR_WINDOWTEXT)},
    {"clCaptionText", base::SystemColour(COLOR_CAPTIONTEXT)},
    {"clHighlight", base::SystemColour(COLOR_HIGHLIGHT)},
    {"clHighlightText", base::SystemColour(COLOR_HIGHLIGHTTEXT)},
    {"clBtnFace", base::SystemColour(COLOR_BTNFACE)},
    {"clBtnShadow", base::SystemColour(COLOR_BTNSHADOW)},
    {"clGrayText", base::SystemColour(COLOR_GRAYTEXT)},
    {"clBtnText", base::SystemColour(COLOR_BTNTEXT)},
    {"clBtnHighlight", base::SystemColour(COLOR_BTNHIGHLIGHT)},
    {"cl3DDkShadow", base::SystemColour(COLOR_3DDKSHADOW)},
    {"cl3DLight", base::SystemColour(COLOR_3DLIGHT)},
    {"clInfoText", base::SystemColour(COLOR_INFOTEXT)},
    {"clInfoBk", base::SystemColour(COLOR_INFOBK)},
};

const EnumInfo BrushStyleEnum{"TBrushStyle", {"bsSolid", "bsClear"}};
const EnumInfo PenStyleEnum{"TPenStyle", {"psSolid", "psClear"}};
const EnumInfo FontStyleEnum{"TFontStyle", {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"}};
const IntIdent CharsetIdentTable[] = {
    {"ANSI_CHARSET", ANSI_CHARSET},
    {"DEFAULT_CHARSET", DEFAULT_CHARSET},
    {"SYMBOL_CHARSET", SYMBOL_CHARSET},
    {"GB2312_CHARSET", GB2312_CHARSET},
    {"CHINESEBIG5_CHARSET", CHINESEBIG5_CHARSET},
    {"OEM_CHARSET", OEM_CHARSET},
};

} // namespace

std::span<const IntIdent> ColorIdents() {
    return ColorIdentTable;
}

const ClassInfo& Font::StaticClass() {
    static const ClassInfo info =
        ClassInfo::Make<Font>("TFont", &Persistent::StaticClass(), [](auto& p) {
            p.String("Name", &Font::Name, &Font::SetName);
            p.Integer("Height", &Font::Height, &Font::SetHeight);
            p.Integer("Size", &Font::Size, &Font::SetSize);
            p.Integer("Color", &Font::GetColor, &Font::SetColor, ColorIdents());
            p.Set("Style", FontStyleEnum, &Font::Style, &Font::SetStyle);
            p.Integer("Charset", &Font::Charset, &Font::SetCharset, CharsetIdentTable);
        });
    return info;
}

Font::Font(const Font& other)
    : Persistent(other), name_(other.name_), height_(other.height_), color_(other.color_),
      style_(other.style_), charset_(other.charset_) {}

Font& Font::operator=(const Font& other) {
    if (this != &other) {
        name_ = other.name_;
        height_ = other.height_;
        color_ = other.color_;
        style_ = other.style_;
        charset_ = other.charset_;
        Changed();
    }
    return *this;
}

// The old handle is deleted only after OnChange: a canvas that has it
// selected puts its context's own font back there first (a selected object
// cannot be deleted on Windows).
void Font::Changed() {
    const OwnedFont old = std::move(handle_);
    if (OnChange) {
        OnChange();
    }
}

void Font::SetName(const std::string& name) {
    name_ = name;
    Changed();
}
void Font::SetHeight(int height) {
    height_ = height;
    Changed();
}
int Font::Size() const {
    return -MulDiv(height_, 72, 96);
}
void Font::SetSize(int points) {
    SetHeight(-MulDiv(points, 96, 72));
}
void Font::SetColor(Colour color) {
    color_ = color;
    Changed();
}
void Font::SetStyle(uint32_t style) {
    style_ = style;
    Changed();
}
void Font::SetCharset(int charset) {
    charset_ = charset;
    Changed();
}

HFONT Font::Handle() const {
    if (!handle_) {
        LOGFONTW lf{};
        lf.lfHeight = height_;
        lf.lfWeight = (style_ & fsBold) ? FW_BOLD : FW_NORMAL;
        lf.lfItalic = (style_ & fsItalic) ? TRUE : FALSE;
        lf.lfUnderline = (style_ & fsUnderline) ? TRUE : FALSE;
        lf.lfStrikeOut = (style_ & fsStrikeOut) ? TRUE : FALSE;
        lf.lfCharSet = static_cast<BYTE>(charset_);
        lf.lfQuality = DEFAULT_QUALITY;
        std::wstring face = Widen(name_).substr(0, LF_FACESIZE - 1);
        face.copy(lf.lfFaceName, face.size());
        handle_.reset(CreateFontIndirectW(&lf));
    }
    return handle_.get();
}

void Font::Assign(HFONT font) {
    LOGFONTW lf{};
    if (!font || !GetObjectW(font, sizeof(lf), &lf)) {
        return;
    }
    name_ = Narrow(lf.lfFaceName);
    height_ = lf.lfHeight;
    const auto flag = [](bool on, FontStyle style) { return on ? uint32_t(style) : 0u; };
    style_ = flag(lf.lfWeight >= FW_BOLD, fsBold) | flag(lf.lfItalic, fsItalic) |
             flag(lf.lfUnderline, fsUnderline) | flag(lf.lfStrikeOut, fsStrikeOut);
    charset_ = lf.lfCharSet;
    Changed();
}

const ClassInfo& Brush::StaticClass() {
    static const ClassInfo info =
        ClassInfo::Make<Brush>("TBrush", &Persistent::StaticClass(), [](auto& p) {
            p.Integer("Color", &Brush::GetColor, &Brush::SetColor, ColorIdents());
            p.template Enumeration<BrushStyle>("Style", BrushStyleEnum, &Brush::Style,
                                               &Brush::SetStyle);
        });
    return info;
}

// As for a font: the old handle goes after OnChange.
void Brush::Changed() {
    const OwnedBrush old = std::move(handle_);
    if (OnChange) {
        OnChange();
    }
}

void Brush::SetColor(Colour color) {
    color_ = color;
    Changed();
}

void Brush::SetStyle(BrushStyle style) {
    style_ = style;
    Changed();
}

HBRUSH Brush::Handle() const {
    if (style_ == BrushStyle::Clear) {
        return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
    }
    if (!handle_) {
        handle_.reset(CreateSolidBrush(ResolveColour(color_)));
    }
    return handle_.get();
}

const ClassInfo& Pen::StaticClass() {
    static const ClassInfo info =
        ClassInfo::Make<Pen>("TPen", &Persistent::StaticClass(), [](auto& p) {
            p.Integer("Color", &Pen::GetColor, &Pen::SetColor, ColorIdents());
            p.Integer("Width", &Pen::Width, &Pen::SetWidth);
            p.template Enumeration<PenStyle>("Style", PenStyleEnum, &Pen::Style, &Pen::SetStyle);
        });
    return info;
}

// As for a font: the old handle goes after OnChange.
void Pen::Changed() {
    const OwnedPen old = std::move(handle_);
    if (OnChange) {
        OnChange();
    }
}

void Pen::SetColor(Colour color) {
    color_ = color;
    Changed();
}

void Pen::SetWidth(int width) {
    width_ = width < 0 ? 0 : width;
    Changed();
}

void Pen::SetStyle(PenStyle style) {
    style_ = style;
    Changed();
}

HPEN Pen::Handle() const {
    if (style_ == PenStyle::Clear) {
        return static_cast<HPEN>(GetStockObject(NULL_PEN));
    }
    if (!handle_) {
        handle_.reset(CreatePen(PS_INSIDEFRAME, width_, ResolveColour(color_)));
    }
    return handle_.get();
}

// A font, brush or pen changed while selected is let go of before it is
// deleted; the next drawing selects the new one.
Canvas::Canvas(HDC dc) : dc_(dc) {
    font_.OnChange = [this] { selection_.reset(); };
    brush_.OnChange = [this] { selection_.reset(); };
    pen_.OnChange = [this] { selection_.reset(); };
}

void Canvas::SetHandle(HDC dc) {
    selection_.reset();
    dc_ = dc;
}

void Canvas::Select() {
    if (selection_) {
        SelectObject(dc_, font_.Handle());
        SelectObject(dc_, brush_.Handle());
        SelectObject(dc_, pen_.Handle());
    } else {
        selection_.emplace(dc_, font_.Handle(), brush_.Handle(), pen_.Handle());
    }
    SetTextColor(dc_, ResolveColour(font_.GetColor()));
}

void Canvas::FillRect(const RECT& rect) {
    if (dc_ && brush_.Style() != BrushStyle::Clear) {
        ::FillRect(dc_, &rect, brush_.Handle());
    }
}

void Canvas::FrameRect(const RECT& rect) {
    if (dc_) {
        ::FrameRect(dc_, &rect, brush_.Handle());
    }
}

void Canvas::Rectangle(const RECT& rect) {
    if (dc_) {
        Select();
        ::Rectangle(dc_, rect.left, rect.top, rect.right, rect.bottom);
    }
}

void Canvas::TextOut(int x, int y, const std::string& text) {
    if (dc_) {
        Select();
        std::wstring wide = Widen(text);
        ::TextOutW(dc_, x, y, wide.c_str(), static_cast<int>(wide.size()));
    }
}

SIZE Canvas::TextExtent(const std::string& text) {
    SIZE size{};
    if (dc_) {
        Select();
        std::wstring wide = Widen(text);
        GetTextExtentPoint32W(dc_, wide.c_str(), static_cast<int>(wide.size()), &size);
    }
    return size;
}

int Canvas::DrawText(const std::string& text, RECT& rect, UINT format) {
    if (!dc_) {
        return 0;
    }
    Select();
    std::wstring wide = Widen(text);
    return ::DrawTextW(dc_, wide.c_str(), static_cast<int>(wide.size()), &rect, format);
}

} // namespace tk
