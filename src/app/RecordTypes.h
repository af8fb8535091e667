#pragma once
// QML names for the records the detail pages expose whole (`controller.club.name`) and
// for the records that rows hold inside theirs (a feed entry's `user` and `picture`); the
// records themselves know nothing of QML.

#include "model/Activity.h"
#include "model/Club.h"
#include "model/Comment.h"
#include "model/Mood.h"
#include "model/Party.h"
#include "model/Picture.h"
#include "model/User.h"

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

struct UserForeign {
    Q_GADGET
    QML_FOREIGN(User)
    QML_VALUE_TYPE(user)
};

struct PictureForeign {
    Q_GADGET
    QML_FOREIGN(Picture)
    QML_VALUE_TYPE(picture)
};

struct MoodForeign {
    Q_GADGET
    QML_FOREIGN(Mood)
    QML_VALUE_TYPE(mood)
};

struct CommentForeign {
    Q_GADGET
    QML_FOREIGN(Comment)
    QML_VALUE_TYPE(comment)
};

struct ActivityForeign {
    Q_GADGET
    QML_FOREIGN(Activity)
    QML_VALUE_TYPE(activity)
};
