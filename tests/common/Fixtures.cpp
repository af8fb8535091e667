#include "Fixtures.h"

#include "api/json/JsonReader.h"

#include <QFile>

namespace Fixtures {

QByteArray bytes(const QString &name)
{
    QFile file(QStringLiteral(NUVORA_SOURCE_DIR "/tests/data/") + name);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("missing test fixture %s", qPrintable(name));
    return file.readAll();
}

nuvora::json::Value json(const QString &name)
{
    const QByteArray data = bytes(name);
    return nuvora::json::JsonReader()
        .objectWithData(data.constData(), size_t(data.size()))
        .value_or(nuvora::json::Value());
}

} // namespace Fixtures
