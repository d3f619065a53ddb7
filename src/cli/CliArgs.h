#pragma once

#include "CommandRegistry.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <optional>

namespace ladrix::cli {

// A command's arguments split into positional arguments and options.
struct CliArgs {
    QStringList positional;
    QHash<QString, QString> options; // "--model" -> "1"; a flag maps to an empty text

    QString option(const QString& name, const QString& fallback = QString()) const
    {
        return options.value(name, fallback);
    }
    bool has(const QString& name) const { return options.contains(name); }
};

// Accepts "--name value" and "--name=value" for the names in `valueOptions` and "--name" for
// the names in `flags`; "--" ends the options. Anything else that starts with "-" (but "-"
// itself) is a usage error: the message is printed and nothing is returned.
std::optional<CliArgs> parseArgs(const QStringList& args, const QStringList& valueOptions,
                                 const QString& command, Io& io, const QStringList& flags = {});

// The value of an integer option from `minimum` to `maximum`, or `fallback` when it is not
// given; a usage error (printed, nothing returned) when it is not such a number.
// `what` names the number in the message ("a number of milliseconds").
std::optional<int> intOption(const CliArgs& args, const QString& name, int minimum, int maximum,
                             int fallback, const QString& command, Io& io,
                             const QString& what = QStringLiteral("a number"));

// Prints "ladrix-cli COMMAND: message" and a pointer to the help; returns kUsageOrInput.
int usageError(Io& io, const QString& command, const QString& message);

} // namespace ladrix::cli
