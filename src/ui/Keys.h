#pragma once

class QWidget;

// Keys for the windows that are not dialogs.
namespace Keys {

// Enter presses the button that has the focus, as it does in a dialog.
void enterPressesButtons(QWidget* window);
// That, and Escape closes the window.
void likeADialog(QWidget* window);

} // namespace Keys
