#include "tests/toolkit/Probe.h"

#include "toolkit/Properties.h"

namespace probe {

static const tk::EnumInfo ShadeEnum{"Shade", {"shLight", "shMedium", "shDark"}};
static const tk::EnumInfo FlavourEnum{"Flavour", {"flSweet", "flSour", "flBitter"}};
static const tk::IntIdent CountIdentTable[] = {{"cnMany", 1000}};

const tk::ClassInfo& Knob::StaticClass() {
    static const tk::ClassInfo info =
        tk::ClassInfo::Make<Knob>("TKnob", &tk::Persistent::StaticClass(), [](auto& p) {
            p.Integer("Turns", &Knob::Turns, &Knob::SetTurns);
        });
    return info;
}

void Knob::DefineProperties(tk::BinaryProperties& props) {
    props.Define("Data", [this](std::span<const std::uint8_t> bytes) {
        data.assign(bytes.begin(), bytes.end());
    });
}

const tk::ClassInfo& Entry::StaticClass() {
    static const tk::ClassInfo info =
        tk::ClassInfo::Make<Entry>("TEntry", &tk::Persistent::StaticClass(), [](auto& p) {
            p.String("Text", &Entry::Text, &Entry::SetText);
        });
    return info;
}

const tk::ClassInfo& Probe::StaticClass() {
    static const tk::ClassInfo info =
        tk::ClassInfo::Make<Probe>("TProbe", &tk::Component::StaticClass(), [](auto& p) {
            p.Boolean("Active", &Probe::Active, &Probe::SetActive);
            p.template Enumeration<Shade>("Tone", ShadeEnum, &Probe::Tone, &Probe::SetTone);
            p.Integer("Count", &Probe::Count, &Probe::SetCount, CountIdentTable);
            p.String("Title", &Probe::Title, &Probe::SetTitle);
            p.Set("Flavours", FlavourEnum, &Probe::Flavours, &Probe::SetFlavours);
            p.StringList("Lines", &Probe::Lines, &Probe::SetLines);
            p.Object("Knob", &Probe::GetKnob);
            p.template Reference<Probe>("Buddy", &Probe::Buddy, &Probe::SetBuddy);
            p.Event("OnPing", &Probe::OnPing);
            p.Event("OnHover", &Probe::OnHover);
            p.Collection("Entries", &Probe::ClearEntries, &Probe::AddEntry);
        });
    return info;
}

Probe::~Probe() {
    Note("free " + Name());
}

void Probe::SetActive(bool active) {
    active_ = active;
    Note(Name() + ".Active" + (IsLoading() ? " while loading" : ""));
}

void Probe::DefineProperties(tk::BinaryProperties& props) {
    props.Define("Blob", [this](std::span<const std::uint8_t> bytes) {
        blob.assign(bytes.begin(), bytes.end());
        Note(Name() + ".Blob after Title=" + title_);
    });
}

void Probe::Loaded() {
    tk::Component::Loaded();
    Note(Name() + ".Loaded" + (buddy_ ? " buddy=" + buddy_->Name() : ""));
}

void Probe::SetParentComponent(tk::Component& parent) {
    Note(Name() + " in " + parent.Name());
}

const tk::ClassInfo& ProbeRoot::StaticClass() {
    static const tk::ClassInfo info =
        tk::ClassInfo::Make<ProbeRoot>("TProbeRoot", &tk::Component::StaticClass(), [](auto&) {});
    return info;
}

const tk::EventHandler* ProbeRoot::FindMethod(std::string_view name) const {
    for (const auto& [methodName, handler] : methods) {
        if (tk::SameText(methodName, name)) {
            return &handler;
        }
    }
    return nullptr;
}

} // namespace probe
