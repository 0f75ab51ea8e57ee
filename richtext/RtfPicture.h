#pragma once

#include "RtfControlWords.h"

#include <QByteArray>
#include <QImage>
#include <QSizeF>

#include <string_view>

// One \pict group: its format, its sizes and its data, given as hex digits
// or as \bin bytes. Only PNG and JPEG pictures become images.
class RtfPicture
{
public:
    void setFormat(RtfPictureFormat format) { m_format = format; }
    void setGoalWidth(int twips) { m_goalWidth = twips; }
    void setGoalHeight(int twips) { m_goalHeight = twips; }
    void setScaleX(int percent) { m_scaleX = percent; }
    void setScaleY(int percent) { m_scaleY = percent; }
    void addHex(std::string_view digits);
    void addBinary(std::string_view bytes);

    // The decoded picture; a null image for other formats or damaged data.
    QImage image() const;
    // The size to show it at, in pixels at 96 per inch.
    QSizeF displaySize(const QImage& image) const;

private:
    RtfPictureFormat m_format = RtfPictureFormat::Unsupported;
    int m_goalWidth = 0;
    int m_goalHeight = 0;
    int m_scaleX = 100;
    int m_scaleY = 100;
    QByteArray m_data;
    // A hex digit waiting for its partner.
    int m_highNibble = -1;
};
