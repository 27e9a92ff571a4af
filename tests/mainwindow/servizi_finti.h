#pragma once
// Test doubles of the main window's seams, and a main window built on them.

#include <QFileInfo>
#include <QStringList>
#include <memory>

#include "announce/voce_registrata.h"
#include "core/model.h"
#include "core/ritardi.h"
#include "mainwindow/main_window.h"
#include "mainwindow/servizi.h"
#include "mainwindow/servizi_sistema.h"

namespace ardenvo {

// Notes each program it is asked to start; `riesce` says whether the start works.
class AvvioFinto final : public AvvioProgrammi {
  public:
    bool Esiste(const QString& percorso) const override { return QFileInfo::exists(percorso); }
    bool Avvia(const QString& percorso) override {
        avviati.append(percorso);
        return riesce;
    }
    bool riesce = true;
    QStringList avviati;
};

class MessaggiFinti final : public Messaggi {
  public:
    void Informa(QWidget*, const QString& testo) override { mostrati.append(testo); }
    QStringList mostrati;
};

// Answers each dialog with the next of `risposte`, a null string or none left being a cancel,
// and notes what was asked, e.g. "Apri File Ardenvo (*.vkd) |*.vkd".
class DialogoFinto final : public DialogoFile {
  public:
    std::optional<QString> Apri(QWidget*, const QString& filtro) override {
        return Rispondi("Apri " + filtro);
    }
    std::optional<QString> Salva(QWidget*, const QString& filtro) override {
        return Rispondi("Salva " + filtro);
    }
    QStringList risposte, domande;

  private:
    std::optional<QString> Rispondi(const QString& domanda) {
        domande.append(domanda);
        const QString risposta = risposte.isEmpty() ? QString() : risposte.takeFirst();
        return risposta.isNull() ? std::nullopt : std::optional(risposta);
    }
};

// Every draw the same: 0 gives each train the smallest delay of its class.
class CasualeFisso final : public SorgenteCasuale {
  public:
    double Uniforme() override { return valore; }
    double valore = 0.0;
};

// The state lives on the heap: its train tables are large. The registry is the system's own,
// which reads nothing but PATH.
struct BancoProva {
    std::unique_ptr<Simulazione> sim = std::make_unique<Simulazione>();
    RegistroSistema registro;
    AvvioFinto avvio;
    MessaggiFinti messaggi;
    DialogoFinto dialogo;
    CasualeFisso casuale;
    VoceRegistrata voce;
    ServiziForm1 Servizi() { return {&registro, &avvio, &messaggi, &dialogo, &casuale, &voce}; }
    std::unique_ptr<Form1> NuovoForm1() { return std::make_unique<Form1>(*sim, Servizi()); }
};

}  // namespace ardenvo
