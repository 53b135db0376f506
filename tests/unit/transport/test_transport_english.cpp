#include "address_check.h"
#include "connection_settings.h"
#include "english_texts.h"
#include "language.h"
#include "modbus_frames.h"
#include "network_link.h"
#include "poll_sequencer.h"
#include "poll_worker.h"
#include "port_list.h"
#include "reply_reports.h"
#include "traffic_frame.h"

#include <QSignalSpy>
#include <QTcpServer>
#include <QTest>

Q_DECLARE_METATYPE(PollVerdict)
Q_DECLARE_METATYPE(ReplyStatus)

// The transport's texts in English mode: what the operator reads has no Cyrillic letter, while the
// link-error events of the monitoring log stay the Russian words its reader looks for.

namespace {

QByteArray Frame(const char* hex, bool crc = true) {
    QByteArray frame = QByteArray::fromHex(hex);
    if (crc)
        AppendCrc(frame);
    return frame;
}

// A port on loopback that refuses connections: one a server listened on and gave up.
quint16 ClosedLoopbackPort() {
    QTcpServer server;
    if (!server.listen(QHostAddress::LocalHost))
        return 0;
    const quint16 port = server.serverPort();
    server.close();
    return port;
}

// What make gives in Russian mode, then in English mode (left installed).
template <class Make> auto InBothLanguages(const Make& make) {
    InstallLanguage(Language::Russian);
    auto russian = make();
    InstallLanguage(Language::English);
    return std::pair{russian, make()};
}

} // namespace

class TestTransportEnglish : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QVERIFY(InstallLanguage(Language::English)); }
    void cleanupTestCase() { InstallLanguage(Language::Russian); }

    // A reply of each verdict, and a reply time-out (no bytes).
    void pollReports_data() {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<int>("count");
        QTest::addColumn<PollVerdict>("verdict");
        QTest::newRow("stored") << Frame("EE03020007") << 1 << PollVerdict::Stored;
        QTest::newRow("exception") << Frame("EE8302") << 50 << PollVerdict::Exception;
        QTest::newRow("too long") << Frame("EE0303000102") << 1 << PollVerdict::TooLong;
        QTest::newRow("wrong length") << Frame("EE03020007") << 2 << PollVerdict::WrongLength;
        QTest::newRow("bad crc") << Frame("EE03021234ABCD", false) << 1 << PollVerdict::CrcError;
        QTest::newRow("no answer") << QByteArray() << 6 << PollVerdict::NoAnswer;
    }
    void pollReports() {
        QFETCH(QByteArray, reply);
        QFETCH(int, count);
        QFETCH(PollVerdict, verdict);
        const PollRequest request{0, quint16(count)};
        const QDateTime when(QDate(2024, 3, 5), QTime(7, 8, 9));
        const auto [russian, english] = InBothLanguages([&] {
            return reply.isEmpty() ? NoAnswerReport(request, when)
                                   : ParsePollReply(reply, request, when).report;
        });
        QCOMPARE(english.verdict, verdict);
        VerifyEnglish(english.memoLines + QStringList{english.replyText});
        QCOMPARE(english.logText, russian.logText);
        QCOMPARE(LinkErrorLogLine(when, english.logText), LinkErrorLogLine(when, russian.logText));
        VerifyLogEvent(english.logText);
        QCOMPARE(english.logText.isEmpty(),
                 verdict != PollVerdict::CrcError && verdict != PollVerdict::NoAnswer);
    }

    // The read and write reports of a command's reply of each status.
    void replyReports_data() {
        QTest::addColumn<ReplyStatus>("status");
        QTest::newRow("correct") << ReplyStatus::Correct;
        QTest::newRow("exception") << ReplyStatus::Exception;
        QTest::newRow("too long") << ReplyStatus::TooLong;
        QTest::newRow("bad crc") << ReplyStatus::CrcError;
        QTest::newRow("no answer") << ReplyStatus::NoAnswer;
        QTest::newRow("unexpected function") << ReplyStatus::UnexpectedFunction;
    }
    void replyReports() {
        QFETCH(ReplyStatus, status);
        const ReplyVerdict verdict{status, 2};
        for (const auto& report : {ReadReplyReport, WriteReplyReport}) {
            const auto [russian, english] = InBothLanguages([&] { return report(verdict, 45); });
            VerifyEnglish({english.statusText, english.messageText, english.messageCaption,
                           english.memoLine});
            QCOMPARE(english.logEvent, russian.logEvent);
            VerifyLogEvent(english.logEvent);
        }
    }

    // Texts of failed connections and ports, the traffic monitor's columns and the rest.
    void shownTexts_data() {
        QTest::addColumn<QString>("text");
        const NetworkTarget target{LinkKind::ModbusTcp, QStringLiteral("plc.example"), 502};
        for (const auto& [name, error] :
             {std::pair{"host not found", QAbstractSocket::HostNotFoundError},
              std::pair{"refused", QAbstractSocket::ConnectionRefusedError},
              std::pair{"timed out", QAbstractSocket::SocketTimeoutError},
              std::pair{"dropped", QAbstractSocket::RemoteHostClosedError},
              std::pair{"other", QAbstractSocket::NetworkError}})
            QTest::newRow(name) << ConnectionFailureText(error, target, 1000);
        for (const char* name : {"tcp://", "rtu+tcp://host", "tcp://host/path"}) {
            QString error;
            QVERIFY(!ParseNetworkTarget(QString::fromLatin1(name), &error));
            QTest::newRow(name) << error;
        }
        const QString port = QStringLiteral("/dev/ttyUSB0");
        QTest::newRow("missing port") << PortOpenFailureText(
            QSerialPort::DeviceNotFoundError, QStringLiteral("/dev/velmora-no-such-port"));
        QTest::newRow("root's port")
            << OpenFailureDetails(QSerialPort::PermissionError, port, true, false, "root");
        QTest::newRow("busy port")
            << OpenFailureDetails(QSerialPort::PermissionError, port, true, true, "dialout");
        QTest::newRow("latency") << LatencyAdvice(port, 16);
        QTest::newRow("address not a number") << AddressRefusal(QStringLiteral("x"));
        QTest::newRow("address out of range") << AddressRefusal(QStringLiteral("300"));
        QTest::newRow("received") << RxTotalText(12);
        for (int code = 1; code <= 8; ++code)
            QTest::addRow("exception %d", code) << ExceptionText(code);
        const QByteArray read = Frame("EE0300000032");
        QTest::newRow("read frame") << DecodeFrame(SentFrame(TrafficSource::Polling, read));
        QTest::newRow("write frame")
            << DecodeFrame(SentFrame(TrafficSource::Command, Frame("EE10002D000306000100000000")));
        QTest::newRow("exception frame")
            << DecodeFrame(ReceivedFrame(TrafficSource::Command, read, Frame("EE8302")));
        QTest::newRow("bootloader frame")
            << DecodeFrame(SentFrame(TrafficSource::Bootloader, Frame("EE20")));
        QTest::newRow("other function")
            << DecodeFrame(SentFrame(TrafficSource::Command, Frame("EE07")));
        for (int verdict = int(TrafficVerdict::None); verdict <= int(TrafficVerdict::Stray);
             ++verdict)
            QTest::addRow("verdict %d", verdict) << VerdictText(TrafficVerdict(verdict));
        for (TrafficSource source :
             {TrafficSource::Polling, TrafficSource::Command, TrafficSource::Bootloader})
            QTest::addRow("source %d", int(source)) << SourceText(source);
    }
    void shownTexts() {
        QFETCH(QString, text);
        VerifyEnglish({text});
    }

    // Polling that cannot start says why in English, with the event for those that act on it.
    void pollingPortTexts_data() {
        QTest::addColumn<QString>("portName");
        QTest::newRow("missing port") << QStringLiteral("/dev/velmora-no-such-port");
        QTest::newRow("refused connection")
            << QStringLiteral("tcp://127.0.0.1:%1").arg(ClosedLoopbackPort());
        QTest::newRow("no host") << QStringLiteral("tcp://");
    }
    void pollingPortTexts() {
        QFETCH(QString, portName);
        PollController polling;
        QSignalSpy texts(&polling, &PollController::PortStateText);
        ConnectionSettings settings;
        settings.portName = portName;
        settings.baudIndex = 4;
        QVERIFY(!polling.OpenPollPort(settings, 238));
        QTRY_COMPARE(texts.size(), 1);
        VerifyEnglish({texts[0][0].toString()});
        QCOMPARE(texts[0][1].value<PortEvent>(), PortEvent::NotOpened);
    }
};

QTEST_GUILESS_MAIN(TestTransportEnglish)
#include "test_transport_english.moc"
