#pragma once
// What one run holds: the Italian texts of Qt's own dialogs, the simulation state, the real
// seams and the main window.

#include <QTranslator>
#include <memory>

#include "core/model.h"
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
    std::unique_ptr<Form1> finestra_;
};

}  // namespace ardenvo
