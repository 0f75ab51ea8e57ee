#include "chameleonButtonLayout.h"

#include <QFontMetrics>
#include <QPixmap>

namespace {

// A rectangle in the platform's terms: right and bottom are exclusive.
struct WinRect
{
    int left, top, right, bottom;
};

// The measure-only text call: word-wrapped into the rectangle, right and
// bottom shrink or grow to the wrapped text.
WinRect measure(const QFont& font, const QString& caption, WinRect rect)
{
    const QFontMetrics metrics(font);
    const QRect bounds = metrics.boundingRect(
        QRect(rect.left, rect.top, qMax(0, rect.right - rect.left), qMax(0, rect.bottom - rect.top)),
        Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap | Qt::TextShowMnemonic, caption);
    if (caption.isEmpty())
        return {rect.left, rect.top, rect.left, rect.top};
    return {rect.left, rect.top, rect.left + bounds.width(), rect.top + bounds.height()};
}

using chameleonButtonKinds::ButtonTypes;
using chameleonButtonKinds::PicturePositions;

// CalcPicPos: beside, above or below the caption, or centred when the
// caption is blank or the picture lies behind it.
QRect picturePosition(const chameleonButtonLayoutInput& in, const QRect& text)
{
    const int pictureWidth = in.pictureSize.width();
    const int pictureHeight = in.pictureSize.height();
    int x = (in.width - pictureWidth) / 2;
    int y = (in.height - pictureHeight) / 2;
    if (in.caption.trimmed().isEmpty())
        return QRect(x, y, pictureWidth, pictureHeight);
    switch (in.picturePosition) {
    case PicturePositions::PicLeft: x = text.left() - pictureWidth - 4; break;
    case PicturePositions::PicRight: x = text.left() + text.width() + 4; break;
    case PicturePositions::PicTop: y = text.top() - pictureHeight - 2; break;
    case PicturePositions::PicBottom: y = text.top() + text.height() + 2; break;
    default: break;
    }
    return QRect(x, y, pictureWidth, pictureHeight);
}

} // namespace

chameleonButtonLayout chameleonButtonCalcLayout(const chameleonButtonLayoutInput& in)
{
    const int width = in.width;
    const int height = in.height;
    const int pictureWidth = in.pictureSize.width();
    const int pictureHeight = in.pictureSize.height();

    WinRect start{1, 1, width - 2, height - 2};
    switch (in.picturePosition) {
    case PicturePositions::PicLeft: start.left = pictureWidth + 1; break;
    case PicturePositions::PicRight: start.right = width - 2 - pictureWidth; break;
    case PicturePositions::PicTop: start.top = pictureHeight + 1; break;
    case PicturePositions::PicBottom: start.bottom = height - 2 - pictureHeight; break;
    default: break;
    }
    WinRect text = measure(in.font, in.caption, start);

    // Centring; integer division truncates toward zero. A position without
    // a name is not centred.
    int dx = 0;
    int dy = 0;
    switch (in.picturePosition) {
    case PicturePositions::PicLeft:
    case PicturePositions::PicTop:
    case PicturePositions::PicBehind:
        dx = (width - text.right) / 2;
        dy = (height - text.bottom) / 2;
        break;
    case PicturePositions::PicRight:
        dx = (width - text.right - pictureWidth - 4) / 2;
        dy = (height - text.bottom) / 2;
        break;
    case PicturePositions::PicBottom:
        dx = (width - text.right) / 2;
        dy = (height - text.bottom - pictureHeight - 4) / 2;
        break;
    default: break;
    }
    text = {text.left + dx, text.top + dy, text.right + dx, text.bottom + dy};

    chameleonButtonLayout layout;
    layout.TextRect = QRect(text.left, text.top, text.right - text.left, text.bottom - text.top);
    layout.TextRectDown = layout.TextRect.translated(1, 1);
    if (in.hasPicture)
        layout.PicRect = picturePosition(in, layout.TextRect);
    layout.FocusRect = chameleonButtonFocusRect(in.buttonType, width, height);
    return layout;
}

QRect chameleonButtonFocusRect(ButtonTypes buttonType, int width, int height)
{
    const QRect client(0, 0, width, height);
    const int type = int(buttonType);
    if (type >= int(ButtonTypes::TypeFlat) && type <= int(ButtonTypes::TypeOval))
        return client.adjusted(3, 3, -3, -3);
    if (buttonType == ButtonTypes::TypeBanded)
        return client.adjusted(5, 5, -5, -5).translated(1, 1);
    return client.adjusted(4, 4, -4, -4);
}

QSize chameleonButtonPictureSize(const QPixmap& picture)
{
    if (picture.isNull())
        return QSize(0, 0);
    return (QSizeF(picture.size()) / picture.devicePixelRatio()).toSize();
}

QChar chameleonButtonAccessKey(const QString& caption)
{
    if (caption.size() < 2)
        return QChar();
    const qsizetype i = caption.indexOf(QLatin1Char('&'));
    if (i < 0 || i == caption.size() - 1)
        return QChar();
    if (caption.at(i + 1) != QLatin1Char('&'))
        return caption.at(i + 1).toLower();
    // "&&" is a literal ampersand: the key is after the next single "&".
    const qsizetype next = caption.indexOf(QLatin1Char('&'), i + 2);
    if (next < 0 || next == caption.size() - 1 || caption.at(next + 1) == QLatin1Char('&'))
        return QChar();
    return caption.at(next + 1).toLower();
}

QString chameleonButtonPlainCaption(const QString& caption)
{
    QString plain;
    plain.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption.at(i) == QLatin1Char('&')) {
            if (i + 1 < caption.size() && caption.at(i + 1) == QLatin1Char('&')) {
                plain += QLatin1Char('&');
                ++i;
            }
            continue;
        }
        plain += caption.at(i);
    }
    return plain;
}
