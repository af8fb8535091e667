// The settings store: what is flushed is read back by the next run exactly,
// the file is the owner's only, and a damaged file is kept rather than lost.

#include "TestContext.h"
#include "platform/SettingsKeys.h"
#include "platform/SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QTest>

namespace json = nuvora::json;

class tst_SettingsStore : public QObject {
    Q_OBJECT
private slots:
    void flushedValuesSurviveARestart();
    void fileIsOwnerOnlyAndWrittenWhole();
    void missingFileReadsAsEmpty();
    void damagedFileIsKeptAside_data();
    void damagedFileIsKeptAside();
    void unflushedChangesAreNotWritten();
};

void tst_SettingsStore::flushedValuesSurviveARestart()
{
    TestContext test;
    SettingsStore &settings = test->settings();
    settings.setString(SettingsKeys::username, QStringLiteral("夜猫子@example.com"));
    settings.setString(SettingsKeys::shi, QString());
    json::Object user;
    user.set("uid", 42);
    user.set("nickname", "小明 \"quoted\"\n");
    settings.setValue(SettingsKeys::defaultUser, json::Value(user));
    settings.setValue(SettingsKeys::feedRemindCount, json::Value(3));
    QVERIFY(settings.flush());

    SettingsStore &reread = test.restart().settings();
    QCOMPARE(reread.string(SettingsKeys::username), QStringLiteral("夜猫子@example.com"));
    QVERIFY(reread.contains(SettingsKeys::shi));
    QCOMPARE(reread.string(SettingsKeys::shi), QString());
    QCOMPARE(reread.value(SettingsKeys::defaultUser), json::Value(user));
    QCOMPARE(reread.integer(SettingsKeys::feedRemindCount), 3);
    QCOMPARE(reread.string(SettingsKeys::feedRemindCount), QStringLiteral("3"));
    // Text that is not a number reads as 0, an object as no text.
    QCOMPARE(reread.integer(SettingsKeys::username), 0);
    QCOMPARE(reread.string(SettingsKeys::defaultUser), QString());
}

void tst_SettingsStore::fileIsOwnerOnlyAndWrittenWhole()
{
    TestContext test;
    test->settings().setString(SettingsKeys::password, QStringLiteral("secret"));
    QVERIFY(test->settings().flush());
    const QFile::Permissions permissions = QFile::permissions(test.settingsPath());
    QCOMPARE(permissions
                 & ~(QFile::ReadUser | QFile::WriteUser | QFile::ReadOwner | QFile::WriteOwner),
             QFile::Permissions());
    QVERIFY(permissions & QFile::ReadOwner);
    // Only the one file: no temporary file left beside it.
    const QStringList files = QDir(test.dataDirectory()).entryList({"settings*"}, QDir::Files);
    QCOMPARE(files, QStringList({"settings.json"}));
}

void tst_SettingsStore::missingFileReadsAsEmpty()
{
    TestContext test;
    QVERIFY(!QFile::exists(test.settingsPath()));
    QCOMPARE(test->settings().string(SettingsKeys::loginToken), QString());
    QCOMPARE(test->settings().integer(SettingsKeys::lastOptionUpdateTime), 0);
    QVERIFY(test->settings().damagedCopyPath().isEmpty());
}

void tst_SettingsStore::damagedFileIsKeptAside_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("truncated") << QByteArray("{\"usernamekey\": \"a@b.c\", \"passw");
    QTest::newRow("not an object") << QByteArray("[1, 2, 3]");
    QTest::newRow("binary") << QByteArray("\x00\xff\xfe garbage", 12);
    QTest::newRow("empty") << QByteArray();
}

void tst_SettingsStore::damagedFileIsKeptAside()
{
    QFETCH(QByteArray, content);
    TestContext test;
    {
        QFile file(test.settingsPath());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    SettingsStore &settings = test.restart().settings();
    QCOMPARE(settings.string(SettingsKeys::username), QString());
    const QString kept = settings.damagedCopyPath();
    QVERIFY(!kept.isEmpty());
    settings.setString(SettingsKeys::username, QStringLiteral("new@example.com"));
    QVERIFY(settings.flush());

    QFile copy(kept);
    QVERIFY(copy.open(QIODevice::ReadOnly));
    QCOMPARE(copy.readAll(), content);
    QCOMPARE(test.restart().settings().string(SettingsKeys::username),
             QStringLiteral("new@example.com"));
}

void tst_SettingsStore::unflushedChangesAreNotWritten()
{
    TestContext test;
    test->settings().setString(SettingsKeys::username, QStringLiteral("kept@example.com"));
    QVERIFY(test->settings().flush());
    test->settings().setString(SettingsKeys::username, QStringLiteral("lost@example.com"));
    QCOMPARE(test.restart().settings().string(SettingsKeys::username),
             QStringLiteral("kept@example.com"));
}

QTEST_GUILESS_MAIN(tst_SettingsStore)
#include "tst_settingsstore.moc"
