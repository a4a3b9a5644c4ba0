#include "tools/skingen/Art.h"

#include <functional>

namespace skingen {
namespace {

using skin::KeyColour;

// `count` cells of w x h side by side (or stacked), each drawn by `draw`
// with its 1-based index, at `scale` (see TCanvas).
TDib Cells(int count, int w, int h, const std::function<void(TCanvas&, int)>& draw,
           bool stacked = false, int scale = 1) {
    const int cw = scale * w, ch = scale * h;
    TDib out(stacked ? cw : count * cw, stacked ? count * ch : ch);
    for (int i = 1; i <= count; ++i) {
        TCanvas c(out, stacked ? 0 : (i - 1) * cw, stacked ? (i - 1) * ch : 0, w, h, scale);
        draw(c, i);
    }
    return out;
}

// Face and outline of a control in a state: 1 normal, 2 pressed, 3 disabled,
// 4 hot or focused, 5 default.
struct TLook {
    Colour face;
    Colour line;
};

TLook LookOf(const TTheme& t, int state) {
    switch (state) {
    case 2:
        return {t.facePressed, t.highlight};
    case 3:
        return {t.faceDisabled, t.lineDisabled};
    case 4:
        return {t.faceHot, t.lineHot};
    case 5:
        return {t.face, t.lineHot};
    default:
        return {t.face, t.line};
    }
}

void Panel(const TTheme& t, TCanvas& c, int state, int radius) {
    const TLook look = LookOf(t, state);
    c.Fill(0, 0, c.Width(), c.Height(), KeyColour);
    c.RoundFill(0, 0, c.Width(), c.Height(), radius, look.face);
    c.RoundFrame(0, 0, c.Width(), c.Height(), radius, look.line);
    if (state == 5) {
        c.RoundFrame(1, 1, c.Width() - 2, c.Height() - 2, radius, Mix(look.face, look.line, 120));
    }
    if (state == 4) { // a soft glow inside the outline
        for (int x = 2; x < c.Width() - 2; ++x) {
            c.Glow(x, 1, look.line, 60);
        }
    }
}

} // namespace

TDib PushButtons(const TTheme& t, int scale) {
    return Cells(
        5, 24, 22, [&](TCanvas& c, int s) { Panel(t, c, s, t.buttonRadius); }, false, scale);
}

namespace {

// Check and radio cells: 1 unchecked, 2 checked, 3 disabled unchecked, 4
// disabled checked.
struct TMarkState {
    bool checked;
    bool disabled;
};
TMarkState MarkStateOf(int i) {
    return {i == 2 || i == 4, i >= 3};
}

} // namespace

TDib CheckBoxes(const TTheme& t, int scale) {
    return Cells(
        4, 13, 13,
        [&](TCanvas& c, int i) {
            const TMarkState s = MarkStateOf(i);
            c.Fill(0, 0, 13, 13, s.disabled ? t.faceDisabled : t.well);
            c.Frame(0, 0, 13, 13, s.disabled ? t.lineDisabled : t.line);
            if (s.checked) {
                const Colour ink = s.disabled ? t.markDisabled : t.mark;
                c.Line(3, 6, 5, 8, ink, 2);
                c.Line(5, 8, 9, 3, ink, 2);
            }
        },
        false, scale);
}

TDib RadioButtons(const TTheme& t, int scale) {
    return Cells(
        4, 13, 13,
        [&](TCanvas& c, int i) {
            const TMarkState s = MarkStateOf(i);
            c.Fill(0, 0, 13, 13, KeyColour);
            c.Disc(6, 6, 6, s.disabled ? t.faceDisabled : t.well);
            c.Ring(6, 6, 6, s.disabled ? t.lineDisabled : t.line);
            if (s.checked) {
                c.Disc(6, 6, 3, s.disabled ? t.markDisabled : t.mark);
            }
        },
        false, scale);
}

TDib ProgressBar(const TTheme& t) {
    return Cells(2, 30, 14, [&](TCanvas& c, int i) {
        if (i == 1) {
            c.Fill(0, 0, 30, 14, t.well);
            c.Frame(0, 0, 30, 14, t.line);
        } else {
            c.VGradient(0, 0, 30, 14, t.highlight, t.highlight2);
            c.Frame(0, 0, 30, 14, Mix(t.highlight, 0xFFFFFF, 80));
            c.HLine(1, 1, 28, Mix(t.highlight, 0xFFFFFF, 140));
        }
    });
}

TDib GroupBoxEdge(const TTheme& t) {
    return Cells(2, 20, 20, [&](TCanvas& c, int i) {
        c.Fill(0, 0, 20, 20, KeyColour);
        c.RoundFrame(0, 0, 20, 20, 5, i == 1 ? t.line : t.lineHot);
    });
}

TDib GroupBoxLabel(const TTheme& t) {
    return Cells(1, 20, 18, [&](TCanvas& c, int) {
        c.Fill(0, 0, 20, 18, KeyColour);
        c.RoundFill(0, 0, 20, 18, 6, t.faceHot);
        c.RoundFrame(0, 0, 20, 18, 6, t.line);
    });
}

TDib Tabs(const TTheme& t) {
    // 1 normal, 2 selected, 3 hot, 4 disabled, 5 spare (as normal).
    return Cells(5, 30, 24, [&](TCanvas& c, int i) {
        const bool selected = i == 2;
        c.Fill(0, 0, 30, 24, KeyColour);
        const int top = selected ? 0 : 2;
        const Colour face = selected ? t.faceHot
                            : i == 3 ? Mix(t.face, t.faceHot, 128)
                            : i == 4 ? t.faceDisabled
                                     : t.face;
        c.RoundFill(0, top, 30, 24 - top + 4, 4, face);
        c.RoundFrame(0, top, 30, 24 - top + 4, 4, i == 4 ? t.lineDisabled : t.line);
        if (selected) {
            c.HLine(2, 0, 26, t.highlight);
            c.HLine(1, 1, 28, t.highlight);
        }
    });
}

TDib PageBorder(const TTheme& t) {
    return Cells(1, 20, 20, [&](TCanvas& c, int) {
        c.Fill(0, 0, 20, 20, t.face);
        c.Frame(0, 0, 20, 20, t.line);
        c.Frame(1, 1, 18, 18, Mix(t.face, t.line, 60));
    });
}

TDib StatusEdges(const TTheme& t) {
    // Bevel 1 sunken, 2 raised, 3 flat.
    return Cells(3, 20, 20, [&](TCanvas& c, int i) {
        c.Fill(0, 0, 20, 20, i == 1 ? t.well : t.face);
        if (i == 3) {
            return;
        }
        const Colour dark = t.shadow, bright = t.light;
        c.HLine(0, 0, 20, i == 1 ? dark : bright);
        c.VLine(0, 0, 20, i == 1 ? dark : bright);
        c.HLine(0, 19, 20, i == 1 ? bright : dark);
        c.VLine(19, 0, 20, i == 1 ? bright : dark);
    });
}

TDib ComboButton(const TTheme& t) {
    // 1 normal, 2 pressed, 3 disabled, 4 hot.
    return Cells(4, 17, 20, [&](TCanvas& c, int i) {
        const TLook look = LookOf(t, i);
        c.Fill(0, 0, 17, 20, look.face);
        c.VLine(0, 0, 20, look.line);
    });
}

TDib ComboArrows(const TTheme& t, int scale) {
    // Frames 1-4: the combo arrow by state; frame 5: the size grip.
    return Cells(
        5, 12, 12,
        [&](TCanvas& c, int i) {
            c.Fill(0, 0, 12, 12, KeyColour);
            if (i <= 4) {
                c.Arrow(6, 6, 3, 1, i == 3 ? t.markDisabled : i == 2 ? t.highlight : t.mark);
                return;
            }
            for (int row = 0; row < 3; ++row) { // dots on and below the diagonal
                for (int col = 0; col < 3; ++col) {
                    if (row + col >= 2) {
                        c.Fill(2 + 4 * col, 2 + 4 * row, 2, 2, t.mark);
                    }
                }
            }
        },
        false, scale);
}

TDib SunkenEdge(const TTheme& t) {
    // 1 normal, 2 pressed, 3 disabled, 4 hot or focused.
    return Cells(4, 20, 20, [&](TCanvas& c, int i) {
        const TLook look = LookOf(t, i);
        c.Fill(0, 0, 20, 20, i == 3 ? t.faceDisabled : t.well);
        c.Frame(0, 0, 20, 20, look.line);
        c.Frame(1, 1, 18, 18, Mix(t.well, look.line, 50));
    });
}

TDib HeaderBar(const TTheme& t) {
    return Cells(5, 40, 22, [&](TCanvas& c, int i) {
        const TLook look = LookOf(t, i);
        c.VGradient(0, 0, 40, 22, Mix(look.face, t.light, 60), look.face);
        c.HLine(0, 21, 40, look.line);
        c.VLine(39, 3, 16, Mix(look.face, look.line, 160));
    });
}

// The separator line's first row in the 20-row item cell.
constexpr int SeparatorLineRow = 15;

TDib MenuItems(const TTheme& t) {
    // 1 normal, 2 separator, 3 disabled, 4 selected, 5 spare.
    return Cells(5, 40, 20, [&](TCanvas& c, int i) {
        c.Fill(0, 0, 40, 20, t.menu);
        if (i == 2) {
            // A separator shows the bottom rows of its cell, as many as it is
            // tall (about half a menu row), so its line sits low in the cell.
            c.HLine(4, SeparatorLineRow, 32, t.lineDisabled);
            c.HLine(4, SeparatorLineRow + 1, 32, Mix(t.menu, t.line, 60));
            return;
        }
        if (i == 4) {
            // Nearly the highlight itself: the selected item's text is drawn on it.
            c.RoundFill(1, 1, 38, 18, 3, Mix(t.menu, t.highlight, 230));
            c.RoundFrame(1, 1, 38, 18, 3, t.highlight);
            c.VLine(1, 4, 12, t.lineHot);
        }
    });
}

TDib MenuTool(const TTheme& t) {
    return CaptionDecoration(t);
}

TDib MenuBackground(const TTheme& t) {
    return Cells(1, 40, 40, [&](TCanvas& c, int) {
        c.Fill(0, 0, 40, 40, t.menu);
        c.Frame(0, 0, 40, 40, t.line);
        c.Frame(1, 1, 38, 38, Mix(t.menu, t.line, 70));
        c.Frame(2, 2, 36, 36, t.menu);
        c.VLine(3, 3, 34, Mix(t.menu, t.highlight, 40)); // the glyph column's edge
    });
}

TDib ScrollArrows(const TTheme& t, int scale) {
    // Frames 1-4 left, 5-8 right, 9-12 up, 13-16 down (normal, pressed, hot,
    // disabled); 17-23 the corner box and spare cells.
    constexpr int DirectionOf[4] = {2, 3, 0, 1};
    return Cells(
        23, 16, 16,
        [&](TCanvas& c, int i) {
            if (i > 16) {
                c.Fill(0, 0, 16, 16, t.face);
                return;
            }
            const int state = (i - 1) % 4 + 1;
            const int look = state == 2 ? 2 : state == 3 ? 4 : state == 4 ? 3 : 1;
            Panel(t, c, look, 2);
            c.Arrow(8, 8, 3, DirectionOf[(i - 1) / 4], state == 4 ? t.markDisabled : t.mark);
        },
        false, scale);
}

TDib ScrollTrack(const TTheme& t, bool vertical) {
    const int w = vertical ? 16 : 32, h = vertical ? 32 : 16;
    return Cells(4, w, h, [&](TCanvas& c, int i) {
        c.Fill(0, 0, w, h, i == 4 ? t.faceDisabled : t.well);
        if (vertical) {
            c.VLine(0, 0, h, t.shadow);
            c.VLine(w - 1, 0, h, t.shadow);
            c.VLine(w / 2, 2, h - 4, Mix(t.well, t.line, 50));
        } else {
            c.HLine(0, 0, w, t.shadow);
            c.HLine(0, h - 1, w, t.shadow);
            c.HLine(2, h / 2, w - 4, Mix(t.well, t.line, 50));
        }
    });
}

TDib ScrollThumb(const TTheme& t, bool vertical, int scale) {
    // Three frames: normal, pressed, hot.
    const int w = vertical ? 16 : 30, h = vertical ? 30 : 16;
    return Cells(
        3, w, h,
        [&](TCanvas& c, int i) {
            Panel(t, c, i == 2 ? 2 : i == 3 ? 4 : 1, 4);
            const Colour grip = i == 1 ? t.line : t.lineHot;
            for (int k = -2; k <= 2; k += 2) {
                if (vertical) {
                    c.HLine(5, h / 2 + k, 6, grip);
                } else {
                    c.VLine(w / 2 + k, 5, 6, grip);
                }
            }
        },
        false, scale);
}

TDib TrackThumb(const TTheme& t, int direction) {
    const bool wide = direction == 2 || direction == 3 || direction == -2;
    const int w = wide ? 20 : 11, h = wide ? 11 : 20;
    return Cells(5, w, h, [&](TCanvas& c, int i) {
        const TLook look = LookOf(t, i);
        c.Fill(0, 0, w, h, KeyColour);
        c.RoundFill(0, 0, w, h, 2, look.face);
        c.RoundFrame(0, 0, w, h, 2, look.line);
        if (direction >= 0) { // a pointed end
            const int tip = 4;
            for (int k = 0; k < tip; ++k) {
                for (int j = 0; j < tip - k; ++j) {
                    // The two corners at the pointed end are cut off.
                    const int across[2] = {j, (wide ? h : w) - 1 - j};
                    for (const int a : across) {
                        if (direction == 0) {
                            c.Plot(a, k, KeyColour);
                        } else if (direction == 1) {
                            c.Plot(a, h - 1 - k, KeyColour);
                        } else if (direction == 2) {
                            c.Plot(k, a, KeyColour);
                        } else {
                            c.Plot(w - 1 - k, a, KeyColour);
                        }
                    }
                }
            }
        }
        if (wide) {
            c.HLine(3, h / 2, w - 6, look.line);
        } else {
            c.VLine(w / 2, 3, h - 6, look.line);
        }
    });
}

TDib TrackChannel(const TTheme& t, bool vertical) {
    const int w = vertical ? 6 : 40, h = vertical ? 40 : 6;
    return Cells(1, w, h, [&](TCanvas& c, int) {
        c.Fill(0, 0, w, h, t.well);
        c.Frame(0, 0, w, h, t.line);
    });
}

TDib Spinner(const TTheme& t, bool vertical) {
    // Frames 1-4 up (or left), 5-8 down (or right): normal, pressed,
    // disabled, hot.
    const int w = vertical ? 16 : 11, h = vertical ? 11 : 16;
    return Cells(8, w, h, [&](TCanvas& c, int i) {
        const int state = (i - 1) % 4 + 1;
        Panel(t, c, state == 4 ? 4 : state, 2);
    });
}

TDib SpinnerGlyphs(const TTheme& t, bool vertical, int scale) {
    const int w = vertical ? 8 : 5, h = vertical ? 5 : 8;
    return Cells(
        8, w, h,
        [&](TCanvas& c, int i) {
            c.Fill(0, 0, w, h, KeyColour);
            const int state = (i - 1) % 4 + 1;
            const int direction = vertical ? (i <= 4 ? 0 : 1) : (i <= 4 ? 2 : 3);
            const Colour ink = state == 3 ? t.markDisabled : state == 2 ? t.highlight : t.mark;
            c.Arrow(w / 2, h / 2, 2, direction, ink);
        },
        false, scale);
}

TDib Rebar(const TTheme& t) {
    return Cells(1, 30, 26, [&](TCanvas& c, int) {
        c.VGradient(0, 0, 30, 26, Mix(t.face, t.light, 90), t.face);
        c.HLine(0, 25, 30, t.shadow);
    });
}

TDib ToolButtons(const TTheme& t) {
    return Cells(5, 23, 22, [&](TCanvas& c, int i) {
        if (i == 1) { // flat until touched
            c.Fill(0, 0, 23, 22, KeyColour);
            return;
        }
        Panel(t, c, i, 3);
    });
}

TDib DialogBackground(const TTheme& t) {
    return Cells(1, 32, 32, [&](TCanvas& c, int) {
        c.Fill(0, 0, 32, 32, t.face);
        for (int k = 0; k < 32; k += 8) { // a faint grid
            c.HLine(0, k, 32, Mix(t.face, t.line, 18));
            c.VLine(k, 0, 32, Mix(t.face, t.line, 18));
        }
    });
}

} // namespace skingen
