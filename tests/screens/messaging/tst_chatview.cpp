// The chat screen's controller: the latest messages, sending in order with its
// refusals, live messages of its partner only, the menu's timer on a held clock,
// both action sheets with the blacklist request, the keyboards' layout and the
// emoji keyboard, leaving, and the chat log's return.

#include "MessagingFixture.h"
#include "chat/ChatMessenger.h"
#include "platform/AlertPresenter.h"
#include "platform/Clock.h"
#include "platform/Keyboard.h"
#include "platform/NavigationController.h"
#include "screens/messaging/ChatRow.h"
#include "screens/messaging/ChatViewController.h"
#include "ui/EmojiMapping.h"

#include <QAbstractItemModelTester>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>

#include <sqlite3.h>

namespace {

QString pua(char16_t code)
{
    return QString(QChar(code));
}

QStringList texts(const PagedStoreModel &model)
{
    QStringList result;
    for (int row = 0; row < model.count(); ++row)
        result << model.recordAt<ChatRow>(row)->message.message;
    return result;
}

} // namespace

class TestChatView : public QObject {
    Q_OBJECT

    std::unique_ptr<MessagingFixture> fixture_;
    QPointer<ChatViewController> screen_;

    AlertPresenter &alerts() { return fixture_->context().alerts(); }
    Database &store() { return fixture_->store(); }
    // Pushed over a screen it can go back to.
    ChatViewController &open()
    {
        NavigationController &navigation = fixture_->context().navigation();
        navigation.setViewControllers({new ViewController(fixture_->context())}, false);
        screen_ = new ChatViewController(fixture_->context(), MessagingFixture::partner());
        navigation.pushViewController(screen_, false);
        return *screen_;
    }
    void type(const QString &text) { screen_->composer()->textEdited(text); }
    int storedRows()
    {
        sqlite3_stmt *statement = nullptr;
        sqlite3_prepare_v2(store().database(), "select count(*) from message", -1, &statement,
                           nullptr);
        const int count =
            sqlite3_step(statement) == SQLITE_ROW ? sqlite3_column_int(statement, 0) : -1;
        sqlite3_finalize(statement);
        return count;
    }

private slots:
    void init() { fixture_ = std::make_unique<MessagingFixture>(); }
    void cleanup() { fixture_.reset(); }

    void showsTheLatestTwentyOldestFirst()
    {
        QVERIFY(fixture_->signIn());
        fixture_->storeConversation(25);
        fixture_->storeConversation(3, MessagingFixture::kOther);
        ChatViewController &screen = open();
        QAbstractItemModelTester tester(screen.dataSource(),
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        QCOMPARE(screen.title(), QStringLiteral("小夜'17"));
        const QStringList shown = texts(*screen.dataSource());
        QCOMPARE(shown.size(), 20);
        QCOMPARE(shown.first(), QStringLiteral("消息 5"));
        QCOMPARE(shown.last(), QStringLiteral("消息 24"));

        // Received rows on the left with the partner's avatar, sent ones on the right.
        const ChatRow received = *screen.dataSource()->recordAt<ChatRow>(1); // "消息 6"
        const ChatRow sent = *screen.dataSource()->recordAt<ChatRow>(0);     // "消息 5"
        QVERIFY(received.received);
        QCOMPARE(received.avatar, MessagingFixture::partner().avatar);
        QCOMPARE(received.labelFrame.x(), 78.0);
        QCOMPARE(received.bubbleFrame.width(), received.labelFrame.width() + 40);
        QCOMPARE(received.avatarFrame.bottom(), received.bubbleFrame.bottom() - 3);
        QVERIFY(!sent.received);
        QCOMPARE(sent.labelFrame.right(), 290.0);
        QCOMPARE(sent.bubbleFrame.right(), 310.0);
        QCOMPARE(sent.rowHeight, sent.labelFrame.height() + 55);
    }

    void bubblesFitTheShownText()
    {
        QVERIFY(fixture_->signIn());
        User partner = MessagingFixture::partner();
        ChatMessage message;
        message.senderuid = partner.userId;
        message.message = pua(0xE415);
        const ChatRow emoji(message, partner, ChatRow::kChatScreenLabel);
        QCOMPARE(emoji.text, EmojiMapping::displayText(pua(0xE415)));
        QVERIFY(emoji.labelFrame.width() > 5 && emoji.labelFrame.width() < 40);

        // Long texts fill their lines: as many 14-point characters as fit.
        message.message = QString(80, QChar(u'夜'));
        const ChatRow longText(message, partner, ChatRow::kChatScreenLabel);
        QCOMPARE(longText.labelFrame.width(), 14.0 * 14);
        message.senderuid = MessagingFixture::kMe;
        const ChatRow sentLong(message, partner, ChatRow::kChatScreenLabel);
        QCOMPARE(sentLong.labelFrame.width(), 17.0 * 14);
        QCOMPARE(sentLong.labelFrame.x(), 290.0 - 17 * 14);
        // Narrower lines need more of them.
        QVERIFY(longText.rowHeight > sentLong.rowHeight);

        message.message = "one\ntwo\nthree";
        const ChatRow lines(message, partner, ChatRow::kChatScreenLabel);
        message.message = "one";
        const ChatRow line(message, partner, ChatRow::kChatScreenLabel);
        QVERIFY(lines.labelFrame.height() >= 3 * line.labelFrame.height() - 1);
    }

    void sendingRefusesWhatCannotGoAndKeepsTheText()
    {
        ChatViewController &screen = open();
        // Nothing typed: nothing happens.
        screen.sendChatMessage();
        QCOMPARE(alerts().alertCount(), 0);

        // No connection.
        type("hello");
        screen.composer()->send();
        QCOMPARE(alerts().alertTitle(), QStringLiteral("无法发送"));
        QCOMPARE(alerts().alertMessage(), QStringLiteral("网络连接异常,请稍后再试"));
        alerts().answer(0);
        QCOMPARE(screen.composer()->text(), QString("hello"));

        // Connected, but the store has not opened yet: refused too, nothing sent.
        QVERIFY(fixture_->connect());
        screen.sendChatMessage();
        QCOMPARE(alerts().alertMessage(), QStringLiteral("网络连接异常,请稍后再试"));
        alerts().answer(0);
        QCOMPARE(screen.composer()->text(), QString("hello"));

        // Too long, counted in UTF-16 units.
        QVERIFY(fixture_->serverSays("{\"command\":\"login\",\"status\":0}\r\n"));
        QVERIFY(store().isOpen());
        type(QString(501, QChar(u'a')));
        screen.sendChatMessage();
        QCOMPARE(alerts().alertMessage(), QStringLiteral("您发送的消息太长"));
        alerts().answer(0);
        QCOMPARE(screen.composer()->textToSend().size(), 501);
        QCOMPARE(storedRows(), 0);
        QCOMPARE(screen.dataSource()->count(), 0);
        QVERIFY(fixture_->sent("sendmessage").isEmpty());
    }

    void sendingStoresShowsAndSendsInOrder()
    {
        QVERIFY(fixture_->signIn());
        QVERIFY(fixture_->receive({{"m1", MessagingFixture::kPartner, "在吗"}}));
        ChatViewController &screen = open();
        QSignalSpy scrolled(&screen, &ChatViewController::scrollToLastRow);
        QSignalSpy resets(screen.dataSource(), &QAbstractItemModel::modelReset);

        // Exactly 500 units go, the keyboard's emoji as they are.
        const QString text = QString(499, QChar(u'好')) + pua(0xE415);
        screen.composer()->emojiViewDidSelect(QString(499, QChar(u'好')));
        screen.composer()->emojiViewDidSelect(pua(0xE415));
        QCOMPARE(screen.composer()->text(), EmojiMapping::displayText(text));
        screen.composer()->emojiViewShouldSend();
        QCOMPARE(alerts().alertCount(), 0);
        QVERIFY(screen.composer()->text().isEmpty());

        QCOMPARE(texts(*screen.dataSource()), (QStringList{QStringLiteral("在吗"), text}));
        QCOMPARE(resets.count(), 0);
        QCOMPARE(scrolled.count(), 1);
        const ChatRow row = *screen.dataSource()->recordAt<ChatRow>(1);
        QVERIFY(!row.received);
        QVERIFY(row.localmsgid() > 0);
        // The summary takes the text and forgets the unread message.
        const MessageBox box = store().messageBoxesByDate().value(0);
        QCOMPARE(box.count, 0);
        QCOMPARE(box.message, text);
        QCOMPARE(box.nickname, QStringLiteral("小夜'17"));
        // The command carries the row's own local id.
        const QList<nuvora::json::Value> sent = fixture_->sent("sendmessage");
        QCOMPARE(sent.size(), 1);
        QCOMPARE(sent[0]["touid"].toInteger(), MessagingFixture::kPartner);
        QCOMPARE(QString::fromStdString(sent[0]["localmsgid"].asString()),
                 QString::number(row.localmsgid()));
        QCOMPARE(QString::fromStdString(sent[0]["message"].asString()), text);
    }

    void aMessageLostWithTheConnectionIsReported()
    {
        QVERIFY(fixture_->signIn());
        ChatViewController &screen = open();
        type("稍等");
        screen.sendChatMessage();
        fixture_->chat->disconnectSocket();
        QCOMPARE(alerts().alertTitle(), QStringLiteral("无法发送"));
        QCOMPARE(alerts().alertMessage(), QStringLiteral("网络连接异常,请稍后再试"));
        // The row stays as it is.
        QCOMPARE(texts(*screen.dataSource()), QStringList{QStringLiteral("稍等")});
        QCOMPARE(storedRows(), 1);
    }

    void newMessagesOfThePartnerOnlyAreAppended()
    {
        QVERIFY(fixture_->signIn());
        fixture_->storeConversation(2);
        ChatViewController &screen = open();
        QAbstractItemModelTester tester(screen.dataSource(),
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        QSignalSpy scrolled(&screen, &ChatViewController::scrollToLastRow);
        QSignalSpy resets(screen.dataSource(), &QAbstractItemModel::modelReset);

        QVERIFY(fixture_->receive({{"m1", MessagingFixture::kPartner, "one"},
                                   {"m2", MessagingFixture::kOther, "not here"},
                                   {"m3", MessagingFixture::kPartner, "two"}}));
        QCOMPARE(texts(*screen.dataSource()),
                 (QStringList{QStringLiteral("消息 0"), QStringLiteral("消息 1"), "one", "two"}));
        QCOMPARE(scrolled.count(), 1);
        QCOMPARE(resets.count(), 0);

        // The server re-sends the batch with one more: only that one is new.
        QVERIFY(fixture_->receive({{"m1", MessagingFixture::kPartner, "one"},
                                   {"m3", MessagingFixture::kPartner, "two"},
                                   {"m4", MessagingFixture::kPartner, "three"}}));
        QCOMPARE(texts(*screen.dataSource()).mid(2), (QStringList{"one", "two", "three"}));
        QCOMPARE(scrolled.count(), 2);
        // Only a third user's message: nothing moves.
        QVERIFY(fixture_->receive({{"m5", MessagingFixture::kOther, "elsewhere"}}));
        QCOMPARE(screen.dataSource()->count(), 5);
        QCOMPARE(scrolled.count(), 2);
    }

    void theStoreOpeningFillsAnOpenScreen()
    {
        QVERIFY(fixture_->connect());
        ChatViewController &screen = open();
        QCOMPARE(screen.dataSource()->count(), 0);
        // Written while the store was closed to the screen, as an earlier session left it.
        {
            Database earlier(QDir(fixture_->context().documentsDirectory()).filePath("ChatLog"),
                             fixture_->context().clock());
            earlier.openDatabase(QStringLiteral("user2.sqlite3"));
            ChatMessage message;
            message.senderuid = MessagingFixture::kPartner;
            message.receiveruid = MessagingFixture::kMe;
            message.message = "from before";
            earlier.insertChatMessage(message);
        }
        QVERIFY(fixture_->serverSays("{\"command\":\"login\",\"status\":0}\r\n"));
        QCOMPARE(texts(*screen.dataSource()), QStringList{"from before"});
    }

    void theMenuHidesAfterThreeSecondsOfTheHeldClock()
    {
        Clock &clock = fixture_->context().clock();
        clock.setNow(QDateTime(QDate(2024, 5, 6), QTime(22, 0)));
        ChatViewController &screen = open();
        QVERIFY(screen.popViewShowed());
        QCOMPARE(screen.popViewY(), 40.0);
        QCOMPARE(screen.moreButton()->degrees(), 45.0);
        clock.advanceMilliseconds(2999);
        QVERIFY(screen.popViewShowed());
        clock.advanceMilliseconds(1);
        QVERIFY(!screen.popViewShowed());
        QCOMPARE(screen.popViewY(), 40.0 - screen.popViewHeight());
        QCOMPARE(screen.moreButton()->degrees(), 0.0);

        screen.more();
        QVERIFY(screen.popViewShowed());
        QCOMPARE(screen.moreButton()->degrees(), 45.0);
        screen.more();
        QVERIFY(!screen.popViewShowed());
    }

    void theUserTakingTheMenuStopsItsTimer()
    {
        Clock &clock = fixture_->context().clock();
        clock.setNow(QDateTime(QDate(2024, 5, 6), QTime(22, 0)));
        ChatViewController &screen = open();
        clock.advanceMilliseconds(1000);
        screen.more(); // closed by hand
        screen.more(); // and opened again
        clock.advanceMilliseconds(5000);
        QVERIFY(screen.popViewShowed());
    }

    void theBlacklistSheetSendsOneRequest()
    {
        fixture_->test.reply("home_blacklist.php",
                             ScriptedReply::json(R"({"status":1,"message":"ok"})"));
        ChatViewController &screen = open();
        screen.addToBlackList();
        QVERIFY(alerts().isActionSheet());
        QCOMPARE(alerts().alertTitle(), QStringLiteral("是否将对方加入黑名单"));
        QCOMPARE(alerts().alertButtons(),
                 (QStringList{QStringLiteral("加入黑名单"), QStringLiteral("取消")}));
        alerts().answer(1);
        QCOMPARE(fixture_->test.requestsTo("home_blacklist.php"), 0);

        // Confirmed twice while the first request runs: one request.
        screen.addToBlackList();
        alerts().answer(0);
        QVERIFY(screen.isBlacklisting());
        screen.addToBlackList();
        alerts().answer(0);
        QTRY_VERIFY(!screen.isBlacklisting());
        QCOMPARE(fixture_->test.requestsTo("home_blacklist.php"), 1);
        QCOMPARE(fixture_->test.lastFormOf("home_blacklist.php"),
                 (QList<QPair<QString, QString>>{{"uid", "17"}}));
        QCOMPARE(alerts().alertTitle(), QStringLiteral("成功加入黑名单"));
        QCOMPARE(alerts().alertMessage(), QStringLiteral("你可以在系统设置里面管理黑名单列表"));
        alerts().answer(0);

        // Refused: the reply's message is the title.
        fixture_->test.reply("home_blacklist.php",
                             ScriptedReply::json(R"({"status":0,"message":"已经在黑名单中"})"));
        screen.addToBlackList();
        alerts().answer(0);
        QTRY_COMPARE(alerts().alertTitle(), QStringLiteral("已经在黑名单中"));
        QVERIFY(alerts().alertMessage().isEmpty());
    }

    void theSecondSheetOpensTheLogOrBlacklists()
    {
        fixture_->test.reply("home_blacklist.php",
                             ScriptedReply::json(R"({"status":1,"message":"ok"})"));
        ChatViewController &screen = open();
        screen.showActionSheet();
        QCOMPARE(alerts().alertButtons(),
                 (QStringList{QStringLiteral("查看消息记录"), QStringLiteral("加入黑名单"),
                              QStringLiteral("取消")}));
        alerts().answer(0);
        QCOMPARE(fixture_->test.router().last(), QString("chatLog 17"));
        QCOMPARE(fixture_->test.requestsTo("home_blacklist.php"), 0);

        screen.showActionSheet();
        alerts().answer(2);
        QCOMPARE(fixture_->test.requestsTo("home_blacklist.php"), 0);
        screen.showActionSheet();
        alerts().answer(1);
        QTRY_COMPARE(fixture_->test.requestsTo("home_blacklist.php"), 1);

        screen.checkUserHomePage();
        QCOMPARE(fixture_->test.router().last(), QString("userHome 17"));
    }

    void theChatLogReturnsToAReloadedConversation()
    {
        QVERIFY(fixture_->signIn());
        fixture_->storeConversation(3);
        ChatViewController &screen = open();
        screen.checkChatLog();
        store().clearConversation(MessagingFixture::kPartner);
        fixture_->test.router().dismissChatLog();
        QCOMPARE(fixture_->test.router().last(), QString("closeChatLog"));
        QCOMPARE(screen.dataSource()->count(), 0);
    }

    void leavingMarksTheConversationRead()
    {
        QVERIFY(fixture_->signIn());
        open();
        QVERIFY(fixture_->receive({{"m1", MessagingFixture::kPartner, "one"},
                                   {"m2", MessagingFixture::kPartner, "two"}}));
        QCOMPARE(store().unreadMessageBoxes().value(0).count, 2);
        fixture_->context().navigation().popViewController(false);
        QVERIFY(store().unreadMessageBoxes().isEmpty());
        QCOMPARE(store().conversationPage(MessagingFixture::kPartner, 0).size(), 2);
        sqlite3_stmt *statement = nullptr;
        sqlite3_prepare_v2(store().database(), "select count(*) from message where read = 0", -1,
                           &statement, nullptr);
        QCOMPARE(sqlite3_step(statement), SQLITE_ROW);
        QCOMPARE(sqlite3_column_int(statement, 0), 0);
        sqlite3_finalize(statement);
    }

    void keyboardsMoveTheTableAndTheBar()
    {
        QVERIFY(fixture_->signIn());
        fixture_->storeConversation(3);
        ChatViewController &screen = open();
        Composer &composer = *screen.composer();
        InputBarLayout &layout = *composer.layout();
        QCOMPARE(layout.tableHeight(), 379.0);
        QCOMPARE(layout.inputBarY(), 373.0);
        QVERIFY(!layout.tapClosesKeyboard());
        QSignalSpy scrolled(&screen, &ChatViewController::scrollToLastRow);
        QSignalSpy resigned(&composer, &Composer::inputResignRequested);

        Keyboard &keyboard = fixture_->context().keyboard();
        keyboard.show(253);
        QCOMPARE(layout.tableHeight(), 126.0);
        QCOMPARE(layout.inputBarY(), 120.0);
        QVERIFY(layout.tapClosesKeyboard());
        QVERIFY(layout.emojiButtonVisible());
        QCOMPARE(scrolled.count(), 1);
        keyboard.hide();
        QCOMPARE(layout.tableHeight(), 379.0);
        QVERIFY(!layout.tapClosesKeyboard());

        // The emoji keyboard, made on first use.
        QVERIFY(!composer.emojiView());
        composer.pickEmoji();
        QVERIFY(composer.emojiView());
        QVERIFY(layout.keyboardButtonVisible());
        QCOMPARE(layout.tableHeight(), 379.0 - 216);
        QCOMPARE(layout.emojiKeyboardY(), 416.0 - 216);
        QCOMPARE(resigned.count(), 1);
        // A tap on the table closes it.
        composer.dismissKeyboard();
        QCOMPARE(resigned.count(), 2);
        QCOMPARE(layout.tableHeight(), 379.0);
        QCOMPARE(layout.emojiKeyboardY(), 416.0);
        // A tap with no keyboard up does nothing.
        composer.dismissKeyboard();
        QCOMPARE(resigned.count(), 2);

        EmojiView *emoji = composer.emojiView();
        composer.pickEmoji();
        QCOMPARE(composer.emojiView(), emoji);
        QSignalSpy focused(&composer, &Composer::inputFocusRequested);
        composer.switchToKeyboard();
        QCOMPARE(focused.count(), 1);
        QVERIFY(layout.emojiButtonVisible());
        QCOMPARE(layout.tableHeight(), 379.0);

        // The screen stops following the keyboard once it leaves.
        fixture_->context().navigation().popViewController(false);
        keyboard.show(200);
        QCOMPARE(layout.tableHeight(), 379.0);
    }

    void theEmojiKeysEditTheInputLine()
    {
        ChatViewController &screen = open();
        screen.composer()->pickEmoji();
        EmojiView &emoji = *screen.composer()->emojiView();
        // Deleting an empty line leaves it empty.
        emoji.deleteKey();
        QVERIFY(screen.composer()->text().isEmpty());
        type(QStringLiteral("好") + QString::fromUcs4(U"\U0001F600"));
        emoji.selectKey(0);
        QCOMPARE(screen.composer()->textToSend(),
                 QStringLiteral("好") + QString::fromUcs4(U"\U0001F600") + pua(0xE415));
        emoji.deleteKey();
        QCOMPARE(screen.composer()->textToSend(),
                 QStringLiteral("好") + QString::fromUcs4(U"\U0001F600"));
        // A surrogate pair goes whole.
        emoji.deleteKey();
        QCOMPARE(screen.composer()->textToSend(), QStringLiteral("好"));
    }
};

QTEST_MAIN(TestChatView)
#include "tst_chatview.moc"
