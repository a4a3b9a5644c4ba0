// skinview --states: a sheet of every button kind and range control the
// engine skins, one row per kind and one column per state (normal, hot,
// pressed, focused, default or checked, disabled), each a real control whose
// skinner is put into that state, so a skin author sees every cell of the
// button strip at once. The range controls' values grow from column to
// column: the progress bar runs from empty to full, the thumbs move along.
#pragma once

#include "toolkit/Form.h"

namespace skinview {

class TStatesSheet : public tk::Form {
    TK_CLASS(TStatesSheet)

public:
    explicit TStatesSheet(tk::Component* owner);
    // Puts every control's skinner into its column's state and repaints;
    // call once the window is shown and skinned.
    void ShowStates();

private:
    template <class T> T& AddControl(int row, int column);
};

} // namespace skinview
