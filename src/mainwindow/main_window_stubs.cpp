// Handlers whose work comes with later parts of the program. Each part removes its group here
// and brings its own file.

#include "mainwindow/main_window.h"

namespace ardenvo {

// Central boards.
void Form1::quadro_Click(int) {}

}  // namespace ardenvo
