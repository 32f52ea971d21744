#include "shell/forms/TFUpdate.h"
#include "model/Translatable.h"
#include "net/UpdateFetcher.h"
#include "shell/SettingsStore.h"
#include "shell/Startup.h"
#include "shell/UpdateCheck.h"
#include "shell/forms/InfoPageBrowser.h"
#include <QAction>
#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {
constexpr int kHelpTopic = 295;
constexpr int kListWidth = 331;
// Columns shown, then the installer's details the row keeps, hidden.
enum Column { ColName, ColAvailable, ColInstalled, ColProduct, ColURL, ColFilename, ColMajorMinor, ColRelease, ColCount };
} // namespace

TFUpdate::TFUpdate(SettingsStore& store, Translate translate, QWidget* parent)
    : QDialog(parent)
    , m_store(store)
    , m_translate(std::move(translate))
    , m_listFetcher(new UpdateFetcher(this))
    , m_pageFetcher(new UpdateFetcher(this))
{
    setObjectName(QStringLiteral("TFUpdate"));
    setModal(true);
    setMinimumSize(700, 650);
    ActCancel = new QAction(this);
    ActCancel->setObjectName(QStringLiteral("ActCancel"));
    ButtonCancel = new QPushButton(this);
    ButtonCancel->setObjectName(QStringLiteral("ButtonCancel"));
    ButtonHelp = new QPushButton(this);
    ButtonHelp->setObjectName(QStringLiteral("ButtonHelp"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ButtonCancel);
    buttons->addStretch(1);
    buttons->addWidget(ButtonHelp);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 8);
    layout->addWidget(createHeader());
    layout->addWidget(createPanel(), 1);
    layout->addLayout(buttons);

    connect(ButtonCancel, &QPushButton::clicked, ActCancel, &QAction::trigger);
    connect(ActCancel, &QAction::triggered, this, &QDialog::accept);
    connect(ButtonHelp, &QPushButton::clicked, this, [this] { Q_EMIT helpRequested(kHelpTopic); });
    connect(m_listFetcher, &UpdateFetcher::succeeded, this, &TFUpdate::listDownloaded);
    connect(m_listFetcher, &UpdateFetcher::failed, this,
        [this](const QString& reason) { fail(messageNoInternet, reason); });
    connect(m_pageFetcher, &UpdateFetcher::succeeded, WebBrowser1, &InfoPageBrowser::showPage);
    // A page that cannot be had leaves the pane empty; the check itself is not affected.
    connect(m_pageFetcher, &UpdateFetcher::failed, WebBrowser1, &QTextBrowser::clear);
    m_waitForModal.setInterval(300);
    connect(&m_waitForModal, &QTimer::timeout, this, &TFUpdate::showWhenFree);
    createCaptions();
    m_captions.apply(m_translate);
}

TFUpdate::~TFUpdate() = default;

QWidget* TFUpdate::createHeader()
{
    auto* header = new QWidget(this);
    header->setObjectName(QStringLiteral("PanelHeader"));
    header->setAutoFillBackground(true);
    QPalette white = header->palette();
    white.setColor(QPalette::Window, Qt::white);
    white.setColor(QPalette::WindowText, Qt::black);
    header->setPalette(white);
    LabelHeading = new QLabel(header);
    QFont bold = LabelHeading->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.3);
    LabelHeading->setFont(bold);
    LabelStatus = new QLabel(header);
    LabelStatus->setObjectName(QStringLiteral("LabelStatus"));
    LabelStatus->setWordWrap(true);
    LabelStatus->setTextFormat(Qt::PlainText);
    LabelStatus->setTextInteractionFlags(Qt::TextSelectableByMouse);
    ImageStatus = new QLabel(header);
    const int iconSize = style()->pixelMetric(QStyle::PM_SmallIconSize);
    ImageStatus->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(iconSize));
    ImageStatus->hide();
    ImageLogo = new QLabel(header);
    ImageLogo->setPixmap(QIcon(QStringLiteral(":/icons/threadwright.svg")).pixmap(64, 64));

    auto* statusRow = new QHBoxLayout;
    statusRow->addWidget(ImageStatus, 0, Qt::AlignTop);
    statusRow->addWidget(LabelStatus, 1);
    auto* text = new QVBoxLayout;
    text->addWidget(LabelHeading);
    text->addLayout(statusRow);
    auto* row = new QHBoxLayout(header);
    row->setContentsMargins(16, 10, 16, 10);
    row->addLayout(text, 1);
    row->addWidget(ImageLogo, 0, Qt::AlignVCenter);
    return header;
}

QWidget* TFUpdate::createPanel()
{
    PanelUpdate = new QWidget(this);
    PanelUpdate->setObjectName(QStringLiteral("PanelUpdate"));
    LabelAvailable = new QLabel(PanelUpdate);
    QFont bold = LabelAvailable->font();
    bold.setBold(true);
    LabelAvailable->setFont(bold);

    ListView1 = new QTreeWidget(PanelUpdate);
    ListView1->setObjectName(QStringLiteral("ListView1"));
    ListView1->setFixedWidth(kListWidth);
    ListView1->setColumnCount(ColCount);
    ListView1->setRootIsDecorated(false);
    ListView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ListView1->setSelectionBehavior(QAbstractItemView::SelectRows);
    ListView1->header()->setStretchLastSection(false);
    const std::pair<int, int> widths[] = {{ColName, 188}, {ColAvailable, 60}, {ColInstalled, 60}};
    for (const auto& [column, width] : widths)
        ListView1->setColumnWidth(column, width);
    for (int column = ColProduct; column < ColCount; ++column)
        ListView1->setColumnHidden(column, true);
    for (int group = GroupProgram; group <= GroupPalettes; ++group) {
        auto* item = new QTreeWidgetItem(ListView1);
        item->setFlags(Qt::ItemIsEnabled);
        item->setFirstColumnSpanned(true);
        QFont font = item->font(ColName);
        font.setBold(true);
        item->setFont(ColName, font);
    }
    ListView1->expandAll();

    WebBrowser1 = new InfoPageBrowser(PanelUpdate);
    WebBrowser1->setObjectName(QStringLiteral("WebBrowser1"));
    auto* columns = new QHBoxLayout;
    columns->addWidget(ListView1);
    columns->addWidget(WebBrowser1, 1);
    auto* layout = new QVBoxLayout(PanelUpdate);
    layout->setContentsMargins(12, 8, 12, 8);
    layout->addWidget(LabelAvailable);
    layout->addLayout(columns, 1);
    return PanelUpdate;
}

void TFUpdate::createCaptions()
{
    CaptionTable& c = m_captions;
    c.add(TRANSLATABLE("Check for updates"), [this](const QString& t) {
        messageCheckForUpdates = t;
        setWindowTitle(t);
    });
    c.add(TRANSLATABLE("Close"), [this](const QString& t) {
        messageClose = t;
        ActCancel->setText(t);
        ButtonCancel->setText(t);
    });
    c.add(TRANSLATABLE("No internet connection"), [this](const QString& t) { messageNoInternet = t; });
    c.add(TRANSLATABLE("Updates"), [this](const QString& t) { LabelHeading->setText(t); });
    c.add(TRANSLATABLE("Available Updates"), [this](const QString& t) { LabelAvailable->setText(t); });
    c.add(TRANSLATABLE("Help"), [this](const QString& t) { ButtonHelp->setText(t); });
    c.add(TRANSLATABLE("Name"), [this](const QString& t) { ListView1->headerItem()->setText(ColName, t); });
    c.add(TRANSLATABLE("Available"), [this](const QString& t) { ListView1->headerItem()->setText(ColAvailable, t); });
    c.add(TRANSLATABLE("Installed"), [this](const QString& t) { ListView1->headerItem()->setText(ColInstalled, t); });
    c.add(TRANSLATABLE("Program"), [this](const QString& t) { ListView1->topLevelItem(GroupProgram)->setText(ColName, t); });
    c.add(TRANSLATABLE("Help files"), [this](const QString& t) { ListView1->topLevelItem(GroupHelp)->setText(ColName, t); });
    c.add(TRANSLATABLE("Palettes"), [this](const QString& t) { ListView1->topLevelItem(GroupPalettes)->setText(ColName, t); });
}

void TFUpdate::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    FormActivate();
}

void TFUpdate::FormActivate()
{
    if (!vforceShow)
        return;
    vforceShow = false;
    m_captions.apply(m_translate);
    WebBrowser1->clear();
    DoDownload();
}

void TFUpdate::DoDownload()
{
    m_manual = isVisible();
    m_pageFetcher->abort();
    if (m_manual)
        PanelUpdate->hide();
    const QString address = UpdateCheck::serverListAddress(m_store);
    if (address.isEmpty()) {
        fail(m_translate(TRANSLATABLE("No update server is set up.")), QString());
        return;
    }
    setStatus(m_translate(TRANSLATABLE("Looking for updates. It may take a few minutes. Please wait.")), false);
    m_listFetcher->fetch(QUrl(address), UpdateFetcher::kListBytes);
}

void TFUpdate::listDownloaded(const QByteArray& bytes)
{
    UpdateCheck::moveDueDate(m_store, QDateTime::currentDateTime());
    PanelUpdate->show();
    loadFromXML(bytes);
}

void TFUpdate::loadFromXML(const QByteArray& serverList)
{
    clearRows();
    Status status;
    const QString record = Startup::installFolder(m_store) + QStringLiteral("CurrentVersion.xml");
    const std::optional<InstalledVersions> installed = UpdateCheck::loadInstalled(record, &status);
    if (!installed) {
        fail(status.text(), QString());
        return;
    }
    const std::optional<QList<TVersionInfo>> installers = UpdateCheck::readServerList(serverList, &status);
    if (!installers) {
        fail(m_translate(TRANSLATABLE("The update list could not be read.")), status.text());
        return;
    }
    const QString page = UpdateCheck::infoPageAddress(m_store);
    if (!page.isEmpty()) {
        const QString language = m_store.readString(QStringLiteral("DefaultLanguage"));
        m_pageFetcher->fetch(UpdateCheck::infoPageUrl(page, language, installed->program), UpdateFetcher::kPageBytes);
    }
    const std::optional<TVersionInfo> offer = UpdateCheck::candidate(installed->program, *installers);
    if (!offer) {
        setStatus(m_translate(TRANSLATABLE("No new version for Threadwright is available")), false);
        return;
    }
    addProgramRow(*offer, installed->program);
    setStatus(QStringLiteral("%1 %2 %3").arg(m_translate(TRANSLATABLE("Upgrade to version")), offer->version(),
                  m_translate(TRANSLATABLE("of Threadwright"))),
        false);
    if (!isVisible())
        showWhenFree();
}

void TFUpdate::clearRows()
{
    for (int group = GroupProgram; group <= GroupPalettes; ++group)
        qDeleteAll(ListView1->topLevelItem(group)->takeChildren());
}

void TFUpdate::addProgramRow(const TVersionInfo& offer, const TVersionInfo& installed)
{
    auto* row = new QTreeWidgetItem(ListView1->topLevelItem(GroupProgram));
    row->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
    row->setCheckState(ColName, Qt::Checked);
    row->setText(ColName, offer.Name);
    row->setText(ColAvailable, offer.version());
    row->setText(ColInstalled, installed.version());
    row->setText(ColProduct, UpdateCheck::productName());
    row->setText(ColURL, offer.URL);
    row->setText(ColFilename, offer.Filename);
    row->setText(ColMajorMinor, QStringLiteral("%1.%2").arg(offer.Major).arg(offer.Minor));
    row->setText(ColRelease, QString::number(offer.Release));
    // The server's text is only ever shown, escaped, and never followed.
    const QString details = offer.Filename + QLatin1Char('\n') + offer.URL;
    row->setToolTip(ColName, QStringLiteral("<p style=\"white-space:pre\">%1</p>").arg(details.toHtmlEscaped()));
    ListView1->expandAll();
}

void TFUpdate::setStatus(const QString& text, bool warning)
{
    m_warning = warning;
    LabelStatus->setText(text);
    ImageStatus->setVisible(warning);
}

// A check that fails says so in the open window, with the reason on a line of its own; the
// automatic check stays silent.
void TFUpdate::fail(const QString& message, const QString& reason)
{
    if (!m_manual)
        return;
    setStatus(reason.isEmpty() ? message : message + QLatin1Char('\n') + reason, true);
}

void TFUpdate::showWhenFree()
{
    if (!isVisible() && QApplication::activeModalWidget()) {
        m_waitForModal.start();
        return;
    }
    m_waitForModal.stop();
    vforceShow = false;
    show();
}

bool TFUpdate::checking() const
{
    return m_listFetcher->busy() || m_pageFetcher->busy();
}

QString TFUpdate::statusText() const
{
    return LabelStatus->text();
}

bool TFUpdate::statusIsWarning() const
{
    return m_warning;
}

void TFUpdate::done(int result)
{
    m_waitForModal.stop();
    m_listFetcher->abort();
    m_pageFetcher->abort();
    QDialog::done(result);
}
