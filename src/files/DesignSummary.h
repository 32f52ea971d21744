#pragma once
#include <QJsonObject>
#include <QString>

class Design;

// A design described for a reader or a script: size, palette, symbol set, texts, thread
// lengths and every used colour with its stitches by kind.
namespace DesignSummary {
QJsonObject json(const Design& design);
// The same as lines of text, headed by the file's name.
QString text(const QString& fileName, const Design& design);
} // namespace DesignSummary
