// Prints how long the gallery takes from process start to its main window
// shown, and one page fill (the query and ten thumbnails).
#include "Application.h"
#include "GuiTest.h"
#include "MainForm.h"
#include "ShareDM.h"
#include "Text.h"
#include "TreeView.h"

#include <chrono>
#include <cstdio>
#include <filesystem>

namespace {

tk::TreeNode& FirstLeaf(tk::TreeView& tree) {
    return *tree.Items().Children().front()->Children().front();
}

} // namespace

int main() {
    const auto entered = std::chrono::steady_clock::now();
    tk::Application app;
    auto* form = new TFormMain(&app);
    form->SetDataModule(*new TShareDataModule(&app));
    AppPath =
        tk::Narrow(std::filesystem::path(KANVIO_GALLERY_DATA).make_preferred().wstring()) + "\\";
    form->Show();
    UpdateWindow(form->Handle());
    const double inProcess =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - entered)
            .count();
    std::printf("gallery: process start to main window shown: %.1f ms (%.1f ms of it in main:"
                " design, catalogue, twenty slots)\n",
                guitest::MillisecondsSinceProcessStart(), inProcess);

    auto& tree = *dynamic_cast<tk::TreeView*>(form->FindComponent("TreeView1"));
    constexpr int rounds = 20;
    double total = 0;
    for (int i = 0; i < rounds; ++i) {
        const auto start = std::chrono::steady_clock::now();
        form->TradePage = 0;
        form->FillTradePage(FirstLeaf(tree).Text());
        total += std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                     .count();
    }
    std::printf("gallery: one page fill (query and ten thumbnails): %.2f ms (mean of %d)\n",
                total / rounds, rounds);
    return 0;
}
