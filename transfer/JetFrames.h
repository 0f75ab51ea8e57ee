#pragma once

#include <cstdint>

// What the Jet reader child writes on its standard output: frames of a
// one-byte kind, a four-byte little-endian length and that many bytes.
// A payload is a list of texts, each a four-byte little-endian length
// (NullText for a missing value) and its UTF-8 bytes. Plain C++, so the
// child needs nothing but libmdb.
namespace JetFrames {

enum Kind : char {
    Table = 'T',   // name, row count, then the column names
    Columns = 'C', // a name and a type word for each column of the table read
    Row = 'R',     // one text per column, NullText where empty
    Failure = 'E', // one text: why the file cannot be read
    End = 'Z',     // nothing: everything asked for was written
};

constexpr std::uint32_t NullText = 0xffffffffu;
constexpr std::uint32_t HeaderSize = 5;
// No frame of a sound file comes near this; a longer one means a broken child.
constexpr std::uint32_t MaxFrame = 64u * 1024u * 1024u;
// A memo longer than this is refused rather than cut.
constexpr std::uint32_t MaxValue = 4u * 1024u * 1024u;

} // namespace JetFrames
