// Journeys through the gallery as a person takes them: real clicks and keys
// on a private display, checked by what the screen shows.
#include "tests/e2e/GalleryScreen.h"

#include <thread>

namespace e2e::gallery {
namespace {

class GalleryJourney : public Journey {
protected:
    GalleryScreen Start() {
        Launch(Program, {}, Title);
        // The window comes up in the system's frame and takes the skin's
        // when it is first activated.
        Settle();
        return GalleryScreen(WaitForWindow(Title));
    }
};

TEST_F(GalleryJourney, StartsAndClosesByAltF4) {
    const GalleryScreen gallery = Start();
    const Picture first = StepWhen("started", "the industry tree's first row",
                                   [&](const Picture& s) { return TreeShowsText(s, gallery); });
    Screen().Click(gallery.Background().Centre());
    Step("clicked-background");
    Screen().Key("alt+F4");
    EXPECT_EQ(WaitForExit(), 0);
}

TEST_F(GalleryJourney, TreesDrawnAfterTabSwitch) {
    const GalleryScreen gallery = Start();
    const auto treeDrawn = [&](const Picture& s) { return TreeShowsText(s, gallery); };
    StepWhen("started", "the industry tree", treeDrawn);
    Screen().Click(gallery.TabHeader(Tab::Color));
    StepWhen("colour-tab", "the colour tree", treeDrawn);
    Screen().Click(gallery.TabHeader(Tab::Trade));
    StepWhen("industry-tab-again", "the industry tree", treeDrawn);
}

TEST_F(GalleryJourney, OpenReachesTheBrowser) {
    const GalleryScreen gallery = Start();
    Step("started");
    Screen().Click(gallery.TreeButton(0));
    Step("expanded");
    Screen().Click(gallery.TreeText(1));
    StepWhen("selected", "ten slots",
             [&](const Picture& s) { return SlotsShown(s, gallery) == 10; });
    Screen().Glide(gallery.OpenButton(0).Centre());
    Step("on-open");
    Screen().Click(gallery.OpenButton(0).Centre());
    Step("clicked-open");
    std::this_thread::sleep_for(3s);
    EXPECT_EQ(Wine().BrowserAddresses().size(), 1u);
}

} // namespace
} // namespace e2e::gallery
