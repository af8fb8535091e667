// Presses and keys reach only the front-most layer, in the real window with real pointer
// and key events: a modal screen, an alert, an action sheet, the notice, the hub's pop-up
// and a screen transition each take the press over the button under them, draw themselves
// over a visible picture of the covered screen, and hide the covered controls from the
// screen reader; a covered field takes no keys and has them again once uncovered. The
// back keys close the front layer first; Return submits a form; a resized window shows
// the whole phone, centred, and presses still land on what they show.

#include "ClientTestContext.h"
#include "PhoneWindow.h"
#include "app/AppShell.h"
#include "app/LoginViewController.h"
#include "app/MainViewController.h"
#include "app/RegisterStepOneViewController.h"
#include "chat/ChatService.h"
#include "chat/Database.h"
#include "platform/AlertPresenter.h"
#include "platform/NavigationController.h"
#include "platform/SettingsKeys.h"
#include "platform/SettingsStore.h"
#include "screens/people/LocationViewController.h"
#include "screens/people/UserSearchViewController.h"

#include <QAccessible>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTest>

namespace {

struct Control {
    QString name;
    QAccessible::Role role;
    QRect rect; // in window coordinates
    bool shown = false;
};

void collect(QAccessibleInterface *node, QQuickWindow *window, QList<Control> *controls)
{
    for (int i = 0; i < node->childCount(); ++i) {
        QAccessibleInterface *child = node->child(i);
        if (!child)
            continue;
        const QString name = child->text(QAccessible::Name);
        if (!name.isEmpty()) {
            const QRect global = child->rect();
            controls->append({name, child->role(),
                              QRect(window->mapFromGlobal(global.topLeft()), global.size()),
                              !child->state().invisible});
        }
        collect(child, window, controls);
    }
}

// Every named control of the window, as a screen reader would find it.
QList<Control> controlsOf(QQuickWindow *window)
{
    QList<Control> controls;
    if (QAccessibleInterface *root = QAccessible::queryAccessibleInterface(window))
        collect(root, window, &controls);
    return controls;
}

QStringList shownNames(QQuickWindow *window)
{
    QStringList names;
    for (const Control &control : controlsOf(window)) {
        if (control.shown)
            names << control.name;
    }
    return names;
}

} // namespace

class tst_Input : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void modalScreenTakesThePress();
    void alertsTakeThePress_data();
    void alertsTakeThePress();
    void popUpTakesThePress();
    void pressDuringATransitionIsIgnored();
    void keysReachOnlyTheFrontLayer();
    void returnSubmitsAndBackKeysCloseTheFrontLayerFirst();
    void resizedWindowShowsThePhoneWholeAndCentred();

private:
    AppContext &context() { return test_->context(); }
    void showWindow();
    LoginViewController *showLogin();
    // Waits until no screen slides and the picture is current.
    void waitUntilIdle();
    // The window position of the shown button (or other control) named `name`; a null
    // point when there is none.
    QPoint centreOf(const QString &name, QAccessible::Role role = QAccessible::Button);
    void tap(const QPoint &point);
    // Types `keys` into the window, one key press each.
    void type(const char *keys);
    QColor pixelAt(const QPoint &point);
    // How many pixels of `rect` are of the neon pink (red well above green and blue).
    int pinkPixelsIn(const QRect &rect);

    std::unique_ptr<ClientTestContext> test_;
    std::unique_ptr<AppShell> shell_;
    std::unique_ptr<PhoneWindow> phone_;
    QQuickWindow *window_ = nullptr;
};

void tst_Input::initTestCase()
{
    AppShell::applyFont();
    QAccessible::setActive(true);
}

void tst_Input::init()
{
    test_ = std::make_unique<ClientTestContext>();
    shell_ = std::make_unique<AppShell>(context());
}

void tst_Input::cleanup()
{
    window_ = nullptr;
    if (phone_)
        phone_->close();
    phone_.reset();
    shell_.reset();
    test_.reset();
}

void tst_Input::showWindow()
{
    phone_ = std::make_unique<PhoneWindow>(*shell_);
    window_ = phone_->window();
    QVERIFY2(window_, qPrintable(phone_->warningText()));
    QVERIFY(QTest::qWaitForWindowExposed(window_));
}

LoginViewController *tst_Input::showLogin()
{
    auto *login = new LoginViewController(context());
    context().navigation().setViewControllers({login}, false);
    return login;
}

void tst_Input::waitUntilIdle()
{
    QVERIFY(phone_->waitUntilIdle());
}

QPoint tst_Input::centreOf(const QString &name, QAccessible::Role role)
{
    for (const Control &control : controlsOf(window_)) {
        if (control.shown && control.name == name && control.role == role)
            return control.rect.center();
    }
    qWarning() << "no control" << name << "among" << shownNames(window_);
    return {};
}

void tst_Input::tap(const QPoint &point)
{
    QTest::mousePress(window_, Qt::LeftButton, {}, point);
    QTest::mouseRelease(window_, Qt::LeftButton, {}, point, 40);
}

void tst_Input::type(const char *keys)
{
    for (const char *key = keys; *key; ++key)
        QTest::keyClick(window_, *key);
}

QColor tst_Input::pixelAt(const QPoint &point)
{
    const QImage image = window_->grabWindow();
    return image.pixelColor(point * image.devicePixelRatio());
}

int tst_Input::pinkPixelsIn(const QRect &rect)
{
    const QImage image = window_->grabWindow();
    const qreal scale = image.devicePixelRatio();
    int pink = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        for (int x = rect.left(); x <= rect.right(); ++x) {
            const QColor color = image.pixelColor(QPoint(x, y) * scale);
            pink += color.red() > 30 && color.red() > 2 * color.green();
        }
    }
    return pink;
}

void tst_Input::modalScreenTakesThePress()
{
    test_->reply("lbs.php", ScriptedReply::json(R"({"status":1,"sheng_id":25,"shi_id":1})"));
    showWindow();
    showLogin();
    waitUntilIdle();
    const QPoint registerButton = centreOf(QStringLiteral("注册"));
    QVERIFY(!registerButton.isNull());

    context().navigation().presentViewController(new LocationViewController(context()), true);
    waitUntilIdle();
    QTRY_VERIFY(shownNames(window_).contains(QStringLiteral("上海")));
    // The sign-in screen's controls are not offered while the region screen covers them.
    const QStringList shown = shownNames(window_);
    QVERIFY2(!shown.contains(QStringLiteral("注册")), qPrintable(shown.join(", ")));
    QVERIFY(!shown.contains(QStringLiteral("忘记密码")));

    // "确定" sits where "注册" sits on the sign-in screen.
    const QPoint confirm = centreOf(QStringLiteral("确定"));
    QVERIFY(!confirm.isNull());
    QVERIFY((confirm - registerButton).manhattanLength() < 40);
    tap(confirm);
    QCOMPARE(context().settings().string(SettingsKeys::shi), QStringLiteral("1"));
    QVERIFY2(!test_->router().opened.contains(QStringLiteral("registration")),
             qPrintable(test_->router().opened.join(", ")));

    context().navigation().dismissViewController(true);
    waitUntilIdle();
    QTRY_VERIFY(shownNames(window_).contains(QStringLiteral("注册")));
}

void tst_Input::alertsTakeThePress_data()
{
    QTest::addColumn<int>("kind");
    QTest::newRow("alert") << 0;
    QTest::newRow("action sheet") << 1;
    QTest::newRow("notice") << 2;
}

void tst_Input::alertsTakeThePress()
{
    QFETCH(int, kind);
    showWindow();
    showLogin();
    waitUntilIdle();
    const QPoint registerButton = centreOf(QStringLiteral("注册"));
    const QPoint loginButton = centreOf(QStringLiteral("登录"));
    QVERIFY(!registerButton.isNull() && !loginButton.isNull());
    const QPoint middle(window_->width() / 2, window_->height() / 2);
    const QColor middleBefore = pixelAt(middle);
    QRect logo;
    for (const Control &control : controlsOf(window_)) {
        if (control.name == QStringLiteral("Nuvora"))
            logo = control.rect;
    }
    const int logoBefore = pinkPixelsIn(logo);
    QVERIFY(logoBefore > 100);

    AlertPresenter &alerts = context().alerts();
    QObject owner;
    int answered = -1;
    const auto answer = [&answered](int index) { answered = index; };
    switch (kind) {
    case 0:
        alerts.showAlert(QStringLiteral("确认"), QStringLiteral("继续吗？"), QStringLiteral("取消"),
                         {QStringLiteral("继续")}, 0, &owner, answer);
        break;
    case 1:
        alerts.showActionSheet(QString(), QStringLiteral("取消"), QString(),
                               {QStringLiteral("举报")}, &owner, answer);
        break;
    case 2:
        alerts.setNoticeMilliseconds(60000);
        alerts.showAutoHiddenNotice(QStringLiteral("已报名活动"));
        break;
    }
    QTRY_VERIFY(!shownNames(window_).contains(QStringLiteral("注册")));

    // What covers the screen is drawn, and the covered screen stays on screen under it.
    QTRY_VERIFY2(pixelAt(middle) != middleBefore, "nothing was drawn over the screen");
    QVERIFY2(pinkPixelsIn(logo) > logoBefore / 2, "the covered screen is not drawn");

    tap(registerButton);
    tap(loginButton);
    QVERIFY2(test_->router().opened.isEmpty(), qPrintable(test_->router().opened.join(", ")));
    QCOMPARE(test_->api().requests().size(), 0);
    QCOMPARE(alerts.alertCount(), kind == 2 ? 0 : 1);

    if (kind != 2) {
        tap(centreOf(kind == 0 ? QStringLiteral("继续") : QStringLiteral("举报")));
        QCOMPARE(answered, kind == 0 ? 1 : 0);
        QVERIFY(!alerts.alertVisible());
        QVERIFY(test_->router().opened.isEmpty());
        QTRY_VERIFY(shownNames(window_).contains(QStringLiteral("注册")));
    }
}

void tst_Input::popUpTakesThePress()
{
    test_->reply("option.php",
                 ScriptedReply::json(R"({"status":1,"feed_notify":{"feedremindcount":4}})"));
    test_->reply("my_feed_remind.php", ScriptedReply::json(R"({"status":1,"message":""})"));
    ChatService::install(context()).database().openDatabase(QStringLiteral("user2.sqlite3"));
    showWindow();
    auto *hub = new MainViewController(context());
    context().navigation().setViewControllers({hub}, false);
    waitUntilIdle();
    const QString popUp = QStringLiteral("你有4条新提醒，点击查看详情");
    auto *pop = window_->findChild<QQuickItem *>(QStringLiteral("notifyPopup"));
    QVERIFY(pop);
    QTRY_COMPARE(pop->y(), pop->property("shownY").toReal());

    // The pop-up lies over the menu: its press opens the reminders and no section.
    tap(centreOf(popUp));
    QCOMPARE(test_->router().opened, QStringList{QStringLiteral("reminderList")});
}

void tst_Input::pressDuringATransitionIsIgnored()
{
    showWindow();
    showLogin();
    waitUntilIdle();
    const QPoint loginButton = centreOf(QStringLiteral("登录"));
    QVERIFY(!loginButton.isNull());

    context().navigation().pushViewController(new RegisterStepOneViewController(context()), true);
    tap(loginButton);
    waitUntilIdle();
    // Neither the leaving sign-in screen nor the arriving form took the press.
    QCOMPARE(context().alerts().alertCount(), 0);
    QCOMPARE(test_->api().requests().size(), 0);
    QVERIFY(shownNames(window_).contains(QStringLiteral("下一步")));
}

void tst_Input::keysReachOnlyTheFrontLayer()
{
    test_->reply("lbs.php", ScriptedReply::json(R"({"status":1,"sheng_id":25,"shi_id":1})"));
    showWindow();
    LoginViewController *login = showLogin();
    waitUntilIdle();
    const QPoint email = centreOf(QStringLiteral("邮箱"), QAccessible::EditableText);
    QVERIFY(!email.isNull());
    tap(email);
    type("ab");
    QCOMPARE(login->email(), QStringLiteral("ab"));

    AlertPresenter &alerts = context().alerts();
    QObject owner;
    alerts.showAlert(QStringLiteral("确认"), QStringLiteral("继续吗？"), QStringLiteral("取消"),
                     {QStringLiteral("继续")}, 0, &owner, [](int) {});
    QTRY_VERIFY(!shownNames(window_).contains(QStringLiteral("注册")));
    type("cd");
    QCOMPARE(login->email(), QStringLiteral("ab"));
    tap(centreOf(QStringLiteral("继续")));
    QVERIFY(!alerts.alertVisible());

    context().navigation().presentViewController(new LocationViewController(context()), true);
    waitUntilIdle();
    QTRY_VERIFY(shownNames(window_).contains(QStringLiteral("上海")));
    type("ef");
    QCOMPARE(login->email(), QStringLiteral("ab"));

    // Uncovered, the field has its keys again without a press.
    context().navigation().dismissViewController(true);
    waitUntilIdle();
    QTRY_VERIFY(shownNames(window_).contains(QStringLiteral("注册")));
    type("gh");
    QCOMPARE(login->email(), QStringLiteral("abgh"));
}

void tst_Input::returnSubmitsAndBackKeysCloseTheFrontLayerFirst()
{
    showWindow();
    showLogin();
    waitUntilIdle();
    tap(centreOf(QStringLiteral("邮箱"), QAccessible::EditableText));
    AlertPresenter &alerts = context().alerts();
    QTest::keyClick(window_, Qt::Key_Return);
    QTRY_VERIFY(alerts.alertVisible());
    QCOMPARE(alerts.alertButtons(), QStringList{LoginViewController::kJokeButton});
    QTest::keyClick(window_, Qt::Key_Escape);
    QVERIFY(!alerts.alertVisible());

    NavigationController &navigation = context().navigation();
    auto *search = new UserSearchViewController(context());
    navigation.pushViewController(search, false);
    waitUntilIdle();
    int answered = -1;
    QObject owner;
    alerts.showActionSheet(QString(), QStringLiteral("取消"), QStringLiteral("删除"), {}, &owner,
                           [&answered](int index) { answered = index; });
    QTRY_VERIFY(!shownNames(window_).contains(QStringLiteral("搜索")));
    // The sheet goes with its cancel button; the screen under it stays.
    QTest::keyClick(window_, Qt::Key_Left, Qt::AltModifier);
    QCOMPARE(answered, 1);
    QCOMPARE(navigation.topViewController(), search);
    QTest::keyClick(window_, Qt::Key_Escape);
    QTRY_COMPARE(navigation.depth(), 1);
    waitUntilIdle();
    // The bottom screen has nowhere to go back to.
    QTest::keyClick(window_, Qt::Key_Escape);
    QCOMPARE(navigation.depth(), 1);
}

void tst_Input::resizedWindowShowsThePhoneWholeAndCentred()
{
    showWindow();
    showLogin();
    waitUntilIdle();
    window_->resize(900, 700);
    auto *phone = window_->findChild<QQuickItem *>(QStringLiteral("phone"));
    QVERIFY(phone);
    QTRY_COMPARE(window_->width(), 900);
    const auto sceneRect = [phone] {
        return phone->mapRectToScene(QRectF(0, 0, phone->width(), phone->height()));
    };
    QTRY_COMPARE(qRound(sceneRect().height()), 700);
    const QRectF shown = sceneRect();
    QCOMPARE(qRound(shown.left()), qRound(900 - shown.right()));
    QVERIFY(shown.width() > 400);
    waitUntilIdle();
    tap(centreOf(QStringLiteral("注册")));
    QCOMPARE(test_->router().last(), QStringLiteral("registration"));
}

QTEST_MAIN(tst_Input)
#include "tst_input.moc"
