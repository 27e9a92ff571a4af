// Handlers whose work comes with later parts of the program. Each part removes its group here
// and brings its own file.

#include "mainwindow/main_window.h"

namespace ardenvo {

// Board animation and its dialogs.
void Form1::Timer2_Timer() {}
void Form1::resetta_Click(int) {}
void Form1::aggiorna_Click(int) {}
void Form1::informazioni_Click() {}

// Central boards.
void Form1::quadro_Click(int) {}

}  // namespace ardenvo
