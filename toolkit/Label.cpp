#include "toolkit/Label.h"

#include <algorithm>

namespace tk {
namespace {
const EnumInfo TextLayoutEnum{"TTextLayout", {"tlTop", "tlCenter", "tlBottom"}};
} // namespace

const ClassInfo& Label::StaticClass() {
    static const ClassInfo info =
        ClassInfo::Make<Label>("TLabel", &GraphicControl::StaticClass(), [](auto& p) {
            p.String("Caption", &Label::Caption, &Label::SetCaption);
            p.template Enumeration<tk::Alignment>("Alignment", AlignmentEnum, &Label::Alignment,
                                                  &Label::SetAlignment);
            p.template Enumeration<TextLayout>("Layout", TextLayoutEnum, &Label::Layout,
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

} // namespace tk
