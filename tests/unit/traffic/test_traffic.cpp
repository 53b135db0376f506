#include "modbus_frames.h"
#include "traffic_log.h"

#include <QTest>

// What the traffic monitor says of each frame, and how many it keeps.
namespace {

QByteArray WithCrc(const char* hex) {
    QByteArray frame = QByteArray::fromHex(hex);
    AppendCrc(frame);
    return frame;
}

} // namespace

class TestTraffic : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void verdicts_data() {
        QTest::addColumn<QByteArray>("request");
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<int>("verdict");
        QTest::addColumn<QString>("decode");
        const QByteArray read2 = BuildReadRequest(238, 10, 2);
        QTest::newRow("correct read")
            << read2 << WithCrc("EE030400010002") << int(TrafficVerdict::Correct)
            << "адрес 238, чтение 10..11 (2)";
        QTest::newRow("fewer registers")
            << read2 << WithCrc("EE03020001") << int(TrafficVerdict::WrongLength)
            << "адрес 238, чтение 10..11 (2)";
        QTest::newRow("more than asked")
            << read2 << WithCrc("EE0306000100020003") << int(TrafficVerdict::TooLong)
            << "адрес 238, чтение 10..11 (2)";
        QByteArray bad = WithCrc("EE030400010002");
        bad[bad.size() - 1] = char(bad.back() ^ 1);
        QTest::newRow("bad CRC") << read2 << bad << int(TrafficVerdict::CrcError)
                                 << "адрес 238, чтение 10..11 (2)";
        QTest::newRow("exception") << read2 << WithCrc("EE8302") << int(TrafficVerdict::Exception)
                                   << "адрес 238, исключение 2: Недоступный адрес регистра";
        QTest::newRow("no answer") << read2 << QByteArray() << int(TrafficVerdict::NoAnswer) << "";
        const std::array<quint16, 3> words{9, 12, 0};
        QTest::newRow("write echo")
            << BuildWriteRequest(238, 45, words) << WithCrc("EE10002D0003")
            << int(TrafficVerdict::Correct) << "адрес 238, запись 45..47 (3)";
        QTest::newRow("bootloader erase")
            << WithCrc("EE2000") << WithCrc("EE200001") << int(TrafficVerdict::Correct)
            << "адрес 238, загрузчик: стирание памяти";
        QTest::newRow("stray bytes") << QByteArray() << QByteArray::fromHex("A55A00")
                                     << int(TrafficVerdict::CrcError) << "адрес 165, функция 0x5A";
    }
    void verdicts() {
        QFETCH(QByteArray, request);
        QFETCH(QByteArray, reply);
        QFETCH(int, verdict);
        QFETCH(QString, decode);
        const TrafficFrame frame = ReceivedFrame(TrafficSource::Polling, request, reply);
        QCOMPARE(int(frame.verdict), verdict);
        QCOMPARE(DecodeFrame(frame), decode);
        QCOMPARE(Matches(frame, TrafficFilter::ErrorsOnly),
                 verdict != int(TrafficVerdict::Correct));
    }

    void filters() {
        const TrafficFrame read = SentFrame(TrafficSource::Polling, BuildReadRequest(238, 0, 50));
        const TrafficFrame boot = SentFrame(TrafficSource::Bootloader, WithCrc("EE3001"));
        const TrafficFrame missing =
            ReceivedFrame(TrafficSource::Command, BuildReadRequest(238, 0, 1), {});
        QVERIFY(Matches(read, TrafficFilter::Read) && !Matches(read, TrafficFilter::Write));
        QVERIFY(!Matches(read, TrafficFilter::ErrorsOnly)); // a request has no verdict
        QVERIFY(Matches(boot, TrafficFilter::Bootloader) && !Matches(boot, TrafficFilter::Read));
        QVERIFY(Matches(missing, TrafficFilter::Read)); // by the request it lacks an answer to
        QVERIFY(Matches(missing, TrafficFilter::ErrorsOnly));
        QCOMPARE(TrafficRowTexts(read).size(), TrafficColumnTitles().size());
        QCOMPARE(TrafficRowTexts(read)[3], QStringLiteral("EE 03 00 00 00 32 D2 80"));
    }

    // The last 10,000 frames are kept; the older ones are dropped and counted.
    void bounded() {
        TrafficLog log;
        QList<TrafficFrame> frames;
        for (int i = 0; i < TrafficLog::Capacity + 5; ++i) {
            TrafficFrame frame;
            frame.timeMs = i;
            frames.append(frame);
        }
        log.Append(frames.first(7));
        log.Append(frames.mid(7));
        QCOMPARE(log.Size(), TrafficLog::Capacity);
        QCOMPARE(log.Dropped(), 5u);
        QCOMPARE(log.At(0).timeMs, 5);
        QCOMPARE(log.At(log.Size() - 1).timeMs, TrafficLog::Capacity + 4);
        log.Clear();
        QCOMPARE(log.Size(), 0);
        QCOMPARE(log.Dropped(), 0u);
    }
};

QTEST_APPLESS_MAIN(TestTraffic)
#include "test_traffic.moc"
