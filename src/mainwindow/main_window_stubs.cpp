// Handlers whose work comes with later parts of the program. Each part removes its group here
// and brings its own file.

#include "mainwindow/main_window.h"

namespace ardenvo {

// Timetables, saved simulations and panels.
void Form1::apri_Click() {}
void Form1::salvataggio_Click() {}
void Form1::salva_Click() {}
void Form1::salvaconnome_Click() {}
void Form1::Timer3_Timer() {}
void Form1::info_Click(int) {}

// Central boards.
void Form1::quadro_Click(int) {}

// Announcements.
void Form1::annuncioprova_Click(int) {}
void Form1::annuncioritardop_Click(int) {}
void Form1::annuncioarrivo_Click(int) {}
void Form1::annuncioritardoa_Click(int) {}

}  // namespace ardenvo
