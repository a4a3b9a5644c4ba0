#include "toolkit/Action.h"

#include "toolkit/ImageList.h"

#include <algorithm>

namespace tk {

const ClassInfo& Action::StaticClass() {
    static const ClassInfo info =
        ClassInfo::Make<Action>("TAction", &Component::StaticClass(), [](auto& p) {
            p.String("Caption", &Action::Caption, &Action::SetCaption);
            p.Integer("ImageIndex", &Action::ImageIndex, &Action::SetImageIndex);
            p.Boolean("Enabled", &Action::Enabled, &Action::SetEnabled);
            p.Boolean("Checked", &Action::Checked, &Action::SetChecked);
            p.Boolean("Visible", &Action::Visible, &Action::SetVisible);
            p.String("Hint", &Action::Hint, &Action::SetHint);
            p.template Reference<tk::ActionList>("ActionList", &Action::ActionList,
                                                 &Action::SetActionList);
            p.Event("OnExecute", &Action::OnExecute);
            p.Event("OnUpdate", &Action::OnUpdate);
        });
    return info;
}

Action::Action(Component* owner) : Component(owner) {}

Action::~Action() {
    SetActionList(nullptr);
    std::vector<ActionClient*> clients;
    clients.swap(clients_);
    for (ActionClient* client : clients) {
        client->ActionFreed();
    }
}

void Action::Changed() {
    std::vector<ActionClient*> clients = clients_;
    for (ActionClient* client : clients) {
        client->ActionChanged();
    }
}

// Setting a value the action already has tells no one: OnUpdate handlers set
// the whole state each time a client is shown, and clients redraw on change.
void Action::SetCaption(const std::string& caption) {
    if (ChangeValue(caption_, caption)) {
        Changed();
    }
}

void Action::SetImageIndex(int index) {
    if (ChangeValue(imageIndex_, index)) {
        Changed();
    }
}

void Action::SetEnabled(bool enabled) {
    if (ChangeValue(enabled_, enabled)) {
        Changed();
    }
}

void Action::SetChecked(bool checked) {
    if (ChangeValue(checked_, checked)) {
        Changed();
    }
}

void Action::SetVisible(bool visible) {
    if (ChangeValue(visible_, visible)) {
        Changed();
    }
}

void Action::SetActionList(tk::ActionList* list) {
    if (list_ == list) {
        return;
    }
    if (list_) {
        auto& actions = list_->actions_;
        actions.erase(std::remove(actions.begin(), actions.end(), this), actions.end());
    }
    list_ = list;
    if (list_) {
        list_->actions_.push_back(this);
    }
    Changed();
}

tk::ImageList* Action::Images() const {
    return list_ ? list_->Images() : nullptr;
}

bool Action::Execute() {
    if (!enabled_ || !OnExecute) {
        return false;
    }
    OnExecute(*this);
    return true;
}

bool Action::Update() {
    if (!OnUpdate) {
        return false;
    }
    OnUpdate(*this);
    return true;
}

void Action::SetParentComponent(Component& parent) {
    if (auto* list = dynamic_cast<tk::ActionList*>(&parent)) {
        SetActionList(list);
        return;
    }
    Component::SetParentComponent(parent);
}

bool ActionClient::Relink(Action*& linked, Action* action) {
    if (action == linked) {
        return false;
    }
    if (linked) {
        linked->Unlink(*this);
    }
    linked = action;
    if (!linked) {
        return false;
    }
    linked->Link(*this);
    return true;
}

void Action::Link(ActionClient& client) {
    if (std::find(clients_.begin(), clients_.end(), &client) == clients_.end()) {
        clients_.push_back(&client);
    }
}

void Action::Unlink(ActionClient& client) {
    clients_.erase(std::remove(clients_.begin(), clients_.end(), &client), clients_.end());
}

const ClassInfo& ActionList::StaticClass() {
    static const ClassInfo info =
        ClassInfo::Make<ActionList>("TActionList", &Component::StaticClass(), [](auto& p) {
            p.template Reference<tk::ImageList>("Images", &ActionList::Images,
                                                &ActionList::SetImages);
        });
    return info;
}

ActionList::ActionList(Component* owner) : Component(owner) {}

ActionList::~ActionList() {
    std::vector<Action*> actions = actions_;
    for (Action* action : actions) {
        action->SetActionList(nullptr);
    }
}

void ActionList::SetImages(tk::ImageList* images) {
    images_ = images;
    if (images_) {
        images_->FreeNotification(*this);
    }
    for (Action* action : actions_) {
        action->Changed();
    }
}

void ActionList::Notification(Component& component, Operation operation) {
    Component::Notification(component, operation);
    if (operation == Operation::Remove && &component == images_) {
        images_ = nullptr;
    }
}

} // namespace tk
