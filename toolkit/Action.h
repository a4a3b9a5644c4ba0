// Actions: a named command with a caption, an image, a state (enabled,
// checked, visible) and an Execute handler, shared by the controls and menu
// items linked to it; an OnUpdate handler brings the state up to date when a
// client is about to show it. Actions sit in an action list, which names the
// image list their ImageIndex refers to.
#pragma once

#include "toolkit/Component.h"

#include <vector>

namespace tk {

class ImageList;
class Action;
class ActionList;

// What an action tells the controls and menu items linked to it.
class ActionClient {
public:
    // The action's caption, image or state changed.
    virtual void ActionChanged() = 0;
    // The action is being freed: the client forgets it.
    virtual void ActionFreed() = 0;

protected:
    ~ActionClient() = default;
    // Moves this client from the action in `linked` to `action` and stores
    // it there; answers whether it is now linked to a new action.
    bool Relink(Action*& linked, Action* action);
};

class Action : public Component {
    TK_CLASS(Action)

public:
    explicit Action(Component* owner);
    ~Action() override;

    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption);
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int index);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    bool Checked() const { return checked_; }
    void SetChecked(bool checked);
    bool Visible() const { return visible_; }
    void SetVisible(bool visible);
    const std::string& Hint() const { return hint_; }
    void SetHint(const std::string& hint) { hint_ = hint; }
    tk::ActionList* ActionList() const { return list_; }
    void SetActionList(tk::ActionList* list);
    // The image list of its action list, or none.
    tk::ImageList* Images() const;

    NotifyEvent OnExecute;
    // Sets the action's state; runs when a client is about to show it.
    NotifyEvent OnUpdate;
    // Runs OnExecute; false when disabled or without a handler.
    bool Execute();
    // Runs OnUpdate; false without a handler.
    bool Update();

    void SetParentComponent(Component& parent) override;
    // Clients linked to this action (kept by their SetAction).
    void Link(ActionClient& client);
    void Unlink(ActionClient& client);

private:
    friend class ActionList;
    void Changed();
    std::string caption_;
    std::string hint_;
    int imageIndex_ = NoIndex;
    bool enabled_ = true;
    bool checked_ = false;
    bool visible_ = true;
    tk::ActionList* list_ = nullptr;
    std::vector<ActionClient*> clients_;
};

class ActionList : public Component {
    TK_CLASS(ActionList)

public:
    explicit ActionList(Component* owner);
    ~ActionList() override;
    tk::ImageList* Images() const { return images_; }
    void SetImages(tk::ImageList* images);
    const std::vector<Action*>& Actions() const { return actions_; }

protected:
    void Notification(Component& component, Operation operation) override;

private:
    friend class Action;
    tk::ImageList* images_ = nullptr;
    std::vector<Action*> actions_;
};

} // namespace tk
