#include "RtfCodePage.h"

#include <QByteArray>

#include <algorithm>
#include <iterator>
#include <utility>

namespace {

// Code page 1252 differs from Latin-1 only in 0x80 to 0x9F.
constexpr char16_t kWindows1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

constexpr int kDoubleByte[] = {932, 936, 949, 950, 1361};

constexpr int kKnown[] = {437, 850, 874, 932, 936, 949, 950, 1250, 1251, 1252, 1253,
                          1254, 1255, 1256, 1257, 1258, 1361, 10000};

constexpr std::pair<int, int> kCharsetPages[] = {
    {77, 10000}, {128, 932}, {129, 949}, {130, 1361}, {134, 936}, {136, 950},
    {161, 1253}, {162, 1254}, {163, 1258}, {177, 1255}, {178, 1256}, {186, 1257},
    {204, 1251}, {222, 874}, {238, 1250}, {254, 437}, {255, 850},
};

QByteArray decoderName(int number)
{
    switch (number) {
    case 437:
    case 850:
        return "IBM" + QByteArray::number(number);
    case 932:
        return "Shift_JIS";
    case 936:
        return "GBK";
    case 949:
        return "windows-949";
    case 950:
        return "Big5";
    case 10000:
        return "macintosh";
    default:
        return "windows-" + QByteArray::number(number);
    }
}

void fillWindows1252(std::array<char16_t, 256>& table)
{
    for (int byte = 0; byte < 256; ++byte)
        table[byte] = static_cast<char16_t>(byte);
    std::copy(std::begin(kWindows1252High), std::end(kWindows1252High), table.begin() + 0x80);
}

} // namespace

RtfCodePage::RtfCodePage(int number)
    : m_number(number)
{
    if (number != kDefault && std::find(std::begin(kDoubleByte), std::end(kDoubleByte), number) != std::end(kDoubleByte)) {
        m_decoder = QStringDecoder(decoderName(number).constData());
        m_singleByte = !m_decoder.isValid();
    }
    if (m_singleByte)
        buildTable();
}

void RtfCodePage::buildTable()
{
    fillWindows1252(m_table);
    if (m_number == kDefault)
        return;
    QStringDecoder decoder(decoderName(m_number).constData(), QStringConverter::Flag::Stateless);
    if (!decoder.isValid()) {
        m_number = kDefault;
        return;
    }
    for (int byte = 0x80; byte < 256; ++byte) {
        const char c = static_cast<char>(byte);
        const QString decoded = decoder.decode(QByteArrayView(&c, 1));
        if (decoded.size() == 1)
            m_table[byte] = decoded.at(0).unicode();
    }
}

void RtfCodePage::append(std::string_view bytes, QString& text)
{
    if (!m_singleByte) {
        text += m_decoder.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
        return;
    }
    const qsizetype start = text.size();
    text.resize(start + static_cast<qsizetype>(bytes.size()));
    char16_t* out = reinterpret_cast<char16_t*>(text.data()) + start;
    for (const char c : bytes)
        *out++ = m_table[static_cast<unsigned char>(c)];
}

void RtfCodePage::append(unsigned char byte, QString& text)
{
    if (m_singleByte) {
        text += QChar(m_table[byte]);
        return;
    }
    const char c = static_cast<char>(byte);
    text += m_decoder.decode(QByteArrayView(&c, 1));
}

void RtfCodePage::reset()
{
    if (!m_singleByte)
        m_decoder.resetState();
}

int RtfCodePage::forCharset(int charset)
{
    for (const auto& [set, page] : kCharsetPages) {
        if (set == charset)
            return page;
    }
    return 0;
}

bool RtfCodePage::isKnown(int number)
{
    return std::find(std::begin(kKnown), std::end(kKnown), number) != std::end(kKnown);
}
