#include "AppShell.h"

#include "platform/AppContext.h"
#include "platform/LogCategories.h"

#include <QDirIterator>
#include <QFileInfo>
#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QQmlEngine>

namespace {
// Where the module's QML files are compiled in.
const QString kViewRoot = QStringLiteral(":/Nuvora/qml");
} // namespace

AppShell::AppShell(AppContext &context, QObject *parent) : QObject(parent), context_(context)
{
    QDirIterator files(kViewRoot, {QStringLiteral("*.qml")}, QDir::Files,
                       QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString path = files.next();
        views_.insert(QFileInfo(path).completeBaseName(), QUrl(QStringLiteral("qrc") + path));
    }
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
    if (!QFontDatabase::families().contains(kFontFamily)) {
        qCWarning(lcUi) << "the font" << kFontFamily << "is not installed";
        return;
    }
    TextMetrics::installEmojiFallback();
    QFont font(kFontFamily);
    font.setPixelSize(14);
    QGuiApplication::setFont(font);
}

void AppShell::configureEngine(QQmlEngine &engine)
{
    engine.addImportPath(QStringLiteral("qrc:/"));
}
