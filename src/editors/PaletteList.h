#pragma once
#include <QList>
#include <QString>

// One palette file as the palette list shows it.
struct PaletteFileEntry
{
    QString fileName; // the plain file name, the list's caption
    QString path;     // where it is read from: the user's folder or the shipped one
    QString name;
    QString version;
};

// The logic of the palette list: which files there are, and whether OK may close it.
namespace PaletteList {
// The effective "*.ctb" files (the user's folder laid over the shipped one) in name order, with
// the name from the first line and the version from the second.
QList<PaletteFileEntry> readPalettes(const QString& userFolder, const QString& shippedFolder);
// Where a palette file of the list is read from: the user's folder when it has the file.
QString effectivePath(const QString& userFolder, const QString& shippedFolder, const QString& fileName);
// The name with the extension ".ctb" when it has another one or none.
QString withExtension(const QString& fileName);
// A file name that stays in its folder: no folder separator, not "." or "..", and something
// before ".ctb".
bool isPlainFileName(const QString& fileName);

// What OK must do with the values in the list's fields.
enum class OkStep { Close, AskOverride, SameVersion, BadFileName };
struct Proposal
{
    QString fileName;
    QString name;
    QString version;
};
// `original` is what the caller proposed, `saved` whether that palette exists as a file. After a
// confirmed override, call again with `overrideConfirmed`.
OkStep okStep(const QList<PaletteFileEntry>& files, const Proposal& proposal, const Proposal& original, bool saved,
    bool overrideConfirmed = false);
} // namespace PaletteList
