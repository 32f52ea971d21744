#include "shell/forms/WrappingToolBar.h"
#include "shell/forms/FlowLayout.h"
#include <QAction>
#include <QFrame>
#include <QToolButton>

WrappingToolBar::WrappingToolBar(QWidget* parent)
    : QWidget(parent)
    , m_layout(new FlowLayout(this))
{
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
}

QToolButton* WrappingToolBar::addAction(QAction* action)
{
    auto* button = new QToolButton(this);
    button->setDefaultAction(action);
    button->setAutoRaise(true);
    button->setIconSize(m_iconSize);
    button->setObjectName(action->objectName() + QStringLiteral("Button"));
    m_layout->addWidget(button);
    return button;
}

void WrappingToolBar::addWidget(QWidget* widget)
{
    widget->setParent(this);
    if (auto* button = qobject_cast<QToolButton*>(widget))
        button->setIconSize(m_iconSize);
    m_layout->addWidget(widget);
}

void WrappingToolBar::addSeparator()
{
    auto* line = new QFrame(this);
    line->setFrameShape(QFrame::VLine);
    line->setFrameShadow(QFrame::Sunken);
    line->setFixedSize(6, m_iconSize.height() + 6);
    m_layout->addWidget(line);
}
