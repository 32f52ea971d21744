#include "model/Design.h"
#include "support/RecordingListener.h"
#include <gtest/gtest.h>

namespace {
// A record that writes down its calls into a shared log.
class LoggingAction : public TUndoAction
{
public:
    LoggingAction(Design& d, QStringList& log, QString name) : TUndoAction(d), m_log(log), m_name(std::move(name)) {}
    ~LoggingAction() override { m_log << QStringLiteral("destroy ") + m_name; }

private:
    void onUndo() override { m_log << QStringLiteral("undo ") + m_name; }
    void onExecute() override { m_log << QStringLiteral("execute ") + m_name; }

    QStringList& m_log;
    QString m_name;
};
} // namespace

TEST(TActions, UndoRedoFollowThePosition)
{
    QStringList log; // outlives the design, whose records write to it when destroyed
    Design d;
    RecordingListener listener;
    d.setListener(&listener);
    d.History.add(std::make_unique<LoggingAction>(d, log, QStringLiteral("a")));
    d.History.add(std::make_unique<LoggingAction>(d, log, QStringLiteral("b")));
    EXPECT_EQ(d.History.position(), 1);
    EXPECT_EQ(listener.calls.last(), QStringLiteral("history undo -"));

    d.History.Undo();
    d.History.Undo();
    d.History.Undo(); // nothing left: no call
    EXPECT_EQ(log, (QStringList{QStringLiteral("undo b"), QStringLiteral("undo a")}));
    EXPECT_EQ(d.History.position(), -1);
    EXPECT_EQ(listener.calls.last(), QStringLiteral("history - redo"));

    d.History.Redo();
    EXPECT_EQ(log.last(), QStringLiteral("execute a"));
    EXPECT_TRUE(d.History.canUndo());
    EXPECT_TRUE(d.History.canRedo());
}

TEST(TActions, ANewRecordDiscardsWhatCouldBeRedone)
{
    QStringList log; // outlives the design, whose records write to it when destroyed
    Design d;
    d.History.add(std::make_unique<LoggingAction>(d, log, QStringLiteral("a")));
    d.History.add(std::make_unique<LoggingAction>(d, log, QStringLiteral("b")));
    d.History.Undo();
    d.History.add(std::make_unique<LoggingAction>(d, log, QStringLiteral("c")));
    EXPECT_TRUE(log.contains(QStringLiteral("destroy b")));
    EXPECT_EQ(d.History.count(), 2);
    EXPECT_FALSE(d.History.canRedo());
}

TEST(TActions, EveryStepMarksTheDesignModified)
{
    QStringList log; // outlives the design, whose records write to it when destroyed
    Design d;
    d.History.add(std::make_unique<LoggingAction>(d, log, QStringLiteral("a")));
    for (auto step : {&TActions::Undo, &TActions::Redo}) {
        d.stitch.setFileSaved(true);
        (d.History.*step)();
        EXPECT_FALSE(d.stitch.fileSaved());
    }
    d.History.Reset();
    EXPECT_EQ(d.History.count(), 0);
    EXPECT_EQ(d.History.position(), -1);
}
