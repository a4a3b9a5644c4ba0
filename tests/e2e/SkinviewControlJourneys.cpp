// Journeys through skinview's controls as a skin author tries them: marks
// clicked on and off, arrows and thumbs of the range controls, the combo's
// list, and every tab of the page controls and the tab set. The screen must
// follow each click and stay in the skin.
#include "tests/e2e/SkinviewShowcase.h"

namespace e2e::skinview {
namespace {

using SkinviewControls = SkinviewShowcase;

// Whether `a` inside `inA` looks exactly as `b` inside `inB` (same size).
bool SameLook(const Picture& a, Box inA, const Picture& b, Box inB) {
    for (int y = 0; y < inA.height; ++y) {
        for (int x = 0; x < inA.width; ++x) {
            if (a.At({inA.left + x, inA.top + y}) != b.At({inB.left + x, inB.top + y})) {
                return false;
            }
        }
    }
    return true;
}

bool Unchanged(const Picture& s, const Picture& before, Box box) {
    return CountChanged(s, before, box) == 0;
}

// A place between the Buttons and Input groups where the pointer rests, so
// no control shows the pointer over it.
Point RestingPlace(const SkinviewScreen& view) {
    return view.Client(262, 100);
}

TEST_F(SkinviewControls, MarksFollowTheirClicksAndDisabledOnesStayAsTheyAre) {
    const SkinviewScreen view = Start();
    const Picture before = Step("started");
    const auto click = [&](Mark mark) {
        Screen().Click(view.MarkCaption(mark));
        Screen().MoveTo(RestingPlace(view));
    };
    click(Mark::Checked);
    StepWhen("unchecked", "the check mark gone", [&](const Picture& s) {
        return CountChanged(s, before, view.MarkBox(Mark::Checked)) > 10;
    });
    click(Mark::Checked);
    StepWhen("checked-again", "the check mark back",
             [&](const Picture& s) { return Unchanged(s, before, view.MarkBox(Mark::Checked)); });
    // The second radio takes the mark from the first: each looks as the
    // other did.
    click(Mark::Radio2);
    const Picture radio =
        StepWhen("radio-2", "the mark on the second radio", [&](const Picture& s) {
            return SameLook(s, view.MarkBox(Mark::Radio2), before, view.MarkBox(Mark::Radio1)) &&
                   SameLook(s, view.MarkBox(Mark::Radio1), before, view.MarkBox(Mark::Radio2));
        });
    // Disabled ones do not change, nor does anything around them: the
    // group's frame stays the skin's.
    click(Mark::CheckOff);
    click(Mark::RadioOff);
    StepWhen("disabled-clicked", "the disabled marks and the group as they were",
             [&](const Picture& s) {
                 return Unchanged(s, before, view.MarkBox(Mark::CheckOff)) &&
                        Unchanged(s, before, view.MarkBox(Mark::RadioOff)) &&
                        Unchanged(s, radio, view.MarkBox(Mark::Radio1)) &&
                        Unchanged(s, radio, view.MarkBox(Mark::Radio2)) &&
                        Unchanged(s, before, view.ButtonsGroupEdge());
             });
}

TEST_F(SkinviewControls, RangeControlsMoveUnderTheMouseAndStayInTheSkin) {
    const SkinviewScreen view = Start();
    const Picture before = Step("started");
    // The up-down's arrows count the number up and down: 42, 43, 44, 43.
    Screen().Click(view.NumberUp());
    const Picture up = StepWhen("number-up", "a new number", [&](const Picture& s) {
        return CountChanged(s, before, view.NumberText()) > 5;
    });
    Screen().Click(view.NumberUp());
    StepWhen("number-up-again", "another number",
             [&](const Picture& s) { return CountChanged(s, up, view.NumberText()) > 5; });
    Screen().Click(view.NumberDown());
    StepWhen("number-down", "the number one up from the start",
             [&](const Picture& s) { return Unchanged(s, up, view.NumberText()); });

    // The scroll bar's right arrow moves the thumb; the bar stays drawn from
    // the skin, its arrows as before once released.
    const Box bar = view.HorizontalScroll();
    const Box leftArrow{bar.left, bar.top, bar.height, bar.height};
    const Box rightArrow{bar.Right() - bar.height, bar.top, bar.height, bar.height};
    const Box track{leftArrow.Right(), bar.top, bar.width - 2 * bar.height, bar.height};
    Screen().Click(view.HorizontalScrollRight());
    Screen().Click(view.HorizontalScrollRight());
    Screen().MoveTo(RestingPlace(view));
    const Picture stepped =
        StepWhen("scroll-arrow", "the thumb moved, the bar in the skin", [&](const Picture& s) {
            return CountChanged(s, before, track) > 0 && Unchanged(s, before, leftArrow) &&
                   Unchanged(s, before, rightArrow);
        });
    const Point thumb = view.HorizontalScrollThumb();
    Screen().Drag({thumb.x + 2, thumb.y}, {thumb.x + 52, thumb.y});
    Screen().MoveTo(RestingPlace(view));
    StepWhen("scroll-thumb", "the thumb dragged, the bar in the skin", [&](const Picture& s) {
        return CountChanged(s, stepped, track) > 100 && Unchanged(s, before, leftArrow) &&
               Unchanged(s, before, rightArrow);
    });

    // The track bar's thumb follows a drag to the left.
    const Point slider = view.TrackBarThumb();
    Screen().Drag(slider, {slider.x - 100, slider.y});
    Screen().MoveTo(RestingPlace(view));
    StepWhen("track-thumb", "the track bar's thumb moved",
             [&](const Picture& s) { return CountChanged(s, before, view.TrackBar()) > 100; });

    // The list scrolls down by its arrow and back up by its thumb; its bar
    // stays drawn from the skin.
    const Box listBar = view.ListScrollBar();
    // The arrows' glyphs, clear of the thumb that may run up to them.
    constexpr int ArrowRows = 13;
    const Box upArrow{listBar.left, listBar.top, listBar.width, ArrowRows};
    const Box downArrow{listBar.left, listBar.Bottom() - ArrowRows, listBar.width, ArrowRows};
    Screen().Click(view.ListScrollDown());
    Screen().Click(view.ListScrollDown());
    Screen().MoveTo(RestingPlace(view));
    StepWhen("list-down", "the rows moved up, the bar's arrows in the skin", [&](const Picture& s) {
        return CountChanged(s, before, view.ListRows()) > 200 && Unchanged(s, before, upArrow) &&
               Unchanged(s, before, downArrow);
    });
    const Point listThumb = view.ListScrollThumb();
    Screen().Drag({listThumb.x, listThumb.y + 10}, {listThumb.x, listThumb.y - 80});
    Screen().MoveTo(RestingPlace(view));
    StepWhen("list-top", "the first rows again, the bar as at the start", [&](const Picture& s) {
        return Unchanged(s, before, view.ListRows()) && Unchanged(s, before, listBar);
    });
}

// The list combo's button looks as the other combo's once its list is closed
// and the focus has moved on: nothing stays pressed or lit.
bool ComboButtonAtRest(const Picture& s, const SkinviewScreen& view) {
    const Box list = view.ListCombo();
    const Box button{list.Right() - 18, list.top, 18, list.height};
    return SameLook(s, button, s, button.Moved({0, view.ComboEditOffset()}));
}

TEST_F(SkinviewControls, TheComboPicksByMouseAndByKeyboardAndComesBackToRest) {
    const SkinviewScreen view = Start();
    const Picture before = Step("started");
    const Box text = view.ListCombo();
    const Box below{text.left, text.Bottom() + 2, text.width, 40};
    Screen().Click(view.ListComboButton());
    StepWhen("list-open", "the list below the combo",
             [&](const Picture& s) { return CountChanged(s, before, below) > 500; });
    Screen().Click(view.ListComboItem(1));
    const Picture picked =
        StepWhen("picked", "the list closed and a new choice shown", [&](const Picture& s) {
            return Unchanged(s, before, below) && CountChanged(s, before, text) > 50;
        });
    // The focus moves on to the edit box above: the button rests.
    Screen().Click(view.EditBox());
    Screen().MoveTo(RestingPlace(view));
    StepWhen("at-rest", "the combo's button at rest",
             [&](const Picture& s) { return ComboButtonAtRest(s, view); });

    // By keyboard: the focus back on the combo (its list opened and shut by
    // Escape), Alt+Down opens the list, Down moves to the next item, Enter
    // takes it.
    Screen().Click(view.ListComboButton());
    Screen().Key("Escape");
    Screen().Key("alt+Down");
    StepWhen("keys-open", "the list below the combo",
             [&](const Picture& s) { return CountChanged(s, before, below) > 500; });
    Screen().Key("Down");
    Screen().Key("Return");
    StepWhen("keys-picked", "the list closed and the next choice shown", [&](const Picture& s) {
        return Unchanged(s, before, below) && CountChanged(s, picked, text) > 50 &&
               CountChanged(s, before, text) > 50;
    });
    Screen().Click(view.EditBox());
    StepWhen("keys-at-rest", "the combo's button at rest",
             [&](const Picture& s) { return ComboButtonAtRest(s, view); });
}

// The list combo's button, as the pressed look is compared with.
Box ListComboButtonBox(const SkinviewScreen& view) {
    const Box list = view.ListCombo();
    return {list.Right() - 18, list.top, 18, list.height};
}

TEST_F(SkinviewControls, TheCombosButtonLetsGoWhenItsDroppedListCloses) {
    const SkinviewScreen view = Start();
    const Picture before = Step("started");
    const Box button = ListComboButtonBox(view);
    const Box text = view.ListCombo();
    const Box below{text.left, text.Bottom() + 2, text.width, 40};
    const auto listOpen = [&](const Picture& s) { return CountChanged(s, before, below) > 500; };
    // Held down, the button shows pressed and the list drops.
    Screen().MoveTo(view.ListComboButton());
    Screen().Press();
    const Picture held = StepWhen("held", "the list below the combo", listOpen);
    const auto letGo = [&](const Picture& s) {
        return Unchanged(s, before, below) && !SameLook(s, button, held, button);
    };
    // Dragged onto an item and let go there: the list takes the release,
    // and the button must not stay pressed.
    Screen().Glide(view.ListComboItem(1));
    Screen().Release();
    Screen().MoveTo(RestingPlace(view));
    StepWhen("dragged-pick", "the list closed and the button no longer pressed", letGo);
    // Clicked open, an item clicked.
    Screen().Click(view.ListComboButton());
    StepWhen("open", "the list below the combo", listOpen);
    Screen().Click(view.ListComboItem(2));
    Screen().MoveTo(RestingPlace(view));
    StepWhen("picked", "the list closed and the button no longer pressed", letGo);
    // Clicked open and shut by a click away from it.
    Screen().Click(view.ListComboButton());
    StepWhen("open-again", "the list below the combo", listOpen);
    Screen().Click(RestingPlace(view));
    StepWhen("clicked-away", "the list closed and the button no longer pressed", letGo);
    // The focus moves on: the button rests as the other combo's.
    Screen().Click(view.EditBox());
    Screen().MoveTo(RestingPlace(view));
    StepWhen("at-rest", "the combo's button at rest",
             [&](const Picture& s) { return ComboButtonAtRest(s, view); });
}

// Each page control's first page carries a label, its others none.
bool LabelShown(const Picture& s, const SkinviewScreen& view, PageTab firstTab) {
    const Box label = view.PageLabel(firstTab);
    return CountUnlike(s, label, MostCommon(s, label)) > 30;
}

TEST_F(SkinviewControls, EveryTabOnEverySideBringsItsPage) {
    const SkinviewScreen view = Start();
    const Picture before = Step("started");
    // Tabs at the top, bottom, left and right: a click on the selected first
    // tab focuses it, the second tab brings an empty page, the first its
    // labelled page and tab row back as they were when focused.
    const struct {
        const char* name;
        PageTab first;
        PageTab other;
    } sides[] = {{"top", PageTab::General, PageTab::More},
                 {"bottom", PageTab::Bottom, PageTab::Second},
                 {"left", PageTab::Left, PageTab::LeftTwo},
                 {"right", PageTab::Right, PageTab::RightTwo}};
    for (const auto& side : sides) {
        Screen().Click(view.Tab(side.first));
        const Picture focused = StepWhen(
            std::string(side.name) + "-focused", "the first tab's focus cue",
            [&](const Picture& s) { return CountChanged(s, before, view.TabRow(side.first)) > 0; });
        Screen().Click(view.Tab(side.other));
        StepWhen(std::string(side.name) + "-second", "the second tab's empty page",
                 [&](const Picture& s) {
                     return !LabelShown(s, view, side.first) &&
                            CountChanged(s, before, view.TabRow(side.first)) > 50;
                 });
        Screen().Click(view.Tab(side.first));
        StepWhen(std::string(side.name) + "-first", "the first page and its tabs as they were",
                 [&](const Picture& s) {
                     return LabelShown(s, view, side.first) &&
                            Unchanged(s, focused, view.TabRow(side.first));
                 });
    }
    Screen().Click(view.Tab(PageTab::About));
    StepWhen("top-third", "the third tab selected", [&](const Picture& s) {
        return !LabelShown(s, view, PageTab::General) &&
               CountChanged(s, before, view.TabRow(PageTab::General)) > 50;
    });

    // The tab set: a click selects a tab; its scroller moves the row along.
    Screen().Click(view.TabSetTab(2).Centre());
    const Picture third =
        StepWhen("sheet-3", "the third sheet's tab selected",
                 [&](const Picture& s) { return CountChanged(s, before, view.TabSetRow()) > 100; });
    Screen().Click(view.TabSetScrollRight());
    Screen().MoveTo(RestingPlace(view));
    StepWhen("scrolled", "the tabs moved along",
             [&](const Picture& s) { return CountChanged(s, third, view.TabSetRow()) > 500; });
}

} // namespace
} // namespace e2e::skinview
