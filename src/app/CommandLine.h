#pragma once
// The client's command line: --web-host, --data-dir, --position and --push, each
// (but --push) also read from the environment. Qt's own options are Qt's.

#include "platform/AppContext.h"

#include <QProcessEnvironment>
#include <QStringList>

#include <optional>

class CommandLine {
public:
    static inline const QUrl kDefaultWebHost = QUrl(QStringLiteral("http://m.nuvora.cn"));

    // Parses the arguments after the program name's; false with `error` set on a
    // malformed value.
    bool parse(const QStringList &arguments,
               const QProcessEnvironment &environment = QProcessEnvironment::systemEnvironment());

    const AppContext::Options &options() const { return options_; }
    // The payload of --push; none for a normal run.
    const std::optional<QByteArray> &pushPayload() const { return pushPayload_; }
    QString error() const { return error_; }

    // Whether the raw arguments ask for --push, before any application exists.
    static bool wantsPush(int argc, char **argv);
    // "LAT,LNG" in degrees; none when malformed or out of range.
    static std::optional<QGeoCoordinate> parsePosition(const QString &text);

private:
    AppContext::Options options_;
    std::optional<QByteArray> pushPayload_;
    QString error_;
};
