#include "VenuePageLayout.h"

#include "ui/TextMetrics.h"

VenuePageLayout::VenuePageLayout(double descriptionY, double bottomBlockHeight, QObject *parent)
    : QObject(parent), descriptionY_(descriptionY), bottomBlockHeight_(bottomBlockHeight)
{
}

void VenuePageLayout::setDescription(const QString &description)
{
    const double height =
        TextMetrics::sizeToFit(description, kDescriptionFontSize, kDescriptionWidth).height();
    if (height == descriptionHeight_)
        return;
    descriptionHeight_ = height;
    emit changed();
}
