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

// The frame as the monitor keeps it, its reply judged.
TrafficFrame Kept(const TrafficFrame& frame) {
    TrafficLog log;
    log.Append({frame});
    return log.At(0);
}

} // namespace

Q_DECLARE_METATYPE(TrafficSource)
Q_DECLARE_METATYPE(TrafficVerdict)

class TestTraffic : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void verdicts_data() {
        QTest::addColumn<TrafficSource>("source");
        QTest::addColumn<QByteArray>("request");
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<TrafficVerdict>("verdict");
        QTest::addColumn<QString>("decode");
        const auto polling = TrafficSource::Polling;
        const auto command = TrafficSource::Command;
        const auto boot = TrafficSource::Bootloader;
        const QByteArray read2 = BuildReadRequest(238, 10, 2);
        QTest::newRow("correct read") << polling << read2 << WithCrc("EE030400010002")
                                      << TrafficVerdict::Correct << "адрес 238, чтение 10..11 (2)";
        QTest::newRow("fewer registers")
            << polling << read2 << WithCrc("EE03020001") << TrafficVerdict::WrongLength
            << "адрес 238, чтение 10..11 (2)";
        // A command's read stores what the reply carries.
        QTest::newRow("fewer registers to a command")
            << command << read2 << WithCrc("EE03020001") << TrafficVerdict::Correct
            << "адрес 238, чтение 10..11 (2)";
        QTest::newRow("more than asked")
            << polling << read2 << WithCrc("EE0306000100020003") << TrafficVerdict::TooLong
            << "адрес 238, чтение 10..11 (2)";
        QByteArray bad = WithCrc("EE030400010002");
        bad[bad.size() - 1] = char(bad.back() ^ 1);
        QTest::newRow("bad CRC") << polling << read2 << bad << TrafficVerdict::CrcError
                                 << "адрес 238, чтение 10..11 (2)";
        QTest::newRow("exception")
            << polling << read2 << WithCrc("EE8302") << TrafficVerdict::Exception
            << "адрес 238, исключение 2: Недоступный адрес регистра";
        QTest::newRow("no answer")
            << polling << read2 << QByteArray() << TrafficVerdict::NoAnswer << "";
        const std::array<quint16, 3> words{9, 12, 0};
        const QByteArray write3 = BuildWriteRequest(238, 45, words);
        QTest::newRow("write echo") << command << write3 << WithCrc("EE10002D0003")
                                    << TrafficVerdict::Correct << "адрес 238, запись 45..47 (3)";
        QTest::newRow("write answered with another function")
            << command << write3 << WithCrc("EE03002D0003") << TrafficVerdict::UnexpectedFunction
            << "адрес 238, чтение 45..47 (3)";
        QTest::newRow("bootloader erase")
            << boot << WithCrc("EE2000") << WithCrc("EE200001") << TrafficVerdict::Correct
            << "адрес 238, загрузчик: стирание памяти";
        QTest::newRow("erase answered as a packet")
            << boot << WithCrc("EE2000") << WithCrc("EE21F0") << TrafficVerdict::UnexpectedFunction
            << "адрес 238, загрузчик: пакет прошивки";
        QTest::newRow("init answered without its 0x01")
            << boot << WithCrc("EE3001") << WithCrc("EE3000") << TrafficVerdict::UnexpectedFunction
            << "адрес 238, загрузчик: инициализация загрузчика";
        // The packet reply's CRC covers its first three bytes, whatever follows.
        QTest::newRow("packet reply with a trailing byte")
            << boot << WithCrc("EE2108002000020102") << WithCrc("EE2102") + QByteArray(1, '\x55')
            << TrafficVerdict::Correct << "адрес 238, загрузчик: пакет прошивки";
        QTest::newRow("packet reply naming another packet's length")
            << boot << WithCrc("EE2108002000020102") << WithCrc("EE21F0") << TrafficVerdict::Stray
            << "адрес 238, загрузчик: пакет прошивки";
        QTest::newRow("stray bytes") << polling << QByteArray() << QByteArray::fromHex("A55A00")
                                     << TrafficVerdict::CrcError << "адрес 165, функция 0x5A";
    }
    void verdicts() {
        QFETCH(TrafficSource, source);
        QFETCH(QByteArray, request);
        QFETCH(QByteArray, reply);
        QFETCH(TrafficVerdict, verdict);
        QFETCH(QString, decode);
        const TrafficFrame frame = Kept(ReceivedFrame(source, request, reply));
        QCOMPARE(frame.verdict, verdict);
        QCOMPARE(DecodeFrame(frame), decode);
        QCOMPARE(Matches(frame, TrafficFilter::ErrorsOnly), verdict != TrafficVerdict::Correct);
    }

    void filters() {
        const TrafficFrame read = SentFrame(TrafficSource::Polling, BuildReadRequest(238, 0, 50));
        const TrafficFrame boot = SentFrame(TrafficSource::Bootloader, WithCrc("EE3001"));
        const TrafficFrame missing =
            Kept(ReceivedFrame(TrafficSource::Command, BuildReadRequest(238, 0, 1), {}));
        QVERIFY(Matches(read, TrafficFilter::Read) && !Matches(read, TrafficFilter::Write));
        QVERIFY(!Matches(Kept(read), TrafficFilter::ErrorsOnly)); // a request has no verdict
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
