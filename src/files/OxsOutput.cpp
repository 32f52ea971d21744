#include "files/OxsOutput.h"
#include <charconv>

OxsOutput::OxsOutput(QIODevice& target)
    : m_target(target)
{
    m_block.reserve(2 * kBlockBytes);
    open(QIODevice::WriteOnly | QIODevice::Unbuffered);
}

OxsOutput& OxsOutput::append(std::string_view text)
{
    m_block.insert(m_block.end(), text.begin(), text.end());
    if (m_block.size() >= kBlockBytes)
        flushBlock();
    return *this;
}

OxsOutput& OxsOutput::number(int value)
{
    char digits[16];
    const auto [end, error] = std::to_chars(digits, digits + sizeof digits, value);
    return append(std::string_view(digits, size_t(end - digits)));
}

OxsOutput& OxsOutput::cells(int halfPoint)
{
    // Floor division: -3 half cells are -1.5 cells, "-2" and ".5" would be wrong.
    if (halfPoint % 2 == 0)
        return number(halfPoint / 2);
    if (halfPoint < 0)
        return append("-").number(-halfPoint / 2).append(".5");
    return number(halfPoint / 2).append(".5");
}

bool OxsOutput::flushBlock()
{
    m_ok = m_ok && m_target.write(m_block.data(), qint64(m_block.size())) == qint64(m_block.size());
    m_block.clear();
    return m_ok;
}

qint64 OxsOutput::writeData(const char* data, qint64 size)
{
    append(std::string_view(data, size_t(size)));
    return m_ok ? size : -1;
}
