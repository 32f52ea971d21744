#pragma once
#include "shell/forms/CaptionTable.h"
#include <QWidget>

class QLabel;
class QLineEdit;
class QTextBrowser;
class QToolButton;

// The help window: the help pages of the program, shown inside it, with back, forward, the
// contents and a search through the page. It needs no web browser on the machine.
class TFHelp : public QWidget
{
    Q_OBJECT
public:
    explicit TFHelp(QWidget* parent = nullptr);

    // Shows the page `file` at `anchor` (the history keeps the previous place).
    void showTopic(const QString& file, const QString& anchor);
    QString currentFile() const;
    QString currentAnchor() const;
    void translate(const CaptionTable::Translate& translate);
    // The next place of `text` after the cursor, from the top again when there is none below;
    // false when the page does not hold it.
    bool findText(const QString& text);

    QTextBrowser* Browser;
    QToolButton *ButtonBack, *ButtonForward, *ButtonContents;
    QLineEdit* ESearch;
    QLabel* LSearchResult;

private:
    void ESearchReturnPressed();

    CaptionTable m_captions;
    CaptionTable::Translate m_translate;
};
