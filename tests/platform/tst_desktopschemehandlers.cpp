// Whether the desktop registers a handler for an address scheme, read from the
// association files in the (test-mode) configuration and applications folders.

#include "platform/DesktopSchemeHandlers.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTest>

class DesktopSchemeHandlersTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        config_ = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
        applications_ = QStandardPaths::writableLocation(QStandardPaths::ApplicationsLocation);
        QVERIFY(QDir().mkpath(config_));
        QVERIFY(QDir().mkpath(applications_));
    }

    void cleanup()
    {
        QFile::remove(config_ + "/mimeapps.list");
        QFile::remove(applications_ + "/mimeinfo.cache");
    }

    void readsTheAssociations()
    {
#if !defined(Q_OS_LINUX) || defined(Q_OS_ANDROID)
        QSKIP("association files are read on Linux desktops only");
#endif
        QVERIFY(DesktopSchemeHandlers::mayHandle("https"));
        if (DesktopSchemeHandlers::mayHandle("tel"))
            QSKIP("the system's own association files register a telephone handler");

        // A removed association or an empty one registers nothing.
        write(config_ + "/mimeapps.list",
              "[Removed Associations]\nx-scheme-handler/tel=dial.desktop\n"
              "[Default Applications]\nx-scheme-handler/tel=\n");
        QVERIFY(!DesktopSchemeHandlers::mayHandle("tel"));

        write(applications_ + "/mimeinfo.cache",
              "[MIME Cache]\nx-scheme-handler/tel=dial.desktop;\n");
        QVERIFY(DesktopSchemeHandlers::mayHandle("tel"));
        QVERIFY(!DesktopSchemeHandlers::mayHandle("te"));
    }

private:
    static void write(const QString &path, const QByteArray &text)
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(text);
    }

    QString config_;
    QString applications_;
};

QTEST_GUILESS_MAIN(DesktopSchemeHandlersTest)
#include "tst_desktopschemehandlers.moc"
