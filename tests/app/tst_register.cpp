// The three registration steps against the loopback API with captured replies: the
// checks of step one, the avatar from the picker with its scaling, the fields of step
// three, the failure alerts, and a registration that starts the session through the
// router's region screen and the session flow.

#include "ClientTestContext.h"
#include "app/LoginViewController.h"
#include "app/RegisterStepOneViewController.h"
#include "app/RegisterStepThreeViewController.h"
#include "app/RegisterStepTwoViewController.h"
#include "model/Session.h"
#include "platform/AlertPresenter.h"
#include "platform/Clock.h"
#include "platform/NavigationController.h"
#include "platform/SettingsKeys.h"
#include "platform/SettingsStore.h"

#include <QBuffer>
#include <QImageReader>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {
QSize jpegSize(const QByteArray &bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    QImageReader reader(&buffer, "JPEG");
    return reader.size();
}

QImage filled(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(QColor(120, 40, 200));
    return image;
}
} // namespace

class tst_Register : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void stepOneChecksTheFields_data();
    void stepOneChecksTheFields();
    void stepOneServerAnswers();
    void stepTwoOpensTheAvatarChoice();
    void avatarScaling_data();
    void avatarScaling();
    void pickerCropsSquare();
    void pickerRefusesWhatIsNoImage();
    void stepThreeFields();
    void stepThreeChecksAndFailures();
    void stepThreeStartsTheSession();

private:
    AppContext &context() { return test_->context(); }
    template <class T> T *top()
    {
        return qobject_cast<T *>(context().navigation().topViewController());
    }
    // The first step above the sign-in screen, as its register button shows it.
    RegisterStepOneViewController *showStepOne();
    RegisterStepThreeViewController *showStepThree();
    QString writeImage(const QString &name, const QImage &image);

    QTemporaryDir files_;
    std::unique_ptr<ClientTestContext> test_;
};

void tst_Register::initTestCase()
{
    QVERIFY(files_.isValid());
}

void tst_Register::init()
{
    test_ = std::make_unique<ClientTestContext>();
    context().clock().setNow(QDateTime(QDate(2026, 12, 7), QTime(22, 30)));
}

void tst_Register::cleanup()
{
    test_.reset();
}

RegisterStepOneViewController *tst_Register::showStepOne()
{
    auto *stepOne = new RegisterStepOneViewController(context());
    context().navigation().setViewControllers({new LoginViewController(context()), stepOne}, false);
    return stepOne;
}

RegisterStepThreeViewController *tst_Register::showStepThree()
{
    auto *stepThree = new RegisterStepThreeViewController(context(), "jpeg bytes");
    context().navigation().setViewControllers({stepThree}, false);
    return stepThree;
}

QString tst_Register::writeImage(const QString &name, const QImage &image)
{
    const QString path = files_.filePath(name);
    image.save(path);
    return path;
}

void tst_Register::stepOneChecksTheFields_data()
{
    QTest::addColumn<QString>("email");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("alertTitle"); // empty: the check request goes out
    QTest::newRow("5 characters") << "a@b.cn"
                                  << "12345"
                                  << "密码无效";
    QTest::newRow("6 characters") << "a@b.cn"
                                  << "123456"
                                  << "";
    QTest::newRow("16 characters") << "a@b.cn" << QString(16, 'x') << "";
    QTest::newRow("17 characters") << "a@b.cn" << QString(17, 'x') << "密码无效";
    QTest::newRow("address with words around") << "my mail is a@b.cn ok"
                                               << "123456"
                                               << "";
    QTest::newRow("no address") << "nightowl"
                                << "123456"
                                << "邮箱无效";
    QTest::newRow("empty") << ""
                           << ""
                           << "邮箱无效";
}

void tst_Register::stepOneChecksTheFields()
{
    QFETCH(QString, email);
    QFETCH(QString, password);
    QFETCH(QString, alertTitle);
    ScriptedReply silent;
    silent.neverAnswer = true;
    test_->reply(RegisterStepOneViewController::kScript, silent);
    RegisterStepOneViewController *stepOne = showStepOne();
    stepOne->setEmail(email);
    stepOne->setPassword(password);
    stepOne->stepOneFinished();
    stepOne->stepOneFinished();
    AlertPresenter &alerts = context().alerts();
    if (alertTitle.isEmpty()) {
        QCOMPARE(alerts.alertCount(), 0);
        QVERIFY(stepOne->isRunning());
        QCOMPARE(ClientTestContext::requestsInFlight(*stepOne), 1);
        QVERIFY(test_->api().waitForRequests(1));
        QCOMPARE(test_->lastFormOf(RegisterStepOneViewController::kScript),
                 (QList<QPair<QString, QString>>{{"do", "email"}, {"email", email}}));
    } else {
        QCOMPARE(alerts.alertTitle(), alertTitle);
        QCOMPARE(alerts.alertMessage(),
                 alertTitle == "密码无效" ? "请输入6至16位的密码" : "请输入有效的登录邮箱");
        QVERIFY(!stepOne->isRunning());
        QCOMPARE(stepOne->email(), email);
        QCOMPARE(test_->api().requests().size(), 0);
    }
}

void tst_Register::stepOneServerAnswers()
{
    RegisterStepOneViewController *stepOne = showStepOne();
    // A taken address: the message as the title, nothing stored.
    test_->replyFixture(RegisterStepOneViewController::kScript,
                        "account_register_email_taken.json");
    stepOne->setEmail("demo@nuvora.cn");
    stepOne->setPassword("123456");
    stepOne->stepOneFinished();
    QTRY_VERIFY(!stepOne->isRunning());
    AlertPresenter &alerts = context().alerts();
    QCOMPARE(alerts.alertTitle(), QStringLiteral("该邮箱已被注册"));
    QCOMPARE(alerts.alertMessage(), QString());
    QVERIFY(!context().settings().contains(SettingsKeys::username));
    QVERIFY(test_->router().opened.isEmpty());
    alerts.answer(0);

    test_->replyFixture(RegisterStepOneViewController::kScript, "account_register_email_free.json");
    stepOne->setEmail("free-address@nuvora.cn");
    stepOne->stepOneFinished();
    QTRY_COMPARE(test_->router().opened, QStringList{"registrationAvatar"});
    QCOMPARE(alerts.alertCount(), 0);
    const SettingsStore stored(test_->settingsPath());
    QCOMPARE(stored.string(SettingsKeys::username), QStringLiteral("free-address@nuvora.cn"));
    QCOMPARE(stored.string(SettingsKeys::password), QStringLiteral("123456"));

    // Going back keeps the values but no token.
    stepOne->gotoLogin();
    QVERIFY(top<LoginViewController>());
    QVERIFY(!context().settings().contains(SettingsKeys::loginToken));
}

void tst_Register::stepTwoOpensTheAvatarChoice()
{
    auto *stepTwo = new RegisterStepTwoViewController(context());
    context().navigation().pushViewController(stepTwo, false);
    AlertPresenter &alerts = context().alerts();
    QVERIFY(alerts.isActionSheet());
    QCOMPARE(alerts.alertTitle(), QStringLiteral("设置头像"));
    QCOMPARE(alerts.alertButtons(), (QStringList{"拍照上传", "从相册选择", "取消"}));

    // No camera on this device: nothing opens.
    alerts.answer(0);
    QVERIFY(!stepTwo->imagePicker()->isPresented());
    stepTwo->pickAvatar();
    alerts.answer(2);
    QVERIFY(!stepTwo->imagePicker()->isPresented());

    stepTwo->stepTwoFinished();
    QCOMPARE(alerts.alertTitle(), QStringLiteral("请上传头像"));
    QVERIFY(test_->router().opened.isEmpty());
    alerts.answer(0);

    stepTwo->pickAvatar();
    alerts.answer(1);
    ImagePicker *picker = stepTwo->imagePicker();
    QVERIFY(picker->isChoosingFile());
    // Cancelling only closes the picker.
    picker->cancel();
    QVERIFY(!picker->isPresented());
    QVERIFY(!stepTwo->hasAvatar());

    stepTwo->pickAvatar();
    alerts.answer(1);
    picker->chooseFile(QUrl::fromLocalFile(writeImage("wide.png", filled(900, 500))));
    QVERIFY(picker->isCropping());
    QCOMPARE(picker->cropRect(), QRect(200, 0, 500, 500));
    picker->finishCropping();
    QVERIFY(!picker->isPresented());
    QVERIFY(stepTwo->hasAvatar());
    QCOMPARE(jpegSize(stepTwo->imageData()), QSize(500, 500));
    QVERIFY(stepTwo->avatarImage().toString().startsWith("data:image/jpeg;base64,"));

    stepTwo->stepTwoFinished();
    QCOMPARE(test_->router().opened, QStringList{"registrationProfile"});
    QCOMPARE(test_->router().lastAvatarJpeg, stepTwo->imageData());
}

void tst_Register::avatarScaling_data()
{
    QTest::addColumn<QSize>("picked");
    QTest::addColumn<QSize>("sent");
    QTest::newRow("narrow") << QSize(200, 400) << QSize(300, 600);
    QTest::newRow("flat") << QSize(400, 200) << QSize(600, 300);
    QTest::newRow("small square") << QSize(200, 200) << QSize(300, 300);
    QTest::newRow("large square") << QSize(640, 640) << QSize(640, 640);
    QTest::newRow("just large enough") << QSize(260, 260) << QSize(260, 260);
    QTest::newRow("height just below") << QSize(520, 259) << QSize(602, 300);
}

void tst_Register::avatarScaling()
{
    QFETCH(QSize, picked);
    QFETCH(QSize, sent);
    RegisterStepTwoViewController stepTwo(context());
    stepTwo.imagePickerControllerDidFinishPickingImage(filled(picked.width(), picked.height()));
    QCOMPARE(jpegSize(stepTwo.imageData()), sent);
}

void tst_Register::pickerCropsSquare()
{
    ImagePicker picker;
    QSignalSpy picked(&picker, &ImagePicker::didFinishPickingImage);
    QVERIFY(!picker.present(ImagePicker::SourceType::Camera, true));
    QVERIFY(picker.present(ImagePicker::SourceType::PhotoLibrary, true));
    QVERIFY(!picker.present(ImagePicker::SourceType::PhotoLibrary, true));
    QImage image = filled(300, 800);
    image.setPixelColor(10, 700, Qt::red);
    picker.chooseFile(QUrl::fromLocalFile(writeImage("tall.png", image)));
    QCOMPARE(picker.cropRect(), QRect(0, 250, 300, 300));
    // Made square and kept inside the image.
    picker.setCropRect(QRect(-50, 600, 120, 400));
    QCOMPARE(picker.cropRect(), QRect(0, 600, 120, 120));
    picker.setCropRect(QRect(0, 0, 1000, 1000));
    QCOMPARE(picker.cropRect(), QRect(0, 0, 300, 300));
    picker.setCropRect(QRect(5, 650, 0, 0));
    QCOMPARE(picker.cropRect(), QRect(5, 650, 1, 1));
    picker.setCropRect(QRect(0, 650, 100, 100));
    picker.finishCropping();
    QCOMPARE(picked.size(), 1);
    const QImage cropped = picked[0][0].value<QImage>();
    QCOMPARE(cropped.size(), QSize(100, 100));
    QCOMPARE(cropped.pixelColor(10, 50), QColor(Qt::red));

    // Without editing the file comes as it is, not read here, and the picker closes.
    QSignalSpy files(&picker, &ImagePicker::didFinishPickingFile);
    QVERIFY(picker.present(ImagePicker::SourceType::PhotoLibrary, false));
    picker.chooseFile(QUrl::fromLocalFile(files_.filePath("tall.png")));
    QCOMPARE(picked.size(), 1);
    QCOMPARE(files.size(), 1);
    QCOMPARE(files[0][0].toUrl(), QUrl::fromLocalFile(files_.filePath("tall.png")));
    QVERIFY(!picker.isPresented());
}

void tst_Register::pickerRefusesWhatIsNoImage()
{
    ImagePicker picker;
    QSignalSpy picked(&picker, &ImagePicker::didFinishPickingImage);
    QSignalSpy cancelled(&picker, &ImagePicker::didCancel);
    // Nothing happens before the picker is open.
    picker.chooseFile(QUrl::fromLocalFile(writeImage("ok.png", filled(10, 10))));
    QCOMPARE(picked.size(), 0);

    QVERIFY(picker.present(ImagePicker::SourceType::PhotoLibrary, true));
    QFile text(files_.filePath("notes.jpg"));
    QVERIFY(text.open(QIODevice::WriteOnly));
    text.write("not a picture at all");
    text.close();
    picker.chooseFile(QUrl::fromLocalFile(text.fileName()));
    QVERIFY(picker.isChoosingFile());
    QCOMPARE(picker.errorText(), ImagePicker::kUnreadableImage);
    picker.chooseFile(QUrl::fromLocalFile(files_.filePath("missing.png")));
    QVERIFY(picker.isChoosingFile());
    // A truncated file decodes to nothing usable or to a partial picture, never a crash.
    QFile whole(files_.filePath("ok.png"));
    QVERIFY(whole.open(QIODevice::ReadOnly));
    QFile cut(files_.filePath("cut.png"));
    QVERIFY(cut.open(QIODevice::WriteOnly));
    cut.write(whole.readAll().left(40));
    cut.close();
    picker.chooseFile(QUrl::fromLocalFile(cut.fileName()));
    QVERIFY(picker.isChoosingFile());
    picker.cancel();
    QCOMPARE(cancelled.size(), 1);
    QCOMPARE(picked.size(), 0);
    QCOMPARE(picker.errorText(), QString());
}

void tst_Register::stepThreeFields()
{
    RegisterStepThreeViewController stepThree(context(), "jpeg");
    QCOMPARE(stepThree.gender(), QStringLiteral("1"));
    QCOMPARE(stepThree.maleButtonImage(), QStringLiteral("register-boy-button-s.png"));
    QCOMPARE(stepThree.femaleButtonImage(), QStringLiteral("register-girl-buttong-n.png"));
    stepThree.selectGender(2);
    QCOMPARE(stepThree.gender(), QStringLiteral("2"));
    QCOMPARE(stepThree.maleButtonImage(), QStringLiteral("register-boy-button-n.png"));
    QCOMPARE(stepThree.femaleButtonImage(), QStringLiteral("register-girl-buttong-s.png"));
    stepThree.selectGender(1);
    QCOMPARE(stepThree.maleButtonImage(), QStringLiteral("register-boy-button-s.png"));

    QCOMPARE(stepThree.focusedField(), RegisterStepThreeViewController::kNicknameField);
    QVERIFY(!stepThree.isDatePickerShown());
    stepThree.selectBirthday();
    QCOMPARE(stepThree.focusedField(), QString());
    QVERIFY(stepThree.isDatePickerShown());
    // No date after today; days follow the month.
    DateWheels &wheels = *stepThree.birthdayWheels();
    QCOMPARE(wheels.date(), QDate(2026, 12, 7));
    wheels.setDate(2026, 12, 25);
    QCOMPARE(wheels.date(), QDate(2026, 12, 7));
    wheels.setDate(2031, 1, 1);
    QCOMPARE(wheels.date(), QDate(2026, 1, 1));
    wheels.setDate(1996, 2, 31);
    QCOMPARE(wheels.date(), QDate(1996, 2, 29));
    QCOMPARE(wheels.daysInMonth(), 29);
    wheels.setDate(1800, 13, 0);
    QCOMPARE(wheels.date(), QDate(1900, 12, 1));
    wheels.setDate(1996, 2, 3);
    QCOMPARE(stepThree.birthday(), QString());
    stepThree.fininshedSelectBirthday();
    QCOMPARE(stepThree.birthday(), QStringLiteral("1996-02-03"));
    QVERIFY(!stepThree.isDatePickerShown());
    QCOMPARE(stepThree.focusedField(), RegisterStepThreeViewController::kNicknameField);
}

void tst_Register::stepThreeChecksAndFailures()
{
    const QString script = RegisterStepThreeViewController::kScript;
    ScriptedReply silent;
    silent.neverAnswer = true;
    test_->reply(script, silent);
    RegisterStepThreeViewController *stepThree = showStepThree();
    AlertPresenter &alerts = context().alerts();
    stepThree->stepThreeFinished();
    QCOMPARE(alerts.alertTitle(), QStringLiteral("请输入昵称"));
    alerts.answer(0);
    stepThree->setNickname("夜行者");
    stepThree->stepThreeFinished();
    QCOMPARE(alerts.alertTitle(), QStringLiteral("请输入出生日期"));
    alerts.answer(0);
    QCOMPARE(test_->api().requests().size(), 0);

    stepThree->birthdayWheels()->setDate(1990, 5, 17);
    stepThree->fininshedSelectBirthday();
    QCOMPARE(stepThree->finishButtonTitle(), QStringLiteral("完成！"));
    stepThree->stepThreeFinished();
    stepThree->stepThreeFinished();
    QCOMPARE(stepThree->finishButtonTitle(), QStringLiteral("注册中，请稍候..."));
    QCOMPARE(ClientTestContext::requestsInFlight(*stepThree), 1);
    QVERIFY(test_->api().waitForRequests(1));
    const RecordedRequest &sent = test_->api().requests()[0];
    QVERIFY(sent.header("Content-Type").startsWith("multipart/form-data"));
    // No position stored yet: "0", as the request layer sends.
    for (const QByteArray &part :
         {QByteArray("name=\"lat\"\r\n\r\n0\r\n"), QByteArray("name=\"gender\"\r\n\r\n1\r\n"),
          QByteArray("name=\"birthday\"\r\n\r\n1990-05-17\r\n"), QByteArray("jpeg bytes")})
        QVERIFY2(sent.body.contains(part), part.constData());

    // The server's message is the title; nothing stored, the screen usable.
    stepThree = showStepThree();
    test_->replyFixture(script, "account_register_email_taken.json");
    stepThree->setNickname("夜行者");
    stepThree->fininshedSelectBirthday();
    stepThree->stepThreeFinished();
    QTRY_VERIFY(!stepThree->isRunning());
    QCOMPARE(stepThree->finishButtonTitle(), QStringLiteral("完成！"));
    QCOMPARE(alerts.alertTitle(), QStringLiteral("该邮箱已被注册"));
    QCOMPARE(alerts.alertMessage(), QString());
    QVERIFY(!context().settings().contains(SettingsKeys::loginToken));
    alerts.answer(0);

    test_->reply(script, ScriptedReply::json(R"({"status":1,"user":{}})"));
    stepThree->stepThreeFinished();
    QTRY_VERIFY(!stepThree->isRunning());
    QCOMPARE(alerts.alertTitle(), HTTPFetcher::kNetworkFailure);
    QVERIFY(!context().session().isSignedIn());
    QVERIFY(test_->sessionFlow().calls.isEmpty());
    QVERIFY(test_->router().opened.isEmpty());
}

void tst_Register::stepThreeStartsTheSession()
{
    SettingsStore &settings = context().settings();
    settings.setString(SettingsKeys::username, "newcomer@nuvora.cn");
    settings.setString(SettingsKeys::password, "newcomer1");
    settings.setString(SettingsKeys::latitude, "31.231000");
    settings.setString(SettingsKeys::longitude, "121.474500");
    test_->replyFixture(RegisterStepThreeViewController::kScript, "account_register.json");
    RegisterStepThreeViewController *stepThree = showStepThree();
    stepThree->setNickname("新来的");
    stepThree->selectBirthday();
    stepThree->birthdayWheels()->setDate(1998, 8, 8);
    stepThree->fininshedSelectBirthday();
    stepThree->selectGender(2);
    stepThree->stepThreeFinished();

    // No region yet: the region screen first, then the hub.
    QTRY_COMPARE(test_->router().opened, QStringList{"regionChoice"});
    QCOMPARE(context().alerts().alertCount(), 0);
    const RecordedRequest &sent = test_->api().requests()[0];
    for (const QByteArray &part : {QByteArray("name=\"email\"\r\n\r\nnewcomer@nuvora.cn\r\n"),
                                   QByteArray("name=\"password\"\r\n\r\nnewcomer1\r\n"),
                                   QByteArray("name=\"lng\"\r\n\r\n121.474500\r\n"),
                                   QByteArray("name=\"gender\"\r\n\r\n2\r\n"),
                                   QByteArray("name=\"birthday\"\r\n\r\n1998-08-08\r\n"),
                                   QByteArray("name=\"avatar\"; filename=")})
        QVERIFY2(sent.body.contains(part), part.constData());

    const std::optional<User> &user = context().session().defaultUser();
    QVERIFY(user);
    QCOMPARE(user->nickname, QStringLiteral("新来的"));
    QCOMPARE(user->gender, 2);
    QVERIFY(!user->avatar_big.isEmpty());
    const SettingsStore stored(test_->settingsPath());
    QCOMPARE(stored.string(SettingsKeys::loginToken),
             QStringLiteral("8bf820fe9849ecbed213b6b698c6dac5"));
    QCOMPARE(stored.value(SettingsKeys::defaultUser)["nickname"].toText(), "新来的");

    test_->router().answerRegionChoice(QStringLiteral("上海"));
    QCOMPARE(test_->router().opened, (QStringList{"regionChoice", "closeRegionChoice"}));
    QCOMPARE(test_->sessionFlow().calls, QStringList{"finishLogin"});
}

QTEST_GUILESS_MAIN(tst_Register)
#include "tst_register.moc"
