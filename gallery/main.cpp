#include "Gallery.h"

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

// Writes one PNG per sample (and the whole gallery) without a display.
int render(const QString& folder, qreal scale)
{
    QDir().mkpath(folder);
    QTextStream out(stdout);
    int written = 0;
    for (const GallerySection& section : Gallery::sections()) {
        for (const GallerySample& sample : section.samples()) {
            QWidget* widget = sample.create();
            if (widget->size().isEmpty() || !widget->testAttribute(Qt::WA_Resized))
                widget->resize(widget->sizeHint());
            QPixmap pixmap(widget->size() * scale);
            pixmap.setDevicePixelRatio(scale);
            pixmap.fill(Qt::white);
            widget->render(&pixmap, QPoint(), QRegion(), QWidget::DrawChildren);
            pixmap.save(QDir(folder).filePath(sample.name + QStringLiteral(".png")));
            delete widget;
            ++written;
        }
    }
    QScrollArea* window = galleryWindow();
    window->widget()->adjustSize();
    QPixmap overview(window->widget()->size() * scale);
    overview.setDevicePixelRatio(scale);
    window->widget()->render(&overview);
    overview.save(QDir(folder).filePath(QStringLiteral("gallery.png")));
    delete window;
    out << written << " samples written to " << folder << Qt::endl;
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    const bool rendering = [&] {
        for (int i = 1; i < argc; ++i) {
            if (QByteArray(argv[i]) == "--render")
                return true;
        }
        return false;
    }();
    if (rendering && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    QApplication application(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Shows every Tallyvane control in every state."));
    parser.addHelpOption();
    const QCommandLineOption renderOption(QStringLiteral("render"),
        QStringLiteral("Write one PNG per control and state into <folder>, then exit."),
        QStringLiteral("folder"));
    const QCommandLineOption scaleOption(QStringLiteral("scale"),
        QStringLiteral("Device pixel ratio of the rendered PNGs (default 1)."),
        QStringLiteral("factor"), QStringLiteral("1"));
    parser.addOption(renderOption);
    parser.addOption(scaleOption);
    parser.process(application);

    if (parser.isSet(renderOption))
        return render(parser.value(renderOption), qMax(1.0, parser.value(scaleOption).toDouble()));

    QWidget* window = galleryWindow();
    window->show();
    const int result = application.exec();
    delete window;
    return result;
}
