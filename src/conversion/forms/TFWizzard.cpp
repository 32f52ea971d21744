// The wizard's window: its four pages and the row of buttons below them.
#include "conversion/forms/TFWizzard.h"
#include "conversion/WizardPipeline.h"
#include "conversion/forms/TFDitheringProgress.h"
#include "conversion/forms/WizardCropView.h"
#include "model/DesignLimits.h"
#include "model/Translatable.h"
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QSlider>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace {
QLabel* pictureView(QWidget* parent)
{
    auto* view = new QLabel(parent);
    view->setAlignment(Qt::AlignCenter);
    view->setMinimumSize(600, 450);
    view->setStyleSheet(QStringLiteral("background: grey"));
    return view;
}

QSlider* slider(Qt::Orientation orientation, int min, int max, int value, int large, QWidget* parent)
{
    auto* s = new QSlider(orientation, parent);
    s->setRange(min, max);
    s->setValue(value);
    s->setPageStep(large);
    return s;
}
} // namespace

TFWizzard::TFWizzard(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TFWizzard"));
    setFixedSize(908, 601);
    Timer1 = new QTimer(this);
    Timer1->setInterval(2000);
    Timer1->setSingleShot(true);
    Timer2 = new QTimer(this);
    Timer2->setInterval(1000);
    Timer2->setSingleShot(true);
    TimerLevel = new QTimer(this);
    TimerLevel->setInterval(1000);
    TimerLevel->setSingleShot(true);
    Pages = new QStackedWidget(this);
    Pages->addWidget(cropPage());
    Pages->addWidget(adjustmentPage());
    Pages->addWidget(sizePage());
    Pages->addWidget(colourPage());
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Pages);
    layout->addWidget(buttonRow());
    FDitheringProgress = new TFDitheringProgress(this);
    m_worker = new ConversionWorker(this);
    m_progressTimer = new QTimer(this);
    m_progressTimer->setInterval(100);
    connect(m_progressTimer, &QTimer::timeout, this, &TFWizzard::showProgress);
    connect(m_worker, &ConversionWorker::busyChanged, this, &TFWizzard::workerBusy);
    connect(FDitheringProgress->BCancel, &QPushButton::clicked, m_worker, &ConversionWorker::cancel);
    connect(Timer1, &QTimer::timeout, this, &TFWizzard::Button1Click);
    connect(Timer2, &QTimer::timeout, this, &TFWizzard::Button2Click);
    connect(TimerLevel, &QTimer::timeout, this, &TFWizzard::GaugeBar1Change);
    m_captions << qMakePair(static_cast<QObject*>(this), QString(TRANSLATABLE("Wizard")))
               << qMakePair(static_cast<QObject*>(FDitheringProgress->BCancel), QString(TRANSLATABLE("Cancel")));
    translate({});
}

// The worker goes first: its running step may use the pipeline.
TFWizzard::~TFWizzard()
{
    m_worker->cancelAndWait();
}

void TFWizzard::done(int result)
{
    for (QTimer* timer : {Timer1, Timer2, TimerLevel})
        timer->stop();
    m_worker->cancelAndWait();
    QDialog::done(result);
}

QWidget* TFWizzard::cropPage()
{
    auto* page = new QWidget;
    GaugeBar3 = slider(Qt::Vertical, 10, 100, 100, 5, page);
    GaugeBar3->setObjectName(QStringLiteral("GaugeBar3"));
    ImageSelection = new QScrollArea(page);
    ImageSelection->setObjectName(QStringLiteral("ImageSelection"));
    ImageSelection->setStyleSheet(QStringLiteral("QScrollArea { background: grey }"));
    ImageSelection->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Crop = new WizardCropView;
    ImageSelection->setWidget(Crop);
    auto* zoomLabel = new QLabel(page);
    auto* side = new QVBoxLayout;
    side->addWidget(zoomLabel);
    side->addWidget(GaugeBar3, 1);
    auto* layout = new QHBoxLayout(page);
    layout->addLayout(side);
    layout->addWidget(ImageSelection, 1);
    m_captions << qMakePair(static_cast<QObject*>(zoomLabel), QString(TRANSLATABLE("Zoom")));
    connect(GaugeBar3, &QSlider::valueChanged, this, [this](int position) { setZoomFactor(position / 100.0); });
    Crop->frameDragged = [this](TDragKind kind, const QRectF& proposed) { RubberResize(kind, proposed); };
    return page;
}

QWidget* TFWizzard::adjustmentPage()
{
    auto* page = new QWidget;
    Brightness = slider(Qt::Vertical, -255, 255, 0, 20, page);
    Contrast = slider(Qt::Vertical, 0, 255, 0, 20, page);
    Brightness->setObjectName(QStringLiteral("Brightness"));
    Contrast->setObjectName(QStringLiteral("Contrast"));
    for (QSlider* s : {Brightness, Contrast}) {
        s->setSingleStep(10);
        connect(s, &QSlider::valueChanged, this, &TFWizzard::BrightnessChange);
    }
    Button5 = new QPushButton(page);
    ImageAdjustment = pictureView(page);
    auto* brightnessLabel = new QLabel(page);
    auto* contrastLabel = new QLabel(page);
    auto* sliders = new QGridLayout;
    sliders->addWidget(brightnessLabel, 0, 0);
    sliders->addWidget(contrastLabel, 0, 1);
    sliders->addWidget(Brightness, 1, 0);
    sliders->addWidget(Contrast, 1, 1);
    sliders->addWidget(Button5, 2, 0, 1, 2);
    auto* layout = new QHBoxLayout(page);
    layout->addLayout(sliders);
    layout->addWidget(ImageAdjustment, 1);
    m_captions << qMakePair(static_cast<QObject*>(brightnessLabel), QString(TRANSLATABLE("Brightness")))
               << qMakePair(static_cast<QObject*>(contrastLabel), QString(TRANSLATABLE("Contrast")))
               << qMakePair(static_cast<QObject*>(Button5), QString(TRANSLATABLE("Reset to default")));
    connect(Button5, &QPushButton::clicked, this, &TFWizzard::Button5Click);
    return page;
}

QWidget* TFWizzard::sizePage()
{
    auto* page = new QWidget;
    LSize = new QLabel(page);
    LNewSize = new QLabel(page);
    EWidth = new QSpinBox(page);
    EWidth->setObjectName(QStringLiteral("EWidth"));
    EWidth->setRange(2, 600);
    EWidth->setValue(100);
    Button1 = new QPushButton(page);
    ImageResized = pictureView(page);
    auto* original = new QLabel(page);
    auto* fresh = new QLabel(page);
    auto* maxSide = new QLabel(page);
    auto* form = new QVBoxLayout;
    for (QWidget* w : std::initializer_list<QWidget*>{original, LSize, fresh, LNewSize, maxSide, EWidth, Button1})
        form->addWidget(w);
    form->addStretch();
    auto* layout = new QHBoxLayout(page);
    layout->addLayout(form);
    layout->addWidget(ImageResized, 1);
    m_captions << qMakePair(static_cast<QObject*>(original), QString(TRANSLATABLE("Original size")))
               << qMakePair(static_cast<QObject*>(fresh), QString(TRANSLATABLE("New size")))
               << qMakePair(static_cast<QObject*>(maxSide), QString(TRANSLATABLE("Max width/height")))
               << qMakePair(static_cast<QObject*>(Button1), QString(TRANSLATABLE("Set size")));
    connect(Button1, &QPushButton::clicked, this, &TFWizzard::Button1Click);
    // Typing or stepping waits for a pause before the picture is resized again.
    connect(EWidth, &QSpinBox::valueChanged, Timer1, qOverload<>(&QTimer::start));
    return page;
}

QWidget* TFWizzard::colourPage()
{
    auto* page = new QWidget;
    ComboSymbols = new QComboBox(page);
    ComboPalettes = new QComboBox(page);
    LMaxColors = new QLabel(page);
    EditMaxColors = new QSpinBox(page);
    EditMaxColors->setObjectName(QStringLiteral("EditMaxColors"));
    EditMaxColors->setRange(1, DesignLimits::kMaxSide);
    EditMaxColors->setValue(500);
    Button2 = new QPushButton(page);
    Button2->setVisible(false);
    ComboBoxDithering = new QComboBox(page);
    GaugeBar1 = slider(Qt::Horizontal, 0, 100, 0, 5, page);
    GaugeBar1->setObjectName(QStringLiteral("GaugeBar1"));
    ImageFinal = pictureView(page);
    auto* form = new QFormLayout;
    const auto row = [&](const QString& caption, QWidget* field) {
        auto* label = new QLabel(page);
        form->addRow(label, field);
        m_captions << qMakePair(static_cast<QObject*>(label), caption);
    };
    row(TRANSLATABLE("Symbols"), ComboSymbols);
    row(TRANSLATABLE("Palettes"), ComboPalettes);
    row(TRANSLATABLE("Max colors"), LMaxColors);
    row(TRANSLATABLE("Colors count"), EditMaxColors);
    row(TRANSLATABLE("Dithering"), ComboBoxDithering);
    row(TRANSLATABLE("Dithering Level"), GaugeBar1);
    auto* layout = new QHBoxLayout(page);
    layout->addLayout(form);
    layout->addWidget(ImageFinal, 1);
    m_captions << qMakePair(static_cast<QObject*>(Button2), QString(TRANSLATABLE("Set used colors")));
    connect(ComboPalettes, &QComboBox::activated, this, &TFWizzard::ComboPalettesChange);
    connect(ComboSymbols, &QComboBox::activated, this, &TFWizzard::ComboPalettesChange);
    connect(EditMaxColors, &QSpinBox::valueChanged, Timer2, qOverload<>(&QTimer::start));
    connect(Button2, &QPushButton::clicked, this, &TFWizzard::Button2Click);
    connect(ComboBoxDithering, &QComboBox::activated, this, &TFWizzard::ComboBoxDitheringChange);
    connect(GaugeBar1, &QSlider::sliderReleased, this, &TFWizzard::GaugeBar1Change);
    // Keys move the level without a release: the level applies once they pause.
    connect(GaugeBar1, &QSlider::valueChanged, this, [this] {
        if (!GaugeBar1->isSliderDown())
            TimerLevel->start();
    });
    return page;
}

QWidget* TFWizzard::buttonRow()
{
    auto* row = new QWidget(this);
    BPrev = new QPushButton(row);
    BNext = new QPushButton(row);
    Button3 = new QPushButton(row);
    BHelp = new QPushButton(row);
    BGhostOnly = new QPushButton(row);
    BNext->setDefault(true);
    auto* layout = new QHBoxLayout(row);
    layout->addWidget(BHelp);
    layout->addWidget(BGhostOnly);
    layout->addStretch();
    layout->addWidget(BPrev);
    layout->addWidget(BNext);
    layout->addWidget(Button3);
    m_captions << qMakePair(static_cast<QObject*>(BPrev), QString(TRANSLATABLE("Prev")))
               << qMakePair(static_cast<QObject*>(Button3), QString(TRANSLATABLE("Cancel")))
               << qMakePair(static_cast<QObject*>(BHelp), QString(TRANSLATABLE("Help")))
               << qMakePair(static_cast<QObject*>(BGhostOnly), QString(TRANSLATABLE("Create empty template")));
    connect(BPrev, &QPushButton::clicked, this, &TFWizzard::BPrevClick);
    connect(BNext, &QPushButton::clicked, this, &TFWizzard::BNextClick);
    connect(Button3, &QPushButton::clicked, this, &QDialog::reject);
    connect(BHelp, &QPushButton::clicked, this, &TFWizzard::BHelpClick);
    connect(BGhostOnly, &QPushButton::clicked, this, &TFWizzard::BGhostOnlyClick);
    return row;
}

void TFWizzard::translate(const std::function<QString(const QString&)>& tr)
{
    m_translate = tr;
    const auto text = [&](const QString& key) { return tr ? tr(key) : key; };
    for (const auto& [object, key] : m_captions) {
        if (object == this)
            setWindowTitle(text(key));
        else if (auto* label = qobject_cast<QLabel*>(object))
            label->setText(text(key) + QStringLiteral(" :"));
        else if (auto* button = qobject_cast<QPushButton*>(object))
            button->setText(text(key));
    }
    const int dithering = std::max(0, ComboBoxDithering->currentIndex());
    ComboBoxDithering->clear();
    const QStringList methods{TRANSLATABLE("none"), QStringLiteral("Floyd-Steinberg"),
        QStringLiteral("Jarvis,Judice and Ninke"), QStringLiteral("Stucki"), QStringLiteral("Sierra Lite")};
    for (const QString& item : methods)
        ComboBoxDithering->addItem(text(item));
    ComboBoxDithering->setCurrentIndex(dithering);
    BNext->setText(text(FStep == 4 ? TRANSLATABLE("Finish") : TRANSLATABLE("Next")));
    FDitheringProgress->setWindowTitle(text(TRANSLATABLE("Wait")));
}
