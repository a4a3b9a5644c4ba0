// The fixture of the journeys through skinview's showcase window: skinview
// started in its built-in skin, its window found once it wears the skin.
#pragma once

#include "tests/e2e/Journey.h"
#include "tests/e2e/SkinviewScreen.h"

namespace e2e::skinview {

class SkinviewShowcase : public Journey {
protected:
    SkinviewScreen Start(const std::vector<std::string>& args = {}) {
        Launch(Program, args, Title);
        // The window comes up in the system's frame and takes the skin's
        // when it is first activated.
        Settle();
        return SkinviewScreen(WaitForWindow(Title));
    }
};

} // namespace e2e::skinview
