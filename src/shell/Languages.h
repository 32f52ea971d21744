#pragma once
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

// Translation tables from pairs of plain text files: "english.lang" holds the English texts,
// one per line, and the file of a language holds the translation of line n on its line n.
// A byte-order mark selects UTF-8 or UTF-16; a file without one is Windows-1252.
namespace Languages {
struct MenuEntry
{
    QString caption;  // file name without extension
    QString fileName; // with extension
    QString flag;     // icon name of its flag, or empty
};

// The translation table: line i of the English file -> line i of the language file, or the
// English text itself where the language file is shorter.
QHash<QString, QString> buildTable(const QStringList& english, const QStringList& translated);

// A language file name must be a plain file name inside the languages folder.
bool isPlainFileName(const QString& name);

// The language files of the folder that are registered (compared without regard to case),
// in name order.
QList<MenuEntry> menuEntries(const QString& languagesPath, const QStringList& registered);

// The help page of a language: "<name>.html" in the help folder, else "english.html".
QString helpFile(const QString& helpPath, const QString& languageFile);
// The anchor of a help topic in that page: "contents" for 0, "topic-<n>" for a dialog's topic.
QString helpAnchor(int topic);

extern const char* const kEnglish;
} // namespace Languages
