#pragma once
// What one run holds: the Italian texts of Qt's own dialogs, the simulation state, the real
// seams (speech included) and the main window.

#include <QTranslator>
#include <memory>

#include "announce/voce_espeak.h"
#include "core/model.h"
#include "core/ritardi.h"
#include "mainwindow/main_window.h"
#include "mainwindow/servizi_sistema.h"

class QApplication;

namespace ardenvo {

class Applicazione {
  public:
    explicit Applicazione(QApplication& app);
    ~Applicazione();

    Form1& finestra() { return *finestra_; }

  private:
    QTranslator traduzioni_;
    std::unique_ptr<Simulazione> sim_;
    RegistroSistema registro_;
    AvvioProgrammiSistema avvio_;
    MessaggiSistema messaggi_;
    DialogoFileSistema dialogo_;
    SorgenteCasualeSistema casuale_;
    VoceEspeak voce_;  // outlives the window, whose buttons speak through it
    std::unique_ptr<Form1> finestra_;
};

}  // namespace ardenvo
