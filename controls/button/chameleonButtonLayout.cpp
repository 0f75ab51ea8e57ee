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

QRect picturePosition(const chameleonButtonLayoutInput& in, const QRect& text)
{
    const int w = in.width;
    const int h = in.height;
    const int pW = in.pictureSize.width();
    const int pH = in.pictureSize.height();
    const bool captionShown = !in.caption.trimmed().isEmpty() && in.picturePosition != 4;
    int x = (w - pW) / 2;
    int y = (h - pH) / 2;
    if (captionShown) {
        switch (in.picturePosition) {
        case 0: x = text.left() - pW - 4; break;
        case 1: x = text.left() + text.width() + 4; break;
        case 2: x = (w - pW) / 2; y = text.top() - pH - 2; break;
        case 3: x = (w - pW) / 2; y = text.top() + text.height() + 2; break;
        default: break;
        }
    }
    return QRect(x, y, pW, pH);
}

} // namespace

chameleonButtonLayout chameleonButtonCalcLayout(const chameleonButtonLayoutInput& in)
{
    const int w = in.width;
    const int h = in.height;
    const int pW = in.pictureSize.width();
    const int pH = in.pictureSize.height();

    WinRect start{1, 1, w - 2, h - 2};
    switch (in.picturePosition) {
    case 0: start.left = pW + 1; break;
    case 1: start.right = w - 2 - pW; break;
    case 2: start.top = pH + 1; break;
    case 3: start.bottom = h - 2 - pH; break;
    default: break;
    }
    WinRect text = measure(in.font, in.caption, start);

    // Centring; integer division truncates toward zero.
    int dx = 0;
    int dy = 0;
    switch (in.picturePosition) {
    case 0:
    case 2:
    case 4: dx = (w - text.right) / 2; dy = (h - text.bottom) / 2; break;
    case 1: dx = (w - text.right - pW - 4) / 2; dy = (h - text.bottom) / 2; break;
    case 3: dx = (w - text.right) / 2; dy = (h - text.bottom - pH - 4) / 2; break;
    default: break;
    }
    text = {text.left + dx, text.top + dy, text.right + dx, text.bottom + dy};

    chameleonButtonLayout layout;
    layout.TextRect = QRect(text.left, text.top, text.right - text.left, text.bottom - text.top);
    layout.TextRectDown = layout.TextRect.translated(1, 1);
    if (in.hasPicture)
        layout.PicRect = picturePosition(in, layout.TextRect);
    layout.FocusRect = chameleonButtonFocusRect(in.buttonType, w, h);
    return layout;
}

QRect chameleonButtonFocusRect(int buttonType, int width, int height)
{
    const QRect client(0, 0, width, height);
    if (buttonType >= 7 && buttonType <= 13)
        return client.adjusted(3, 3, -3, -3);
    if (buttonType == 14)
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
