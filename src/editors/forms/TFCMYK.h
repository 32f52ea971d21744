#pragma once
#include "editors/TCMYKColor.h"
#include <QDialog>
#include <functional>

class CMYKCellDelegate;
class QPushButton;
class QTableWidget;
class QTableWidgetItem;
class TStitch;

// The print colour corrections dialog: every colour of the open design with its computed print
// value, and the correction typed in place in the last column, which changes the corrections
// at once. "Close" writes them to the user's file and closes; closing the window any other way
// writes nothing (the corrections stay in memory until the next start-up initialisation).
//
// Protocol: FormShow before each showing, then exec; a failed write shows the error and keeps
// the dialog open with the corrections still in memory.
class TFCMYK : public QDialog
{
    Q_OBJECT
public:
    static constexpr int kHelpTopic = 3150;
    using Translate = std::function<QString(const QString&)>;

    explicit TFCMYK(QWidget* parent = nullptr);

    void FormShow(TStitch& doc, const Translate& translate);
    void GridColorsSetEditText(int row, const QString& text);
    void BOKClick();
    void BHelpClick();

    const QList<TCMYKColor>& rows() const { return m_rows; }
    // Where errors go; a critical message box unless tests replace it.
    void setErrorSink(std::function<void(const QString&)> sink) { m_showError = std::move(sink); }

    QTableWidget* GridColors;
    QPushButton* BOK;
    QPushButton* BHelp;

Q_SIGNALS:
    void helpRequested(int topic);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void translate();
    void fillRow(int row);
    void itemEdited(QTableWidgetItem* item);

    TStitch* m_doc = nullptr;
    Translate m_translate;
    QList<TCMYKColor> m_rows;
    CMYKCellDelegate* m_delegate;
    std::function<void(const QString&)> m_showError;
};
