// serve: many controllers polled unattended until SIGTERM or SIGINT; SIGHUP rereads the
// configuration and applies what changed, leaving the unchanged controllers running.

#include "console.h"
#include "exit_codes.h"
#include "fleet_config.h"
#include "fleet_poller.h"
#include "handlers.h"
#include "metrics_server.h"
#include "mqtt_export.h"
#include "stop_signals.h"
#include "table_output.h"

#include <QCoreApplication>

namespace {

// The configuration file's [serve] keys that the command line overrides.
struct ServeOverride {
    const char* option;
    QString ServeOptions::*value;
};

constexpr ServeOverride Overrides[] = {
    {"metrics-listen", &ServeOptions::metricsListen},
    {"mqtt", &ServeOptions::mqtt},
};

// The file's configuration with the command line's controllers after its own and its values
// over the file's. Nothing, after every refusal has been told, with the exit code in `code`.
std::optional<FleetConfig> LoadFleet(const CliCall& call, int* code) {
    *code = ExitUsage;
    FleetConfig config;
    if (call.has("config")) {
        FleetConfigReading reading = ReadFleetConfig(call.value("config"));
        for (const QString& error : reading.errors)
            PrintError(error);
        if (!reading.errors.isEmpty()) {
            *code = reading.unreadable ? ExitFileError : ExitUsage;
            return std::nullopt;
        }
        config = std::move(reading.config);
    }
    QString error;
    QList<ControllerSpec> given;
    for (const QString& text : call.values("controller")) {
        const std::optional<ControllerSpec> spec =
            ParseControllerOption(text, config.serve.logFolder, &error);
        if (!spec) {
            PrintError(error);
            return std::nullopt;
        }
        given.append(*spec);
    }
    const std::optional<QList<ControllerSpec>> joined =
        JoinControllers(config.controllers, given, &error);
    if (!joined) {
        PrintError(error);
        return std::nullopt;
    }
    config.controllers = *joined;
    for (const ServeOverride& o : Overrides) {
        if (!call.has(o.option))
            continue;
        if (const QString refusal =
                ServeValueRefusal(QString::fromUtf8(o.option), call.value(o.option));
            !refusal.isEmpty()) {
            PrintError(refusal);
            return std::nullopt;
        }
        config.serve.*(o.value) = call.value(o.option);
    }
    if (config.controllers.isEmpty()) {
        PrintError(QCoreApplication::translate("Cli", "Не задан ни один контроллер: укажите --config ФАЙЛ с разделами "
                                  "[controller ИМЯ] или --controller ИМЯ=ПОРТ"));
        return std::nullopt;
    }
    for (const ControllerSpec& spec : config.controllers)
        if (const QString refusal = FileTargetError(spec.logPath);
            !spec.logPath.isEmpty() && !refusal.isEmpty()) {
            PrintError(QStringLiteral("%1: %2").arg(spec.name, refusal));
            *code = ExitFileError;
            return std::nullopt;
        }
    return config;
}

// The metrics endpoint as [serve] sets it up, listening; false after telling why, with the exit
// code in `code`.
bool StartMetrics(MetricsServer& metrics, const ServeOptions& serve, int* code) {
    QString error;
    QString warning;
    *code = ExitUsage;
    if (!(serve.metricsUser.isEmpty() && serve.metricsPasswordSha256.isEmpty()) &&
        !metrics.SetBasicAuth(serve.metricsUser, serve.metricsPasswordSha256, &error)) {
        PrintError(QStringLiteral("metrics-password-sha256: ") + error);
        return false;
    }
    if (!(serve.tlsCertificate.isEmpty() && serve.tlsKey.isEmpty()) &&
        !metrics.SetTls(serve.tlsCertificate, serve.tlsKey, &error)) {
        PrintError(error);
        *code = ExitFileError;
        return false;
    }
    if (!metrics.Listen(serve.metricsListen, &error, &warning)) {
        PrintError(error);
        *code = ExitNoAnswer;
        return false;
    }
    if (!warning.isEmpty())
        PrintError(warning);
    PrintError(QCoreApplication::translate("Cli", "Метрики: порт %1").arg(metrics.Port()));
    return true;
}

// The MQTT export when [serve] names a broker; false after telling why.
bool StartMqtt(MqttExport& mqtt, const ServeOptions& serve) {
    mqtt.SetCaFile(serve.mqttCa);
    mqtt.SetCertFile(serve.mqttCertificate);
    mqtt.SetKeyFile(serve.mqttKey);
    QString error;
    if (mqtt.Start(serve.mqtt, &error))
        return true;
    PrintError(error);
    return false;
}

} // namespace

int RunServe(const CliCall& call, const QStringList&) {
    int code = ExitDone;
    std::optional<FleetConfig> config = LoadFleet(call, &code);
    if (!config)
        return code;
    FleetPoller fleet;
    // The exporters take the [serve] keys once: a reload changes the controllers only.
    MetricsServer metrics([&fleet] { return fleet.Snapshots(); });
    if (!StartMetrics(metrics, config->serve, &code))
        return code;
    MqttExport mqtt;
    const bool publishing = !config->serve.mqtt.isEmpty();
    if (publishing && !StartMqtt(mqtt, config->serve))
        return ExitUsage;
    if (publishing) {
        QObject::connect(&mqtt, &MqttExport::Message, &fleet, &PrintError);
        QObject::connect(&fleet, &FleetPoller::ControllerCycled, &mqtt, &MqttExport::Publish);
        QObject::connect(&fleet, &FleetPoller::ControllerRemoved, &mqtt, &MqttExport::Remove);
    }
    StopSignals signals;
    signals.CatchHangUp();
    QObject::connect(
        &fleet, &FleetPoller::LinkChanged, &fleet, [](const ControllerSnapshot& snapshot) {
            PrintError(QStringLiteral("%1: %2").arg(snapshot.spec.name, snapshot.linkText));
        });
    QObject::connect(&fleet, &FleetPoller::ControllerRemoved, &fleet, [](const QString& name) {
        PrintError(QCoreApplication::translate("Cli", "%1: опрос прекращён").arg(name));
    });
    QObject::connect(&fleet, &FleetPoller::LogNotice, &fleet,
                     [](const QString& name, const QString& text) {
                         PrintError(QStringLiteral("%1: %2").arg(name, text));
                     });
    QObject::connect(&signals, &StopSignals::Stopped, &fleet, [&] {
        fleet.StopAll();
        if (publishing)
            mqtt.Stop();
        QCoreApplication::exit(ExitDone);
    });
    QObject::connect(&signals, &StopSignals::HangUp, &fleet, [&] {
        int ignored = ExitDone;
        if (std::optional<FleetConfig> fresh = LoadFleet(call, &ignored)) {
            config = std::move(fresh);
            fleet.Apply(config->controllers);
            PrintError(QCoreApplication::translate("Cli", "Конфигурация перечитана: контроллеров %1")
                           .arg(config->controllers.size()));
        } else {
            PrintError(QCoreApplication::translate("Cli", "Конфигурация не принята, опрос идёт по прежней"));
        }
    });
    fleet.Apply(config->controllers);
    return QCoreApplication::exec();
}
