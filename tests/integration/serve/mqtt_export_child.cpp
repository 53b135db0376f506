// Runs an exporter that publishes one controller "child" once connected, until it is killed.
#include "mqtt_export.h"
#include "mqtt_test_snapshot.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    MqttExport exporter;
    QObject::connect(&exporter, &MqttExport::Message, [](const QString& line) {
        std::fprintf(stderr, "%s\n", line.toUtf8().constData());
    });
    QObject::connect(&exporter, &MqttExport::ConnectedChanged, [&exporter](bool connected) {
        if (connected)
            exporter.Publish(TestSnapshot(QStringLiteral("child")));
    });
    QString error = QStringLiteral("usage: mqtt_export_child mqtt://host:port");
    if (argc != 2 || !exporter.Start(QString::fromLocal8Bit(argv[1]), &error)) {
        std::fprintf(stderr, "%s\n", error.toUtf8().constData());
        return 2;
    }
    return app.exec();
}
