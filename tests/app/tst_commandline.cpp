// The client's command line and its environment fallbacks.

#include "app/CommandLine.h"

#include <QTest>

class tst_CommandLine : public QObject {
    Q_OBJECT
private slots:
    void optionsWinOverTheEnvironment();
    void environmentAndDefaults();
    void malformedValuesAreRejected_data();
    void malformedValuesAreRejected();
    void pushIsRecognisedBeforeAnyApplication();
};

void tst_CommandLine::optionsWinOverTheEnvironment()
{
    QProcessEnvironment environment;
    environment.insert("NUVORA_WEB_HOST", "http://env.host");
    environment.insert("NUVORA_DATA_DIR", "/env/data");
    CommandLine commandLine;
    QVERIFY(commandLine.parse({"nuvora", "--web-host", "http://127.0.0.1:8080", "--data-dir",
                               "/tmp/n", "--position", "31.2304, 121.4737", "--push",
                               R"({"type":1})", "-platform", "offscreen"},
                              environment));
    QCOMPARE(commandLine.options().webHost, QUrl("http://127.0.0.1:8080"));
    QCOMPARE(commandLine.options().dataDirectory, QStringLiteral("/tmp/n"));
    QCOMPARE(commandLine.options().fixedPosition, QGeoCoordinate(31.2304, 121.4737));
    QCOMPARE(commandLine.pushPayload(), std::optional<QByteArray>(R"({"type":1})"));
}

void tst_CommandLine::environmentAndDefaults()
{
    QProcessEnvironment environment;
    environment.insert("NUVORA_POSITION", "-33.8688,151.2093");
    CommandLine commandLine;
    QVERIFY(commandLine.parse({"nuvora"}, environment));
    QCOMPARE(commandLine.options().webHost, CommandLine::kDefaultWebHost);
    QVERIFY(!commandLine.options().dataDirectory.isEmpty());
    QCOMPARE(commandLine.options().fixedPosition, QGeoCoordinate(-33.8688, 151.2093));
    QVERIFY(!commandLine.pushPayload());

    CommandLine noPosition;
    QVERIFY(noPosition.parse({"nuvora"}, QProcessEnvironment()));
    QVERIFY(!noPosition.options().fixedPosition);
}

void tst_CommandLine::malformedValuesAreRejected_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("position not numbers") << QStringList({"nuvora", "--position", "north,east"});
    QTest::newRow("latitude out of range") << QStringList({"nuvora", "--position", "91,0"});
    QTest::newRow("one number") << QStringList({"nuvora", "--position", "31.2"});
    QTest::newRow("web host without scheme") << QStringList({"nuvora", "--web-host", "localhost"});
}

void tst_CommandLine::malformedValuesAreRejected()
{
    QFETCH(QStringList, arguments);
    CommandLine commandLine;
    QVERIFY(!commandLine.parse(arguments, QProcessEnvironment()));
    QVERIFY(!commandLine.error().isEmpty());
}

void tst_CommandLine::pushIsRecognisedBeforeAnyApplication()
{
    QByteArray program("nuvora"), push("--push"), payload("{}"), pushEq("--push={}"),
        other("--pushy");
    char *withPush[] = {program.data(), push.data(), payload.data()};
    char *withEquals[] = {program.data(), pushEq.data()};
    char *without[] = {program.data(), other.data()};
    QVERIFY(CommandLine::wantsPush(3, withPush));
    QVERIFY(CommandLine::wantsPush(2, withEquals));
    QVERIFY(!CommandLine::wantsPush(2, without));
}

QTEST_GUILESS_MAIN(tst_CommandLine)
#include "tst_commandline.moc"
