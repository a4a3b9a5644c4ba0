// The gallery's main window: two tabs browse the template catalogue by
// industry and by colour, ten template slots a page; Open and Book buttons
// light up under the pointer and open the template's preview or order page.
#pragma once

#include "toolkit/Form.h"
#include "app/PublicFunction.h"

#include <array>
#include <functional>
#include <string>

namespace tk {
class Image;
class PageControl;
class Label;
class Shape;
class TabSheet;
class TreeView;
} // namespace tk

class TShareDataModule;

// The program's folder with its trailing backslash (UTF-8); every file the
// gallery reads is AppPath plus a relative name.
extern std::string AppPath;

// The catalogue's fixed database password.
inline constexpr char CataloguePassword[] = "mivra4302";

class TFormMain : public tk::Form {
    TK_CLASS(TFormMain)

public:
    // Reads the design "TFormMain" and runs FormCreate.
    explicit TFormMain(tk::Component* owner);

    // The data module, created after the window and before it is shown.
    void SetDataModule(TShareDataModule& data) { data_ = &data; }

    // Opens an address in the browser; by default the shell starts
    // "IEXPLORE" with it. Tests put an observer in.
    using Launcher = std::function<void(const std::string& address)>;
    Launcher Launch;
    // Shows a plain message box; tests put an observer in.
    gallery::MessageSink ShowMessage;

    template <class T> using SlotArray = std::array<T*, 10>;
    using UrlArray = std::array<std::string, 10>;

    SlotArray<tk::Shape> TradeShapes{};
    SlotArray<tk::Image> TradeThumbs{};
    SlotArray<tk::Image> TradeOpens{};
    SlotArray<tk::Image> TradeBooks{};
    UrlArray TradePreviewUrls;
    UrlArray TradeOrderUrls;
    int TradePage = 0;
    SlotArray<tk::Shape> ColorShapes{};
    SlotArray<tk::Image> ColorThumbs{};
    SlotArray<tk::Image> ColorOpens{};
    SlotArray<tk::Image> ColorBooks{};
    UrlArray ColorPreviewUrls;
    UrlArray ColorOrderUrls;
    int ColorPage = 0;

    void FillTradePage(const std::string& category);
    void FillColorPage(const std::string& category);
    void OpenPreview(const std::string& tab, int slot);
    void OpenOrderPage(const std::string& tab, int slot);

    // One tab's controls, addresses and page index.
    struct Tab;

private:
    Tab TradeTab();
    Tab ColorTab();

    void FormCreate();
    void FormShow();
    void CreateSlots(Tab tab, tk::TabSheet& page);
    void FillPage(Tab tab, const std::string& category);
    void SelectionChanged(Tab tab, const std::string& headerMarker);
    void ArrowClicked(Tab tab, int step);
    void SlotClicked(Tab tab, const SlotArray<tk::Image>& controls, tk::Component& sender,
                     bool orderPage);
    void ButtonMouseMove(const SlotArray<tk::Image>& buttons, tk::Component& sender,
                         const char* highlightedPicture);
    void BackgroundMouseMove(Tab tab);
    void RegisterDesignMethods();

    template <class T> T& Designed(const char* name);

    TShareDataModule* data_ = nullptr;
    tk::PageControl* PageControl1 = nullptr;
    tk::TabSheet* TabSheet2 = nullptr;
    tk::TabSheet* TabSheet3 = nullptr;
    tk::TreeView* TreeView1 = nullptr;
    tk::TreeView* TreeView2 = nullptr;
    tk::Image* ImageTradeLeft = nullptr;
    tk::Image* ImageTradeRight = nullptr;
    tk::Image* ImageColorLeft = nullptr;
    tk::Image* ImageColorRight = nullptr;
    tk::Label* LabelTrade = nullptr;
    tk::Label* LabelColor = nullptr;
};
