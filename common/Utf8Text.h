#pragma once

#include <QString>

// The text of UTF-8 bytes exactly as written. Unlike QString::fromUtf8,
// a leading byte-order mark (U+FEFF) stays part of the text, so a text
// that starts with one reads back as it was saved.
QString textFromUtf8(const char* data, qsizetype size);
