// The party sign-up form and album against a scripted API: the cursor in the name field,
// the checks in their order on trimmed fields, the characters each field takes, sending
// (the commit button gives way to the indicator), success confirmed then the form closed,
// a failure keeping what was typed; the album read as the photos' own records.

#include "ClientTestContext.h"
#include "model/Picture.h"
#include "platform/AlertPresenter.h"
#include "platform/NavigationController.h"
#include "screens/venues/PartyJoinViewController.h"
#include "screens/venues/VenueAlbumsViewController.h"

#include <QPointer>
#include <QTest>

using Form = QList<QPair<QString, QString>>;

class PartyJoinTest : public QObject {
    Q_OBJECT
private slots:
    void init() { test_ = std::make_unique<ClientTestContext>(); }
    void cleanup() { test_.reset(); }

    void checksInTheirOrder_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("tel");
        QTest::addColumn<QString>("count");
        QTest::addColumn<QString>("alert");
        QTest::newRow("nothing") << ""
                                 << ""
                                 << ""
                                 << "请提供联系人姓名";
        QTest::newRow("blank name") << "  \u3000"
                                    << "138"
                                    << "2"
                                    << "请提供联系人姓名";
        QTest::newRow("no telephone") << "小王"
                                      << ""
                                      << "2"
                                      << "请提供联系电话";
        QTest::newRow("blank telephone") << "小王"
                                         << "   "
                                         << "2"
                                         << "请提供联系电话";
        QTest::newRow("no number") << "小王"
                                   << "13800138000"
                                   << ""
                                   << "请提供出席人数";
        QTest::newRow("zero people") << "小王"
                                     << "13800138000"
                                     << "00"
                                     << "请提供出席人数";
        QTest::newRow("more than a party holds") << "小王"
                                                 << "13800138000"
                                                 << "100"
                                                 << "出席人数请填写1到99";
        QTest::newRow("too many to count") << "小王"
                                           << "13800138000"
                                           << "99999999999"
                                           << "出席人数请填写1到99";
        QTest::newRow("telephone too short") << "小王"
                                             << "+86 123"
                                             << "2"
                                             << "联系电话至少需要7位数字";
    }

    void checksInTheirOrder()
    {
        QFETCH(QString, name);
        QFETCH(QString, tel);
        QFETCH(QString, count);
        QFETCH(QString, alert);
        PartyJoinViewController *form = show(30);
        form->setName(name);
        form->setTel(tel);
        form->setCount(count);
        form->commit();
        QCOMPARE(test_->context().alerts().alertTitle(), alert);
        QCOMPARE(test_->requestsTo("party_join_post.php"), 0);
    }

    void fieldsTakeTheirCharactersOnly()
    {
        PartyJoinViewController *form = show(30);
        form->setTel(QStringLiteral("+86 (21) 6321-0000#8*转a"));
        QCOMPARE(form->tel(), QStringLiteral("+86 (21) 6321-0000#8*"));
        form->setCount(QStringLiteral(" 1,5人"));
        QCOMPARE(form->count(), QStringLiteral("15"));
        form->setCount(QStringLiteral("-3"));
        QCOMPARE(form->count(), QStringLiteral("3"));
        // The view's validators say the same.
        QVERIFY(
            QRegularExpression("^" + form->telCharacters() + "$").match("+86 (21)-#*").hasMatch());
        QVERIFY(!QRegularExpression("^" + form->countCharacters() + "$").match("1.5").hasMatch());
    }

    void sendsTrimmedFieldsThenConfirmsAndCloses()
    {
        ScriptedReply ok = ScriptedReply::json(R"({"status":1,"message":"报名成功"})");
        ok.delayMs = 100;
        test_->reply("party_join_post.php", ok);
        auto *below = new ViewController(test_->context());
        test_->context().navigation().setViewControllers({below}, false);
        QPointer<PartyJoinViewController> form = show(30);
        QCOMPARE(form->focusedField(), QStringLiteral("name"));
        form->setName(QStringLiteral("  夜色体验官 "));
        form->setTel(QStringLiteral(" 13800138000 "));
        form->setCount(QStringLiteral("02"));
        form->commit();
        QVERIFY(form->isSending());
        form->commit();
        QTRY_VERIFY(!form->isSending());
        QCOMPARE(test_->requestsTo("party_join_post.php"), 1);
        const Form sent = test_->lastFormOf("party_join_post.php");
        QCOMPARE(
            sent,
            (Form{{"count", "2"}, {"name", "夜色体验官"}, {"pid", "30"}, {"tel", "13800138000"}}));

        AlertPresenter &alerts = test_->context().alerts();
        QCOMPARE(alerts.alertTitle(), QStringLiteral("报名成功！"));
        QCOMPARE(alerts.alertButtons(), QStringList{"确定"});
        QCOMPARE(test_->context().navigation().topViewController(), form.data());
        alerts.answer(0);
        QCOMPARE(test_->context().navigation().topViewController(), below);
    }

    void failureKeepsWhatWasTyped()
    {
        test_->reply(
            "party_join_post.php",
            ScriptedReply::json(R"({"status":0,"message":"请填写正确的人数（1至99人）"})"));
        PartyJoinViewController *form = show(32);
        form->setName(QStringLiteral("小王"));
        form->setTel(QStringLiteral("020-38881234"));
        form->setCount(QStringLiteral("3"));
        form->commit();
        AlertPresenter &alerts = test_->context().alerts();
        QTRY_COMPARE(alerts.alertTitle(), QStringLiteral("请填写正确的人数（1至99人）"));
        alerts.answer(0);
        QCOMPARE(test_->context().navigation().topViewController(), form);
        QCOMPARE(form->name(), QStringLiteral("小王"));
        QCOMPARE(form->tel(), QStringLiteral("020-38881234"));
        QCOMPARE(form->count(), QStringLiteral("3"));
        QVERIFY(!form->isSending());
    }

    void albumReadsThePhotosOwnRecords()
    {
        test_->reply("party_photo.php",
                     ScriptedReply::json(
                         R"({"status":1,"message":"","partyphotos":[)"
                         R"({"pid":"7","ppid":"7","img":"img.nuvora.cn/p7.jpg","text":""},)"
                         R"({"pid":"8","ppid":"8","img":"img.nuvora.cn/p8.jpg","text":"现场"}]})"));
        Party party = Party::withId(31);
        auto *album = VenueAlbumsViewController::ofParty(test_->context(), party);
        test_->context().navigation().pushViewController(album, false);
        QTRY_COMPARE(album->records()->count(), 2);
        QCOMPARE(test_->lastFormOf("party_photo.php"), (Form{{"page", "1"}, {"pid", "31"}}));
        const Picture second = *album->records()->recordAt<Picture>(1);
        QCOMPARE(second.pid, QStringLiteral("8"));
        QCOMPARE(second.img_big, QStringLiteral("img.nuvora.cn/p8.jpg"));
        QCOMPARE(second.text, QStringLiteral("现场"));
        album->pictureTapped(0, 1);
        QCOMPARE(test_->router().last(), QStringLiteral("photoViewer 2 of 2"));
        QCOMPARE(test_->router().lastPhotoAddresses.at(1), QStringLiteral("img.nuvora.cn/p8.jpg"));
    }

private:
    PartyJoinViewController *show(int pid)
    {
        auto *form = new PartyJoinViewController(test_->context(), pid);
        test_->context().navigation().pushViewController(form, false);
        return form;
    }

    std::unique_ptr<ClientTestContext> test_;
};

QTEST_MAIN(PartyJoinTest)
#include "tst_partyjoin.moc"
