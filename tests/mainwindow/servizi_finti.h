#pragma once
// Test doubles of the main window's seams, and a main window built on them.

#include <QMap>
#include <QPair>
#include <QSet>
#include <QStringList>
#include <memory>

#include "announce/voce_registrata.h"
#include "core/model.h"
#include "core/ritardi.h"
#include "mainwindow/main_window.h"
#include "mainwindow/servizi.h"

namespace ardenvo {

// Answers from `valori`, under the one root the program reads.
class RegistroFinto final : public Registro {
  public:
    std::optional<ValoreRegistro> Leggi(std::uint32_t radice, const QString& chiave,
                                        const QString& nome) const override {
        if (radice != 0x80000002u || !valori.contains({chiave, nome})) return std::nullopt;
        return valori.value({chiave, nome});
    }
    void Testo(const QString& chiave, const QString& nome, const QByteArray& dati) {
        valori[{chiave, nome}] = ValoreRegistro{ValoreRegistro::Tipo::Testo, dati};
    }
    QMap<QPair<QString, QString>, ValoreRegistro> valori;
};

// Notes each program it is asked to start; those in `avviabili` start.
class AvvioFinto final : public AvvioProgrammi {
  public:
    bool Esiste(const QString& percorso) const override { return esistenti.contains(percorso); }
    bool Avvia(const QString& percorso) override {
        avviati.append(percorso);
        return avviabili.contains(percorso);
    }
    QSet<QString> esistenti, avviabili;
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

// The state lives on the heap: its train tables are large.
struct BancoProva {
    std::unique_ptr<Simulazione> sim = std::make_unique<Simulazione>();
    RegistroFinto registro;
    AvvioFinto avvio;
    MessaggiFinti messaggi;
    DialogoFinto dialogo;
    CasualeFisso casuale;
    VoceRegistrata voce;
    ServiziForm1 Servizi() { return Servizi(registro); }
    // The same, reading `altro` as the registry.
    ServiziForm1 Servizi(Registro& altro) {
        return {&altro, &avvio, &messaggi, &dialogo, &casuale, &voce};
    }
    std::unique_ptr<Form1> NuovoForm1() { return std::make_unique<Form1>(*sim, Servizi()); }
};

}  // namespace ardenvo
