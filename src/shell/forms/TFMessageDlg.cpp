#include "shell/forms/TFMessageDlg.h"
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

TFMessageDlg::TFMessageDlg(QWidget* parent)
    : QDialog(parent)
    , LabelMessage(new QLabel(this))
    , ButtonYes(new QPushButton(this))
    , ButtonNo(new QPushButton(this))
    , ButtonCancel(new QPushButton(this))
{
    setObjectName(QStringLiteral("TFMessageDlg"));
    auto* picture = new QLabel(this);
    picture->setPixmap(QIcon(QStringLiteral(":/icons/warning.svg")).pixmap(32, 32));
    picture->setAlignment(Qt::AlignTop);
    LabelMessage->setWordWrap(true);
    LabelMessage->setMinimumWidth(260);

    auto* top = new QHBoxLayout;
    top->addWidget(picture);
    top->addWidget(LabelMessage, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* b : {ButtonYes, ButtonNo, ButtonCancel})
        buttons->addWidget(b);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(buttons);

    connect(ButtonYes, &QPushButton::clicked, this, [this] { m_answer = Answer::Yes; accept(); });
    connect(ButtonNo, &QPushButton::clicked, this, [this] { m_answer = Answer::No; accept(); });
    connect(ButtonCancel, &QPushButton::clicked, this, [this] { m_answer = Answer::Cancel; reject(); });
    ButtonYes->setDefault(true);
}

Answer TFMessageDlg::ask(const QString& message, const QString& title, const QString& yes, const QString& no, const QString& cancel)
{
    setWindowTitle(title);
    LabelMessage->setText(message);
    ButtonYes->setText(yes);
    ButtonNo->setText(no);
    ButtonCancel->setText(cancel);
    m_answer = Answer::Cancel;
    adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    exec();
    return m_answer;
}
