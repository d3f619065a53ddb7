#include "CliArgs.h"

namespace ladrix::cli {

int usageError(Io& io, const QString& command, const QString& message)
{
    io.err << "ladrix-cli " << command << ": " << message << "\n"
           << "Run \"ladrix-cli " << command << " --help\" for usage.\n";
    return kUsageOrInput;
}

std::optional<CliArgs> parseArgs(const QStringList& args, const QStringList& valueOptions,
                                 const QString& command, Io& io, const QStringList& flags)
{
    CliArgs parsed;
    bool optionsEnded = false;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        // A lone "-" is a name; anything else with a dash is an option, so that a mistyped
        // one is not taken for a file ("--" lets a file name start with a dash).
        if (optionsEnded || !arg.startsWith(u'-') || arg == u"-") {
            parsed.positional << arg;
            continue;
        }
        if (arg == QLatin1String("--")) {
            optionsEnded = true;
            continue;
        }
        const qsizetype equals = arg.indexOf(u'=');
        const QString name = equals < 0 ? arg : arg.left(equals);
        if (flags.contains(name) && equals < 0) {
            parsed.options.insert(name, QString());
            continue;
        }
        if (!valueOptions.contains(name)) {
            usageError(io, command, QStringLiteral("unknown option \"%1\"").arg(name));
            return std::nullopt;
        }
        if (equals >= 0) {
            parsed.options.insert(name, arg.mid(equals + 1));
        } else if (i + 1 < args.size()) {
            parsed.options.insert(name, args[++i]);
        } else {
            usageError(io, command, QStringLiteral("option %1 needs a value").arg(name));
            return std::nullopt;
        }
    }
    return parsed;
}

std::optional<int> intOption(const CliArgs& args, const QString& name, int minimum, int maximum,
                             int fallback, const QString& command, Io& io, const QString& what)
{
    if (!args.has(name))
        return fallback;
    bool ok = false;
    const int value = args.option(name).toInt(&ok);
    if (!ok || value < minimum || value > maximum) {
        usageError(
            io, command,
            QStringLiteral("%1 needs %2 from %3 to %4").arg(name, what).arg(minimum).arg(maximum));
        return std::nullopt;
    }
    return value;
}

} // namespace ladrix::cli
