#pragma once
#include "model/SaveQuestions.h"
#include <QDialog>

class QLabel;
class QPushButton;

// The three-button question: Yes, No and Cancel from left to right, the message to the right of
// a 32 x 32 warning picture, centred on the screen. Closing it any other way counts as Cancel.
class TFMessageDlg : public QDialog
{
    Q_OBJECT
public:
    explicit TFMessageDlg(QWidget* parent = nullptr);

    // Captions come translated from the caller at every call.
    Answer ask(const QString& message, const QString& title, const QString& yes, const QString& no, const QString& cancel);

    QLabel* LabelMessage;
    QPushButton* ButtonYes;
    QPushButton* ButtonNo;
    QPushButton* ButtonCancel;

private:
    Answer m_answer = Answer::Cancel;
};
