#include "toolkit/GraphicControls.h"

#include "toolkit/Action.h"
#include "toolkit/ImageList.h"
#include "toolkit/Notifications.h"
#include "toolkit/WinControl.h"

#include <algorithm>

namespace tk {
namespace {

const EnumInfo kShapeType{
    "TShapeType",
    {"stRectangle", "stSquare", "stRoundRect", "stRoundSquare", "stEllipse", "stCircle"}};
const EnumInfo kTextLayout{"TTextLayout", {"tlTop", "tlCenter", "tlBottom"}};

} // namespace

// ---- Image

const ClassInfo& Image::StaticClass() {
    static const ClassInfo info =
        ClassInfo::Make<Image>("TImage", &GraphicControl::StaticClass(), [](auto& p) {
            p.Object("Picture", [](Image& i) -> tk::Picture& { return i.Picture(); });
        });
    return info;
}

Image::Image(Component* owner) : GraphicControl(owner) {
    SetBounds(0, 0, 105, 105);
    picture_.OnChange = [this] { Invalidate(); };
}

void Image::Paint() {
    picture_.Draw(Canvas().Handle(), 0, 0);
}

// ---- Shape

const ClassInfo& Shape::StaticClass() {
    static const ClassInfo info =
        ClassInfo::Make<Shape>("TShape", &GraphicControl::StaticClass(), [](auto& p) {
            p.template Enumeration<ShapeType>("Shape", kShapeType, &Shape::GetShape,
                                              &Shape::SetShape);
            p.Object("Brush", [](Shape& s) -> tk::Brush& { return s.Brush(); });
            p.Object("Pen", [](Shape& s) -> tk::Pen& { return s.Pen(); });
        });
    return info;
}

Shape::Shape(Component* owner) : GraphicControl(owner) {
    SetBounds(0, 0, 65, 65);
    brush_.OnChange = [this] { Invalidate(); };
    pen_.OnChange = [this] { Invalidate(); };
}

void Shape::SetShape(ShapeType shape) {
    shape_ = shape;
    Invalidate();
}

void Shape::Paint() {
    HDC dc = Canvas().Handle();
    int x = 0, y = 0, w = Width(), h = Height();
    if (shape_ == ShapeType::Square || shape_ == ShapeType::RoundSquare ||
        shape_ == ShapeType::Circle) {
        int side = std::min(w, h);
        x = (w - side) / 2;
        y = (h - side) / 2;
        w = h = side;
    }
    SelectedObject pen(dc, pen_.Handle());
    SelectedObject brush(dc, brush_.Handle());
    switch (shape_) {
    case ShapeType::Rectangle:
    case ShapeType::Square:
        Rectangle(dc, x, y, x + w, y + h);
        break;
    case ShapeType::RoundRect:
    case ShapeType::RoundSquare:
        RoundRect(dc, x, y, x + w, y + h, std::min(w, h) / 4, std::min(w, h) / 4);
        break;
    case ShapeType::Ellipse:
    case ShapeType::Circle:
        Ellipse(dc, x, y, x + w, y + h);
        break;
    }
}

// ---- Label

const ClassInfo& Label::StaticClass() {
    static const ClassInfo info =
        ClassInfo::Make<Label>("TLabel", &GraphicControl::StaticClass(), [](auto& p) {
            p.String("Caption", &Label::Caption, &Label::SetCaption);
            p.template Enumeration<tk::Alignment>("Alignment", kAlignmentEnum, &Label::Alignment,
                                                  &Label::SetAlignment);
            p.template Enumeration<TextLayout>("Layout", kTextLayout, &Label::Layout,
                                               &Label::SetLayout);
            p.Boolean("Transparent", &Label::Transparent, &Label::SetTransparent);
            p.Boolean("AutoSize", &Label::AutoSize, &Label::SetAutoSize);
            p.Boolean("WordWrap", &Label::WordWrap, &Label::SetWordWrap);
        });
    return info;
}

Label::Label(Component* owner) : GraphicControl(owner) {
    SetBounds(0, 0, 65, 17);
    SetParentColor(true);
}

void Label::SetAlignment(tk::Alignment alignment) {
    alignment_ = alignment;
    Invalidate();
}
void Label::SetLayout(TextLayout layout) {
    layout_ = layout;
    Invalidate();
}
void Label::SetTransparent(bool transparent) {
    transparent_ = transparent;
    Invalidate();
}
void Label::SetAutoSize(bool autoSize) {
    autoSize_ = autoSize;
    AdjustSize();
}
void Label::SetWordWrap(bool wordWrap) {
    wordWrap_ = wordWrap;
    AdjustSize();
    Invalidate();
}

void Label::Loaded() {
    GraphicControl::Loaded();
    AdjustSize();
}

void Label::CaptionChanged() {
    AdjustSize();
    Invalidate();
}

void Label::FontChanged() {
    AdjustSize();
    Invalidate();
}

UINT Label::TextFormat() const {
    UINT format = DT_EXPANDTABS | (wordWrap_ ? DT_WORDBREAK : DT_SINGLELINE);
    switch (alignment_) {
    case tk::Alignment::Left:
        return format | DT_LEFT;
    case tk::Alignment::Right:
        return format | DT_RIGHT;
    case tk::Alignment::Center:
        return format | DT_CENTER;
    }
    return format;
}

void Label::AdjustSize() {
    if (!autoSize_ || IsLoading()) {
        return;
    }
    RECT r{0, 0, wordWrap_ ? Width() : 0, 0};
    {
        WindowDC screen = WindowDC::Client(nullptr);
        tk::Canvas measure(screen);
        measure.Font() = Font();
        measure.DrawText(Caption().empty() ? " " : Caption(), r, TextFormat() | DT_CALCRECT);
    }
    SetBounds(Left(), Top(), wordWrap_ ? Width() : r.right, r.bottom);
}

void Label::Paint() {
    tk::Canvas& canvas = Canvas();
    RECT client = ClientRect();
    if (!transparent_) {
        canvas.Brush().SetColor(GetColor());
        canvas.FillRect(client);
    }
    SetBkMode(canvas.Handle(), TRANSPARENT);
    if (!Enabled()) {
        canvas.Font().SetColor(clGrayText);
    }
    RECT text = client;
    if (layout_ != TextLayout::Top) {
        RECT measured = client;
        canvas.DrawText(Caption(), measured, TextFormat() | DT_CALCRECT);
        int free = (client.bottom - client.top) - (measured.bottom - measured.top);
        text.top += layout_ == TextLayout::Center ? free / 2 : free;
    }
    canvas.DrawText(Caption(), text, TextFormat());
}

// ---- SpeedButton

const ClassInfo& SpeedButton::StaticClass() {
    static const ClassInfo info =
        ClassInfo::Make<SpeedButton>("TSpeedButton", &GraphicControl::StaticClass(), [](auto& p) {
            p.String("Caption", &SpeedButton::Caption, &SpeedButton::SetCaption);
            p.Object("Glyph", [](SpeedButton& b) -> tk::Bitmap& { return b.Glyph(); });
            p.Integer("NumGlyphs", &SpeedButton::NumGlyphs, &SpeedButton::SetNumGlyphs);
            p.template Enumeration<ButtonLayout>("Layout", kButtonLayoutEnum, &SpeedButton::Layout,
                                                 &SpeedButton::SetLayout);
            p.Integer("Margin", &SpeedButton::Margin, &SpeedButton::SetMargin);
            p.Integer("Spacing", &SpeedButton::Spacing, &SpeedButton::SetSpacing);
            p.Boolean("Down", &SpeedButton::Down, &SpeedButton::SetDown);
            p.Integer("GroupIndex", &SpeedButton::GroupIndex, &SpeedButton::SetGroupIndex);
            p.Boolean("AllowAllUp", &SpeedButton::AllowAllUp, &SpeedButton::SetAllowAllUp);
            p.Boolean("Flat", &SpeedButton::Flat, &SpeedButton::SetFlat);
        });
    return info;
}

SpeedButton::SpeedButton(Component* owner) : GraphicControl(owner) {
    SetBounds(0, 0, 23, 22);
    glyph_.OnChange = [this] { Invalidate(); };
}

void SpeedButton::SetNumGlyphs(int count) {
    numGlyphs_ = std::clamp(count, 1, 4);
    Invalidate();
}
void SpeedButton::SetLayout(ButtonLayout layout) {
    layout_ = layout;
    Invalidate();
}
void SpeedButton::SetMargin(int margin) {
    margin_ = margin;
    Invalidate();
}
void SpeedButton::SetSpacing(int spacing) {
    spacing_ = spacing;
    Invalidate();
}
void SpeedButton::SetFlat(bool flat) {
    flat_ = flat;
    Invalidate();
}

void SpeedButton::SetDown(bool down) {
    if (down == down_) {
        return;
    }
    down_ = down;
    if (down_ && groupIndex_ != 0 && Parent()) {
        for (Control* sibling : Parent()->Controls()) {
            auto* other = dynamic_cast<SpeedButton*>(sibling);
            if (other && other != this && other->groupIndex_ == groupIndex_) {
                other->SetDown(false);
            }
        }
    }
    Invalidate();
    Perform(kNotifyCheckedChanged);
}

void SpeedButton::Click() {
    if (groupIndex_ != 0) {
        SetDown(!down_ || !allowAllUp_);
    }
    GraphicControl::Click();
}

void SpeedButton::ActionChanged() {
    GraphicControl::ActionChanged();
    tk::Action* action = GetAction();
    if (action && glyph_.Empty() && action->Images()) {
        if (action->Images()->GetBitmap(action->ImageIndex(), glyph_)) {
            numGlyphs_ = 1;
        }
    }
}

void SpeedButton::WndProc(Message& m) {
    switch (m.msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        pressed_ = true;
        Invalidate();
        break;
    case WM_LBUTTONUP:
        pressed_ = false;
        Invalidate();
        break;
    case kNotifyMouseEnter:
        hot_ = true;
        Invalidate();
        break;
    case kNotifyMouseLeave:
        hot_ = false;
        Invalidate();
        break;
    default:
        break;
    }
    GraphicControl::WndProc(m);
}

void SpeedButton::Paint() {
    tk::Canvas& canvas = Canvas();
    HDC dc = canvas.Handle();
    RECT client = ClientRect();
    bool sunk = down_ || (pressed_ && hot_);
    canvas.Brush().SetColor(GetColor());
    canvas.FillRect(client);
    if (!flat_) {
        DrawFrameControl(dc, &client, DFC_BUTTON, DFCS_BUTTONPUSH | (sunk ? DFCS_PUSHED : 0));
    } else if (sunk || (hot_ && Enabled())) {
        RECT edge = client;
        DrawEdge(dc, &edge, sunk ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT);
    }
    ButtonFace face{&glyph_, numGlyphs_, layout_, margin_, spacing_, Caption()};
    GlyphState state = !Enabled() ? GlyphState::Disabled : sunk ? GlyphState::Down : GlyphState::Up;
    DrawButtonFace(canvas, client, face, state, sunk ? 1 : 0);
}

} // namespace tk
