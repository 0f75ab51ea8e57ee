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

// The forms' button codes 1 left, 2 right and 4 middle are Qt's own values.
short buttonCode(Qt::MouseButtons buttons)
{
    return short(buttons & (Qt::LeftButton | Qt::RightButton | Qt::MiddleButton));
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
    clearChart();
}

Pie::~Pie() = default;

Result Pie::CreatePie(const QVariantList& values, int width, int height, int length)
{
    m_chartWidth = std::clamp(width, int(MinimumWidth), int(MaximumSize));
    m_chartHeight = std::clamp(height, int(MinimumHeight), int(MaximumSize));
    m_chartLength = std::clamp(length, int(MinimumLength), int(MaximumSize));
    m_colors.restoreDefaultsIfUnset();
    setFixedSize(sizeHint());

    m_values = PieValues::read(values);
    const Result checked = m_values.check();
    if (!checked.ok()) {
        reject(checked);
        return checked;
    }
    m_lblInfo->hide();
    if (m_values.isBlank())
        clearChart();
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
    paintPicture();
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
    emitPiece(slice > -1 ? &Pie::MouseOverPiePiece : &Pie::MouseOutPiePiece, slice,
              event->buttons(), event);
}

void Pie::mousePressEvent(QMouseEvent* event)
{
    const int slice = hitTest(pixelAt(event));
    if (slice > -1)
        emitPiece(&Pie::MouseDownPiePiece, slice, event->button(), event);
}

void Pie::mouseReleaseEvent(QMouseEvent* event)
{
    const int slice = hitTest(pixelAt(event));
    if (slice > -1)
        emitPiece(&Pie::MouseUpPiePiece, slice, event->button(), event);
}

void Pie::emitPiece(PieceSignal signal, int slice, Qt::MouseButtons buttons,
                    const QMouseEvent* event)
{
    emit (this->*signal)(slice, buttonCode(buttons), float(event->position().x()),
                         float(event->position().y()));
}

// A system background colour follows the desktop's theme.
void Pie::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        paintPicture();
}

QRgb Pie::backgroundRgb() const
{
    return OleColor::toColor(m_backcolor, palette()).rgb();
}

void Pie::drawChart()
{
    m_hitMap = PieHitMap(PieGeometry(m_chartWidth, m_chartHeight, m_chartLength));
    m_slices = PieChart::records(m_values, m_colors);
    m_plan = PieChart::plan(m_values, m_colors);
    m_drawn = true;
    paintPicture();
}

void Pie::clearChart()
{
    m_hitMap = PieHitMap();
    m_slices = QList<PieSlice>(m_values.count());
    m_drawn = false;
    paintPicture();
}

// Only the picture depends on the background: the hit map and the slices
// with their colours stay as CreatePie made them.
void Pie::paintPicture()
{
    if (m_drawn) {
        const PieGeometry geometry(m_chartWidth, m_chartHeight, m_chartLength);
        m_picture = PieRenderer(geometry, backgroundRgb()).draw(m_plan);
    } else {
        m_picture = QImage(sizeHint(), QImage::Format_RGB32);
        m_picture.fill(backgroundRgb());
    }
    chartChanged();
}

void Pie::reject(const Result& failure)
{
    clearChart();
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
