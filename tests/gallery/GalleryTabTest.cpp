// What each tab of the gallery does, run on the industry and on the colour
// tab alike: its start, the slots' layout, paging with both arrows, the
// header rule of its tree, hover feedback and the launches of its slots.
#include "tests/gallery/GalleryFixture.h"

#include "toolkit/PageControl.h"
#include "toolkit/TreeView.h"

#include <array>

namespace {

using gallerytest::Seen;
using gallerytest::ShowsPicture;
using gallerytest::SlotCount;
using gallerytest::TabCase;
using gallerytest::Tabs;

constexpr char OrderPagePrefix[] = "http://order.kanvio.example/index.asp?TemplateNum=";

class GalleryTab : public gallerytest::Gallery, public ::testing::WithParamInterface<TabCase> {
protected:
    const TabCase& Tab() const { return GetParam(); }
    const TabCase& Other() const { return Tabs[size_t(Tab().other)]; }

    // The window with this tab in front.
    void OpenOnTab() {
        Open();
        ShowTab(Tab().sheet);
    }
    void Pick(const std::string& category) { Select(Tab().tree, category); }

    tk::Shape& Frame(int slot) { return *(form_->*Tab().shapes)[size_t(slot)]; }
    tk::Image& Thumb(int slot) { return *(form_->*Tab().thumbs)[size_t(slot)]; }
    tk::Image& OpenButton(int slot) { return *(form_->*Tab().opens)[size_t(slot)]; }
    tk::Image& BookButton(int slot) { return *(form_->*Tab().books)[size_t(slot)]; }
    const std::string& Preview(int slot) { return (form_->*Tab().previewUrls)[size_t(slot)]; }
    const std::string& Order(int slot) { return (form_->*Tab().orderUrls)[size_t(slot)]; }
    int Page() { return form_->*Tab().page; }
    tk::Image& LeftArrow() { return Get<tk::Image>(Tab().left); }
    tk::Image& RightArrow() { return Get<tk::Image>(Tab().right); }
    std::string Label() { return Get<tk::Label>(Tab().label).Caption(); }

    // The template number of the slot, from its order page address.
    std::string Number(int slot) {
        const std::string& address = Order(slot);
        const std::string prefix = std::string(OrderPagePrefix) + "KV";
        return address.rfind(prefix, 0) == 0 ? address.substr(prefix.size()) : "";
    }

    // Both arrows, as the window holds them and as the screen shows them.
    ::testing::AssertionResult ArrowsShow(bool left, bool right) {
        const bool leftNow = LeftArrow().Visible(), rightNow = RightArrow().Visible();
        if (leftNow != left || rightNow != right) {
            return ::testing::AssertionFailure()
                   << "arrows visible: left " << leftNow << ", right " << rightNow;
        }
        if (Seen(LeftArrow()) != left || Seen(RightArrow()) != right) {
            return ::testing::AssertionFailure() << "the screen disagrees with the arrows' state";
        }
        return ::testing::AssertionSuccess();
    }

    // Slots 0 to count-1 are shown, each with the thumbnail of the template
    // whose addresses it holds; the others are hidden and leave the
    // background bare.
    ::testing::AssertionResult PageShows(int count) {
        for (int i = 0; i < SlotCount; ++i) {
            const bool shown = i < count;
            for (tk::Control* control : std::initializer_list<tk::Control*>{
                     &Frame(i), &Thumb(i), &OpenButton(i), &BookButton(i)}) {
                if (control->Visible() != shown) {
                    return ::testing::AssertionFailure()
                           << "slot " << i << (shown ? " is hidden" : " is shown");
                }
                if (!shown && Seen(*control)) {
                    return ::testing::AssertionFailure()
                           << "hidden slot " << i << " still shows on screen";
                }
            }
            if (!shown) {
                continue;
            }
            const std::string number = Number(i);
            if (number.empty() || Preview(i).find("/" + number + "/") == std::string::npos) {
                return ::testing::AssertionFailure()
                       << "slot " << i << " holds " << Preview(i) << " and " << Order(i);
            }
            if (auto result = ShowsPicture(Thumb(i), "Images\\T" + number + ".jpg"); !result) {
                return result << " (slot " << i << ")";
            }
        }
        return ::testing::AssertionSuccess();
    }

    std::vector<std::string> Addresses(int count) {
        std::vector<std::string> addresses;
        for (int i = 0; i < count; ++i) {
            addresses.push_back(Preview(i));
        }
        return addresses;
    }

    // Counts the pictures loaded into a button from now on.
    void CountLoads(tk::Image& button, int& loads) {
        button.Picture().OnChange = [&loads, next = button.Picture().OnChange] {
            ++loads;
            next();
        };
    }
};

TEST_P(GalleryTab, StartsWithNothingShown) {
    OpenOnTab();
    EXPECT_TRUE(messages_.empty());
    auto& tree = Get<tk::TreeView>(Tab().tree);
    EXPECT_EQ(nullptr, tree.Selected());
    for (const auto& header : tree.Items().Children()) {
        EXPECT_FALSE(header->Expanded()) << header->Text();
    }
    EXPECT_TRUE(PageShows(0));
    EXPECT_TRUE(ArrowsShow(false, false));
    EXPECT_EQ("", Label());
}

TEST_P(GalleryTab, SlotSevenSitsWhereTheLayoutPutsIt) {
    OpenOnTab();
    EXPECT_EQ(488, Frame(7).Left());
    EXPECT_EQ(192, Frame(7).Top());
    EXPECT_EQ(108, Frame(7).Width());
    EXPECT_EQ(form_, Frame(7).Owner());
    EXPECT_EQ(492, Thumb(7).Left());
    EXPECT_EQ(196, Thumb(7).Top());
    EXPECT_EQ(489, OpenButton(7).Left());
    EXPECT_EQ(304, OpenButton(7).Top());
    EXPECT_EQ(545, BookButton(7).Left());
    EXPECT_EQ(304, BookButton(7).Top());
    EXPECT_EQ(tk::crHandPoint, BookButton(7).Cursor());
    EXPECT_EQ(static_cast<tk::WinControl*>(&Get<tk::TabSheet>(Tab().sheet)),
              OpenButton(7).Parent());
}

TEST_P(GalleryTab, PagingShowsTheRightSlotsArrowsAndLabel) {
    OpenOnTab();
    Pick(Tab().noTemplates);
    EXPECT_TRUE(PageShows(0));
    EXPECT_TRUE(ArrowsShow(false, false));
    EXPECT_EQ("共 0 记录　第 1/1 页", Label());

    Pick(Tab().tenTemplates);
    EXPECT_TRUE(PageShows(10));
    EXPECT_TRUE(ArrowsShow(false, false));
    EXPECT_EQ("共 10 记录　第 1/1 页", Label());

    Pick(Tab().elevenTemplates);
    EXPECT_TRUE(ArrowsShow(false, true));
    ClickOn(RightArrow());
    EXPECT_TRUE(PageShows(1));
    EXPECT_TRUE(ArrowsShow(true, false));
    EXPECT_EQ("共 11 记录　第 2/2 页", Label());

    Pick(Tab().twentyTemplates); // a new leaf starts at page 1
    EXPECT_EQ(0, Page());
    EXPECT_TRUE(ArrowsShow(false, true));
    ClickOn(RightArrow());
    EXPECT_TRUE(PageShows(10));
    EXPECT_TRUE(ArrowsShow(true, false));
    EXPECT_EQ("共 20 记录　第 2/2 页", Label());

    // Three pages there and back: the left arrow returns to the same templates.
    Pick(Tab().twentyOneTemplates);
    EXPECT_EQ("共 21 记录　第 1/3 页", Label());
    const auto first = Addresses(10);
    ClickOn(RightArrow());
    const auto second = Addresses(10);
    EXPECT_NE(first, second);
    ClickOn(RightArrow());
    EXPECT_TRUE(PageShows(1));
    EXPECT_TRUE(ArrowsShow(true, false));
    EXPECT_EQ("共 21 记录　第 3/3 页", Label());
    ClickOn(LeftArrow());
    EXPECT_TRUE(PageShows(10));
    EXPECT_TRUE(ArrowsShow(true, true));
    EXPECT_EQ("共 21 记录　第 2/3 页", Label());
    EXPECT_EQ(second, Addresses(10));
    ClickOn(LeftArrow());
    EXPECT_TRUE(PageShows(10));
    EXPECT_TRUE(ArrowsShow(false, true));
    EXPECT_EQ("共 21 记录　第 1/3 页", Label());
    EXPECT_EQ(first, Addresses(10));

    // A header changes nothing; an arrow then refills with the header's text.
    Pick(Tab().header);
    EXPECT_EQ("共 21 记录　第 1/3 页", Label());
    EXPECT_TRUE(ArrowsShow(false, true));
    EXPECT_EQ(first, Addresses(10));
    ClickOn(RightArrow());
    EXPECT_TRUE(PageShows(0));
    EXPECT_TRUE(ArrowsShow(false, false));
    EXPECT_EQ("共 0 记录　第 2/1 页", Label());
}

TEST_P(GalleryTab, ButtonsLightUpOncePerEntryAndResetOverTheBackground) {
    OpenOnTab();
    Pick(Tab().tenTemplates);
    tk::Image& open = OpenButton(0);
    tk::Image& book = BookButton(0);
    int openLoads = 0, bookLoads = 0;
    CountLoads(open, openLoads);
    CountLoads(book, bookLoads);

    MoveOver(open, 5, 5);
    MoveOver(open, 30, 10);
    MoveOver(open, 10, 20);
    EXPECT_EQ(1, openLoads);
    EXPECT_EQ(1, open.Tag());
    EXPECT_TRUE(ShowsPicture(open, "Res\\OpenBlue.jpg"));
    EXPECT_TRUE(ShowsPicture(book, "Res\\BookBlack.jpg"));
    // Straight onto the neighbouring Book button: both stay lit.
    MoveOver(book, 2, 5);
    EXPECT_EQ(1, bookLoads);
    EXPECT_EQ(1, open.Tag());
    EXPECT_EQ(1, book.Tag());
    EXPECT_TRUE(ShowsPicture(open, "Res\\OpenBlue.jpg"));
    EXPECT_TRUE(ShowsPicture(book, "Res\\BookBlue.jpg"));
    // The thumbnail, the label and the other tab's background leave them lit
    // (the point on the other background lies over this tab's thumbnail 0).
    MoveOver(Thumb(0));
    MoveOver(Get<tk::Label>(Tab().label));
    ShowTab(Other().sheet);
    MoveOver(Get<tk::Shape>(Other().background), 25, 25);
    ShowTab(Tab().sheet);
    EXPECT_EQ(1, open.Tag());
    EXPECT_EQ(1, book.Tag());
    EXPECT_TRUE(ShowsPicture(open, "Res\\OpenBlue.jpg"));
    EXPECT_TRUE(ShowsPicture(book, "Res\\BookBlue.jpg"));
    // The 6-pixel gap between Open and Book lies over the background.
    MoveOver(open, 52, 10);
    EXPECT_EQ(0, open.Tag());
    EXPECT_EQ(0, book.Tag());
    EXPECT_EQ(2, openLoads);
    EXPECT_EQ(2, bookLoads);
    EXPECT_TRUE(ShowsPicture(open, "Res\\OpenBlack.jpg"));
    EXPECT_TRUE(ShowsPicture(book, "Res\\BookBlack.jpg"));
    MoveOver(Get<tk::Shape>(Tab().background), 5, 5);
    EXPECT_EQ(2, openLoads); // nothing lit, nothing loaded
}

TEST_P(GalleryTab, FillLeavesTheHoverStateAlone) {
    OpenOnTab();
    Pick(Tab().twentyOneTemplates);
    MoveOver(OpenButton(0));
    MoveOver(BookButton(0));
    int openLoads = 0, bookLoads = 0;
    CountLoads(OpenButton(0), openLoads);
    CountLoads(BookButton(0), bookLoads);

    // The right arrow stays on page 2 of 3, so the pointer never reaches the
    // background: only the fills could reset the buttons.
    ClickOn(RightArrow());
    ASSERT_EQ("共 21 记录　第 2/3 页", Label());
    Pick(Tab().elevenTemplates);
    EXPECT_TRUE(PageShows(10));
    EXPECT_EQ(0, openLoads);
    EXPECT_EQ(0, bookLoads);
    EXPECT_EQ(1, OpenButton(0).Tag());
    EXPECT_EQ(1, BookButton(0).Tag());
    EXPECT_TRUE(ShowsPicture(OpenButton(0), "Res\\OpenBlue.jpg"));
    EXPECT_TRUE(ShowsPicture(BookButton(0), "Res\\BookBlue.jpg"));
    EXPECT_TRUE(ShowsPicture(OpenButton(1), "Res\\OpenBlack.jpg"));
}

TEST_P(GalleryTab, ClicksOpenTheAddressOfTheirTabAndSlot) {
    Open();
    ShowTab(Other().sheet);
    Select(Other().tree, Other().twentyOneTemplates);
    ShowTab(Tab().sheet);
    Pick(Tab().twentyOneTemplates);
    ASSERT_TRUE(PageShows(10));

    ClickOn(Thumb(3));
    ClickOn(BookButton(3));
    ClickOn(OpenButton(4));
    ASSERT_EQ(3u, launched_.size());
    EXPECT_EQ(Preview(3), launched_[0]);
    EXPECT_EQ(Order(3), launched_[1]);
    EXPECT_EQ(Preview(4), launched_[2]);
    EXPECT_EQ(std::string(OrderPagePrefix) + "KV" + Number(3), launched_[1]);
    const TabCase& other = Other();
    EXPECT_NE((form_->*other.previewUrls)[3], launched_[0]);
    EXPECT_NE((form_->*other.orderUrls)[3], launched_[1]);
    guitest::SaveForTest(guitest::CaptureWindow(form_->Handle()), "page");

    // A hidden slot's place belongs to the background.
    ClickOn(RightArrow());
    ClickOn(RightArrow());
    ASSERT_TRUE(PageShows(1));
    ClickOn(Thumb(1));
    ClickOn(BookButton(1));
    EXPECT_EQ(3u, launched_.size());
}

INSTANTIATE_TEST_SUITE_P(BothTabs, GalleryTab, ::testing::ValuesIn(Tabs),
                         [](const ::testing::TestParamInfo<TabCase>& info) {
                             return std::string(info.param.name);
                         });

} // namespace
