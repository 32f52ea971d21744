#pragma once
#include "shell/forms/MainDialogs.h"

class TFMain;

// The dialogs the program shows: the three-button question, message boxes, the file dialogs
// and the application-mode dialog, captioned through the main window's translation.
class RealMainDialogs : public MainDialogs
{
public:
    explicit RealMainDialogs(TFMain& main) : m_main(main) {}

    Answer ask(const QString& message) override;
    void inform(const QString& message) override;
    void warn(const QString& message) override;
    QString openFileName(const QString& folder, const QString& filter) override;
    QString saveFileName(const QString& folder, const QString& preset, const QString& filter) override;
    int chooseApplicationMode() override;
    bool chooseNewDesign(NewDesignChoice& choice) override;
    bool chooseInsertion(InsertChoice& choice) override;
    bool runDialog(QDialog& dialog) override;

private:
    TFMain& m_main;
};
