#pragma once
// The real seams of the main window.

#include <QStringList>

#include "mainwindow/servizi.h"

namespace ardenvo {

// There is no registry here: the one value the About box asks for, the path of a
// system-information program, is answered with the first such program found on PATH.
class RegistroSistema final : public Registro {
  public:
    std::optional<ValoreRegistro> Leggi(std::uint32_t radice, const QString& chiave,
                                        const QString& nome) const override;

    static const QStringList& ProgrammiInfoSistema();
};

class AvvioProgrammiSistema final : public AvvioProgrammi {
  public:
    bool Esiste(const QString& percorso) const override;
    bool Avvia(const QString& percorso) override;
};

class MessaggiSistema final : public Messaggi {
  public:
    void Informa(QWidget* finestra, const QString& testo) override;
};

}  // namespace ardenvo
