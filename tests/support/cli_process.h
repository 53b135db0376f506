#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

// The built velmora-cli as a person runs it, in the Russian locale unless told otherwise.
struct CliResult {
    int code = -1;
    QString out;
    QString err;
};

// Standard input holds `input` and is then closed.
inline CliResult RunVelmoraCli(const QStringList& arguments, const QByteArray& input = {}) {
    QProcess cli;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("ru_RU.UTF-8"));
    cli.setProcessEnvironment(environment);
    cli.start(QStringLiteral(VELMORA_CLI_PATH), arguments);
    if (!cli.waitForStarted(10000))
        return {};
    cli.write(input);
    cli.closeWriteChannel();
    if (!cli.waitForFinished(30000))
        return {};
    return {cli.exitCode(), QString::fromUtf8(cli.readAllStandardOutput()),
            QString::fromUtf8(cli.readAllStandardError())};
}
