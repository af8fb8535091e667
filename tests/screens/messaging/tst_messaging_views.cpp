// The messaging screens in the real window with real input: typing and Return
// sends, the emoji keyboard's keys, its delete key and its pages, the input bar left
// free by the hub's reminder pop-up, the menu, the conversation list's edit button,
// closing a row and swiping one, the chat log's pages; with
// screenshots of each screen holding Chinese text and emoji.

#include "../../qml/PhoneWindow.h"
#include "MessagingFixture.h"
#include "app/AppShell.h"
#include "app/MainViewController.h"
#include "chat/ChatMessenger.h"
#include "platform/AlertPresenter.h"
#include "platform/Clock.h"
#include "platform/Keyboard.h"
#include "platform/NavigationController.h"
#include "screens/messaging/ChatLogViewController.h"
#include "screens/messaging/ChatRow.h"
#include "screens/messaging/ChatViewController.h"
#include "screens/messaging/MessageBoxViewController.h"
#include "ui/EmojiMapping.h"
#include "ui/SDWebImageManager.h"

#include <QQuickItem>
#include <QQuickWindow>
#include <QTest>

namespace {

const QString kSmile = QString(QChar(0xE415));

// The seeded kind of conversation: long and multi-line texts, apostrophes, emoji.
const QStringList kConversation = {
    QStringLiteral("今晚去哪儿玩？") + kSmile,
    QStringLiteral("老地方见，it's on") + QChar(0xE056),
    QStringLiteral("第一行\n第二行\n第三行"),
    QStringLiteral("我们八点在门口集合，别迟到了，DJ今晚有新歌，据说现场会很热闹") + QChar(0xE022),
    QStringLiteral("好的") + QChar(0xE40D) + QChar(0xE13C),
};

} // namespace

class TestMessagingViews : public QObject {
    Q_OBJECT

    std::unique_ptr<MessagingFixture> fixture_;
    std::unique_ptr<AppShell> shell_;
    std::unique_ptr<PhoneWindow> phone_;
    QQuickWindow *window_ = nullptr;

    AppContext &context() { return fixture_->context(); }
    void showWindow()
    {
        phone_ = std::make_unique<PhoneWindow>(*shell_);
        window_ = phone_->window();
        QVERIFY2(window_, qPrintable(phone_->warningText()));
        QVERIFY(QTest::qWaitForWindowExposed(window_));
    }
    // Opened from the conversation list, as the user would.
    void show(ViewController *screen)
    {
        context().navigation().setViewControllers({new MessageBoxViewController(context()), screen},
                                                  false);
        QVERIFY(phone_->waitUntilIdle());
    }
    // The last shown item of that name in the window's tree (list rows included).
    QQuickItem *item(const QString &objectName)
    {
        QQuickItem *found = nullptr;
        QList<QQuickItem *> pending{window_->contentItem()};
        while (!pending.isEmpty()) {
            QQuickItem *candidate = pending.takeFirst();
            if (!candidate->isVisible())
                continue;
            if (candidate->objectName() == objectName)
                found = candidate;
            pending += candidate->childItems();
        }
        return found;
    }
    QPoint centreOf(QQuickItem *target)
    {
        return target ? target->mapToScene(QPointF(target->width() / 2, target->height() / 2))
                            .toPoint()
                      : QPoint();
    }
    void tap(const QPoint &point) { QTest::mouseClick(window_, Qt::LeftButton, {}, point); }
    void tap(const QString &objectName)
    {
        QQuickItem *target = item(objectName);
        QVERIFY2(target, qPrintable(objectName));
        tap(centreOf(target));
    }
    void screenshot(const QString &name)
    {
        QVERIFY(phone_->waitUntilIdle());
        QVERIFY(phone_->saveScreenshot(name));
        QVERIFY2(phone_->warnings().isEmpty(), qPrintable(phone_->warningText()));
    }
    void storeSeededConversation()
    {
        Database &store = fixture_->store();
        for (qsizetype i = 0; i < kConversation.size(); ++i) {
            ChatMessage message;
            message.senderuid = i % 2 ? MessagingFixture::kMe : MessagingFixture::kPartner;
            message.receiveruid = i % 2 ? MessagingFixture::kPartner : MessagingFixture::kMe;
            message.message = kConversation[i];
            message.time = QStringLiteral("12/31 23:%1").arg(50 + i);
            store.insertChatMessage(message);
        }
    }
    QString fieldText() { return item("composerField")->property("text").toString(); }

private slots:
    void initTestCase() { AppShell::applyFont(); }

    void init()
    {
        fixture_ = std::make_unique<MessagingFixture>();
        // Avatars come from the loopback server, which has none.
        fixture_->test.api().setAllowsUnscriptedPaths(true);
        SDWebImageManager::install(context());
        shell_ = std::make_unique<AppShell>(context());
        QVERIFY(fixture_->signIn());
    }

    void cleanup()
    {
        window_ = nullptr;
        if (phone_)
            phone_->close();
        phone_.reset();
        shell_.reset();
        fixture_.reset();
    }

    void typingAndReturnSends()
    {
        storeSeededConversation();
        showWindow();
        User partner = MessagingFixture::partner();
        partner.avatar = fixture_->test.api().baseUrl() + "/avatars/17.jpg!100";
        auto *screen = new ChatViewController(context(), partner);
        show(screen);
        screenshot("ChatView-conversation");

        tap("composerField");
        QTRY_VERIFY(item("composerField")->hasActiveFocus());
        for (QChar character : QStringLiteral("今晚见 it's"))
            QTest::sendKeyEvent(QTest::Click, window_, Qt::Key_unknown, QString(character),
                                Qt::NoModifier);
        QCOMPARE(screen->composer()->textToSend(), QStringLiteral("今晚见 it's"));
        QTest::keyClick(window_, Qt::Key_Return);
        QTRY_COMPARE(fieldText(), QString());
        QCOMPARE(screen->dataSource()
                     ->recordAt<ChatRow>(screen->dataSource()->count() - 1)
                     ->message.message,
                 QStringLiteral("今晚见 it's"));
        const QList<nuvora::json::Value> sent = fixture_->sent("sendmessage");
        QCOMPARE(sent.size(), 1);
        QCOMPARE(QString::fromStdString(sent[0]["message"].asString()),
                 QStringLiteral("今晚见 it's"));

        // A message arriving now shows at once.
        QVERIFY(fixture_->receive({{"m1", MessagingFixture::kPartner, "马上到" + kSmile}}));
        QCOMPARE(screen->dataSource()->count(), int(kConversation.size()) + 2);
        screenshot("ChatView-sent-and-received");
    }

    void theEmojiKeyboardTypesDeletesAndSends()
    {
        showWindow();
        auto *screen = new ChatViewController(context(), MessagingFixture::partner());
        show(screen);
        tap("emojiButton");
        QTRY_VERIFY(screen->composer()->emojiView());
        QQuickItem *keyboard = item("emojiKeyboard");
        QVERIFY(keyboard);
        QTRY_COMPARE(keyboard->y(), 416.0 - 216);
        // The keyboard's own send key is the one "发送" shown.
        QVERIFY(!item("sendButton"));
        QVERIFY(item("emojiSendKey"));

        // The first key of the first page.
        const QRectF first = EmojiView::keyFrame(0, 0);
        tap(keyboard->mapToScene(first.center()).toPoint());
        QCOMPARE(screen->composer()->textToSend(), kSmile);
        QCOMPARE(fieldText(), EmojiMapping::displayText(kSmile));
        tap(keyboard->mapToScene(EmojiView::keyFrame(0, 1).center()).toPoint());
        screenshot("ChatView-emoji-keyboard");
        tap("emojiDeleteKey");
        QCOMPARE(screen->composer()->textToSend(), kSmile);

        // Dragged to the next page: its first key is the 29th.
        QQuickItem *pages = item("emojiPages");
        const QPoint start = pages->mapToScene(QPointF(280, 100)).toPoint();
        QTest::mousePress(window_, Qt::LeftButton, {}, start);
        for (int step = 1; step <= 12; ++step)
            QTest::mouseMove(window_, start - QPoint(step * 10, 0), 16);
        QTest::mouseRelease(window_, Qt::LeftButton, {}, start - QPoint(120, 0), 16);
        QTRY_COMPARE(screen->composer()->emojiView()->currentPage(), 1);
        QTRY_COMPARE(pages->property("contentX").toDouble(), 320.0);
        tap(keyboard->mapToScene(EmojiView::keyFrame(0, 0).center()).toPoint());
        QCOMPARE(screen->composer()->textToSend(), kSmile + QChar(0xE059));
        screenshot("ChatView-emoji-page-2");

        tap("emojiSendKey");
        QTRY_COMPARE(screen->dataSource()->count(), 1);
        QCOMPARE(fieldText(), QString());
        // Back to the system keyboard: the emoji keyboard goes down.
        tap("keyboardButton");
        QTRY_COMPARE(keyboard->y(), 416.0);
        QVERIFY(item("sendButton"));
        QTRY_VERIFY(item("composerField")->hasActiveFocus());
    }

    void aSystemKeyboardLiftsTheBarAndATapLowersIt()
    {
        storeSeededConversation();
        showWindow();
        auto *screen = new ChatViewController(context(), MessagingFixture::partner());
        show(screen);
        context().keyboard().show(216);
        QQuickItem *bar = item("inputBar");
        QTRY_COMPARE(bar->y(), 379.0 - 216 - 6);
        screenshot("ChatView-system-keyboard");
        tap(centreOf(item("chatTable")));
        QTRY_COMPARE(bar->y(), 373.0);
    }

    void theReminderPopUpLeavesTheInputBarFree()
    {
        fixture_->test.reply(
            "option.php",
            ScriptedReply::json(R"({"status":1,"feed_notify":{"feedremindcount":4}})"));
        showWindow();
        context().navigation().setViewControllers({new MainViewController(context())}, false);
        QVERIFY(phone_->waitUntilIdle());
        auto *pop = window_->findChild<QQuickItem *>(QStringLiteral("notifyPopup"));
        QVERIFY(pop);
        QTRY_VERIFY(pop->isVisible());
        auto *screen = new ChatViewController(context(), MessagingFixture::partner());
        context().navigation().pushViewController(screen, false);
        QVERIFY(phone_->waitUntilIdle());
        QTRY_COMPARE(pop->y(), pop->property("shownY").toReal());
        screenshot("ChatView-reminder");

        // A real click on the line focuses it, and typing reaches it.
        tap("composerField");
        QTRY_VERIFY(item("composerField")->hasActiveFocus());
        for (QChar character : QStringLiteral("到了"))
            QTest::sendKeyEvent(QTest::Click, window_, Qt::Key_unknown, QString(character),
                                Qt::NoModifier);
        QCOMPARE(screen->composer()->textToSend(), QStringLiteral("到了"));
        QVERIFY2(fixture_->test.router().opened.isEmpty(),
                 qPrintable(fixture_->test.router().opened.join(", ")));

        // The pop-up rises with the bar over the emoji keyboard, and still takes its own press.
        tap("emojiButton");
        QQuickItem *bar = item("inputBar");
        QTRY_COMPARE(pop->mapToScene(QPointF(0, pop->height())).y(),
                     bar->mapToScene(QPointF(0, 0)).y());
        tap(centreOf(pop));
        QCOMPARE(fixture_->test.router().last(), QStringLiteral("reminderList"));
    }

    void theMenuAndItsSheets()
    {
        context().clock().setNow(QDateTime(QDate(2024, 12, 31), QTime(23, 0)));
        showWindow();
        auto *screen = new ChatViewController(context(), MessagingFixture::partner());
        show(screen);
        QVERIFY(screen->popViewShowed());
        screenshot("ChatView-menu");
        context().clock().advanceMilliseconds(3000);
        QTRY_COMPARE(item("popView")->y(), screen->popViewY() - 44);
        // The menu's button, in the bar.
        tap("rightTurningButton");
        QVERIFY(screen->popViewShowed());
        QTRY_COMPARE(item("popView")->y(), 40.0 - 44);
        tap("blacklistEntry");
        QVERIFY(context().alerts().isActionSheet());
        screenshot("ChatView-blacklist-sheet");
        context().alerts().answer(1);
        tap("chatLogEntry");
        QCOMPARE(fixture_->test.router().last(), QString("chatLog 17"));
    }

    void theEditButtonTurnsAndARowCloses()
    {
        fixture_->context().clock().setNow(QDateTime(QDate(2025, 1, 1), QTime(0, 30)));
        QVERIFY(fixture_->receive({{"m1", MessagingFixture::kPartner, kConversation[0]},
                                   {"m2", MessagingFixture::kPartner, kConversation[4]},
                                   {"m3", MessagingFixture::kOther, kConversation[3]}}));
        MessageBox old;
        old.senderuid = 40;
        old.nickname = QStringLiteral("去年的朋友");
        old.message = QStringLiteral("新年快乐！") + QChar(0xE022);
        old.time = QStringLiteral("12/31 22:15");
        fixture_->store().insertMessageBox(old);
        showWindow();
        auto *screen = new MessageBoxViewController(context());
        context().navigation().setViewControllers({screen}, false);
        QVERIFY(phone_->waitUntilIdle());
        QCOMPARE(screen->dataSource()->count(), 3);
        screenshot("MessageBoxView");

        tap("rightTurningButton");
        QVERIFY(screen->isEditing());
        QTRY_VERIFY(item("deleteControl"));
        // The avatars make room for the delete controls.
        QTRY_COMPARE(item("avatarButton")->x(), 44.0);
        tap("deleteControl");
        QTRY_VERIFY(item("confirmDeleteButton"));
        screenshot("MessageBoxView-editing");
        tap("confirmDeleteButton");
        QTRY_COMPARE(screen->dataSource()->count(), 2);
        tap("rightTurningButton");
        QVERIFY(!screen->isEditing());
    }

    void aSidewaysSwipeOnARowOpensNothing()
    {
        QVERIFY(fixture_->receive({{"m1", MessagingFixture::kPartner, kConversation[0]}}));
        showWindow();
        context().navigation().setViewControllers({new MessageBoxViewController(context())}, false);
        QVERIFY(phone_->waitUntilIdle());
        QQuickItem *avatar = item("avatarButton");
        QVERIFY(avatar);
        // Across the row's text, quickly, as a thumb flicks.
        const QPoint start = avatar->mapToScene(QPointF(avatar->width() + 150, 20)).toPoint();
        QTest::mousePress(window_, Qt::LeftButton, {}, start);
        for (int step = 1; step <= 6; ++step)
            QTest::mouseMove(window_, start - QPoint(step * 20, 0), 5);
        QTest::mouseRelease(window_, Qt::LeftButton, {}, start - QPoint(120, 0), 5);
        QVERIFY(phone_->waitUntilIdle());
        QCOMPARE(fixture_->test.router().opened, QStringList());
        tap(start);
        QCOMPARE(fixture_->test.router().last(), QString("chat 17"));
    }

    void theChatLogPages()
    {
        fixture_->storeConversation(25);
        storeSeededConversation();
        showWindow();
        auto *log = new ChatLogViewController(context(), MessagingFixture::partner());
        show(new ChatViewController(context(), MessagingFixture::partner()));
        context().navigation().presentViewController(log, false);
        QVERIFY(phone_->waitUntilIdle());
        screenshot("ChatLogView");
        tap("previousPageButton");
        QCOMPARE(log->currentPage(), 1);
        screenshot("ChatLogView-page-2");
        tap("nextPageButton");
        QCOMPARE(log->currentPage(), 0);
    }
};

QTEST_MAIN(TestMessagingViews)
#include "tst_messaging_views.moc"
