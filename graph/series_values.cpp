#include "series_values.h"

void SeriesValues::Append(float value) {
    const qint64 k = values_.Size();
    values_.Append(value);
    const auto at = quint8(k % BlockSize);
    if (at == 0) {
        blocks_.Append({value, value, 0, 0});
        return;
    }
    Block& block = blocks_.Back();
    if (value < block.min) {
        block.min = value;
        block.minAt = at;
    }
    if (value > block.max) {
        block.max = value;
        block.maxAt = at;
    }
}

void SeriesValues::Scan(qint64 first, qint64 last, Extremes& e) const {
    const std::span<const float> run = values_.Run(first, last);
    float min = values_[e.minAt];
    float max = values_[e.maxAt];
    for (std::size_t i = 0; i < run.size(); ++i) {
        if (run[i] < min) {
            min = run[i];
            e.minAt = first + qint64(i);
        }
        if (run[i] > max) {
            max = run[i];
            e.maxAt = first + qint64(i);
        }
    }
}

SeriesValues::Extremes SeriesValues::Find(qint64 first, qint64 last) const {
    Extremes e{first, first};
    // Raw points up to the first whole block, whole blocks by their summaries, then the rest.
    qint64 k = first;
    const qint64 headEnd = std::min(last, (first / BlockSize + 1) * BlockSize - 1);
    Scan(k, headEnd, e);
    k = headEnd + 1;
    while (k + BlockSize - 1 <= last) {
        const Block& block = blocks_[k / BlockSize];
        if (block.min < values_[e.minAt])
            e.minAt = k + block.minAt;
        if (block.max > values_[e.maxAt])
            e.maxAt = k + block.maxAt;
        k += BlockSize;
    }
    if (k <= last)
        Scan(k, last, e);
    return e;
}

void SeriesValues::Clear() {
    values_.Clear();
    blocks_.Clear();
}
