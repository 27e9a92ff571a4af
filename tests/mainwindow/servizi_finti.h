#pragma once
// Test doubles of the main window's seams, and a main window built on them.

#include <QMap>
#include <QPair>
#include <QSet>
#include <QStringList>
#include <memory>

#include "core/model.h"
#include "mainwindow/main_window.h"
#include "mainwindow/servizi.h"

namespace ardenvo {

class RegistroFinto final : public Registro {
  public:
    std::optional<ValoreRegistro> Leggi(std::uint32_t radice, const QString& chiave,
                                        const QString& nome) const override {
        if (radice != 0x80000002u) return std::nullopt;
        auto trovato = valori.find({chiave, nome});
        if (trovato == valori.end()) return std::nullopt;
        return *trovato;
    }
    void Testo(const QString& chiave, const QString& nome, const QByteArray& dati) {
        valori[{chiave, nome}] = ValoreRegistro{ValoreRegistro::Tipo::Testo, dati};
    }

    QMap<QPair<QString, QString>, ValoreRegistro> valori;
};

class AvvioFinto final : public AvvioProgrammi {
  public:
    bool Esiste(const QString& percorso) const override { return esistenti.contains(percorso); }
    bool Avvia(const QString& percorso) override {
        if (!avviabili.contains(percorso)) return false;
        avviati.append(percorso);
        return true;
    }
    QSet<QString> esistenti;
    QSet<QString> avviabili;
    QStringList avviati;
};

class MessaggiFinti final : public Messaggi {
  public:
    void Informa(QWidget*, const QString& testo) override { mostrati.append(testo); }
    QStringList mostrati;
};

// The state lives on the heap: its train tables are large.
struct BancoProva {
    std::unique_ptr<Simulazione> sim = std::make_unique<Simulazione>();
    RegistroFinto registro;
    AvvioFinto avvio;
    MessaggiFinti messaggi;
    ServiziForm1 Servizi() { return {&registro, &avvio, &messaggi}; }
    std::unique_ptr<Form1> NuovoForm1() { return std::make_unique<Form1>(*sim, Servizi()); }
};

}  // namespace ardenvo
