#pragma once
#include <QDialog>
#include <functional>

class GhostImage;
class QLabel;
class QPushButton;
class QScrollBar;

// "Shadow image": the design's shadow picture in a window of its own, zoomed with the bar at
// the left (1:1 at position 98), fitted with "Fit", scrolled with the bars below and right. It
// shows the copy it was given when it was last shown.
class TFGhost : public QDialog
{
    Q_OBJECT
public:
    using Translate = std::function<QString(const QString&)>;

    explicit TFGhost(QWidget* parent = nullptr);

    void setPicture(const QImage& picture);
    void applyCaptions(const Translate& translate);

    void ScrollBar1Change();
    void Button1Click();
    void BFitClick();

    GhostImage* Image;
    QScrollBar* HScroll;
    QScrollBar* VScroll;
    QScrollBar* ScrollBar1;
    QPushButton* Button1;
    QPushButton* BFit;
    QLabel* LZoom;

Q_SIGNALS:
    // The close box ended the window (not a hide by the main window).
    void closedByUser();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void layoutScroll(QScrollBar* bar, int view, int picture, double scale);
};
