#pragma once
#include "shell/forms/CaptionTable.h"
#include <QWidget>
#include <functional>

class QDialog;
class QPushButton;

// The bottom row of a settings dialog: an optional button of its own at the left, then "OK"
// (the default button, accepting), "Cancel" (rejecting) and "Help", which F1 also presses.
class DialogButtonRow : public QWidget
{
    Q_OBJECT
public:
    DialogButtonRow(QDialog* dialog, CaptionTable& captions, std::function<void()> help, QPushButton* left = nullptr);

    QPushButton *ButtonOK, *ButtonCancel, *ButtonHelp;
};
