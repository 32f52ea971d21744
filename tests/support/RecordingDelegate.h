#pragma once
#include "CliDelegate.h"
#include "CommandProcessor.h"
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>

// Collects what a command of threadwright-cli prints.
class RecordingDelegate : public CliDelegate
{
public:
    QString printed;
    QStringList errors;
    void out(const QString& text) override { printed += text; }
    void err(const QString& text) override { errors << text; }

    // Runs one command with `dataFolder` as its data, forgetting what earlier runs printed.
    int run(QStringList arguments, const QString& dataFolder)
    {
        printed.clear();
        errors.clear();
        arguments << QStringLiteral("--data") << dataFolder;
        CommandProcessor processor(*this);
        return processor.run(arguments);
    }

    QJsonObject printedJson() const { return QJsonDocument::fromJson(printed.toUtf8()).object(); }
};
