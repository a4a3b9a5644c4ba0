// A window-less control drawing a rectangle, square, rounded rectangle,
// ellipse or circle with its pen and brush.
#pragma once

#include "toolkit/Control.h"

namespace tk {

enum class ShapeType { Rectangle, Square, RoundRect, RoundSquare, Ellipse, Circle };

class Shape : public GraphicControl {
    TK_CLASS(Shape)

public:
    explicit Shape(Component* owner);
    ShapeType GetShape() const { return shape_; }
    void SetShape(ShapeType shape);
    tk::Brush& Brush() { return brush_; }
    tk::Pen& Pen() { return pen_; }

protected:
    void Paint() override;

private:
    ShapeType shape_ = ShapeType::Rectangle;
    tk::Brush brush_;
    tk::Pen pen_;
};

} // namespace tk
