// Commands whose windows the program does not have yet: their menu items are there and do
// nothing.

#include "mainwindow/main_window.h"

namespace ardenvo {

// Central boards.
void Form1::quadro_Click(int) {}

}  // namespace ardenvo
