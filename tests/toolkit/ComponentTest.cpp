#include "tests/toolkit/Probe.h"

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>

using probe::Probe;

TEST(Component, OwnerFreesOwnedComponentsLastCreatedFirst) {
    std::vector<std::string> journal;
    {
        auto owner = std::make_unique<Probe>(nullptr, &journal);
        owner->SetName("Owner");
        for (const char* name : {"A", "B", "C"}) {
            (new Probe(owner.get(), &journal))->SetName(name);
        }
        Probe* b = static_cast<Probe*>(owner->FindComponent("b"));
        ASSERT_NE(b, nullptr);
        (new Probe(b, &journal))->SetName("B1");
        ASSERT_EQ(owner->Components().size(), 3u);
        EXPECT_EQ(owner->Components()[1], b);
    }
    EXPECT_EQ(journal,
              (std::vector<std::string>{"free Owner", "free C", "free B", "free B1", "free A"}));
}

TEST(Component, DeletingAnOwnedComponentTakesItOutOfTheList) {
    Probe owner(nullptr);
    auto* a = new Probe(&owner);
    new Probe(&owner);
    delete a;
    EXPECT_EQ(owner.Components().size(), 1u);
}

TEST(Component, NamesAreIdentifiersUniqueAmongTheOwnersComponents) {
    Probe owner(nullptr);
    auto* a = new Probe(&owner);
    a->SetName("Button1");
    auto* b = new Probe(&owner);
    EXPECT_THROW(b->SetName("button1"), std::invalid_argument);
    EXPECT_THROW(b->SetName("1Button"), std::invalid_argument);
    EXPECT_THROW(b->SetName("Bad Name"), std::invalid_argument);
    b->SetName("Button2");
    a->SetName("BUTTON1"); // its own name in other letter case is fine
    EXPECT_EQ(owner.FindComponent("button1"), a);
    EXPECT_EQ(owner.FindComponent(""), nullptr);
}

TEST(Component, MovingToAnotherOwnerChecksTheName) {
    Probe first(nullptr), second(nullptr);
    auto* a = new Probe(&first);
    a->SetName("Same");
    (new Probe(&second))->SetName("Same");
    EXPECT_THROW(second.InsertComponent(*a), std::invalid_argument);
    EXPECT_EQ(a->Owner(), &first);
}

namespace {
class Watcher : public Probe {
public:
    using Probe::Probe;
    std::vector<tk::Component*> removed;

protected:
    void Notification(tk::Component& c, tk::Operation op) override {
        Probe::Notification(c, op);
        if (op == tk::Operation::Remove) {
            removed.push_back(&c);
        }
    }
};
} // namespace

TEST(Component, FreeNotificationTellsWatchersOnlyOnce) {
    Watcher watcher(nullptr);
    auto* watched = new Probe(nullptr);
    watched->FreeNotification(watcher);
    watched->FreeNotification(watcher);
    delete watched;
    ASSERT_EQ(watcher.removed.size(), 1u);
    EXPECT_EQ(watcher.removed[0], watched);
}

TEST(Component, ClassNamesReportTheirAncestry) {
    Probe p(nullptr);
    EXPECT_EQ(p.ClassName(), "TProbe");
    EXPECT_TRUE(p.InheritsFrom("TComponent"));
    EXPECT_TRUE(p.InheritsFrom("tpersistent"));
    EXPECT_FALSE(p.InheritsFrom("TControl"));
}
