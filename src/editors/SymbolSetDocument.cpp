#include "editors/SymbolSetDocument.h"
#include "editors/SymbolSetQuestions.h"
#include "editors/SymbolSetText.h"
#include "files/SafeFileWriter.h"
#include "model/Translatable.h"
#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QFontMetrics>
#include <QSet>
#include <algorithm>

namespace {
QList<int> offeredCodes(int lastCode, const QSet<int>& taken = {})
{
    QList<int> codes;
    const auto addRange = [&](int from, int to) {
        for (int code = from; code <= to; ++code) {
            if (!taken.contains(code))
                codes << code;
        }
    };
    addRange(SymbolSetDocument::kFirstCode, SymbolSetDocument::kLastPlainCode);
    addRange(SymbolSetDocument::kFirstHighCode, lastCode);
    return codes;
}

int invisibleCount(const QString& font, const QList<int>& codes)
{
    const QFontMetrics metrics{QFont(font)};
    return int(std::count_if(codes.cbegin(), codes.cend(), [&](int code) { return !SymbolSetText::hasVisibleGlyph(metrics, code); }));
}
} // namespace

SymbolSetDocument::SymbolSetDocument(const QString& userFolder)
    : m_userFolder(userFolder)
{
}

void SymbolSetDocument::NewFile()
{
    FileName.clear();
    FileSaved = false;
    FileNameAssigned = false;
}

void SymbolSetDocument::OpenFile(const QString& fileName)
{
    FileName = fileName;
    FileSaved = true;
    FileNameAssigned = true;
}

void SymbolSetDocument::NewSet()
{
    NewFile();
    m_name.clear();
    m_description.clear();
    m_fontName = QString::fromLatin1(kDefaultFont);
    m_all = offeredCodes(kNewLastCode);
    m_chars.clear();
    m_allSelection.clear();
    m_charsSelection.clear();
}

Status SymbolSetDocument::open(const QString& fileName, QList<int>* repeated)
{
    SymbolSetText::Contents contents;
    const Status read = SymbolSetText::read(fileName, contents);
    if (!read)
        return read;
    m_name = contents.name;
    m_description = contents.description;
    m_fontName = contents.font;
    m_chars = contents.codes;
    m_all = offeredCodes(kOpenedLastCode, QSet<int>(m_chars.cbegin(), m_chars.cend()));
    m_allSelection.clear();
    m_charsSelection.clear();
    if (repeated)
        *repeated = contents.repeated;
    OpenFile(fileName);
    return Status::ok();
}

void SymbolSetDocument::setName(const QString& name)
{
    if (name != m_name) {
        m_name = name;
        Change();
    }
}

void SymbolSetDocument::setDescription(const QString& description)
{
    if (description != m_description) {
        m_description = description;
        Change();
    }
}

void SymbolSetDocument::setFontName(const QString& font)
{
    if (font != m_fontName) {
        m_fontName = font;
        Change();
    }
}

QList<int> SymbolSetDocument::validRows(const QList<int>& rows, int count)
{
    QList<int> valid;
    for (const int row : rows) {
        if (row >= 0 && row < count)
            valid << row;
    }
    std::sort(valid.begin(), valid.end());
    valid.erase(std::unique(valid.begin(), valid.end()), valid.end());
    return valid;
}

void SymbolSetDocument::setAllSelection(const QList<int>& rows)
{
    m_allSelection = validRows(rows, int(m_all.size()));
}

void SymbolSetDocument::setCharsSelection(const QList<int>& rows)
{
    m_charsSelection = validRows(rows, int(m_chars.size()));
}

// The row that moved into the place of the lowest row taken out, or the last row when that
// place is now past the end.
QList<int> SymbolSetDocument::afterRemoval(int lowestRemoved, int rows)
{
    if (rows == 0)
        return {};
    return {std::min(lowestRemoved, rows - 1)};
}

void SymbolSetDocument::add()
{
    if (m_allSelection.isEmpty())
        return;
    m_charsSelection.clear();
    for (const int row : std::as_const(m_allSelection)) {
        m_charsSelection << int(m_chars.size());
        m_chars << m_all[row];
    }
    for (auto it = m_allSelection.crbegin(); it != m_allSelection.crend(); ++it)
        m_all.removeAt(*it);
    m_allSelection = afterRemoval(m_allSelection.first(), int(m_all.size()));
    Change();
}

void SymbolSetDocument::remove()
{
    if (m_charsSelection.isEmpty())
        return;
    QList<int> moved;
    for (const int row : std::as_const(m_charsSelection))
        moved << m_chars[row];
    for (auto it = m_charsSelection.crbegin(); it != m_charsSelection.crend(); ++it)
        m_chars.removeAt(*it);
    m_charsSelection = afterRemoval(m_charsSelection.first(), int(m_chars.size()));
    m_all << moved;
    std::sort(m_all.begin(), m_all.end());
    m_allSelection.clear();
    for (const int code : std::as_const(moved))
        m_allSelection << int(std::lower_bound(m_all.cbegin(), m_all.cend(), code) - m_all.cbegin());
    std::sort(m_allSelection.begin(), m_allSelection.end());
    Change();
}

void SymbolSetDocument::addAll()
{
    if (m_all.isEmpty())
        return;
    m_chars << m_all;
    m_all.clear();
    m_allSelection.clear();
    Change();
}

void SymbolSetDocument::removeAll()
{
    if (m_chars.isEmpty())
        return;
    m_all << m_chars;
    std::sort(m_all.begin(), m_all.end());
    m_chars.clear();
    m_allSelection.clear();
    m_charsSelection.clear();
    Change();
}

void SymbolSetDocument::moveUp()
{
    if (m_charsSelection.isEmpty() || m_charsSelection.first() == 0)
        return;
    for (int& row : m_charsSelection) {
        m_chars.swapItemsAt(row, row - 1);
        --row;
    }
    Change();
}

void SymbolSetDocument::moveDown()
{
    if (m_charsSelection.isEmpty() || m_charsSelection.last() == m_chars.size() - 1)
        return;
    for (auto it = m_charsSelection.rbegin(); it != m_charsSelection.rend(); ++it) {
        m_chars.swapItemsAt(*it, *it + 1);
        ++*it;
    }
    Change();
}

QString SymbolSetDocument::targetFile(const QString& chosen) const
{
    return QDir(m_userFolder).filePath(QFileInfo(chosen).fileName());
}

bool SymbolSetDocument::Save(SymbolSetQuestions& questions)
{
    if (m_name.trimmed().isEmpty()) {
        questions.nameMissing(questions.translate(TRANSLATABLE("Please enter name for the character set.")));
        return false;
    }
    if (!FileNameAssigned) {
        const QString preset = FileName.isEmpty() ? m_name.trimmed() + QStringLiteral(".chr") : QFileInfo(FileName).fileName();
        QString chosen = questions.chooseSaveFileName(preset);
        if (chosen.isEmpty())
            return false;
        // A set is catalogued only from a ".chr" file, so a bare name gets the extension.
        if (!chosen.endsWith(QStringLiteral(".chr")))
            chosen += QStringLiteral(".chr");
        return write(questions, chosen);
    }
    return FileSaved || write(questions, FileName);
}

bool SymbolSetDocument::SaveAs(SymbolSetQuestions& questions)
{
    FileNameAssigned = false;
    return Save(questions);
}

bool SymbolSetDocument::Check(SymbolSetQuestions& questions)
{
    if (FileSaved || m_chars.isEmpty())
        return true;
    const Answer answer = questions.ask(questions.translate(TRANSLATABLE("Data is not saved, save now?")));
    return answer == Answer::No || (answer == Answer::Yes && Save(questions));
}

// The name, file state and target change only once the file is written.
bool SymbolSetDocument::write(SymbolSetQuestions& questions, const QString& chosen)
{
    QByteArray bytes;
    const Status encoded = SymbolSetText::encode({m_name, m_description, m_fontName, m_chars, {}}, bytes);
    if (!encoded) {
        questions.warn(encoded.text([&](const QString& key) { return questions.translate(key); }));
        return false;
    }
    const int invisible = invisibleCount(m_fontName, m_chars);
    if (invisible > 0
        && !questions.confirm(questions.translate(TRANSLATABLE("%1 characters have no visible symbol in this font. Save anyway?")).arg(invisible)))
        return false;
    const QString target = targetFile(chosen);
    const Status written = QDir().mkpath(m_userFolder) ? SafeFileWriter::writeBytes(target, bytes)
                                                        : Status::error(TRANSLATABLE("Could not make the folder %1."), {m_userFolder});
    if (!written) {
        questions.warn(written.text([&](const QString& key) { return questions.translate(key); }));
        return false;
    }
    OpenFile(target);
    return true;
}
