#include "Pie.h"

#include "OleColor.h"
#include "PieAccessible.h"
#include "PieRenderer.h"
#include "QtDialogs.h"

#include <QAccessible>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

short buttonCode(Qt::MouseButtons buttons)
{
    short code = 0;
    if (buttons & Qt::LeftButton)
        code |= 1;
    if (buttons & Qt::RightButton)
        code |= 2;
    if (buttons & Qt::MiddleButton)
        code |= 4;
    return code;
}

QPoint pixelAt(const QMouseEvent* event)
{
    return QPoint(int(std::floor(event->position().x())), int(std::floor(event->position().y())));
}

} // namespace

Pie::Pie(QWidget* parent)
    : QWidget(parent), m_lblInfo(new QLabel(QStringLiteral("Creating chart..."), this)),
      m_backcolor(OleColor::ButtonFace)
{
    PieAccessible::installFactory();
    m_lblInfo->setObjectName(QStringLiteral("LblInfo"));
    m_lblInfo->move(4, 4);
    m_lblInfo->adjustSize();
    setMouseTracking(true);
    resize(sizeHint());
    showBlank();
    m_lblInfo->show();
}

Pie::~Pie() = default;

Result Pie::CreatePie(const QVariantList& values, int width, int height, int length)
{
    m_chartWidth = std::max(width, int(MinimumWidth));
    m_chartHeight = std::max(height, int(MinimumHeight));
    m_chartLength = std::max(length, int(MinimumLength));
    m_colors.restoreDefaultsIfUnset();
    setFixedSize(sizeHint());

    m_values = PieValues::read(values);
    const Result checked = m_values.check();
    if (!checked.ok()) {
        reject(checked);
        return checked;
    }
    if (m_values.isBlank())
        showBlank();
    else
        drawChart();
    return Result::success();
}

void Pie::NewColor(const QVariant& FaceColor, const QVariant& ShadowColor)
{
    m_colors.NewColor(FaceColor, ShadowColor);
}

void Pie::ClearColors()
{
    m_colors.ClearColors();
}

void Pie::setBackcolor(quint32 color)
{
    if (color == m_backcolor)
        return;
    m_backcolor = color;
    if (m_drawn)
        drawChart();
    else
        showBlank();
}

int Pie::hitTest(QPoint point) const
{
    const int wedge = m_hitMap.wedgeAt(point);
    return wedge < 0 ? -1 : PieChart::sliceAt(m_slices, wedge);
}

QString Pie::summary() const
{
    if (!m_lblInfo->isHidden())
        return m_lblInfo->text();
    if (!m_drawn)
        return QStringLiteral("Empty pie chart");
    return PieChart::describe(m_values);
}

QSize Pie::sizeHint() const
{
    return QSize(m_chartWidth + 1, m_chartHeight + m_chartLength);
}

void Pie::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), QColor(backgroundRgb()));
    painter.drawImage(0, 0, m_picture);
}

void Pie::mouseMoveEvent(QMouseEvent* event)
{
    const int slice = hitTest(pixelAt(event));
    const short button = buttonCode(event->buttons());
    const float x = float(event->position().x());
    const float y = float(event->position().y());
    if (slice > -1)
        emit MouseOverPiePiece(slice, button, x, y);
    else
        emit MouseOutPiePiece(-1, button, x, y);
}

void Pie::mousePressEvent(QMouseEvent* event)
{
    const int slice = hitTest(pixelAt(event));
    if (slice > -1) {
        emit MouseDownPiePiece(slice, buttonCode(event->button()), float(event->position().x()),
                               float(event->position().y()));
    }
}

void Pie::mouseReleaseEvent(QMouseEvent* event)
{
    const int slice = hitTest(pixelAt(event));
    if (slice > -1) {
        emit MouseUpPiePiece(slice, buttonCode(event->button()), float(event->position().x()),
                             float(event->position().y()));
    }
}

// A system background colour follows the desktop's theme.
void Pie::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange && OleColor::isSystem(m_backcolor)) {
        if (m_drawn)
            drawChart();
        else
            showBlank();
    }
}

QRgb Pie::backgroundRgb() const
{
    return OleColor::toColor(m_backcolor, palette()).rgb();
}

void Pie::drawChart()
{
    const PieGeometry geometry(m_chartWidth, m_chartHeight, m_chartLength);
    m_hitMap = PieHitMap(geometry);
    m_picture = PieRenderer(geometry, backgroundRgb()).draw(PieChart::plan(m_values, m_colors));
    m_slices = PieChart::records(m_values, m_colors);
    m_drawn = true;
    m_lblInfo->hide();
    chartChanged();
}

void Pie::showBlank()
{
    m_picture = QImage(sizeHint(), QImage::Format_RGB32);
    m_picture.fill(backgroundRgb());
    m_hitMap = PieHitMap();
    m_slices = QList<PieSlice>(m_values.count());
    m_drawn = false;
    m_lblInfo->hide();
    chartChanged();
}

void Pie::reject(const Result& failure)
{
    showBlank();
    if (m_dialogs) {
        m_dialogs->inform(failure.message(), QStringLiteral("Pie Chart Report"));
    } else {
        QtDialogs dialogs(window());
        dialogs.inform(failure.message(), QStringLiteral("Pie Chart Report"));
    }
    showInfo(QStringLiteral("Error Creating Pie Chart"));
}

void Pie::showInfo(const QString& text)
{
    m_lblInfo->setText(text);
    m_lblInfo->adjustSize();
    m_lblInfo->show();
    chartChanged();
}

void Pie::chartChanged()
{
    update();
    QAccessibleEvent event(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
}
