#pragma once
#include <QTextBrowser>

// The pane of the update window that shows the maker's information page. The page comes from
// the network, so it is shown as a document and nothing more: no scripts, nothing loaded from
// anywhere (not even local files) except pictures written into the page itself as data: URLs,
// and a clicked https link opens in the user's browser.
class InfoPageBrowser : public QTextBrowser
{
    Q_OBJECT
public:
    explicit InfoPageBrowser(QWidget* parent = nullptr);

    // The page's HTML in the encoding it declares (UTF-8 when it declares none).
    void showPage(const QByteArray& html);

    QVariant loadResource(int type, const QUrl& name) override;

private:
    void openLink(const QUrl& link);
};
