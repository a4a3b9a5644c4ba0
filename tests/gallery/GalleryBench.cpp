// Prints how long the gallery takes from process start to its main window
// shown, and, with skinning off and on, a full repaint of the window (frame
// and every control) and one page fill (the query and ten thumbnails), with
// the ratio of the skinned figure to the plain one. The machine is shared:
// each repaint and fill figure is the mean of the fastest of several
// batches, and the start figures medians of several starts.
#include "toolkit/Application.h"
#include "tests/guitest/GuiTest.h"
#include "app/MainForm/MainForm.h"
#include "app/ShareDM.h"
#include "skin/WinSubClass/SkinManager.h"
#include "toolkit/Text.h"
#include "toolkit/TreeView.h"
#include "skin/WinSkinData/WinSkinData.h"
#include "skin/WinSkinForm/WinSkinForm.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

namespace {

// Each start is a process of its own (a process's first window costs what
// no later one does); the figures are medians.
constexpr int Starts = 9;
constexpr const wchar_t* StartArg = L"--start";
constexpr const char* NarrowStartArg = "--start";
constexpr int StartFieldBits = 16;
constexpr uint32_t StartFieldMax = (1u << StartFieldBits) - 1;
// The high half stays below the sign bit, which marks a process ended by the
// system (a status such as 0xC0000018).
constexpr uint32_t TotalFieldMax = StartFieldMax >> 1;

constexpr int Batches = 10;
constexpr int Repaints = 10; // in each batch
constexpr int Fills = 4;     // in each batch

struct Figures {
    double repaint = 0;
    double fill = 0;
};

double MillisecondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
        .count();
}

template <class F> double BestMeanMs(F&& step, int batches, int rounds) {
    double best = 0;
    for (int batch = 0; batch < batches; ++batch) {
        const auto start = std::chrono::steady_clock::now();
        for (int i = 0; i < rounds; ++i) {
            step();
        }
        const double mean = MillisecondsSince(start) / rounds;
        best = batch == 0 ? mean : std::min(best, mean);
    }
    return best;
}

tk::TreeNode& FirstLeaf(tk::TreeView& tree) {
    return *tree.Items().Children().front()->Children().front();
}

// The main window and its data module, each freed by the caller.
struct Gallery {
    TFormMain* form;
    TShareDataModule* data;
};

Gallery ShowGallery(tk::Application& app) {
    auto* form = new TFormMain(&app);
    auto* data = new TShareDataModule(&app);
    form->SetDataModule(*data);
    AppPath =
        tk::Narrow(std::filesystem::path(KANVIO_GALLERY_DATA).make_preferred().wstring()) + "\\";
    form->showMessage = [](const std::string& text) {
        std::fprintf(stderr, "gallery: the window showed: %s\n", text.c_str());
    };
    form->Show();
    UpdateWindow(form->Handle());
    return {form, data};
}

void Close(const Gallery& gallery) {
    delete gallery.form;
    delete gallery.data;
    guitest::PumpUntilIdle();
}

// Mean times of a repaint of everything the window shows and of a page
// fill, in the skin or with the window's skin component switched off.
Figures Measure(tk::Application& app, bool skinned) {
    const Gallery gallery = ShowGallery(app);
    TFormMain& form = *gallery.form;
    auto& data = *dynamic_cast<skin::TSkinData*>(form.FindComponent("SkinData1"));
    if (!skinned) {
        data.SetActive(false);
    }
    skin::SkinManager->OnActionTimer();
    guitest::PumpUntilIdle();
    const skin::TWinSkinForm* frame = skin::SkinManager->FindFrame(form.Handle());
    if ((frame && frame->FState == skin::TFrameState::Running) != skinned) {
        std::fprintf(stderr, "gallery: the window did not come up %s\n",
                     skinned ? "skinned" : "plain");
    }
    auto& tree = *dynamic_cast<tk::TreeView*>(form.FindComponent("TreeView1"));
    form.FillTradePage(FirstLeaf(tree).Text());
    guitest::PumpUntilIdle();

    Figures figures;
    figures.repaint = BestMeanMs(
        [&] {
            RedrawWindow(form.Handle(), nullptr, nullptr,
                         RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        },
        Batches, Repaints);
    figures.fill = BestMeanMs(
        [&] {
            form.TradePage = 0;
            form.FillTradePage(FirstLeaf(tree).Text());
            UpdateWindow(form.Handle());
        },
        Batches, Fills);
    Close(gallery);
    return figures;
}

// One start, in a process of its own: the exit code holds the tenths of a
// millisecond from process start to the window shown (high half) and of them
// in main (low half).
int StartOnce(std::chrono::steady_clock::time_point entered, tk::Application& app) {
    const Gallery gallery = ShowGallery(app);
    const auto tenths = [](double ms, uint32_t most) { return std::min(uint32_t(ms * 10), most); };
    const uint32_t code = tenths(guitest::MillisecondsSinceProcessStart(), TotalFieldMax)
                              << StartFieldBits |
                          std::max(tenths(MillisecondsSince(entered), StartFieldMax), 1u);
    Close(gallery);
    return int(code);
}

struct StartTimes {
    double total = 0;
    double inMain = 0;
};

// Starts this program once more to show the window and end; zeros when that
// failed.
StartTimes TimeOneStart() {
    const DWORD code = guitest::RunSelf(StartArg);
    return {(code >> StartFieldBits) / 10.0, (code & StartFieldMax) / 10.0};
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    const auto entered = std::chrono::steady_clock::now();
    tk::Application app;
    app.SetMessageBox([](const std::string& text, const std::string&) {
        std::fprintf(stderr, "gallery: a message box: %s\n", text.c_str());
    });
    if (argc > 1 && std::strcmp(argv[1], NarrowStartArg) == 0) {
        return StartOnce(entered, app);
    }
    std::vector<double> totals, inMain;
    for (int i = 0; i < Starts; ++i) {
        const StartTimes start = TimeOneStart();
        if (start.inMain <= 0) {
            std::fprintf(stderr, "gallery_bench: a start failed\n");
            return 1;
        }
        totals.push_back(start.total);
        inMain.push_back(start.inMain);
    }
    std::printf("gallery: process start to main window shown: %.1f ms (%.1f ms of it in main:"
                " design, catalogue, twenty slots; medians of %d starts)\n",
                Median(totals), Median(inMain), Starts);

    // Skinned first: a window's skin component switched off leaves the
    // manager off for windows made after it.
    const Figures skinned = Measure(app, true);
    const Figures plain = Measure(app, false);
    std::printf("gallery: full repaint of the window: skinned %.2f ms, skinning off %.2f ms, "
                "ratio %.2f (best of %d batches of %d)\n",
                skinned.repaint, plain.repaint, skinned.repaint / plain.repaint, Batches, Repaints);
    std::printf("gallery: one page fill (query, ten thumbnails, painted): skinned %.2f ms, "
                "skinning off %.2f ms, ratio %.2f (best of %d batches of %d)\n",
                skinned.fill, plain.fill, skinned.fill / plain.fill, Batches, Fills);
    return 0;
}
