#include "AppShell.h"

#include "platform/AppContext.h"
#include "platform/LogCategories.h"
#include "platform/NavigationController.h"
#include "platform/ViewController.h"
#include "ui/ThemeImageProvider.h"

#include <QDirIterator>
#include <QFileInfo>
#include <QFont>
#include <QFontInfo>
#include <QGuiApplication>
#include <QQmlEngine>
#include <QQuickStyle>

#include <mutex>

namespace {
// Where the module's QML files are compiled in.
const QString kViewRoot = QStringLiteral(":/Nuvora/qml");
} // namespace

AppShell::AppShell(AppContext &context, QObject *parent) : QObject(parent), context_(context)
{
    // Suffixes checked by hand: a name filter would compile a regular expression, and
    // with it load the regular expression library, at every start.
    QDirIterator files(kViewRoot, QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString path = files.next();
        if (path.endsWith(QLatin1String(".qml")))
            views_.insert(QFileInfo(path).completeBaseName(), QUrl(QStringLiteral("qrc") + path));
    }
    connect(&context.navigation(), &NavigationController::stackChanged, this,
            &AppShell::updateTurnable);
    connect(&context.navigation(), &NavigationController::modalChanged, this,
            &AppShell::updateTurnable);
    updateTurnable();
}

void AppShell::updateTurnable()
{
    const ViewController *front = context_.navigation().visibleViewController();
    const bool turnable = front && front->followsOrientation();
    if (turnable == turnable_)
        return;
    turnable_ = turnable;
    emit turnableChanged();
}

NavigationController *AppShell::navigation() const
{
    return &context_.navigation();
}

AlertPresenter *AppShell::alerts() const
{
    return &context_.alerts();
}

QUrl AppShell::viewUrl(const QString &viewName) const
{
    const QUrl url = views_.value(viewName);
    if (url.isEmpty())
        qCWarning(lcUi) << "no view named" << viewName;
    return url;
}

void AppShell::applyFont()
{
    QFont font(kFontFamily);
    font.setPixelSize(14);
    // Matching the one family is far cheaper at start-up than listing every installed one.
    if (QFontInfo(font).family() != kFontFamily) {
        qCWarning(lcUi) << "the font" << kFontFamily << "is not installed";
        return;
    }
    TextMetrics::installEmojiFallback();
    QGuiApplication::setFont(font);
}

void AppShell::configureEngine(QQmlEngine &engine)
{
    engine.addImportPath(QStringLiteral("qrc:/"));
    engine.addImageProvider(ThemeImageProvider::kId, new ThemeImageProvider);
    // The views draw their own night theme; the plain style keeps the desktop's Fusion
    // style and its plugin from loading at start-up. The style is the process's: set
    // once, before the first engine imports the controls.
    static std::once_flag styled;
    std::call_once(styled, [] { QQuickStyle::setStyle(QStringLiteral("Basic")); });
}
