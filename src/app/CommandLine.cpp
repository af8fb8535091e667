#include "CommandLine.h"

#include <QCommandLineParser>
#include <QStandardPaths>

#include <cstring>

bool CommandLine::parse(const QStringList &arguments, const QProcessEnvironment &environment)
{
    QCommandLineParser parser;
    const QCommandLineOption webHost(QStringLiteral("web-host"),
                                     QStringLiteral("The web host of the configuration."),
                                     QStringLiteral("URL"));
    const QCommandLineOption dataDir(QStringLiteral("data-dir"),
                                     QStringLiteral("The directory of settings and documents."),
                                     QStringLiteral("DIR"));
    const QCommandLineOption position(QStringLiteral("position"),
                                      QStringLiteral("A fixed position in degrees."),
                                      QStringLiteral("LAT,LNG"));
    const QCommandLineOption push(QStringLiteral("push"),
                                  QStringLiteral("Hands a push payload to the running client."),
                                  QStringLiteral("JSON"));
    parser.addOptions({webHost, dataDir, position, push});
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    // Qt's own options (-platform and the like) are handled by Qt.
    parser.parse(arguments);

    auto valueOf = [&](const QCommandLineOption &option, const char *variable) {
        return parser.isSet(option) ? parser.value(option)
                                    : environment.value(QLatin1String(variable));
    };

    const QString host = valueOf(webHost, "NUVORA_WEB_HOST");
    options_.webHost = host.isEmpty() ? kDefaultWebHost : QUrl(host);
    if (!options_.webHost.isValid() || options_.webHost.scheme().isEmpty()
        || options_.webHost.host().isEmpty()) {
        error_ = QStringLiteral("--web-host needs an address such as http://127.0.0.1:8080");
        return false;
    }

    options_.dataDirectory = valueOf(dataDir, "NUVORA_DATA_DIR");
    if (options_.dataDirectory.isEmpty())
        options_.dataDirectory = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);

    const QString fixed = valueOf(position, "NUVORA_POSITION");
    if (!fixed.isEmpty()) {
        options_.fixedPosition = parsePosition(fixed);
        if (!options_.fixedPosition) {
            error_ = QStringLiteral("--position needs LAT,LNG in degrees, e.g. 31.2304,121.4737");
            return false;
        }
    }

    if (parser.isSet(push))
        pushPayload_ = parser.value(push).toUtf8();
    return true;
}

bool CommandLine::wantsPush(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--push") == 0 || std::strncmp(argv[i], "--push=", 7) == 0)
            return true;
    }
    return false;
}

std::optional<QGeoCoordinate> CommandLine::parsePosition(const QString &text)
{
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() != 2)
        return std::nullopt;
    bool latitudeOk = false, longitudeOk = false;
    const double latitude = parts[0].trimmed().toDouble(&latitudeOk);
    const double longitude = parts[1].trimmed().toDouble(&longitudeOk);
    const QGeoCoordinate coordinate(latitude, longitude);
    if (!latitudeOk || !longitudeOk || !coordinate.isValid())
        return std::nullopt;
    return coordinate;
}
