#pragma once

// Reading a fuzzer's bytes as the values a target needs, without ever running past them.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QtGlobal>

#include <cstddef>
#include <cstdint>

class FuzzInput {
public:
    FuzzInput(const uint8_t* data, size_t size)
        : bytes_(reinterpret_cast<const char*>(data), qsizetype(size)) {}

    bool Empty() const { return at_ >= bytes_.size(); }
    quint8 Byte() { return at_ < bytes_.size() ? quint8(bytes_[at_++]) : 0; }
    quint16 Word() { return quint16(Byte() << 8 | Byte()); }
    bool Flag() { return Byte() & 1; }
    // The next n bytes, or what is left.
    QByteArrayView Take(qsizetype n) {
        const qsizetype count = qMin(n, bytes_.size() - at_);
        const QByteArrayView part = bytes_.sliced(at_, count);
        at_ += count;
        return part;
    }
    QByteArrayView Rest() { return Take(bytes_.size()); }
    // Text from the rest, read as UTF-8 (invalid sequences become replacement characters).
    QString Text() { return QString::fromUtf8(Rest()); }

private:
    QByteArrayView bytes_;
    qsizetype at_ = 0;
};
