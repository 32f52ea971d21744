#include "shell/forms/InfoPageBrowser.h"
#include <QDesktopServices>
#include <QStringDecoder>

InfoPageBrowser::InfoPageBrowser(QWidget* parent) : QTextBrowser(parent)
{
    setOpenLinks(false);
    setOpenExternalLinks(false);
    connect(this, &QTextBrowser::anchorClicked, this, &InfoPageBrowser::openLink);
}

void InfoPageBrowser::showPage(const QByteArray& html)
{
    QStringDecoder decoder(QStringConverter::encodingForHtml(html).value_or(QStringConverter::Utf8));
    setHtml(decoder.decode(html));
}

QVariant InfoPageBrowser::loadResource(int type, const QUrl& name)
{
    Q_UNUSED(type);
    if (name.scheme().compare(QLatin1String("data"), Qt::CaseInsensitive) != 0)
        return {};
    // data:[<type>][;base64],<payload>
    const QByteArray path = name.path(QUrl::FullyEncoded).toLatin1();
    const qsizetype comma = path.indexOf(',');
    if (comma < 0)
        return {};
    const QByteArray header = path.left(comma);
    const QByteArray payload = QByteArray::fromPercentEncoding(path.mid(comma + 1));
    return header.endsWith(";base64") ? QByteArray::fromBase64(payload) : payload;
}

void InfoPageBrowser::openLink(const QUrl& link)
{
    if (link.scheme().compare(QLatin1String("https"), Qt::CaseInsensitive) == 0)
        QDesktopServices::openUrl(link);
}
