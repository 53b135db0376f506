#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QFile>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

// The figures every benchmark prints: the least, the median and the most of its samples.
struct Figures {
    double min = 0, median = 0, max = 0;
};

inline Figures Summarise(std::vector<double> samples) {
    std::sort(samples.begin(), samples.end());
    return {samples.front(), samples[samples.size() / 2], samples.back()};
}

// The sample that `fraction` (0.99: the 99th percentile) of the samples do not exceed.
inline double Percentile(std::vector<double> samples, double fraction) {
    std::sort(samples.begin(), samples.end());
    return samples[std::min(samples.size() - 1, std::size_t(fraction * double(samples.size())))];
}

inline void Print(const char* what, const Figures& f, const char* unit) {
    std::printf("  %-44s min %8.2f  median %8.2f  max %8.2f %s\n", what, f.min, f.median, f.max,
                unit);
}

// Milliseconds one call of `work` takes, `runs` times, with `between` run before each call.
inline Figures TimeCalls(int runs, const std::function<void()>& between,
                         const std::function<void()>& work) {
    std::vector<double> ms;
    for (int i = 0; i < runs; ++i) {
        between();
        QElapsedTimer timer;
        timer.start();
        work();
        ms.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    return Summarise(ms);
}

// A memory figure of this process from /proc/self/status ("VmRSS", "VmHWM"), in megabytes; 0
// where there is none.
inline double ProcessMegabytes(const char* field) {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray key = QByteArray(field) + ':';
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith(key))
            return line.mid(key.size()).trimmed().split(' ').first().toDouble() / 1024;
    return 0;
}

// While it lives, the longest gap between two ticks of a 5 ms timer on the thread that made it:
// how long that thread (the window's) was kept from its events.
class StallProbe {
public:
    StallProbe() {
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout,
                         [this] { longestMs_ = std::max(longestMs_, sinceLast_.restart()); });
        sinceLast_.start();
        timer_.start();
    }
    qint64 LongestMs() const { return longestMs_; }

private:
    QTimer timer_;
    QElapsedTimer sinceLast_;
    qint64 longestMs_ = 0;
};
