#include "shell/forms/DialogButtonRow.h"
#include "model/Translatable.h"
#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>
#include <QShortcut>

DialogButtonRow::DialogButtonRow(QDialog* dialog, CaptionTable& captions, std::function<void()> help, QPushButton* left)
    : QWidget(dialog)
    , ButtonOK(new QPushButton(this))
    , ButtonCancel(new QPushButton(this))
    , ButtonHelp(new QPushButton(this))
{
    ButtonOK->setDefault(true);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    if (left)
        row->addWidget(left);
    row->addStretch();
    for (QPushButton* b : {ButtonOK, ButtonCancel, ButtonHelp})
        row->addWidget(b);
    captions.addText(TRANSLATABLE("OK"), ButtonOK);
    captions.addText(TRANSLATABLE("Cancel"), ButtonCancel);
    captions.addText(TRANSLATABLE("Help"), ButtonHelp);
    connect(ButtonOK, &QPushButton::clicked, dialog, &QDialog::accept);
    connect(ButtonCancel, &QPushButton::clicked, dialog, &QDialog::reject);
    connect(ButtonHelp, &QPushButton::clicked, this, std::move(help));
    connect(new QShortcut(QKeySequence::HelpContents, dialog), &QShortcut::activated, ButtonHelp, &QPushButton::click);
}
