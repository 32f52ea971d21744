#include "shell/forms/TFTemplateSettings.h"
#include "model/DesignLimits.h"
#include "model/Translatable.h"
#include "shell/forms/DialogButtonRow.h"
#include <QColorDialog>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

TFTemplateSettings::TFTemplateSettings(QWidget* parent)
    : QDialog(parent)
    , PageControl(new QTabWidget(this))
{
    setObjectName(QStringLiteral("TFTemplateSettings"));
    m_captions.addText(TRANSLATABLE("Design Settings"), this);
    m_captions.add(TRANSLATABLE("Symbols/Colors"), [this](const QString& t) { PageControl->setTabText(0, t); });
    m_captions.add(TRANSLATABLE("Print"), [this](const QString& t) { PageControl->setTabText(1, t); });
    PageControl->addTab(createColorsPage(), QString());
    PageControl->addTab(createPrintPage(), QString());

    auto* buttons = new DialogButtonRow(this, m_captions, [this] { Q_EMIT helpRequested(kHelpTopic); });
    ButtonOK = buttons->ButtonOK;
    ButtonCancel = buttons->ButtonCancel;
    ButtonHelp = buttons->ButtonHelp;
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(PageControl);
    layout->addWidget(buttons);

    connect(PBackground, &QPushButton::clicked, this, &TFTemplateSettings::PBackgroundClick);
    m_showError = [this](const QString& message) { QMessageBox::warning(this, windowTitle(), message); };
    m_captions.apply([](const QString& key) { return key; });
}

QString TFTemplateSettings::translated(const QString& key) const
{
    return m_translate ? m_translate(key) : key;
}

QWidget* TFTemplateSettings::createColorsPage()
{
    const auto label = [this](const QString& key) { return m_captions.label(key, this); };
    ComboPalette = new QComboBox(this);
    ComboPalette->setObjectName(QStringLiteral("ComboPalette"));
    ComboSymbols = new QComboBox(this);
    ComboSymbols->setObjectName(QStringLiteral("ComboSymbols"));
    PBackground = new QPushButton(this);
    PBackground->setObjectName(QStringLiteral("PBackground"));
    PBackground->setFixedSize(60, 24);
    EColorsCount = new QSpinBox(this);
    EColorsCount->setObjectName(QStringLiteral("EColorsCount"));
    EWidth = new QSpinBox(this);
    EWidth->setObjectName(QStringLiteral("EWidth"));
    EHeight = new QSpinBox(this);
    EHeight->setObjectName(QStringLiteral("EHeight"));
    for (QSpinBox* side : {EWidth, EHeight})
        side->setRange(1, DesignLimits::kMaxSide);

    auto* page = new QWidget(this);
    auto* form = new QFormLayout;
    form->addRow(label(TRANSLATABLE("Color Palette")), ComboPalette);
    form->addRow(label(TRANSLATABLE("Symbols Table")), ComboSymbols);
    QGroupBox* colors = m_captions.group(TRANSLATABLE("Color options"), this);
    auto* colorsForm = new QFormLayout(colors);
    colorsForm->addRow(label(TRANSLATABLE("Background color")), PBackground);
    colorsForm->addRow(label(TRANSLATABLE("Colors count")), EColorsCount);
    QGroupBox* dimensions = m_captions.group(TRANSLATABLE("Dimensions"), this);
    auto* dimensionsForm = new QFormLayout(dimensions);
    dimensionsForm->addRow(label(TRANSLATABLE("Width")), EWidth);
    dimensionsForm->addRow(label(TRANSLATABLE("Height")), EHeight);
    auto* column = new QVBoxLayout(page);
    column->addLayout(form);
    column->addWidget(colors);
    column->addWidget(dimensions);
    column->addStretch();
    return page;
}

// Lengths are typed in millimetres with one decimal and a full stop, whatever the locale.
QDoubleSpinBox* TFTemplateSettings::lengthBox(const QString& name)
{
    auto* box = new QDoubleSpinBox(this);
    box->setObjectName(name);
    box->setLocale(QLocale::c());
    box->setDecimals(1);
    box->setRange(0, DesignSettingsValues::kMaxLength);
    return box;
}

QWidget* TFTemplateSettings::createPrintPage()
{
    ETitle = new QLineEdit(this);
    ETitle->setObjectName(QStringLiteral("ETitle"));
    MemoComment = new QPlainTextEdit(this);
    MemoComment->setObjectName(QStringLiteral("MemoComment"));
    ELen = lengthBox(QStringLiteral("ELen"));
    EBackLen = lengthBox(QStringLiteral("EBackLen"));
    EBaseLen = lengthBox(QStringLiteral("EBaseLen"));
    m_captions.add(TRANSLATABLE("Filename"), [this](const QString& t) { ETitle->setPlaceholderText(t); });

    auto* page = new QWidget(this);
    auto* form = new QFormLayout;
    const auto row = [this](QFormLayout* to, const QString& key, QWidget* field) {
        to->addRow(m_captions.label(key, this), field);
    };
    row(form, TRANSLATABLE("Title"), ETitle);
    row(form, TRANSLATABLE("Comment"), MemoComment);
    QGroupBox* lengths = m_captions.group(TRANSLATABLE("Thread options (mm)"), this);
    auto* lengthsForm = new QFormLayout(lengths);
    row(lengthsForm, TRANSLATABLE("Length per stitch"), ELen);
    row(lengthsForm, TRANSLATABLE("Length per backstitch"), EBackLen);
    row(lengthsForm, TRANSLATABLE("Scrap thread"), EBaseLen);
    auto* column = new QVBoxLayout(page);
    column->addLayout(form);
    column->addWidget(lengths);
    return page;
}

void TFTemplateSettings::FormShow(const DesignSettingsValues& values, const QStringList& palettes,
    const QStringList& symbolSets, const CaptionTable::Translate& translate, Check check)
{
    m_translate = translate;
    m_check = std::move(check);
    m_captions.apply([this](const QString& key) { return translated(key); });
    m_shown = values;
    ComboPalette->clear();
    ComboPalette->addItems(palettes);
    ComboPalette->setCurrentIndex(ComboPalette->findText(values.palette));
    ComboSymbols->clear();
    ComboSymbols->addItems(symbolSets);
    ComboSymbols->setCurrentIndex(ComboSymbols->findText(values.symbols));
    ETitle->setText(values.Title);
    MemoComment->setPlainText(values.comment);
    setBackgroundColor(values.background);
    const DesignSettingsValues::CountRange range = DesignSettingsValues::colorsCountRange(values.colorsCount);
    EColorsCount->setRange(range.minimum, range.maximum);
    EColorsCount->setValue(values.colorsCount);
    EColorsCount->setEnabled(range.enabled);
    EWidth->setValue(values.width);
    EHeight->setValue(values.height);
    ELen->setValue(values.len);
    EBackLen->setValue(values.backLen);
    EBaseLen->setValue(values.baseLen);
    PageControl->setCurrentIndex(0);
}

DesignSettingsValues TFTemplateSettings::values() const
{
    DesignSettingsValues v = m_shown;
    v.Title = ETitle->text();
    v.comment = MemoComment->toPlainText();
    v.palette = ComboPalette->currentText();
    v.symbols = ComboSymbols->currentText();
    v.background = m_background;
    v.colorsCount = EColorsCount->value();
    v.width = EWidth->value();
    v.height = EHeight->value();
    v.len = ELen->value();
    v.backLen = EBackLen->value();
    v.baseLen = EBaseLen->value();
    return v;
}

void TFTemplateSettings::setBackgroundColor(TColorRef color)
{
    m_background = color;
    const QColor c(redOf(color), greenOf(color), blueOf(color));
    PBackground->setStyleSheet(QStringLiteral("background-color: %1; border: 1px solid black;").arg(c.name()));
}

void TFTemplateSettings::PBackgroundClick()
{
    const QColor chosen = QColorDialog::getColor(
        QColor(redOf(m_background), greenOf(m_background), blueOf(m_background)), this, translated(TRANSLATABLE("Background color")));
    if (chosen.isValid())
        setBackgroundColor(makeColorRef(chosen.red(), chosen.green(), chosen.blue()));
}

void TFTemplateSettings::accept()
{
    const Status checked = m_check ? m_check(values()) : Status::ok();
    if (!checked) {
        m_showError(checked.text(m_translate));
        return;
    }
    QDialog::accept();
}
