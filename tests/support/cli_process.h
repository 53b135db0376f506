#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// The built velmora-cli as a person runs it, in the Russian locale unless told otherwise.
struct CliResult {
    int code = -1;
    QString out;
    QString err;
};

// The settings folder of every run: empty unless a test writes into it, so that no language the
// user chose in the window reaches a test.
inline QString CliSettingsFolder() {
    static const QTemporaryDir folder;
    return folder.path();
}

// Standard input holds `input` and is then closed. `variables` are set on top of the test's own
// environment, which loses VELMORA_LANG first.
inline CliResult RunVelmoraCli(const QStringList& arguments, const QByteArray& input = {},
                               const QProcessEnvironment& variables = {}) {
    QProcess cli;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("ru_RU.UTF-8"));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), CliSettingsFolder());
    environment.remove(QStringLiteral("VELMORA_LANG"));
    environment.insert(variables);
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
