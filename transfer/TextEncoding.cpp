#include "TextEncoding.h"

#include <QStringDecoder>

#include <uchardet/uchardet.h>

#include <algorithm>
#include <memory>

namespace TextEncoding {

namespace {

// The first megabyte tells as much as the whole file; a character cut at
// its end is not held against it.
QByteArray sampleOf(const QByteArray& bytes)
{
    constexpr qsizetype kSample = 1 << 20;
    if (bytes.size() <= kSample)
        return bytes;
    qsizetype end = kSample;
    while (end > kSample - 4 && (uchar(bytes.at(end)) & 0xC0) == 0x80)
        --end;
    return bytes.left(end);
}

bool isUtf8(const QByteArray& bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    [[maybe_unused]] const QString text = decoder.decode(sampleOf(bytes));
    return !decoder.hasError();
}

QString guessed(const QByteArray& bytes)
{
    const std::unique_ptr<std::remove_pointer_t<uchardet_t>, decltype(&uchardet_delete)> detector(
        uchardet_new(), &uchardet_delete);
    const QByteArray sample = sampleOf(bytes);
    if (uchardet_handle_data(detector.get(), sample.constData(), size_t(sample.size())) != 0)
        return QStringLiteral("windows-1252");
    uchardet_data_end(detector.get());
    const QString name = QString::fromLatin1(uchardet_get_charset(detector.get()));
    // An ASCII-only or unknown guess reads as the common Western code page.
    if (name.isEmpty() || name.compare(QLatin1String("ASCII"), Qt::CaseInsensitive) == 0
        || !QStringDecoder(name.toLatin1().constData()).isValid())
        return QStringLiteral("windows-1252");
    return name;
}

} // namespace

Detected detect(const QByteArray& bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return {QStringLiteral("UTF-8"), 3};
    if (bytes.startsWith("\xFF\xFE"))
        return {QStringLiteral("UTF-16LE"), 2};
    if (bytes.startsWith("\xFE\xFF"))
        return {QStringLiteral("UTF-16BE"), 2};
    if (isUtf8(bytes))
        return {QStringLiteral("UTF-8"), 0};
    return {guessed(bytes), 0};
}

std::optional<QByteArray> toUtf8(const QByteArray& bytes, const QString& name, qsizetype markLength)
{
    const QByteArrayView text = QByteArrayView(bytes).sliced(std::min(markLength, bytes.size()));
    // Without a mark the file is shared as it is: no copy of a large file.
    if (name.compare(QLatin1String("UTF-8"), Qt::CaseInsensitive) == 0)
        return markLength == 0 ? bytes : text.toByteArray();
    QStringDecoder decoder(name.toLatin1().constData(), QStringDecoder::Flag::Stateless);
    if (!decoder.isValid())
        return std::nullopt;
    return QString(decoder.decode(text)).toUtf8();
}

} // namespace TextEncoding
