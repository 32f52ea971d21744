#include "editors/forms/TFChoosePalette.h"
#include "model/Translatable.h"
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

TFChoosePalette::TFChoosePalette(QWidget* parent)
    : QDialog(parent)
    , ListView(new QTreeWidget(this))
    , PanelBottom(new QWidget(this))
    , EPaletteFilename(new QLineEdit(PanelBottom))
    , EPaletteName(new QLineEdit(PanelBottom))
    , EPaletteVersion(new QLineEdit(PanelBottom))
{
    setObjectName(QStringLiteral("TFChoosePalette"));
    ListView->setColumnCount(3);
    ListView->setRootIsDecorated(false);
    ListView->setUniformRowHeights(true);
    ListView->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    auto* group = new QGroupBox(this);
    auto* groupLayout = new QVBoxLayout(group);
    groupLayout->addWidget(ListView);
    auto* form = new QFormLayout(PanelBottom);
    auto* fileLabel = new QLabel(PanelBottom);
    auto* nameLabel = new QLabel(PanelBottom);
    auto* versionLabel = new QLabel(PanelBottom);
    form->addRow(fileLabel, EPaletteFilename);
    form->addRow(nameLabel, EPaletteName);
    form->addRow(versionLabel, EPaletteVersion);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    ButtonOK = buttons->button(QDialogButtonBox::Ok);
    ButtonOK->setDefault(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group, 1);
    layout->addWidget(PanelBottom);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &TFChoosePalette::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(ListView, &QTreeWidget::itemSelectionChanged, this, &TFChoosePalette::updateOk);
    connect(ListView, &QTreeWidget::itemDoubleClicked, this, [this] {
        if (mode == vmView)
            accept();
    });
    connect(EPaletteFilename, &QLineEdit::editingFinished, this, [this] {
        if (!EPaletteFilename->text().isEmpty())
            EPaletteFilename->setText(PaletteList::withExtension(EPaletteFilename->text()));
    });
    confirm = [this](const QString& message) {
        return QMessageBox::warning(this, windowTitle(), message, QMessageBox::Ok | QMessageBox::Cancel) == QMessageBox::Ok;
    };
    warn = [this](const QString& message) { QMessageBox::warning(this, windowTitle(), message); };
    m_captions = {{this, TRANSLATABLE("Palette list")}, {group, TRANSLATABLE("Choose palette")},
        {fileLabel, TRANSLATABLE("Filename")}, {nameLabel, TRANSLATABLE("Palette")},
        {versionLabel, TRANSLATABLE("Version")}, {ButtonOK, TRANSLATABLE("OK")},
        {buttons->button(QDialogButtonBox::Cancel), TRANSLATABLE("Cancel")}};
    translate({});
    resize(520, 420);
}

void TFChoosePalette::setFolders(const QString& userFolder, const QString& shippedFolder)
{
    m_userFolder = userFolder;
    m_shippedFolder = shippedFolder;
}

void TFChoosePalette::translate(const Translate& tr)
{
    m_translate = tr;
    auto t = [&tr](const QString& key) { return tr ? tr(key) : key; };
    for (const auto& [object, key] : m_captions) {
        if (object == this)
            setWindowTitle(t(key));
        else if (auto* group = qobject_cast<QGroupBox*>(object))
            group->setTitle(QLatin1Char(' ') + t(key) + QLatin1Char(' '));
        else if (auto* label = qobject_cast<QLabel*>(object))
            label->setText(t(key) + QStringLiteral(" :"));
        else if (auto* button = qobject_cast<QAbstractButton*>(object))
            button->setText(t(key));
    }
    ListView->setHeaderLabels({t(TRANSLATABLE("Filename")), t(TRANSLATABLE("Palette")), t(TRANSLATABLE("Version"))});
    MessageFileAlreadyExists = t(TRANSLATABLE("File already exists. Override it?"));
    MessagePaletteWithSameVersion = t(TRANSLATABLE("Palette with same version already exists. Can not save."));
    MessageFileNameNotValid = t(TRANSLATABLE("Filename is not valid"));
}

void TFChoosePalette::readPalettes()
{
    m_files = PaletteList::readPalettes(m_userFolder, m_shippedFolder);
    ListView->clear();
    for (const PaletteFileEntry& f : m_files) {
        auto* item = new QTreeWidgetItem(ListView, {f.fileName, f.name, f.version});
        for (int column = 0; column < 3; ++column)
            item->setToolTip(column, f.path);
        if (f.name + QStringLiteral(" v") + f.version == designPalette)
            ListView->setCurrentItem(item);
    }
}

void TFChoosePalette::prepare(TViewMode viewMode)
{
    mode = viewMode;
    readPalettes();
    PanelBottom->setVisible(mode == vmAllowChange);
    EPaletteFilename->setText(paletteFilename);
    EPaletteName->setText(palettename);
    EPaletteVersion->setText(paletteVersion);
    updateOk();
}

int TFChoosePalette::execute(TViewMode viewMode)
{
    prepare(viewMode);
    return exec();
}

QString TFChoosePalette::selectedPath() const
{
    const int row = ListView->currentItem() ? ListView->indexOfTopLevelItem(ListView->currentItem()) : -1;
    return row >= 0 ? m_files[row].path : QString();
}

// Picking a palette to edit needs a row.
void TFChoosePalette::updateOk()
{
    ButtonOK->setEnabled(mode == vmAllowChange || ListView->currentItem() != nullptr);
}

PaletteList::Proposal TFChoosePalette::fields() const
{
    return {PaletteList::withExtension(EPaletteFilename->text().trimmed()), EPaletteName->text(), EPaletteVersion->text()};
}

void TFChoosePalette::accept()
{
    if (mode == vmView) {
        const int row = ListView->currentItem() ? ListView->indexOfTopLevelItem(ListView->currentItem()) : -1;
        if (row < 0)
            return;
        paletteFilename = m_files[row].fileName;
        palettename = m_files[row].name;
        paletteVersion = m_files[row].version;
        QDialog::accept();
        return;
    }
    const PaletteList::Proposal proposal = fields();
    const PaletteList::Proposal original{paletteFilename, palettename, paletteVersion};
    PaletteList::OkStep step = PaletteList::okStep(m_files, proposal, original, isPaletteSaved);
    if (step == PaletteList::OkStep::AskOverride) {
        if (!confirm(MessageFileAlreadyExists))
            return;
        step = PaletteList::okStep(m_files, proposal, original, isPaletteSaved, true);
    }
    if (step == PaletteList::OkStep::BadFileName) {
        warn(MessageFileNameNotValid);
        EPaletteFilename->setFocus();
        return;
    }
    if (step == PaletteList::OkStep::SameVersion) {
        warn(MessagePaletteWithSameVersion);
        return;
    }
    paletteFilename = proposal.fileName;
    palettename = proposal.name;
    paletteVersion = proposal.version;
    QDialog::accept();
}
