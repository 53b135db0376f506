#include "fleet_config.h"

#include "line_settings.h"
#include "metrics_server.h"
#include "mqtt_broker_address.h"
#include "network_link.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QRegularExpression>

#include <cmath>

namespace {

constexpr int MinAddress = 1;
constexpr int MaxAddress = 247;
constexpr double MinPeriodSeconds = 0.25;
constexpr double MaxPeriodSeconds = 600;

// A controller while its keys are read: "log = yes" waits for the log folder.
struct ControllerDraft {
    ControllerSpec spec;
    bool logInFolder = false;
    bool linkGiven = false;
};

QString Quoted(const QString& text) {
    return QStringLiteral("«%1»").arg(text);
}

QString WholeNumber(const QString& key, const QString& value, int low, int high, int* number,
                    const QString& unit = QString()) {
    bool ok = false;
    const int n = value.toInt(&ok);
    if (ok && n >= low && n <= high) {
        *number = n;
        return {};
    }
    return QCoreApplication::translate("Serve", "%1: нужно целое число%2 от %3 до %4, задано %5")
        .arg(key, unit)
        .arg(low)
        .arg(high)
        .arg(Quoted(value));
}

QString YesNo(const QString& key, const QString& value, bool* flag) {
    if (value == QLatin1String("yes") || value == QLatin1String("no")) {
        *flag = value == QLatin1String("yes");
        return {};
    }
    return QCoreApplication::translate("Serve", "%1: нужно yes или no, задано %2").arg(key, Quoted(value));
}

QString ListItem(const QString& key, const QString& value, const QStringList& items, int* index) {
    *index = int(items.indexOf(value.toUpper()));
    if (*index >= 0)
        return {};
    return QCoreApplication::translate("Serve", "%1: нужно одно из %2, задано %3")
        .arg(key, items.join(QStringLiteral(", ")), Quoted(value));
}

QString SetLink(const QString& value, ControllerDraft& draft) {
    draft.linkGiven = true; // a refused link is told as such, not as a missing one
    QString error;
    if (LinkKindOf(value) != LinkKind::Serial && !ParseNetworkTarget(value, &error))
        return QStringLiteral("link: ") + error;
    draft.spec.connection.portName = value;
    return {};
}

QString SetAddress(const QString& value, ControllerDraft& draft) {
    int address = 0;
    QString error = WholeNumber(QStringLiteral("address"), value, MinAddress, MaxAddress, &address);
    if (error.isEmpty())
        draft.spec.connection.addressText = QString::number(address);
    return error;
}

QString SetBaud(const QString& value, ControllerDraft& draft) {
    return ListItem(QStringLiteral("baud"), value, BaudRateItems(),
                    &draft.spec.connection.baudIndex);
}

QString SetFormat(const QString& value, ControllerDraft& draft) {
    return ListItem(QStringLiteral("format"), value, FrameFormatItems(),
                    &draft.spec.connection.formatIndex);
}

QString SetPeriod(const QString& value, ControllerDraft& draft) {
    bool ok = false;
    const double seconds = QLocale::c().toDouble(value, &ok);
    if (ok && seconds >= MinPeriodSeconds && seconds <= MaxPeriodSeconds) {
        draft.spec.periodMs = int(std::lround(seconds * 1000));
        return {};
    }
    return QCoreApplication::translate("Serve", "period: нужно число секунд от 0.25 до 600 (с точкой), задано %1")
        .arg(Quoted(value));
}

QString SetJournal(const QString& value, ControllerDraft& draft) {
    return YesNo(QStringLiteral("journal"), value, &draft.spec.readJournal);
}

QString SetFast(const QString& value, ControllerDraft& draft) {
    return YesNo(QStringLiteral("fast"), value, &draft.spec.connection.fastExchange);
}

QString SetLog(const QString& value, ControllerDraft& draft) {
    draft.logInFolder = value == QLatin1String("yes");
    draft.spec.logPath = draft.logInFolder || value == QLatin1String("no") ? QString() : value;
    return {};
}

QString SetTimeout(const QString& value, ControllerDraft& draft) {
    return WholeNumber(QStringLiteral("timeout"), value, MinNetworkTimeoutMs, MaxNetworkTimeoutMs,
                       &draft.spec.connection.networkTimeoutMs, QCoreApplication::translate("Serve", " мс"));
}

// One function per key, for the file and the command line alike.
struct ControllerKey {
    const char* name;
    QString (*set)(const QString& value, ControllerDraft& draft);
};

constexpr ControllerKey ControllerKeys[] = {
    {"link", SetLink},     {"address", SetAddress}, {"baud", SetBaud},
    {"format", SetFormat}, {"period", SetPeriod},   {"journal", SetJournal},
    {"log", SetLog},       {"timeout", SetTimeout}, {"fast", SetFast},
};

QString UnknownKey(const QString& key) {
    return QCoreApplication::translate("Serve", "неизвестный ключ %1").arg(Quoted(key));
}

QString EmptyValue(const QString& key) {
    return QCoreApplication::translate("Serve", "у ключа %1 нет значения").arg(Quoted(key));
}

QString SetControllerKey(const QString& key, const QString& value, ControllerDraft& draft) {
    if (value.isEmpty())
        return EmptyValue(key);
    for (const ControllerKey& k : ControllerKeys)
        if (key == QLatin1String(k.name))
            return k.set(value, draft);
    return UnknownKey(key);
}

QString NameRefusal(const QString& name) {
    static const QRegularExpression valid(QStringLiteral("^[A-Za-z0-9_-]+$"));
    // "serve" is taken: velmora/serve/availability is the exporter's own topic.
    if (name == QLatin1String("serve"))
        return QCoreApplication::translate("Serve", "имя контроллера «serve» занято самой программой");
    if (valid.match(name).hasMatch())
        return {};
    return QCoreApplication::translate(
               "Serve", "имя контроллера %1: допустимы только латинские буквы, цифры, «_» и «-»")
        .arg(Quoted(name));
}

ControllerDraft NewDraft(const QString& name, int line) {
    ControllerDraft draft;
    draft.spec.name = name;
    draft.spec.configLine = line;
    // The connection dialog's defaults: 115200 baud, 8N1, address 238.
    draft.spec.connection.baudIndex = int(BaudRateItems().size()) - 1;
    draft.spec.connection.addressText = QStringLiteral("238");
    return draft;
}

QString LinkMissing(const ControllerDraft& draft) {
    if (draft.linkGiven)
        return {};
    return QCoreApplication::translate("Serve", "у контроллера %1 не задан link").arg(Quoted(draft.spec.name));
}

// "log = yes" becomes NAME_log.csv in the log folder; the reason when there is no folder.
QString PlaceLog(ControllerDraft& draft, const QString& logFolder) {
    if (!draft.logInFolder)
        return {};
    if (logFolder.isEmpty())
        return QCoreApplication::translate("Serve", "log = yes: не задан log-folder в разделе [serve]");
    draft.spec.logPath = QDir(logFolder).filePath(draft.spec.name + QStringLiteral("_log.csv"));
    return {};
}

// The exporters' own readings of their addresses, refused as they refuse them.
QString ListenRefusal(const QString& value) {
    QHostAddress address;
    quint16 port = 0;
    QString error;
    return ParseListenAddress(value, &address, &port, &error)
               ? QString()
               : QStringLiteral("metrics-listen: ") + error;
}

QString BrokerRefusal(const QString& value) {
    QString error;
    return ParseBrokerAddress(value, &error) ? QString() : QStringLiteral("mqtt: ") + error;
}

struct ServeKey {
    const char* name;
    QString ServeOptions::*value;
    QString (*refusal)(const QString& value); // nullptr: checked when the exporter takes it
};

const ServeKey ServeKeys[] = {
    {"metrics-listen", &ServeOptions::metricsListen, ListenRefusal},
    {"mqtt", &ServeOptions::mqtt, BrokerRefusal},
    {"log-folder", &ServeOptions::logFolder, nullptr},
    {"metrics-user", &ServeOptions::metricsUser, nullptr},
    {"metrics-password-sha256", &ServeOptions::metricsPasswordSha256, nullptr},
    {"tls-certificate", &ServeOptions::tlsCertificate, nullptr},
    {"tls-key", &ServeOptions::tlsKey, nullptr},
    {"mqtt-ca", &ServeOptions::mqttCa, nullptr},
    {"mqtt-certificate", &ServeOptions::mqttCertificate, nullptr},
    {"mqtt-key", &ServeOptions::mqttKey, nullptr},
};

const ServeKey* FindServeKey(const QString& key) {
    for (const ServeKey& k : ServeKeys)
        if (key == QLatin1String(k.name))
            return &k;
    return nullptr;
}

QString SetServeKey(const QString& key, const QString& value, ServeOptions& options) {
    const ServeKey* k = FindServeKey(key);
    if (k == nullptr)
        return UnknownKey(key);
    if (value.isEmpty())
        return EmptyValue(key);
    if (k->refusal)
        if (QString refusal = k->refusal(value); !refusal.isEmpty())
            return refusal;
    options.*(k->value) = value;
    return {};
}

// A key as written and where.
struct Entry {
    QString key;
    QString value;
    int line = 0;
};

// The configuration is taken only without refusals, so a section refused keeps its place.
struct Section {
    QString controller; // empty for [serve]
    int line = 0;
    QList<Entry> entries;
    bool skipped = false; // a header of no known section: its keys are not looked at
};

// The parser's state: the sections found and the refusals so far.
class ConfigReader {
public:
    explicit ConfigReader(const QString& source) : source_(source) {}

    FleetConfigReading Read(const QString& text) {
        const QStringList lines = text.split(QLatin1Char('\n'));
        for (qsizetype i = 0; i < lines.size(); ++i)
            TakeLine(lines[i].trimmed(), int(i) + 1);
        // [serve] first, wherever it stands: the log folder is known before any controller.
        FleetConfigReading reading;
        for (const Section& section : sections_)
            if (!section.skipped && section.controller.isEmpty())
                for (const Entry& e : section.entries)
                    Check(e.line, SetServeKey(e.key, e.value, reading.config.serve));
        for (const Section& section : sections_)
            if (!section.skipped && !section.controller.isEmpty())
                TakeController(section, reading.config);
        reading.errors = errors_;
        return reading;
    }

private:
    void TakeLine(const QString& line, int number) {
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')) ||
            line.startsWith(QLatin1Char(';')))
            return;
        if (line.startsWith(QLatin1Char('[')))
            return TakeHeader(line, number);
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals < 0)
            return Refuse(number, QCoreApplication::translate("Serve", "строка не вида «ключ = значение»"));
        const Entry entry{line.left(equals).trimmed(), line.mid(equals + 1).trimmed(), number};
        if (sections_.isEmpty())
            return Refuse(number,
                          QCoreApplication::translate("Serve", "ключ %1 стоит вне раздела").arg(Quoted(entry.key)));
        for (const Entry& e : sections_.last().entries)
            if (e.key == entry.key)
                return Refuse(number, QCoreApplication::translate("Serve", "ключ %1 уже задан в строке %2")
                                          .arg(Quoted(entry.key))
                                          .arg(e.line));
        sections_.last().entries.append(entry);
    }

    void TakeHeader(const QString& line, int number) {
        static const QRegularExpression header(
            QStringLiteral(R"(^\[\s*(serve|controller\s+(\S+))\s*\]$)"));
        const QRegularExpressionMatch match = header.match(line);
        Section section{match.captured(2), number, {}, !match.hasMatch()};
        if (section.skipped)
            Refuse(number,
                   QCoreApplication::translate("Serve", "неизвестный раздел %1: нужен [serve] или [controller ИМЯ]")
                       .arg(Quoted(line)));
        else if (!section.controller.isEmpty())
            Check(number, NameRefusal(section.controller));
        for (const Section& s : sections_)
            if (!section.skipped && !s.skipped && s.controller == section.controller)
                Refuse(number,
                       section.controller.isEmpty()
                           ? QCoreApplication::translate("Serve", "раздел [serve] уже задан в строке %1").arg(s.line)
                           : QCoreApplication::translate("Serve", "контроллер %1 уже задан в строке %2")
                                 .arg(Quoted(section.controller))
                                 .arg(s.line));
        sections_.append(section);
    }

    void TakeController(const Section& section, FleetConfig& config) {
        ControllerDraft draft = NewDraft(section.controller, section.line);
        int logLine = section.line;
        for (const Entry& e : section.entries) {
            Check(e.line, SetControllerKey(e.key, e.value, draft));
            if (e.key == QLatin1String("log"))
                logLine = e.line;
        }
        Check(section.line, LinkMissing(draft));
        Check(logLine, PlaceLog(draft, config.serve.logFolder));
        config.controllers.append(draft.spec);
    }

    void Check(int line, const QString& refusal) {
        if (!refusal.isEmpty())
            Refuse(line, refusal);
    }

    void Refuse(int line, const QString& message) {
        errors_.append(QStringLiteral("%1:%2: %3").arg(source_).arg(line).arg(message));
    }

    const QString source_;
    QList<Section> sections_;
    QStringList errors_;
};

} // namespace

FleetConfigReading ParseFleetConfig(const QString& text, const QString& source) {
    return ConfigReader(source).Read(text);
}

FleetConfigReading ReadFleetConfig(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        FleetConfigReading reading;
        reading.unreadable = true;
        reading.errors.append(
            QCoreApplication::translate("Serve", "%1: файл не читается: %2").arg(path, file.errorString()));
        return reading;
    }
    return ParseFleetConfig(QString::fromUtf8(file.readAll()), path);
}

std::optional<ControllerSpec> ParseControllerOption(const QString& text, const QString& logFolder,
                                                    QString* error) {
    const QStringList parts = text.split(QLatin1Char(','));
    const qsizetype equals = parts.first().indexOf(QLatin1Char('='));
    const QString name = parts.first().left(equals).trimmed();
    ControllerDraft draft = NewDraft(name, 0);
    QString refusal =
        equals < 0 ? QCoreApplication::translate("Serve", "нужно ИМЯ=ПОРТ[,ключ=значение]...") : NameRefusal(name);
    if (refusal.isEmpty())
        refusal = SetControllerKey(QStringLiteral("link"), parts.first().mid(equals + 1).trimmed(),
                                   draft);
    for (qsizetype i = 1; i < parts.size() && refusal.isEmpty(); ++i) {
        const qsizetype at = parts[i].indexOf(QLatin1Char('='));
        refusal = at < 0 ? QCoreApplication::translate("Serve", "%1 не вида ключ=значение").arg(Quoted(parts[i]))
                         : SetControllerKey(parts[i].left(at).trimmed(),
                                            parts[i].mid(at + 1).trimmed(), draft);
    }
    if (refusal.isEmpty())
        refusal = PlaceLog(draft, logFolder);
    if (refusal.isEmpty())
        return draft.spec;
    *error = QStringLiteral("--controller %1: %2").arg(Quoted(text), refusal);
    return std::nullopt;
}

QString ServeValueRefusal(const QString& key, const QString& value) {
    ServeOptions ignored;
    const QString refusal = SetServeKey(key, value, ignored);
    return refusal.isEmpty() ? QString() : QStringLiteral("--") + refusal;
}

std::optional<QList<ControllerSpec>> JoinControllers(const QList<ControllerSpec>& first,
                                                     const QList<ControllerSpec>& second,
                                                     QString* error) {
    QList<ControllerSpec> joined = first;
    for (const ControllerSpec& spec : second) {
        for (const ControllerSpec& known : joined)
            if (known.name == spec.name) {
                *error = QCoreApplication::translate("Serve", "контроллер %1 задан дважды").arg(Quoted(spec.name));
                return std::nullopt;
            }
        joined.append(spec);
    }
    return joined;
}

bool SamePolling(const ControllerSpec& a, const ControllerSpec& b) {
    const ConnectionSettings& x = a.connection;
    const ConnectionSettings& y = b.connection;
    return a.name == b.name && a.periodMs == b.periodMs && a.readJournal == b.readJournal &&
           a.logPath == b.logPath && x.portName == y.portName && x.baudIndex == y.baudIndex &&
           x.formatIndex == y.formatIndex && x.addressText == y.addressText &&
           x.fastExchange == y.fastExchange && x.reconnect == y.reconnect &&
           x.networkTimeoutMs == y.networkTimeoutMs;
}
