#include "WindowButton.h"

#include "chameleonButton.h"

chameleonButton* addWindowButton(QWidget* parent, const QString& caption, const QRect& geometry)
{
    auto* button = new chameleonButton(parent);
    button->setCaption(caption);
    button->setButtonType(chameleonButton::TypeGradient);
    button->setGeometry(geometry);
    return button;
}
