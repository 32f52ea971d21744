#pragma once
#include "CliDelegate.h"
#include <QStringList>

// Collects what a command of threadwright-cli prints.
class RecordingDelegate : public CliDelegate
{
public:
    QString printed;
    QStringList errors;
    void out(const QString& text) override { printed += text; }
    void err(const QString& text) override { errors << text; }
};
