#include "Pie.h"

#include "Dialogs.h"
#include "FormsCodes.h"
#include "OleColor.h"
#include "PieAccessible.h"
#include "PieRenderer.h"

#include <QAccessible>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

QPoint pixelAt(const QMouseEvent* event)
{
    return QPoint(int(std::floor(event->position().x())), int(std::floor(event->position().y())));
}

} // namespace

Pie::Pie(QWidget* parent)
    : QWidget(parent), m_infoLabel(new QLabel(QStringLiteral("Creating chart..."), this)),
      m_backcolor(OleColor::ButtonFace)
{
    PieAccessible::installFactory();
    m_infoLabel->setObjectName(QStringLiteral("LblInfo"));
    m_infoLabel->move(4, 4);
    m_infoLabel->adjustSize();
    setMouseTracking(true);
    resize(sizeHint());
    clearChart();
}

Pie::~Pie() = default;

bool Pie::CreatePie(const QVariantList& values, int width, int height, int length)
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
        return false;
    }
    m_infoLabel->hide();
    if (m_values.isBlank())
        clearChart();
    else
        drawChart();
    return true;
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
    if (!m_infoLabel->isHidden())
        return m_infoLabel->text();
    if (!m_drawn)
        return QStringLiteral("Empty pie chart");
    return PieChart::describe(m_values);
}

QSize Pie::sizeHint() const
{
    return PieGeometry(m_chartWidth, m_chartHeight, m_chartLength).size();
}

// The chart may have moved to a screen of another pixel density since
// its picture was drawn.
void Pie::paintEvent(QPaintEvent*)
{
    const qreal ratio = devicePixelRatioF();
    if (m_picture.devicePixelRatio() != ratio)
        m_picture = drawPicture(ratio);
    QPainter painter(this);
    painter.fillRect(rect(), QColor(backgroundRgb()));
    painter.drawImage(QPointF(0, 0), m_picture);
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
    emit (this->*signal)(slice, FormsCodes::buttonCode(buttons), event->position().x(),
                         event->position().y());
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
    m_picture = drawPicture(devicePixelRatioF());
    chartChanged();
}

// The geometry scales with the ratio, so curves and edges use every
// device pixel rather than doubling the pixels of a picture at ratio 1.
QImage Pie::drawPicture(qreal ratio) const
{
    const QSize canvas = (QSizeF(sizeHint()) * ratio).toSize();
    QImage picture;
    if (m_drawn) {
        const PieGeometry geometry =
            PieGeometry(m_chartWidth, m_chartHeight, m_chartLength).scaled(ratio);
        picture = PieRenderer(geometry, canvas, backgroundRgb()).draw(m_plan);
    } else {
        picture = QImage(canvas, QImage::Format_RGB32);
        picture.fill(backgroundRgb());
    }
    picture.setDevicePixelRatio(ratio);
    return picture;
}

Dialogs& Pie::dialogs() const
{
    return m_dialogs ? *m_dialogs : Dialogs::shared();
}

void Pie::reject(const Result& failure)
{
    clearChart();
    dialogs().inform(failure.message(), QStringLiteral("Pie Chart Report"));
    showInfo(QStringLiteral("Error Creating Pie Chart"));
}

void Pie::showInfo(const QString& text)
{
    m_infoLabel->setText(text);
    m_infoLabel->adjustSize();
    m_infoLabel->show();
    chartChanged();
}

void Pie::chartChanged()
{
    update();
    QAccessibleEvent event(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
}
