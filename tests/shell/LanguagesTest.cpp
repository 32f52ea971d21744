#include "model/Design.h"
#include "shell/Languages.h"
#include <QDir>
#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
const QStringList kEnglish = {"Cancel", "Close", "Colors used", " once a month", "Page"};

void writeUtf8(const QString& path, const QStringList& lines)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write("\xEF\xBB\xBF");
    for (const QString& line : lines)
        f.write(line.toUtf8() + "\n");
}

// A languages folder inside a temporary folder, with english.lang in it.
class LanguagesFolder
{
public:
    LanguagesFolder()
    {
        QDir(m_root.path()).mkdir(QStringLiteral("languages"));
        writeUtf8(file(QStringLiteral("english.lang")), kEnglish);
    }
    QString path() const { return m_root.filePath(QStringLiteral("languages")) + QLatin1Char('/'); }
    QString file(const QString& name) const { return path() + name; }
    QString outside(const QString& name) const { return m_root.filePath(name); }

    // A document that has selected `language` from this folder.
    std::unique_ptr<Design> select(const QString& language) const
    {
        auto design = std::make_unique<Design>();
        design->stitch.LanguagesPath = path();
        design->stitch.selectLanguage(language, nullptr);
        return design;
    }

private:
    QTemporaryDir m_root;
};
} // namespace

TEST(Languages, TranslatesLineByLineWithEnglishWhereTheFileIsShort)
{
    LanguagesFolder folder;
    writeUtf8(folder.file(QStringLiteral("deutsch.lang")), {"Abbrechen", "Schließen", "Verwendete Farben"});
    auto design = folder.select(QStringLiteral("deutsch.lang"));
    TStitch& doc = design->stitch;
    EXPECT_EQ(doc.DefaultLanguage, QStringLiteral("deutsch.lang"));
    EXPECT_EQ(doc.translate(QStringLiteral("Cancel")), QStringLiteral("Abbrechen"));
    EXPECT_EQ(doc.translate(QStringLiteral("Colors used")), QStringLiteral("Verwendete Farben"));
    EXPECT_EQ(doc.translate(QStringLiteral(" once a month")), QStringLiteral(" once a month"));
    EXPECT_EQ(doc.translate(QStringLiteral("Page")), QStringLiteral("Page"));
    // A key missing from english.lang shows in English and joins the table.
    EXPECT_EQ(doc.translate(QStringLiteral("Not a key")), QStringLiteral("Not a key"));
    EXPECT_TRUE(doc.Language.contains(QStringLiteral("Not a key")));
    // Matching is exact.
    EXPECT_EQ(doc.translate(QStringLiteral("cancel")), QStringLiteral("cancel"));
}

TEST(Languages, EmptyLineShowsAnEmptyText)
{
    LanguagesFolder folder;
    writeUtf8(folder.file(QStringLiteral("deutsch.lang")), {"Abbrechen", "Schließen", "", " einmal im Monat", "Seite"});
    auto design = folder.select(QStringLiteral("deutsch.lang"));
    EXPECT_EQ(design->stitch.translate(QStringLiteral("Colors used")), QString());
    EXPECT_EQ(design->stitch.translate(QStringLiteral(" once a month")), QStringLiteral(" einmal im Monat"));
}

TEST(Languages, LanguageFilesInEveryEncodingTheReaderKnows)
{
    const QString german = QStringLiteral("Schließen – Größe €");
    struct Case
    {
        const char* what;
        QByteArray bytes;
    };
    QStringEncoder le(QStringConverter::Utf16LE);
    QStringEncoder be(QStringConverter::Utf16BE);
    const QString text = QStringLiteral("Abbrechen\r\n") + german + QStringLiteral("\r\n");
    const Case cases[] = {
        {"UTF-8", QByteArray("\xEF\xBB\xBF") + text.toUtf8()},
        {"UTF-16 LE", QByteArray("\xFF\xFE") + QByteArray(le(text))},
        {"UTF-16 BE", QByteArray("\xFE\xFF") + QByteArray(be(text))},
        {"Windows-1252", QByteArray("Abbrechen\r\nSchlie\xDF" "en \x96 Gr\xF6\xDF" "e \x80\r\n")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        LanguagesFolder folder;
        QFile f(folder.file(QStringLiteral("x.lang")));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(c.bytes);
        f.close();
        EXPECT_EQ(folder.select(QStringLiteral("x.lang"))->stitch.translate(QStringLiteral("Close")), german);
    }
}

TEST(Languages, NameThatLeavesTheFolderIsRefusedAndEnglishUsed)
{
    LanguagesFolder folder;
    writeUtf8(folder.outside(QStringLiteral("x.lang")), {"Evil"});
    const QStringList refused = {"../x.lang", folder.outside(QStringLiteral("x.lang")), "/tmp/x.lang", "sub/x.lang",
        "..\\x.lang", "..", ".", ""};
    for (const QString& name : refused) {
        SCOPED_TRACE(name.toStdString());
        auto design = folder.select(name);
        EXPECT_EQ(design->stitch.DefaultLanguage, QStringLiteral("english.lang"));
        EXPECT_EQ(design->stitch.translate(QStringLiteral("Cancel")), QStringLiteral("Cancel"));
    }
}

TEST(Languages, MissingLanguageFileShowsEnglish)
{
    LanguagesFolder folder;
    auto design = folder.select(QStringLiteral("klingon.lang"));
    EXPECT_EQ(design->stitch.translate(QStringLiteral("Close")), QStringLiteral("Close"));
    EXPECT_EQ(design->stitch.Language.size(), kEnglish.size());
}

TEST(Languages, MenuListsOnlyRegisteredLanguageFiles)
{
    LanguagesFolder folder;
    for (const char* name : {"deutsch.lang", "Francais.lang", "klingon.lang", "notes.txt", "руский.lang"})
        writeUtf8(folder.file(QString::fromUtf8(name)), {"x"});
    const QList<Languages::MenuEntry> entries =
        Languages::menuEntries(folder.path(), {"English", "DEUTSCH", "francais", "руский", "español"});
    QStringList captions;
    QStringList files;
    for (const Languages::MenuEntry& e : entries) {
        captions << e.caption;
        files << e.fileName;
    }
    EXPECT_EQ(captions, (QStringList{"Francais", "deutsch", "english", "руский"}));
    EXPECT_EQ(files, (QStringList{"Francais.lang", "deutsch.lang", "english.lang", "руский.lang"}));
    EXPECT_FALSE(entries[2].flag.isEmpty());
    EXPECT_FALSE(entries[3].flag.isEmpty());
}

TEST(Languages, LaterDuplicateKeysWin)
{
    const QHash<QString, QString> table =
        Languages::buildTable({"Close", "Open", "Close"}, {"Fermer", "Ouvrir", "Quitter"});
    EXPECT_EQ(table.value(QStringLiteral("Close")), QStringLiteral("Quitter"));
    EXPECT_EQ(table.size(), 2);
}
