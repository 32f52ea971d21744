// Every help topic the windows open is an anchor of every shipped help page, so a translated
// page never opens at its top instead of the dialog's section.
#include "shell/Languages.h"
#include "support/TestEnvironment.h"
#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

TEST(HelpTopics, EveryDialogTopicIsAnAnchorOfEveryHelpPage)
{
    // Contents, update check, CMYK colours, design settings, options, palette editor.
    const int topics[] = {0, 295, 3150, 3400, 3700, 4200};
    const QString folder = TestEnvironment::sourceData(QStringLiteral("help/"));
    const QStringList pages = QDir(folder).entryList({QStringLiteral("*.html")});
    ASSERT_EQ(pages.size(), 3);
    for (const QString& page : pages) {
        QFile file(folder + page);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray html = file.readAll();
        for (int topic : topics) {
            const QByteArray anchor = "id=\"" + Languages::helpAnchor(topic).toUtf8() + "\"";
            EXPECT_TRUE(html.contains(anchor)) << page.toStdString() << " " << topic;
        }
    }
    EXPECT_EQ(Languages::helpFile(folder, QStringLiteral("klingon.lang")), folder + QStringLiteral("english.html"));
}
