// A push button drawn by the toolkit (an owner-drawn BUTTON) with a glyph
// beside its caption.
#pragma once

#include "toolkit/Button.h"
#include "toolkit/ButtonFace.h"

namespace tk {

class BitBtn : public Button, public GlyphProperties {
    TK_CLASS(BitBtn)

public:
    explicit BitBtn(Component* owner);
    void ChangeScale(int to, int from) override;

protected:
    void FillCreateParams(CreateParams& params) override;
    bool DrawItemReflected(const DRAWITEMSTRUCT& item) override;
};

} // namespace tk
