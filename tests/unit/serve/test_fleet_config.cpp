#include "fleet_config.h"

#include <QTest>

// The configuration of serve: every refusal names its line, and the file and the command line
// take the same keys through the same checks.

namespace {

const QString Link = QStringLiteral("link = /dev/ttyUSB0\n");

} // namespace

class TestFleetConfig : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void refusals_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("errors");
        QTest::newRow("misspelt key") << "[controller a]\n" + Link + "boud = 9600\n"
                                      << QStringList{"f.ini:3: неизвестный ключ «boud»"};
        QTest::newRow("unknown [serve] key") << "[serve]\nmetrics = 1\n[controller a]\n" + Link
                                             << QStringList{"f.ini:2: неизвестный ключ «metrics»"};
        QTest::newRow("key outside a section")
            << Link << QStringList{"f.ini:1: ключ «link» стоит вне раздела"};
        QTest::newRow("no equals sign") << "[controller a]\n" + Link + "journal\n"
                                        << QStringList{"f.ini:3: строка не вида «ключ = значение»"};
        QTest::newRow("key twice") << "[controller a]\n" + Link + "\n" + Link
                                   << QStringList{"f.ini:4: ключ «link» уже задан в строке 2"};
        QTest::newRow("empty value") << "[controller a]\n" + Link + "address =\n"
                                     << QStringList{"f.ini:3: у ключа «address» нет значения"};
        QTest::newRow("name twice")
            << "[controller a]\n" + Link + "# the same again\n[controller a]\n" + Link
            << QStringList{"f.ini:4: контроллер «a» уже задан в строке 1"};
        QTest::newRow("[serve] twice")
            << "[serve]\n[serve]\n[controller a]\n" + Link
            << QStringList{"f.ini:2: раздел [serve] уже задан в строке 1"};
        QTest::newRow("bad name")
            << "[controller bms.1]\n" + Link
            << QStringList{"f.ini:1: имя контроллера «bms.1»: допустимы только латинские буквы, "
                           "цифры, «_» и «-»"};
        QTest::newRow("the exporter's own name")
            << "[controller serve]\n" + Link
            << QStringList{"f.ini:1: имя контроллера «serve» занято самой программой"};
        QTest::newRow("unknown section, its keys not looked at")
            << "[controllers]\nfoo = 1\n"
            << QStringList{"f.ini:1: неизвестный раздел «[controllers]»: нужен [serve] или "
                           "[controller ИМЯ]"};
        QTest::newRow("missing link") << "\n[controller a]\naddress = 1\n"
                                      << QStringList{"f.ini:2: у контроллера «a» не задан link"};
        QTest::newRow("address above 247")
            << "[controller a]\n" + Link + "address = 248\n"
            << QStringList{"f.ini:3: address: нужно целое число от 1 до 247, задано «248»"};
        QTest::newRow("address 0")
            << "[controller a]\n" + Link + "address = 0\n"
            << QStringList{"f.ini:3: address: нужно целое число от 1 до 247, задано «0»"};
        QTest::newRow("baud not in the list")
            << "[controller a]\n" + Link + "baud = 4800\n"
            << QStringList{"f.ini:3: baud: нужно одно из 9600, 19200, 38400, 57600, 115200, "
                           "задано «4800»"};
        QTest::newRow("format not in the list")
            << "[controller a]\n" + Link + "format = 7E1\n"
            << QStringList{"f.ini:3: format: нужно одно из 8N1, 8E1, 8O1, задано «7E1»"};
        QTest::newRow("period below 0.25")
            << "[controller a]\n" + Link + "period = 0.2\n"
            << QStringList{"f.ini:3: period: нужно число секунд от 0.25 до 600 (с точкой), "
                           "задано «0.2»"};
        QTest::newRow("period with a comma")
            << "[controller a]\n" + Link + "period = 1,5\n"
            << QStringList{"f.ini:3: period: нужно число секунд от 0.25 до 600 (с точкой), "
                           "задано «1,5»"};
        QTest::newRow("journal neither yes nor no")
            << "[controller a]\n" + Link + "journal = да\n"
            << QStringList{"f.ini:3: journal: нужно yes или no, задано «да»"};
        QTest::newRow("time-out out of range")
            << "[controller a]\n" + Link + "timeout = 50\n"
            << QStringList{"f.ini:3: timeout: нужно целое число мс от 100 до 10000, задано «50»"};
        QTest::newRow("network link without a port")
            << "[controller a]\nlink = rtu+tcp://host\n"
            << QStringList{"f.ini:2: link: Адрес \"rtu+tcp://host\": нужен TCP-порт от 1 до "
                           "65535"};
        QTest::newRow("log = yes without a folder")
            << "[controller a]\n" + Link + "log = yes\n"
            << QStringList{"f.ini:3: log = yes: не задан log-folder в разделе [serve]"};
        QTest::newRow("listen address without a port")
            << "[serve]\nmetrics-listen = 127.0.0.1\n[controller a]\n" + Link
            << QStringList{"f.ini:2: metrics-listen: Адрес \"127.0.0.1\": не задан порт (нужно "
                           "АДРЕС:ПОРТ, например 127.0.0.1:9870 или [::1]:9870)"};
        QTest::newRow("broker of another scheme")
            << "[serve]\nmqtt = http://broker\n[controller a]\n" + Link
            << QStringList{"f.ini:2: mqtt: MQTT: адрес брокера не понят; нужен "
                           "mqtt://[пользователь:пароль@]узел[:порт] или mqtts://…"};
        QTest::newRow("every refusal of the file, in order")
            << "[controller a]\nbaud = 1\n[controller b]\n" + Link + "period = x\n"
            << QStringList{"f.ini:2: baud: нужно одно из 9600, 19200, 38400, 57600, 115200, "
                           "задано «1»",
                           "f.ini:1: у контроллера «a» не задан link",
                           "f.ini:5: period: нужно число секунд от 0.25 до 600 (с точкой), "
                           "задано «x»"};
    }
    void refusals() {
        QFETCH(QString, text);
        QFETCH(QStringList, errors);
        QCOMPARE(ParseFleetConfig(text, QStringLiteral("f.ini")).errors, errors);
    }

    // Every key lands in its place; [serve] counts wherever it stands, defaults are the dialog's.
    void wholeFile() {
        const FleetConfigReading reading = ParseFleetConfig(
            QStringLiteral("; fleet\n[controller bms-1]\nlink = /dev/ttyUSB0\naddress = 7\n"
                           "baud = 9600\nformat = 8e1\nperiod = 0.25\njournal = yes\nlog = yes\n"
                           "[controller gw_2]\n  link =  rtu+tcp://10.0.0.5:4001  \n"
                           "timeout = 300\nfast = yes\nlog = /tmp/gw.csv\n"
                           "[serve]\nlog-folder = /var/log/v\nmetrics-listen = [::1]:9870\n"
                           "mqtt = mqtts://broker:8883\ntls-key = k.pem\n"),
            QStringLiteral("f.ini"));
        QCOMPARE(reading.errors, QStringList());
        const FleetConfig& config = reading.config;
        QCOMPARE(config.serve.metricsListen, QStringLiteral("[::1]:9870"));
        QCOMPARE(config.serve.mqtt, QStringLiteral("mqtts://broker:8883"));
        QCOMPARE(config.serve.tlsKey, QStringLiteral("k.pem"));
        QCOMPARE(config.controllers.size(), 2);
        const ControllerSpec& first = config.controllers[0];
        QCOMPARE(first.name, QStringLiteral("bms-1"));
        QCOMPARE(first.configLine, 2);
        QCOMPARE(first.connection.portName, QStringLiteral("/dev/ttyUSB0"));
        QCOMPARE(first.connection.addressText, QStringLiteral("7"));
        QCOMPARE(first.connection.baudIndex, 0);
        QCOMPARE(first.connection.formatIndex, 1);
        QCOMPARE(first.periodMs, 250);
        QVERIFY(first.readJournal);
        QCOMPARE(first.logPath, QStringLiteral("/var/log/v/bms-1_log.csv"));
        const ControllerSpec& second = config.controllers[1];
        QCOMPARE(second.connection.portName, QStringLiteral("rtu+tcp://10.0.0.5:4001"));
        QCOMPARE(second.connection.addressText, QStringLiteral("238"));
        QCOMPARE(second.connection.baudIndex, 4);
        QCOMPARE(second.connection.networkTimeoutMs, 300);
        QVERIFY(second.connection.fastExchange);
        QCOMPARE(second.periodMs, 1000);
        QCOMPARE(second.logPath, QStringLiteral("/tmp/gw.csv"));
    }

    // The example the package installs is taken as it stands.
    void installedExample() {
        const FleetConfigReading reading = ReadFleetConfig(QStringLiteral(VELMORA_SERVE_EXAMPLE));
        QCOMPARE(reading.errors, QStringList());
        QCOMPARE(reading.config.controllers.size(), 3);
        QCOMPARE(reading.config.serve.metricsListen, QStringLiteral("127.0.0.1:9870"));
    }

    void controllerOption_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("error");
        QTest::addColumn<QString>("port");
        QTest::addColumn<int>("periodMs");
        QTest::newRow("name and link") << "a=/dev/ttyS0"
                                       << ""
                                       << "/dev/ttyS0" << 1000;
        QTest::newRow("keys after the link")
            << "a=tcp://h:1502,address=5,baud=19200,format=8O1,period=2.5"
            << ""
            << "tcp://h:1502" << 2500;
        QTest::newRow("no name") << "/dev/ttyS0"
                                 << "--controller «/dev/ttyS0»: нужно ИМЯ=ПОРТ[,ключ=значение]..."
                                 << "" << 0;
        QTest::newRow("bad name") << "a b=/dev/ttyS0"
                                  << "--controller «a b=/dev/ttyS0»: имя контроллера «a b»: "
                                     "допустимы только латинские буквы, цифры, «_» и «-»"
                                  << "" << 0;
        QTest::newRow("empty link") << "a="
                                    << "--controller «a=»: у ключа «link» нет значения"
                                    << "" << 0;
        QTest::newRow("misspelt key")
            << "a=/dev/ttyS0,boud=9600"
            << "--controller «a=/dev/ttyS0,boud=9600»: неизвестный ключ «boud»"
            << "" << 0;
        QTest::newRow("part without equals")
            << "a=/dev/ttyS0,fast"
            << "--controller «a=/dev/ttyS0,fast»: «fast» не вида ключ=значение"
            << "" << 0;
        QTest::newRow("address out of range")
            << "a=/dev/ttyS0,address=300"
            << "--controller «a=/dev/ttyS0,address=300»: address: нужно целое число от 1 до "
               "247, задано «300»"
            << "" << 0;
        QTest::newRow("log = yes needs the folder")
            << "a=/dev/ttyS0,log=yes"
            << "--controller «a=/dev/ttyS0,log=yes»: log = yes: не задан log-folder в разделе "
               "[serve]"
            << "" << 0;
    }
    void controllerOption() {
        QFETCH(QString, text);
        QFETCH(QString, error);
        QString refusal;
        const std::optional<ControllerSpec> spec = ParseControllerOption(text, {}, &refusal);
        QCOMPARE(refusal, error);
        QCOMPARE(spec.has_value(), error.isEmpty());
        if (spec) {
            QCOMPARE(spec->name, QStringLiteral("a"));
            QFETCH(QString, port);
            QFETCH(int, periodMs);
            QCOMPARE(spec->connection.portName, port);
            QCOMPARE(spec->periodMs, periodMs);
        }
    }

    void joinRefusesANameTwice() {
        QString error;
        const std::optional<ControllerSpec> a = ParseControllerOption("a=/dev/ttyS0", {}, &error);
        QVERIFY(a);
        QVERIFY(JoinControllers({*a}, {}, &error));
        QVERIFY(!JoinControllers({*a}, {*a}, &error));
        QCOMPARE(error, QStringLiteral("контроллер «a» задан дважды"));
    }
};

QTEST_GUILESS_MAIN(TestFleetConfig)
#include "test_fleet_config.moc"
