#include "mbap_frames.h"
#include "modbus_frames.h"
#include "network_link.h"

#include <QTest>

// Modbus TCP framing and the names of network links.
class TestNetworkFrames : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void requestIsWrappedWithoutItsCrc_data() {
        QTest::addColumn<QByteArray>("rtu");
        QTest::addColumn<int>("transactionId");
        QTest::addColumn<QByteArray>("mbap");
        QTest::newRow("read 50 from 0") << BuildReadRequest(238, 0, 50) << 1
                                        << QByteArray::fromHex("000100000006EE0300000032");
        QTest::newRow("id high byte first") << BuildReadRequest(1, 0x6800, 6) << 0xABCD
                                            << QByteArray::fromHex("ABCD0000000601036800 0006");
        QTest::newRow("no function before the CRC") << QByteArray::fromHex("EE0102") << 1
                                                    << QByteArray();
    }
    void requestIsWrappedWithoutItsCrc() {
        QFETCH(QByteArray, rtu);
        QFETCH(int, transactionId);
        QFETCH(QByteArray, mbap);
        QCOMPARE(WrapMbap(rtu, quint16(transactionId)), mbap);
    }

    void frameLengthIsToldByTheHeader_data() {
        QTest::addColumn<QByteArray>("received");
        QTest::addColumn<int>("length");
        QTest::newRow("short header") << QByteArray::fromHex("000100000006") << 0;
        QTest::newRow("exception") << QByteArray::fromHex("00010000000301830200") << 9;
        QTest::newRow("protocol id not 0") << QByteArray::fromHex("00010001000301830200") << -1;
        QTest::newRow("no function") << QByteArray::fromHex("000100000001EE") << -1;
        QTest::newRow("longest PDU") << QByteArray::fromHex("0001000000FDEE") << 6 + 253;
        QTest::newRow("PDU too long for RTU") << QByteArray::fromHex("0001000000FEEE") << -1;
    }
    void frameLengthIsToldByTheHeader() {
        QFETCH(QByteArray, received);
        QFETCH(int, length);
        QCOMPARE(MbapFrameLength(received), length);
    }

    // The reply comes back as the RTU frame the judges know: the same bytes as over a serial line.
    void replyIsTurnedBackIntoRtu() {
        const QByteArray rtu = QByteArray::fromHex("EE030486A00001");
        QByteArray serial = rtu;
        AppendCrc(serial);
        const QByteArray mbap = WrapMbap(serial, 7);
        QCOMPARE(MbapTransactionId(mbap), quint16(7));
        QCOMPARE(MbapUnitId(mbap), quint8(0xEE));
        QCOMPARE(MbapToRtu(mbap), serial);
        QCOMPARE(JudgeReadReply(MbapToRtu(mbap), 2).words, QList<quint16>({0x86A0, 0x0001}));
    }

    void networkPortNamesAreRead_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("host");
        QTest::addColumn<int>("port"); // 0: refused
        QTest::newRow("serial") << "ttyUSB0" << int(LinkKind::Serial) << "" << 0;
        QTest::newRow("Modbus TCP, default port")
            << "tcp://gateway.local" << int(LinkKind::ModbusTcp) << "gateway.local" << 502;
        QTest::newRow("Modbus TCP, port") << "tcp://10.0.0.5:1502" << int(LinkKind::ModbusTcp)
                                          << "10.0.0.5" << 1502;
        QTest::newRow("IPv6") << "tcp://[::1]:5020" << int(LinkKind::ModbusTcp) << "::1" << 5020;
        QTest::newRow("RTU over TCP") << "rtu+tcp://10.0.0.7:4001" << int(LinkKind::RtuOverTcp)
                                      << "10.0.0.7" << 4001;
        QTest::newRow("RTU over TCP needs a port")
            << "rtu+tcp://10.0.0.7" << int(LinkKind::RtuOverTcp) << "" << 0;
        QTest::newRow("port out of range")
            << "tcp://10.0.0.5:70000" << int(LinkKind::ModbusTcp) << "" << 0;
        QTest::newRow("no host") << "tcp://:502" << int(LinkKind::ModbusTcp) << "" << 0;
        QTest::newRow("a path") << "tcp://host/x" << int(LinkKind::ModbusTcp) << "" << 0;
    }
    void networkPortNamesAreRead() {
        QFETCH(QString, name);
        QFETCH(int, kind);
        QFETCH(QString, host);
        QFETCH(int, port);
        QCOMPARE(int(LinkKindOf(name)), kind);
        QString error;
        const std::optional<NetworkTarget> target = ParseNetworkTarget(name, &error);
        QCOMPARE(target.has_value(), port != 0);
        QCOMPARE(error.isEmpty(), port != 0);
        if (!target)
            return;
        QCOMPARE(target->host, host);
        QCOMPARE(int(target->port), port);
        QCOMPARE(ParseNetworkTarget(NetworkPortName(*target), &error), target);
    }
};

QTEST_GUILESS_MAIN(TestNetworkFrames)
#include "test_network_frames.moc"
