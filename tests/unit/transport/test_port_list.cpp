#include "port_list.h"

#include <QSerialPortInfo>
#include <QTest>

class TestPortList : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void presentPortsComeFirstThenTheExtraOnes() {
        QStringList present;
        for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts())
            present.append(info.portName());
        const QString sim = QStringLiteral("/tmp/velmora-sim");
        const QString byId = QStringLiteral("/dev/serial/by-id/usb-adapter");
        // Repeated and empty entries are left out.
        const QStringList listed = ListSerialPorts({sim, QString(), byId, sim});
        QCOMPARE(listed, present + QStringList({sim, byId}));
        QCOMPARE(ListSerialPorts(), present);
    }
};

QTEST_GUILESS_MAIN(TestPortList)
#include "test_port_list.moc"
