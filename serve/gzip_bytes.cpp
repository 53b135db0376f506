#include "gzip_bytes.h"

#include <QList>

#include <zlib.h>

QByteArray GzipBytes(QByteArrayView bytes) {
    z_stream stream{};
    // 15 window bits plus 16: a gzip header and trailer around the deflate stream. Level 1 packs
    // the repetitive exposition text nearly as well as level 9, in a fraction of the time.
    if (deflateInit2(&stream, 1, Z_DEFLATED, 15 + 16, 8, Z_DEFAULT_STRATEGY) != Z_OK)
        return {};
    QByteArray packed(qsizetype(deflateBound(&stream, uLong(bytes.size()))), Qt::Uninitialized);
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(bytes.data()));
    stream.avail_in = uInt(bytes.size());
    stream.next_out = reinterpret_cast<Bytef*>(packed.data());
    stream.avail_out = uInt(packed.size());
    const int result = deflate(&stream, Z_FINISH);
    packed.truncate(qsizetype(stream.total_out));
    deflateEnd(&stream);
    return result == Z_STREAM_END ? packed : QByteArray();
}

bool AcceptsGzip(QByteArrayView acceptEncoding) {
    for (const QByteArray& item : acceptEncoding.toByteArray().split(',')) {
        const QList<QByteArray> parts = item.split(';');
        if (parts.first().trimmed().toLower() != "gzip")
            continue;
        for (const QByteArray& parameter : parts.mid(1)) {
            const QByteArray p = parameter.trimmed().toLower();
            if (p.startsWith("q=") && p.mid(2).toDouble() == 0)
                return false;
        }
        return true;
    }
    return false;
}
