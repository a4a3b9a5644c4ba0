#include "toolkit/SpeedButton.h"

#include "toolkit/Action.h"
#include "toolkit/FocusCue.h"
#include "toolkit/ImageList.h"
#include "toolkit/Notifications.h"
#include "toolkit/WinControl.h"

namespace tk {
namespace {
// How far the face moves while the button is down.
constexpr int SunkOffset = 1;
// The focus cue lies this far inside the button's edge.
constexpr int FocusCueInset = 3;
} // namespace

const ClassInfo& SpeedButton::StaticClass() {
    static const ClassInfo info =
        ClassInfo::Make<SpeedButton>("TSpeedButton", &GraphicControl::StaticClass(), [](auto& p) {
            p.String("Caption", &SpeedButton::Caption, &SpeedButton::SetCaption);
            PublishGlyphProperties(p);
            p.Boolean("Down", &SpeedButton::Down, &SpeedButton::SetDown);
            p.Integer("GroupIndex", &SpeedButton::GroupIndex, &SpeedButton::SetGroupIndex);
            p.Boolean("AllowAllUp", &SpeedButton::AllowAllUp, &SpeedButton::SetAllowAllUp);
            p.Boolean("Flat", &SpeedButton::Flat, &SpeedButton::SetFlat);
            p.Boolean("TabStop", &SpeedButton::TabStop, &SpeedButton::SetTabStop);
        });
    return info;
}

SpeedButton::SpeedButton(Component* owner)
    : GraphicControl(owner), GlyphProperties([this] { Invalidate(); }) {
    SetBounds(0, 0, 23, 22);
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
    if (down_ && InGroup() && Parent()) {
        for (Control* sibling : Parent()->Controls()) {
            auto* other = dynamic_cast<SpeedButton*>(sibling);
            if (other && other != this && other->groupIndex_ == groupIndex_) {
                other->SetDown(false);
            }
        }
    }
    Invalidate();
    Perform(NotifyCheckedChanged);
}

void SpeedButton::SetTabStop(bool tabStop) {
    tabStop_ = tabStop;
    if (!tabStop_) {
        ReleaseFocus();
    }
}

void SpeedButton::ChangeScale(int to, int from) {
    GraphicControl::ChangeScale(to, from);
    ScaleGlyph(to, from);
}

void SpeedButton::Click() {
    if (InGroup()) {
        SetDown(!down_ || !allowAllUp_);
    }
    GraphicControl::Click();
}

void SpeedButton::ActionChanged() {
    GraphicControl::ActionChanged();
    tk::Action* action = GetAction();
    if (action && Glyph().Empty() && action->Images()) {
        TakeGlyphFrom(*action->Images(), action->ImageIndex());
    }
}

void SpeedButton::WndProc(Message& m) {
    switch (m.msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        SetPressed(true);
        break;
    case WM_LBUTTONUP:
        SetPressed(false);
        break;
    case NotifyMouseEnter:
        SetHot(true);
        break;
    case NotifyMouseLeave:
        SetHot(false);
        break;
    case WM_KEYDOWN:
    case WM_KEYUP:
        if (m.wParam == VK_SPACE) {
            SpaceKey(m.msg == WM_KEYDOWN);
        }
        break;
    case WM_SETFOCUS:
        Invalidate();
        break;
    case WM_KILLFOCUS:
        // A press of Space the focus left before its release clicks nothing.
        SetKeyPressed(false);
        Invalidate();
        break;
    default:
        break;
    }
    GraphicControl::WndProc(m);
}

void SpeedButton::SetHot(bool hot) {
    hot_ = hot;
    Invalidate();
}

void SpeedButton::SetPressed(bool pressed) {
    pressed_ = pressed;
    Invalidate();
}

// Space presses the button and its release clicks it, as on a push button.
void SpeedButton::SpaceKey(bool down) {
    if (down) {
        SetKeyPressed(true);
    } else if (keyPressed_) {
        SetKeyPressed(false);
        Click();
    }
}

void SpeedButton::SetKeyPressed(bool pressed) {
    if (pressed != keyPressed_) {
        keyPressed_ = pressed;
        Invalidate();
    }
}

void SpeedButton::Paint() {
    tk::Canvas& canvas = Canvas();
    HDC dc = canvas.Handle();
    RECT client = ClientRect();
    bool sunk = down_ || (pressed_ && hot_) || keyPressed_;
    canvas.Brush().SetColor(GetColor());
    canvas.FillRect(client);
    if (!flat_) {
        DrawFrameControl(dc, &client, DFC_BUTTON, DFCS_BUTTONPUSH | (sunk ? DFCS_PUSHED : 0));
    } else if (sunk || (hot_ && Enabled())) {
        RECT edge = client;
        DrawEdge(dc, &edge, sunk ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT);
    }
    GlyphState state = !Enabled() ? GlyphState::Disabled : sunk ? GlyphState::Down : GlyphState::Up;
    DrawButtonFace(canvas, client, Face(Caption()), state, sunk ? SunkOffset : 0);
    if (Focused() && FocusCuesShown(Parent()->Handle())) {
        RECT cue = client;
        InflateRect(&cue, -FocusCueInset, -FocusCueInset);
        DrawFocusRect(dc, &cue);
    }
}

} // namespace tk
