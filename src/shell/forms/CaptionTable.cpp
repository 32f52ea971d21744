#include "shell/forms/CaptionTable.h"
#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>

void CaptionTable::add(const QString& key, Setter setter, const QString& suffix)
{
    m_rows.append({key, suffix, std::move(setter)});
}

void CaptionTable::addText(const QString& key, QObject* control, const QString& suffix)
{
    add(key, [control](const QString& text) {
        if (auto* label = qobject_cast<QLabel*>(control))
            label->setText(text);
        else if (auto* button = qobject_cast<QAbstractButton*>(control))
            button->setText(text);
        else if (auto* group = qobject_cast<QGroupBox*>(control))
            group->setTitle(text);
        else if (auto* widget = qobject_cast<QWidget*>(control))
            widget->setWindowTitle(text);
    }, suffix);
}

QLabel* CaptionTable::label(const QString& key, QWidget* parent, const QString& suffix)
{
    auto* caption = new QLabel(parent);
    addText(key, caption, suffix);
    return caption;
}

QGroupBox* CaptionTable::group(const QString& key, QWidget* parent)
{
    auto* box = new QGroupBox(parent);
    addText(key, box);
    return box;
}

void CaptionTable::apply(const Translate& translate) const
{
    for (const Row& row : m_rows)
        row.setter(translate(row.key) + row.suffix);
}
