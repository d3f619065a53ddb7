#pragma once

#include "CommandRegistry.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <optional>

namespace ladrix::cli {

// A command's arguments split into positional arguments and options with a value.
struct CliArgs {
    QStringList positional;
    QHash<QString, QString> options; // "--model" -> "1"

    QString option(const QString& name, const QString& fallback = QString()) const
    {
        return options.value(name, fallback);
    }
};

// Accepts "--name value" and "--name=value" for the names in `valueOptions`; "--" ends the
// options. Anything else that starts with "-" (but "-" itself) is a usage error: the message is
// printed and nothing is returned.
std::optional<CliArgs> parseArgs(const QStringList& args, const QStringList& valueOptions,
                                 const QString& command, Io& io);

// Prints "ladrix-cli COMMAND: message" and a pointer to the help; returns kUsageOrInput.
int usageError(Io& io, const QString& command, const QString& message);

} // namespace ladrix::cli
