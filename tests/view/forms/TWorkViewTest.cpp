#include "model/ColorUsage.h"
#include "shell/forms/TFMain.h"
#include "support/TestDesigns.h"
#include "support/ui/ScriptedDialogs.h"
#include "view/forms/TWorkView.h"
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>
#include <QWheelEvent>
#include <gtest/gtest.h>

namespace {
void wheel(QWidget* target, int steps, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    const QPointF at(10, 10);
    QWheelEvent event(at, target->mapToGlobal(at), QPoint(), QPoint(0, 120 * steps), Qt::NoButton, modifiers,
        Qt::NoScrollPhase, false);
    QApplication::sendEvent(target, &event);
}
} // namespace

TEST(TWorkView, WheelScrollsAndTheFrameFollows)
{
    auto d = TestDesigns::fromRows({"r...", "....", "....", "...b"}, {{'r', 0x0000FF}, {'b', 0xFF0000}});
    TWorkView view;
    view.resize(200, 200);
    view.setDesign(d.get());
    view.setZoom(40, false);
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    EXPECT_EQ(view.frame().pixel(5, 5) | 0xFF000000u, 0xFFFF0000u);

    wheel(view.viewport(), -1); // down by three rows
    EXPECT_EQ(view.verticalScrollBar()->value(), 3);
    wheel(view.viewport(), -1, Qt::ShiftModifier); // right by three columns
    EXPECT_EQ(view.horizontalScrollBar()->value(), 3);
    EXPECT_EQ(view.frame().pixel(5, 5) | 0xFF000000u, 0xFF0000FFu);

    // Scrolled to the last column, one column is left and the rest is grey.
    EXPECT_EQ(view.frame().pixel(45, 5) | 0xFF000000u, ChartRenderer::kOutside);
}

TEST(TWorkView, ZoomWithTheButtonsTheWheelAndThePercentageMenu)
{
    TFMain main;
    main.setDialogs(std::make_unique<ScriptedDialogs>());
    main.show();
    EXPECT_EQ(main.ButtonZoom->text(), QStringLiteral("200%"));
    EXPECT_EQ(main.Image->cellWidth(), 8);
    main.ButtonZoomInc->trigger();
    EXPECT_EQ(main.Image->cellWidth(), 10);
    EXPECT_EQ(main.ButtonZoom->text(), QStringLiteral("250%"));
    wheel(main.Image->viewport(), 2, Qt::ControlModifier);
    EXPECT_EQ(main.Image->cellWidth(), 14);
    for (int i = 0; i < 20; ++i)
        main.ButtonZoomDec->trigger();
    EXPECT_EQ(main.Image->cellWidth(), 2);
    EXPECT_EQ(main.ButtonZoom->text(), QStringLiteral("50%"));
    main.ButtonZoom->menu()->actions().last()->trigger();
    EXPECT_EQ(main.Image->cellWidth(), 40);

    // The pointer position shows 1-based in the status bar.
    QTest::mouseMove(main.Image->viewport(), QPoint(85, 45));
    EXPECT_EQ(main.statusPanelText(0), QStringLiteral("X: 3  Y: 2"));
}
