#pragma once
#include <QJsonObject>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

class CliDelegate;
class Design;

// What the catalogue listings (palettes, symbols) share: their one option, a fresh start-up,
// the files skipped on the way as lines on stderr, then each entry as a line of text or, with
// --json, as one object of an array.
namespace CatalogueListing {
struct Entry
{
    QJsonObject json;
    QString line; // with its line end
};

// Runs the listing `command`; `entries` lists what the start-up loaded. Returns the exit code.
int run(const QString& command, const QStringList& arguments, CliDelegate& delegate,
    const std::function<QList<Entry>(const Design& design)>& entries);
} // namespace CatalogueListing
