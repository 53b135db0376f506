#pragma once

#include <QtGlobal>

#include <algorithm>
#include <memory>
#include <span>
#include <vector>

// An append-only array kept in fixed chunks: an append never moves what is stored, so a run of
// days grows by one chunk at a time, with no copy and no doubled capacity.
template <class T, int ChunkBits = 14> class ChunkedArray {
public:
    static constexpr qint64 ChunkSize = qint64(1) << ChunkBits;

    ChunkedArray() = default;
    ChunkedArray(const ChunkedArray& other) : size_(other.size_) {
        chunks_.reserve(other.chunks_.size());
        for (std::size_t c = 0; c < other.chunks_.size(); ++c) {
            chunks_.push_back(std::make_unique_for_overwrite<T[]>(std::size_t(ChunkSize)));
            const qint64 used = std::min(ChunkSize, size_ - qint64(c) * ChunkSize);
            std::copy_n(other.chunks_[c].get(), used, chunks_.back().get());
        }
    }
    ChunkedArray& operator=(const ChunkedArray& other) {
        ChunkedArray copy(other);
        std::swap(chunks_, copy.chunks_);
        std::swap(size_, copy.size_);
        return *this;
    }
    ChunkedArray(ChunkedArray&&) noexcept = default;
    ChunkedArray& operator=(ChunkedArray&&) noexcept = default;
    ~ChunkedArray() = default;

    void Append(const T& value) {
        if (size_ % ChunkSize == 0)
            chunks_.push_back(std::make_unique_for_overwrite<T[]>(std::size_t(ChunkSize)));
        chunks_.back()[std::size_t(size_ % ChunkSize)] = value;
        ++size_;
    }
    // The last element, which must exist, for updating in place.
    T& Back() { return chunks_.back()[std::size_t((size_ - 1) % ChunkSize)]; }

    qint64 Size() const { return size_; }
    const T& operator[](qint64 i) const {
        return chunks_[std::size_t(i >> ChunkBits)][std::size_t(i & (ChunkSize - 1))];
    }
    // The elements from first up to last (inclusive) or the end of first's chunk, whichever
    // comes first.
    std::span<const T> Run(qint64 first, qint64 last) const {
        const qint64 end = std::min(last + 1, (first / ChunkSize + 1) * ChunkSize);
        return {&(*this)[first], std::size_t(end - first)};
    }

    void Clear() {
        chunks_.clear();
        chunks_.shrink_to_fit();
        size_ = 0;
    }
    qint64 MemoryBytes() const {
        return qint64(chunks_.size()) * ChunkSize * qint64(sizeof(T)) +
               qint64(chunks_.capacity() * sizeof(std::unique_ptr<T[]>));
    }

private:
    std::vector<std::unique_ptr<T[]>> chunks_;
    qint64 size_ = 0;
};
