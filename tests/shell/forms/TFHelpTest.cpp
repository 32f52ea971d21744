// The help window: opened at a topic in the current language, with back, forward and search.
#include "model/Design.h"
#include "shell/forms/TFHelp.h"
#include "shell/forms/TFMain.h"
#include "support/ui/ScriptedDialogs.h"
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>
#include <QTextBrowser>
#include <QToolButton>
#include <gtest/gtest.h>

TEST(TFHelp, OpensAtTheTopicAndGoesBackAndForward)
{
    TFMain main;
    auto* dialogs = new ScriptedDialogs;
    main.setDialogs(std::unique_ptr<MainDialogs>(dialogs));
    main.showHelp(3400);
    TFHelp* help = main.helpWindow();
    ASSERT_TRUE(help);
    EXPECT_TRUE(help->isVisible());
    EXPECT_TRUE(help->currentFile().endsWith(QStringLiteral("english.html")));
    EXPECT_EQ(help->currentAnchor(), QStringLiteral("topic-3400"));
    const int topicScroll = help->Browser->verticalScrollBar()->value();
    EXPECT_GT(topicScroll, 0) << "the page is scrolled to the topic";

    main.MenuIndex->trigger();
    EXPECT_EQ(help->currentAnchor(), QStringLiteral("contents"));
    EXPECT_LT(help->Browser->verticalScrollBar()->value(), topicScroll);
    ASSERT_TRUE(help->ButtonBack->isEnabled());
    QTest::mouseClick(help->ButtonBack, Qt::LeftButton);
    EXPECT_EQ(help->currentAnchor(), QStringLiteral("topic-3400"));
    ASSERT_TRUE(help->ButtonForward->isEnabled());
    QTest::mouseClick(help->ButtonForward, Qt::LeftButton);
    EXPECT_EQ(help->currentAnchor(), QStringLiteral("contents"));
    EXPECT_TRUE(dialogs->warned.isEmpty());
}

TEST(TFHelp, SearchesThePageAndFollowsTheLanguage)
{
    TFMain main;
    main.setDialogs(std::make_unique<ScriptedDialogs>());
    main.showHelp(0);
    TFHelp* help = main.helpWindow();
    ASSERT_TRUE(help);
    QTest::keyClicks(help->ESearch, QStringLiteral("Scrap thread"));
    QTest::keyClick(help->ESearch, Qt::Key_Return);
    EXPECT_EQ(help->Browser->textCursor().selectedText().toLower(), QStringLiteral("scrap thread"));
    EXPECT_TRUE(help->LSearchResult->text().isEmpty());
    help->ESearch->clear();
    QTest::keyClicks(help->ESearch, QStringLiteral("qqzzxx"));
    QTest::keyClick(help->ESearch, Qt::Key_Return);
    EXPECT_EQ(help->LSearchResult->text(), QStringLiteral("Text not found"));

    main.showHelp(3700);
    main.selectLanguage(QStringLiteral("deutsch.lang"));
    EXPECT_TRUE(help->currentFile().endsWith(QStringLiteral("deutsch.html")));
    EXPECT_EQ(help->currentAnchor(), QStringLiteral("topic-3700"));
    EXPECT_EQ(help->ButtonBack->text(), QStringLiteral("Zurück"));
    main.selectLanguage(QStringLiteral("english.lang"));
}
