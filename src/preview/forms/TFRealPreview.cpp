#include "preview/forms/TFRealPreview.h"
#include "model/Design.h"
#include "model/Translatable.h"
#include "preview/PreviewExport.h"
#include "preview/PreviewRenderer.h"
#include "preview/TFImages.h"
#include "preview/forms/PreviewArea.h"
#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QProgressDialog>
#include <QScrollBar>
#include <QSlider>
#include <QVBoxLayout>

TFRealPreview::TFRealPreview(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("FRealPreview"));
    resize(900, 700);
    auto* menuBar = new QMenuBar(this);
    MenuFile = menuBar->addMenu(QString());
    MenuSaveasJPEG = MenuFile->addAction(QString());
    MenuSaveasJPEG->setObjectName(QStringLiteral("MenuSaveasJPEG"));

    Zoom = new QSlider(Qt::Vertical, this);
    Zoom->setObjectName(QStringLiteral("Zoom"));
    Zoom->setRange(PreviewRenderer::kMinZoom, PreviewRenderer::kMaxZoom);
    Zoom->setValue(PreviewRenderer::kDefaultZoom);
    LabelZoom = new QLabel(this);
    Image = new PreviewArea(this);
    Image->setObjectName(QStringLiteral("Image"));

    auto* side = new QVBoxLayout;
    side->addWidget(LabelZoom, 0, Qt::AlignHCenter);
    side->addWidget(Zoom, 1, Qt::AlignHCenter);
    auto* body = new QHBoxLayout;
    body->addLayout(side);
    body->addWidget(Image, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(menuBar);
    layout->addLayout(body);

    connect(Zoom, &QSlider::valueChanged, this, &TFRealPreview::ZoomChange);
    connect(Image, &PreviewArea::wheelTurned, this, &TFRealPreview::FormMouseWheel);
    connect(MenuSaveasJPEG, &QAction::triggered, this, &TFRealPreview::MenuSaveasJPEGClick);
    applyCaptions({});
}

TFRealPreview::~TFRealPreview() = default;

void TFRealPreview::setDesign(const Design* design, bool knitting)
{
    m_design = design;
    m_knitting = knitting;
}

void TFRealPreview::applyCaptions(const Translate& translate)
{
    m_translate = translate;
    setWindowTitle(this->translate(TRANSLATABLE("Real Preview")));
    LabelZoom->setText(this->translate(TRANSLATABLE("Zoom")));
    MenuFile->setTitle(this->translate(TRANSLATABLE("File")));
    MenuSaveasJPEG->setText(this->translate(TRANSLATABLE("Save as JPEG")) + QStringLiteral(" ..."));
}

QString TFRealPreview::translate(const QString& text) const
{
    return m_translate ? m_translate(text) : text;
}

void TFRealPreview::FormShow()
{
    if (!m_design)
        return;
    // The design may have changed since the window was last open: nothing made earlier is kept.
    if (!m_renderer)
        m_renderer = std::make_unique<PreviewRenderer>(TFImages::instance());
    m_renderer->prepare(*m_design, Zoom->value(), m_knitting, true);
    Image->setRenderer(m_renderer.get());
}

void TFRealPreview::FormClose()
{
    Image->setRenderer(nullptr);
    m_renderer.reset();
}

void TFRealPreview::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    FormShow();
}

void TFRealPreview::closeEvent(QCloseEvent* event)
{
    FormClose();
    QDialog::closeEvent(event);
}

void TFRealPreview::done(int result)
{
    FormClose();
    QDialog::done(result);
}

void TFRealPreview::ZoomChange(int zoom)
{
    if (!m_renderer || !m_design)
        return;
    m_renderer->prepare(*m_design, zoom, m_knitting);
    Image->pictureChanged();
}

void TFRealPreview::FormMouseWheel(const QPoint& mouse, int s)
{
    if (!m_renderer)
        return;
    const int oldWidth = m_renderer->FCellWidth, oldHeight = m_renderer->FCellHeight;
    QScrollBar* h = Image->horizontalScrollBar();
    QScrollBar* v = Image->verticalScrollBar();
    const int oldH = h->value(), oldV = v->value(), oldZoom = Zoom->value();
    Zoom->setValue(oldZoom + s);
    if (Zoom->value() == oldZoom)
        return; // at the end of the range: nothing moves
    // The cell under the pointer stays under it: in cells of the new size, the position is
    // ((position + pointer) div old cell) x new cell - pointer, for each axis.
    h->setValue((oldH + mouse.x()) / oldWidth * m_renderer->FCellWidth - mouse.x());
    v->setValue((oldV + mouse.y()) / oldHeight * m_renderer->FCellHeight - mouse.y());
}

QString TFRealPreview::chooseJpegFile(const QString& preset)
{
    QFileDialog dialog(this, translate(TRANSLATABLE("Save as JPEG")), preset, QStringLiteral("JPEG (*.jpg)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("jpg"));
    dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().first();
}

void TFRealPreview::showError(const QString& message)
{
    QMessageBox::critical(this, translate(TRANSLATABLE("Warning")), message);
}

void TFRealPreview::MenuSaveasJPEGClick()
{
    if (!m_design || !m_renderer)
        return;
    if (const Status fits = PreviewExport::checkSize(m_renderer->pictureSize(), PreviewExport::Format::Jpeg); !fits) {
        showError(fits.text(m_translate));
        return;
    }
    const QString name = m_design->stitch.filename().isEmpty() ? m_design->stitch.Title : QFileInfo(m_design->stitch.filename()).completeBaseName();
    const QString fileName = chooseJpegFile(QDir(m_design->stitch.SavePath).filePath(name + QStringLiteral(".jpg")));
    if (fileName.isEmpty())
        return;
    // The file is written under exactly the confirmed name; only a missing folder is made.
    QDir().mkdir(QFileInfo(fileName).absolutePath());
    // A renderer of its own: the window may repaint between bands without sharing its images.
    PreviewRenderer renderer(TFImages::instance());
    renderer.prepare(*m_design, Zoom->value(), m_knitting);
    QProgressDialog progress(translate(TRANSLATABLE("Save as JPEG")), translate(TRANSLATABLE("Cancel")), 0,
        renderer.pictureSize().height(), this);
    progress.setWindowModality(Qt::WindowModal);
    bool cancelled = false;
    const Status saved = PreviewExport::write(renderer, fileName, PreviewExport::Format::Jpeg,
        [&progress](int done, int) {
            progress.setValue(done);
            return !progress.wasCanceled();
        },
        &cancelled);
    if (!saved && !cancelled)
        showError(saved.text(m_translate));
}
