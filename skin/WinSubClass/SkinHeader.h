// TSkinHeader: the column header of a list view (or any header control), its
// items painted from the skin's header bar element over what the control drew,
// with each item's icon and caption, and the bar continued right of the last
// item.
//
// Error policy: the base's.
#pragma once

#include "skin/WinSubClass/SkinControl.h"

namespace skin {

class TSkinHeader : public TSkinControl {
    TK_CLASS(TSkinHeader)

public:
    explicit TSkinHeader(tk::Component* owner);
    bool BeforeMessage(tk::Message& message) override;
    void Draw(HDC dc, const RECT& rect) override;

private:
    bool SkinPaints() const;
    void DrawItem(HDC dc, int index, const RECT& item, HIMAGELIST images);
};

} // namespace skin
