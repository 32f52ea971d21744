// Every text marked TRANSLATABLE in the sources must be a key of english.lang, and every shipped
// language must translate each key on the same line.
#include "model/TextFile.h"
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <gtest/gtest.h>

namespace {
QString languagesFolder()
{
    return QStringLiteral(THREADWRIGHT_SOURCE_DATA_DIR "/languages/");
}

QString sourceRoot()
{
    return QFileInfo(QStringLiteral(THREADWRIGHT_SOURCE_DATA_DIR "/..")).canonicalFilePath();
}

QStringList readLanguage(const QString& name)
{
    QStringList lines;
    EXPECT_TRUE(TextFile::readLinesWithBom(languagesFolder() + name, lines)) << name.toStdString();
    return lines;
}

// Reads one C++ string literal starting at the opening quote; `pos` ends after the closing one.
QString stringLiteral(const QString& text, qsizetype& pos)
{
    static const QHash<QChar, QChar> escapes = {{u'n', u'\n'}, {u't', u'\t'}, {u'r', u'\r'},
        {u'"', u'"'}, {u'\\', u'\\'}, {u'\'', u'\''}, {u'?', u'?'}};
    QString value;
    ++pos;
    while (pos < text.size() && text[pos] != QLatin1Char('"')) {
        if (text[pos] == QLatin1Char('\\') && pos + 1 < text.size()) {
            value += escapes.value(text[pos + 1], text[pos + 1]);
            pos += 2;
        } else {
            value += text[pos++];
        }
    }
    ++pos;
    return value;
}

void skipSpace(const QString& text, qsizetype& pos)
{
    while (pos < text.size() && text[pos].isSpace())
        ++pos;
}

// The texts of TRANSLATABLE("...") in a source text; adjacent literals are joined, as the
// compiler joins them. The macro's own definition takes a name, not a literal, and is skipped.
QStringList markedTexts(const QString& source)
{
    static const QString marker = QStringLiteral("TRANSLATABLE(");
    QStringList texts;
    for (qsizetype at = source.indexOf(marker); at >= 0; at = source.indexOf(marker, at + 1)) {
        qsizetype pos = at + marker.size();
        skipSpace(source, pos);
        if (pos >= source.size() || source[pos] != QLatin1Char('"'))
            continue;
        QString text;
        while (pos < source.size() && source[pos] == QLatin1Char('"')) {
            text += stringLiteral(source, pos);
            skipSpace(source, pos);
        }
        texts << text;
    }
    return texts;
}

struct MarkedText
{
    QString text;
    QString file;
};

std::vector<MarkedText> markedTextsOfTheSources()
{
    std::vector<MarkedText> result;
    const QString root = sourceRoot();
    for (const char* folder : {"src", "cli"}) {
        QDirIterator it(root + QLatin1Char('/') + QLatin1String(folder), {QStringLiteral("*.cpp"), QStringLiteral("*.h")},
            QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            QFile f(path);
            EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << path.toStdString();
            for (const QString& text : markedTexts(QString::fromUtf8(f.readAll())))
                result.push_back({text, QDir(root).relativeFilePath(path)});
        }
    }
    return result;
}
} // namespace

TEST(TranslationKeys, MarkedTextsAreFoundWithEscapesAndJoinedLiterals)
{
    const QString source = QStringLiteral(
        "#define TRANSLATABLE(text) QStringLiteral(text)\n"
        "a(TRANSLATABLE(\"Data is not saved, save now?\"));\n"
        "b(TRANSLATABLE( \"Say \\\"hi\\\" \\\\ there\" ));\n"
        "c(TRANSLATABLE(\"one, \"\n      \"two\"), TRANSLATABLE(\"\"));\n");
    EXPECT_EQ(markedTexts(source),
        (QStringList{"Data is not saved, save now?", "Say \"hi\" \\ there", "one, two", ""}));
}

TEST(TranslationKeys, EveryMarkedTextIsAKeyOfEnglishLang)
{
    const QStringList english = readLanguage(QStringLiteral("english.lang"));
    const QSet<QString> keys(english.begin(), english.end());
    const std::vector<MarkedText> marked = markedTextsOfTheSources();
    ASSERT_FALSE(marked.empty()) << "no marked text found under " << sourceRoot().toStdString();
    QStringList missing;
    for (const MarkedText& m : marked) {
        if (!keys.contains(m.text))
            missing << QStringLiteral("  \"%1\" (%2)").arg(m.text, m.file);
    }
    missing.removeDuplicates();
    EXPECT_TRUE(missing.isEmpty()) << "texts marked TRANSLATABLE but missing from english.lang (append them, "
                                      "with their translations, to all three language files):\n"
                                   << missing.join(QLatin1Char('\n')).toStdString();
}

TEST(TranslationKeys, ShippedLanguagesTranslateEveryLine)
{
    const QStringList english = readLanguage(QStringLiteral("english.lang"));
    ASSERT_FALSE(english.isEmpty());
    for (const QString& language : {QStringLiteral("deutsch.lang"), QStringLiteral("francais.lang")}) {
        SCOPED_TRACE(language.toStdString());
        const QStringList translated = readLanguage(language);
        EXPECT_EQ(translated.size(), english.size());
        QStringList wrong;
        for (qsizetype i = 0; i < std::min(english.size(), translated.size()); ++i) {
            const QString& e = english[i];
            const QString& t = translated[i];
            // Placeholders are filled in after translation, and captions are joined to other
            // texts at their blanks: both must survive.
            bool same = e.isEmpty() || !t.isEmpty();
            for (const QString& p : {QStringLiteral("%1"), QStringLiteral("%2"), QStringLiteral("%3")})
                same = same && e.count(p) == t.count(p);
            same = same && e.startsWith(QLatin1Char(' ')) == t.startsWith(QLatin1Char(' '))
                && e.endsWith(QLatin1Char(' ')) == t.endsWith(QLatin1Char(' '));
            if (!same)
                wrong << QStringLiteral("  line %1: \"%2\" -> \"%3\"").arg(i + 1).arg(e, t);
        }
        EXPECT_TRUE(wrong.isEmpty()) << "lines empty or without the placeholders and outer blanks of the English:\n"
                                     << wrong.join(QLatin1Char('\n')).toStdString();
    }
}
