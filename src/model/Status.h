#pragma once
#include <QString>
#include <QStringList>
#include <functional>

// The result of an operation that can fail for reasons the user must be told about: success, or
// a message meant for the user. The message is the English text with %1, %2 ... placeholders,
// so the window can translate it before filling in the arguments.
class Status
{
public:
    static Status ok() { return Status(); }
    static Status error(const QString& message, const QStringList& args = {})
    {
        Status s;
        s.m_ok = false;
        s.m_message = message;
        s.m_args = args;
        return s;
    }

    bool isOk() const { return m_ok; }
    explicit operator bool() const { return m_ok; }
    const QString& message() const { return m_message; }
    const QStringList& args() const { return m_args; }

    // The message for the user, its template passed through the given translation.
    QString text(const std::function<QString(const QString&)>& translate = {}) const
    {
        QString t = translate ? translate(m_message) : m_message;
        for (const QString& a : m_args)
            t = t.arg(a);
        return t;
    }

private:
    bool m_ok = true;
    QString m_message;
    QStringList m_args;
};
