#pragma once
// The advertisements of the "option.php" reply: the hub's footer picture and the banner
// items of the club and party lists.

#include "api/json/JsonValue.h"

#include <QObject>
#include <QString>
#include <vector>

struct AdItem {
    Q_GADGET
    Q_PROPERTY(QString img MEMBER img)
    Q_PROPERTY(int id MEMBER id)
public:
    QString img; // image address
    int id = 0;  // the club or party it opens; 0 when the id is not a whole number
};

struct Advertisement {
    Advertisement() = default;
    // Built from the reply's "guanggao" object.
    explicit Advertisement(const nuvora::json::Value &guanggao);

    QString indexImg;
    QString indexURL;
    std::vector<AdItem> clubs;
    std::vector<AdItem> parties;
};
