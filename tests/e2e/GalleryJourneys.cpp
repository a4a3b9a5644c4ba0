// Journeys through the gallery as a person takes them: real clicks and keys
// on a private display, checked by what the screen shows.
#include "tests/e2e/GalleryScreen.h"
#include "tests/e2e/SampleCatalogue.h"

#include <functional>
#include <thread>

namespace e2e::gallery {
namespace {

// A few times the system's double-click time: a second click this much
// later is a click of its own (the slow click that edits a label).
constexpr auto SlowClickGap = 900ms;
// How long the browser may take to be handed an address.
constexpr auto BrowserLimit = 10s;

class GalleryJourney : public Journey {
protected:
    GalleryScreen Start() { return GalleryScreen(Launch(Program, {}, Title)); }

    // The main window where it is now (after a move).
    GalleryScreen Where() { return GalleryScreen(WaitForWindow(Title)); }

    // Waits until `holds` is true, failing the test naming `what` if it is
    // not within a few seconds.
    void WaitUntil(const std::string& what, const std::function<bool()>& holds) {
        const auto end = std::chrono::steady_clock::now() + 10s;
        while (!holds() && std::chrono::steady_clock::now() < end) {
            std::this_thread::sleep_for(50ms);
        }
        EXPECT_TRUE(holds()) << what;
    }

    // The addresses handed to the browser, once there are `count` of them.
    std::vector<std::string> WaitForAddresses(size_t count) {
        const auto end = std::chrono::steady_clock::now() + BrowserLimit;
        std::vector<std::string> addresses = Wine().BrowserAddresses();
        while (addresses.size() < count && std::chrono::steady_clock::now() < end) {
            std::this_thread::sleep_for(50ms);
            addresses = Wine().BrowserAddresses();
        }
        EXPECT_EQ(addresses.size(), count) << "addresses handed to the browser";
        return addresses;
    }

    // Selects a leaf of the tree in front and waits for its page.
    void SelectLeaf(const GalleryScreen& gallery, const Category& category, int row, int slots,
                    bool rightArrow) {
        Screen().Click(gallery.TreeText(row, 1));
        StepWhen(std::string("selected-") + std::to_string(category.templates), "its first page",
                 [&](const Picture& s) { return PageShows(s, gallery, slots, false, rightArrow); });
    }

    // Clicks an arrow and waits for the page it leads to.
    Picture Turn(const GalleryScreen& gallery, bool forward, const std::string& name, int slots,
                 bool leftArrow, bool rightArrow) {
        Screen().Click((forward ? gallery.RightArrow() : gallery.LeftArrow()).Centre());
        return StepWhen(name, "the page after the arrow", [&](const Picture& s) {
            return PageShows(s, gallery, slots, leftArrow, rightArrow);
        });
    }

    // Switches the tab in front: it shows its tree, and its slots, arrows
    // and label as when last seen (`before`: the screen then).
    void SwitchTab(const GalleryScreen& gallery, Tab tab, const std::string& name,
                   const Picture& before) {
        Screen().Click(gallery.TabHeader(tab));
        StepWhen(name, "the tab's tree, slots and label as before", [&](const Picture& s) {
            return TreeShowsText(s, gallery) && CountChanged(s, before, gallery.Background()) == 0;
        });
    }
};

// The skin's own frame on the window, whole: its title bar shows the
// caption where the frame puts it, with no stray pixels over its left end.
bool FrameDrawnAt(const Picture& screen, const Picture& reference, Box was, Box now) {
    return was.width == now.width && was.height == now.height &&
           screen.Cut(now).pixels == reference.Cut(was).pixels;
}

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
    const std::vector<std::string> addresses = WaitForAddresses(1);
    ASSERT_EQ(addresses.size(), 1u);
    EXPECT_EQ(addresses[0], SampleCatalogue().Industry(ManyTemplates.name)[0].previewUrl);
}

// Every kind of category on both tabs: none, one, a full page, one more than
// a page and several pages, paged to the last short page and back; the tabs
// switched back and forth keep their trees, slots and labels. Ends by the
// Exit button.
TEST_F(GalleryJourney, BrowsesCategoriesAndPagesOnBothTabs) {
    const SampleCatalogue catalogue;
    for (const Category& c : {TradeNone, TradeOne, TenTemplates, ElevenTemplates, ManyTemplates}) {
        EXPECT_EQ(int(catalogue.Industry(c.name).size()), c.templates) << c.name;
    }
    for (const Category& c : {NoTemplates, OneTemplate, ColourTen, ColourEleven, ColourMany}) {
        EXPECT_EQ(int(catalogue.Colour(c.name).size()), c.templates) << c.name;
    }
    const GalleryScreen gallery = Start();
    StepWhen("started", "the industry tree", [&](const Picture& s) {
        return TreeShowsText(s, gallery) && SlotsShown(s, gallery) == 0 &&
               !LabelShowsText(s, gallery);
    });

    // Industry: 35 templates are four pages, the last of five.
    Screen().Click(gallery.TreeButton(ManyTemplates.header));
    Step("industry-expanded");
    SelectLeaf(gallery, ManyTemplates, ManyTemplates.leaf, 10, true);
    const Picture firstPage = Settle();
    Turn(gallery, true, "page-2", 10, true, true);
    EXPECT_GT(CountChanged(Settle(), firstPage, gallery.PageLabel()), 0) << "the label turned";
    Turn(gallery, true, "page-3", 10, true, true);
    Turn(gallery, true, "page-4", 5, true, false);
    Turn(gallery, false, "back-3", 10, true, true);
    Turn(gallery, false, "back-2", 10, true, true);
    const Picture backFirst = Turn(gallery, false, "back-1", 10, false, true);
    EXPECT_EQ(CountChanged(backFirst, firstPage, gallery.Background()), 0)
        << "the first page as first shown";

    SelectLeaf(gallery, ElevenTemplates, ElevenTemplates.leaf, 10, true);
    Turn(gallery, true, "eleven-page-2", 1, true, false);
    SelectLeaf(gallery, TenTemplates, TenTemplates.leaf, 10, false);
    SelectLeaf(gallery, TradeOne, TradeOne.leaf, 1, false);
    // The header collapsed takes the selection: the page stays.
    Screen().Click(gallery.TreeButton(ManyTemplates.header));
    StepWhen("industry-collapsed", "the page as it was",
             [&](const Picture& s) { return PageShows(s, gallery, 1, false, false); });
    Screen().Click(gallery.TreeButton(TradeNone.header));
    Step("second-header-expanded");
    SelectLeaf(gallery, TradeNone, TradeNone.leaf, 0, false);
    const Picture industry = Settle();

    // Colour: nothing shown yet on its page.
    Screen().Click(gallery.TabHeader(Tab::Color));
    StepWhen("colour-tab", "the colour tree and an empty page", [&](const Picture& s) {
        return TreeShowsText(s, gallery) && SlotsShown(s, gallery) == 0 &&
               !LabelShowsText(s, gallery) && !ArrowShown(s, gallery.RightArrow());
    });
    Screen().Click(gallery.TreeButton(NoTemplates.header));
    Step("black-expanded");
    SelectLeaf(gallery, NoTemplates, NoTemplates.leaf, 0, false);
    SelectLeaf(gallery, OneTemplate, OneTemplate.leaf, 1, false);
    // The blue header above pushes the black leaves down.
    Screen().Click(gallery.TreeButton(ColourMany.header));
    Step("blue-expanded");
    SelectLeaf(gallery, ColourMany, ColourMany.leaf, 10, true);
    SelectLeaf(gallery, ColourTen, ColourTen.leaf, 10, false);
    SelectLeaf(gallery, ColourEleven, ColourEleven.leaf, 10, true);
    Turn(gallery, true, "colour-eleven-page-2", 1, true, false);
    const Picture colour = Settle();

    // The trees keep their selection, drawn as the focus has it; the rest
    // of each sheet is as it was.
    SwitchTab(gallery, Tab::Trade, "back-to-industry", industry);
    SwitchTab(gallery, Tab::Color, "back-to-colour", colour);
    SwitchTab(gallery, Tab::Trade, "industry-again", industry);
    SwitchTab(gallery, Tab::Trade, "industry-clicked-again", industry);
    SwitchTab(gallery, Tab::Color, "colour-again", colour);

    Screen().Click(gallery.ExitButton().Centre());
    EXPECT_EQ(WaitForExit(), 0);
}

// Open and Book light up under the pointer and go back only over their own
// tab's background; clicks on them and on a thumbnail hand the template's
// preview or order page to the browser, on both tabs. Ends by the Exit
// button.
TEST_F(GalleryJourney, ButtonsLightAndOpenTheBrowser) {
    const SampleCatalogue catalogue;
    const GalleryScreen gallery = Start();
    StepWhen("started", "the industry tree",
             [&](const Picture& s) { return TreeShowsText(s, gallery); });
    Screen().Click(gallery.TreeButton(ManyTemplates.header));
    Step("expanded");
    SelectLeaf(gallery, ManyTemplates, ManyTemplates.leaf, 10, true);
    Screen().MoveTo(gallery.BackgroundSpot());
    const Picture unlit = Settle();
    const Box open = gallery.OpenButton(0), book = gallery.BookButton(0);
    const auto lit = [&](const Picture& s, Box button) {
        return CountChanged(s, unlit, button) > button.width * button.height / 10;
    };
    const auto plain = [&](const Picture& s, Box button) {
        return CountChanged(s, unlit, button) == 0;
    };

    Screen().Glide(open.Centre());
    StepWhen("open-lit", "Open lit", [&](const Picture& s) { return lit(s, open); });
    // Straight onto Book, not over the gap: both lit.
    Screen().MoveTo(book.Centre());
    StepWhen("book-lit", "Open and Book lit",
             [&](const Picture& s) { return lit(s, open) && lit(s, book); });
    Screen().MoveTo(gallery.FrameEdge(0));
    StepWhen("over-the-frame", "both still lit",
             [&](const Picture& s) { return lit(s, open) && lit(s, book); });
    Screen().MoveTo(gallery.OpenBookGap(0));
    StepWhen("over-the-gap", "both plain again",
             [&](const Picture& s) { return plain(s, open) && plain(s, book); });
    Screen().Glide(open.Centre());
    StepWhen("open-lit-again", "Open lit", [&](const Picture& s) { return lit(s, open); });
    Screen().Glide(gallery.BackgroundSpot());
    StepWhen("over-the-background", "Open plain", [&](const Picture& s) { return plain(s, open); });

    // The colour tab's background leaves the industry tab's highlight on.
    Screen().Glide(book.Centre());
    StepWhen("book-lit-again", "Book lit", [&](const Picture& s) { return lit(s, book); });
    Screen().Click(gallery.TabHeader(Tab::Color));
    StepWhen("colour-tab", "the colour tree",
             [&](const Picture& s) { return TreeShowsText(s, gallery); });
    Screen().Glide(gallery.BackgroundSpot());
    Step("over-colour-background");
    Screen().Click(gallery.TabHeader(Tab::Trade));
    StepWhen("industry-tab", "Book still lit", [&](const Picture& s) { return lit(s, book); });
    Screen().Glide(gallery.BackgroundSpot());
    StepWhen("reset-on-industry", "Book plain", [&](const Picture& s) { return plain(s, book); });

    // Industry, page 2, slot 7: Open, Book and the thumbnail.
    Turn(gallery, true, "industry-page-2", 10, true, true);
    const TemplateRow industryRow = catalogue.Industry(ManyTemplates.name)[17];
    Screen().Click(gallery.OpenButton(7).Centre());
    EXPECT_EQ(WaitForAddresses(1).back(), industryRow.previewUrl);
    Screen().Click(gallery.BookButton(7).Centre());
    EXPECT_EQ(WaitForAddresses(2).back(), OrderPageAddress(industryRow));
    Screen().Click(gallery.Thumbnail(7).Centre());
    EXPECT_EQ(WaitForAddresses(3).back(), industryRow.previewUrl);
    Step("industry-launched");

    // Colour, slot 3 of the first page.
    Screen().Click(gallery.TabHeader(Tab::Color));
    Screen().Click(gallery.TreeButton(ColourMany.header));
    Step("colour-expanded");
    SelectLeaf(gallery, ColourMany, ColourMany.leaf, 10, true);
    const TemplateRow colourRow = catalogue.Colour(ColourMany.name)[3];
    Screen().Click(gallery.Thumbnail(3).Centre());
    EXPECT_EQ(WaitForAddresses(4).back(), colourRow.previewUrl);
    Screen().Click(gallery.BookButton(3).Centre());
    EXPECT_EQ(WaitForAddresses(5).back(), OrderPageAddress(colourRow));
    Screen().Click(gallery.OpenButton(3).Centre());
    EXPECT_EQ(WaitForAddresses(6).back(), colourRow.previewUrl);
    Step("colour-launched");

    // Keys no longer reach the window once the browser has started (under
    // Wine with no window manager): the Exit button ends it.
    Screen().Click(gallery.ExitButton().Centre());
    EXPECT_EQ(WaitForExit(), 0);
}

// A colour's label edited to hold an apostrophe makes its query fail: the
// error box shows its whole title clear of its close button, Enter closes
// it, and the gallery goes on. Ends by the title bar's close button.
TEST_F(GalleryJourney, AnApostropheInAColourIsReportedInABoxThatFitsItsTitle) {
    const GalleryScreen gallery = Start();
    const Picture started = StepWhen("started", "the industry tree",
                                     [&](const Picture& s) { return TreeShowsText(s, gallery); });
    // The caption as the main window shows it, with room to spare.
    const Box mainTitle{gallery.Window().left, gallery.Window().top, gallery.Window().width,
                        Scaled(TitleHeight)};
    const Columns whole = TitleTextColumns(
        started, mainTitle, mainTitle.left + Scaled(CaptionStart), mainTitle.Right() - 100);
    ASSERT_GT(whole.Width(), 100);

    Screen().Click(gallery.TabHeader(Tab::Color));
    Screen().Click(gallery.TreeButton(ColourMany.header));
    Step("colour-expanded");
    SelectLeaf(gallery, ColourMany, ColourMany.leaf, 10, true);
    const Picture selected = Settle();
    // A second, slow click on the selected label edits it: an edit box over
    // the label, which shows it no longer highlighted.
    std::this_thread::sleep_for(SlowClickGap);
    Screen().Click(gallery.TreeText(ColourMany.leaf, 1));
    const Box row = gallery.TreeRow(ColourMany.leaf);
    const Box label{row.left + 80, row.top, 60, row.height};
    StepWhen("editing", "the label's edit box", [&](const Picture& s) {
        return CountChanged(s, selected, label) > label.width * label.height / 4;
    });
    Screen().Key("End");
    Screen().Type("'");
    Screen().Key("Return");
    Step("edited");
    SelectLeaf(gallery, ColourNext, ColourNext.leaf, 10, true);
    Screen().Click(gallery.TreeText(ColourMany.leaf, 1));

    // The box: the same title as the main window's, waited for until its
    // caption is painted (a box just mapped may not have drawn it yet).
    ScreenWindow box;
    const auto captionOf = [&](const Picture& s) {
        const Box title{box.box.left, box.box.top, box.box.width, Scaled(TitleHeight)};
        return TitleTextColumns(s, title, title.left + Scaled(CaptionStart),
                                CloseButtonLeft(box.box));
    };
    const Picture shown =
        StepWhen("error-box", "the error box with its whole caption", [&](const Picture& s) {
            box = {};
            for (const ScreenWindow& w : Screen().Windows()) {
                if (w.title.find(Title) != std::string::npos &&
                    w.box.width < gallery.Window().width / 2) {
                    box = w;
                }
            }
            return box.box.width > 0 && captionOf(s).Width() + 1 >= whole.Width();
        });
    ASSERT_GT(box.box.width, 0);
    const Box boxTitle{box.box.left, box.box.top, box.box.width, Scaled(TitleHeight)};
    const int closeLeft = CloseButtonLeft(box.box);
    const Columns text = captionOf(shown);
    EXPECT_NEAR(text.Width(), whole.Width(), 1) << "the whole caption shows";
    const Columns decoration = DecorationColumns(shown, boxTitle);
    EXPECT_GT(decoration.first, text.last) << "the decoration follows the caption";
    EXPECT_LT(decoration.last + 2, closeLeft) << "and ends before the close button";
    // Widened, the box keeps its middle where the system put it: over the
    // middle of the main window.
    EXPECT_NEAR(box.box.left + box.box.width / 2, gallery.Window().Centre().x, 4)
        << "the box is centred over the window";

    Screen().Key("Return");
    StepWhen("box-closed", "the main window alone", [&](const Picture&) {
        const std::vector<ScreenWindow> windows = Screen().Windows();
        return windows.size() == 1 && windows[0].title.find(Title) != std::string::npos;
    });
    // The failed query hid the arrows and left the slots.
    Screen().Click(gallery.TreeText(ColourTen.leaf, 1));
    StepWhen("goes-on", "the next colour's page",
             [&](const Picture& s) { return PageShows(s, gallery, 10, false, false); });

    Screen().Click(gallery.CloseButton());
    EXPECT_EQ(WaitForExit(), 0);
}

// The window by its system menu (from the icon and by Alt+Space), moved by
// the keyboard and by its title bar, minimised and restored without a
// taskbar: the minimised window is a small title at the screen's bottom
// left whose system menu (Alt+Space, or a click on it) restores it. Ends by
// Close in the system menu.
TEST_F(GalleryJourney, MovesMinimisesAndRestoresTheWindow) {
    const GalleryScreen gallery = Start();
    const Picture started = StepWhen("started", "the industry tree",
                                     [&](const Picture& s) { return TreeShowsText(s, gallery); });
    const Box window = gallery.Window();
    // Left of the window's icon, above where the system menu opens: where
    // the system drew an icon of its own.
    const Box titleLeft{window.left + 1, window.top + 2, 11, 15};
    // A place for the pointer away from every window, the minimised one too.
    const Point park{Screen().Width() - 1, Screen().Height() - 1};

    Screen().Click(gallery.SystemMenuIcon());
    StepWhen("icon-menu", "the system menu below the icon", [&](const Picture& s) {
        return CountChanged(s, started, gallery.ClientBox(0, 0, 100, 40)) > 1000;
    });
    Screen().Key("Escape");
    StepWhen("icon-menu-closed", "the window as it was",
             [&](const Picture& s) { return CountChanged(s, started, window) == 0; });

    Screen().Key("alt+space");
    StepWhen("alt-space", "the system menu, the title bar's left end as it was",
             [&](const Picture& s) {
                 return CountChanged(s, started, gallery.ClientBox(0, 0, 100, 40)) > 1000 &&
                        CountChanged(s, started, titleLeft) == 0;
             });
    // Move: each arrow moves the window a step once the system's move
    // loop has it; Enter ends the move.
    Screen().Key("m");
    struct Arrow {
        const char* key;
        int dx;
        int dy;
    };
    for (const Arrow arrow : {Arrow{"Right", 1, 0}, Arrow{"Right", 1, 0}, Arrow{"Down", 0, 1}}) {
        const Box before = Where().Window();
        Screen().Key(arrow.key);
        WaitUntil(std::string("the window moved by ") + arrow.key, [&] {
            const Box now = Where().Window();
            return (now.left - before.left) * arrow.dx > 0 || (now.top - before.top) * arrow.dy > 0;
        });
    }
    Screen().Key("Return");
    StepWhen("moved-by-keys", "the window moved right and down, drawn whole",
             [&](const Picture& s) {
                 const Box now = Where().Window();
                 return now.left > window.left && now.top > window.top &&
                        FrameDrawnAt(s, started, window, now);
             });

    const GalleryScreen keyed = Where();
    const Point grip{keyed.Window().left + 400, keyed.Window().top + 15};
    Screen().Drag(grip, {grip.x - 150, grip.y + 60});
    StepWhen("dragged", "the window moved by the drag, drawn whole", [&](const Picture& s) {
        const Box now = Where().Window();
        return now.left == keyed.Window().left - 150 && now.top == keyed.Window().top + 60 &&
               FrameDrawnAt(s, started, window, now);
    });
    const GalleryScreen dragged = Where();

    Screen().Click(dragged.MinimiseButton());
    Screen().MoveTo(park);
    StepWhen("minimised", "the window as a small title", [&](const Picture&) {
        return Where().Window().height < Scaled(TitleHeight) &&
               Where().Window().width < Scaled(300);
    });
    Screen().Key("alt+space");
    Step("minimised-menu");
    Screen().Key("r");
    StepWhen("restored", "the window where it was, drawn whole", [&](const Picture& s) {
        return FrameDrawnAt(s, started, window, Where().Window()) &&
               Where().Window().left == dragged.Window().left;
    });

    Screen().Key("alt+space");
    Step("menu-to-minimise");
    Screen().Key("n");
    Screen().MoveTo(park);
    StepWhen("minimised-again", "the small title",
             [&](const Picture&) { return Where().Window().height < Scaled(TitleHeight); });
    const Box small = Where().Window();
    Screen().Click({small.left + 40, small.top + small.height / 2});
    Step("small-title-clicked");
    Screen().Key("r");
    StepWhen("restored-again", "the window where it was, drawn whole",
             [&](const Picture& s) { return FrameDrawnAt(s, started, window, Where().Window()); });

    Screen().Key("alt+space");
    Step("menu-to-close");
    Screen().Key("c");
    EXPECT_EQ(WaitForExit(), 0);
}

} // namespace
} // namespace e2e::gallery
