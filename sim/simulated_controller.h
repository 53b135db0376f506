#pragma once

#include "controller_model.h"
#include "fault_plan.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QtGlobal>

#include <atomic>
#include <mutex>
#include <span>
#include <thread>

// The network link the controller also listens on, besides its pseudo-terminal.
enum class SimNetwork { None, RtuOverTcp, ModbusTcp };

struct SimulatedControllerOptions {
    quint8 address = 238;
    int cellCount = 16; // 1 .. 200
    // Steps the battery at every read from register 0 (once per polling cycle). Off, the battery
    // keeps its first values, so tests can set registers and read them back unchanged.
    bool animate = false;
    QString linkPath;   // a symbolic link to the port, made at start and removed at stop
    int frameGapMs = 5; // the silence that ends a frame whose length cannot be told earlier
    // The bootloader's erase reply and its restart into the application take this long.
    BootloaderModel::Timing bootTiming = {};
    // Paced: a request counts as received a request's line time after it came, each reply starts
    // turnaroundUs after that and its bytes leave one character time apart at this baud rate
    // (start, data, parity and stop bits), as on a real line, so that what is timed is line
    // time, not the speed of the pseudo-terminal. 0: unpaced.
    int pacedBaudRate = 0;
    int bitsPerCharacter = 10;
    int turnaroundUs = 2000;
    // One network master at a time; a second waits in the queue until the first has gone, as
    // small gateways do. Port 0 takes a free one (tcpPort() tells it).
    SimNetwork network = SimNetwork::None;
    QString listenAddress = QStringLiteral("127.0.0.1");
    quint16 tcpPort = 0;
    int netDelayMs = 0; // every network reply leaves this much later, as over a slow network
    BatteryTest batteryTest; // a discharge test instead of the battery's round
};

// The controller velmora --demo starts: it animates the battery and updates its firmware at the
// pace of a real one.
SimulatedControllerOptions DemoControllerOptions();

// The controller on a pseudo-terminal: it answers Modbus RTU on its own thread, so that a caller
// that blocks while waiting for a reply (the synchronous exchange) still gets one. start() and
// stop() belong to the owner; every other method may be called from any thread at any time.
class SimulatedController {
public:
    using Options = SimulatedControllerOptions;

    explicit SimulatedController(const Options& options = {});
    ~SimulatedController();
    SimulatedController(const SimulatedController&) = delete;
    SimulatedController& operator=(const SimulatedController&) = delete;

    // Opens the pseudo-terminal and starts answering; on failure says why in `error`.
    bool start(QString* error = nullptr);
    // Stops answering and closes the pseudo-terminal, which the master sees as a vanished port.
    // Returns at once: the answering thread is woken and joined.
    void stop();
    bool isRunning() const;

    // The terminal the master opens as its serial port (/dev/pts/N), empty before start.
    QString portPath() const;
    QString linkPath() const;
    // The TCP port the controller listens on, 0 without a network link.
    quint16 tcpPort() const;
    // The name a master opens to reach the controller: its network link ("tcp://127.0.0.1:N",
    // "rtu+tcp://...") when it listens on one, its terminal otherwise.
    QString masterPortName() const;
    // Closes the network master's connection, as a gateway that drops it does.
    void dropConnection();

    void injectFault(const Fault& fault, int requests = 1); // PersistentFault: until cleared
    void clearFaults();

    // The frames received, as delimited, whatever their address or CRC, oldest first (the latest
    // 10000).
    QList<QByteArray> receivedFrames() const;
    void clearReceivedFrames();

    // Any register, read or set directly; nothing is read outside the map and setting there
    // returns false. Setting the clock registers sets the running clock; no command is run.
    quint16 registerValue(quint16 address) const;
    QList<quint16> registerValues(quint16 first, int count) const;
    bool setRegister(quint16 address, quint16 value);
    bool setRegisters(quint16 first, std::span<const quint16> values);

    // The bootloader, for tests: whether it runs, starting it as 0x30 does, its free flash (the
    // FLASH_FREE register, kilobytes) and the bytes programmed since its last erase.
    bool inBootloader() const;
    void enterBootloader();
    void setFlashFree(quint16 kilobytes);
    QByteArray programmedImage() const;

    // The battery model and the journal, for tests.
    void stepBattery(int steps = 1);
    void setAnimated(bool animate);
    void appendJournalEvent(quint16 code, quint16 cell);
    // Writes `count` events through the ring, so that more than 768 leaves a wrapped journal.
    void preloadJournal(int count);
    QByteArray password() const;

private:
    // Where a request came from and its reply goes: the pseudo-terminal, or the network master
    // (with the Modbus TCP transaction id, or -1 on RTU over TCP).
    struct Route {
        bool network = false;
        int transactionId = -1;
    };
    bool startListening(QString* error);
    void run();
    void takeFrames(QByteArray& pending, bool silence);
    void takeNetworkFrames(QByteArray& pending, bool silence);
    void acceptOrRead(QByteArray& pending);
    void closeClient();
    void answer(const QByteArray& frame, Route route);
    void send(const QByteArray& bytes, bool network);

    const Options options_;
    mutable std::mutex mutex_; // guards model_, faults_, received_ and the replies waiting
    mutable ControllerModel model_;
    FaultPlan faults_;
    QList<QByteArray> received_;
    // A reply on its way: its first byte is due at startUs, the next ones a character apart.
    struct OutgoingReply {
        qint64 startUs;
        QByteArray bytes;
        bool network = false;
        qint64 sent = 0;
    };
    QList<OutgoingReply> outgoing_;
    // Sends what is due of the outgoing replies; the time the next byte is due, or -1.
    qint64 sendDue(qint64 nowUs);
    double characterUs() const;

    int masterFd_ = -1;
    int slaveFd_ = -1;
    int wakeFds_[2] = {-1, -1};
    int listenFd_ = -1;
    int clientFd_ = -1;
    quint16 tcpPort_ = 0;
    QString portPath_;
    QString linkPath_;
    std::thread thread_;
    std::atomic<bool> running_ = false;
};
