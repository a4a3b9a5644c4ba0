#include "toolkit/Image.h"

namespace tk {

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

void Image::ChangeScale(int to, int from) {
    GraphicControl::ChangeScale(to, from);
    dpi_ = to;
    Invalidate();
}

void Image::Paint() {
    picture_.Draw(Canvas().Handle(), 0, 0, dpi_);
}

} // namespace tk
