// The "Help" menu: the help pages in the chosen language, the home page, the about box and the
// update check with its start-up timer.
#include "model/Design.h"
#include "model/Translatable.h"
#include "shell/Languages.h"
#include "shell/forms/MainDialogs.h"
#include "shell/forms/TFMain.h"
#include "shell/forms/TFHelp.h"
#include "shell/forms/TFUpdate.h"
#include <QApplication>
#include <QFileInfo>
#include <QMessageBox>
#include <QTimer>

// Opens the help page of the current language (English when it has none) at a topic: 0 is the
// contents, any other number the section of that dialog.
void TFMain::showHelp(int topic)
{
    openHelpAt(Languages::helpAnchor(topic));
}

TFHelp* TFMain::helpWindow() const
{
    return FHelp;
}

void TFMain::openHelpAt(const QString& anchor)
{
    const TStitch& doc = m_design->stitch;
    const QString file = Languages::helpFile(doc.HelpPath, doc.DefaultLanguage);
    if (!QFileInfo::exists(file)) {
        m_dialogs->warn(translate(TRANSLATABLE("The help file %1 is missing.")).arg(file));
        return;
    }
    // A modal dialog blocks every window but its own: the help window joins the dialog it was
    // asked from, and comes back to the main window afterwards.
    QWidget* owner = QApplication::activeModalWidget();
    if (!owner || owner == FHelp)
        owner = this;
    if (!FHelp)
        FHelp = new TFHelp(owner);
    else if (FHelp->parentWidget() != owner)
        FHelp->setParent(owner, Qt::Window);
    FHelp->translate([this](const QString& text) { return translate(text); });
    FHelp->showTopic(file, anchor);
    FHelp->show();
    FHelp->raise();
    FHelp->activateWindow();
}

void TFMain::MenuAboutClick()
{
    QMessageBox::about(this, translate(TRANSLATABLE("About")),
        QStringLiteral("<h3>Velwick Threadwright v5</h3><p>%1 " THREADWRIGHT_VERSION "</p><p>%2</p>"
                       "<p>GPL-3.0-or-later</p>")
            .arg(translate(TRANSLATABLE("Version")),
                translate(TRANSLATABLE("A chart editor for counted-thread needlework: cross stitch, back stitches, "
                                       "french knots, rhodes stitches and knitting charts."))));
}

// The update window is made once and reused; the timer is armed on the real start-up only, so
// the silent check runs at most once per run.
void TFMain::createUpdateCheck()
{
    FUpdate = new TFUpdate(*m_store, [this](const QString& text) { return translate(text); }, this);
    connect(FUpdate, &TFUpdate::helpRequested, this, &TFMain::showHelp);
    connect(MenuCheckUpdates, &QAction::triggered, this, &TFMain::MenuCheckForUpdatesClick);
    TimerCheckForUpdates = new QTimer(this);
    TimerCheckForUpdates->setObjectName(QStringLiteral("TimerCheckForUpdates"));
    TimerCheckForUpdates->setSingleShot(true);
    TimerCheckForUpdates->setInterval(20000);
    connect(TimerCheckForUpdates, &QTimer::timeout, this, &TFMain::TimerCheckForUpdatesTimer);
    m_updateCheckRan = false;
    FUpdate->vforceShow = false;
    if (fGeneral.updateCheckDue)
        TimerCheckForUpdates->start();
}

void TFMain::MenuCheckForUpdatesClick()
{
    FUpdate->vforceShow = true;
    if (FUpdate->isVisible())
        FUpdate->FormActivate();
    else
        FUpdate->show();
}

void TFMain::TimerCheckForUpdatesTimer()
{
    if (m_updateCheckRan)
        return;
    TimerCheckForUpdates->stop();
    m_updateCheckRan = true;
    if (FUpdate->isVisible())
        return;
    FUpdate->vforceShow = false;
    FUpdate->DoDownload();
}
