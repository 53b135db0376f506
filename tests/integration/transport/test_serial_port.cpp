#include "pty_peer.h"
#include "scripted_prompts.h"
#include "serial_port.h"

#include <QDeadlineTimer>
#include <QTest>

namespace {

// Waits, generously, until the port reports at least `count` bytes waiting.
quint16 WaitForBytes(SerialPort& port, int count) {
    const QDeadlineTimer deadline(5000);
    quint16 waiting = port.BytesWaiting();
    while (waiting < count && !deadline.hasExpired()) {
        QTest::qSleep(5);
        waiting = port.BytesWaiting();
    }
    return waiting;
}

} // namespace

class TestSerialPort : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void missingPortIsReportedAndAGoodOneOpensAfter() {
        ScriptedPrompts prompts;
        SerialPort port;
        QVERIFY(!port.Open(QStringLiteral("/dev/velmora-no-such-port"), LineSettingsFor(4, 0)));
        QVERIFY(!port.IsOpen());
        QCOMPARE(prompts.shown.size(), 1);
        QCOMPARE(prompts.shown[0].text, QStringLiteral("Ошибка открытия порта"));
        QCOMPARE(prompts.shown[0].caption, QStringLiteral("Error"));
        QVERIFY(prompts.shown[0].details.contains(QStringLiteral("адаптер отключен")));

        PtyPeer peer;
        QVERIFY(peer.isOpen());
        QVERIFY(port.Open(peer.slavePath(), LineSettingsFor(0, 0)));
        QVERIFY(port.IsOpen());
        QCOMPARE(prompts.shown.size(), 1);
        port.Close();
        QVERIFY(!port.IsOpen());
    }

    // A pseudo-terminal has no parity: the refused settings close the port again, so the next
    // opening with settings it takes succeeds.
    void refusedSettingsLeaveThePortClosed() {
        ScriptedPrompts prompts;
        PtyPeer peer;
        SerialPort port;
        QVERIFY(!port.Open(peer.slavePath(), LineSettingsFor(0, 1)));
        QVERIFY(!port.IsOpen());
        QCOMPARE(prompts.messageTexts(),
                 QStringList{QStringLiteral("Ошибка записи настроек порта")});
        QCOMPARE(prompts.shown[0].caption, QStringLiteral("Error"));
        QVERIFY(port.Open(peer.slavePath(), LineSettingsFor(0, 0)));
        QCOMPARE(prompts.shown.size(), 1);
    }

    void secondOpeningOfTheSamePortFails() {
        ScriptedPrompts prompts;
        PtyPeer peer;
        SerialPort first;
        SerialPort second;
        QVERIFY(first.Open(peer.slavePath(), LineSettingsFor(4, 0)));
        QVERIFY(!second.Open(peer.slavePath(), LineSettingsFor(4, 0)));
        QCOMPARE(prompts.messageTexts(), QStringList{QStringLiteral("Ошибка открытия порта")});
        QVERIFY2(prompts.shown[0].details.contains(QStringLiteral("занят другой программой")),
                 qPrintable(prompts.shown[0].details));
    }

    void outputQueueTakesAtMost2047Bytes() {
        ScriptedPrompts prompts;
        PtyPeer peer;
        SerialPort port;
        QVERIFY(port.Open(peer.slavePath(), LineSettingsFor(4, 0)));
        QByteArray data(2048, '\0');
        for (int i = 0; i < data.size(); ++i)
            data[i] = char(i * 7);
        const auto* bytes = reinterpret_cast<const quint8*>(data.constData());

        QCOMPARE(port.Write(bytes, 2047), quint16(2047));
        QCOMPARE(peer.read(2047, 5000), data.first(2047));
        QVERIFY(prompts.shown.isEmpty());

        QCOMPARE(port.Write(bytes, 2048), quint16(0));
        QCOMPARE(prompts.shown.size(), 1);
        QCOMPARE(prompts.shown[0].text, QStringLiteral("Невозможно поместить в выходной буфер "));
        QCOMPARE(prompts.shown[0].caption, QString());
        QVERIFY(peer.read(1, 100).isEmpty());

        QCOMPARE(port.Write(bytes, 0), quint16(0));
        QCOMPARE(prompts.shown.size(), 1);
    }

    void readTakesWhatCameAndPurgeDiscardsIt() {
        ScriptedPrompts prompts;
        PtyPeer peer;
        SerialPort port;
        QVERIFY(port.Open(peer.slavePath(), LineSettingsFor(4, 0)));
        QCOMPARE(port.BytesWaiting(), quint16(0));

        const QByteArray sent("\x01\x02\x03\x04\x05\x06", 6);
        QVERIFY(peer.write(sent));
        QCOMPARE(WaitForBytes(port, 6), quint16(6));
        quint8 buffer[16] = {};
        QCOMPARE(port.Read(buffer, 4), quint16(4));
        QCOMPARE(QByteArray(reinterpret_cast<char*>(buffer), 4), sent.first(4));
        QCOMPARE(port.BytesWaiting(), quint16(2));

        QVERIFY(port.PurgeRx());
        QCOMPARE(port.BytesWaiting(), quint16(0));
        QCOMPARE(port.Read(buffer, 4), quint16(0));
        QVERIFY(prompts.shown.isEmpty());
    }

    void vanishedDeviceIsReportedBeforeReadingAndWriting() {
        ScriptedPrompts prompts;
        PtyPeer peer;
        SerialPort port;
        QVERIFY(port.Open(peer.slavePath(), LineSettingsFor(4, 0)));
        peer.closeMaster();
        quint8 buffer[8] = {};
        QCOMPARE(port.Read(buffer, 8), quint16(0));
        QCOMPARE(prompts.messageTexts(),
                 QStringList{QStringLiteral("Ошибка сброса ошибок порта перед чтением")});
        QCOMPARE(prompts.shown[0].caption, QStringLiteral("Error"));
    }
};

QTEST_GUILESS_MAIN(TestSerialPort)
#include "test_serial_port.moc"
