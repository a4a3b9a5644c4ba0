#include "toolkit/TreeView.h"

#include "toolkit/Dpi.h"
#include "toolkit/ImageList.h"
#include "toolkit/Notifications.h"
#include "toolkit/Text.h"

namespace tk {

const ClassInfo& TreeNode::StaticClass() {
    static const ClassInfo info =
        ClassInfo::Make<TreeNode>("TTreeNode", &Persistent::StaticClass(), [](auto& p) {
            p.String("Text", &TreeNode::Text, &TreeNode::SetText);
            p.Integer("ImageIndex", &TreeNode::ImageIndex, &TreeNode::SetImageIndex);
            p.Integer("SelectedIndex", &TreeNode::SelectedIndex, &TreeNode::SetSelectedIndex);
            p.Collection("Items", &TreeNode::Clear,
                         [](TreeNode& n) -> Persistent& { return n.Add(""); });
        });
    return info;
}

int TreeNode::Level() const {
    int level = -1;
    for (const TreeNode* n = parent_; n; n = n->parent_) {
        ++level;
    }
    return level;
}

void TreeNode::SetText(const std::string& text) {
    text_ = text;
    Update();
}
void TreeNode::SetImageIndex(int index) {
    imageIndex_ = index;
    Update();
}
void TreeNode::SetSelectedIndex(int index) {
    selectedIndex_ = index;
    Update();
}

TreeNode& TreeNode::Add(const std::string& text) {
    children_.push_back(std::make_unique<TreeNode>(tree_, this));
    TreeNode& node = *children_.back();
    node.text_ = text;
    if (tree_.HandleAllocated() && (item_ || !parent_)) {
        node.Insert(tree_.Handle());
    }
    return node;
}

void TreeNode::Clear() {
    if (tree_.HandleAllocated()) {
        for (auto& child : children_) {
            if (child->item_) {
                SendMessageW(tree_.Handle(), TVM_DELETEITEM, 0,
                             reinterpret_cast<LPARAM>(child->item_));
            }
        }
    }
    children_.clear();
}

void TreeNode::Insert(HWND tree) {
    std::wstring text = Widen(text_);
    TVINSERTSTRUCTW insert{};
    insert.hParent = parent_ ? parent_->item_ : TVI_ROOT;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_PARAM;
    insert.item.pszText = text.data();
    insert.item.iImage = imageIndex_;
    insert.item.iSelectedImage = selectedIndex_;
    insert.item.lParam = reinterpret_cast<LPARAM>(this);
    item_ = reinterpret_cast<HTREEITEM>(
        SendMessageW(tree, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&insert)));
    for (auto& child : children_) {
        child->Insert(tree);
    }
}

void TreeNode::Forget() {
    item_ = nullptr;
    for (auto& child : children_) {
        child->Forget();
    }
}

void TreeNode::Update() {
    if (!item_ || !tree_.HandleAllocated()) {
        return;
    }
    std::wstring text = Widen(text_);
    TVITEMW item{};
    item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
    item.hItem = item_;
    item.pszText = text.data();
    item.iImage = imageIndex_;
    item.iSelectedImage = selectedIndex_;
    SendMessageW(tree_.Handle(), TVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&item));
}

void TreeNode::Expand() {
    if (item_) {
        SendMessageW(tree_.Handle(), TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(item_));
    }
}

void TreeNode::Collapse() {
    if (item_) {
        SendMessageW(tree_.Handle(), TVM_EXPAND, TVE_COLLAPSE, reinterpret_cast<LPARAM>(item_));
    }
}

bool TreeNode::Expanded() const {
    if (!item_) {
        return false;
    }
    auto state = SendMessageW(tree_.Handle(), TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(item_),
                              TVIS_EXPANDED);
    return (state & TVIS_EXPANDED) != 0;
}

const ClassInfo& TreeView::StaticClass() {
    static const ClassInfo info =
        ClassInfo::Make<TreeView>("TTreeView", &WinControl::StaticClass(), [](auto& p) {
            p.template Reference<tk::ImageList>("Images", &TreeView::Images, &TreeView::SetImages);
            p.Integer("Indent", &TreeView::Indent, &TreeView::SetIndent);
            p.Boolean("ReadOnly", &TreeView::ReadOnly, &TreeView::SetReadOnly);
            p.Collection(
                "Items", [](TreeView& t) { t.Items().Clear(); },
                [](TreeView& t) -> Persistent& { return t.Items().Add(""); });
            p.Event("OnChange", &TreeView::OnChange);
        });
    return info;
}

TreeView::TreeView(Component* owner) : WinControl(owner), root_(*this, nullptr) {
    SetBounds(0, 0, 121, 97);
    SetTabStop(true);
    SetColor(clWindow);
}

TreeView::~TreeView() {
    DestroyHandle();
}

void TreeView::FillCreateParams(CreateParams& params) {
    WinControl::FillCreateParams(params);
    params.className = WC_TREEVIEWW;
    params.style |= TVS_HASLINES | TVS_HASBUTTONS | TVS_LINESATROOT | TVS_SHOWSELALWAYS |
                    (readOnly_ ? 0 : TVS_EDITLABELS);
    params.exStyle |= WS_EX_CLIENTEDGE;
}

void TreeView::HandleCreated() {
    HWND window = Handle();
    if (images_) {
        SendMessageW(window, TVM_SETIMAGELIST, TVSIL_NORMAL,
                     reinterpret_cast<LPARAM>(images_->Handle()));
    }
    SendMessageW(window, TVM_SETINDENT, static_cast<WPARAM>(indent_), 0);
    for (auto& node : root_.children_) {
        node->Insert(window);
    }
}

void TreeView::HandleDestroyed() {
    root_.Forget();
}

TreeNode* TreeView::NodeOf(HWND tree, HTREEITEM item) {
    if (!item) {
        return nullptr;
    }
    TVITEMW data{};
    data.mask = TVIF_PARAM;
    data.hItem = item;
    SendMessageW(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&data));
    return reinterpret_cast<TreeNode*>(data.lParam);
}

TreeNode* TreeView::Selected() const {
    auto* self = const_cast<TreeView*>(this);
    if (!self->HandleAllocated()) {
        return nullptr;
    }
    HWND window = self->Handle();
    auto item = reinterpret_cast<HTREEITEM>(SendMessageW(window, TVM_GETNEXTITEM, TVGN_CARET, 0));
    return NodeOf(window, item);
}

void TreeView::SetSelected(TreeNode* node) {
    SendMessageW(Handle(), TVM_SELECTITEM, TVGN_CARET,
                 reinterpret_cast<LPARAM>(node ? node->Handle() : nullptr));
}

TreeNode* TreeView::NodeAt(POINT client) {
    TVHITTESTINFO hit{};
    hit.pt = client;
    auto item = reinterpret_cast<HTREEITEM>(
        SendMessageW(Handle(), TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
    return (hit.flags & TVHT_ONITEM) ? NodeOf(Handle(), item) : nullptr;
}

void TreeView::SetImages(tk::ImageList* images) {
    images_ = images;
    if (images_) {
        images_->FreeNotification(*this);
    }
    if (HandleAllocated()) {
        SendMessageW(Handle(), TVM_SETIMAGELIST, TVSIL_NORMAL,
                     reinterpret_cast<LPARAM>(images_ ? images_->Handle() : nullptr));
    }
}

void TreeView::SetIndent(int indent) {
    indent_ = indent;
    if (HandleAllocated()) {
        SendMessageW(Handle(), TVM_SETINDENT, static_cast<WPARAM>(indent), 0);
    }
}

void TreeView::ChangeScale(int to, int from) {
    WinControl::ChangeScale(to, from);
    SetIndent(ScaleMeasure(indent_, to, from));
    if (images_) {
        SetImages(images_);
    }
}

void TreeView::SetReadOnly(bool readOnly) {
    readOnly_ = readOnly;
    ChangeStyle(readOnly ? 0 : TVS_EDITLABELS, readOnly ? TVS_EDITLABELS : 0);
}

void TreeView::Notification(Component& component, Operation operation) {
    WinControl::Notification(component, operation);
    if (operation == Operation::Remove && &component == images_) {
        images_ = nullptr;
    }
}

bool TreeView::NotifyReflected(const NMHDR& header, LRESULT& result) {
    switch (header.code) {
    case TVN_SELCHANGEDW:
        return SelectionChanged(result);
    case TVN_BEGINLABELEDITW:
        return LabelEditStarting(result);
    case TVN_ENDLABELEDITW:
        return LabelEdited(reinterpret_cast<const NMTVDISPINFOW&>(header).item, result);
    default:
        return false;
    }
}

bool TreeView::SelectionChanged(LRESULT& result) {
    if (OnChange) {
        OnChange(*this);
    }
    result = 0;
    return true;
}

// A read-only tree refuses to start editing a label.
bool TreeView::LabelEditStarting(LRESULT& result) {
    result = readOnly_ ? TRUE : FALSE;
    return true;
}

// The edited text is the node's new text; an edit cancelled has none.
bool TreeView::LabelEdited(const TVITEMW& item, LRESULT& result) {
    TreeNode* node = reinterpret_cast<TreeNode*>(item.lParam);
    if (!node) {
        node = NodeOf(Handle(), item.hItem);
    }
    if (item.pszText && node) {
        node->text_ = Narrow(item.pszText);
        result = TRUE;
    } else {
        result = FALSE;
    }
    return true;
}

} // namespace tk
