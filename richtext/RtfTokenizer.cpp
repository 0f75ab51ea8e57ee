#include "RtfTokenizer.h"

#include <algorithm>
#include <climits>

namespace {

constexpr std::size_t kMaxWordLength = 32;

bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Line ends and NUL bytes carry no meaning in rich text.
bool isIgnorable(char c)
{
    return c == '\r' || c == '\n' || c == '\0';
}

RtfToken token(RtfToken::Kind kind)
{
    RtfToken result;
    result.kind = kind;
    return result;
}

} // namespace

int rtfHexDigit(char c)
{
    if (isDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

RtfTokenizer::RtfTokenizer(const QByteArray& data)
    : m_position(data.constData())
    , m_end(data.constData() + data.size())
{
}

RtfToken RtfTokenizer::next()
{
    while (m_position < m_end && isIgnorable(*m_position))
        ++m_position;
    if (m_position == m_end)
        return token(RtfToken::Kind::End);
    switch (*m_position) {
    case '{':
        ++m_position;
        return token(RtfToken::Kind::GroupStart);
    case '}':
        ++m_position;
        return token(RtfToken::Kind::GroupEnd);
    case '\\':
        ++m_position;
        return readBackslash();
    default:
        return readText();
    }
}

RtfToken RtfTokenizer::readBackslash()
{
    if (m_position == m_end)
        return token(RtfToken::Kind::End);
    const char c = *m_position;
    if (isLetter(c))
        return readControlWord();
    ++m_position;
    if (c == '\'')
        return readHexByte();
    RtfToken result = token(RtfToken::Kind::ControlSymbol);
    // A backslash before a line end is an old way of writing \par.
    result.symbol = c == '\r' ? '\n' : static_cast<unsigned char>(c);
    return result;
}

RtfToken RtfTokenizer::readControlWord()
{
    const char* start = m_position;
    while (m_position < m_end && isLetter(*m_position))
        ++m_position;
    RtfToken result = token(RtfToken::Kind::ControlWord);
    result.bytes = std::string_view(start, std::min<std::size_t>(m_position - start, kMaxWordLength));
    result.parameter = readParameter(result.hasParameter);
    if (m_position < m_end && *m_position == ' ')
        ++m_position;
    if (result.bytes == "bin" && result.parameter > 0)
        return readBinary(result.parameter);
    return result;
}

int RtfTokenizer::readParameter(bool& present)
{
    const bool negative = m_position + 1 < m_end && *m_position == '-' && isDigit(m_position[1]);
    if (negative)
        ++m_position;
    long long value = 0;
    present = m_position < m_end && isDigit(*m_position);
    for (; m_position < m_end && isDigit(*m_position); ++m_position)
        value = std::min<long long>(value * 10 + (*m_position - '0'), INT_MAX);
    return static_cast<int>(negative ? -value : value);
}

RtfToken RtfTokenizer::readHexByte()
{
    int value = 0;
    int digits = 0;
    for (; digits < 2 && m_position < m_end; ++digits, ++m_position) {
        const int digit = rtfHexDigit(*m_position);
        if (digit < 0)
            break;
        value = value * 16 + digit;
    }
    // A \' without hex digits is kept as a symbol that means nothing.
    RtfToken result = token(digits == 0 ? RtfToken::Kind::ControlSymbol : RtfToken::Kind::HexByte);
    result.symbol = digits == 0 ? '\'' : static_cast<unsigned char>(value);
    return result;
}

RtfToken RtfTokenizer::readBinary(int length)
{
    const std::size_t available = std::min<std::size_t>(length, m_end - m_position);
    RtfToken result = token(RtfToken::Kind::Binary);
    result.bytes = std::string_view(m_position, available);
    m_position += available;
    return result;
}

RtfToken RtfTokenizer::readText()
{
    const char* start = m_position;
    while (m_position < m_end) {
        const char c = *m_position;
        if (c == '\\' || c == '{' || c == '}' || isIgnorable(c))
            break;
        ++m_position;
    }
    RtfToken result = token(RtfToken::Kind::Text);
    result.bytes = std::string_view(start, m_position - start);
    return result;
}
