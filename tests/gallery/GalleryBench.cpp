// Prints how long the gallery takes from process start to its main window
// shown, and, with skinning off and on, a full repaint of the window (frame
// and every control) and one page fill (the query and ten thumbnails), with
// the ratio of the skinned figure to the plain one.
#include "toolkit/Application.h"
#include "tests/guitest/GuiTest.h"
#include "app/MainForm/MainForm.h"
#include "app/ShareDM.h"
#include "skin/WinSubClass/SkinManager.h"
#include "toolkit/Text.h"
#include "toolkit/TreeView.h"
#include "skin/WinSkinData/WinSkinData.h"
#include "skin/WinSkinForm/WinSkinForm.h"

#include <chrono>
#include <cstdio>
#include <filesystem>

namespace {

constexpr int Repaints = 50;
constexpr int Fills = 20;

struct Figures {
    double repaint = 0;
    double fill = 0;
};

double MillisecondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
        .count();
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
    auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < Repaints; ++i) {
        RedrawWindow(form.Handle(), nullptr, nullptr,
                     RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    }
    figures.repaint = MillisecondsSince(start) / Repaints;
    start = std::chrono::steady_clock::now();
    for (int i = 0; i < Fills; ++i) {
        form.TradePage = 0;
        form.FillTradePage(FirstLeaf(tree).Text());
        UpdateWindow(form.Handle());
    }
    figures.fill = MillisecondsSince(start) / Fills;
    Close(gallery);
    return figures;
}

} // namespace

int main() {
    const auto entered = std::chrono::steady_clock::now();
    tk::Application app;
    app.SetMessageBox([](const std::string& text, const std::string&) {
        std::fprintf(stderr, "gallery: a message box: %s\n", text.c_str());
    });
    const Gallery first = ShowGallery(app);
    std::printf("gallery: process start to main window shown: %.1f ms (%.1f ms of it in main:"
                " design, catalogue, twenty slots)\n",
                guitest::MillisecondsSinceProcessStart(), MillisecondsSince(entered));
    Close(first);

    // Skinned first: a window's skin component switched off leaves the
    // manager off for windows made after it.
    const Figures skinned = Measure(app, true);
    const Figures plain = Measure(app, false);
    std::printf("gallery: full repaint of the window: skinned %.2f ms, skinning off %.2f ms, "
                "ratio %.2f (mean of %d)\n",
                skinned.repaint, plain.repaint, skinned.repaint / plain.repaint, Repaints);
    std::printf("gallery: one page fill (query, ten thumbnails, painted): skinned %.2f ms, "
                "skinning off %.2f ms, ratio %.2f (mean of %d)\n",
                skinned.fill, plain.fill, skinned.fill / plain.fill, Fills);
    return 0;
}
