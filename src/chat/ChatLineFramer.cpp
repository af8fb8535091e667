#include "ChatLineFramer.h"

ChatLineFramer::ChatLineFramer(qsizetype maxLineLength) : maxLineLength_(maxLineLength)
{
}

QList<QByteArray> ChatLineFramer::appendChunk(QByteArrayView chunk)
{
    QList<QByteArray> lines;
    if (overflowed_)
        return lines;
    // Only the pending line's last byte can start a "\r\n" that ends in this chunk.
    qsizetype searchFrom = qMax<qsizetype>(0, pending_.size() - 1);
    pending_.append(chunk);
    qsizetype lineStart = 0;
    while (true) {
        const qsizetype end = pending_.indexOf("\r\n", searchFrom);
        if (end < 0)
            break;
        if (end - lineStart > maxLineLength_) {
            overflowed_ = true;
            break;
        }
        if (end > lineStart)
            lines.append(pending_.sliced(lineStart, end - lineStart));
        lineStart = end + 2;
        searchFrom = lineStart;
    }
    // A trailing CR may be the first half of the terminator, not part of the line.
    qsizetype unfinished = pending_.size() - lineStart;
    if (unfinished > 0 && pending_.endsWith('\r'))
        --unfinished;
    if (overflowed_ || unfinished > maxLineLength_) {
        overflowed_ = true;
        pending_.clear();
        return lines;
    }
    pending_.remove(0, lineStart);
    return lines;
}

void ChatLineFramer::reset()
{
    pending_.clear();
    overflowed_ = false;
}
