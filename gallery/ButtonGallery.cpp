#include "Gallery.h"

#include "OleColor.h"
#include "chameleonButton.h"

#include <QCoreApplication>
#include <QEnterEvent>
#include <QFocusEvent>
#include <QPainter>

// chameleonButton: every ButtonType in every state and colour scheme (one
// section per scheme, one row per type), then pictures and effects.

namespace {

enum class Look { Normal, Hovered, Pressed, Disabled, Focused, Default };

const char* const kLookNames[] = {"normal", "hovered", "pressed", "disabled", "focused", "default"};

constexpr QSize kButtonSize(120, 32);

// A small picture on the mask colour (0xC0C0C0): a green check mark.
QPixmap checkPicture()
{
    QPixmap picture(16, 16);
    picture.fill(QColor(192, 192, 192));
    QPainter painter(&picture);
    const QColor dark(0, 110, 40);
    const QColor light(90, 190, 90);
    for (int i = 0; i < 4; ++i) {
        painter.fillRect(QRect(2 + i, 7 + i, 2, 3), i % 2 ? light : dark);
    }
    for (int i = 0; i < 8; ++i)
        painter.fillRect(QRect(6 + i, 10 - i, 2, 3), i % 2 ? light : dark);
    return picture;
}

QPixmap starPicture()
{
    QPixmap picture(16, 16);
    picture.fill(QColor(192, 192, 192));
    QPainter painter(&picture);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(235, 170, 20));
    const QPolygon star({QPoint(8, 1), QPoint(10, 6), QPoint(15, 6), QPoint(11, 9), QPoint(13, 15),
                         QPoint(8, 11), QPoint(3, 15), QPoint(5, 9), QPoint(1, 6), QPoint(6, 6)});
    painter.drawPolygon(star);
    return picture;
}

// Puts the button in its look, now and again each time it is shown (a
// shown button redraws normal first, as its Show handling does).
void applyLook(chameleonButton* button, Look look)
{
    // Deliver the resize that Qt keeps pending for hidden widgets first, so
    // that it does not redraw the button normal after the look is set.
    QResizeEvent resize(button->size(), QSize());
    QCoreApplication::sendEvent(button, &resize);
    button->setAttribute(Qt::WA_PendingResizeEvent, false);

    switch (look) {
    case Look::Disabled:
        button->setEnabled(false);
        return;
    case Look::Default:
        button->setDefault(true);
        return;
    case Look::Pressed:
        // Held down under the pointer: drawn pressed, as a toggled-on
        // check-box button is, so the look survives redraws.
        button->setCheckBoxBehaviour(true);
        button->setValue(true);
        [[fallthrough]];
    case Look::Hovered: {
        QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
        QCoreApplication::sendEvent(button, &enter);
        return;
    }
    case Look::Focused: {
        QFocusEvent focus(QEvent::FocusIn, Qt::TabFocusReason);
        QCoreApplication::sendEvent(button, &focus);
        return;
    }
    case Look::Normal:
        return;
    }
}

using ButtonTypes = chameleonButton::ButtonTypes;
using ColorSchemes = chameleonButton::ColorSchemes;
using PicturePositions = chameleonButton::PicturePositions;
using SpecialEffects = chameleonButton::SpecialEffects;

struct ButtonDesign
{
    ButtonTypes type = ButtonTypes::TypeGradient;
    ColorSchemes scheme = ColorSchemes::SchemeSystem;
    QString caption = QStringLiteral("&Save");
    Look look = Look::Normal;
    QPixmap picture;
    PicturePositions picturePosition = PicturePositions::PicLeft;
    SpecialEffects effect = SpecialEffects::FxNone;
    bool greyscale = false;
    QSize size = kButtonSize;
};

chameleonButton* makeButton(const ButtonDesign& design, QWidget* parent = nullptr)
{
    auto* button = new chameleonButton(parent);
    button->resize(design.size);
    button->setButtonType(design.type);
    if (design.scheme == ColorSchemes::SchemeCustom) {
        button->setBackcolor(OleColor::rgb(58, 110, 165));
        button->setBackOver(OleColor::rgb(86, 140, 200));
        button->setForeColor(OleColor::rgb(255, 255, 255));
        button->setForeOver(OleColor::rgb(255, 232, 150));
    }
    button->setColorScheme(design.scheme);
    button->setCaption(design.caption);
    if (!design.picture.isNull()) {
        button->setPictureNormal(design.picture);
        button->setPicturePosition(design.picturePosition);
    }
    button->setSpecialEffect(design.effect);
    button->setUseGreyscale(design.greyscale);
    return button;
}

// A container for the schemes and types that take their colours or
// background from it.
QWidget* inContainer(const ButtonDesign& design, const QColor& background, const QColor& text)
{
    auto* container = new QWidget;
    QPalette palette = container->palette();
    palette.setColor(QPalette::Window, background);
    palette.setColor(QPalette::WindowText, text);
    container->setPalette(palette);
    container->setAutoFillBackground(true);
    container->resize(design.size + QSize(12, 12));
    auto* button = makeButton(design, container);
    button->move(6, 6);
    applyLook(button, design.look);
    return container;
}

GallerySample sample(const QString& name, const ButtonDesign& design)
{
    return {name, [design]() -> QWidget* {
        if (design.scheme == ColorSchemes::SchemeContainer)
            return inContainer(design, QColor(226, 236, 214), QColor(40, 60, 30));
        if (design.type == ButtonTypes::TypeTransparent) {
            // Light captions (the custom scheme's) on a dark container.
            const bool light = design.scheme == ColorSchemes::SchemeCustom;
            return inContainer(design, light ? QColor(44, 62, 92) : QColor(214, 226, 240),
                               light ? QColor(255, 255, 255) : QColor(0, 0, 0));
        }
        chameleonButton* button = makeButton(design);
        applyLook(button, design.look);
        return button;
    }};
}

QList<GallerySample> scheme(ColorSchemes colorScheme)
{
    QList<GallerySample> samples;
    for (int type = int(ButtonTypes::TypeClassic); type <= int(ButtonTypes::TypeBanded); ++type) {
        for (int look = 0; look < 6; ++look) {
            ButtonDesign design;
            design.type = ButtonTypes(type);
            design.scheme = colorScheme;
            design.look = Look(look);
            design.caption = design.type == ButtonTypes::TypeOval ? QStringLiteral("&Oval") : QStringLiteral("&Save");
            samples << sample(QStringLiteral("button-scheme%1-type%2-%3")
                                  .arg(int(colorScheme))
                                  .arg(type, 2, 10, QLatin1Char('0'))
                                  .arg(QLatin1String(kLookNames[look])),
                              design);
        }
    }
    return samples;
}

QList<GallerySample> systemScheme() { return scheme(ColorSchemes::SchemeSystem); }
QList<GallerySample> customScheme() { return scheme(ColorSchemes::SchemeCustom); }
QList<GallerySample> classicScheme() { return scheme(ColorSchemes::SchemeClassic); }
QList<GallerySample> containerScheme() { return scheme(ColorSchemes::SchemeContainer); }

QList<GallerySample> picturesAndEffects()
{
    QList<GallerySample> samples;
    const char* const positions[] = {"left", "right", "top", "bottom", "behind"};
    for (int position = 0; position <= int(PicturePositions::PicBehind); ++position) {
        for (ButtonTypes type : {ButtonTypes::TypeGradient, ButtonTypes::TypeRaised}) {
            ButtonDesign design;
            design.type = type;
            design.picture = checkPicture();
            design.picturePosition = PicturePositions(position);
            const bool aboveOrBelow = design.picturePosition == PicturePositions::PicTop
                || design.picturePosition == PicturePositions::PicBottom;
            design.caption = QStringLiteral("&Accept");
            design.size = aboveOrBelow ? QSize(120, 48) : kButtonSize;
            samples << sample(QStringLiteral("button-picture-%1-type%2")
                                  .arg(QLatin1String(positions[position])).arg(int(type)), design);
        }
    }
    const char* const effects[] = {"none", "embossed", "engraved", "shadowed"};
    for (int effect = int(SpecialEffects::FxEmbossed); effect <= int(SpecialEffects::FxShadowed); ++effect) {
        for (ButtonTypes type : {ButtonTypes::TypeGradient, ButtonTypes::TypeRaised, ButtonTypes::TypePlain}) {
            ButtonDesign design;
            design.type = type;
            design.picture = starPicture();
            design.effect = SpecialEffects(effect);
            design.caption = QStringLiteral("&Favourite");
            samples << sample(QStringLiteral("button-effect-%1-type%2")
                                  .arg(QLatin1String(effects[effect])).arg(int(type)), design);
        }
    }
    for (ButtonTypes type : {ButtonTypes::TypeClassic, ButtonTypes::TypeGradient, ButtonTypes::TypeBeveled,
                             ButtonTypes::TypeSoft, ButtonTypes::TypeSelection, ButtonTypes::TypeBanded}) {
        ButtonDesign design;
        design.type = type;
        design.picture = starPicture();
        design.caption = QStringLiteral("&Favourite");
        design.look = Look::Disabled;
        samples << sample(QStringLiteral("button-picture-disabled-type%1").arg(int(type)), design);
    }
    for (Look look : {Look::Normal, Look::Hovered, Look::Pressed}) {
        ButtonDesign design;
        design.type = ButtonTypes::TypeSelection;
        design.picture = starPicture();
        design.caption = QStringLiteral("&Favourite");
        design.look = look;
        samples << sample(QStringLiteral("button-picture-type9-%1")
                              .arg(QLatin1String(kLookNames[int(look)])), design);
    }
    {
        ButtonDesign design;
        design.picture = starPicture();
        design.greyscale = true;
        design.caption = QStringLiteral("&Grey");
        samples << sample(QStringLiteral("button-picture-greyscale"), design);
        design.caption = QStringLiteral("Save all the customers && close");
        design.picture = QPixmap();
        design.size = QSize(120, 44);
        samples << sample(QStringLiteral("button-caption-wrapped"), design);
        design.look = Look::Hovered;
        samples << sample(QStringLiteral("button-caption-wrapped-hovered"), design);
    }
    return samples;
}

} // namespace

TALLYVANE_GALLERY_SECTION("Button 1: system colours", systemScheme);
TALLYVANE_GALLERY_SECTION("Button 2: custom colours", customScheme);
TALLYVANE_GALLERY_SECTION("Button 3: classic colours", classicScheme);
TALLYVANE_GALLERY_SECTION("Button 4: container colours", containerScheme);
TALLYVANE_GALLERY_SECTION("Button 5: pictures and effects", picturesAndEffects);
