// TSkinBox: containers (panels, tool bars, embedded forms) take the skin's
// face colour while they are skinned and get their own colour back after.
// The skinner never sees a message: the container paints itself in the
// colour it was given.
#pragma once

#include "skin/WinSubClass/SkinControl.h"

namespace skin {

class TSkinBox : public TSkinControl {
    TK_CLASS(TSkinBox)

public:
    explicit TSkinBox(tk::Component* owner);
    // Registers with the frame and, with `useSkinColor`, gives the owner the
    // skin's face colour; installs no message handler.
    void Attach(TWinSkinForm& frame, TSkinData& skin, bool useSkinColor,
                tk::Canvas& canvas) override;
};

} // namespace skin
