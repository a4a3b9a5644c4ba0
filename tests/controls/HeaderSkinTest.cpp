// A list view's column header under its skinner: every item and the area right
// of the last one show the header bar cell, captions follow their column's
// alignment, an item's icon shows only beside a caption, and painting and
// attaching leave the live GDI objects and windows as they were.
#include "tests/guitest/LeakCheck.h"
#include "tests/controls/RangeFixture.h"

#include "skin/WinSubClass/SkinHeader.h"

#include <commctrl.h>

using namespace skin;
using namespace controlstest;

namespace {

constexpr COLORREF IconColour = RGB(250, 0, 0);

class HeaderSkin : public RangeTest {
protected:
    void SetUp() override {
        tk::Form& form = RangeForm();
        list_ = &RowList(form, 5, {20, 20, 370, 170});
        list_->Columns()[0]->SetCaption("Left");
        for (const auto& [caption, alignment] :
             {std::pair{"Mid", tk::Alignment::Center}, std::pair{"Right", tk::Alignment::Right}}) {
            tk::ListColumn& column = list_->AddColumn();
            column.SetCaption(caption);
            column.SetAlignment(alignment);
        }
        for (const auto& column : list_->Columns()) {
            column->SetWidth(100);
        }
        header_ = ListView_GetHeader(list_->Handle());
        ASSERT_NE(header_, nullptr);
        skinner_ = &SkinScrolled<TSkinListView>(*list_, false);
        ASSERT_NE(skinner_->FHeader, nullptr);
    }
    void TearDown() override {
        if (images_) {
            ImageList_Destroy(images_);
        }
    }
    RECT ItemRect(int index) const {
        RECT r{};
        Header_GetItemRect(header_, index, &r);
        return r;
    }
    guitest::Capture Shot() const {
        RECT r{};
        GetWindowRect(header_, &r);
        return guitest::CaptureScreen(r);
    }
    // The columns of an item that show something other than the bar.
    static std::pair<int, int> InkColumns(const guitest::Capture& shot, const RECT& item) {
        int first = -1;
        int last = -1;
        for (int x = item.left; x < item.right; ++x) {
            for (int y = item.top; y < item.bottom; ++y) {
                if (CellOf(TStrip::Header, shot.At(x, y)) != 1) {
                    first = first < 0 ? x : first;
                    last = x;
                    break;
                }
            }
        }
        return {first, last};
    }
    tk::ListView* list_ = nullptr;
    HWND header_ = nullptr;
    TSkinListView* skinner_ = nullptr;
    HIMAGELIST images_ = nullptr;
};

TEST_F(HeaderSkin, ItemsAndTheAreaRightOfTheLastOneShowTheBar) {
    const guitest::Capture shot = Shot();
    for (int i = 0; i < 3; ++i) {
        const RECT item = ItemRect(i);
        EXPECT_EQ(CellOf(TStrip::Header, shot.At(item.left + 1, item.top + 1)), 1) << i;
        EXPECT_EQ(CellOf(TStrip::Header, shot.At(item.right - 2, item.bottom - 2)), 1) << i;
    }
    const int rest = ItemRect(2).right;
    ASSERT_LT(rest + 10, shot.width);
    EXPECT_EQ(CellOf(TStrip::Header, shot.At(rest + 5, 3)), 1);
    EXPECT_EQ(CellOf(TStrip::Header, shot.At(shot.width - 1, shot.height - 1)), 1);
}

TEST_F(HeaderSkin, CaptionsFollowTheirColumnsAlignment) {
    const guitest::Capture shot = Shot();
    const RECT left = ItemRect(0);
    const RECT mid = ItemRect(1);
    const RECT right = ItemRect(2);
    const auto [leftFirst, leftLast] = InkColumns(shot, left);
    ASSERT_GE(leftFirst, 0) << "the caption is drawn";
    EXPECT_LE(leftFirst - left.left, 6);
    const auto [midFirst, midLast] = InkColumns(shot, mid);
    ASSERT_GE(midFirst, 0);
    EXPECT_NEAR((midFirst + midLast) / 2, (mid.left + mid.right) / 2, 3);
    const auto [rightFirst, rightLast] = InkColumns(shot, right);
    ASSERT_GE(rightFirst, 0);
    EXPECT_LE(right.right - rightLast, 6);
    EXPECT_GT(rightFirst - right.left, 40);
}

TEST_F(HeaderSkin, AnItemsIconShowsOnlyBesideACaption) {
    images_ = ImageList_Create(16, 16, ILC_COLOR24, 1, 0);
    {
        const tk::WindowDC screen = tk::WindowDC::Client(nullptr);
        const tk::OwnedBitmap icon(CreateCompatibleBitmap(screen, 16, 16));
        {
            const tk::BitmapDC dc(icon.get(), screen);
            SetDCBrushColor(dc, IconColour);
            const RECT all{0, 0, 16, 16};
            FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
        }
        ImageList_Add(images_, icon.get(), nullptr);
    }
    Header_SetImageList(header_, images_);
    // Column 0: caption and icon; column 1: icon, no caption; column 2:
    // caption, its icon asked for only by the string flag.
    const int formats[3] = {HDF_LEFT | HDF_STRING | HDF_IMAGE, HDF_CENTER | HDF_IMAGE,
                            HDF_RIGHT | HDF_STRING};
    for (int i = 0; i < 3; ++i) {
        HDITEMW item{};
        item.mask = HDI_FORMAT | HDI_IMAGE | (i == 1 ? HDI_TEXT : 0);
        item.fmt = formats[i];
        item.iImage = 0;
        item.pszText = const_cast<wchar_t*>(L"");
        Header_SetItem(header_, i, &item);
    }
    InvalidateRect(header_, nullptr, TRUE);
    guitest::PumpUntilIdle(40);
    const guitest::Capture shot = Shot();
    const auto countIcon = [&](const RECT& item) {
        int pixels = 0;
        for (int x = item.left; x < item.right; ++x) {
            for (int y = item.top; y < item.bottom; ++y) {
                pixels += shot.At(x, y) == guitest::Rgb(IconColour) ? 1 : 0;
            }
        }
        return pixels;
    };
    EXPECT_GT(countIcon(ItemRect(0)), 100);
    EXPECT_EQ(countIcon(ItemRect(1)), 0) << "no caption, no icon";
    EXPECT_GT(countIcon(ItemRect(2)), 100);
    const auto [first, last] = InkColumns(shot, ItemRect(1));
    EXPECT_EQ(first, -1) << "an item without text shows the bar alone";
}

TEST_F(HeaderSkin, RepaintsAndAttachCyclesLeaveTheCountsFlat) {
    guitest::ExpectFlat(1000, [&] {
        RedrawWindow(header_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    });
    guitest::ExpectFlat(100, [&] {
        delete skinner_;
        skinner_ = &SkinScrolled<TSkinListView>(*list_, false);
    });
    ASSERT_NE(skinner_->FHeader, nullptr);
    // The last skinner still paints the bar.
    RedrawWindow(header_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    guitest::PumpUntilIdle(40);
    const guitest::Capture shot = Shot();
    EXPECT_EQ(CellOf(TStrip::Header, shot.At(shot.width - 2, shot.height / 2)), 1);
}

} // namespace
