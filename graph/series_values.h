#pragma once

#include "chunked_array.h"

#include <QtGlobal>

// The values of one trend series, point k being the series' X = k, with the lowest and highest
// value of every block of 64 points kept beside them, so that the extremes of a long run are
// found from the blocks instead of from every point.
class SeriesValues {
public:
    static constexpr int BlockSize = 64;

    // The lowest and the highest value of a run and where they first occur.
    struct Extremes {
        qint64 minAt = 0;
        qint64 maxAt = 0;
    };

    void Append(float value);
    qint64 Size() const { return values_.Size(); }
    float operator[](qint64 k) const { return values_[k]; }
    // first <= last, both points of the series.
    Extremes Find(qint64 first, qint64 last) const;
    void Clear();
    qint64 MemoryBytes() const { return values_.MemoryBytes() + blocks_.MemoryBytes(); }

private:
    struct Block {
        float min;
        float max;
        quint8 minAt; // within the block
        quint8 maxAt;
    };
    // Folds the points first..last, which lie in one chunk, into extremes.
    void Scan(qint64 first, qint64 last, Extremes& e) const;

    ChunkedArray<float> values_;
    ChunkedArray<Block, 12> blocks_;
};
