#include "editors/forms/TFLibrary.h"
#include "editors/forms/LibraryListing.h"
#include "model/Translatable.h"
#include <QDir>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr int kHelpTopic = 3800;
constexpr int kPreviewSide = 240;
} // namespace

TFLibrary::TFLibrary(QWidget* parent)
    : QDialog(parent)
    , List(new QListWidget(this))
    , Image(new QLabel(this))
    , LWidth(new QLabel(this))
    , LHeight(new QLabel(this))
    , LName(new QLabel(this))
    , LPalette(new QLabel(this))
    , LDescription(new QLabel(this))
    , LConvert(new QLabel(this))
    , BLoad(new QPushButton(this))
    , BClose(new QPushButton(this))
    , BHelp(new QPushButton(this))
{
    setObjectName(QStringLiteral("TFLibrary"));
    Image->setFixedSize(kPreviewSide, kPreviewSide);
    Image->setAlignment(Qt::AlignCenter);
    Image->setFrameShape(QFrame::StyledPanel);
    LDescription->setWordWrap(true);
    LConvert->setStyleSheet(QStringLiteral("color: red"));
    auto* details = new QFormLayout;
    details->addRow(m_captions.label(TRANSLATABLE("Width"), this, QStringLiteral(" :")), LWidth);
    details->addRow(m_captions.label(TRANSLATABLE("Height"), this, QStringLiteral(" :")), LHeight);
    details->addRow(m_captions.label(TRANSLATABLE("Name"), this, QStringLiteral(" :")), LName);
    details->addRow(m_captions.label(TRANSLATABLE("Palette"), this, QStringLiteral(" :")), LPalette);
    details->addRow(m_captions.label(TRANSLATABLE("Description"), this, QStringLiteral(" :")), LDescription);
    details->addRow(LConvert);
    auto* right = new QVBoxLayout;
    right->addWidget(Image);
    right->addLayout(details);
    right->addStretch();
    auto* top = new QHBoxLayout;
    top->addWidget(List, 1);
    top->addLayout(right);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(BHelp);
    buttons->addStretch();
    buttons->addWidget(BLoad);
    buttons->addWidget(BClose);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(buttons);
    resize(640, 420);

    m_captions.addText(TRANSLATABLE("Library"), this);
    m_captions.addText(TRANSLATABLE("Template needs to be converted"), LConvert);
    m_captions.addText(TRANSLATABLE("Load"), BLoad);
    m_captions.addText(TRANSLATABLE("Close"), BClose);
    m_captions.addText(TRANSLATABLE("Help"), BHelp);
    BLoad->setDefault(true);
    connect(List, &QListWidget::currentRowChanged, this, &TFLibrary::ListChange);
    connect(BLoad, &QPushButton::clicked, this, &QDialog::accept);
    connect(BClose, &QPushButton::clicked, this, &QDialog::reject);
    connect(BHelp, &QPushButton::clicked, this, [this] {
        if (showHelp)
            showHelp(kHelpTopic);
    });
    translate({});
}

void TFLibrary::translate(const CaptionTable::Translate& tr)
{
    m_translate = tr ? tr : [](const QString& t) { return t; };
    m_captions.apply(m_translate);
}

void TFLibrary::prepare(const QString& folder, const TStitch& open, bool designOpen)
{
    m_folder = folder;
    m_open = &open;
    m_designOpen = designOpen;
    m_entry.clear();
    List->blockSignals(true);
    LibraryListing::fill(*List, folder);
    List->setCurrentRow(-1);
    List->blockSignals(false);
    showLabels();
}

void TFLibrary::ListChange()
{
    m_entry.clear();
    const QListWidgetItem* item = List->currentItem();
    if (item && m_open) {
        const Status read = m_entry.load(QDir(m_folder).filePath(item->text()), LibraryEntry::freshDesign(*m_open),
            QDir::toNativeSeparators(m_folder));
        if (read)
            m_entry.compareWith(m_designOpen ? m_open : nullptr);
        else
            LDescription->setText(read.text(m_translate));
    }
    showLabels();
}

// An entry that could not be read keeps the reader's message in the description.
void TFLibrary::showLabels()
{
    const bool loaded = m_entry.loaded();
    LWidth->setText(loaded ? QString::number(m_entry.width()) : QString());
    LHeight->setText(loaded ? QString::number(m_entry.height()) : QString());
    LName->setText(m_entry.name());
    LPalette->setText(m_entry.palette());
    if (loaded || !List->currentItem())
        LDescription->setText(m_entry.description());
    LConvert->setVisible(m_entry.needsConversion());
    LibraryListing::showPicture(*Image, m_entry.preview());
    BLoad->setEnabled(loaded && m_designOpen);
}
