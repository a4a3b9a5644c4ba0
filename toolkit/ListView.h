// A list view over the system's list control, with columns (its header) and
// items with sub-items for the report style.
#pragma once

#include "toolkit/WinControl.h"

#include <memory>
#include <string>
#include <vector>

namespace tk {

class ImageList;
class ListView;

class ListColumn : public Persistent {
    TK_CLASS(ListColumn)

public:
    explicit ListColumn(ListView& list) : list_(list) {}
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption);
    int Width() const { return width_; }
    void SetWidth(int width);
    tk::Alignment Alignment() const { return alignment_; }
    void SetAlignment(tk::Alignment alignment);

private:
    friend class ListView;
    ListView& list_;
    std::string caption_;
    int width_ = 50;
    tk::Alignment alignment_ = tk::Alignment::Left;
};

class ListItem : public Persistent {
    TK_CLASS(ListItem)

public:
    explicit ListItem(ListView& list) : list_(list) {}
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption);
    const std::vector<std::string>& SubItems() const { return subItems_; }
    void SetSubItems(const std::vector<std::string>& subItems);
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int index);

private:
    ListView& list_;
    std::string caption_;
    std::vector<std::string> subItems_;
    int imageIndex_ = NoIndex;
};

enum class ViewStyle { Icon, SmallIcon, List, Report };

class ListView : public WinControl {
    TK_CLASS(ListView)

public:
    explicit ListView(Component* owner);
    ListColumn& AddColumn();
    void ClearColumns();
    const std::vector<std::unique_ptr<ListColumn>>& Columns() const { return columns_; }
    ListItem& AddItem();
    void ClearItems();
    const std::vector<std::unique_ptr<ListItem>>& Items() const { return items_; }
    tk::ViewStyle ViewStyle() const { return viewStyle_; }
    void SetViewStyle(tk::ViewStyle style);
    tk::ImageList* SmallImages() const { return smallImages_; }
    void SetSmallImages(tk::ImageList* images);
    // The header window of the report style, or none.
    HWND Header();
    // Rebuilds the window's columns and items from the lists.
    void Refill();
    void Loaded() override;
    // Also the column widths, and measures the (scaled) image list again.
    void ChangeScale(int to, int from) override;

protected:
    void FillCreateParams(CreateParams& params) override;
    void HandleCreated() override;
    void Notification(Component& component, Operation operation) override;

private:
    std::vector<std::unique_ptr<ListColumn>> columns_;
    std::vector<std::unique_ptr<ListItem>> items_;
    tk::ViewStyle viewStyle_ = tk::ViewStyle::Report;
    tk::ImageList* smallImages_ = nullptr;
    bool filling_ = false;
};

} // namespace tk
