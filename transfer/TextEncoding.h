#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// The encoding of a text file brought in: a byte order mark decides; else
// valid UTF-8 is UTF-8; else uchardet guesses. The operator may choose
// another, so every name Qt's decoders know is accepted.
namespace TextEncoding {

struct Detected
{
    QString name;          // "UTF-8", "UTF-16LE", "windows-1252", ...
    qsizetype markLength = 0; // bytes of a byte order mark to skip
};

Detected detect(const QByteArray& bytes);

// The text as UTF-8 without its mark; nothing when `name` is unknown.
std::optional<QByteArray> toUtf8(const QByteArray& bytes, const QString& name, qsizetype markLength);

} // namespace TextEncoding
