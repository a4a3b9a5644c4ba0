// A group box holding one radio button per line of Items; ItemIndex is the
// checked one.
#pragma once

#include "toolkit/GroupBox.h"
#include "toolkit/RadioButton.h"

#include <string>
#include <vector>

namespace tk {

// A group box holding one radio button per line of Items.
class RadioGroup : public GroupBox {
    TK_CLASS(RadioGroup)

public:
    explicit RadioGroup(Component* owner);
    const std::vector<std::string>& Items() const { return items_; }
    void SetItems(const std::vector<std::string>& items);
    int ItemIndex() const { return itemIndex_; }
    void SetItemIndex(int index);
    int Columns() const { return columns_; }
    void SetColumns(int columns);
    const std::vector<RadioButton*>& Buttons() const { return buttons_; }

protected:
    void BoundsChanged(const RECT& oldBounds) override;
    void Notification(Component& component, Operation operation) override;

private:
    void RebuildButtons();
    void ArrangeButtons();
    std::vector<std::string> items_;
    std::vector<RadioButton*> buttons_;
    int itemIndex_ = NoIndex;
    int columns_ = 1;
};

} // namespace tk
