#pragma once
#include <QString>
#include <QHash>
#include <QStringList>
#include <optional>

// The arguments of one command: positional values and "--name [value]" options.
class CliArguments
{
public:
    // `valued` lists the options that take a value; any other "--name" is a flag. An option
    // not in `valued` or `flags` is an error, as is a valued option at the end.
    static std::optional<CliArguments> parse(const QStringList& arguments, const QStringList& valued,
        const QStringList& flags, QString* error);

    const QStringList& positional() const { return m_positional; }
    bool has(const QString& option) const { return m_flags.contains(option) || m_values.contains(option); }
    QString value(const QString& option, const QString& fallback = QString()) const;
    // The option's value as a whole number in [min, max]; an error when it is not one.
    std::optional<int> integer(const QString& option, int fallback, int min, int max, QString* error) const;

private:
    QStringList m_positional;
    QStringList m_flags;
    QHash<QString, QString> m_values;
};
