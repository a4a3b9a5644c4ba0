// A window-less button with a glyph: it can stay down, and the buttons of a
// group (same GroupIndex, same parent) are down one at a time. With TabStop
// the Tab key reaches it (through its parent's window, GraphicControl): it
// then shows a focus cue, and Space (on release) or Enter clicks it.
#pragma once

#include "toolkit/ButtonFace.h"
#include "toolkit/Control.h"

namespace tk {

class SpeedButton : public GraphicControl, public GlyphProperties {
    TK_CLASS(SpeedButton)

public:
    explicit SpeedButton(Component* owner);
    bool Down() const { return down_; }
    void SetDown(bool down);
    // 0: not in a group.
    int GroupIndex() const { return groupIndex_; }
    void SetGroupIndex(int index) { groupIndex_ = index; }
    bool AllowAllUp() const { return allowAllUp_; }
    void SetAllowAllUp(bool allow) { allowAllUp_ = allow; }
    bool Flat() const { return flat_; }
    void SetFlat(bool flat);
    bool TabStop() const override { return tabStop_; }
    void SetTabStop(bool tabStop);
    // The pointer is over it / the left button is held on it.
    bool Hot() const { return hot_; }
    bool Pressed() const { return pressed_; }
    // Space is held on it.
    bool KeyPressed() const { return keyPressed_; }

    void Click() override;
    void ActionChanged() override;
    void ChangeScale(int to, int from) override;

protected:
    void Paint() override;
    void WndProc(Message& message) override;

private:
    bool InGroup() const { return groupIndex_ != NoGroup; }
    void SetHot(bool hot);
    void SetPressed(bool pressed);
    void SpaceKey(bool down);
    void SetKeyPressed(bool pressed);

    static constexpr int NoGroup = 0;
    bool down_ = false;
    int groupIndex_ = NoGroup;
    bool allowAllUp_ = false;
    bool flat_ = false;
    bool hot_ = false;
    bool pressed_ = false;
    bool tabStop_ = false;
    bool keyPressed_ = false;
};

} // namespace tk
