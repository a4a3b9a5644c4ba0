// A component with one published property of every kind, and a journal of
// what happened to it, for the core tests.
#pragma once

#include "toolkit/Component.h"

#include <string>
#include <vector>

namespace probe {

enum class Shade { Light, Medium, Dark };
enum Flavour : uint32_t { Sweet = 1, Sour = 2, Bitter = 4 };

// An owned sub-object with its own properties.
class Knob : public tk::Persistent {
    TK_CLASS(Knob)

public:
    int Turns() const { return turns_; }
    void SetTurns(int turns) { turns_ = turns; }
    std::vector<std::uint8_t> data;
    void DefineProperties(tk::BinaryProperties& props) override;

private:
    int turns_ = 0;
};

// A collection item.
class Entry : public tk::Persistent {
    TK_CLASS(Entry)

public:
    std::string Text() const { return text_; }
    void SetText(const std::string& text) { text_ = text; }

private:
    std::string text_;
};

class Probe : public tk::Component {
    TK_CLASS(Probe)

public:
    explicit Probe(tk::Component* owner, std::vector<std::string>* journal = nullptr)
        : Component(owner), journal_(journal) {}
    ~Probe() override;

    bool Active() const { return active_; }
    void SetActive(bool active);
    Shade Tone() const { return tone_; }
    void SetTone(Shade tone) { tone_ = tone; }
    int Count() const { return count_; }
    void SetCount(int count) { count_ = count; }
    std::string Title() const { return title_; }
    void SetTitle(const std::string& title) { title_ = title; }
    uint32_t Flavours() const { return flavours_; }
    void SetFlavours(uint32_t flavours) { flavours_ = flavours; }
    std::vector<std::string> Lines() const { return lines_; }
    void SetLines(const std::vector<std::string>& lines) { lines_ = lines; }
    Knob& GetKnob() { return knob_; }
    Probe* Buddy() const { return buddy_; }
    void SetBuddy(Probe* buddy) { buddy_ = buddy; }
    void ClearEntries() { entries_.clear(); }
    Entry& AddEntry() { return entries_.emplace_back(); }
    const std::vector<Entry>& Entries() const { return entries_; }

    tk::NotifyEvent OnPing;
    tk::MouseMoveEvent OnHover;
    std::vector<std::uint8_t> blob;
    void DefineProperties(tk::BinaryProperties& props) override;
    void Loaded() override;
    void SetParentComponent(tk::Component& parent) override;

private:
    void Note(const std::string& what) {
        if (journal_) {
            journal_->push_back(what);
        }
    }
    bool active_ = false;
    Shade tone_ = Shade::Light;
    int count_ = 0;
    std::string title_;
    uint32_t flavours_ = 0;
    std::vector<std::string> lines_;
    Knob knob_;
    Probe* buddy_ = nullptr;
    std::vector<Entry> entries_;
    std::vector<std::string>* journal_;
};

// A root that offers methods by name and builds probes sharing its journal.
class ProbeRoot : public tk::Component {
    TK_CLASS(ProbeRoot)

public:
    ProbeRoot() : Component(nullptr) {}
    const tk::EventHandler* FindMethod(std::string_view name) const override;
    std::vector<std::pair<std::string, tk::EventHandler>> methods;
};

} // namespace probe
