#include "RtfPicture.h"

#include "RtfFormats.h"
#include "RtfTokenizer.h"

#include <algorithm>

namespace {

// A goal size given in twips and scaled in percent, or the picture's own
// size when the document gives none.
double displayLength(int goalTwips, int scalePercent, int ownPixels)
{
    const double scale = std::clamp(scalePercent, 1, 1000) / 100.0;
    const double pixels = goalTwips > 0 ? RtfFormats::twipsToPixels(goalTwips) : ownPixels;
    return std::min(pixels * scale, RtfFormats::twipsToPixels(RtfFormats::kMaxTwips));
}

} // namespace

void RtfPicture::addHex(std::string_view digits)
{
    for (const char c : digits) {
        const int digit = rtfHexDigit(c);
        if (digit < 0)
            continue;
        if (m_highNibble < 0) {
            m_highNibble = digit;
        } else {
            m_data += static_cast<char>(m_highNibble * 16 + digit);
            m_highNibble = -1;
        }
    }
}

void RtfPicture::addBinary(std::string_view bytes)
{
    m_data.append(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

QImage RtfPicture::image() const
{
    switch (m_format) {
    case RtfPictureFormat::Png:
        return QImage::fromData(m_data, "PNG");
    case RtfPictureFormat::Jpeg:
        return QImage::fromData(m_data, "JPEG");
    case RtfPictureFormat::Unsupported:
        break;
    }
    return {};
}

QSizeF RtfPicture::displaySize(const QImage& image) const
{
    return {displayLength(m_goalWidth, m_scaleX, image.width()), displayLength(m_goalHeight, m_scaleY, image.height())};
}
