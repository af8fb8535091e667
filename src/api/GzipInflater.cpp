#include "GzipInflater.h"

#include <zlib.h>

namespace GzipInflater {

std::optional<QByteArray> inflate(const QByteArray &compressed, qsizetype maxBytes)
{
    z_stream stream{};
    // 15 window bits, +32: detect a gzip or a zlib header.
    if (inflateInit2(&stream, 15 + 32) != Z_OK)
        return std::nullopt;
    stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(compressed.constData()));
    stream.avail_in = uInt(compressed.size());

    QByteArray out;
    char chunk[64 * 1024];
    int result = Z_OK;
    while (true) {
        stream.next_out = reinterpret_cast<Bytef *>(chunk);
        stream.avail_out = sizeof(chunk);
        result = ::inflate(&stream, Z_NO_FLUSH);
        if (result != Z_OK && result != Z_STREAM_END)
            break;
        const qsizetype produced = qsizetype(sizeof(chunk) - stream.avail_out);
        if (out.size() + produced > maxBytes) {
            result = Z_MEM_ERROR;
            break;
        }
        out.append(chunk, produced);
        if (result == Z_STREAM_END) {
            if (stream.avail_in == 0)
                break;
            if (inflateReset(&stream) != Z_OK) {
                result = Z_DATA_ERROR;
                break;
            }
        } else if (stream.avail_in == 0 && produced == 0) {
            result = Z_BUF_ERROR; // truncated
            break;
        }
    }
    inflateEnd(&stream);
    if (result != Z_STREAM_END)
        return std::nullopt;
    return out;
}

} // namespace GzipInflater
