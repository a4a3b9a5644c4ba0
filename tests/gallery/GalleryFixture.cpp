#include "tests/gallery/GalleryFixture.h"

#include "toolkit/PageControl.h"
#include "app/ShareDM.h"
#include "toolkit/Text.h"
#include "toolkit/TreeView.h"

#include <algorithm>

namespace gallerytest {
namespace {

std::string WindowsFolder(const std::filesystem::path& folder) {
    return tk::Narrow(std::filesystem::absolute(folder).make_preferred().wstring()) + "\\";
}

tk::TreeNode& Node(tk::TreeView& tree, const std::string& text) {
    for (const auto& header : tree.Items().Children()) {
        if (header->Text() == text) {
            return *header;
        }
        for (const auto& leaf : header->Children()) {
            if (leaf->Text() == text) {
                return *leaf;
            }
        }
    }
    throw std::runtime_error("no tree node " + text);
}

POINT Inside(const tk::Control& control, int dx, int dy) {
    return {control.Left() + dx, control.Top() + dy};
}

} // namespace

const std::array<TabCase, 2> Tabs = {{
    {"Industry",
     "TabSheet2",
     "TreeView1",
     "ShapeBG",
     "ImageTradeLeft",
     "ImageTradeRight",
     "LabelTrade",
     1,
     &TFormMain::TradeShapes,
     &TFormMain::TradeThumbs,
     &TFormMain::TradeOpens,
     &TFormMain::TradeBooks,
     &TFormMain::TradePreviewUrls,
     &TFormMain::TradeOrderUrls,
     &TFormMain::TradePage,
     "行业分类三",
     "灯具照明 LED显示",
     "仪器仪表 精密设备",
     "电子电工 能源电力",
     "来料加工 来件装配",
     "机械设备 零件部件"},
    {"Colour",
     "TabSheet3",
     "TreeView2",
     "ShapeBG2",
     "ImageColorLeft",
     "ImageColorRight",
     "LabelColor",
     0,
     &TFormMain::ColorShapes,
     &TFormMain::ColorThumbs,
     &TFormMain::ColorOpens,
     &TFormMain::ColorBooks,
     &TFormMain::ColorPreviewUrls,
     &TFormMain::ColorOrderUrls,
     &TFormMain::ColorPage,
     "黑色系列",
     "灰色幽默",
     "魔幻蓝光",
     "清蓝草原",
     "蓝色水晶",
     "蔚蓝大海"},
}};

void PrintTo(const TabCase& tab, std::ostream* out) {
    *out << tab.name;
}

void Gallery::Open(const std::filesystem::path& folder) {
    guitest::ParkPointer();
    if (!realMessageBoxes_) {
        app_.SetMessageBox(
            [this](const std::string& text, const std::string&) { messages_.push_back(text); });
    }
    form_ = new TFormMain(&app_);
    auto* data = new TShareDataModule(&app_);
    form_->SetDataModule(*data);
    form_->launch = [this](const std::string& address) { launched_.push_back(address); };
    if (!realMessageBoxes_) {
        form_->showMessage = [this](const std::string& text) { messages_.push_back(text); };
    }
    AppPath = WindowsFolder(folder);
    form_->Show();
    guitest::PumpUntilIdle();
}

void Gallery::ShowTab(const char* sheet) {
    Get<tk::PageControl>("PageControl1").SetActivePage(&Get<tk::TabSheet>(sheet));
    guitest::PumpUntilIdle();
}

void Gallery::Select(const char* tree, const std::string& text) {
    auto& view = Get<tk::TreeView>(tree);
    view.SetSelected(&Node(view, text));
    guitest::PumpUntilIdle();
}

void Gallery::MoveOver(const tk::Control& control, int dx, int dy) {
    guitest::MouseMove(control.Parent()->Handle(), Inside(control, dx, dy));
}

void Gallery::ClickOn(const tk::Control& control, int dx, int dy) {
    guitest::Click(control.Parent()->Handle(), Inside(control, dx, dy));
}

RECT ScreenRect(const tk::Control& control) {
    const POINT origin = control.ClientToScreen({0, 0});
    return {origin.x, origin.y, origin.x + control.Width(), origin.y + control.Height()};
}

bool Seen(const tk::Control& control) {
    const guitest::Capture screen = guitest::CaptureScreen(ScreenRect(control));
    return std::any_of(screen.pixels.begin(), screen.pixels.end(),
                       [](uint32_t p) { return p != guitest::Rgb(BackgroundFill); });
}

::testing::AssertionResult ShowsPicture(const tk::Control& control, const std::string& file) {
    tk::Picture picture;
    picture.LoadFromFile(AppPath + file);
    guitest::Capture expected;
    expected.width = std::min(picture.Width(), control.Width());
    expected.height = std::min(picture.Height(), control.Height());
    const auto pixels = picture.Bitmap().Pixels();
    for (int y = 0; y < expected.height; ++y) {
        for (int x = 0; x < expected.width; ++x) {
            expected.pixels.push_back(pixels[size_t(y * picture.Width() + x)] & 0xFFFFFF);
        }
    }
    const guitest::Capture screen = guitest::CaptureScreen(ScreenRect(control));
    const auto result =
        guitest::SameRect(expected, {0, 0, expected.width, expected.height}, screen, {0, 0});
    if (!result) {
        return ::testing::AssertionFailure() << "not showing " << file << ": " << result.message();
    }
    return result;
}

} // namespace gallerytest
