#include "UserSearchViewController.h"

#include "model/CityList.h"
#include "platform/AppContext.h"
#include "platform/SettingsKeys.h"
#include "platform/SettingsStore.h"
#include "ui/Router.h"

namespace {

const QStringList &genderTitles()
{
    static const QStringList titles{QStringLiteral("不限"), QStringLiteral("男生"),
                                    QStringLiteral("女生")};
    return titles;
}

const QStringList &ageTitles()
{
    static const QStringList titles{QStringLiteral("不限"), QStringLiteral("16-22岁"),
                                    QStringLiteral("23-30岁"), QStringLiteral("31-40岁"),
                                    QStringLiteral("40岁以上")};
    return titles;
}

// The age band a label stands for, recognised by how it begins.
std::pair<int, int> ageRange(const QString &label)
{
    struct Band {
        const char *prefix;
        int min;
        int max;
    };
    static const Band bands[] = {{"16", 16, 22}, {"23", 23, 30}, {"31", 31, 40}, {"40", 40, 120}};
    for (const Band &band : bands) {
        if (label.startsWith(QLatin1String(band.prefix)))
            return {band.min, band.max};
    }
    return {0, 0};
}

int genderCode(const QString &label)
{
    if (label == genderTitles().at(0))
        return 0;
    return label == genderTitles().at(1) ? 1 : 2;
}

} // namespace

UserSearchViewController::UserSearchViewController(AppContext &context, QObject *parent)
    : ViewController(context, parent)
{
}

void UserSearchViewController::setNickname(const QString &nickname)
{
    if (nickname == nickname_)
        return;
    nickname_ = nickname;
    emit nicknameChanged();
}

QString UserSearchViewController::sortImage() const
{
    return sort_ == kSortTop ? QStringLiteral("user-sort-top.png")
                             : QStringLiteral("user-sort-nearby.png");
}

QVariantMap UserSearchViewController::queryParameters() const
{
    const auto [ageMin, ageMax] = ageRange(ageText_);
    const SettingsStore &settings = context().settings();
    return {
        {QStringLiteral("nickname"), nickname_},
        {QStringLiteral("sheng"), QString::number(sheng_)},
        {QStringLiteral("shi"), QString::number(shi_)},
        {QStringLiteral("agemin"), QString::number(ageMin)},
        {QStringLiteral("agemax"), QString::number(ageMax)},
        {QStringLiteral("gender"), QString::number(genderCode(genderText_))},
        {QStringLiteral("sort"), sort_},
        {QStringLiteral("lat"), settings.string(SettingsKeys::latitude)},
        {QStringLiteral("lng"), settings.string(SettingsKeys::longitude)},
    };
}

void UserSearchViewController::pickValue(int tag)
{
    switch (tag) {
    case GenderChoice:
        columns_ = {genderTitles()};
        break;
    case AgeChoice:
        columns_ = {ageTitles()};
        break;
    case RegionChoice:
        columns_ = {CityList::sheng(), CityList::shiInShengIndex(0).value_or(QStringList())};
        break;
    default:
        showPicker();
        return;
    }
    selectedRow_ = tag;
    // A new choice starts from the top; the previous one is not restored.
    chosenRows_[0] = 0;
    chosenRows_[1] = 0;
    emit pickerChanged();
    showPicker();
}

void UserSearchViewController::pickerViewDidSelectRow(int row, int component)
{
    if (component < 0 || component >= columns_.size() || row < 0
        || row >= columns_.at(component).size())
        return;
    chosenRows_[component] = row;
    if (selectedRow_ == RegionChoice && component == 0) {
        columns_[1] = CityList::shiInShengIndex(row).value_or(QStringList());
        chosenRows_[1] = 0;
    }
    emit pickerChanged();
}

QString UserSearchViewController::chosenTitle(int component) const
{
    return columns_.value(component).value(chosenRows_[component]);
}

void UserSearchViewController::finishedPicking()
{
    hidePicker();
    switch (selectedRow_) {
    case GenderChoice:
        genderText_ = chosenTitle(0);
        break;
    case AgeChoice:
        ageText_ = chosenTitle(0);
        break;
    case RegionChoice: {
        sheng_ = chosenRows_[0];
        shi_ = chosenRows_[1];
        const QString city = chosenTitle(1);
        cityText_ = city.isEmpty() ? kNoLimit : city;
        break;
    }
    default:
        return;
    }
    emit choicesChanged();
}

void UserSearchViewController::showPicker()
{
    emit keyboardDismissed();
    if (pickerShown_)
        return;
    pickerShown_ = true;
    emit pickerShownChanged();
}

void UserSearchViewController::hidePicker()
{
    if (!pickerShown_)
        return;
    pickerShown_ = false;
    emit pickerShownChanged();
}

void UserSearchViewController::sortBy(int tag)
{
    if (tag != SortNearbyTag && tag != SortTopTag)
        return;
    sort_ = tag == SortNearbyTag ? kSortNearby : kSortTop;
    emit sortChanged();
}

void UserSearchViewController::search()
{
    context().router().openUserSearchResults(queryParameters());
}
