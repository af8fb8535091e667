#pragma once
// The three wheels of a date picker (year, month, day) for a birthday: from 1900 to a
// latest date (today), the day following the month's length.

#include <QDate>
#include <QObject>
#include <QtQml/qqmlregistration.h>

class DateWheels : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("held by the screens that pick a date")
    Q_PROPERTY(int year READ year NOTIFY dateChanged)
    Q_PROPERTY(int month READ month NOTIFY dateChanged)
    Q_PROPERTY(int day READ day NOTIFY dateChanged)
    Q_PROPERTY(int daysInMonth READ daysInMonth NOTIFY dateChanged)
    Q_PROPERTY(int minimumYear READ minimumYear CONSTANT)
    Q_PROPERTY(int maximumYear READ maximumYear CONSTANT)
public:
    static constexpr int kMinimumYear = 1900;
    static inline const QString kDateFormat = QStringLiteral("yyyy-MM-dd");

    // The wheels start on `latest`.
    explicit DateWheels(QDate latest, QObject *parent = nullptr);

    QDate date() const { return date_; }
    int year() const { return date_.year(); }
    int month() const { return date_.month(); }
    int day() const { return date_.day(); }
    int daysInMonth() const { return date_.daysInMonth(); }
    int minimumYear() const { return kMinimumYear; }
    int maximumYear() const { return latest_.year(); }
    // The date as a form shows and sends it.
    QString text() const { return date_.toString(kDateFormat); }

    // A turn of the wheels; the date is kept within the years and no later than `latest`.
    Q_INVOKABLE void setDate(int year, int month, int day);
    // Starts on a stored "yyyy-MM-dd" date; other text leaves the wheels as they are.
    void showText(const QString &text);

signals:
    void dateChanged();

private:
    QDate latest_;
    QDate date_;
};
