// The gallery's main window: two tabs browse the template catalogue by
// industry and by colour, ten template slots a page; Open and Book buttons
// light up under the pointer and open the template's preview or order page.
//
// Error policy of the program: this is the one place where errors become
// what the user sees. The catalogue raises ECatalogueError, the toolkit and a
// damaged design raise std::exception kinds; the window catches them at the
// event that ran into them: a failed start-up (no data module, no catalogue)
// goes to the application's exception handler, a failed category query shows
// its fixed text through ShowMessage, and a design the window cannot use ends
// the program after its message (Main.cpp). Skin problems are the skin
// component's: a refused package is its notice, problems inside an accepted
// one are kept with the skin and shown to nobody.
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

    // Opens an address in the browser; by default the shell opens the
    // address itself, which starts the user's default browser with it.
    // Tests put an observer in.
    using Launcher = std::function<void(const std::string& address)>;
    Launcher launch;
    // Shows a plain message box; tests put an observer in.
    gallery::MessageSink showMessage;

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
    // The names that tell a tab apart in the design and the catalogue.
    struct TabNames;
    // The designed controls of one tab, found once the design is read.
    struct TabControls {
        tk::TabSheet* sheet = nullptr;
        tk::TreeView* tree = nullptr;
        tk::Image* left = nullptr;
        tk::Image* right = nullptr;
        tk::Label* label = nullptr;
    };

private:
    // One of a slot's two buttons: where it sits, the picture it shows lit and
    // the page it opens.
    struct SlotButton;

    Tab TradeTab();
    Tab ColorTab();
    std::array<Tab, 2> Tabs();

    void FormCreate();
    void FormShow();
    void CreateSlots(Tab tab);
    void CreateSlotButton(Tab tab, int slot, const SlotButton& button);
    void FillPage(Tab tab, const std::string& category);
    void SelectionChanged(Tab tab);
    void ArrowClicked(Tab tab, int step);
    void SlotClicked(Tab tab, const SlotArray<tk::Image>& controls, tk::Component& sender,
                     bool orderPage);
    void LaunchSlot(const std::string& tabName, int slot, bool orderPage);
    void ButtonMouseMove(const SlotArray<tk::Image>& buttons, tk::Component& sender,
                         const char* highlightedPicture);
    void BackgroundMouseMove(Tab tab);
    void RegisterDesignMethods();

    template <class T> T& Designed(const char* name);

    TShareDataModule* data_ = nullptr;
    tk::PageControl* PageControl1 = nullptr;
    TabControls tradeControls_;
    TabControls colorControls_;
};
