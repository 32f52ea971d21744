#include "editors/SymbolSetDocument.h"
#include "model/CatalogueFiles.h"
#include "support/ScriptedSymbolSetQuestions.h"
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <vector>
#include <gtest/gtest.h>

namespace {
QByteArray bytesOf(const QString& fileName)
{
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeFile(const QString& fileName, const QByteArray& bytes)
{
    QFile file(fileName);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

class SymbolSetDocumentTest : public testing::Test
{
protected:
    SymbolSetDocumentTest()
        : doc(user())
    {
        doc.NewSet();
    }

    QString user() const { return dir.filePath(QStringLiteral("user/characters/")); }
    QString shipped() const { return dir.filePath(QStringLiteral("shipped/")); }

    // Moves the codes from "All" into the set, in ascending order.
    void choose(const QList<int>& codes)
    {
        QList<int> rows;
        for (const int code : codes)
            rows << int(doc.allCodes().indexOf(code));
        doc.setAllSelection(rows);
        doc.add();
    }

    // A named set of three symbols that was never saved.
    void namedSet()
    {
        doc.setName(QStringLiteral("Signs"));
        choose({65, 66, 67});
    }

    QTemporaryDir dir;
    SymbolSetDocument doc;
    ScriptedSymbolSetQuestions questions;
};
} // namespace

TEST_F(SymbolSetDocumentTest, ANewSetOffersThePrintableCodesWithoutTheNoBreakSpace)
{
    EXPECT_EQ(doc.allCodes().size(), 94 + 440);
    EXPECT_EQ(doc.allCodes().first(), 33);
    EXPECT_EQ(doc.allCodes()[93], 126);
    EXPECT_EQ(doc.allCodes()[94], 161);
    EXPECT_EQ(doc.allCodes().last(), 600);
    EXPECT_FALSE(doc.allCodes().contains(160));
    EXPECT_TRUE(doc.charCodes().isEmpty());
    EXPECT_EQ(doc.fontName(), QStringLiteral("VelwickArtSymbols110"));
    EXPECT_FALSE(doc.FileSaved);
    EXPECT_FALSE(doc.FileNameAssigned);
}

// Qt's QList comparison hands memcmp a null pointer for an empty list that
// never allocated, which the sanitizer build rejects; vectors compare cleanly.
static std::vector<int> asVector(const QList<int>& list)
{
    return {list.cbegin(), list.cend()};
}

TEST_F(SymbolSetDocumentTest, MovesKeepTheListsTheirOrderAndTheSelections)
{
    enum Op { Add, Remove, AddAll, RemoveAll, Up, Down };
    struct Case
    {
        const char* what;
        Op op;
        QList<int> allRows, charsRows;     // selected before
        QList<int> chars;                  // the set afterwards
        QList<int> charsSelected;          // its selection afterwards
        QList<int> allSelectedCodes;       // codes at the selected rows of "All" afterwards
        bool changed;
    };
    // Before each case the set is 35, 36, 40, 50 and "All" begins 33, 34, 37, 38, 39, 41.
    const Case cases[] = {
        {"add two rows", Add, {0, 2}, {}, {35, 36, 40, 50, 33, 37}, {4, 5}, {34}, true},
        {"add the last row", Add, {529}, {}, {35, 36, 40, 50, 600}, {4}, {599}, true},
        {"add nothing", Add, {}, {}, {35, 36, 40, 50}, {}, {}, false},
        {"remove two rows", Remove, {}, {1, 3}, {35, 40}, {1}, {36, 50}, true},
        {"remove the last row", Remove, {}, {3}, {35, 36, 40}, {2}, {50}, true},
        {"remove every row", Remove, {}, {0, 1, 2, 3}, {}, {}, {35, 36, 40, 50}, true},
        {"add all", AddAll, {}, {}, {}, {}, {}, true},
        {"remove all", RemoveAll, {}, {}, {}, {}, {}, true},
        {"move up at the top", Up, {}, {0, 2}, {35, 36, 40, 50}, {0, 2}, {}, false},
        {"move up", Up, {}, {1, 3}, {36, 35, 50, 40}, {0, 2}, {}, true},
        {"move up a block", Up, {}, {2, 3}, {35, 40, 50, 36}, {1, 2}, {}, true},
        {"move down at the bottom", Down, {}, {1, 3}, {35, 36, 40, 50}, {1, 3}, {}, false},
        {"move down", Down, {}, {0, 2}, {36, 35, 50, 40}, {1, 3}, {}, true},
        {"move down a block", Down, {}, {0, 1}, {40, 35, 36, 50}, {1, 2}, {}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        doc.NewSet();
        choose({35, 36, 40, 50});
        doc.FileSaved = true;
        doc.setAllSelection(c.allRows);
        doc.setCharsSelection(c.charsRows);
        switch (c.op) {
        case Add: doc.add(); break;
        case Remove: doc.remove(); break;
        case AddAll: doc.addAll(); break;
        case RemoveAll: doc.removeAll(); break;
        case Up: doc.moveUp(); break;
        case Down: doc.moveDown(); break;
        }
        if (c.op == AddAll) {
            EXPECT_TRUE(doc.allCodes().isEmpty());
            EXPECT_EQ(doc.charCodes().size(), 534);
            EXPECT_EQ(doc.charCodes().mid(0, 5), QList<int>({35, 36, 40, 50, 33}));
        } else {
            EXPECT_EQ(asVector(doc.charCodes()), asVector(c.chars));
        }
        if (c.op == RemoveAll)
            EXPECT_EQ(doc.allCodes().size(), 534);
        EXPECT_EQ(asVector(doc.charsSelection()), asVector(c.charsSelected));
        QList<int> allSelected;
        for (const int row : doc.allSelection())
            allSelected << doc.allCodes()[row];
        EXPECT_EQ(asVector(allSelected), asVector(c.allSelectedCodes));
        EXPECT_TRUE(std::is_sorted(doc.allCodes().cbegin(), doc.allCodes().cend()));
        EXPECT_EQ(doc.allCodes().size() + doc.charCodes().size(), 534);
        EXPECT_EQ(doc.FileSaved, !c.changed);
    }
}

TEST_F(SymbolSetDocumentTest, SaveAsksForAFileNameOnceAndAlwaysWritesAChrFileIntoTheUserFolder)
{
    struct Case
    {
        const char* what;
        const char* name;
        QStringList dialog;    // answers of the save dialog
        const char* written;   // the file in the user folder, or none
        int dialogs;
    };
    const Case cases[] = {
        {"empty name", "  ", {QStringLiteral("x")}, nullptr, 0},
        {"dialog cancelled", "Signs", {}, nullptr, 1},
        {"bare name", "Signs", {QStringLiteral("signs")}, "signs.chr", 1},
        {"name with extension", "Signs", {QStringLiteral("signs.chr")}, "signs.chr", 1},
        {"another extension", "Signs", {QStringLiteral("signs.txt")}, "signs.txt.chr", 1},
        {"another folder", "Signs", {QStringLiteral("/elsewhere/signs.chr")}, "signs.chr", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QDir(user()).removeRecursively();
        questions = {};
        questions.saveNames = c.dialog;
        doc.NewSet();
        choose({65, 66});
        doc.setName(QString::fromLatin1(c.name));

        EXPECT_EQ(doc.Save(questions), c.written != nullptr);
        EXPECT_EQ(questions.presets.size(), c.dialogs);
        const QStringList files = QDir(user()).entryList(QDir::Files);
        if (c.written) {
            EXPECT_EQ(files, QStringList(QString::fromLatin1(c.written)));
            EXPECT_EQ(doc.FileName, user() + QString::fromLatin1(c.written));
            EXPECT_TRUE(doc.FileSaved && doc.FileNameAssigned);
        } else {
            EXPECT_TRUE(files.isEmpty());
            EXPECT_FALSE(doc.FileSaved || doc.FileNameAssigned);
        }
    }
    EXPECT_EQ(questions.shown, QStringList());

    doc.NewSet();
    choose({65});
    doc.setName(QStringLiteral(" "));
    doc.Save(questions);
    EXPECT_EQ(questions.shown, QStringList(QStringLiteral("Please enter name for the character set.")));
}

TEST_F(SymbolSetDocumentTest, SavingASecondTimeWritesWithoutTheDialogAndSaveAsAsksAgain)
{
    namedSet();
    questions.saveNames = QStringList{QStringLiteral("signs"), QStringLiteral("other")};
    ASSERT_TRUE(doc.Save(questions));
    choose({68});
    ASSERT_TRUE(doc.Save(questions));
    EXPECT_EQ(questions.presets, QStringList(QStringLiteral("Signs.chr")));
    EXPECT_TRUE(bytesOf(user() + QStringLiteral("signs.chr")).endsWith("68\r\n"));

    ASSERT_TRUE(doc.SaveAs(questions));
    EXPECT_EQ(questions.presets.last(), QStringLiteral("signs.chr"));
    EXPECT_EQ(doc.FileName, user() + QStringLiteral("other.chr"));
}

TEST_F(SymbolSetDocumentTest, AnEmptySetIsNeverWritten)
{
    doc.setName(QStringLiteral("Nothing"));
    questions.saveNames = QStringList{QStringLiteral("nothing")};
    EXPECT_FALSE(doc.Save(questions));
    EXPECT_EQ(questions.shown, QStringList(QStringLiteral("The symbol set has no characters.")));
    EXPECT_FALSE(QFile::exists(user() + QStringLiteral("nothing.chr")));
}

TEST_F(SymbolSetDocumentTest, CheckAsksOnlyForUnsavedSymbolsAndSaveNowAddsTheExtension)
{
    struct Case
    {
        const char* what;
        bool symbols;
        const char* name;
        QList<Answer> answers;
        QStringList dialog;
        bool allowed;
        int questionsAsked;
        bool written;
    };
    const Case cases[] = {
        {"empty set", false, "Signs", {}, {}, true, 0, false},
        {"cancel", true, "Signs", {Answer::Cancel}, {}, false, 1, false},
        {"no", true, "Signs", {Answer::No}, {}, true, 1, false},
        {"yes, dialog cancelled", true, "Signs", {Answer::Yes}, {}, false, 1, false},
        {"yes, saved", true, "Signs", {Answer::Yes}, {QStringLiteral("signs")}, true, 1, true},
        {"yes, no name", true, "", {Answer::Yes}, {QStringLiteral("signs")}, false, 1, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QDir(user()).removeRecursively();
        questions = {};
        questions.answers = c.answers;
        questions.saveNames = c.dialog;
        doc.NewSet();
        doc.setName(QString::fromLatin1(c.name));
        if (c.symbols)
            choose({65});
        EXPECT_EQ(doc.Check(questions), c.allowed);
        EXPECT_EQ(questions.asked.size(), c.questionsAsked);
        EXPECT_EQ(QFile::exists(user() + QStringLiteral("signs.chr")), c.written);
    }
    EXPECT_EQ(questions.asked, QStringList(QStringLiteral("Data is not saved, save now?")));
    EXPECT_EQ(questions.shown, QStringList(QStringLiteral("Please enter name for the character set.")));
}

TEST_F(SymbolSetDocumentTest, SymbolsWithoutAVisibleGlyphAreSavedOnlyWhenTheUserAgrees)
{
    doc.setName(QStringLiteral("Blank"));
    doc.setFontName(QStringLiteral("DejaVu Sans"));
    choose({65, 173, 200});
    questions.saveNames = QStringList{QStringLiteral("blank"), QStringLiteral("blank")};
    questions.confirms = {false, true};
    EXPECT_FALSE(doc.Save(questions));
    EXPECT_EQ(questions.asked, QStringList(QStringLiteral("1 characters have no visible symbol in this font. Save anyway?")));
    EXPECT_FALSE(QFile::exists(user() + QStringLiteral("blank.chr")));
    EXPECT_TRUE(doc.Save(questions));
    EXPECT_TRUE(QFile::exists(user() + QStringLiteral("blank.chr")));
}

TEST_F(SymbolSetDocumentTest, OpeningKeepsTheFileOrderOffersCodesUpTo499AndKeepsARepeatedCodeOnce)
{
    const QString file = dir.filePath(QStringLiteral("set.chr"));
    ASSERT_TRUE(writeFile(file, "Set\r\nA set\r\n\"DejaVu Sans\",,53\r\n300\r\n65\r\n128\r\n65\r\n550\r\n"));
    QList<int> repeated;
    ASSERT_TRUE(doc.open(file, &repeated));
    EXPECT_EQ(doc.name(), QStringLiteral("Set"));
    EXPECT_EQ(doc.description(), QStringLiteral("A set"));
    EXPECT_EQ(doc.fontName(), QStringLiteral("DejaVu Sans"));
    EXPECT_EQ(doc.charCodes(), QList<int>({300, 65, 128, 550}));
    EXPECT_EQ(repeated, QList<int>({65}));
    EXPECT_EQ(doc.allCodes().last(), 499);
    EXPECT_EQ(doc.allCodes().size(), 94 + 339 - 2);
    EXPECT_TRUE(doc.FileSaved && doc.FileNameAssigned);
    EXPECT_EQ(doc.FileName, file);
}

TEST_F(SymbolSetDocumentTest, AFileWithABadCodeLineIsRefusedAndTheEditorStaysAsItWas)
{
    namedSet();
    const QString file = dir.filePath(QStringLiteral("bad.chr"));
    ASSERT_TRUE(writeFile(file, "Bad\r\n\r\nFont,,53\r\n65\r\nsixty\r\n67\r\n"));
    const Status opened = doc.open(file);
    ASSERT_FALSE(opened);
    EXPECT_TRUE(opened.text().contains(file));
    EXPECT_TRUE(opened.text().contains(QStringLiteral("line 5")));
    EXPECT_EQ(doc.name(), QStringLiteral("Signs"));
    EXPECT_EQ(doc.charCodes(), QList<int>({65, 66, 67}));
    EXPECT_EQ(doc.allCodes().size(), 534 - 3);
    EXPECT_FALSE(doc.FileNameAssigned);
    EXPECT_FALSE(doc.open(dir.filePath(QStringLiteral("missing.chr"))));
}

TEST_F(SymbolSetDocumentTest, ASetOpenedFromTheReadOnlyShippedFolderIsSavedIntoTheUserFolderAndShadowsIt)
{
    ASSERT_TRUE(QDir().mkpath(shipped()));
    const QString shippedFile = shipped() + QStringLiteral("standard.chr");
    const QByteArray original = "Standard\r\nShapes\r\nVelwickArtSymbols110,,53\r\n65\r\n66\r\n";
    ASSERT_TRUE(writeFile(shippedFile, original));
    QFile::setPermissions(shippedFile, QFile::ReadOwner);
    QFile::setPermissions(shipped(), QFile::ReadOwner | QFile::ExeOwner);

    ASSERT_TRUE(doc.open(shippedFile));
    doc.setCharsSelection({0});
    doc.moveDown();
    EXPECT_TRUE(doc.Save(questions));
    EXPECT_TRUE(questions.presets.isEmpty());

    QFile::setPermissions(shipped(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_EQ(bytesOf(shippedFile), original);
    EXPECT_EQ(bytesOf(user() + QStringLiteral("standard.chr")), "Standard\r\nShapes\r\nVelwickArtSymbols110,,53\r\n66\r\n65\r\n");
    EXPECT_EQ(CatalogueFiles::effective(user(), shipped(), QStringLiteral("*.chr")),
        QStringList(user() + QStringLiteral("standard.chr")));
}
