#include "printing/forms/TFPrintOptions.h"
#include "model/Design.h"
#include "model/Translatable.h"
#include "printing/PageMiniature.h"
#include "printing/forms/TFPrintInProgress.h"
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTimer>
#include <QVBoxLayout>

namespace {
constexpr QSize kMiniatureSize(260, 260);

template <typename T>
T* named(T* widget, const char* name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QGroupBox* group(const char* name, QLayout* layout)
{
    auto* box = named(new QGroupBox, name);
    box->setLayout(layout);
    return box;
}

QVBoxLayout* column(std::initializer_list<QWidget*> widgets)
{
    auto* layout = new QVBoxLayout;
    for (QWidget* w : widgets)
        layout->addWidget(w);
    layout->addStretch(1);
    return layout;
}

QSpinBox* pixelSpin(const char* name, int value)
{
    auto* spin = named(new QSpinBox, name);
    // A page or a cell of 0 pixels leaves no usable page.
    spin->setRange(1, 5000);
    spin->setValue(value);
    spin->setAccelerated(true);
    return spin;
}

QDoubleSpinBox* gridSpin(const char* name)
{
    auto* spin = named(new QDoubleSpinBox, name);
    spin->setRange(0.90, 20.10);
    spin->setDecimals(2);
    spin->setSingleStep(0.01);
    spin->setValue(3.00);
    // Held down, the arrow steps faster, so a long way is quick.
    spin->setAccelerated(true);
    return spin;
}

QLabel* swatch(const QColor& color)
{
    auto* label = new QLabel;
    label->setFixedSize(14, 14);
    label->setStyleSheet(QStringLiteral("background:%1;border:1px solid black").arg(color.name()));
    return label;
}

const char* const kLegendCaptions[] = {"Title", "Comment", "Stitch pattern", "Key", "Backstitches", "Extra", "Stitch steps",
    "Labels"};
} // namespace

TFPrintOptions::TFPrintOptions(QWidget* parent)
    // The progress window has no parent: it stays usable while the dialog is disabled.
    : QDialog(parent), FPrintInProgress(new TFPrintInProgress), m_reenable(new QTimer(this))
{
    setObjectName(QStringLiteral("FPrintOptions"));
    m_layout.position = pSeparate;
    auto* left = new QVBoxLayout;
    left->addWidget(createPrinterGroup());
    auto* formatAndKey = new QHBoxLayout;
    formatAndKey->addWidget(createFormatGroup());
    formatAndKey->addWidget(createKeyGroup());
    left->addLayout(formatAndKey);
    auto* colorsAndPages = new QHBoxLayout;
    colorsAndPages->addWidget(createColorsGroup());
    colorsAndPages->addWidget(createPagesGroup());
    left->addLayout(colorsAndPages);
    auto* detailAndGrid = new QHBoxLayout;
    detailAndGrid->addWidget(createDetailGroup());
    detailAndGrid->addWidget(createGridGroup());
    left->addLayout(detailAndGrid);
    auto* right = new QVBoxLayout;
    right->addWidget(createJpegGroup());
    right->addWidget(createPreviewGroups(), 1);
    Button2 = named(new QPushButton, "Button2");
    Button3 = named(new QPushButton, "Button3");
    BHelp = named(new QPushButton, "BHelp");
    Button2->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(Button2);
    buttons->addWidget(Button3);
    buttons->addWidget(BHelp);
    right->addLayout(buttons);
    auto* main = new QHBoxLayout(this);
    main->addLayout(left, 3);
    main->addLayout(right, 2);

    m_reenable->setSingleShot(true);
    m_reenable->setInterval(5000);
    connect(m_reenable, &QTimer::timeout, this, [this] { setEnabled(true); });
    connect(Button2, &QPushButton::clicked, this, &TFPrintOptions::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &QDialog::reject);
    connectInterlocks();
    connectRecalculation();
    targetChanged();
    applyCaptions({});
}

TFPrintOptions::~TFPrintOptions()
{
    delete FPrintInProgress;
}

QWidget* TFPrintOptions::createPrinterGroup()
{
    ComboPrinter = named(new QComboBox, "ComboPrinter");
    Button1 = named(new QPushButton, "Button1");
    LStatus = named(new QLabel, "LStatus");
    LType = named(new QLabel, "LType");
    LLocation = named(new QLabel, "LLocation");
    LComment = named(new QLabel, "LComment");
    auto* form = new QFormLayout;
    auto* row = new QHBoxLayout;
    row->addWidget(ComboPrinter, 1);
    row->addWidget(Button1);
    form->addRow(new QLabel, row);
    for (QLabel* value : {LStatus, LType, LLocation, LComment})
        form->addRow(new QLabel, value);
    auto* box = group("GroupPrinter", form);
    m_printerGroups << box;
    return box;
}

QWidget* TFPrintOptions::createFormatGroup()
{
    RadioButton2 = named(new QRadioButton, "RadioButton2");
    RadioButton3 = named(new QRadioButton, "RadioButton3");
    RadioButton4 = named(new QRadioButton, "RadioButton4");
    CheckBoxBorder = named(new QCheckBox, "CheckBoxBorder");
    ImageOrientation = named(new QLabel, "ImageOrientation");
    ImageOrientation->setFixedSize(36, 36);
    RadioButton2->setChecked(true);
    showOrientation(0);
    auto* layout = column({RadioButton2, RadioButton3, RadioButton4, CheckBoxBorder, ImageOrientation});
    return group("GroupFormat", layout);
}

void TFPrintOptions::showOrientation(int button)
{
    QPixmap picture(ImageOrientation->size());
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setBrush(Qt::white);
    if (button != 1)
        p.drawRect(8, 2, 20, 30);
    if (button != 0)
        p.drawRect(2, 8, 30, 20);
    ImageOrientation->setPixmap(picture);
}

QWidget* TFPrintOptions::createKeyGroup()
{
    RadioButton1 = named(new QRadioButton, "RadioButton1");
    RadioButton5 = named(new QRadioButton, "RadioButton5");
    RadioButton7 = named(new QRadioButton, "RadioButton7");
    RadioButton8 = named(new QRadioButton, "RadioButton8");
    CheckBoxBackStitchesSeparate = named(new QCheckBox, "CheckBoxBackStitchesSeparate");
    LegendSize = named(new QCheckBox, "LegendSize");
    RadioButton8->setChecked(true);
    LegendSize->setChecked(true);
    return group("GroupKey", column({RadioButton1, RadioButton5, RadioButton7, RadioButton8, CheckBoxBackStitchesSeparate, LegendSize}));
}

QWidget* TFPrintOptions::createColorsGroup()
{
    RadioColors = named(new QRadioButton, "RadioColors");
    RadioNoColors = named(new QRadioButton, "RadioNoColors");
    CheckBoxReal = named(new QCheckBox, "CheckBoxReal");
    CheckBoxCMYK = named(new QCheckBox, "CheckBoxCMYK");
    RadioColors->setChecked(true);
    return group("GroupColors", column({RadioColors, RadioNoColors, CheckBoxReal, CheckBoxCMYK}));
}

QWidget* TFPrintOptions::createPagesGroup()
{
    CheckBoxDesign = named(new QCheckBox, "CheckBoxDesign");
    CheckBoxLegend = named(new QCheckBox, "CheckBoxLegend");
    CheckBoxTitle = named(new QCheckBox, "CheckBoxTitle");
    CheckBoxStitchList = named(new QCheckBox, "CheckBoxStitchList");
    CheckBoxInfo = named(new QCheckBox, "CheckBoxInfo");
    CheckBoxContents = named(new QCheckBox, "CheckBoxContents");
    CheckBoxLabels = named(new QCheckBox, "CheckBoxLabels");
    CheckBoxDesign->setChecked(true);
    CheckBoxLegend->setChecked(true);
    return group("GroupPages",
        column({CheckBoxDesign, CheckBoxLegend, CheckBoxTitle, CheckBoxStitchList, CheckBoxInfo, CheckBoxContents, CheckBoxLabels}));
}

QWidget* TFPrintOptions::createDetailGroup()
{
    CheckBoxBackStitches = named(new QCheckBox, "CheckBoxBackStitches");
    CheckBoxBackSymbol = named(new QCheckBox, "CheckBoxBackSymbol");
    CheckBoxPrintAsCircle = named(new QCheckBox, "CheckBoxPrintAsCircle");
    CheckBoxLight = named(new QCheckBox, "CheckBoxLight");
    CheckBoxRhodes = named(new QCheckBox, "CheckBoxRhodes");
    for (QCheckBox* on : {CheckBoxBackStitches, CheckBoxBackSymbol, CheckBoxRhodes})
        on->setChecked(true);
    return group("GroupDetail", column({CheckBoxBackStitches, CheckBoxBackSymbol, CheckBoxPrintAsCircle, CheckBoxLight, CheckBoxRhodes}));
}

QWidget* TFPrintOptions::createGridGroup()
{
    EGridX = gridSpin("EGridX");
    EGridY = gridSpin("EGridY");
    CheckBoxGridNumbers = named(new QCheckBox, "CheckBoxGridNumbers");
    CheckBoxPageNumbers = named(new QCheckBox, "CheckBoxPageNumbers");
    CheckBoxPrintGrid = named(new QCheckBox, "CheckBoxPrintGrid");
    CheckBoxPrintSymbols = named(new QCheckBox, "CheckBoxPrintSymbols");
    CheckBoxPrintRuler = named(new QCheckBox, "CheckBoxPrintRuler");
    for (QCheckBox* on : {CheckBoxPrintGrid, CheckBoxPrintSymbols, CheckBoxPrintRuler})
        on->setChecked(true);
    auto* form = new QFormLayout;
    form->addRow(new QLabel, EGridX);
    form->addRow(new QLabel, EGridY);
    for (QCheckBox* box : {CheckBoxGridNumbers, CheckBoxPageNumbers, CheckBoxPrintGrid, CheckBoxPrintSymbols, CheckBoxPrintRuler})
        form->addRow(box);
    return group("GroupGrid", form);
}

QWidget* TFPrintOptions::createJpegGroup()
{
    RPrintToPrinter = named(new QRadioButton, "RPrintToPrinter");
    RExportToJPEG = named(new QRadioButton, "RExportToJPEG");
    RPrintToPrinter->setChecked(true);
    EJpegWidth = pixelSpin("EJpegWidth", 900);
    EJpegHeight = pixelSpin("EJpegHeight", 800);
    Edit1 = pixelSpin("Edit1", 20);
    Edit2 = named(new QSpinBox, "Edit2");
    Edit2->setRange(10, 100);
    Edit2->setSingleStep(10);
    Edit2->setValue(70);
    Edit2->findChild<QLineEdit*>()->setReadOnly(true);
    EPath = named(new QLineEdit, "EPath");
    EFileName = named(new QLineEdit, "EFileName");
    ComboImageType = named(new QComboBox, "ComboImageType");
    ComboImageType->addItems({QStringLiteral(".JPEG"), QStringLiteral(".BMP"), QStringLiteral(".PNG")});
    Button4 = named(new QPushButton, "Button4");
    auto* form = new QFormLayout;
    form->addRow(new QLabel, EJpegWidth);
    form->addRow(new QLabel, EJpegHeight);
    form->addRow(new QLabel, Edit1);
    form->addRow(new QLabel, Edit2);
    auto* path = new QHBoxLayout;
    path->addWidget(EPath, 1);
    path->addWidget(Button4);
    form->addRow(new QLabel, path);
    form->addRow(new QLabel, EFileName);
    form->addRow(new QLabel, ComboImageType);
    m_jpegGroup = group("GroupJpeg", form);
    auto* target = new QWidget;
    auto* layout = new QVBoxLayout(target);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(RPrintToPrinter);
    layout->addWidget(RExportToJPEG);
    layout->addWidget(m_jpegGroup);
    return target;
}

QWidget* TFPrintOptions::createPreviewGroups()
{
    ImagePreview = named(new QLabel, "ImagePreview");
    ImagePreview->setFixedSize(kMiniatureSize);
    QImage white(kMiniatureSize, QImage::Format_RGB32);
    white.fill(Qt::white);
    ImagePreview->setPixmap(QPixmap::fromImage(white));
    auto* preview = group("GroupPreview", column({ImagePreview}));
    const QColor colors[] = {PageMiniature::kTitle, PageMiniature::kComment, PageMiniature::kPattern, PageMiniature::kKey,
        PageMiniature::kBackStitches, PageMiniature::kExtra, PageMiniature::kStitchSteps, PageMiniature::kLabels};
    auto* legend = new QGridLayout;
    for (int i = 0; i < 8; ++i) {
        auto* caption = new QLabel;
        LegendShapes << caption;
        legend->addWidget(swatch(colors[i]), i / 2, (i % 2) * 2);
        legend->addWidget(caption, i / 2, (i % 2) * 2 + 1);
    }
    legend->setRowStretch(4, 1);
    auto* both = new QWidget;
    auto* layout = new QHBoxLayout(both);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(preview);
    layout->addWidget(group("GroupLegend", legend));
    return both;
}

QString TFPrintOptions::tr(const QString& text) const
{
    return m_translate ? m_translate(text) : text;
}

void TFPrintOptions::applyCaptions(const Translate& translate)
{
    m_translate = translate;
    setWindowTitle(tr(TRANSLATABLE("Print")));
    const auto caption = [this](QGroupBox* box, const QString& text) { box->setTitle(text); };
    const auto titleOf = [this](const char* name) { return findChild<QGroupBox*>(QString::fromLatin1(name)); };
    caption(titleOf("GroupPrinter"), QLatin1Char(' ') + tr(TRANSLATABLE("Printer")) + QLatin1Char(' '));
    caption(titleOf("GroupFormat"), QLatin1Char(' ') + tr(TRANSLATABLE("Format")) + QLatin1Char(' '));
    caption(titleOf("GroupKey"), QLatin1Char(' ') + tr(TRANSLATABLE("Position of key")));
    caption(titleOf("GroupColors"), QLatin1Char(' ') + tr(TRANSLATABLE("Colors")) + QLatin1Char(' '));
    caption(titleOf("GroupPages"), tr(TRANSLATABLE("Select Pages for Printing")));
    caption(titleOf("GroupDetail"), tr(TRANSLATABLE("Print Detail Settings")));
    caption(titleOf("GroupGrid"), tr(TRANSLATABLE("Grid Settings")));
    caption(titleOf("GroupJpeg"), QStringLiteral(" Jpeg"));
    caption(titleOf("GroupPreview"), QLatin1Char(' ') + tr(TRANSLATABLE("Preview")) + QLatin1Char(' '));
    caption(titleOf("GroupLegend"), QLatin1Char(' ') + tr(TRANSLATABLE("Legend")) + QLatin1Char(' '));
    const auto rowLabels = [](QWidget* groupBox, const QStringList& texts) {
        auto* form = qobject_cast<QFormLayout*>(groupBox->layout());
        for (int i = 0; i < texts.size() && i < form->rowCount(); ++i) {
            if (QLayoutItem* item = form->itemAt(i, QFormLayout::LabelRole))
                static_cast<QLabel*>(item->widget())->setText(texts[i]);
        }
    };
    const QString colon = QStringLiteral(" :");
    rowLabels(titleOf("GroupPrinter"), {tr(TRANSLATABLE("Name")) + colon, tr(TRANSLATABLE("Status")) + colon,
                                           tr(TRANSLATABLE("Type")) + colon, tr(TRANSLATABLE("Location")) + colon,
                                           tr(TRANSLATABLE("Comment")) + colon});
    rowLabels(titleOf("GroupGrid"), {tr(TRANSLATABLE("GridX(mm)")), tr(TRANSLATABLE("GridY(mm)"))});
    rowLabels(m_jpegGroup, {tr(TRANSLATABLE("Width")), tr(TRANSLATABLE("Height")), tr(TRANSLATABLE("Grid in pixels")),
                               tr(TRANSLATABLE("JPEG quality")), tr(TRANSLATABLE("Path")), tr(TRANSLATABLE("Filename")),
                               tr(TRANSLATABLE("Image type"))});
    const QList<QPair<QAbstractButton*, QString>> texts = {{Button1, TRANSLATABLE("Properties")},
        {RadioButton2, TRANSLATABLE("Portrait")}, {RadioButton3, TRANSLATABLE("Landscape")}, {RadioButton4, TRANSLATABLE("Auto")},
        {CheckBoxBorder, TRANSLATABLE("Inline border")}, {RadioButton1, TRANSLATABLE("Top")}, {RadioButton5, TRANSLATABLE("Bottom")},
        {RadioButton7, TRANSLATABLE("Right")}, {RadioButton8, TRANSLATABLE("Separate")},
        {CheckBoxBackStitchesSeparate, TRANSLATABLE("Print backstitches separate")},
        {LegendSize, TRANSLATABLE("Key size corresponds to Design size")}, {RadioColors, TRANSLATABLE("Print with colors")},
        {RadioNoColors, TRANSLATABLE("Print without colors")}, {CheckBoxReal, TRANSLATABLE("Print in real mode")},
        {CheckBoxCMYK, TRANSLATABLE("Use CMYK Colors")}, {CheckBoxDesign, TRANSLATABLE("Print Design")},
        {CheckBoxLegend, TRANSLATABLE("Print Legend")}, {CheckBoxTitle, TRANSLATABLE("Print Title Page")},
        {CheckBoxStitchList, TRANSLATABLE("Stitch Steps List")}, {CheckBoxInfo, TRANSLATABLE("Print Info Page")},
        {CheckBoxContents, TRANSLATABLE("Print Table of Contents")}, {CheckBoxLabels, TRANSLATABLE("Print Labels")},
        {CheckBoxBackStitches, TRANSLATABLE("Print Backstitch")}, {CheckBoxBackSymbol, TRANSLATABLE("Print Back Stitch Colour Symbol")},
        {CheckBoxPrintAsCircle, TRANSLATABLE("Color Background as Circles")},
        {CheckBoxLight, TRANSLATABLE("Print Light Color around Circles")}, {CheckBoxRhodes, TRANSLATABLE("Print Rhodes/French Knot")},
        {CheckBoxGridNumbers, TRANSLATABLE("Grid numbers")}, {CheckBoxPageNumbers, TRANSLATABLE("Page numbers")},
        {CheckBoxPrintGrid, TRANSLATABLE("Print Grid")}, {CheckBoxPrintSymbols, TRANSLATABLE("Print Symbols")},
        {CheckBoxPrintRuler, TRANSLATABLE("Print Ruler")}, {RPrintToPrinter, TRANSLATABLE("Print to printer")},
        {RExportToJPEG, TRANSLATABLE("Export to JPEG files")}, {Button4, TRANSLATABLE("Browse")},
        {Button2, TRANSLATABLE("Print")}, {Button3, TRANSLATABLE("Close")}, {BHelp, TRANSLATABLE("Help")}};
    for (const auto& [button, text] : texts)
        button->setText(tr(text) + (button == Button4 ? QStringLiteral(" ...") : QString()));
    for (int i = 0; i < LegendShapes.size(); ++i)
        LegendShapes[i]->setText(tr(QString::fromLatin1(kLegendCaptions[i])));
    if (ComboPrinter->count() > 0)
        ComboPrinter->setItemText(0, tr(TRANSLATABLE("PDF file")));
    FPrintInProgress->applyCaptions(translate);
}

void TFPrintOptions::setContext(const Context& context)
{
    m_context = context;
    if (context.design)
        m_layout.setDesign(*context.design);
    // The export values come from the settings once and are kept while the program runs.
    if (m_exportValuesSet)
        return;
    m_exportValuesSet = true;
    EJpegWidth->setValue(context.jpegWidth);
    EJpegHeight->setValue(context.jpegHeight);
    Edit1->setValue(context.jpegGrid);
    Edit2->setValue(context.jpegQuality);
}

PageDrawOptions TFPrintOptions::drawOptions() const
{
    PageDrawOptions o;
    o.useColors = RadioColors->isChecked();
    o.real = CheckBoxReal->isChecked();
    o.cmyk = CheckBoxCMYK->isChecked();
    o.grid = CheckBoxPrintGrid->isChecked();
    o.symbols = CheckBoxPrintSymbols->isChecked();
    o.ruler = CheckBoxPrintRuler->isChecked();
    o.circles = CheckBoxPrintAsCircle->isChecked();
    o.lightCircles = CheckBoxLight->isChecked();
    o.backStitches = CheckBoxBackStitches->isChecked();
    o.backSymbol = CheckBoxBackSymbol->isChecked();
    o.rhodes = CheckBoxRhodes->isChecked();
    return o;
}

QString TFPrintOptions::folderField() const
{
    const TStitch& doc = m_context.design->stitch;
    if (doc.FileNameAssigned && !doc.filename().isEmpty())
        return QFileInfo(doc.filename()).absolutePath();
    return m_context.recentFolder.isEmpty() ? doc.SavePath : m_context.recentFolder;
}

void TFPrintOptions::FormShow()
{
    if (!m_context.design)
        return;
    fillPrinters();
    CheckBoxBorder->setChecked(true);
    RadioColors->setChecked(true);
    ImagePreview->setPixmap(QPixmap());
    EPath->setText(folderField());
    const TStitch& doc = m_context.design->stitch;
    const QString file = doc.FileNameAssigned ? QFileInfo(doc.filename()).fileName() : QString();
    const qsizetype dot = file.lastIndexOf(QLatin1Char('.'));
    EFileName->setText((dot < 0 ? file : file.left(dot)) + QStringLiteral("_#") + ComboImageType->currentText());
    if (RPrintToPrinter->isChecked())
        queryPrinter();
    else
        calc();
}

void TFPrintOptions::calc()
{
    if (!m_context.design)
        return;
    PrintOptions& o = m_layout.options;
    o.exportImage = RExportToJPEG->isChecked();
    o.JPEGWidth = EJpegWidth->value();
    o.JPEGHeight = EJpegHeight->value();
    o.JPEGGrid = Edit1->value();
    o.gridXSpin = qRound(EGridX->value() * 100);
    o.gridYSpin = qRound(EGridY->value() * 100);
    o.pageNumbers = CheckBoxPageNumbers->isChecked();
    o.gridNumbers = CheckBoxGridNumbers->isChecked();
    o.inlineBorder = CheckBoxBorder->isChecked();
    o.BorderLeft = m_context.borderLeft;
    o.BorderTop = m_context.borderTop;
    o.BorderRight = m_context.borderRight;
    o.BorderBottom = m_context.borderBottom;
    o.keySizeFromDesign = LegendSize->isChecked();
    o.backStitchesSeparate = CheckBoxBackStitchesSeparate->isChecked();
    o.printDesign = CheckBoxDesign->isChecked();
    o.printLegend = CheckBoxLegend->isChecked();
    o.printTitle = CheckBoxTitle->isChecked();
    o.stitchList = CheckBoxStitchList->isChecked();
    o.printLabels = CheckBoxLabels->isChecked();
    o.printContents = CheckBoxContents->isChecked();
    o.printInfo = CheckBoxInfo->isChecked();
    o.knitting = m_context.knitting;
    const TStitch& doc = m_context.design->stitch;
    o.LegendDistance = doc.LegendDistance;
    o.thickLines = doc.thickLines;
    o.mediumLines = doc.mediumLines;
    o.thinLines = doc.thinLines;
    o.backstitchLines = doc.backstitchLines;
    o.symbolSize = doc.symbolSize;
    o.LabelGridHor = doc.LabelGridHor;
    o.LabelGridVert = doc.LabelGridVert;
    m_layout.useColors = RadioColors->isChecked();
    m_layout.calc();
    QImage miniature(kMiniatureSize, QImage::Format_RGB32);
    PageMiniature::draw(miniature, m_layout);
    ImagePreview->setPixmap(QPixmap::fromImage(miniature));
    Button2->setEnabled(m_layout.status && !m_layout.PageMap.empty());
    Button2->setToolTip(m_layout.status ? QString() : m_layout.status.text(m_translate));
}
