// A status bar over the system's status control: panels with text, width,
// alignment, bevel and reading order, or one simple panel.
#pragma once

#include "toolkit/WinControl.h"

#include <memory>
#include <string>
#include <vector>

namespace tk {

class StatusBar;

enum class PanelBevel { None, Lowered, Raised };

class StatusPanel : public Persistent {
    TK_CLASS(StatusPanel)

public:
    explicit StatusPanel(StatusBar& bar) : bar_(bar) {}
    const std::string& Text() const { return text_; }
    void SetText(const std::string& text);
    int Width() const { return width_; }
    void SetWidth(int width);
    tk::Alignment Alignment() const { return alignment_; }
    void SetAlignment(tk::Alignment alignment);
    PanelBevel Bevel() const { return bevel_; }
    void SetBevel(PanelBevel bevel);
    bool RightToLeft() const { return rightToLeft_; }
    void SetRightToLeft(bool rightToLeft);

private:
    friend class StatusBar;
    StatusBar& bar_;
    std::string text_;
    int width_ = 50;
    tk::Alignment alignment_ = tk::Alignment::Left;
    PanelBevel bevel_ = PanelBevel::Lowered;
    bool rightToLeft_ = false;
};

class StatusBar : public WinControl {
    TK_CLASS(StatusBar)

public:
    explicit StatusBar(Component* owner);
    StatusPanel& AddPanel();
    void ClearPanels();
    const std::vector<std::unique_ptr<StatusPanel>>& Panels() const { return panels_; }
    bool SimplePanel() const { return simplePanel_; }
    void SetSimplePanel(bool simple);
    const std::string& SimpleText() const { return simpleText_; }
    void SetSimpleText(const std::string& text);
    bool SizeGrip() const { return sizeGrip_; }
    void SetSizeGrip(bool sizeGrip);
    // Pushes panels and texts into the window.
    void Refresh();
    // Also the panel widths.
    void ChangeScale(int to, int from) override;

protected:
    void FillCreateParams(CreateParams& params) override;
    void HandleCreated() override;
    void WindowResized() override;

private:
    std::vector<std::unique_ptr<StatusPanel>> panels_;
    bool simplePanel_ = false;
    std::string simpleText_;
    bool sizeGrip_ = true;
};

} // namespace tk
