#pragma once

// Reading a fuzzer's bytes as the values a target needs, without ever running past them.

#include <QByteArray>
#include <QByteArrayView>
#include <QLocale>
#include <QString>
#include <QtGlobal>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

// A property of the code under test: when it does not hold, the run stops with the condition
// named, in a release build too.
#define FUZZ_CHECK(condition)                                                                      \
    ((condition) ? void(0) : FuzzCheckFailed(#condition, __FILE__, __LINE__))

[[noreturn]] inline void FuzzCheckFailed(const char* condition, const char* file, int line) {
    std::fprintf(stderr, "%s:%d: check failed: %s\n", file, line, condition);
    std::abort();
}

// The two locales the program's files are written and read under: C and Russian.
inline QLocale FuzzLocale(bool russian) {
    return russian ? QLocale(QLocale::Russian, QLocale::Russia) : QLocale::c();
}

// A copy of bytes in a heap block of exactly their size, without the terminating zero a
// QByteArray keeps, so that AddressSanitizer reports a read one byte past them.
class ExactBytes {
public:
    explicit ExactBytes(QByteArrayView bytes)
        : size_(bytes.size()), data_(new char[std::size_t(bytes.size())]) {
        if (size_ > 0)
            std::memcpy(data_.get(), bytes.data(), std::size_t(size_));
    }
    QByteArrayView View() const { return {data_.get(), size_}; }

private:
    qsizetype size_;
    std::unique_ptr<char[]> data_;
};

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
    // A length prefix, then that many bytes (at most `limit`).
    QByteArrayView Part(qsizetype limit) { return Take(Byte() % (limit + 1)); }
    // Text from the rest, read as UTF-8 (invalid sequences become replacement characters).
    QString Text() { return QString::fromUtf8(Rest()); }

private:
    QByteArrayView bytes_;
    qsizetype at_ = 0;
};
