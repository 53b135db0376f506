#include "conversion_report.h"

#include "prompts.h"

#include <QCoreApplication>

void ReportConversionError(const QString& message) {
    CurrentPrompts().Message(message, QCoreApplication::applicationName(), Prompts::Buttons::Ok,
                             Prompts::Icon::Error);
}
