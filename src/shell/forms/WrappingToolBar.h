#pragma once
#include <QWidget>

class FlowLayout;
class QAction;
class QToolButton;

// The main window's tool bar: a row of tool buttons that wraps onto more rows when the window
// is narrower than the buttons.
class WrappingToolBar : public QWidget
{
    Q_OBJECT
public:
    explicit WrappingToolBar(QWidget* parent = nullptr);

    QToolButton* addAction(QAction* action);
    void addWidget(QWidget* widget);
    void addSeparator();
    void setIconSize(const QSize& size) { m_iconSize = size; }

private:
    FlowLayout* m_layout;
    QSize m_iconSize{24, 24};
};
