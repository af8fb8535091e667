// Building chat messages from received batches: fields, avatar address and the
// server's two time units.

#include "api/json/JsonReader.h"
#include "model/ChatMessage.h"

#include <QTest>

namespace json = nuvora::json;

class TestChatMessage : public QObject {
    Q_OBJECT

    static ChatMessage fromText(const char *text)
    {
        return ChatMessage(json::JsonReader().objectWithString(text).value(), 42,
                           "http://img.example");
    }

private slots:
    void initTestCase() { qputenv("TZ", "Asia/Shanghai"); }

    void fieldsOfAReceivedMessage()
    {
        const ChatMessage message =
            fromText("{\"msgid\":\"0012\",\"senduid\":\"7\",\"nickname\":\"小明\",\"avatar\":"
                     "\"u7\",\"message\":\"hi\",\"time\":1700000000}");
        QCOMPARE(message.msgid, QString("0012"));
        QCOMPARE(message.senderuid, 7);
        QCOMPARE(message.receiveruid, 42);
        QCOMPARE(message.nickname, QStringLiteral("小明"));
        QCOMPARE(message.avatar, QString("http://img.example/560/u7.jpg!160"));
        QCOMPARE(message.read, 0);
        QCOMPARE(message.time, QString("11/15 06:13"));
    }

    void secondsAndMillisecondsGiveTheSameTime()
    {
        QCOMPARE(fromText("{\"time\":1000000001000}").time, QString("09/09 09:46"));
        QCOMPARE(fromText("{\"time\":1000000001}").time, QString("09/09 09:46"));
        QCOMPARE(fromText("{\"time\":\"1000000001000\"}").time, QString("09/09 09:46"));
        // Exactly 1e12 is still seconds, tens of thousands of years ahead.
        QCOMPARE(fromText("{\"time\":1000000000000}").time,
                 QDateTime::fromSecsSinceEpoch(1000000000000).toString("MM/dd HH:mm"));
        QVERIFY(fromText("{\"time\":1000000000000}").time != QString("09/09 09:46"));
    }

    void missingOrOddFieldsNeverFail()
    {
        const ChatMessage empty = fromText("{}");
        QCOMPARE(empty.msgid, QString());
        QCOMPARE(empty.senderuid, 0);
        QCOMPARE(empty.time, QString("01/01 08:00"));
        const ChatMessage odd = fromText("{\"senduid\":[1],\"time\":1e300,\"message\":null}");
        QCOMPARE(odd.senderuid, 0);
        QCOMPARE(odd.message, QString());
        QCOMPARE(odd.time, QString("01/01 08:00"));
    }

    void aMessageWrittenHere()
    {
        const ChatMessage message(QDateTime(QDate(2024, 12, 31), QTime(23, 59)));
        QCOMPARE(message.msgid, QString("0"));
        QCOMPARE(message.read, 1);
        QCOMPARE(message.time, QString("12/31 23:59"));
    }
};

QTEST_GUILESS_MAIN(TestChatMessage)
#include "tst_chatmessage.moc"
