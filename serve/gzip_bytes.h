#pragma once

#include <QByteArray>
#include <QByteArrayView>

// The bytes as a gzip stream (RFC 1952), as HTTP's "Content-Encoding: gzip" carries them; empty
// when zlib fails. A scrape of a large fleet is over a megabyte of text that packs to a tenth.
QByteArray GzipBytes(QByteArrayView bytes);

// True when an Accept-Encoding header value takes gzip (not refused with q=0).
bool AcceptsGzip(QByteArrayView acceptEncoding);
