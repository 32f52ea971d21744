// The text dialog: the stitches it shows are the ink of the text in the chosen font, whatever
// the thread colour, and OK with auto-enlarge asks for room first.
#include "editing/forms/TFText.h"
#include "editing/forms/TextPreview.h"
#include <QCheckBox>
#include <QComboBox>
#include <QFontComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {
constexpr TColorRef kWhite = 0xFFFFFF;
constexpr TColorRef kBlack = 0x000000;
constexpr TColorRef kRed = 0x0000FF;

struct TextDialog
{
    TextDialog()
    {
        dialog.ComboFont->setCurrentFont(QFont(QStringLiteral("DejaVu Sans")));
        dialog.prepare({{kWhite, QStringLiteral("White")}, {kBlack, QStringLiteral("Black")}, {kRed, QStringLiteral("Red")}},
            kBlack, 3, 0xFFFFFF);
    }
    TFText dialog;
};
} // namespace

TEST(TFText, ShowsTheInkSizeAndTheSameStitchesForEveryColour)
{
    TextDialog t;
    EXPECT_EQ(t.dialog.textColor(), kBlack);
    EXPECT_EQ(t.dialog.ComboStyle->currentIndex(), 1) << "Bold";
    QTest::keyClicks(t.dialog.EText, QStringLiteral("Ab"));
    const QImage black = t.dialog.mask();
    ASSERT_FALSE(black.isNull());
    EXPECT_EQ(t.dialog.LSize->text(), QStringLiteral("Size: %1x%2").arg(black.width()).arg(black.height()));
    EXPECT_EQ(t.dialog.ImagePreview->size(), black.size() * 3);

    t.dialog.ComboColor->setCurrentIndex(0);
    EXPECT_EQ(t.dialog.textColor(), kWhite);
    EXPECT_EQ(t.dialog.mask(), black) << "a white thread stitches the ink, not the whole box";

    t.dialog.ComboSize->setCurrentText(QStringLiteral("ten"));
    EXPECT_EQ(t.dialog.mask(), black) << "a size that is not a number is ignored";
    t.dialog.ComboSize->setCurrentText(QStringLiteral("20"));
    EXPECT_GT(t.dialog.mask().height(), black.height());
}

TEST(TFText, ThePreviewPaintsEachStitchAsAZoomBlockInTheThreadColour)
{
    TextDialog t;
    t.dialog.ComboColor->setCurrentIndex(2);
    QTest::keyClicks(t.dialog.EText, QStringLiteral("I"));
    const QImage mask = t.dialog.mask();
    const QImage shown = t.dialog.ImagePreview->grab().toImage();
    int checked = 0;
    for (int y = 0; y < mask.height(); ++y) {
        for (int x = 0; x < mask.width(); ++x) {
            const QRgb expected = mask.constScanLine(y)[x] ? qRgb(255, 0, 0) : qRgb(255, 255, 255);
            for (const QPoint& corner : {QPoint(0, 0), QPoint(2, 2)}) {
                EXPECT_EQ(shown.pixel(3 * x + corner.x(), 3 * y + corner.y()) & 0xFFFFFF, expected & 0xFFFFFF);
                ++checked;
            }
        }
    }
    EXPECT_GT(checked, 0);
}

TEST(TFText, OkAsksForRoomAndStaysOpenWhenRefused)
{
    TextDialog t;
    QTest::keyClicks(t.dialog.EText, QStringLiteral("Wide"));
    QList<QSize> asked;
    bool allow = false;
    t.dialog.enlarge = [&](const QSize& size) {
        asked << size;
        return allow;
    };
    t.dialog.show();
    t.dialog.BOK->click();
    EXPECT_EQ(asked, QList<QSize>{t.dialog.mask().size()});
    EXPECT_TRUE(t.dialog.isVisible());
    allow = true;
    t.dialog.BOK->click();
    EXPECT_FALSE(t.dialog.isVisible());
    EXPECT_EQ(t.dialog.result(), QDialog::Accepted);

    t.dialog.CBAutoEnlarge->setChecked(false);
    t.dialog.show();
    t.dialog.BOK->click();
    EXPECT_EQ(asked.size(), 2) << "auto-enlarge off asks nothing";
}

TEST(TFText, WithoutColoursOkIsDisabled)
{
    TFText dialog;
    dialog.prepare({}, kBlack, 8, 0xFFFFFF);
    EXPECT_FALSE(dialog.BOK->isEnabled());
}
