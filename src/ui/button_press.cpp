#include "ui/button_press.h"

#include <QAbstractButton>
#include <QEvent>
#include <QShortcutEvent>

namespace {

// Qt's own mnemonic press animates a click without taking the focus, so the field being edited
// would not be checked first.
class MnemonicAsClick : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::Shortcut || static_cast<QShortcutEvent*>(event)->isAmbiguous())
            return false;
        pressAsClicked(qobject_cast<QAbstractButton*>(watched));
        return true;
    }
};

} // namespace

void pressAsClicked(QAbstractButton* button)
{
    if (!button || !button->isVisible() || !button->isEnabled())
        return;
    if (button->focusPolicy() & Qt::ClickFocus)
        button->setFocus(Qt::MouseFocusReason);
    button->click();
}

void pressOnMnemonicAsClicked(QAbstractButton* button)
{
    button->installEventFilter(new MnemonicAsClick(button));
}
