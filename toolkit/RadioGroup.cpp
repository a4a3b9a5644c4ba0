#include "toolkit/RadioGroup.h"

#include <algorithm>

namespace tk {

const ClassInfo& RadioGroup::StaticClass() {
    static const ClassInfo info =
        ClassInfo::Make<RadioGroup>("TRadioGroup", &GroupBox::StaticClass(), [](auto& p) {
            p.StringList("Items", &RadioGroup::Items, &RadioGroup::SetItems);
            p.Integer("ItemIndex", &RadioGroup::ItemIndex, &RadioGroup::SetItemIndex);
            p.Integer("Columns", &RadioGroup::Columns, &RadioGroup::SetColumns);
        });
    return info;
}

RadioGroup::RadioGroup(Component* owner) : GroupBox(owner) {}

void RadioGroup::SetItems(const std::vector<std::string>& items) {
    items_ = items;
    RebuildButtons();
}

void RadioGroup::SetColumns(int columns) {
    columns_ = std::clamp(columns, 1, 16);
    ArrangeButtons();
}

void RadioGroup::SetItemIndex(int index) {
    if (index < NoIndex || index >= static_cast<int>(buttons_.size())) {
        index = NoIndex;
    }
    itemIndex_ = index;
    for (size_t i = 0; i < buttons_.size(); ++i) {
        buttons_[i]->SetChecked(static_cast<int>(i) == index);
    }
}

// The buttons are components of the radio group, freed with it.
void RadioGroup::RebuildButtons() {
    std::vector<RadioButton*> old;
    old.swap(buttons_);
    for (RadioButton* button : old) {
        delete button;
    }
    for (const std::string& item : items_) {
        auto* button = new RadioButton(this);
        button->SetCaption(item);
        button->OnClick = [this, button](Component&) {
            auto it = std::find(buttons_.begin(), buttons_.end(), button);
            itemIndex_ = static_cast<int>(it - buttons_.begin());
            Click();
        };
        button->SetParent(this);
        buttons_.push_back(button);
    }
    ArrangeButtons();
    SetItemIndex(itemIndex_);
}

void RadioGroup::ArrangeButtons() {
    if (buttons_.empty()) {
        return;
    }
    RECT area = AlignRect();
    InflateRect(&area, -6, 0);
    int rows = (static_cast<int>(buttons_.size()) + columns_ - 1) / columns_;
    int columnWidth = static_cast<int>(area.right - area.left) / columns_;
    int rowHeight = std::max(1, static_cast<int>(area.bottom - area.top) / rows);
    for (size_t i = 0; i < buttons_.size(); ++i) {
        int column = static_cast<int>(i) / rows;
        int row = static_cast<int>(i) % rows;
        buttons_[i]->SetBounds(area.left + column * columnWidth, area.top + row * rowHeight,
                               columnWidth, std::min(rowHeight, 20));
    }
}

void RadioGroup::BoundsChanged(const RECT& oldBounds) {
    GroupBox::BoundsChanged(oldBounds);
    ArrangeButtons();
}

void RadioGroup::Notification(Component& component, Operation operation) {
    GroupBox::Notification(component, operation);
    if (operation == Operation::Remove) {
        buttons_.erase(std::remove(buttons_.begin(), buttons_.end(), &component), buttons_.end());
    }
}

} // namespace tk
