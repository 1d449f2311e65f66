#pragma once

class QAbstractButton;

// Presses a button as a mouse click does: the focus moves to it first, so that the field being
// left is checked before the button's handler runs (and a refused field keeps the click from
// happening). Nothing happens to a hidden or disabled button.
void pressAsClicked(QAbstractButton* button);

// The button's Alt shortcut presses it as a click does; an Alt shortcut shared with another
// button only moves the focus, as Qt does.
void pressOnMnemonicAsClicked(QAbstractButton* button);
