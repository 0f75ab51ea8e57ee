#include "CutLabels.h"

#include "ValueLabel.h"

#include <QLabel>

namespace {

bool fits(const QLabel& label)
{
    const QRect room = label.contentsRect();
    if (label.wordWrap())
        return label.heightForWidth(label.width()) <= label.height();
    // A label with a buddy shows its "&" as an underline, taking no room.
    const QSize needed = label.fontMetrics().size(label.buddy() ? int(Qt::TextShowMnemonic) : 0, label.text());
    return needed.width() <= room.width() && needed.height() <= room.height();
}

QString described(const QLabel& label)
{
    QString name = label.objectName();
    if (const auto* value = qobject_cast<const ValueLabel*>(&label))
        name = value->heading();
    return (name.isEmpty() ? QStringLiteral("label") : name) + QStringLiteral(": ") + label.text();
}

} // namespace

QStringList cutLabels(const QWidget* root)
{
    QStringList cut;
    for (const QLabel* label : root->findChildren<QLabel*>()) {
        const bool plain = label->textFormat() == Qt::PlainText
            || (label->textFormat() == Qt::AutoText && !Qt::mightBeRichText(label->text()));
        if (label->isVisibleTo(root) && plain && !label->text().isEmpty() && !fits(*label))
            cut << described(*label);
    }
    return cut;
}
