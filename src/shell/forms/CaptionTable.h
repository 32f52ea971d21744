#pragma once
#include <QList>
#include <QString>
#include <functional>

class QGroupBox;
class QLabel;
class QObject;
class QWidget;

// The caption table of a window: which control shows which English key, and how. Applying it
// sets every caption, hint and title from the translation table, so a language change
// re-captions an open window at once.
class CaptionTable
{
public:
    using Translate = std::function<QString(const QString&)>;
    using Setter = std::function<void(const QString&)>;

    // A caption made of translate(key) followed by `suffix` (" ...", " :").
    void add(const QString& key, Setter setter, const QString& suffix = QString());
    // The caption of a label, button, check box or group box, or the title of a window.
    void addText(const QString& key, QObject* control, const QString& suffix = QString());
    // A new label or group box of `parent` captioned by `key`.
    QLabel* label(const QString& key, QWidget* parent, const QString& suffix = QString());
    QGroupBox* group(const QString& key, QWidget* parent);
    void apply(const Translate& translate) const;

private:
    struct Row
    {
        QString key;
        QString suffix;
        Setter setter;
    };
    QList<Row> m_rows;
};
