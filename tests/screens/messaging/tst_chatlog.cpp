// The chat log's controller: pages of 20 with the rules for older and newer pages,
// pages that stay put while messages arrive, clearing, its cells, and closing it
// through the screen that presented it.

#include "MessagingFixture.h"
#include "platform/AlertPresenter.h"
#include "platform/NavigationController.h"
#include "screens/messaging/ChatLogViewController.h"
#include "screens/messaging/ChatRow.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QTest>

class TestChatLog : public QObject {
    Q_OBJECT

    std::unique_ptr<MessagingFixture> fixture_;

    Database &store() { return fixture_->store(); }
    ChatLogViewController &open()
    {
        auto *log = new ChatLogViewController(fixture_->context(), MessagingFixture::partner());
        fixture_->context().navigation().presentViewController(log, false);
        return *log;
    }
    static QStringList texts(const ChatLogViewController &log)
    {
        QStringList result;
        for (int row = 0; row < log.dataSource()->count(); ++row)
            result << log.dataSource()->recordAt<ChatRow>(row)->message.message;
        return result;
    }
    static QString text(int i) { return QStringLiteral("消息 %1").arg(i); }

private slots:
    void init()
    {
        fixture_ = std::make_unique<MessagingFixture>();
        QVERIFY(fixture_->signIn());
    }
    void cleanup() { fixture_.reset(); }

    void aFullPageAllowsAnOlderOne()
    {
        fixture_->storeConversation(20);
        ChatLogViewController &log = open();
        QAbstractItemModelTester tester(log.dataSource(),
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        QCOMPARE(log.dataSource()->count(), 20);
        QCOMPARE(texts(log).first(), text(0));
        QVERIFY(log.loadPreviousEnabled());
        log.previousPage();
        QCOMPARE(log.currentPage(), 1);
        QCOMPARE(log.dataSource()->count(), 0);
        QVERIFY(!log.loadPreviousEnabled());
        log.previousPage();
        QCOMPARE(log.currentPage(), 1);
        log.nextPage();
        QCOMPARE(log.currentPage(), 0);
        QCOMPARE(log.dataSource()->count(), 20);
        // On the newest page already: nothing.
        QSignalSpy changed(&log, &ChatLogViewController::pageChanged);
        log.nextPage();
        QCOMPARE(log.currentPage(), 0);
        QCOMPARE(changed.count(), 0);
    }

    void nineteenAllowNoOlderPage()
    {
        fixture_->storeConversation(19);
        ChatLogViewController &log = open();
        QCOMPARE(log.dataSource()->count(), 19);
        QVERIFY(!log.loadPreviousEnabled());
        log.previousPage();
        QCOMPARE(log.currentPage(), 0);
    }

    void pagesStayPutWhileMessagesArrive()
    {
        fixture_->storeConversation(45);
        ChatLogViewController &log = open();
        QCOMPARE(texts(log).first(), text(25));
        QCOMPARE(texts(log).last(), text(44));
        // Five more arrive while the log is open.
        QVERIFY(fixture_->receive({{"n1", 17, "new 1"},
                                   {"n2", 17, "new 2"},
                                   {"n3", 17, "new 3"},
                                   {"n4", 17, "new 4"},
                                   {"n5", 17, "new 5"}}));
        log.previousPage();
        QCOMPARE(texts(log).first(), text(5));
        QCOMPARE(texts(log).last(), text(24));
        log.previousPage();
        QCOMPARE(texts(log), (QStringList{text(0), text(1), text(2), text(3), text(4)}));
        log.nextPage();
        log.nextPage();
        QCOMPARE(texts(log).last(), text(44));
    }

    void clearingEmptiesTheSummary()
    {
        QVERIFY(fixture_->receive({{"m1", 17, "one"}, {"m2", 17, "last words"}}));
        ChatLogViewController &log = open();
        AlertPresenter &alerts = fixture_->context().alerts();
        log.clearLog();
        QCOMPARE(alerts.alertButtons(),
                 (QStringList{QStringLiteral("清除聊天记录"), QStringLiteral("取消")}));
        alerts.answer(1);
        QCOMPARE(log.dataSource()->count(), 2);
        log.clearLog();
        alerts.answer(0);
        QCOMPARE(log.dataSource()->count(), 0);
        QVERIFY(store().conversationPage(17, 0).isEmpty());
        // Still listed, without the text that is gone.
        const QList<MessageBox> boxes = store().messageBoxesByDate();
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(boxes[0].senderuid, 17);
        QCOMPARE(boxes[0].message, QString());
        QCOMPARE(boxes[0].count, 0);
    }

    void receivedCellsSitFurtherRight()
    {
        fixture_->storeConversation(2);
        ChatLogViewController &log = open();
        const ChatRow received = *log.dataSource()->recordAt<ChatRow>(0);
        const ChatRow sent = *log.dataSource()->recordAt<ChatRow>(1);
        QVERIFY(received.received);
        QCOMPARE(received.labelFrame.x(), 88.0);
        QCOMPARE(received.bubbleFrame.width(), received.labelFrame.width() + 40);
        QVERIFY(!sent.received);
        QCOMPARE(sent.labelFrame.right(), 290.0);

        ChatMessage message;
        message.senderuid = 17;
        message.message = QString(40, QChar(u'夜'));
        QCOMPARE(ChatRow(message, MessagingFixture::partner(), ChatRow::kChatLogLabel)
                     .labelFrame.width(),
                 13.0 * 14);
    }

    void backAsksThePresenterToClose()
    {
        ChatLogViewController &log = open();
        int dismissed = 0;
        QObject presenter;
        log.setDelegate(&presenter, [&] { ++dismissed; });
        log.back();
        QCOMPARE(dismissed, 1);
    }
};

QTEST_MAIN(TestChatLog)
#include "tst_chatlog.moc"
