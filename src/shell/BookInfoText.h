#pragma once
#include <QString>

// The book info text is kept as HTML. Values written before that are RTF, which Qt cannot
// read: they are shown as their plain text, and saved as HTML once the dialog is confirmed.
namespace BookInfoText {
bool isRtf(const QString& stored);

// The text of an RTF value without its control words and groups of fonts, colours, styles,
// pictures and other hidden destinations. Unbalanced or cut-off input gives what was read.
QString plainFromRtf(const QString& rtf);
} // namespace BookInfoText
