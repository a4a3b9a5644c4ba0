#include "app/ShareDM.h"

const tk::ClassInfo& TShareDataModule::StaticClass() {
    static const tk::ClassInfo info("TShareDataModule", &tk::Component::StaticClass());
    return info;
}

TShareDataModule::TShareDataModule(tk::Component* owner) : Component(owner) {
    SetName("ShareDataModule");
}
