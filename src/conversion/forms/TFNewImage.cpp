#include "conversion/forms/TFNewImage.h"
#include "model/DesignLimits.h"
#include "model/Translatable.h"
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {
constexpr int kHelpContext = 3300;
}

TFNewImage::TFNewImage(QWidget* parent)
    : QDialog(parent)
    , Edit1(new QSpinBox(this))
    , Edit2(new QSpinBox(this))
    , ComboPalette(new QComboBox(this))
    , ComboCharacters(new QComboBox(this))
    , RStitches(new QRadioButton(this))
    , RKnitting(new QRadioButton(this))
{
    setObjectName(QStringLiteral("TFNewImage"));
    for (QSpinBox* edit : {Edit1, Edit2}) {
        edit->setRange(1, DesignLimits::kMaxSide);
        edit->setValue(50);
    }
    RStitches->setIcon(QIcon(QStringLiteral(":/icons/draw.svg")));
    RKnitting->setIcon(QIcon(QStringLiteral(":/icons/quarter.svg")));
    RStitches->setIconSize(QSize(36, 36));
    RKnitting->setIconSize(QSize(36, 36));
    auto* form = new QFormLayout;
    auto* widthLabel = new QLabel(this);
    auto* heightLabel = new QLabel(this);
    auto* paletteLabel = new QLabel(this);
    auto* charactersLabel = new QLabel(this);
    form->addRow(widthLabel, Edit1);
    form->addRow(heightLabel, Edit2);
    form->addRow(paletteLabel, ComboPalette);
    form->addRow(charactersLabel, ComboCharacters);
    form->addRow(RStitches);
    form->addRow(RKnitting);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Help, this);
    BHelp = buttons->button(QDialogButtonBox::Help);
    BHelp->setObjectName(QStringLiteral("BHelp"));
    connect(BHelp, &QPushButton::clicked, this, [this] {
        if (showHelp)
            showHelp(kHelpContext);
    });
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &TFNewImage::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    m_captions = {{this, TRANSLATABLE("New image")}, {widthLabel, TRANSLATABLE("Width")},
        {heightLabel, TRANSLATABLE("Height")}, {paletteLabel, TRANSLATABLE("Palette")},
        {charactersLabel, TRANSLATABLE("Characters")}, {RStitches, TRANSLATABLE("Cross Stitch")},
        {RKnitting, TRANSLATABLE("Knitting")}, {buttons->button(QDialogButtonBox::Ok), TRANSLATABLE("OK")},
        {buttons->button(QDialogButtonBox::Cancel), TRANSLATABLE("Cancel")}, {BHelp, TRANSLATABLE("Help")}};
    translate({});
}

void TFNewImage::translate(const std::function<QString(const QString&)>& tr)
{
    m_translate = tr;
    for (const auto& [object, key] : m_captions) {
        const QString text = tr ? tr(key) : key;
        if (object == this)
            setWindowTitle(text);
        else if (auto* label = qobject_cast<QLabel*>(object))
            label->setText(text + QStringLiteral(" :"));
        else if (auto* button = qobject_cast<QAbstractButton*>(object))
            button->setText(text);
    }
}

void TFNewImage::prepare(const QStringList& palettes, const QString& defaultPalette, const QStringList& symbolSets,
    const QString& defaultSymbols, bool knitting)
{
    ComboPalette->clear();
    ComboPalette->addItems(palettes);
    ComboPalette->setCurrentIndex(int(palettes.indexOf(defaultPalette)));
    ComboCharacters->clear();
    ComboCharacters->addItems(symbolSets);
    ComboCharacters->setCurrentIndex(int(symbolSets.indexOf(defaultSymbols)));
    (knitting ? RKnitting : RStitches)->setChecked(true);
}

void TFNewImage::accept()
{
    if (!DesignLimits::sizeAllowed(Edit1->value(), Edit2->value())) {
        QMessageBox::warning(this, windowTitle(), DesignLimits::refusal().text(m_translate));
        return;
    }
    QDialog::accept();
}
