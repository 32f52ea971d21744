#include "model/Translatable.h"
#include "shell/forms/TFGhost.h"
#include "shell/GhostZoom.h"
#include "shell/forms/GhostImage.h"
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

TFGhost::TFGhost(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FGhost"));
    setModal(false);
    resize(819, 573);
    QPalette lightBlue = palette();
    lightBlue.setColor(QPalette::Window, QColor(0xB2, 0xD5, 0xFD));
    setPalette(lightBlue);
    setAutoFillBackground(true);

    ScrollBar1 = new QScrollBar(Qt::Vertical, this);
    ScrollBar1->setObjectName(QStringLiteral("ScrollBar1"));
    ScrollBar1->setRange(GhostZoom::kMinPosition, GhostZoom::kMaxPosition);
    ScrollBar1->setValue(GhostZoom::kMinPosition);
    Button1 = new QPushButton(QStringLiteral("1:1"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    BFit = new QPushButton(QStringLiteral("Fit"), this);
    BFit->setObjectName(QStringLiteral("BFit"));
    LZoom = new QLabel(this);
    LZoom->setObjectName(QStringLiteral("LZoom"));
    LZoom->setAlignment(Qt::AlignCenter);
    auto* zoomColumn = new QVBoxLayout;
    zoomColumn->addWidget(ScrollBar1, 1, Qt::AlignHCenter);
    zoomColumn->addWidget(LZoom);
    zoomColumn->addWidget(Button1);
    zoomColumn->addWidget(BFit);

    auto* panel = new QFrame(this);
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Sunken);
    Image = new GhostImage(panel);
    Image->setObjectName(QStringLiteral("Image"));
    HScroll = new QScrollBar(Qt::Horizontal, panel);
    HScroll->setObjectName(QStringLiteral("HScroll"));
    VScroll = new QScrollBar(Qt::Vertical, panel);
    VScroll->setObjectName(QStringLiteral("VScroll"));
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(2, 2, 2, 2);
    grid->setSpacing(0);
    grid->addWidget(Image, 0, 0);
    grid->addWidget(VScroll, 0, 1);
    grid->addWidget(HScroll, 1, 0);

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(zoomColumn);
    layout->addWidget(panel, 1);

    connect(ScrollBar1, &QScrollBar::valueChanged, this, &TFGhost::ScrollBar1Change);
    connect(Button1, &QPushButton::clicked, this, &TFGhost::Button1Click);
    connect(BFit, &QPushButton::clicked, this, &TFGhost::BFitClick);
    connect(HScroll, &QScrollBar::valueChanged, this, [this](int x) { Image->setOffset(QPoint(-x, -VScroll->value())); });
    connect(VScroll, &QScrollBar::valueChanged, this, [this](int y) { Image->setOffset(QPoint(-HScroll->value(), -y)); });
    connect(Image, &GhostImage::resized, this, [this] {
        if (isVisible())
            ScrollBar1Change();
    });
    ScrollBar1Change();
}

void TFGhost::setPicture(const QImage& picture)
{
    Image->setPicture(picture);
    if (isVisible())
        BFitClick();
}

void TFGhost::applyCaptions(const Translate& translate)
{
    setWindowTitle(translate(TRANSLATABLE("Shadow image")));
    BFit->setText(translate(TRANSLATABLE("Fit")));
}

void TFGhost::layoutScroll(QScrollBar* bar, int view, int picture, double scale)
{
    const GhostZoom::Scroll s = GhostZoom::scroll(view, picture, scale, bar->value());
    bar->setEnabled(s.enabled);
    // Qt's range ends where the page's start can go: the length less the page.
    bar->setRange(0, std::max(0, s.maximum - s.page));
    bar->setPageStep(std::max(1, s.page));
    bar->setValue(s.position);
}

void TFGhost::ScrollBar1Change()
{
    const double scale = GhostZoom::scale(ScrollBar1->value());
    Image->setScale(scale);
    const QImage& picture = Image->picture();
    layoutScroll(HScroll, Image->width(), picture.width(), scale);
    layoutScroll(VScroll, Image->height(), picture.height(), scale);
    Image->setOffset(QPoint(-HScroll->value(), -VScroll->value()));
    LZoom->setText(GhostZoom::label(scale));
}

void TFGhost::Button1Click()
{
    ScrollBar1->setValue(GhostZoom::kOneToOne);
    ScrollBar1Change();
}

void TFGhost::BFitClick()
{
    ScrollBar1->setValue(GhostZoom::fitPosition(Image->size(), Image->picture().size()));
    ScrollBar1Change();
}

void TFGhost::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    BFitClick();
}

void TFGhost::closeEvent(QCloseEvent* event)
{
    QDialog::closeEvent(event);
    Q_EMIT closedByUser();
}
