// End-to-end tests of the stand-in's web host, account scripts, envelope,
// images and its handling of bad input, over real HTTP.

#include "ApiTestClient.h"
#include "DevServerProcess.h"

#include <QBuffer>
#include <QImage>
#include <QRegularExpression>
#include <QTcpSocket>
#include <QtTest>

namespace {

QByteArray jpeg(int width, int height, QColor color = Qt::magenta)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(color);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG");
    return bytes;
}

bool isChinese(const QString &text)
{
    static const QRegularExpression cjk(QStringLiteral("[\\x{4e00}-\\x{9fff}]"));
    return cjk.match(text).hasMatch();
}

QString str(const nuvora::json::Value &value)
{
    return QString::fromStdString(value.toText());
}

} // namespace

class TestDevServerApi : public QObject {
    Q_OBJECT

private:
    DevServerProcess server_;
    int registrations_ = 0;

    ApiTestClient signedInDemo()
    {
        ApiTestClient client(server_.webHost());
        if (!client.signIn(server_.demoEmail(), server_.demoPassword()))
            qWarning("demo sign-in failed");
        return client;
    }

    ApiTestClient::Params registration(const QString &email)
    {
        return {{QStringLiteral("email"), email},
                {QStringLiteral("password"), QStringLiteral("secret12")},
                {QStringLiteral("lat"), QStringLiteral("31.230000")},
                {QStringLiteral("lng"), QStringLiteral("121.470000")},
                {QStringLiteral("nickname"), QStringLiteral("新来的")},
                {QStringLiteral("birthday"), QStringLiteral("1995-03-25")},
                {QStringLiteral("gender"), QStringLiteral("2")}};
    }

    QString freshEmail() { return QStringLiteral("new%1@example.com").arg(++registrations_); }

private slots:
    void initTestCase() { QVERIFY2(server_.start(), qPrintable(server_.errorString())); }

    void configurationDocumentNamesBothServers()
    {
        ApiTestClient client(server_.webHost());
        const ApiReply reply = client.get(QStringLiteral("/m/iphone2.0.0.json"));
        QCOMPARE(reply.httpStatus, 200);
        QCOMPARE(str(reply["api"]["host"]), QStringLiteral("127.0.0.1"));
        QCOMPARE(reply["api"]["port"].toInteger(), server_.httpPort());
        QCOMPARE(reply["message"]["port"].toInteger(), server_.chatPort());
        for (const char *page : {"/m/getpassword.php", "/m/about.php"}) {
            const ApiReply html = client.get(QString::fromLatin1(page));
            QCOMPARE(html.httpStatus, 200);
            QVERIFY(isChinese(QString::fromUtf8(html.body)));
        }
    }

    void signInGivesSessionAndEnvelope()
    {
        ApiTestClient client(server_.webHost());
        const ApiReply reply =
            client.call(QStringLiteral("account_login.php"),
                        {{QStringLiteral("password"), server_.demoPassword()},
                         {QStringLiteral("email"), server_.demoEmail().toUpper()}});
        QCOMPARE(reply.status(), 1);
        QVERIFY(!str(reply["logintoken"]).isEmpty());
        QCOMPARE(str(reply["user"]["nickname"]), QStringLiteral("夜色体验官"));
        QVERIFY(reply["user"]["uid"].isString()); // numeric text, as the service sends it
        QVERIFY(str(reply["user"]["avatar"]).startsWith(server_.webHost() + "/560/"));
        QVERIFY(reply["feed_notify"].isObject());
        QVERIFY(reply["feed_notify"]["feedremindcount"].toInteger() > 0);

        client.setToken(str(reply["logintoken"]));
        const ApiReply info = client.call(QStringLiteral("my_userinfo.php"));
        QCOMPARE(info.status(), 1);
        QCOMPARE(info["user"]["uid"], reply["user"]["uid"]);
        QCOMPARE(info["feed_notify"]["userinfoversion"].toInteger(),
                 info["user"]["userinfoversion"].toInteger());
    }

    void signInFailuresAreExplained_data()
    {
        QTest::addColumn<QString>("email");
        QTest::addColumn<QString>("password");
        QTest::newRow("wrong password")
            << QStringLiteral("demo@nuvora.cn") << QStringLiteral("nope123");
        QTest::newRow("unknown user")
            << QStringLiteral("nobody@nuvora.cn") << QStringLiteral("x123456");
        QTest::newRow("empty e-mail") << QString() << QStringLiteral("x123456");
        QTest::newRow("empty password") << QStringLiteral("demo@nuvora.cn") << QString();
    }

    void signInFailuresAreExplained()
    {
        QFETCH(QString, email);
        QFETCH(QString, password);
        ApiTestClient client(server_.webHost());
        const ApiReply reply =
            client.call(QStringLiteral("account_login.php"),
                        {{QStringLiteral("email"), email}, {QStringLiteral("password"), password}});
        QVERIFY(reply.status() != 1);
        QVERIFY(isChinese(reply.message()));
        QVERIFY(!reply.json->find("feed_notify"));
    }

    void registrationChecksEmailThenCreatesWithAvatar()
    {
        ApiTestClient client(server_.webHost());
        const ApiReply taken = client.call(QStringLiteral("account_register.php"),
                                           {{QStringLiteral("email"), server_.demoEmail()},
                                            {QStringLiteral("do"), QStringLiteral("email")}});
        QVERIFY(taken.status() != 1);
        QVERIFY(isChinese(taken.message()));
        const ApiReply invalid =
            client.call(QStringLiteral("account_register.php"),
                        {{QStringLiteral("email"), QStringLiteral("not-an-address")},
                         {QStringLiteral("do"), QStringLiteral("email")}});
        QVERIFY(invalid.status() != 1);

        const QString email = freshEmail();
        const ApiReply free = client.call(
            QStringLiteral("account_register.php"),
            {{QStringLiteral("email"), email}, {QStringLiteral("do"), QStringLiteral("email")}});
        QCOMPARE(free.status(), 1);

        const ApiReply created =
            client.upload(QStringLiteral("account_register.php"), registration(email),
                          QStringLiteral("avatar"), jpeg(300, 300));
        QCOMPARE(created.status(), 1);
        QCOMPARE(str(created["user"]["nickname"]), QStringLiteral("新来的"));
        QCOMPARE(created["user"]["gender"].toInteger(), 2);
        QCOMPARE(created["user"]["xingzuo"].toInteger(), 3); // 白羊座
        const QString avatar = str(created["user"]["avatar"]);
        QVERIFY(avatar.startsWith(server_.webHost()));

        // The avatar is served in full and in the scaled variants.
        const QString path = QUrl(avatar).path();
        QImage full = QImage::fromData(client.get(path).body);
        QCOMPARE(full.size(), QSize(300, 300));
        QCOMPARE(QImage::fromData(client.get(path + "!100").body).size(), QSize(100, 100));
        QCOMPARE(QImage::fromData(client.get(path + "!160").body).size(), QSize(160, 160));
        QCOMPARE(QImage::fromData(client.get(path + "!200").body).width(), 200);
        QCOMPARE(client.get(path + "!300").httpStatus, 404);

        // The new session works at once, and the address is now taken.
        client.setToken(str(created["logintoken"]));
        QCOMPARE(client.call(QStringLiteral("my_userinfo.php")).status(), 1);
        const ApiReply again =
            client.upload(QStringLiteral("account_register.php"), registration(email),
                          QStringLiteral("avatar"), jpeg(300, 300));
        QVERIFY(again.status() != 1);
    }

    void registrationRefusesBadInput_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("withAvatar");
        QTest::newRow("short password") << "password"
                                        << "12345" << true;
        QTest::newRow("long password") << "password"
                                       << "12345678901234567" << true;
        QTest::newRow("no nickname") << "nickname"
                                     << "  " << true;
        QTest::newRow("bad birthday") << "birthday"
                                      << "1995-13-45" << true;
        QTest::newRow("future birthday") << "birthday"
                                         << "2999-01-01" << true;
        QTest::newRow("bad gender") << "gender"
                                    << "7" << true;
        QTest::newRow("bad latitude") << "lat"
                                      << "north" << true;
        QTest::newRow("no avatar") << "nickname"
                                   << "ok" << false;
    }

    void registrationRefusesBadInput()
    {
        QFETCH(QString, field);
        QFETCH(QString, value);
        QFETCH(bool, withAvatar);
        ApiTestClient client(server_.webHost());
        ApiTestClient::Params params = registration(freshEmail());
        for (auto &pair : params) {
            if (pair.first == field)
                pair.second = value;
        }
        const ApiReply reply =
            client.upload(QStringLiteral("account_register.php"), params,
                          withAvatar ? QStringLiteral("avatar") : QString(), jpeg(50, 50));
        QVERIFY(reply.status() != 1);
        QVERIFY2(isChinese(reply.message()), qPrintable(reply.message()));
    }

    void avatarThatIsNoImageIsRefused()
    {
        ApiTestClient client(server_.webHost());
        const ApiReply reply =
            client.upload(QStringLiteral("account_register.php"), registration(freshEmail()),
                          QStringLiteral("avatar"), QByteArray("GIF89a not really"));
        QVERIFY(reply.status() != 1);
        QVERIFY(isChinese(reply.message()));
    }

    void signOutEndsTheSession()
    {
        ApiTestClient client = signedInDemo();
        QCOMPARE(client.call(QStringLiteral("logout.php")).status(), 1);
        const ApiReply after = client.call(QStringLiteral("my_userinfo.php"));
        QVERIFY(after.status() != 1);
        QVERIFY(isChinese(after.message()));
        QVERIFY(!after.json->find("feed_notify"));
    }

    void passwordChangeChecksTheOldOne()
    {
        ApiTestClient client(server_.webHost());
        QVERIFY(client.signIn(QStringLiteral("user5@nuvora.cn"), QStringLiteral("password5")));
        const ApiReply wrong =
            client.call(QStringLiteral("my_password.php"),
                        {{QStringLiteral("oldpassword"), QStringLiteral("guess123")},
                         {QStringLiteral("password"), QStringLiteral("newpass1")}});
        QVERIFY(wrong.status() != 1);
        const ApiReply tooShort =
            client.call(QStringLiteral("my_password.php"),
                        {{QStringLiteral("oldpassword"), QStringLiteral("password5")},
                         {QStringLiteral("password"), QStringLiteral("123")}});
        QVERIFY(tooShort.status() != 1);
        QCOMPARE(client
                     .call(QStringLiteral("my_password.php"),
                           {{QStringLiteral("oldpassword"), QStringLiteral("password5")},
                            {QStringLiteral("password"), QStringLiteral("newpass1")}})
                     .status(),
                 1);
        ApiTestClient other(server_.webHost());
        QVERIFY(!other.signIn(QStringLiteral("user5@nuvora.cn"), QStringLiteral("password5")));
        QVERIFY(other.signIn(QStringLiteral("user5@nuvora.cn"), QStringLiteral("newpass1")));
    }

    void profileEditsGrowTheVersion()
    {
        ApiTestClient client(server_.webHost());
        QVERIFY(client.signIn(QStringLiteral("user6@nuvora.cn"), QStringLiteral("password6")));
        const qint64 before =
            client.call(QStringLiteral("my_userinfo.php"))["feed_notify"]["userinfoversion"]
                .toInteger();
        const ApiReply edited =
            client.upload(QStringLiteral("my_info_edit.php"),
                          {{QStringLiteral("nickname"), QStringLiteral("改名了")},
                           {QStringLiteral("shengao"), QStringLiteral("172")},
                           {QStringLiteral("about"), QStringLiteral("你好 & 再见")}},
                          QStringLiteral("avatar"), jpeg(120, 120));
        QCOMPARE(edited.status(), 1);
        QCOMPARE(str(edited["user"]["nickname"]), QStringLiteral("改名了"));
        QCOMPARE(str(edited["user"]["about"]), QStringLiteral("你好 & 再见"));
        QCOMPARE(edited["user"]["shengao"].toInteger(), 172);
        QVERIFY(edited["feed_notify"]["userinfoversion"].toInteger() > before);

        const ApiReply cover = client.upload(QStringLiteral("my_bander_upload.php"), {},
                                             QStringLiteral("img"), jpeg(640, 300));
        QCOMPARE(cover.status(), 1);
        QVERIFY(str(cover["bander"]).startsWith(server_.webHost()));

        const ApiReply privacy =
            client.call(QStringLiteral("my_info_privacy.php"),
                        {{QStringLiteral("ischat"), QStringLiteral("1")},
                         {QStringLiteral("defaultphotoremark"), QStringLiteral("0")},
                         {QStringLiteral("defaultmoodremark"), QStringLiteral("1")}});
        QCOMPARE(privacy.status(), 1);
        const ApiReply user = client.call(QStringLiteral("my_userinfo.php"));
        QCOMPARE(user["user"]["ischat"].toInteger(), 1);
        QCOMPARE(user["user"]["defaultmoodremark"].toInteger(), 1);

        const ApiReply badHeight =
            client.call(QStringLiteral("my_info_edit.php"),
                        {{QStringLiteral("shengao"), QStringLiteral("tall")}});
        QVERIFY(badHeight.status() != 1);
        QVERIFY(isChinese(badHeight.message()));
    }

    void optionsAndRegionLookup()
    {
        ApiTestClient client(server_.webHost());
        const ApiReply options = client.call(QStringLiteral("option.php"));
        QCOMPARE(options.status(), 1);
        QCOMPARE(str(options["version"]), QStringLiteral("2.0.0"));
        QVERIFY(!str(options["guanggao"]["index"]["img"]).isEmpty());
        QCOMPARE(options["guanggao"]["club"].asArray().size(), size_t(3));
        QCOMPARE(options["guanggao"]["party"].asArray().size(), size_t(3));

        const ApiReply shanghai = client.call(
            QStringLiteral("lbs.php"), {{QStringLiteral("lat"), QStringLiteral("31.240000")},
                                        {QStringLiteral("lng"), QStringLiteral("121.500000")}});
        QCOMPARE(shanghai.status(), 1);
        QCOMPARE(shanghai["sheng_id"].toInteger(), 25);
        QCOMPARE(shanghai["shi_id"].toInteger(), 1);
        const ApiReply ocean = client.call(QStringLiteral("lbs.php"),
                                           {{QStringLiteral("lat"), QStringLiteral("0")},
                                            {QStringLiteral("lng"), QStringLiteral("-150")}});
        QVERIFY(ocean.status() != 1);
        QVERIFY(isChinese(ocean.message()));
        QVERIFY(
            client.call(QStringLiteral("lbs.php"), {{QStringLiteral("lat"), QStringLiteral("abc")}})
                .status()
            != 1);
    }

    void unknownPathsAre404()
    {
        ApiTestClient client(server_.webHost());
        QCOMPARE(client.call(QStringLiteral("no_such_script.php")).httpStatus, 404);
        QCOMPARE(client.get(QStringLiteral("/elsewhere")).httpStatus, 404);
        QCOMPARE(client.get(QStringLiteral("/560/nothing.jpg")).httpStatus, 404);
        QCOMPARE(client.get(QStringLiteral("/560/../devserver.sqlite3")).httpStatus, 404);
    }

    void signedInScriptsNeedASession()
    {
        ApiTestClient client(server_.webHost());
        client.setToken(QStringLiteral("forged-token"));
        const ApiReply reply = client.call(QStringLiteral("user_nearby.php"));
        QVERIFY(reply.status() != 1);
        QVERIFY(isChinese(reply.message()));
    }

    void malformedParametersGetAChineseMessage_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("value");
        QTest::newRow("page text") << "user_nearby.php"
                                   << "page"
                                   << "first";
        QTest::newRow("page zero") << "party.php"
                                   << "page"
                                   << "0";
        QTest::newRow("gender range") << "user_nearby.php"
                                      << "gender"
                                      << "9";
        QTest::newRow("uid missing") << "home.php"
                                     << "x"
                                     << "1";
        QTest::newRow("uid unknown") << "home.php"
                                     << "uid"
                                     << "99999";
        QTest::newRow("clid text") << "club_show.php"
                                   << "clid"
                                   << "abc";
        QTest::newRow("pid negative") << "party_show.php"
                                      << "pid"
                                      << "-4";
        QTest::newRow("feedid text") << "my_feed_city.php"
                                     << "feedid"
                                     << "latest";
        QTest::newRow("sort unknown") << "club.php"
                                      << "sort"
                                      << "random";
        QTest::newRow("empty mood") << "my_mood_post.php"
                                    << "content"
                                    << "   ";
        QTest::newRow("report type") << "jubao.php"
                                     << "type"
                                     << "spam";
        QTest::newRow("huge number") << "photo_show.php"
                                     << "pid"
                                     << "99999999999999999999999";
    }

    void malformedParametersGetAChineseMessage()
    {
        QFETCH(QString, script);
        QFETCH(QString, name);
        QFETCH(QString, value);
        ApiTestClient client = signedInDemo();
        const ApiReply reply = client.call(script, {{name, value}});
        QCOMPARE(reply.httpStatus, 200);
        QVERIFY(reply.status() != 1);
        QVERIFY2(isChinese(reply.message()), qPrintable(reply.message()));
    }

    void captionsAndMoodsTakeUpTo260Utf16Units()
    {
        ApiTestClient client(server_.webHost());
        QVERIFY(client.signIn(QStringLiteral("user61@nuvora.cn"), QStringLiteral("password61")));
        // 130 emoji are 130 characters but 260 UTF-16 units: the most the server takes,
        // past the client's own limits; one more character is refused.
        const QString most = QString::fromUtf8("🍺").repeated(130);
        const QString over = most + QStringLiteral("啊");

        QCOMPARE(
            client.call(QStringLiteral("my_mood_post.php"), {{QStringLiteral("content"), most}})
                .status(),
            1);
        QCOMPARE(str(client.call(QStringLiteral("my_userinfo.php"))["user"]["mood"]), most);
        const ApiReply longMood =
            client.call(QStringLiteral("my_mood_post.php"), {{QStringLiteral("content"), over}});
        QCOMPARE(longMood.status(), 0);
        QVERIFY(isChinese(longMood.message()));

        const ApiReply photo =
            client.upload(QStringLiteral("my_photo_upload.php"), {{QStringLiteral("text"), most}},
                          QStringLiteral("img"), jpeg(32, 32));
        QCOMPARE(photo.status(), 1);
        QCOMPARE(str(photo["photo"]["text"]), most);
        const ApiReply longCaption =
            client.upload(QStringLiteral("my_photo_upload.php"), {{QStringLiteral("text"), over}},
                          QStringLiteral("img"), jpeg(32, 32));
        QCOMPARE(longCaption.status(), 0);
        QVERIFY(isChinese(longCaption.message()));
    }

    void oversizedBodyIs413()
    {
        ApiTestClient client = signedInDemo();
        const QByteArray huge(16 * 1024 * 1024 + 1, 'a');
        const ApiReply reply = client.post(QStringLiteral("/iphone/2.0/yijian.php"),
                                           "content=" + huge, "application/x-www-form-urlencoded");
        QCOMPARE(reply.httpStatus, 413);
        QCOMPARE(client.call(QStringLiteral("my_userinfo.php")).status(), 1);
    }

    void brokenBodiesAndDroppedClientsDoNotHurt()
    {
        ApiTestClient client = signedInDemo();
        // A multipart body without its closing boundary, and one with no boundary at all.
        const ApiReply truncated = client.post(QStringLiteral("/iphone/2.0/my_photo_upload.php"),
                                               "--XYZ\r\nContent-Disposition: form-data; "
                                               "name=\"text\"\r\n\r\nhi\r\n--XYZ\r\nContent-Dispo",
                                               "multipart/form-data; boundary=XYZ");
        QVERIFY(truncated.status() != 1);
        QVERIFY(client
                    .post(QStringLiteral("/iphone/2.0/my_photo_upload.php"), "garbage",
                          "multipart/form-data")
                    .status()
                != 1);
        // Percent escapes that lead nowhere are kept as text.
        QVERIFY(client
                    .post(QStringLiteral("/iphone/2.0/yijian.php"), "content=%E4%B8%A&%%%=%zz",
                          "application/x-www-form-urlencoded")
                    .status()
                == 1);

        // A client that announces a body and hangs up halfway.
        QTcpSocket dropper;
        dropper.connectToHost(QStringLiteral("127.0.0.1"), server_.httpPort());
        QVERIFY(dropper.waitForConnected(5000));
        dropper.write("POST /iphone/2.0/account_login.php HTTP/1.1\r\nHost: x\r\n"
                      "Content-Length: 1000\r\n\r\nemail=a");
        dropper.waitForBytesWritten(1000);
        dropper.abort();
        // And one that sends no HTTP at all.
        QTcpSocket noise;
        noise.connectToHost(QStringLiteral("127.0.0.1"), server_.httpPort());
        QVERIFY(noise.waitForConnected(5000));
        noise.write(QByteArray(4096, '\x01') + "\r\n\r\n");
        noise.waitForBytesWritten(1000);
        noise.waitForReadyRead(500);
        noise.abort();

        QCOMPARE(client.call(QStringLiteral("my_userinfo.php")).status(), 1);
        QCOMPARE(server_.process().state(), QProcess::Running);
    }

    void resetRestoresTheSeed()
    {
        ApiTestClient client(server_.webHost());
        const QString email = freshEmail();
        const ApiReply created =
            client.upload(QStringLiteral("account_register.php"), registration(email),
                          QStringLiteral("avatar"), jpeg(64, 64));
        QCOMPARE(created.status(), 1);
        client.setToken(str(created["logintoken"]));
        const ApiReply reset = client.get(QStringLiteral("/dev/reset"));
        QCOMPARE(reset["reset"].asBool(), true);
        QCOMPARE(client.call(QStringLiteral("my_userinfo.php")).status(),
                 2); // sessions are gone too
        QVERIFY(!client.signIn(email, QStringLiteral("secret12")));
        QVERIFY(client.signIn(server_.demoEmail(), server_.demoPassword()));
        QVERIFY(client.call(QStringLiteral("my_userinfo.php"))["feed_notify"]["feedremindcount"]
                    .toInteger()
                > 0);
    }

    void terminatesCleanlyOnSigterm()
    {
        DevServerProcess other;
        QVERIFY2(other.start(false), qPrintable(other.errorString()));
        other.process().terminate();
        QVERIFY(other.process().waitForFinished(5000));
        QCOMPARE(other.process().exitStatus(), QProcess::NormalExit);
        QCOMPARE(other.process().exitCode(), 0);
    }
};

QTEST_GUILESS_MAIN(TestDevServerApi)
#include "tst_devserver_api.moc"
