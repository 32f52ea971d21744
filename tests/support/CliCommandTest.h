#pragma once
#include "support/RecordingDelegate.h"
#include "support/TestEnvironment.h"
#include <QDir>
#include <QJsonObject>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// A test of threadwright-cli commands run in-process with the shipped data, in a folder of
// its own.
class CliCommandTest : public ::testing::Test
{
protected:
    int run(const QStringList& arguments) { return delegate.run(arguments, TestEnvironment::sourceData()); }

    // `info FILE --json`, expected to succeed.
    QJsonObject infoJson(const QString& file)
    {
        EXPECT_EQ(run({QStringLiteral("info"), file, QStringLiteral("--json")}), 0) << delegate.errors.join('\n').toStdString();
        return delegate.printedJson();
    }

    QString path(const QString& name) const { return QDir(m_dir.path()).filePath(name); }

    QTemporaryDir m_dir;
    RecordingDelegate delegate;
};
