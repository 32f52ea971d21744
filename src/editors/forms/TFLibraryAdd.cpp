#include "editors/forms/TFLibraryAdd.h"
#include "editors/LibraryAdd.h"
#include "editors/forms/LibraryListing.h"
#include "model/Translatable.h"
#include <QDir>
#include <QFile>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTextEdit>
#include <QVBoxLayout>

namespace {
constexpr int kHelpTopic = 3900;
constexpr int kPreviewSide = 200;

QLabel* previewLabel(QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setFixedSize(kPreviewSide, kPreviewSide);
    label->setAlignment(Qt::AlignCenter);
    label->setFrameShape(QFrame::StyledPanel);
    return label;
}
} // namespace

TFLibraryAdd::TFLibraryAdd(QWidget* parent)
    : QDialog(parent)
    , List(new QListWidget(this))
    , Image(previewLabel(this))
    , ImageSelection(previewLabel(this))
    , EFileName(new QLineEdit(this))
    , ETitle(new QLineEdit(this))
    , MemoDescription(new QTextEdit(this))
    , BSave(new QPushButton(this))
    , BClose(new QPushButton(this))
    , BHelp(new QPushButton(this))
{
    setObjectName(QStringLiteral("TFLibraryAdd"));
    MemoDescription->setAcceptRichText(false);
    auto* fields = new QFormLayout;
    fields->addRow(m_captions.label(TRANSLATABLE("Filename"), this, QStringLiteral(" :")), EFileName);
    fields->addRow(m_captions.label(TRANSLATABLE("Title"), this, QStringLiteral(" :")), ETitle);
    fields->addRow(m_captions.label(TRANSLATABLE("Description"), this, QStringLiteral(" :")), MemoDescription);
    auto* pictures = new QVBoxLayout;
    pictures->addWidget(ImageSelection);
    pictures->addLayout(fields);
    auto* library = new QVBoxLayout;
    library->addWidget(List, 1);
    library->addWidget(Image);
    auto* top = new QHBoxLayout;
    top->addLayout(pictures, 1);
    top->addLayout(library);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(BHelp);
    buttons->addStretch();
    buttons->addWidget(BSave);
    buttons->addWidget(BClose);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(buttons);
    resize(620, 520);

    m_captions.addText(TRANSLATABLE("Add to library"), this);
    m_captions.addText(TRANSLATABLE("Save"), BSave);
    m_captions.addText(TRANSLATABLE("Close"), BClose);
    m_captions.addText(TRANSLATABLE("Help"), BHelp);
    BSave->setDefault(true);
    connect(List, &QListWidget::currentRowChanged, this, &TFLibraryAdd::ListChange);
    connect(EFileName, &QLineEdit::textChanged, this, &TFLibraryAdd::EFileNameChange);
    connect(BSave, &QPushButton::clicked, this, &TFLibraryAdd::BSaveClick);
    connect(BClose, &QPushButton::clicked, this, &QDialog::reject);
    connect(BHelp, &QPushButton::clicked, this, [this] {
        if (showHelp)
            showHelp(kHelpTopic);
    });
    translate({});
}

void TFLibraryAdd::translate(const CaptionTable::Translate& tr)
{
    m_translate = tr ? tr : [](const QString& t) { return t; };
    m_captions.apply(m_translate);
}

void TFLibraryAdd::prepare(Design& design, const QRect& cells, const QString& folder)
{
    m_design = &design;
    m_cells = cells;
    m_folder = folder;
    m_entry.clear();
    LibraryListing::showPicture(*ImageSelection, LibraryAdd::preview(design, cells));
    List->blockSignals(true);
    LibraryListing::fill(*List, folder);
    List->blockSignals(false);
    Image->clear();
    EFileName->setText(QStringLiteral("*.qmk"));
    ETitle->clear();
    MemoDescription->clear();
    EFileNameChange();
}

void TFLibraryAdd::ListChange()
{
    m_entry.clear();
    if (const QListWidgetItem* item = List->currentItem(); item && m_design)
        m_entry.load(QDir(m_folder).filePath(item->text()), LibraryEntry::freshDesign(m_design->stitch), m_folder);
    LibraryListing::showPicture(*Image, m_entry.preview());
}

void TFLibraryAdd::EFileNameChange()
{
    BSave->setEnabled(LibraryAdd::nameAllowed(EFileName->text()));
}

void TFLibraryAdd::BSaveClick()
{
    if (!m_design || !LibraryAdd::nameAllowed(EFileName->text()))
        return;
    const QString target = QDir(m_folder).filePath(LibraryAdd::fileName(EFileName->text()));
    if (QFile::exists(target) && confirm
        && !confirm(m_translate(TRANSLATABLE("File already exists, do you want to replace it?"))))
        return;
    const Status saved = LibraryAdd::save(*m_design, m_folder, EFileName->text(), m_cells, ETitle->text(),
        MemoDescription->toPlainText());
    if (!saved) {
        if (warn)
            warn(saved.text(m_translate));
        return;
    }
    accept();
}
