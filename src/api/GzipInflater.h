#pragma once
// Inflates gzip (or zlib) bodies with a cap on the inflated size, so that a small
// reply cannot blow up into gigabytes.

#include <QByteArray>

#include <optional>

namespace GzipInflater {

// The inflated bytes; none when the data is damaged, truncated or inflates to
// more than `maxBytes`. Consecutive gzip members are joined.
std::optional<QByteArray> inflate(const QByteArray &compressed, qsizetype maxBytes);

} // namespace GzipInflater
