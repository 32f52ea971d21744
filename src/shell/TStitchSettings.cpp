// The settings operations of the document object: reading every value into the document and
// the general settings at each start-up initialisation, and writing the user-changeable ones
// back. Kept here, beside the store, because only the shell reads settings.
#include "model/TStitch.h"
#include "shell/DefaultSettings.h"
#include "shell/DelphiDate.h"
#include "shell/GeneralSettings.h"
#include "shell/Paths.h"
#include "shell/SettingsStore.h"
#include <QDateTime>
#include <QDir>
#include <algorithm>

namespace {
class Reader
{
public:
    Reader(SettingsStore& store, GeneralSettings& general) : m_store(store), m_general(general) {}

    QString string(const char* name) { return m_store.readString(QLatin1String(name)); }

    QString stringOr(const char* name, const QString& fallback)
    {
        if (m_store.valueExists(QLatin1String(name)))
            return string(name);
        m_store.writeString(QLatin1String(name), fallback);
        return fallback;
    }

    // A shipped-data folder; one that no longer exists is replaced by the current one.
    QString shippedFolder(const char* name)
    {
        const QString stored = string(name);
        if (!stored.isEmpty() && QDir(stored).exists())
            return Paths::withSeparator(stored);
        const QString current = DefaultSettings::shippedFolder(QLatin1String(name), Paths::dataFolder());
        if (current.isEmpty())
            return Paths::withSeparator(stored);
        m_store.writeString(QLatin1String(name), current);
        return current;
    }

    // A missing integer gets its default, written back at once; one of the wrong type too,
    // and the user hears about it once.
    int integer(const char* name, int fallback)
    {
        try {
            return m_store.readInteger(QLatin1String(name));
        } catch (const SettingsError& e) {
            if (m_store.valueExists(QLatin1String(name)))
                m_general.problems << QString::fromStdString(e.what());
            m_store.writeInteger(QLatin1String(name), fallback);
            return fallback;
        }
    }

    bool boolean(const char* name, bool fallback) { return integer(name, fallback ? 1 : 0) != 0; }

    // Whether the automatic update check is due; a missing date is set one day ahead.
    bool updateCheckDue(bool enabled)
    {
        const QString name = QStringLiteral("CheckForUpdatesDate");
        const QDateTime now = QDateTime::currentDateTime();
        try {
            return enabled && now > DelphiDate::toDateTime(m_store.readDate(name));
        } catch (const SettingsError& e) {
            if (m_store.valueExists(name))
                m_general.problems << QString::fromStdString(e.what());
            m_store.writeDate(name, DelphiDate::fromDateTime(now.addDays(1)));
            return false;
        }
    }

    QStringList subkeyValues(const QString& subkey)
    {
        QStringList names = m_store.valueNames(subkey);
        // "LastFiles" holds "1", "2", ...: read them in numeric order, other names after them.
        std::stable_sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
            bool okA = false;
            bool okB = false;
            const qlonglong na = a.toLongLong(&okA);
            const qlonglong nb = b.toLongLong(&okB);
            if (okA != okB)
                return okA;
            return okA ? na < nb : a < b;
        });
        QStringList values;
        for (const QString& n : names)
            values << m_store.readSubkeyString(subkey, n);
        return values;
    }

private:
    SettingsStore& m_store;
    GeneralSettings& m_general;
};
} // namespace

void TStitch::ReadGeneralSettings(SettingsStore& store, GeneralSettings& general)
{
    if (!store.keyExists())
        DefaultSettings::writeFirstStart(store, Paths::dataFolder(), Paths::userDataFolder());
    Reader r(store, general);

    PathData = Paths::withSeparator(r.string("AppDataPath"));
    maxColors = r.integer("maxColors", 500);
    CharactersPath = r.shippedFolder("CharactersPath");
    PalettesPath = r.shippedFolder("PalettesPath");
    FontsPath = r.shippedFolder("FontsPath");
    HelpPath = r.shippedFolder("HelpPath");
    LanguagesPath = r.shippedFolder("LanguagesPath");
    libraryPath = Paths::withSeparator(r.string("LibraryPath"));
    defaultCharacters = r.string("DefaultCharacterMap");
    defaultPalette = r.string("DefaultColorTable");

    DefaultTitle = r.stringOr("DefaultTitle", QString());
    SubTitle = r.stringOr("SubTitle", QStringLiteral("Created with Velwick Threadwright"));
    LegendDistance = r.integer("LegendDistance", 5);
    LabelGridHor = r.integer("LabelGridHor", 10);
    LabelGridVert = r.integer("LabelGridVert", 27);
    LabelBorderLeft = r.integer("LabelBorderLeft", 40);
    LabelBorderTop = r.integer("LabelBorderTop", 135);
    LabelBorderRight = r.integer("LabelBorderRight", 40);
    LabelBorderBottom = r.integer("LabelBorderBottom", 135);
    LabelWidth = r.integer("LabelWidth", 178);
    LabelHeight = r.integer("LabelHeight", 100);

    DefaultLanguage = r.string("DefaultLanguage");
    PicturesPath = Paths::withSeparator(r.string("PicturesPath"));
    PatternsPath = Paths::withSeparator(r.string("PatternsPath"));
    RhodesPath = r.shippedFolder("RhodesPath");
    SavePath = Paths::withSeparator(r.string("SavePath"));

    PrintPosLeft = r.integer("PrintPosLeft", 0);
    PrintPosTop = r.integer("PrintPosTop", 0);
    checkForUpdates = r.boolean("CheckForUpdates", true);
    general.updateCheckDue = r.updateCheckDue(checkForUpdates);
    thickLines = r.integer("ThickLines", 50);
    mediumLines = r.integer("MediumLines", 20);
    thinLines = r.integer("ThinLines", 1);
    backstitchLines = r.integer("backStitchLines", 60);
    symbolSize = r.integer("SymbolSize", 100);
    general.BorderLeft = r.integer("BorderLeft", 15);
    general.BorderTop = r.integer("BorderTop", 15);
    general.BorderRight = r.integer("BorderRight", 10);
    general.BorderBottom = r.integer("BorderBottom", 15);
    general.AllowQuarterOverCross = r.boolean("AllowQuarterOverCross", false);
    BookInfo = r.stringOr("BookInfo", QString());
    BagSize = r.integer("BagSize", 200);
    general.JPEGWidth = r.integer("JPEGWidth", 900);
    general.JPEGHeight = r.integer("JPEGHeight", 800);
    general.JPEGGrid = r.integer("JPEGGrid", 20);
    general.JPEGQuality = r.integer("JPEGQuality", 70);
    InstallPath = r.shippedFolder("InstallPath");
    general.PaletteView = r.integer("PaletteView", 0);

    general.recentFiles.assign(r.subkeyValues(QStringLiteral("LastFiles")));
    general.languages = r.subkeyValues(QStringLiteral("Languages"));
    Languages = general.languages;
}

void TStitch::WriteGeneralSettings(SettingsStore& store, const GeneralSettings& general) const
{
    const auto s = [&](const char* name, const QString& value) { store.writeString(QLatin1String(name), value); };
    const auto i = [&](const char* name, int value) { store.writeInteger(QLatin1String(name), value); };
    const auto b = [&](const char* name, bool value) { store.writeBool(QLatin1String(name), value); };

    s("LibraryPath", libraryPath);
    s("DefaultCharacterMap", defaultCharacters);
    s("DefaultColorTable", defaultPalette);
    s("DefaultTitle", DefaultTitle);
    s("SubTitle", SubTitle);
    i("LegendDistance", LegendDistance);
    i("LabelGridHor", LabelGridHor);
    i("LabelGridVert", LabelGridVert);
    i("LabelBorderLeft", LabelBorderLeft);
    i("LabelBorderTop", LabelBorderTop);
    i("LabelBorderRight", LabelBorderRight);
    i("LabelBorderBottom", LabelBorderBottom);
    i("LabelWidth", LabelWidth);
    i("LabelHeight", LabelHeight);
    s("DefaultLanguage", DefaultLanguage);
    s("PicturesPath", PicturesPath);
    s("PatternsPath", PatternsPath);
    s("SavePath", SavePath);
    i("PrintPosLeft", PrintPosLeft);
    i("PrintPosTop", PrintPosTop);
    b("CheckForUpdates", checkForUpdates);
    i("ThickLines", thickLines);
    i("mediumLines", mediumLines);
    i("ThinLines", thinLines);
    i("BackStitchLines", backstitchLines);
    i("SymbolSize", symbolSize);
    i("BorderLeft", general.BorderLeft);
    i("BorderTop", general.BorderTop);
    i("BorderRight", general.BorderRight);
    i("BorderBottom", general.BorderBottom);
    b("AllowQuarterOverCross", general.AllowQuarterOverCross);
    s("BookInfo", BookInfo);
    i("BagSize", BagSize);

    const QStringList& files = general.recentFiles.files();
    for (int n = 0; n < files.size(); ++n)
        store.writeSubkeyString(QStringLiteral("LastFiles"), QString::number(n + 1), files[n]);
}
