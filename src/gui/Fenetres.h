#pragma once

// Makes the windows and the data module in the order the program needs them: the login window (the main
// window), the journal window, the four add-item dialogs, the journal report, the data module, the wizard.
// Only the login window is shown, by the caller. DetruireFenetres releases them in the reverse order.
void CreerFenetres();
void DetruireFenetres();
