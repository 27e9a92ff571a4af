// Commands whose windows the program does not have yet: their menu items are there and do
// nothing.

#include "mainwindow/main_window.h"

namespace ardenvo {

// The central boards' entry dialog.
void Form1::ApriInserimentoQuadro(QualeQuadro) {}

}  // namespace ardenvo
