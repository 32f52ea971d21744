#pragma once
#include <QAbstractScrollArea>

class Design;

// The work view: the open design at the current zoom, scrolled by whole cells.
class TWorkView : public QAbstractScrollArea
{
    Q_OBJECT
public:
    explicit TWorkView(QWidget* parent = nullptr);

    void setDesign(Design* design);
    void setCellSize(int width, int height);
    void setGridVisible(bool visible);
    int cellWidth() const { return m_cellWidth; }
    int cellHeight() const { return m_cellHeight; }
    void updateScrollRanges();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    Design* m_design = nullptr;
    int m_cellWidth = 8;
    int m_cellHeight = 8;
    bool m_grid = true;
};
