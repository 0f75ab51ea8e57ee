#include "Gallery.h"
#include "QtDialogs.h"
#include "QuietDialogs.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QScrollArea>
#include <QTextStream>
#include <QVBoxLayout>

namespace {

constexpr int kColumns = 6;

// The value of "--name value" or "--name=value" before the application
// parses its arguments, or an empty text.
QByteArray earlyOption(int argc, char* argv[], const QByteArray& name)
{
    const QByteArray option = "--" + name;
    for (int i = 1; i < argc; ++i) {
        const QByteArray argument(argv[i]);
        if (argument == option)
            return i + 1 < argc ? QByteArray(argv[i + 1]) : QByteArray("");
        if (argument.startsWith(option + '='))
            return argument.mid(option.size() + 1);
    }
    return QByteArray();
}

QLayout* sampleCell(const GallerySample& sample)
{
    auto* cell = new QVBoxLayout;
    QWidget* widget = sample.create();
    widget->setFixedSize(widget->size().isValid() && !widget->size().isEmpty() ? widget->size()
                                                                              : widget->sizeHint());
    cell->addWidget(widget);
    auto* caption = new QLabel(sample.name);
    caption->setStyleSheet(QStringLiteral("color: #555; font-size: 8pt"));
    cell->addWidget(caption);
    cell->addStretch();
    return cell;
}

// Rows of samples, each row as wide as its own samples, so one large
// sample does not widen a whole column.
QWidget* sectionWidget(const GallerySection& section)
{
    auto* box = new QWidget;
    auto* layout = new QVBoxLayout(box);
    layout->addWidget(new QLabel(QStringLiteral("<b>%1</b>").arg(section.title.toHtmlEscaped())));
    QHBoxLayout* row = nullptr;
    int index = 0;
    for (const GallerySample& sample : section.samples()) {
        if (index++ % kColumns == 0) {
            if (row)
                row->addStretch();
            row = new QHBoxLayout;
            layout->addLayout(row);
        }
        row->addLayout(sampleCell(sample));
    }
    if (row)
        row->addStretch();
    return box;
}

QScrollArea* galleryWindow()
{
    auto* content = new QWidget;
    content->setAutoFillBackground(true);
    auto* layout = new QVBoxLayout(content);
    for (const GallerySection& section : Gallery::sections())
        layout->addWidget(sectionWidget(section));
    layout->addStretch();

    auto* window = new QScrollArea;
    window->setWindowTitle(QStringLiteral("Tallyvane widget gallery"));
    window->setWidget(content);
    window->setWidgetResizable(true);
    window->resize(1100, 800);
    return window;
}

// A picture of the widget at its own device pixel ratio, the one of the
// screen it is on, so each widget draws as it would there.
QPixmap pictureOf(QWidget* widget, QWidget::RenderFlags flags)
{
    const qreal ratio = widget->devicePixelRatioF();
    QPixmap pixmap((QSizeF(widget->size()) * ratio).toSize());
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::white);
    widget->render(&pixmap, QPoint(), QRegion(), flags);
    return pixmap;
}

// Writes one PNG per sample (and the whole gallery) without a display.
int render(const QString& folder)
{
    QDir().mkpath(folder);
    QTextStream out(stdout);
    int written = 0;
    for (const GallerySection& section : Gallery::sections()) {
        for (const GallerySample& sample : section.samples()) {
            QWidget* widget = sample.create();
            if (widget->size().isEmpty() || !widget->testAttribute(Qt::WA_Resized))
                widget->resize(widget->sizeHint());
            pictureOf(widget, QWidget::DrawChildren)
                .save(QDir(folder).filePath(sample.name + QStringLiteral(".png")));
            delete widget;
            ++written;
        }
    }
    QScrollArea* window = galleryWindow();
    window->widget()->adjustSize();
    pictureOf(window->widget(), QWidget::DrawWindowBackground | QWidget::DrawChildren)
        .save(QDir(folder).filePath(QStringLiteral("gallery.png")));
    delete window;
    out << written << " samples written to " << folder << Qt::endl;
    return 0;
}

// The gallery on screen; its samples' messages are real message boxes.
int show(QtDialogs& dialogs)
{
    QWidget* window = galleryWindow();
    dialogs.setParentWindow(window);
    window->show();
    const int result = QApplication::exec();
    delete window;
    return result;
}

} // namespace

// --scale works as a screen of that device pixel ratio would: the scale
// factor has to be set before the application starts.
int main(int argc, char* argv[])
{
    const bool rendering = !earlyOption(argc, argv, "render").isNull();
    if (rendering && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const QByteArray scale = earlyOption(argc, argv, "scale");
    if (scale.toDouble() > 0)
        qputenv("QT_SCALE_FACTOR", scale);

    QApplication application(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Shows every Tallyvane control in every state."));
    parser.addHelpOption();
    const QCommandLineOption renderOption(QStringLiteral("render"),
        QStringLiteral("Write one PNG per control and state into <folder>, then exit."),
        QStringLiteral("folder"));
    const QCommandLineOption scaleOption(QStringLiteral("scale"),
        QStringLiteral("Show and render as a screen of this device pixel ratio would (default 1)."),
        QStringLiteral("factor"), QStringLiteral("1"));
    parser.addOption(renderOption);
    parser.addOption(scaleOption);
    parser.process(application);

    QuietDialogs quietDialogs;
    QtDialogs qtDialogs;
    Dialogs::setShared(rendering ? static_cast<Dialogs*>(&quietDialogs) : &qtDialogs);
    const int result = rendering ? render(parser.value(renderOption)) : show(qtDialogs);
    Dialogs::setShared(nullptr);
    return result;
}
