#include "shell/SettingsStore.h"

namespace {
const QString kGeneral = QStringLiteral("5/General");

QString valueText(const QVariant& v)
{
    // An INI value with unquoted commas reads back as a list; it was one text when written.
    if (v.typeId() == QMetaType::QStringList)
        return v.toStringList().join(QStringLiteral(", "));
    return v.toString();
}

[[noreturn]] void fail(const char* message, const QString& name)
{
    throw SettingsError(QString::fromLatin1(message).arg(name).toStdString());
}
} // namespace

SettingsStore::SettingsStore(const QString& fileName)
    : m_settings(fileName, QSettings::IniFormat)
{
}

bool SettingsStore::keyExists()
{
    m_settings.beginGroup(kGeneral);
    const bool exists = !m_settings.childKeys().isEmpty();
    m_settings.endGroup();
    return exists;
}

QString SettingsStore::groupOf(const QString& subkey) const
{
    return subkey.isEmpty() ? kGeneral : kGeneral + QLatin1Char('/') + subkey;
}

QString SettingsStore::storedName(const QString& group, const QString& name)
{
    m_settings.beginGroup(group);
    const QStringList keys = m_settings.childKeys();
    m_settings.endGroup();
    for (const QString& k : keys) {
        if (k.compare(name, Qt::CaseInsensitive) == 0)
            return k;
    }
    return {};
}

QString SettingsStore::readRaw(const QString& group, const QString& name, bool* found)
{
    const QString stored = storedName(group, name);
    *found = !stored.isEmpty();
    return *found ? valueText(m_settings.value(group + QLatin1Char('/') + stored)) : QString();
}

void SettingsStore::writeRaw(const QString& group, const QString& name, const QString& value)
{
    // Drop spellings of the name that differ only in case, so one value remains.
    m_settings.beginGroup(group);
    const QStringList keys = m_settings.childKeys();
    bool unchanged = keys.contains(name) && valueText(m_settings.value(name)) == value;
    for (const QString& k : keys) {
        if (k != name && k.compare(name, Qt::CaseInsensitive) == 0) {
            m_settings.remove(k);
            unchanged = false;
        }
    }
    // A value written as it already stands changes nothing, so a start-up that only reads the
    // settings does not rewrite (and flush) the file.
    if (!unchanged)
        m_settings.setValue(name, value);
    m_settings.endGroup();
}

bool SettingsStore::valueExists(const QString& name)
{
    return !storedName(kGeneral, name).isEmpty();
}

QString SettingsStore::readString(const QString& name)
{
    bool found = false;
    return readRaw(kGeneral, name, &found);
}

int SettingsStore::readInteger(const QString& name)
{
    bool found = false;
    const QString text = readRaw(kGeneral, name, &found);
    if (!found)
        fail("Failed to get data for '%1'", name);
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    if (!ok)
        fail("Invalid data type for '%1'", name);
    return value;
}

bool SettingsStore::readBool(const QString& name)
{
    return readInteger(name) != 0;
}

double SettingsStore::readDate(const QString& name)
{
    bool found = false;
    const QString text = readRaw(kGeneral, name, &found);
    if (!found)
        fail("Failed to get data for '%1'", name);
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (!ok)
        fail("Invalid data type for '%1'", name);
    return value;
}

void SettingsStore::writeString(const QString& name, const QString& value)
{
    writeRaw(kGeneral, name, value);
}

void SettingsStore::writeInteger(const QString& name, int value)
{
    writeRaw(kGeneral, name, QString::number(value));
}

void SettingsStore::writeBool(const QString& name, bool value)
{
    writeInteger(name, value ? 1 : 0);
}

void SettingsStore::writeDate(const QString& name, double value)
{
    writeRaw(kGeneral, name, QString::number(value, 'g', 17));
}

QStringList SettingsStore::valueNames(const QString& subkey)
{
    m_settings.beginGroup(groupOf(subkey));
    const QStringList keys = m_settings.childKeys();
    m_settings.endGroup();
    return keys;
}

QString SettingsStore::readSubkeyString(const QString& subkey, const QString& name)
{
    bool found = false;
    return readRaw(groupOf(subkey), name, &found);
}

void SettingsStore::writeSubkeyString(const QString& subkey, const QString& name, const QString& value)
{
    writeRaw(groupOf(subkey), name, value);
}

bool SettingsStore::sync()
{
    m_settings.sync();
    return m_settings.status() == QSettings::NoError;
}
