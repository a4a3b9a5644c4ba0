// The elements a skin may leave out: each is absent unless the skin gives its
// image. Shared by the loader tests and the tests of the generated skins.
#pragma once

#include "skin/WinSkinData/SkinModel.h"

#include <vector>

namespace skintest {

inline std::vector<const skin::TDataSkinObject*> OptionalElements(const skin::TSkinModel& m) {
    return {m.Tabs.get(),
            m.Progress.get(),
            m.UpDownHorz.get(),
            m.UpDownVert.get(),
            m.SunkEdge.get(),
            m.ExtraImages.get(),
            m.ComboButton.get(),
            m.GroupBoxEdge.get(),
            m.Toolbars.get(),
            m.GroupBox.get(),
            m.StatusBarEdges.get(),
            m.Headerbar.get(),
            m.MenuBar.get(),
            m.MenuItem.get(),
            m.MenuBackground.get(),
            m.Scrollbar.get(),
            m.HorzScroll.get(),
            m.VertScroll.get(),
            m.HorzScrollThumb.get(),
            m.VertScrollThumb.get(),
            m.TrackbarThumbHorz.get(),
            m.TrackbarThumbVert.get(),
            m.TrackbarThumbLeft.get(),
            m.TrackbarThumbRight.get(),
            m.TrackbarThumbUp.get(),
            m.TrackbarThumbDown.get()};
}

} // namespace skintest
