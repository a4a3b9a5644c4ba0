// A tree view over the system's tree control. Nodes may be given in a design
// (Items = < item Text = '...' Items = < ... > end >) or added in code.
#pragma once

#include "toolkit/WinControl.h"

#include <commctrl.h>

#include <memory>
#include <string>
#include <vector>

namespace tk {

class ImageList;
class TreeView;

class TreeNode : public Persistent {
    TK_CLASS(TreeNode)

public:
    TreeNode(TreeView& tree, TreeNode* parent) : tree_(tree), parent_(parent) {}
    TreeNode(const TreeNode&) = delete;
    TreeNode& operator=(const TreeNode&) = delete;

    const std::string& Text() const { return text_; }
    void SetText(const std::string& text);
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int index);
    int SelectedIndex() const { return selectedIndex_; }
    void SetSelectedIndex(int index);
    void* Data() const { return data_; }
    void SetData(void* data) { data_ = data; }

    TreeNode* Parent() const { return parent_; }
    tk::TreeView& TreeView() const { return tree_; }
    // 0 for a top-level node.
    int Level() const;
    const std::vector<std::unique_ptr<TreeNode>>& Children() const { return children_; }
    TreeNode& Add(const std::string& text);
    void Clear();
    void Expand();
    void Collapse();
    bool Expanded() const;
    HTREEITEM Handle() const { return item_; }

private:
    friend class tk::TreeView;
    void Insert(HWND tree);
    void Forget();
    void Update();
    tk::TreeView& tree_;
    TreeNode* parent_;
    std::vector<std::unique_ptr<TreeNode>> children_;
    std::string text_;
    int imageIndex_ = NoIndex;
    int selectedIndex_ = NoIndex;
    void* data_ = nullptr;
    HTREEITEM item_ = nullptr;
};

class TreeView : public WinControl {
    TK_CLASS(TreeView)

public:
    explicit TreeView(Component* owner);
    ~TreeView() override;

    // The top-level nodes live under an invisible root.
    TreeNode& Items() { return root_; }
    TreeNode* Selected() const;
    void SetSelected(TreeNode* node);
    tk::ImageList* Images() const { return images_; }
    void SetImages(tk::ImageList* images);
    int Indent() const { return indent_; }
    void SetIndent(int indent);
    // Also the indent, and measures the (scaled) image list again.
    void ChangeScale(int to, int from) override;
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool readOnly);
    // The node at a client point, or none.
    TreeNode* NodeAt(POINT client);
    NotifyEvent OnChange;

protected:
    void FillCreateParams(CreateParams& params) override;
    void HandleCreated() override;
    void HandleDestroyed() override;
    bool NotifyReflected(const NMHDR& header, LRESULT& result) override;
    void Notification(Component& component, Operation operation) override;

private:
    bool SelectionChanged(LRESULT& result);
    bool LabelEditStarting(LRESULT& result);
    bool LabelEdited(const TVITEMW& item, LRESULT& result);
    static TreeNode* NodeOf(HWND tree, HTREEITEM item);
    TreeNode root_;
    tk::ImageList* images_ = nullptr;
    int indent_ = 19;
    bool readOnly_ = false;
};

} // namespace tk
