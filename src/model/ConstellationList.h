#pragma once
// The star-sign names of the server's constellation index.

#include <QString>

class ConstellationList {
public:
    // The name at the index; 13 or more, or negative, gives the last entry.
    static QString constellationWithIndex(int index);
};
