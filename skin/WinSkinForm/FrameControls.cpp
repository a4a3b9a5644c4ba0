// The frame's list of control skinners.
#include "skin/WinSkinForm/WinSkinForm.h"

#include "skin/WinSubClass/SkinControl.h"

#include <algorithm>

namespace skin {

bool TWinSkinForm::RegisterControl(TSkinControl& skinner) {
    if (std::find(FControls.begin(), FControls.end(), &skinner) != FControls.end()) {
        return true;
    }
    FControls.push_back(&skinner);
    return false;
}

void TWinSkinForm::UnregisterControl(TSkinControl& skinner) {
    const auto last = std::find(FControls.rbegin(), FControls.rend(), &skinner);
    if (last != FControls.rend()) {
        FControls.erase(std::next(last).base());
    }
    if (FHotControl == &skinner) {
        FHotControl = nullptr;
    }
}

TSkinControl* TWinSkinForm::FindControlByWindow(HWND window) const {
    const auto found = std::find_if(FControls.begin(), FControls.end(),
                                    [window](TSkinControl* s) { return s->FHandle == window; });
    return found == FControls.end() ? nullptr : *found;
}

void TWinSkinForm::PurgeDeadControls() {
    for (size_t i = FControls.size(); i-- > 0;) {
        if (i < FControls.size() && FControls[i]->FState == TSkinnerState::WindowDestroyed) {
            TSkinControl* dead = FControls[i];
            FControls.erase(FControls.begin() + std::ptrdiff_t(i));
            delete dead;
        }
    }
}

void TWinSkinForm::FreeControls() {
    FHotControl = nullptr;
    // Taken out of the list one by one: a skinner's destruction may reach
    // the list (it unregisters itself), and a control's colour change may
    // repaint through other skinners still listed.
    while (!FControls.empty()) {
        TSkinControl* skinner = FControls.front();
        if (skinner->FState != TSkinnerState::WindowDestroyed) {
            skinner->RestoreColor();
        }
        FControls.erase(FControls.begin());
        delete skinner;
    }
}

} // namespace skin
