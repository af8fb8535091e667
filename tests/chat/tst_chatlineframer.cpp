// Framing of the chat stream: lines kept whole across reads, empty pieces
// dropped, and a line without end refused once it passes the limit.

#include "chat/ChatLineFramer.h"

#include <QTest>

using Lines = QList<QByteArray>;

class TestChatLineFramer : public QObject {
    Q_OBJECT

private slots:
    void linesAreCutAtCrLfAndEmptyPiecesDropped()
    {
        ChatLineFramer framer;
        QCOMPARE(framer.appendChunk("{\"a\":1}\r\n\r\n{\"b\":2}\r\n"),
                 (Lines{"{\"a\":1}", "{\"b\":2}"}));
        QCOMPARE(framer.pendingSize(), 0);
        // A lone CR or LF is part of the line.
        QCOMPARE(framer.appendChunk("x\ny\rz\r\n"), (Lines{"x\ny\rz"}));
    }

    void unfinishedLinesJoinTheNextChunk()
    {
        ChatLineFramer framer;
        QCOMPARE(framer.appendChunk("{\"command\":\"al"), Lines{});
        QCOMPARE(framer.appendChunk("ert\"}\r\n{\"c"), (Lines{"{\"command\":\"alert\"}"}));
        // The terminator itself split between two reads.
        QCOMPARE(framer.appendChunk("\":1}\r"), Lines{});
        QCOMPARE(framer.appendChunk("\n"), (Lines{"{\"c\":1}"}));
    }

    void aCharacterSplitAcrossReadsArrivesWhole()
    {
        const QByteArray line = QStringLiteral("{\"info\":\"你好\"}").toUtf8();
        ChatLineFramer framer;
        const qsizetype cut = line.indexOf("\xe4\xbd\xa0") + 1; // inside the first character
        QCOMPARE(framer.appendChunk(line.left(cut)), Lines{});
        const Lines lines = framer.appendChunk(line.mid(cut) + "\r\n");
        QCOMPARE(lines, Lines{line});
        QCOMPARE(QString::fromUtf8(lines[0]), QStringLiteral("{\"info\":\"你好\"}"));
    }

    void aLineBeyondTheLimitOverflows()
    {
        ChatLineFramer framer(8);
        QCOMPARE(framer.appendChunk("12345678\r\n"), Lines{"12345678"});
        QCOMPARE(framer.appendChunk("1234"), Lines{});
        QVERIFY(!framer.overflowed());
        // Lines finished before the long one are still handed out.
        QCOMPARE(framer.appendChunk("5678\r\nok\r\n123456789"), (Lines{"12345678", "ok"}));
        QVERIFY(framer.overflowed());
        QCOMPARE(framer.pendingSize(), 0);
        QCOMPARE(framer.appendChunk("\r\nlater\r\n"), Lines{});
        framer.reset();
        QCOMPARE(framer.appendChunk("later\r\n"), Lines{"later"});

        ChatLineFramer terminated(8);
        // Too long even though its end is in the same chunk.
        QCOMPARE(terminated.appendChunk("123456789\r\n"), Lines{});
        QVERIFY(terminated.overflowed());
    }

    void theDefaultLimitIsOneMebibyte()
    {
        ChatLineFramer framer;
        const QByteArray mebibyte(1024 * 1024, 'x');
        QCOMPARE(framer.appendChunk(mebibyte), Lines{});
        QVERIFY(!framer.overflowed());
        framer.appendChunk("y");
        QVERIFY(framer.overflowed());
    }
};

QTEST_GUILESS_MAIN(TestChatLineFramer)
#include "tst_chatlineframer.moc"
