// The print dialog's option rules: which control turns which on or off, and which changes lay
// the pages out again (with a fresh printer query while printing).
#include "printing/forms/TFPrintOptions.h"
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

void TFPrintOptions::connectInterlocks()
{
    connect(RadioButton2, &QRadioButton::clicked, this, [this] { setOrientation(fPortrait); });
    connect(RadioButton3, &QRadioButton::clicked, this, [this] { setOrientation(fLandscape); });
    // "Auto" has no rule of its own: only the picture moves, the orientation in use stays.
    connect(RadioButton4, &QRadioButton::clicked, this, [this] { showOrientation(2); });
    connect(CheckBoxDesign, &QCheckBox::clicked, this, [this] { pagesChanged(false); });
    connect(CheckBoxLegend, &QCheckBox::clicked, this, [this](bool on) { pagesChanged(!on); });
    connect(RadioButton1, &QRadioButton::clicked, this, [this] { keyPositionChosen(pTop); });
    connect(RadioButton5, &QRadioButton::clicked, this, [this] { keyPositionChosen(pBottom); });
    connect(RadioButton7, &QRadioButton::clicked, this, [this] { keyPositionChosen(pRight); });
    connect(RadioButton8, &QRadioButton::clicked, this, [this] { keyPositionChosen(pSeparate); });
    connect(CheckBoxPrintRuler, &QCheckBox::toggled, this, &TFPrintOptions::rulerChanged);
    connect(CheckBoxPrintAsCircle, &QCheckBox::toggled, this, [this](bool on) {
        if (on)
            CheckBoxLight->setChecked(false);
    });
    connect(CheckBoxLight, &QCheckBox::toggled, this, [this](bool on) {
        if (on)
            CheckBoxPrintAsCircle->setChecked(false);
    });
    connect(ComboImageType, &QComboBox::currentIndexChanged, this, [this](int index) { Edit2->setEnabled(index == 0); });
    connect(RPrintToPrinter, &QRadioButton::toggled, this, &TFPrintOptions::targetChanged);
    connect(ComboPrinter, &QComboBox::currentIndexChanged, this, [this] {
        choosePrinter();
        queryPrinter();
    });
    connect(Button1, &QPushButton::clicked, this, &TFPrintOptions::ButtonPropertiesClick);
    connect(Button4, &QPushButton::clicked, this, [this] {
        const QString folder = chooseFolder(EPath->text());
        if (!folder.isEmpty())
            EPath->setText(folder);
    });
}

void TFPrintOptions::connectRecalculation()
{
    // Options that change the printable page query the printer again while printing.
    for (QCheckBox* box : {CheckBoxBorder, CheckBoxPageNumbers, CheckBoxGridNumbers, CheckBoxTitle, CheckBoxInfo, CheckBoxLabels,
             CheckBoxStitchList, CheckBoxContents})
        connect(box, &QCheckBox::toggled, this, [this] { optionChanged(true); });
    for (QCheckBox* box : {CheckBoxBackStitchesSeparate, LegendSize})
        connect(box, &QCheckBox::toggled, this, [this] { optionChanged(false); });
    connect(RadioColors, &QRadioButton::toggled, this, [this] { optionChanged(false); });
    for (QDoubleSpinBox* spin : {EGridX, EGridY})
        connect(spin, &QDoubleSpinBox::valueChanged, this, [this] { optionChanged(false); });
    for (QSpinBox* spin : {EJpegWidth, EJpegHeight, Edit1})
        connect(spin, &QSpinBox::valueChanged, this, [this] { optionChanged(false); });
}

void TFPrintOptions::optionChanged(bool queriesPrinter)
{
    if (queriesPrinter && RPrintToPrinter->isChecked())
        queryPrinter();
    else
        calc();
}

void TFPrintOptions::pagesChanged(bool legendTurnedOff)
{
    if (CheckBoxDesign->isChecked() != CheckBoxLegend->isChecked()) {
        RadioButton8->setChecked(true);
        keyPositionChosen(pSeparate);
    }
    if (!(legendTurnedOff && CheckBoxDesign->isChecked()))
        calc();
}

void TFPrintOptions::keyPositionChosen(TPosition position)
{
    m_layout.position = position;
    if (position != pSeparate && !CheckBoxLegend->isChecked()) {
        CheckBoxLegend->setChecked(true);
        pagesChanged(false);
    }
    calc();
}

void TFPrintOptions::rulerChanged(bool on)
{
    if (!on)
        CheckBoxGridNumbers->setChecked(false);
    // Grid numbers sit on the ruler: without it they cannot be turned on.
    CheckBoxGridNumbers->setEnabled(on);
}

void TFPrintOptions::targetChanged()
{
    const bool printing = RPrintToPrinter->isChecked();
    for (QGroupBox* box : std::as_const(m_printerGroups))
        box->setEnabled(printing);
    m_jpegGroup->setEnabled(!printing);
    if (printing)
        queryPrinter();
    else
        calc();
}
