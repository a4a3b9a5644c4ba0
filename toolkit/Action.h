// Actions: a named command with a caption, an image and an Execute handler,
// shared by the controls linked to it. Actions sit in an action list, which
// names the image list their ImageIndex refers to.
#pragma once

#include "Component.h"

#include <vector>

namespace tk {

class Control;
class ImageList;
class ActionList;

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
    const std::string& Hint() const { return hint_; }
    void SetHint(const std::string& hint) { hint_ = hint; }
    tk::ActionList* ActionList() const { return list_; }
    void SetActionList(tk::ActionList* list);
    // The image list of its action list, or none.
    tk::ImageList* Images() const;

    NotifyEvent OnExecute;
    // Runs OnExecute; false when disabled or without a handler.
    bool Execute();

    void SetParentComponent(Component& parent) override;
    // Controls linked to this action (kept by Control::SetAction).
    void Link(Control& control);
    void Unlink(Control& control);

private:
    friend class ActionList;
    void Changed();
    std::string caption_;
    std::string hint_;
    int imageIndex_ = -1;
    bool enabled_ = true;
    tk::ActionList* list_ = nullptr;
    std::vector<Control*> clients_;
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
