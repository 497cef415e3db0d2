#pragma once
// The name of an undo step ("Undo Pulse factor") made from the text of the
// label, button or menu command that the change came from.
#include <QString>

// Without its mnemonic, closing colon and trailing dots.
QString changeName(QString text);
// The same for a text of the language pack.
QString changeName(int textId);
