#include "Utf8Text.h"

#include <QStringDecoder>

namespace {

bool startsWithByteOrderMark(const char* data, qsizetype size)
{
    return size >= 3 && data[0] == '\xef' && data[1] == '\xbb' && data[2] == '\xbf';
}

} // namespace

QString textFromUtf8(const char* data, qsizetype size)
{
    // Almost no text starts with the mark: those take the plain, faster path.
    if (!startsWithByteOrderMark(data, size))
        return QString::fromUtf8(data, size);
    QStringDecoder decoder(QStringDecoder::Utf8,
                           QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    return decoder.decode(QByteArrayView(data, size));
}
