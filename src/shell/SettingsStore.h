#pragma once
#include <QSettings>
#include <QString>
#include <QStringList>
#include <stdexcept>

// A value of the settings that is missing where it is required, or of the wrong type.
class SettingsError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// The key-value store of the settings: an INI file holding the group "5/General" with the
// subkeys "LastFiles" and "Languages". Value names are matched without regard to case: the
// program writes "mediumLines" and reads "MediumLines", and both must be one value.
//
// Types: strings; integers as decimal text; booleans as 0 or 1 (read: non-zero is true); the
// date as the number of days since 30 December 1899, the time of day as fraction.
class SettingsStore
{
public:
    explicit SettingsStore(const QString& fileName);

    // Whether the store holds the key at all (a fresh machine does not).
    bool keyExists();

    bool valueExists(const QString& name);
    QString readString(const QString& name);
    // Both throw SettingsError: "Failed to get data for '%s'" when missing, "Invalid data type
    // for '%s'" when the text is not of the type.
    int readInteger(const QString& name);
    bool readBool(const QString& name);
    double readDate(const QString& name);

    void writeString(const QString& name, const QString& value);
    void writeInteger(const QString& name, int value);
    void writeBool(const QString& name, bool value);
    void writeDate(const QString& name, double value);

    // Values of a subkey ("LastFiles", "Languages"): names, and the data of one name.
    QStringList valueNames(const QString& subkey);
    QString readSubkeyString(const QString& subkey, const QString& name);
    void writeSubkeyString(const QString& subkey, const QString& name, const QString& value);

    // Writes pending changes to disk; false when the file could not be written.
    bool sync();

private:
    QString groupOf(const QString& subkey) const;
    QString storedName(const QString& group, const QString& name);
    QString readRaw(const QString& group, const QString& name, bool* found);
    void writeRaw(const QString& group, const QString& name, const QString& value);

    QSettings m_settings;
};
