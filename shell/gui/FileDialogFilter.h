#pragma once
// The "|"-separated filters of the file dialogs ("All Files (*.*)|*.*|Html
// Files (*.htm)|*.htm||": description, patterns, description, ...) as a Qt
// filter string ("All Files (*);;Html Files (*.htm)"). "*.*" becomes "*",
// so that names without a dot match too.

#include <QString>

namespace pictavo {

QString qtFileDialogFilter(const QString& pipeSeparated);

}  // namespace pictavo
