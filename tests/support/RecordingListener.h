#pragma once
#include "model/DesignListener.h"
#include <QStringList>

// A listener that writes down every notification as one line, e.g. "fileSaved false" or
// "cell 3 4", so tests can assert what the core announced and in which order.
class RecordingListener : public DesignListener
{
public:
    QStringList calls;

    void clear() { calls.clear(); }
    bool has(const QString& line) const { return calls.contains(line); }
    int count(const QString& prefix) const;

    void fileSavedChanged(bool saved) override { add(QStringLiteral("fileSaved %1").arg(saved ? "true" : "false")); }
    void fileNameChanged(const QString& name) override { add(QStringLiteral("fileName ") + name); }
    void paletteNameChanged(const QString& key) override { add(QStringLiteral("palette ") + key); }
    void drawColorChanged(TColorRef color) override { add(QStringLiteral("drawColor %1").arg(color, 6, 16, QLatin1Char('0'))); }
    void penSizeChanged(int size) override { add(QStringLiteral("penSize %1").arg(size)); }
    void symbolSetChanged() override { add(QStringLiteral("symbolSet")); }
    void historyChanged(bool canUndo, bool canRedo) override
    {
        add(QStringLiteral("history %1 %2").arg(canUndo ? "undo" : "-", canRedo ? "redo" : "-"));
    }
    void cellChanged(int x, int y, bool refresh) override { add(QStringLiteral("cell %1 %2").arg(x).arg(y)); }
    void quarterChanged(int qx, int qy, bool refresh) override { add(QStringLiteral("quarter %1 %2").arg(qx).arg(qy)); }
    void cellsChanged(const QRect& r) override
    {
        add(QStringLiteral("cells %1 %2 %3 %4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height()));
    }
    void backStitchesChanged() override { add(QStringLiteral("backStitches")); }
    void frenchKnotsChanged() override { add(QStringLiteral("frenchKnots")); }
    void rhodesChanged() override { add(QStringLiteral("rhodes")); }
    void backgroundChanged() override { add(QStringLiteral("background")); }
    void designChanged() override { add(QStringLiteral("design")); }
    void colorBecameUsed(TColorRef color) override { add(QStringLiteral("used %1").arg(color, 6, 16, QLatin1Char('0'))); }
    void colorBecameUnused(TColorRef color, bool resort) override
    {
        add(QStringLiteral("unused %1").arg(color, 6, 16, QLatin1Char('0')));
    }
    void colorCountsChanged() override { add(QStringLiteral("counts")); }
    void colorListChanged() override { add(QStringLiteral("colorList")); }

private:
    void add(const QString& line) { calls << line; }
};
