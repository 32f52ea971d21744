#pragma once
#include <QJsonArray>
#include <QString>
#include <QStringList>
#include <optional>

class CliDelegate;

// What the catalogue listings (palettes, symbols) share: their one option and how they report.
namespace CatalogueListing {
// Whether --json was given; nullopt after reporting wrong usage of `command`.
std::optional<bool> jsonOption(const QString& command, const QStringList& arguments, CliDelegate& delegate);
// Each message about a skipped catalogue file as one line on stderr.
void reportSkipped(const QStringList& messages, CliDelegate& delegate);
void printJson(const QJsonArray& array, CliDelegate& delegate);
} // namespace CatalogueListing
