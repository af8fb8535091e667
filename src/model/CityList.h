#pragma once
// The built-in region catalogue: provinces and their cities by index. The indices
// are shared with the server, so the order of every list is part of the protocol.

#include <QString>
#include <QStringList>
#include <optional>

class CityList {
public:
    // 35 entries; index 0 is the empty "no province".
    static const QStringList &sheng();
    // The province's cities, index 0 the empty "no city"; none outside 0..34.
    static std::optional<QStringList> shiInShengIndex(int shengIndex);
    // The city name, the last city for an index past the end (or negative);
    // none for a province outside 0..34.
    static std::optional<QString> shiWithShiIndexShengIndex(int shiIndex, int shengIndex);
    // The element at the index, or the last element when the index is not below the count.
    static QString elementwithIndexInArray(int index, const QStringList &array);
};
