#include "shell/forms/RealMainDialogs.h"
#include "editing/forms/TFInsert.h"
#include <QDialog>
#include "conversion/forms/TFAppMode.h"
#include "conversion/forms/TFNewImage.h"
#include <QComboBox>
#include <QSpinBox>
#include "model/Translatable.h"
#include "shell/forms/TFMain.h"
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QRadioButton>

Answer RealMainDialogs::ask(const QString& message)
{
    return m_main.MyMessageDlg(message);
}

void RealMainDialogs::inform(const QString& message)
{
    QMessageBox::information(&m_main, m_main.translate(TRANSLATABLE("Information")), message);
}

void RealMainDialogs::warn(const QString& message)
{
    QMessageBox::warning(&m_main, m_main.translate(TRANSLATABLE("Warning")), message);
}

QString RealMainDialogs::openFileName(const QString& folder, const QString& filter)
{
    return QFileDialog::getOpenFileName(&m_main, QString(), folder, filter);
}

QString RealMainDialogs::saveFileName(const QString& folder, const QString& preset, const QString& filter)
{
    // The window asks its own replace question after the dialog, so the dialog's is off.
    const QString start = folder.isEmpty() ? preset : folder + QLatin1Char('/') + QFileInfo(preset).fileName();
    return QFileDialog::getSaveFileName(&m_main, QString(), start, filter, nullptr, QFileDialog::DontConfirmOverwrite);
}

int RealMainDialogs::chooseApplicationMode()
{
    TFAppMode dialog(&m_main);
    if (dialog.exec() != QDialog::Accepted)
        return -1;
    return dialog.RKnitting->isChecked() ? 1 : 0;
}

bool RealMainDialogs::chooseNewDesign(NewDesignChoice& choice)
{
    TFNewImage dialog(&m_main);
    dialog.translate([this](const QString& t) { return m_main.translate(t); });
    dialog.showHelp = [this](int topic) { m_main.showHelp(topic); };
    dialog.prepare(choice.palettes, choice.palette, choice.symbolSets, choice.characters, choice.knitting);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    choice.width = dialog.Edit1->value();
    choice.height = dialog.Edit2->value();
    choice.palette = dialog.ComboPalette->currentText();
    choice.characters = dialog.ComboCharacters->currentText();
    choice.knitting = dialog.RKnitting->isChecked();
    return true;
}

bool RealMainDialogs::chooseInsertion(InsertChoice& choice)
{
    TFInsert dialog(&m_main);
    dialog.translate([this](const QString& t) { return m_main.translate(t); });
    (choice.columns ? dialog.RColumn : dialog.RRow)->setChecked(true);
    dialog.Edit1->setValue(choice.amount);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    choice.columns = dialog.RColumn->isChecked();
    choice.amount = dialog.Edit1->value();
    return true;
}

bool RealMainDialogs::runDialog(QDialog& dialog)
{
    return dialog.exec() == QDialog::Accepted;
}
