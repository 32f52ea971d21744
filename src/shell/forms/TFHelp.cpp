#include "shell/forms/TFHelp.h"
#include "model/Translatable.h"
#include "shell/Languages.h"
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QTextBrowser>
#include <QToolButton>
#include <QVBoxLayout>

TFHelp::TFHelp(QWidget* parent)
    : QWidget(parent, Qt::Window)
    , Browser(new QTextBrowser(this))
    , ButtonBack(new QToolButton(this))
    , ButtonForward(new QToolButton(this))
    , ButtonContents(new QToolButton(this))
    , ESearch(new QLineEdit(this))
    , LSearchResult(new QLabel(this))
{
    setObjectName(QStringLiteral("TFHelp"));
    Browser->setObjectName(QStringLiteral("Browser"));
    Browser->setOpenExternalLinks(true);
    ButtonBack->setIcon(style()->standardIcon(QStyle::SP_ArrowBack));
    ButtonForward->setIcon(style()->standardIcon(QStyle::SP_ArrowForward));
    for (QToolButton* b : {ButtonBack, ButtonForward, ButtonContents})
        b->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    ButtonBack->setEnabled(false);
    ButtonForward->setEnabled(false);
    ESearch->setObjectName(QStringLiteral("ESearch"));
    ESearch->setClearButtonEnabled(true);
    auto* bar = new QHBoxLayout;
    bar->addWidget(ButtonBack);
    bar->addWidget(ButtonForward);
    bar->addWidget(ButtonContents);
    bar->addStretch();
    bar->addWidget(LSearchResult);
    bar->addWidget(ESearch);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(Browser, 1);
    resize(820, 680);

    connect(ButtonBack, &QToolButton::clicked, Browser, &QTextBrowser::backward);
    connect(ButtonForward, &QToolButton::clicked, Browser, &QTextBrowser::forward);
    connect(Browser, &QTextBrowser::backwardAvailable, ButtonBack, &QToolButton::setEnabled);
    connect(Browser, &QTextBrowser::forwardAvailable, ButtonForward, &QToolButton::setEnabled);
    connect(ButtonContents, &QToolButton::clicked, this,
        [this] { showTopic(currentFile(), Languages::helpAnchor(0)); });
    connect(ESearch, &QLineEdit::returnPressed, this, &TFHelp::ESearchReturnPressed);
    connect(ESearch, &QLineEdit::textChanged, LSearchResult, &QLabel::clear);

    m_captions.addText(TRANSLATABLE("Help"), this);
    m_captions.addText(TRANSLATABLE("Back"), ButtonBack);
    m_captions.addText(TRANSLATABLE("Forward"), ButtonForward);
    m_captions.addText(TRANSLATABLE("Contents"), ButtonContents);
    m_captions.add(TRANSLATABLE("Search"), [this](const QString& t) { ESearch->setPlaceholderText(t); });
    translate({});
}

void TFHelp::translate(const CaptionTable::Translate& translate)
{
    m_translate = translate;
    m_captions.apply(translate ? translate : [](const QString& key) { return key; });
}

void TFHelp::showTopic(const QString& file, const QString& anchor)
{
    QUrl url = QUrl::fromLocalFile(file);
    url.setFragment(anchor);
    Browser->setSource(url);
    // The browser keeps its place when the page and anchor are the ones already shown.
    Browser->scrollToAnchor(anchor);
}

QString TFHelp::currentFile() const
{
    return Browser->source().toLocalFile();
}

QString TFHelp::currentAnchor() const
{
    return Browser->source().fragment();
}

bool TFHelp::findText(const QString& text)
{
    if (text.isEmpty())
        return false;
    if (Browser->find(text))
        return true;
    QTextCursor top = Browser->textCursor();
    top.movePosition(QTextCursor::Start);
    Browser->setTextCursor(top);
    return Browser->find(text);
}

void TFHelp::ESearchReturnPressed()
{
    const bool found = findText(ESearch->text());
    const QString notFound = TRANSLATABLE("Text not found");
    LSearchResult->setText(found || ESearch->text().isEmpty() ? QString()
                                                             : (m_translate ? m_translate(notFound) : notFound));
}
