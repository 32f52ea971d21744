#include "CliArguments.h"
#include <QHash>

std::optional<CliArguments> CliArguments::parse(
    const QStringList& arguments, const QStringList& valued, const QStringList& flags, QString* error)
{
    CliArguments result;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        if (!a.startsWith(QLatin1String("-")) || a == QLatin1String("-")) {
            result.m_positional << a;
        } else if (valued.contains(a)) {
            if (i + 1 >= arguments.size()) {
                *error = QStringLiteral("%1 needs a value").arg(a);
                return std::nullopt;
            }
            result.m_values.insert(a, arguments[++i]);
        } else if (flags.contains(a)) {
            result.m_flags << a;
        } else {
            *error = QStringLiteral("unknown option '%1'").arg(a);
            return std::nullopt;
        }
    }
    return result;
}

QString CliArguments::value(const QString& option, const QString& fallback) const
{
    return m_values.value(option, fallback);
}

std::optional<int> CliArguments::integer(const QString& option, int fallback, int min, int max, QString* error) const
{
    if (!m_values.contains(option))
        return fallback;
    bool ok = false;
    const int v = m_values.value(option).toInt(&ok);
    if (!ok || v < min || v > max) {
        *error = QStringLiteral("%1 takes a whole number from %2 to %3").arg(option).arg(min).arg(max);
        return std::nullopt;
    }
    return v;
}
