#include "NumberBox.h"

#include "CustomerEntry.h"

#include <QKeyEvent>

#include <algorithm>

NumberBox::NumberBox(QWidget* parent) : QLineEdit(parent)
{
    connect(this, &QLineEdit::textEdited, this, &NumberBox::cleanEdit);
}

void NumberBox::keyPressEvent(QKeyEvent* event)
{
    // Keys held with Ctrl, Alt or Meta are shortcuts (paste, undo, ...),
    // which the box handles itself; what they insert is cleaned afterwards.
    const QString typed = event->text();
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const bool shortcut = event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    const bool printable = std::any_of(typed.begin(), typed.end(), [](QChar c) { return c.isPrint(); });
    if (enter || (!shortcut && printable && numberBoxText(typed) != typed)) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void NumberBox::cleanEdit(const QString& text)
{
    const QString cleaned = numberBoxText(text);
    if (cleaned == text)
        return;
    const int cursor = int(numberBoxText(text.left(cursorPosition())).size());
    setText(cleaned);
    setCursorPosition(cursor);
}
