#pragma once
#include "shell/TVersionInfo.h"
#include "shell/forms/CaptionTable.h"
#include <QDialog>
#include <QTimer>
#include <functional>

class InfoPageBrowser;
class QAction;
class QLabel;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;
class SettingsStore;
class UpdateFetcher;

// "Check for updates": asks the update server for its list of installers and offers a newer
// release of the installed major version, beside the maker's information page. Opened by the
// menu entry, the check runs inside the open window; run by the start-up timer, it stays hidden
// and silent unless it finds an update. Nothing of the answer is saved, opened or run.
//
// The request never blocks: the window stays responsive and "Close" ends it.
class TFUpdate : public QDialog
{
    Q_OBJECT
public:
    using Translate = std::function<QString(const QString&)>;
    enum Group { GroupProgram, GroupHelp, GroupPalettes };

    TFUpdate(SettingsStore& store, Translate translate, QWidget* parent = nullptr);
    ~TFUpdate() override;

    // Set by the menu entry: the window's next activation runs the check.
    bool vforceShow = false;
    QString messageCheckForUpdates;
    QString messageClose;
    QString messageNoInternet;

    void FormActivate();
    // Asks the server for its list; on success moves the due date and reads the list.
    void DoDownload();
    // Reads the installed record and the server's list, fills the list view, asks for the
    // information page, and opens the window when an update was found and it is hidden.
    void loadFromXML(const QByteArray& serverList);

    // Whether a request (list or page) is still running.
    bool checking() const;
    // The line under the heading: what the check is doing or how it ended.
    QString statusText() const;
    bool statusIsWarning() const;

    QLabel *LabelHeading, *LabelStatus, *ImageStatus, *ImageLogo, *LabelAvailable;
    QWidget* PanelUpdate;
    QTreeWidget* ListView1;
    InfoPageBrowser* WebBrowser1;
    QAction* ActCancel;
    QPushButton *ButtonCancel, *ButtonHelp;

Q_SIGNALS:
    void helpRequested(int topic);

public Q_SLOTS:
    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    QWidget* createHeader();
    QWidget* createPanel();
    void createCaptions();
    void clearRows();
    void addProgramRow(const TVersionInfo& offer, const TVersionInfo& installed);
    void setStatus(const QString& text, bool warning);
    void fail(const QString& message, const QString& reason);
    void listDownloaded(const QByteArray& bytes);
    void showWhenFree();

    SettingsStore& m_store;
    Translate m_translate;
    CaptionTable m_captions;
    UpdateFetcher* m_listFetcher;
    UpdateFetcher* m_pageFetcher;
    // Whether the running check was asked for by the user (the window was open).
    bool m_manual = false;
    bool m_warning = false;
    // An update found while another modal dialog is open waits until that dialog has closed.
    QTimer m_waitForModal;
};
