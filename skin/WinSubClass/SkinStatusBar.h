// TSkinStatusBar: a status bar painted whole by the skinner: each panel (or
// the one simple panel) on the skin's status bar edge for its bevel, or with
// a plain bevel when the skin has none, its text aligned as the panel says
// (mirrored for a panel that reads right to left), and the size grip from
// the skin's extra images. The toolkit's bar gives its panels; a bar of the
// system's class no form describes gives its parts through its messages
// (their texts, tab-aligned, and their border kinds) and its window's font.
// Moved or sized with its window, the bar is painted whole again: the system
// would repaint only the part it newly covers and copy the rest, which under
// Wine does not keep what was painted.
#pragma once

#include "skin/WinSubClass/SkinControl.h"

namespace tk {
class StatusBar;
}

namespace skin {

class TSkinStatusBar : public TSkinControl {
    TK_CLASS(TSkinStatusBar)

public:
    explicit TSkinStatusBar(tk::Component* owner);
    bool BeforeMessage(tk::Message& message) override;
    void AfterMessage(tk::Message& message) override;
    void Draw(HDC dc, const RECT& rect) override;

private:
    // One panel as the bar shows it.
    struct TPart {
        RECT rect;
        std::string text;
        tk::Alignment alignment;
        int bevel;
    };

    tk::StatusBar* Bar() const;
    std::vector<TPart> Parts(const RECT& whole) const;
    std::vector<TPart> WindowParts(const RECT& whole) const;
    // One panel: its edge (or plain bevel) and its text.
    void DrawPanel(HDC dc, RECT rect, const std::string& text, tk::Alignment alignment, int bevel);
    void DrawSizeGrip(HDC dc, const RECT& rect) const;
};

} // namespace skin
