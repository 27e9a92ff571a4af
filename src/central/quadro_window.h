#pragma once
// A central board's window: ten rows of flap tiles with their "Reset", down and up buttons,
// and the menus "Inserisci dati" and "Aggiorna Tutto". One class serves both boards: "Form6"
// (departures) and "Form8" (arrivals) are its two configurations.
//
// Top-level and modeless, without an owner; destroyed when closed. Its rows and animation
// variables live in the board's QuadroCentrale, so they outlive it.
//
// Controls carry the board's names as objectNames: the tile arrays "dest0".."dest19",
// "categoria", "partenzaorab", "partenzaoraa", "partenzaminb", "partenzamina", "ritardominc",
// "ritardominb", "ritardomina", "indicazioni", "binariob", "binarioa", the buttons "reset",
// "giu", "su" (each an ArrayControlli of ten, elements "reset(3)" and so on), the menu items
// "inserisci_dati" and "aggiorna_tutto", and the timer "Timer1".

#include <QMainWindow>
#include <QString>
#include <QTimer>
#include <functional>

#include "boards/tile_tables.h"
#include "central/quadro.h"

class QAction;
class QPushButton;

namespace ardenvo {

class ArrayControlli;
class Tessera;

class FormQuadro : public QMainWindow, public VistaQuadro {
    Q_OBJECT

  public:
    // `apriInserimento` opens the board's entry dialog; the menu "Inserisci dati" calls it.
    FormQuadro(Simulazione& sim, QualeQuadro quale, std::function<void()> apriInserimento);

    QuadroCentrale& quadro() { return quadro_; }

    // Draws every row, then runs the one closing tick (or the animation of rows stored while
    // the window was closed).
    void Form_Load();
    void Timer1_Timer();
    void reset_Click(int Index);
    void su_Click(int Index);
    void giu_Click(int Index);
    void aggiorna_tutto_Click();
    void inserisci_dati_Click();

    // Finding controls: the single control or array `nome`, or element `indice` of array `nome`.
    QObject* Controllo(const QString& nome, int indice = -1) const;
    template <typename T>
    T* Controllo(const QString& nome, int indice = -1) const {
        return qobject_cast<T*>(Controllo(nome, indice));
    }
    Tessera* TesseraDi(const QString& nome, int riga) const;

    // VistaQuadro
    void DisegnaRiga(int riga) override;
    void DisegnaCategoria(int riga) override;
    void AbilitaMenu(bool abilitati) override;
    void AbilitaReset(int riga, bool abilitato) override;
    void AbilitaSposta(int riga, bool giu, bool su) override;
    void AvviaTimer() override;
    void FermaTimer() override;

    QTimer Timer1;

  protected:
    void closeEvent(QCloseEvent* evento) override;

  private:
    void CreaControlli();
    ArrayControlli* NuovoArray(const QString& nome);
    QPushButton* Pulsante(const char* nome, int indice) const;
    // Sets `file` on the tile of row `riga` of array `nome`; no file leaves the tile as it is.
    void Disegna(const QString& nome, int riga, FileTessera file);
    void Disegna(const char* nome, int riga, FileTessera file);

    QuadroCentrale& quadro_;
    QualeQuadro quale_;
    std::function<void()> apriInserimento_;
    QString cartellaTessere_;
};

}  // namespace ardenvo
