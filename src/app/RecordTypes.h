#pragma once
// QML names for the records the detail pages expose whole (`controller.club.name`);
// the records themselves know nothing of QML.

#include "model/Club.h"
#include "model/Party.h"

#include <QtQml/qqml.h>

struct ClubForeign {
    Q_GADGET
    QML_FOREIGN(Club)
    QML_VALUE_TYPE(club)
};

struct PartyForeign {
    Q_GADGET
    QML_FOREIGN(Party)
    QML_VALUE_TYPE(party)
};
