#include "shell/BookInfoText.h"
#include "model/Windows1252.h"
#include <QList>

bool BookInfoText::isRtf(const QString& stored)
{
    return stored.startsWith(QLatin1String("{\\rtf"));
}

namespace {
// Destinations whose text is not part of the document.
bool hiddenDestination(const QString& word)
{
    static const QStringList hidden = {QStringLiteral("fonttbl"), QStringLiteral("colortbl"),
        QStringLiteral("stylesheet"), QStringLiteral("info"), QStringLiteral("pict"), QStringLiteral("header"),
        QStringLiteral("footer"), QStringLiteral("generator"), QStringLiteral("listtable"),
        QStringLiteral("listoverridetable"), QStringLiteral("themedata"), QStringLiteral("latentstyles")};
    return hidden.contains(word);
}

class RtfText
{
public:
    explicit RtfText(const QString& rtf) : m_in(rtf) {}

    QString run()
    {
        // One flag per open group: whether its text is hidden.
        QList<bool> hidden{false};
        while (m_pos < m_in.size()) {
            const QChar c = m_in[m_pos++];
            if (c == QLatin1Char('{')) {
                const bool inherited = hidden.last();
                hidden.append(inherited);
            } else if (c == QLatin1Char('}')) {
                if (hidden.size() > 1)
                    hidden.removeLast();
            } else if (c == QLatin1Char('\\')) {
                controlWord(hidden.last());
            } else if (c != QLatin1Char('\r') && c != QLatin1Char('\n') && !hidden.last()) {
                m_out += c;
            }
        }
        return m_out;
    }

private:
    void controlWord(bool& hidden)
    {
        if (m_pos >= m_in.size())
            return;
        const QChar c = m_in[m_pos];
        if (!c.isLetter()) {
            ++m_pos;
            controlSymbol(c, hidden);
            return;
        }
        QString word;
        while (m_pos < m_in.size() && m_in[m_pos].isLetter() && m_in[m_pos].unicode() < 128)
            word += m_in[m_pos++];
        const qsizetype numberStart = m_pos;
        if (m_pos < m_in.size() && (m_in[m_pos] == QLatin1Char('-') || m_in[m_pos].isDigit())) {
            ++m_pos;
            while (m_pos < m_in.size() && m_in[m_pos].isDigit())
                ++m_pos;
        }
        const int number = m_in.mid(numberStart, m_pos - numberStart).toInt();
        if (m_pos < m_in.size() && m_in[m_pos] == QLatin1Char(' '))
            ++m_pos;
        if (word == QLatin1String("u"))
            unicodeCharacter(number, hidden);
        else if (hiddenDestination(word))
            hidden = true;
        else if (!hidden && (word == QLatin1String("par") || word == QLatin1String("line")))
            m_out += QLatin1Char('\n');
        else if (!hidden && word == QLatin1String("tab"))
            m_out += QLatin1Char('\t');
    }

    // \uN gives the character N (negative above 32767), followed by one stand-in character for
    // readers without Unicode, which is skipped.
    void unicodeCharacter(int number, bool hidden)
    {
        if (!hidden)
            m_out += QChar(char16_t(number < 0 ? number + 65536 : number));
        if (m_pos + 1 < m_in.size() && m_in[m_pos] == QLatin1Char('\\') && m_in[m_pos + 1] == QLatin1Char('\''))
            m_pos = qMin(m_pos + 4, m_in.size());
        else if (m_pos < m_in.size() && m_in[m_pos] != QLatin1Char('\\') && m_in[m_pos] != QLatin1Char('{')
            && m_in[m_pos] != QLatin1Char('}'))
            ++m_pos;
    }

    void controlSymbol(QChar c, bool& hidden)
    {
        if (c == QLatin1Char('*')) {
            hidden = true;
        } else if (c == QLatin1Char('\'')) {
            const bool ok = m_pos + 2 <= m_in.size();
            const uint code = ok ? m_in.mid(m_pos, 2).toUInt(nullptr, 16) : 0;
            m_pos = qMin(m_pos + 2, m_in.size());
            if (ok && !hidden)
                m_out += Windows1252::charOf(uchar(code));
        } else if (!hidden && (c == QLatin1Char('\\') || c == QLatin1Char('{') || c == QLatin1Char('}'))) {
            m_out += c;
        } else if (!hidden && (c == QLatin1Char('\n') || c == QLatin1Char('\r'))) {
            m_out += QLatin1Char('\n');
        }
    }

    const QString& m_in;
    qsizetype m_pos = 0;
    QString m_out;
};
} // namespace

QString BookInfoText::plainFromRtf(const QString& rtf)
{
    return RtfText(rtf).run().trimmed();
}
