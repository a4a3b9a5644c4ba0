// A combo box over the system's COMBOBOX class: an edit or a fixed text with
// a list of items.
#pragma once

#include "toolkit/WinControl.h"

#include <string>
#include <vector>

namespace tk {

enum class ComboStyle { DropDown, Simple, DropDownList };

class ComboBox : public WinControl {
    TK_CLASS(ComboBox)

public:
    explicit ComboBox(Component* owner);
    ComboStyle Style() const { return style_; }
    void SetStyle(ComboStyle style);
    const std::vector<std::string>& Items() const { return items_; }
    void SetItems(const std::vector<std::string>& items);
    int ItemIndex() const;
    void SetItemIndex(int index);
    std::string Text() const { return Caption(); }
    void SetText(const std::string& text) { SetCaption(text); }
    NotifyEvent OnChange;

protected:
    void FillCreateParams(CreateParams& params) override;
    void HandleCreated() override;
    bool CommandReflected(UINT code) override;

private:
    ComboStyle style_ = ComboStyle::DropDown;
    std::vector<std::string> items_;
    int itemIndex_ = NoIndex;
};

} // namespace tk
