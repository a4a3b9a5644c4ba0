// The data module: the catalogue connection and the one query every catalogue
// read runs through.
#pragma once

#include "catalogue/Catalogue.h"
#include "toolkit/Component.h"

class TShareDataModule : public tk::Component {
    TK_CLASS(TShareDataModule)

public:
    explicit TShareDataModule(tk::Component* owner);

    // Not connected until the main window is shown; its connection string is
    // always given when connecting. Opened read-only, shared with others.
    catalogue::TCatalogueConnection ADOConnection1;
    catalogue::TCatalogueQuery ADOQueryTemp{ADOConnection1};
};
