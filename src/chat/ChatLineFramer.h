#pragma once
// Cuts the chat stream into its commands: each one line ended by "\r\n". Bytes
// after the last "\r\n" wait for the next chunk, so a command or a UTF-8
// character split across two reads arrives whole. A line that grows beyond the
// limit marks the stream as overflowed; nothing more is framed after that.

#include <QByteArray>
#include <QByteArrayView>
#include <QList>

class ChatLineFramer {
public:
    static constexpr qsizetype kDefaultMaxLineLength = 1024 * 1024;

    explicit ChatLineFramer(qsizetype maxLineLength = kDefaultMaxLineLength);

    // The complete, non-empty lines that `chunk` finished, in order, without their
    // "\r\n".
    QList<QByteArray> appendChunk(QByteArrayView chunk);

    bool overflowed() const { return overflowed_; }
    // Bytes of the unfinished line held for the next chunk.
    qsizetype pendingSize() const { return pending_.size(); }
    void reset();

private:
    qsizetype maxLineLength_;
    QByteArray pending_;
    bool overflowed_ = false;
};
