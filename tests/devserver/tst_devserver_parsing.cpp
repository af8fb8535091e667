// Tests of the stand-in's own decoders and date rules, without a server.

#include "Dates.h"
#include "FormData.h"

#include <QtTest>

using nuvora::devserver::Dates;
using nuvora::devserver::FormData;

class TestDevServerParsing : public QObject {
    Q_OBJECT

private slots:
    void urlEncodedForms()
    {
        const FormData form =
            FormData::fromUrlEncoded("page=1&nickname=%E5%B0%8F%E9%B9%BF&q=a+b%20c&broken=%G1%4&"
                                     "empty=&noeq&=novalue&page=2");
        QCOMPARE(form.fields.value("nickname"), QStringLiteral("小鹿"));
        QCOMPARE(form.fields.value("q"), QStringLiteral("a b c"));
        QCOMPARE(form.fields.value("broken"), QStringLiteral("%G1%4"));
        QCOMPARE(form.fields.value("empty"), QString());
        QVERIFY(form.fields.contains("noeq"));
        QCOMPARE(form.fields.value("page"), QStringLiteral("2")); // the later value wins
        QVERIFY(!form.fields.contains(QString()));
    }

    void multipartForms()
    {
        const QByteArray body =
            "--B\r\nContent-Disposition: form-data; name=\"nickname\"\r\n\r\n小鹿\r\n"
            "--B\r\nContent-Disposition: form-data; name=\"avatar\"; filename=\"1.jpg\"\r\n"
            "Content-Type: image/jpeg\r\n\r\n\x01\x02\r\n\x03\r\n"
            "--B\r\ncontent-disposition: form-data; name=gender\r\n\r\n2\r\n"
            "--B--";
        const FormData form = FormData::fromBody(body, "multipart/form-data; boundary=B");
        QCOMPARE(form.fields.value("nickname"), QStringLiteral("小鹿"));
        QCOMPARE(form.fields.value("gender"), QStringLiteral("2"));
        QCOMPARE(form.files.value("avatar"), QByteArray("\x01\x02\r\n\x03"));
        QVERIFY(!form.fields.contains("avatar"));

        // Quoted boundaries; a part cut off before its end is dropped.
        const FormData cut =
            FormData::fromBody("--qx\r\nContent-Disposition: form-data; "
                               "name=\"a\"\r\n\r\n1\r\n--qx\r\nContent-Disposition: "
                               "form-data; name=\"b\"\r\n\r\n2",
                               "multipart/form-data; boundary=\"qx\"");
        QCOMPARE(cut.fields.value("a"), QStringLiteral("1"));
        QVERIFY(!cut.fields.contains("b"));
        QVERIFY(FormData::fromBody("junk", "multipart/form-data").fields.isEmpty());
        QVERIFY(FormData::fromBody("--B\r\n\r\n\r\n--B--", "multipart/form-data; boundary=B")
                    .fields.isEmpty());
    }

    void ageAndStarSign()
    {
        const QDate today = QDate::currentDate();
        const QDate birthday = today.addYears(-25).addDays(1);
        QCOMPARE(Dates::age(birthday.toString(QStringLiteral("yyyy-MM-dd"))), 24);
        QCOMPARE(Dates::age(today.addYears(-25).toString(QStringLiteral("yyyy-MM-dd"))), 25);
        QCOMPARE(Dates::age(QStringLiteral("garbage")), 0);
        QCOMPARE(Dates::constellation(QStringLiteral("1990-01-19")), 0);  // 魔羯座
        QCOMPARE(Dates::constellation(QStringLiteral("1990-01-20")), 1);  // 水瓶座
        QCOMPARE(Dates::constellation(QStringLiteral("1990-08-16")), 7);  // 狮子座
        QCOMPARE(Dates::constellation(QStringLiteral("1990-11-23")), 11); // 射手座
        QCOMPARE(Dates::constellation(QStringLiteral("1990-12-22")), 0);  // 魔羯座
        QVERIFY(!Dates::isValidBirthday(QStringLiteral("1990-02-30")));
    }
};

QTEST_GUILESS_MAIN(TestDevServerParsing)
#include "tst_devserver_parsing.moc"
