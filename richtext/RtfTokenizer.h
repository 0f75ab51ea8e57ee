#pragma once

#include <QByteArray>

#include <string_view>

// One lexical element of rich text: a brace, a control word or symbol, a
// run of plain bytes, one \'hh byte or a block of \binN data.
struct RtfToken
{
    enum class Kind { GroupStart, GroupEnd, ControlWord, ControlSymbol, Text, HexByte, Binary, End };

    Kind kind = Kind::End;
    // The control word's name, or the bytes of a text run or binary block.
    std::string_view bytes;
    int parameter = 0;
    bool hasParameter = false;
    // The control symbol's character, or the value of a \'hh byte.
    unsigned char symbol = 0;
};

// The value of a hexadecimal digit, -1 for any other character; hex bytes
// and picture data share it.
int rtfHexDigit(char c);

// Splits rich text into tokens without copying it. Names and numbers of any
// length are consumed whole but kept bounded: a name is cut at 32 letters, a
// number is clamped to the int range, so no input makes it allocate.
class RtfTokenizer
{
public:
    explicit RtfTokenizer(const QByteArray& data);

    RtfToken next();

private:
    RtfToken readBackslash();
    RtfToken readControlWord();
    RtfToken readHexByte();
    RtfToken readBinary(int length);
    RtfToken readText();
    int readParameter(bool& present);

    const char* m_position;
    const char* m_end;
};
