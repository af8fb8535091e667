#include "LoginViewController.h"

#include "platform/AlertPresenter.h"
#include "platform/AppContext.h"
#include "platform/SettingsKeys.h"
#include "platform/SettingsStore.h"
#include "platform/UrlOpener.h"
#include "ui/Router.h"

namespace {
// The alert for an empty field: a little dialogue about what is missing, with
// `pinyin` as what the user typed instead.
QString jokeAbout(const QString &missing, const QString &pinyin)
{
    return QStringList{QStringLiteral("Nuvora问用户:%1是多少?").arg(missing),
                       QStringLiteral("用户说:没有%1.").arg(missing),
                       QStringLiteral("Nuvora:肯定有%1.").arg(missing),
                       QStringLiteral("用户输入密码:") + pinyin, QStringLiteral("Nuvora:囧rz")}
        .join(QLatin1Char('\n'));
}
} // namespace

const QString LoginViewController::kMissingEmailJoke =
    jokeAbout(QStringLiteral("用户名"), QStringLiteral("meiyouyonghuming"));
const QString LoginViewController::kMissingPasswordJoke =
    jokeAbout(QStringLiteral("密码"), QStringLiteral("meiyoumima"));

LoginViewController::LoginViewController(AppContext &context, QObject *parent)
    : SignInViewController(context, parent)
{
}

LoginViewController::~LoginViewController() = default;

void LoginViewController::setEmail(const QString &email)
{
    if (email == email_)
        return;
    email_ = email;
    emit emailChanged();
}

void LoginViewController::setPassword(const QString &password)
{
    if (password == password_)
        return;
    password_ = password;
    emit passwordChanged();
}

void LoginViewController::setFocusedField(const QString &field)
{
    if (field == focusedField_)
        return;
    focusedField_ = field;
    emit focusedFieldChanged();
}

void LoginViewController::viewWillAppear(bool animated)
{
    Q_UNUSED(animated)
    const QString stored = context().settings().string(SettingsKeys::username);
    if (stored.isEmpty()) {
        setFocusedField(kEmailField);
        return;
    }
    setEmail(stored);
    setFocusedField(kPasswordField);
}

void LoginViewController::login()
{
    AlertPresenter &alerts = context().alerts();
    if (email_.isEmpty()) {
        alerts.showAlert(QString(), kMissingEmailJoke, kJokeButton, {}, 0, this, {});
        return;
    }
    if (password_.isEmpty()) {
        alerts.showAlert(QString(), kMissingPasswordJoke, kJokeButton, {}, 0, this, {});
        return;
    }
    const QVariantMap parameters{{QStringLiteral("email"), email_},
                                 {QStringLiteral("password"), password_}};
    // What was typed is kept only once the server accepted it.
    postSignIn(kScript, parameters, [this, email = email_, password = password_] {
        SettingsStore &settings = context().settings();
        settings.setString(SettingsKeys::username, email);
        settings.setString(SettingsKeys::password, password);
    });
}

void LoginViewController::registerButtonTapped()
{
    context().router().openRegistration();
}

void LoginViewController::getPassword()
{
    const QUrl webHost = context().options().webHost;
    context().urlOpener().open(QUrl(webHost.toString(QUrl::StripTrailingSlash) + kPasswordPage));
}
