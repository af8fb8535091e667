// Feeds the chat line framing arbitrary bytes cut at arbitrary chunk boundaries
// and checks it against a model: the stream cut at every "\r\n", empty lines
// dropped, and nothing from the first line longer than the limit on.
//
// Input layout: byte 0 picks the line limit (1..256), byte 1 the number of cuts;
// then one byte per cut (the chunk lengths), then the stream itself.

#include "chat/ChatLineFramer.h"

#include <QByteArray>
#include <QList>

#include <cstdint>
#include <cstdlib>

namespace {

struct Expected {
    QList<QByteArray> lines;
    bool overflowed = false;
};

Expected model(const QByteArray &stream, qsizetype limit)
{
    Expected expected;
    qsizetype start = 0;
    while (true) {
        const qsizetype end = stream.indexOf("\r\n", start);
        qsizetype length = (end < 0 ? stream.size() : end) - start;
        // An unfinished line's last CR may yet become its terminator.
        if (end < 0 && length > 0 && stream.endsWith('\r'))
            --length;
        if (length > limit) {
            expected.overflowed = true;
            return expected;
        }
        if (end < 0)
            return expected;
        if (length > 0)
            expected.lines.append(stream.mid(start, length));
        start = end + 2;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 2)
        return 0;
    const qsizetype limit = qsizetype(data[0]) + 1;
    const size_t cuts = data[1];
    if (size < 2 + cuts)
        return 0;
    const uint8_t *lengths = data + 2;
    const QByteArray stream(reinterpret_cast<const char *>(data + 2 + cuts),
                            qsizetype(size - 2 - cuts));

    ChatLineFramer framer(limit);
    QList<QByteArray> lines;
    qsizetype offset = 0;
    for (size_t i = 0; i < cuts; ++i) {
        const qsizetype taken = qMin(qsizetype(lengths[i]), stream.size() - offset);
        lines += framer.appendChunk(QByteArrayView(stream).sliced(offset, taken));
        offset += taken;
    }
    lines += framer.appendChunk(QByteArrayView(stream).sliced(offset));

    const Expected expected = model(stream, limit);
    if (lines != expected.lines || framer.overflowed() != expected.overflowed)
        std::abort();
    if (!framer.overflowed() && framer.pendingSize() > limit + 1)
        std::abort();
    return 0;
}
