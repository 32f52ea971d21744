#include "editors/forms/TFPaletteEditor.h"
#include "conversion/PictureLoader.h"
#include "editors/ColorAveraging.h"
#include "editors/PaletteList.h"
#include "editors/PaletteText.h"
#include "editors/forms/PaletteGridDelegate.h"
#include "editors/forms/PaletteGridModel.h"
#include "editors/forms/TFChoosePalette.h"
#include "editors/forms/TPickingView.h"
#include "model/Translatable.h"
#include <QColorDialog>
#include <QComboBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
constexpr int kHelpContext = 4200;
constexpr TColorRef kGrey = 0x808080;

QString groupTitle(const QString& text)
{
    return QLatin1Char(' ') + text + QLatin1Char(' ');
}
} // namespace

TFPaletteEditor::TFPaletteEditor(TFChoosePalette* choosePalette, QWidget* parent)
    : QDialog(parent)
    , m_choosePalette(choosePalette)
{
    setObjectName(QStringLiteral("TFPaletteEditor"));
    auto* left = new QVBoxLayout;
    left->addWidget(createPaletteData());
    left->addWidget(createColors(), 1);
    auto* right = new QVBoxLayout;
    right->addWidget(createSettings());
    right->addWidget(createPicture(), 1);
    auto* columns = new QHBoxLayout;
    columns->addLayout(left, 1);
    columns->addLayout(right, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns, 1);
    layout->addWidget(createButtons());
    connectActions();
    askYesNoCancel = [this](const QString& message) {
        const auto b = QMessageBox::warning(this, t(TRANSLATABLE("Warning")), message,
            QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        return b == QMessageBox::Yes ? Answer::Yes : b == QMessageBox::No ? Answer::No : Answer::Cancel;
    };
    askYesNo = [this](const QString& message) {
        return QMessageBox::warning(this, t(TRANSLATABLE("Warning")), message, QMessageBox::Yes | QMessageBox::No)
            == QMessageBox::Yes;
    };
    inform = [this](const QString& message) { QMessageBox::information(this, windowTitle(), message); };
    warn = [this](const QString& message) { QMessageBox::warning(this, windowTitle(), message); };
    runPaletteList = [](TFChoosePalette& list) { return list.execute(vmAllowChange) == QDialog::Accepted; };
    translate({});
    resize(1000, 680);
}

QWidget* TFPaletteEditor::createPaletteData()
{
    auto* group = new QGroupBox(this);
    auto* grid = new QGridLayout(group);
    EPaletteName = new QLineEdit(group);
    EPaletteVersion = new QLineEdit(group);
    EPaletteFileName = new QLineEdit(group);
    const QList<QPair<QLineEdit*, QString>> rows = {{EPaletteName, TRANSLATABLE("Palette Name")},
        {EPaletteVersion, TRANSLATABLE("Version")}, {EPaletteFileName, TRANSLATABLE("Filename")}};
    for (int i = 0; i < rows.size(); ++i) {
        auto* label = new QLabel(group);
        rows[i].first->setReadOnly(true);
        grid->addWidget(label, i, 0);
        grid->addWidget(rows[i].first, i, 1);
        m_captions << QPair<QObject*, QString>(label, rows[i].second);
    }
    m_captions << QPair<QObject*, QString>(group, TRANSLATABLE("Palette data"));
    return group;
}

QWidget* TFPaletteEditor::createColors()
{
    auto* group = new QGroupBox(this);
    auto* sortLabel = new QLabel(group);
    ComboSort = new QComboBox(group);
    ComboSort->addItems({QString(), QString(), QString()});
    Button9 = new QPushButton(QStringLiteral("\u2191"), group);
    Button10 = new QPushButton(QStringLiteral("\u2193"), group);
    Grid = new QTableView(group);
    m_model = new PaletteGridModel(m_document, this);
    Grid->setModel(m_model);
    auto* delegate = new PaletteGridDelegate(Grid);
    Grid->setItemDelegate(delegate);
    Grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    Grid->setSelectionMode(QAbstractItemView::SingleSelection);
    Grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    Grid->verticalHeader()->setDefaultSectionSize(24);
    Grid->verticalHeader()->hide();
    Grid->horizontalHeader()->setStretchLastSection(true);
    Grid->setColumnWidth(0, 170);
    m_emptyLabel = new QLabel(Grid->viewport());
    m_emptyLabel->setAlignment(Qt::AlignCenter);
    m_emptyLabel->setStyleSheet(QStringLiteral("color: grey"));
    Grid->viewport()->installEventFilter(this);
    auto* top = new QHBoxLayout;
    top->addWidget(sortLabel);
    top->addWidget(ComboSort, 1);
    top->addWidget(Button9);
    top->addWidget(Button10);
    auto* layout = new QVBoxLayout(group);
    layout->addLayout(top);
    layout->addWidget(Grid, 1);
    m_captions << QPair<QObject*, QString>(group, TRANSLATABLE("Palette colors"))
               << QPair<QObject*, QString>(sortLabel, TRANSLATABLE("Sorting"));
    return group;
}

QWidget* TFPaletteEditor::createSettings()
{
    GroupSettings = new QGroupBox(this);
    ERGB = new QLineEdit(GroupSettings);
    ERGB->setMaxLength(7);
    ERGB->setPlaceholderText(QStringLiteral("$000000"));
    EColor = new QLineEdit(GroupSettings);
    ENumber = new QLineEdit(GroupSettings);
    PanelColor = new QPushButton(GroupSettings);
    PanelColor->setObjectName(QStringLiteral("PanelColor"));
    PanelColor->setFixedSize(64, 40);
    ComboBoxSymbol = new QComboBox(GroupSettings);
    ComboBoxSymbol->setMaxVisibleItems(20);
    LabelWarning = new QLabel(GroupSettings);
    LabelWarning->setStyleSheet(QStringLiteral("color: red"));
    LabelWarning->hide();
    auto* grid = new QGridLayout(GroupSettings);
    const QList<QPair<QWidget*, QString>> rows = {{ERGB, TRANSLATABLE("RGB value")}, {EColor, TRANSLATABLE("Color name")},
        {ENumber, TRANSLATABLE("Color number")}, {PanelColor, TRANSLATABLE("Color")},
        {ComboBoxSymbol, TRANSLATABLE("Color Symbol")}};
    for (int i = 0; i < rows.size(); ++i) {
        auto* label = new QLabel(GroupSettings);
        grid->addWidget(label, i, 0);
        grid->addWidget(rows[i].first, i, 1);
        m_captions << QPair<QObject*, QString>(label, rows[i].second);
    }
    grid->addWidget(LabelWarning, int(rows.size()), 1);
    m_captions << QPair<QObject*, QString>(GroupSettings, TRANSLATABLE("Color settings"))
               << QPair<QObject*, QString>(LabelWarning, TRANSLATABLE("Symbol is already in use!"));
    return GroupSettings;
}

QWidget* TFPaletteEditor::createPicture()
{
    auto* group = new QGroupBox(this);
    auto* shapeLabel = new QLabel(group);
    auto* sizeLabel = new QLabel(group);
    ButtonCircle = new QToolButton(group);
    ButtonRectangle = new QToolButton(group);
    ButtonCircle->setText(QStringLiteral("\u25CB"));
    ButtonRectangle->setText(QStringLiteral("\u25A1"));
    for (QToolButton* b : {ButtonCircle, ButtonRectangle}) {
        b->setCheckable(true);
        b->setAutoExclusive(true);
    }
    ECursorSize = new QSpinBox(group);
    ECursorSize->setRange(0, 100);
    Image = new TPickingView(group);
    Button1 = new QPushButton(group);
    auto* top = new QHBoxLayout;
    top->addWidget(shapeLabel);
    top->addWidget(ButtonCircle);
    top->addWidget(ButtonRectangle);
    top->addSpacing(16);
    top->addWidget(sizeLabel);
    top->addWidget(ECursorSize);
    top->addStretch(1);
    top->addWidget(Button1);
    auto* layout = new QVBoxLayout(group);
    layout->addLayout(top);
    layout->addWidget(Image, 1);
    m_captions << QPair<QObject*, QString>(group, TRANSLATABLE("Choose colors from an image"))
               << QPair<QObject*, QString>(shapeLabel, TRANSLATABLE("Cursor shape"))
               << QPair<QObject*, QString>(sizeLabel, TRANSLATABLE("Cursor size"))
               << QPair<QObject*, QString>(Button1, TRANSLATABLE("Load image"));
    return group;
}

QWidget* TFPaletteEditor::createButtons()
{
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    const QList<QPair<QPushButton**, QString>> buttons = {{&ButtonNew, TRANSLATABLE("New")},
        {&ButtonEdit, TRANSLATABLE("Edit")}, {&ButtonDelete, TRANSLATABLE("Delete")}, {&ButtonOK, TRANSLATABLE("OK")},
        {&ButtonCancel, TRANSLATABLE("Cancel")}, {&ButtonSave, TRANSLATABLE("Save")},
        {&ButtonSaveAs, TRANSLATABLE("Save as")}, {&BExit, TRANSLATABLE("Close")}, {&BHelp, TRANSLATABLE("Help")}};
    for (const auto& [button, key] : buttons) {
        *button = new QPushButton(row);
        (*button)->setAutoDefault(false);
        layout->addWidget(*button);
        if (*button == ButtonCancel || *button == ButtonSaveAs)
            layout->addSpacing(16);
        m_captions << QPair<QObject*, QString>(*button, key);
    }
    layout->insertStretch(layout->indexOf(BExit), 1);
    return row;
}

void TFPaletteEditor::connectActions()
{
    connect(ButtonNew, &QPushButton::clicked, this, &TFPaletteEditor::actNewExecute);
    connect(ButtonEdit, &QPushButton::clicked, this, &TFPaletteEditor::actEditExecute);
    connect(ButtonDelete, &QPushButton::clicked, this, &TFPaletteEditor::actDeleteExecute);
    connect(ButtonOK, &QPushButton::clicked, this, &TFPaletteEditor::actOKExecute);
    connect(ButtonCancel, &QPushButton::clicked, this, &TFPaletteEditor::actCancelExecute);
    connect(ButtonSave, &QPushButton::clicked, this, [this] { save(false); });
    connect(ButtonSaveAs, &QPushButton::clicked, this, [this] { save(true); });
    connect(BExit, &QPushButton::clicked, this, &TFPaletteEditor::reject);
    connect(BHelp, &QPushButton::clicked, this, [this] {
        if (showHelp)
            showHelp(kHelpContext);
    });
    connect(Button9, &QPushButton::clicked, this, [this] { moveSelection(true); });
    connect(Button10, &QPushButton::clicked, this, [this] { moveSelection(false); });
    connect(ComboSort, &QComboBox::activated, this, &TFPaletteEditor::sortChanged);
    connect(Grid->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this](const QModelIndex& index) {
        if (m_document.state() != PaletteEditState::Browse || !index.isValid())
            return;
        m_document.setCurrent(index.row());
        fillColorValues(index.row());
        updateActions();
    });
    connect(PanelColor, &QPushButton::clicked, this, &TFPaletteEditor::swatchClicked);
    connect(ERGB, &QLineEdit::textEdited, this, &TFPaletteEditor::rgbEdited);
    connect(ERGB, &QLineEdit::editingFinished, this, [this] {
        if (m_document.state() != PaletteEditState::Browse && !PaletteText::parseRgb(ERGB->text()))
            ERGB->setFocus();
    });
    connect(ComboBoxSymbol, &QComboBox::currentIndexChanged, this, &TFPaletteEditor::symbolChosen);
    connect(ButtonCircle, &QToolButton::toggled, this, [this](bool on) { Image->setCircle(on); });
    connect(ECursorSize, &QSpinBox::valueChanged, Image, &TPickingView::setCursorSize);
    connect(Image, &TPickingView::cursorSizeRequested, ECursorSize, &QSpinBox::setValue);
    connect(Image, &TPickingView::picked, this, &TFPaletteEditor::picked);
    connect(Button1, &QPushButton::clicked, this, &TFPaletteEditor::loadImage);
}

QString TFPaletteEditor::t(const QString& key) const
{
    return m_translate ? m_translate(key) : key;
}

void TFPaletteEditor::translate(const Translate& tr)
{
    m_translate = tr;
    for (const auto& [object, key] : m_captions) {
        if (auto* group = qobject_cast<QGroupBox*>(object))
            group->setTitle(groupTitle(t(key)));
        else if (auto* label = qobject_cast<QLabel*>(object))
            label->setText(label == LabelWarning ? t(key) : t(key) + QStringLiteral(" :"));
        else if (auto* button = qobject_cast<QPushButton*>(object))
            button->setText(button == ButtonSaveAs || button == Button1 ? t(key) + QStringLiteral(" ...") : t(key));
    }
    setWindowTitle(t(TRANSLATABLE("Palette editor")));
    const QStringList sorts = {t(TRANSLATABLE("by palette")), t(TRANSLATABLE("by name")), t(TRANSLATABLE("by number"))};
    for (int i = 0; i < sorts.size(); ++i)
        ComboSort->setItemText(i, sorts[i]);
    m_model->setHeaders({t(TRANSLATABLE("Name")), t(TRANSLATABLE("Number")), t(TRANSLATABLE("RGB color")), t(TRANSLATABLE("Symbol"))});
    m_model->setDuplicateHint(t(TRANSLATABLE("This color has the RGB value of an earlier color; palettes keep only the first.")));
    Button9->setToolTip(t(TRANSLATABLE("Up")));
    Button10->setToolTip(t(TRANSLATABLE("Down")));
    messageNameAlreadyExists = t(TRANSLATABLE("A color with this name already exists"));
    messageNumberAlreadyExists = t(TRANSLATABLE("A color with same number already exists"));
    messageRGBAlreadyExists = t(TRANSLATABLE("A color with same RGB values already exists"));
    messageNotValidInteger = t(TRANSLATABLE("Not a valid number"));
    messagePaletteSaved = t(TRANSLATABLE("Palette saved successfully"));
    messagePaletteNextTime = t(TRANSLATABLE("Palette will be available next time you start the program"));
    messagePaletteChangedSave = t(TRANSLATABLE("Palette was changed. Save it now?"));
    messageNewPalette = t(TRANSLATABLE("New Palette"));
    messagePaletteEmpty = t(TRANSLATABLE("Palette is empty"));
    m_emptyLabel->setText(messagePaletteEmpty);
    if (m_choosePalette)
        m_choosePalette->translate(tr);
}

void TFPaletteEditor::setContext(const QString& userFolder, const QString& shippedFolder, const QString& symbols,
    const QFont& symbolFont)
{
    m_userFolder = userFolder;
    m_shippedFolder = shippedFolder;
    m_symbols = symbols;
    m_model->setSymbols(symbols);
    static_cast<PaletteGridDelegate*>(Grid->itemDelegate())->setSymbolFont(symbolFont);
    ComboBoxSymbol->blockSignals(true);
    ComboBoxSymbol->clear();
    ComboBoxSymbol->setFont(symbolFont);
    for (const QChar c : symbols)
        ComboBoxSymbol->addItem(QString(c));
    ComboBoxSymbol->blockSignals(false);
    if (m_choosePalette)
        m_choosePalette->setFolders(userFolder, shippedFolder);
}

void TFPaletteEditor::prepare(const QString& palettefilename, const QString& palettename, const QString& paletteversion)
{
    ECursorSize->setValue(30);
    ButtonCircle->setChecked(true);
    ComboSort->setCurrentIndex(0);
    QStringList notKept;
    Status opened = Status::error(QString());
    if (!palettefilename.isEmpty()) {
        opened = m_document.loadpalette(PaletteList::effectivePath(m_userFolder, m_shippedFolder, palettefilename), &notKept);
        if (!opened)
            warn(opened.text(m_translate));
    }
    if (opened) {
        EPaletteFileName->setText(palettefilename);
        EPaletteName->setText(palettename);
        EPaletteVersion->setText(paletteversion);
    } else {
        m_document.clear();
        EPaletteFileName->setText(messageNewPalette + QStringLiteral(".ctb"));
        EPaletteName->setText(messageNewPalette);
        EPaletteVersion->setText(QStringLiteral("1.0"));
    }
    showList();
    if (!notKept.isEmpty()) {
        warn(t(TRANSLATABLE("These lines of the palette file are not colors and will not be kept when saving:"))
            + QLatin1Char('\n') + notKept.join(QLatin1Char('\n')));
    }
}

int TFPaletteEditor::execute(const QString& palettefilename, const QString& palettename, const QString& paletteversion)
{
    prepare(palettefilename, palettename, paletteversion);
    return exec();
}

// The grid after the list changed as a whole, with the current row selected and shown.
void TFPaletteEditor::showList()
{
    m_model->refresh();
    m_emptyLabel->setVisible(m_document.colors().isEmpty());
    m_emptyLabel->resize(Grid->viewport()->size());
    const int row = m_document.current();
    if (row >= 0) {
        Grid->selectRow(row);
        Grid->scrollTo(m_model->index(row, 0));
    }
    fillColorValues(row);
    updateActions();
}

void TFPaletteEditor::fillColorValues(int index)
{
    const bool valid = index >= 0 && index < m_document.colors().size();
    const TColorInfo c = valid ? m_document.colors()[index] : TColorInfo();
    setSwatch(valid ? c.matchColor : kGrey);
    ENumber->setText(c.colorID);
    EColor->setText(c.colorName);
    ERGB->setText(valid ? PaletteText::rgbText(c.matchColor) : QString());
    ComboBoxSymbol->setCurrentIndex(valid ? c.charID : -1);
}

void TFPaletteEditor::updateActions()
{
    const PaletteDocument& d = m_document;
    ButtonNew->setEnabled(d.canNew());
    ButtonEdit->setEnabled(d.canEdit());
    ButtonDelete->setEnabled(d.canDelete());
    ButtonOK->setEnabled(d.canConfirm());
    ButtonCancel->setEnabled(d.canCancel());
    Button9->setEnabled(d.canUp());
    Button10->setEnabled(d.canDown());
    ButtonSave->setEnabled(d.canSave());
    ButtonSaveAs->setEnabled(d.state() == PaletteEditState::Browse && !d.colors().isEmpty());
    Grid->setEnabled(d.state() == PaletteEditState::Browse);
    ComboSort->setEnabled(d.state() == PaletteEditState::Browse);
    GroupSettings->setEnabled(d.state() != PaletteEditState::Browse);
    if (d.state() == PaletteEditState::Browse)
        LabelWarning->hide();
}

void TFPaletteEditor::actNewExecute()
{
    const int symbol = m_document.beginNew(int(m_symbols.size()));
    setSwatch(kGrey);
    ERGB->clear();
    EColor->clear();
    ENumber->clear();
    ComboBoxSymbol->setCurrentIndex(symbol);
    updateActions();
    symbolChosen(ComboBoxSymbol->currentIndex());
    ERGB->setFocus();
}

void TFPaletteEditor::actEditExecute()
{
    m_document.beginEdit();
    updateActions();
    symbolChosen(ComboBoxSymbol->currentIndex());
    ERGB->setFocus();
}

void TFPaletteEditor::actDeleteExecute()
{
    m_document.deleteCurrent();
    showList();
}

void TFPaletteEditor::actCancelExecute()
{
    m_document.cancel();
    fillColorValues(m_document.current());
    updateActions();
}

bool TFPaletteEditor::refuse(PaletteRefusal refusal)
{
    switch (refusal) {
    case PaletteRefusal::Name:
        warn(messageNameAlreadyExists);
        EColor->setFocus();
        return true;
    case PaletteRefusal::Number:
        warn(messageNumberAlreadyExists);
        ENumber->setFocus();
        return true;
    case PaletteRefusal::Rgb:
        warn(messageRGBAlreadyExists);
        ERGB->setFocus();
        return true;
    case PaletteRefusal::None:
        break;
    }
    return false;
}

void TFPaletteEditor::actOKExecute()
{
    // The swatch shows the last valid colour; a colour is stored only as its field reads.
    const auto typed = PaletteText::parseRgb(ERGB->text());
    if (!typed || ENumber->text().trimmed().isEmpty()) {
        warn(messageNotValidInteger);
        (typed ? ENumber : ERGB)->setFocus();
        return;
    }
    setSwatch(*typed);
    const TColorInfo values = PaletteDocument::valuesOf(EColor->text(), ENumber->text(), m_swatch, ComboBoxSymbol->currentIndex());
    if (refuse(m_document.check(values)))
        return;
    if (m_document.state() == PaletteEditState::EditColor && m_document.symbolUsedByOther(values.charID)
        && !askYesNo(t(TRANSLATABLE("The Symbol is already in use, continue anyway?")))) {
        ComboBoxSymbol->setFocus();
        return;
    }
    m_document.store(values);
    showList();
}

// Save without a name yet, and Save As, go through the palette list; the file is always written
// into the user's own folder.
bool TFPaletteEditor::save(bool askName)
{
    const bool firstSave = !m_document.saved();
    if (askName || firstSave) {
        TFChoosePalette& list = *m_choosePalette;
        list.paletteFilename = EPaletteFileName->text();
        list.palettename = EPaletteName->text();
        list.paletteVersion = EPaletteVersion->text();
        list.isPaletteSaved = m_document.saved();
        if (!runPaletteList(list))
            return false;
        EPaletteFileName->setText(list.paletteFilename);
        EPaletteName->setText(list.palettename);
        EPaletteVersion->setText(list.paletteVersion);
    }
    const Status s = m_document.savePalette(m_userFolder + EPaletteFileName->text(), EPaletteName->text(), EPaletteVersion->text());
    updateActions();
    if (!s) {
        warn(s.text(m_translate));
        return false;
    }
    inform(firstSave ? messagePaletteSaved + QLatin1Char('\n') + messagePaletteNextTime : messagePaletteSaved);
    return true;
}

void TFPaletteEditor::reject()
{
    if (m_document.changed()) {
        const Answer answer = askYesNoCancel(messagePaletteChangedSave);
        if (answer == Answer::Cancel || (answer == Answer::Yes && !save(false)))
            return;
    }
    QDialog::reject();
}

void TFPaletteEditor::moveSelection(bool up)
{
    if (up)
        m_document.moveUp();
    else
        m_document.moveDown();
    showList();
}

void TFPaletteEditor::sortChanged(int index)
{
    m_document.sortBy(static_cast<PaletteSort>(index));
    showList();
}

void TFPaletteEditor::setSwatch(TColorRef color)
{
    m_swatch = color;
    PanelColor->setStyleSheet(QStringLiteral("background-color: %1; border: 1px solid black").arg(QColor::fromRgb(rgbOf(color)).name()));
}

void TFPaletteEditor::swatchClicked()
{
    const QColor chosen = QColorDialog::getColor(QColor::fromRgb(rgbOf(m_swatch)), this);
    if (!chosen.isValid())
        return;
    setSwatch(makeColorRef(chosen.red(), chosen.green(), chosen.blue()));
    ERGB->setText(PaletteText::rgbText(m_swatch));
    EColor->setFocus();
}

void TFPaletteEditor::rgbEdited(const QString& text)
{
    if (m_document.state() == PaletteEditState::Browse || text.size() <= 5)
        return;
    if (const auto color = PaletteText::parseRgb(text))
        setSwatch(*color);
}

void TFPaletteEditor::symbolChosen(int index)
{
    LabelWarning->setVisible(m_document.state() != PaletteEditState::Browse && index >= 0 && m_document.symbolUsedByOther(index));
}

void TFPaletteEditor::loadImage()
{
    QStringList patterns;
    for (const QByteArray& format : QImageReader::supportedImageFormats())
        patterns << QStringLiteral("*.") + QString::fromLatin1(format);
    const QString file = QFileDialog::getOpenFileName(this, t(TRANSLATABLE("Load image")), QString(),
        patterns.join(QLatin1Char(' ')) + QStringLiteral(";;") + t(TRANSLATABLE("All files")) + QStringLiteral(" (*)"));
    if (file.isEmpty())
        return;
    TBitmap32 picture;
    const Status loaded = PictureLoader::load(file, picture);
    if (!loaded) {
        warn(loaded.text(m_translate));
        return;
    }
    Image->setPicture(picture);
}

void TFPaletteEditor::picked(const QPoint& at)
{
    if (m_document.state() == PaletteEditState::Browse)
        return;
    if (const auto color = ColorAveraging::average(Image->picture(), at, Image->cursorSize())) {
        setSwatch(*color);
        ERGB->setText(PaletteText::rgbText(*color));
    }
}

bool TFPaletteEditor::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Grid->viewport() && event->type() == QEvent::Resize)
        m_emptyLabel->resize(Grid->viewport()->size());
    return QDialog::eventFilter(watched, event);
}
