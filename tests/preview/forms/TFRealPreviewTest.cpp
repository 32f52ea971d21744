#include "preview/PreviewRenderer.h"
#include "preview/TFImages.h"
#include "preview/forms/PreviewArea.h"
#include "preview/forms/TFRealPreview.h"
#include "shell/forms/TFMain.h"
#include "support/TestDesigns.h"
#include "support/ui/ScriptedDialogs.h"
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QScrollBar>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>
#include <gtest/gtest.h>

namespace {
// The save dialog and the error box answered by the test.
class ScriptedPreview : public TFRealPreview
{
public:
    QString answer;
    QStringList asked;
    QStringList errors;

protected:
    QString chooseJpegFile(const QString& preset) override
    {
        asked << preset;
        return answer;
    }
    void showError(const QString& message) override { errors << message; }
};

void wheel(QWidget* target, QPoint at, int steps)
{
    QWheelEvent event(at, target->mapToGlobal(at), QPoint(), QPoint(0, 120 * steps), Qt::NoButton, Qt::NoModifier,
        Qt::NoScrollPhase, false);
    QApplication::sendEvent(target, &event);
}

std::unique_ptr<Design> stripes(int width, int height)
{
    QStringList rows;
    for (int y = 0; y < height; ++y)
        rows << QString(width, y % 3 ? QLatin1Char('.') : QLatin1Char('r'));
    return TestDesigns::fromRows(rows, {{'r', 0x2020D0}});
}
} // namespace

TEST(TFRealPreview, ShowsThePictureRenderedForTheExposedPartAndGreyAroundIt)
{
    auto d = stripes(12, 9);
    ScriptedPreview preview;
    preview.setDesign(d.get(), false);
    preview.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&preview));
    EXPECT_EQ(preview.windowTitle(), QStringLiteral("Real Preview"));
    EXPECT_EQ(preview.LabelZoom->text(), QStringLiteral("Zoom"));
    EXPECT_EQ(preview.MenuSaveasJPEG->text(), QStringLiteral("Save as JPEG ..."));
    EXPECT_EQ(preview.Zoom->minimum(), 5);
    EXPECT_EQ(preview.Zoom->maximum(), 50);
    EXPECT_EQ(preview.Zoom->value(), 8);

    preview.Zoom->setValue(20); // 240 x 180 pixels, smaller than the scroll box
    const QImage shown = preview.Image->viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    PreviewRenderer renderer(TFImages::instance());
    renderer.prepare(*d, 20, false);
    QImage expected(240, 180, QImage::Format_RGB32);
    renderer.DrawBitmap(expected, expected.rect());
    EXPECT_EQ(shown.copy(0, 0, 240, 180), expected);
    EXPECT_EQ(shown.pixel(245, 10), PreviewArea::kOutside);
    EXPECT_EQ(shown.pixel(10, 185), PreviewArea::kOutside);
}

TEST(TFRealPreview, TheWheelZoomsAroundThePointer)
{
    auto d = stripes(200, 200);
    ScriptedPreview preview;
    preview.resize(500, 400);
    preview.setDesign(d.get(), false);
    preview.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&preview));
    QScrollBar* h = preview.Image->horizontalScrollBar();
    QScrollBar* v = preview.Image->verticalScrollBar();

    wheel(preview.Image->viewport(), QPoint(0, 0), 1);
    EXPECT_EQ(preview.Zoom->value(), 9);
    EXPECT_EQ(h->value(), 0);
    EXPECT_EQ(v->value(), 0);

    // ((position + pointer) div zoom) x new zoom - pointer, on each axis.
    h->setValue(100);
    v->setValue(50);
    wheel(preview.Image->viewport(), QPoint(30, 7), -1);
    EXPECT_EQ(preview.Zoom->value(), 8);
    EXPECT_EQ(h->value(), (100 + 30) / 9 * 8 - 30);
    EXPECT_EQ(v->value(), (50 + 7) / 9 * 8 - 7);

    preview.Zoom->setValue(50);
    wheel(preview.Image->viewport(), QPoint(30, 7), 1);
    EXPECT_EQ(preview.Zoom->value(), 50);
}

TEST(TFRealPreview, SaveAsJpegWritesExactlyTheConfirmedFileOrRefusesATooWidePicture)
{
    QTemporaryDir dir;
    auto d = stripes(12, 9);
    d->stitch.SavePath = dir.path() + QLatin1Char('/');
    d->stitch.Title = QStringLiteral("Stripes");
    ScriptedPreview preview;
    preview.setDesign(d.get(), false);
    preview.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&preview));

    // A name the user confirmed with another extension, in a folder that does not exist yet.
    preview.answer = dir.filePath(QStringLiteral("new/stripes.jpeg"));
    preview.MenuSaveasJPEG->trigger();
    ASSERT_EQ(preview.asked, QStringList{dir.filePath(QStringLiteral("Stripes.jpg"))});
    EXPECT_TRUE(preview.errors.isEmpty());
    EXPECT_EQ(QImage(preview.answer).size(), QSize(96, 72));
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("new/stripes.jpg"))));

    preview.asked.clear();
    preview.answer.clear(); // cancelled
    preview.MenuSaveasJPEG->trigger();
    EXPECT_EQ(preview.asked.size(), 1);
    EXPECT_TRUE(preview.errors.isEmpty());

    auto wide = stripes(1400, 1);
    preview.close();
    preview.setDesign(wide.get(), false);
    preview.show();
    preview.Zoom->setValue(50);
    preview.asked.clear();
    preview.MenuSaveasJPEG->trigger();
    EXPECT_TRUE(preview.asked.isEmpty());
    ASSERT_EQ(preview.errors.size(), 1);
    EXPECT_TRUE(preview.errors[0].contains(QStringLiteral("70000 x 50"))) << preview.errors[0].toStdString();
}

TEST(TFRealPreview, TheMainWindowOpensItFromTheViewMenu)
{
    TFMain main;
    main.setDialogs(std::make_unique<ScriptedDialogs>());
    main.show();
    QString opened;
    QTimer::singleShot(0, [&opened] {
        if (auto* preview = qobject_cast<TFRealPreview*>(QApplication::activeModalWidget())) {
            opened = preview->windowTitle();
            preview->close();
        }
    });
    main.MenuRealPreview->trigger();
    EXPECT_EQ(opened, QStringLiteral("Real Preview"));
}
