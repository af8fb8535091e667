// The public parsing conformance suite, file by file: n_ files are refused, y_
// files are read exactly when the document is an array or an object (a bare value
// is refused with the reader's own text), i_ files are read or refused without
// harm. Whatever is read must survive a trip through the writer.

#include "api/json/JsonReader.h"
#include "api/json/JsonWriter.h"

#include <QDir>
#include <QFile>
#include <QTest>

using namespace nuvora::json;

namespace {

const QString kSuite = QStringLiteral(NUVORA_SHARED_DIR "/testdata/JSONTestSuite/test_parsing");

bool isJsonSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

// The reader's text for a document whose only value is a scalar.
std::string bareValueFailure(const QByteArray &bytes)
{
    qsizetype start = 0;
    while (start < bytes.size() && isJsonSpace(bytes[start]))
        ++start;
    const char c = bytes[start];
    const char *token = c == '"'               ? "string"
                        : c == 't' || c == 'f' ? "boolean"
                        : c == 'n'             ? "null"
                                               : "number";
    // A number that runs to the end of the input cannot be known complete.
    if (std::string_view(token) == "number" && !isJsonSpace(bytes.back()))
        return "Unexpected end of input";
    return std::string("Token '") + token + "' not expected before outer-most array or object";
}

bool isContainerDocument(const QByteArray &bytes)
{
    const QByteArray trimmed = bytes.trimmed();
    return trimmed.startsWith('[') || trimmed.startsWith('{');
}

} // namespace

class JsonConformanceTest : public QObject {
    Q_OBJECT
private slots:
    void suiteFile_data()
    {
        QTest::addColumn<QString>("path");
        // Without the shared folder there is nothing to run; a damaged suite fails.
        if (!QDir(kSuite).exists())
            QSKIP(qPrintable("no conformance suite at " + kSuite + "; set NUVORA_SHARED_DIR"));
        const QStringList files = QDir(kSuite).entryList({"*.json"}, QDir::Files, QDir::Name);
        if (files.size() < 300)
            QTest::newRow("the suite") << QString();
        for (const QString &file : files)
            QTest::newRow(qPrintable(file)) << kSuite + '/' + file;
    }

    void suiteFile()
    {
        QFETCH(QString, path);
        QVERIFY2(!path.isEmpty(), qPrintable("an incomplete conformance suite at " + kSuite));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        const QString name = QFileInfo(path).fileName();

        JsonReader reader;
        const std::optional<Value> value =
            reader.objectWithData(bytes.constData(), size_t(bytes.size()));
        if (name.startsWith("n_")) {
            QVERIFY2(!value, "accepted");
            QVERIFY(!reader.error().empty());
        } else if (name.startsWith("y_")) {
            if (isContainerDocument(bytes)) {
                QVERIFY2(value, reader.error().c_str());
            } else {
                QVERIFY(!value);
                QCOMPARE(reader.error(), bareValueFailure(bytes));
            }
        }
        if (!value)
            return;
        JsonWriter writer;
        const std::optional<std::string> text = writer.dataWithObject(*value);
        QVERIFY2(text, writer.error().c_str());
        const std::optional<Value> again = JsonReader().objectWithString(*text);
        QVERIFY(again);
        QCOMPARE(*again, *value);
    }
};

QTEST_APPLESS_MAIN(JsonConformanceTest)
#include "tst_jsonconformance.moc"
