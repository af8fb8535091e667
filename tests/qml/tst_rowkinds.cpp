// A list of several row kinds, as the feed shows: each row's delegate is picked by a
// role, and a row holds whole records (a user, a picture) that its delegate reads typed.

#include "app/AppShell.h"
#include "model/Picture.h"
#include "model/User.h"
#include "ui/RecordListModel.h"

#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTest>

namespace {

struct Entry {
    Q_GADGET
    Q_PROPERTY(QString kind MEMBER kind)
    // Read-only: a nested record has no comparison for a write to test.
    Q_PROPERTY(User user MEMBER user CONSTANT)
    Q_PROPERTY(Picture picture MEMBER picture CONSTANT)
public:
    QString kind;
    User user;
    Picture picture;
};

const char *const kList = R"(
import QtQuick
import Qt.labs.qmlmodels
import Nuvora

ListView {
    required property RecordListModel rows
    width: 320
    height: 480
    model: rows
    delegate: DelegateChooser {
        role: "kind"
        DelegateChoice {
            roleValue: "mood"
            PlainText {
                required property user user
                objectName: "moodRow"
                text: user.nickname
            }
        }
        DelegateChoice {
            roleValue: "photo"
            PlainText {
                required property user user
                required property picture picture
                objectName: "photoRow"
                text: user.nickname + " " + picture.img
            }
        }
    }
}
)";

// The texts of the rows named `rowName` among the items under `item`.
QStringList textsOf(QQuickItem *item, const QString &rowName)
{
    QStringList texts;
    if (item->objectName() == rowName)
        texts << item->property("text").toString();
    for (QQuickItem *child : item->childItems())
        texts << textsOf(child, rowName);
    return texts;
}

} // namespace

class tst_RowKinds : public QObject {
    Q_OBJECT
private slots:
    void eachKindHasItsRowAndReadsItsRecords()
    {
        QQmlEngine engine;
        AppShell::configureEngine(engine);
        RecordListModel rows(QMetaType::fromType<Entry>());
        Entry mood{QStringLiteral("mood"), {}, {}};
        mood.user.nickname = QStringLiteral("夜行者");
        Entry photo{QStringLiteral("photo"), {}, {}};
        photo.user.nickname = QStringLiteral("相册达人");
        photo.picture.img = QStringLiteral("http://img/7.jpg!160");
        rows.setRecords({QVariant::fromValue(mood), QVariant::fromValue(photo)});

        QQmlComponent component(&engine);
        component.setData(kList, QUrl(QStringLiteral("qrc:/tst_rowkinds/List.qml")));
        std::unique_ptr<QObject> list(
            component.createWithInitialProperties({{"rows", QVariant::fromValue(&rows)}}));
        QVERIFY2(list, qPrintable(component.errorString()));
        auto *view = qobject_cast<QQuickItem *>(list.get());
        // Rows are made for a list that is shown.
        QQuickWindow window;
        view->setParentItem(window.contentItem());
        window.show();
        QTRY_COMPARE(textsOf(view, QStringLiteral("moodRow")), QStringList{"夜行者"});
        QCOMPARE(textsOf(view, QStringLiteral("photoRow")),
                 QStringList{QStringLiteral("相册达人 http://img/7.jpg!160")});
    }
};

QTEST_MAIN(tst_RowKinds)
#include "tst_rowkinds.moc"
