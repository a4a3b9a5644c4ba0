#include "toolkit/Shape.h"

#include <algorithm>

namespace tk {
namespace {
const EnumInfo ShapeTypeEnum{
    "TShapeType",
    {"stRectangle", "stSquare", "stRoundRect", "stRoundSquare", "stEllipse", "stCircle"}};
} // namespace

const ClassInfo& Shape::StaticClass() {
    static const ClassInfo info =
        ClassInfo::Make<Shape>("TShape", &GraphicControl::StaticClass(), [](auto& p) {
            p.template Enumeration<ShapeType>("Shape", ShapeTypeEnum, &Shape::GetShape,
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

} // namespace tk
