#pragma once

#include <QString>
#include <QStringDecoder>

#include <array>
#include <string_view>

// Turns the bytes of one Windows code page into text. Single-byte pages go
// through a 256-entry table built once; the double-byte East Asian pages
// through a decoder that keeps a lead byte until its trail byte arrives.
// A page this system cannot decode reads as 1252, the usual default.
class RtfCodePage
{
public:
    static constexpr int kDefault = 1252;

    explicit RtfCodePage(int number = kDefault);

    int number() const { return m_number; }
    void append(std::string_view bytes, QString& text);
    void append(unsigned char byte, QString& text);
    // Drops a lead byte whose trail byte never came.
    void reset();

    // The code page that a font's \fcharsetN selects, or 0 when the
    // character set names none (the document's own page applies then).
    static int forCharset(int charset);
    // Whether the page is one that documents are written in; others read
    // as the default page.
    static bool isKnown(int number);

private:
    void buildTable();

    int m_number;
    bool m_singleByte = true;
    std::array<char16_t, 256> m_table{};
    QStringDecoder m_decoder;
};
