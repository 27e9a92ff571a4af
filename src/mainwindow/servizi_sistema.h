#pragma once
// The real seams of the main window.

#include "mainwindow/servizi.h"

class QFileDialog;

namespace ardenvo {

// There is no registry here: the one value the About box asks for, the path of a
// system-information program, is answered with the first such program found on PATH.
class RegistroSistema final : public Registro {
  public:
    std::optional<ValoreRegistro> Leggi(std::uint32_t radice, const QString& chiave,
                                        const QString& nome) const override;
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

// QFileDialog, opening first in the sample timetables beside the program and then wherever
// the operator last chose a file.
class DialogoFileSistema final : public DialogoFile {
  public:
    DialogoFileSistema();
    std::optional<QString> Apri(QWidget* finestra, const QString& filtro) override;
    std::optional<QString> Salva(QWidget* finestra, const QString& filtro) override;

  private:
    std::optional<QString> Scegli(QWidget* finestra, const QString& filtro, bool salva);
    QString cartella_;
};

// Title, filter, mode and extension of the file dialog of the open commands (`salva` false) and
// of "Salva con nome..." (`salva` true): only a name typed for saving gets the extension.
void ImpostaDialogoFile(QFileDialog& dialogo, const QString& filtro, bool salva);

// Qt's name-filter text for a filter of description|pattern pairs: "File Ardenvo (*.vkd) |*.vkd"
// becomes "File Ardenvo (*.vkd)". A description that does not show its pattern gets it
// appended in brackets; several patterns joined by ";" are listed with blanks.
QString FiltroQt(const QString& filtro);

}  // namespace ardenvo
