#include "shell/forms/TFOptions.h"
#include "model/Translatable.h"
#include "shell/BookInfoText.h"
#include "shell/forms/DialogButtonRow.h"
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFileDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTextEdit>
#include <QVBoxLayout>

TFOptions::TFOptions(QWidget* parent)
    : QDialog(parent)
    , PageControl(new QTabWidget(this))
    , ButtonDefault(new QPushButton(this))
{
    setObjectName(QStringLiteral("TFOptions"));
    m_captions.addText(TRANSLATABLE("Options"), this);
    for (const OptionsValues::NumericField& f : OptionsValues::numericFields()) {
        auto* box = new QSpinBox(this);
        box->setObjectName(QLatin1String(f.control));
        box->setRange(f.minimum, f.maximum);
        m_spins.insert(box->objectName(), box);
    }
    m_captions.add(TRANSLATABLE("General Settings"), [this](const QString& t) { PageControl->setTabText(0, t); });
    m_captions.add(TRANSLATABLE("Printing Settings"), [this](const QString& t) { PageControl->setTabText(1, t); });
    PageControl->addTab(createGeneralPage(), QString());
    PageControl->addTab(createPrintingPage(), QString());

    m_captions.addText(TRANSLATABLE("Default"), ButtonDefault);
    auto* buttons = new DialogButtonRow(this, m_captions, [this] { Q_EMIT helpRequested(kHelpTopic); }, ButtonDefault);
    ButtonOK = buttons->ButtonOK;
    ButtonCancel = buttons->ButtonCancel;
    ButtonHelp = buttons->ButtonHelp;
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(PageControl);
    layout->addWidget(buttons);

    connect(ButtonDefault, &QPushButton::clicked, this, &TFOptions::ButtonDefaultClick);
    connect(ButtonPath, &QPushButton::clicked, this, &TFOptions::ButtonPathClick);
    connect(EPath, &QLineEdit::textChanged, this, &TFOptions::updatePathLabel);
    m_captions.apply([](const QString& key) { return key; });
}

QWidget* TFOptions::createGeneralPage()
{
    ComboPalette = new QComboBox(this);
    ComboPalette->setObjectName(QStringLiteral("ComboPalette"));
    ComboSymbols = new QComboBox(this);
    ComboSymbols->setObjectName(QStringLiteral("ComboSymbols"));
    QGroupBox* standard = group(TRANSLATABLE("Standard Symbols/Colors"));
    auto* standardForm = new QFormLayout(standard);
    standardForm->addRow(label(TRANSLATABLE("Color Palette")), ComboPalette);
    standardForm->addRow(label(TRANSLATABLE("Symbols Table")), ComboSymbols);

    EPath = new QLineEdit(this);
    EPath->setObjectName(QStringLiteral("EPath"));
    ButtonPath = new QPushButton(QStringLiteral("..."), this);
    ButtonPath->setObjectName(QStringLiteral("ButtonPath"));
    LPath = new QLabel(this);
    LPath->setObjectName(QStringLiteral("LPath"));
    LPath->setMinimumWidth(50);
    LPath->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    LPath->installEventFilter(this);
    QGroupBox* library = group(TRANSLATABLE("Library Path"));
    auto* libraryRow = new QHBoxLayout;
    libraryRow->addWidget(EPath, 1);
    libraryRow->addWidget(ButtonPath);
    auto* libraryColumn = new QVBoxLayout(library);
    libraryColumn->addLayout(libraryRow);
    libraryColumn->addWidget(LPath);

    EditDefTitle = new QLineEdit(this);
    EditDefTitle->setObjectName(QStringLiteral("EditDefTitle"));
    EditSubTitle = new QLineEdit(this);
    EditSubTitle->setObjectName(QStringLiteral("EditSubTitle"));
    MemoBookInfo = new QTextEdit(this);
    MemoBookInfo->setObjectName(QStringLiteral("MemoBookInfo"));
    QGroupBox* book = group(TRANSLATABLE("Book info"));
    auto* bookForm = new QFormLayout(book);
    bookForm->addRow(label(TRANSLATABLE("Default Title")), EditDefTitle);
    bookForm->addRow(label(TRANSLATABLE("Sub Title")), EditSubTitle);
    bookForm->addRow(MemoBookInfo);

    CheckCheckForUpdates = new QCheckBox(this);
    CheckCheckForUpdates->setObjectName(QStringLiteral("CheckCheckForUpdates"));
    m_captions.add(TRANSLATABLE("Check for updates"), [this](const QString& t) { CheckCheckForUpdates->setProperty("first", t); });
    m_captions.add(TRANSLATABLE(" once a month"), [this](const QString& t) {
        CheckCheckForUpdates->setText(CheckCheckForUpdates->property("first").toString() + t);
    });
    QGroupBox* updates = group(TRANSLATABLE("Updates"));
    (new QVBoxLayout(updates))->addWidget(CheckCheckForUpdates);

    CheckAllowQuarterOverCross = new QCheckBox(this);
    CheckAllowQuarterOverCross->setObjectName(QStringLiteral("CheckAllowQuarterOverCross"));
    m_captions.addText(TRANSLATABLE("Allow quarterstitch over crossstitch"), CheckAllowQuarterOverCross);
    QGroupBox* behaviour = group(TRANSLATABLE("Cross- and Back stitch behavior"));
    (new QVBoxLayout(behaviour))->addWidget(CheckAllowQuarterOverCross);

    // The bag size is kept in the settings but nothing uses it, so its group stays hidden.
    GroupBags = group(TRANSLATABLE("Diamonds/Tessera per bag:"));
    (new QVBoxLayout(GroupBags))->addWidget(spinBox("EBagsSize"));
    GroupBags->hide();

    auto* page = new QWidget(this);
    auto* column = new QVBoxLayout(page);
    for (QWidget* w : {static_cast<QWidget*>(standard), static_cast<QWidget*>(library), static_cast<QWidget*>(book),
             static_cast<QWidget*>(updates), static_cast<QWidget*>(behaviour), static_cast<QWidget*>(GroupBags)})
        column->addWidget(w);
    return page;
}

QWidget* TFOptions::createPrintingPage()
{
    QGroupBox* lines = group(TRANSLATABLE("Print grid lines settings (1/100 mm)"));
    auto* linesForm = new QFormLayout(lines);
    linesForm->addRow(label(TRANSLATABLE("Thick grid lines")), spinBox("EThickLines"));
    linesForm->addRow(label(TRANSLATABLE("Medium grid lines")), spinBox("eMediumLines"));
    linesForm->addRow(label(TRANSLATABLE("Thin grid lines")), spinBox("EThinLines"));
    linesForm->addRow(label(TRANSLATABLE("Backstitch width")), spinBox("EBackStitchLine"));

    QGroupBox* symbols = group(TRANSLATABLE("Symbol Print Settings"));
    auto* symbolsForm = new QFormLayout(symbols);
    symbolsForm->addRow(label(TRANSLATABLE("Symbol size")), spinBox("ESymboleSize"));
    symbolsForm->addRow(label(TRANSLATABLE("Symbol Font Position")));
    symbolsForm->addRow(label(TRANSLATABLE("Up/Down")), spinBox("EPrintTop"));
    symbolsForm->addRow(label(TRANSLATABLE("Left/Right")), spinBox("EPrintLeft"));

    QGroupBox* borders = group(TRANSLATABLE("Inline border in mm"));
    auto* bordersForm = new QFormLayout(borders);
    bordersForm->addRow(label(TRANSLATABLE("Top")), spinBox("EBorderTop"));
    bordersForm->addRow(label(TRANSLATABLE("Bottom")), spinBox("EBorderBottom"));
    bordersForm->addRow(label(TRANSLATABLE("Left")), spinBox("EBorderLeft"));
    bordersForm->addRow(label(TRANSLATABLE("Right")), spinBox("EBorderRight"));

    QGroupBox* legend = group(TRANSLATABLE("Legend Print Settings"));
    auto* legendForm = new QFormLayout(legend);
    legendForm->addRow(label(TRANSLATABLE("Distance between picture and legend")), spinBox("EditDistance"));

    QGroupBox* labels = group(TRANSLATABLE("Label Format"));
    auto* labelsForm = new QFormLayout(labels);
    const auto pair = [this](const char* first, const char* second) {
        auto* row = new QHBoxLayout;
        row->addWidget(spinBox(first));
        row->addWidget(new QLabel(QStringLiteral("x"), this));
        row->addWidget(spinBox(second));
        return row;
    };
    labelsForm->addRow(label(TRANSLATABLE("Grid")), pair("EditLabelGridHor", "EditLabelGridVert"));
    labelsForm->addRow(label(TRANSLATABLE("Label Size")), pair("EditLabelWidth", "EditLabelHeight"));
    labelsForm->addRow(label(TRANSLATABLE("Label page borders")));
    labelsForm->addRow(label(TRANSLATABLE("Top")), spinBox("EditLabelBorderTop"));
    labelsForm->addRow(label(TRANSLATABLE("Bottom")), spinBox("EditLabelBorderBottom"));
    labelsForm->addRow(label(TRANSLATABLE("Left")), spinBox("EditLabelBorderLeft"));
    labelsForm->addRow(label(TRANSLATABLE("Right")), spinBox("EditLabelBorderRight"));

    auto* page = new QWidget(this);
    auto* grid = new QGridLayout(page);
    grid->addWidget(lines, 0, 0);
    grid->addWidget(symbols, 1, 0);
    grid->addWidget(legend, 2, 0);
    grid->addWidget(borders, 0, 1);
    grid->addWidget(labels, 1, 1, 2, 1);
    grid->setRowStretch(3, 1);
    return page;
}

void TFOptions::FormShow(const OptionsValues& values, const QStringList& palettes, const QStringList& symbolSets,
    const CaptionTable::Translate& translate)
{
    m_translate = translate;
    m_captions.apply(translate ? translate : [](const QString& key) { return key; });
    ComboPalette->clear();
    ComboPalette->addItems(palettes);
    ComboSymbols->clear();
    ComboSymbols->addItems(symbolSets);
    m_shown = values;
    showValues(values);
    showBookInfo(values.BookInfo);
    PageControl->setCurrentIndex(0);
}

void TFOptions::showValues(const OptionsValues& values)
{
    ComboPalette->setCurrentIndex(ComboPalette->findText(values.defaultPalette));
    ComboSymbols->setCurrentIndex(ComboSymbols->findText(values.defaultCharacters));
    EPath->setText(values.libraryPath);
    EditDefTitle->setText(values.DefaultTitle);
    EditSubTitle->setText(values.SubTitle);
    CheckCheckForUpdates->setChecked(values.checkForUpdates);
    CheckAllowQuarterOverCross->setChecked(values.AllowQuarterOverCross);
    for (const OptionsValues::NumericField& f : OptionsValues::numericFields())
        spinBox(f.control)->setValue(values.*f.value);
}

void TFOptions::showBookInfo(const QString& stored)
{
    if (BookInfoText::isRtf(stored))
        MemoBookInfo->setPlainText(BookInfoText::plainFromRtf(stored));
    else
        MemoBookInfo->setHtml(stored);
    MemoBookInfo->document()->setModified(false);
}

OptionsValues TFOptions::values() const
{
    OptionsValues v = m_shown;
    // An empty list leaves the setting as it was.
    if (ComboPalette->currentIndex() >= 0)
        v.defaultPalette = ComboPalette->currentText();
    if (ComboSymbols->currentIndex() >= 0)
        v.defaultCharacters = ComboSymbols->currentText();
    v.libraryPath = EPath->text();
    v.DefaultTitle = EditDefTitle->text();
    v.SubTitle = EditSubTitle->text();
    // An untouched HTML text is kept as it was stored; anything else is saved as HTML.
    if (MemoBookInfo->document()->isModified() || BookInfoText::isRtf(m_shown.BookInfo))
        v.BookInfo = MemoBookInfo->toPlainText().isEmpty() ? QString() : MemoBookInfo->toHtml();
    v.checkForUpdates = CheckCheckForUpdates->isChecked();
    v.AllowQuarterOverCross = CheckAllowQuarterOverCross->isChecked();
    for (const OptionsValues::NumericField& f : OptionsValues::numericFields())
        v.*f.value = spinBox(f.control)->value();
    return v;
}

// Puts the "Default" column into the fields; nothing is stored before OK.
void TFOptions::ButtonDefaultClick()
{
    OptionsValues v = values().defaults();
    v.SubTitle = m_translate ? m_translate(v.SubTitle) : v.SubTitle;
    showValues(v);
}

void TFOptions::ButtonPathClick()
{
    const QString caption = TRANSLATABLE("Select folder");
    const QString folder = QFileDialog::getExistingDirectory(this, m_translate ? m_translate(caption) : caption, EPath->text());
    if (!folder.isEmpty())
        EPath->setText(folder);
}

// The shortened path follows the label's own width, which the layout settles after the dialog's.
bool TFOptions::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == LPath && event->type() == QEvent::Resize)
        updatePathLabel();
    return QDialog::eventFilter(watched, event);
}

void TFOptions::updatePathLabel()
{
    LPath->setText(LPath->fontMetrics().elidedText(EPath->text(), Qt::ElideMiddle, LPath->width()));
}
