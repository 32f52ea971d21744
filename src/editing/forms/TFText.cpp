#include "editing/forms/TFText.h"
#include "editing/forms/TextPreview.h"
#include "model/Translatable.h"
#include "shell/forms/CaptionTable.h"
#include <QCheckBox>
#include <QComboBox>
#include <QFontComboBox>
#include <QFontInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace {
constexpr int kHelpTopic = 1400;
const char* const kSizes[] = {"8", "9", "10", "11", "12", "14", "16", "18", "20", "22", "24", "26", "28", "36", "48", "72"};

QIcon swatch(TColorRef color)
{
    QPixmap picture(24, 16);
    picture.fill(QColor(redOf(color), greenOf(color), blueOf(color)));
    QPainter(&picture).drawRect(0, 0, 23, 15);
    return QIcon(picture);
}
} // namespace

TFText::TFText(QWidget* parent)
    : QDialog(parent)
    , ComboFont(new QFontComboBox(this))
    , ComboSize(new QComboBox(this))
    , ComboStyle(new QComboBox(this))
    , ComboColor(new QComboBox(this))
    , EText(new QLineEdit(this))
    , ImagePreview(new TextPreview)
    , ScrollBox1(new QScrollArea(this))
    , LSize(new QLabel(this))
    , CBAutoEnlarge(new QCheckBox(this))
    , BOK(new QPushButton(this))
    , BCancel(new QPushButton(this))
    , BHelp(new QPushButton(this))
{
    setObjectName(QStringLiteral("TFText"));
    // The family the font configuration gives for "Arial" (Liberation Sans on most systems).
    ComboFont->setCurrentFont(QFont(QFontInfo(QFont(QStringLiteral("Arial"))).family()));
    ComboSize->setEditable(true);
    for (const char* size : kSizes)
        ComboSize->addItem(QString::fromLatin1(size));
    ComboSize->setCurrentText(QStringLiteral("10"));
    ComboStyle->addItems({QString(), QString(), QString(), QString()});
    ComboStyle->setCurrentIndex(TextStitches::styleBold);
    CBAutoEnlarge->setChecked(true);
    ScrollBox1->setWidget(ImagePreview);
    ScrollBox1->setMinimumSize(420, 160);
    BOK->setDefault(true);

    auto* fields = new QGridLayout;
    const auto label = [this, fields](const QString& key, int row, int column) {
        auto* l = new QLabel(this);
        fields->addWidget(l, row, column);
        m_labels.append({l, key});
    };
    label(TRANSLATABLE("Font"), 0, 0);
    fields->addWidget(ComboFont, 0, 1, 1, 5);
    label(TRANSLATABLE("Size"), 1, 0);
    fields->addWidget(ComboSize, 1, 1);
    label(TRANSLATABLE("Style"), 1, 2);
    fields->addWidget(ComboStyle, 1, 3);
    label(TRANSLATABLE("Color"), 1, 4);
    fields->addWidget(ComboColor, 1, 5);
    label(TRANSLATABLE("Text"), 2, 0);
    fields->addWidget(EText, 2, 1, 1, 5);
    fields->setColumnStretch(5, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(CBAutoEnlarge);
    buttons->addStretch();
    for (QPushButton* b : {BOK, BCancel, BHelp})
        buttons->addWidget(b);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(ScrollBox1, 1);
    layout->addWidget(LSize);
    layout->addLayout(buttons);

    connect(ComboFont, &QFontComboBox::currentFontChanged, this, &TFText::drawtext);
    connect(ComboSize, &QComboBox::currentTextChanged, this, [this](const QString& typed) {
        if (const int points = TextStitches::pointsFrom(typed)) {
            m_points = points;
            drawtext();
        }
    });
    connect(ComboStyle, &QComboBox::currentIndexChanged, this, &TFText::drawtext);
    connect(ComboColor, &QComboBox::currentIndexChanged, this, &TFText::drawtext);
    connect(EText, &QLineEdit::textChanged, this, &TFText::drawtext);
    connect(BOK, &QPushButton::clicked, this, &TFText::BOKClick);
    connect(BCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(BHelp, &QPushButton::clicked, this, [this] {
        if (showHelp)
            showHelp(kHelpTopic);
    });
    translate({});
}

void TFText::translate(const std::function<QString(const QString&)>& tr)
{
    m_translate = tr ? tr : [](const QString& t) { return t; };
    CaptionTable captions;
    captions.add(TRANSLATABLE("Insert text"), [this](const QString& t) { setWindowTitle(t); });
    for (const auto& [l, key] : m_labels)
        captions.add(key, [l = l](const QString& t) { l->setText(t); }, QStringLiteral(" :"));
    const QString styles[] = {TRANSLATABLE("Regular"), TRANSLATABLE("Bold"), TRANSLATABLE("Italic"),
        TRANSLATABLE("Bold Italic")};
    for (int i = 0; i < 4; ++i)
        captions.add(styles[i], [this, i](const QString& t) { ComboStyle->setItemText(i, t); });
    captions.add(TRANSLATABLE("Auto enlarge main picture"), [this](const QString& t) { CBAutoEnlarge->setText(t); });
    captions.add(TRANSLATABLE("OK"), [this](const QString& t) { BOK->setText(t); });
    captions.add(TRANSLATABLE("Cancel"), [this](const QString& t) { BCancel->setText(t); });
    captions.add(TRANSLATABLE("Help"), [this](const QString& t) { BHelp->setText(t); });
    captions.apply(m_translate);
    drawtext();
}

// The colour list in palette order with the drawing colour selected (else the first colour); an
// empty text, and OK only when there is a colour to stitch with.
void TFText::prepare(const QList<Colour>& colours, TColorRef drawColor, int zoom, TColorRef backgroundColor)
{
    m_zoom = zoom;
    ComboColor->blockSignals(true);
    ComboColor->clear();
    int current = 0;
    for (const Colour& c : colours) {
        if (c.color == drawColor)
            current = ComboColor->count();
        ComboColor->addItem(swatch(c.color), c.name, QVariant::fromValue(c.color));
    }
    ComboColor->setCurrentIndex(colours.isEmpty() ? -1 : current);
    ComboColor->blockSignals(false);
    BOK->setEnabled(!colours.isEmpty());
    m_background = backgroundColor;
    EText->clear();
    EText->setFocus();
    drawtext();
}

TColorRef TFText::textColor() const
{
    return ComboColor->currentData().value<TColorRef>();
}

void TFText::drawtext()
{
    const auto style = TextStitches::Style(std::max(0, ComboStyle->currentIndex()));
    ImageTest = TextStitches::render(EText->text(), ComboFont->currentFont().family(), m_points, style);
    LSize->setText(m_translate(TRANSLATABLE("Size")) + QStringLiteral(": %1x%2").arg(ImageTest.width()).arg(ImageTest.height()));
    ImagePreview->display(ImageTest, rgbOf(textColor()), rgbOf(m_background), m_zoom);
}

void TFText::BOKClick()
{
    const bool larger = ImageTest.width() > 0;
    if (CBAutoEnlarge->isChecked() && larger && enlarge && !enlarge(ImageTest.size()))
        return;
    accept();
}
