#pragma once
// The main window: menus, the simulated clock, the 23 platform boards, and the departures and
// arrivals panels below them.
//
// How its controls are found:
// - A single control carries its own name as objectName ("Command1", "categoria7",
//   "Label4"; menu items too: "salva", "informazioni").
// - An indexed array of controls is an ArrayControlli, a direct QObject child of the window
//   named after the array ("binario7", "resetta", "ora", "quadro"); its elements stand
//   wherever the layout puts them and are named "<array>(<index>)", e.g. "resetta(4)".
// - Controllo(nome) finds either; Controllo(nome, indice) finds an element of an array.
// - Controls stand in the client area (centralWidget(), 1021 x 691, absolute positions), the
//   panels below kFinoBinari; an array element is added with
//   NuovoArray(nome)->Aggiungi(indice, widget), which also names it.
//
// The handlers and variables keep the names of the system's design.

#include <QMainWindow>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "boards/animazione.h"
#include "boards/array_controlli_qt.h"
#include "boards/elenchi_qt.h"
#include "central/quadro.h"
#include "core/comandi_file.h"
#include "core/model.h"
#include "mainwindow/servizi.h"

class QAction;
class QMenu;
class QPushButton;
class QRect;

namespace ardenvo {

class Form2;
class Form4;
class FormImmissione;
class FormQuadro;

class Form1 : public QMainWindow, public PannelloBinari {
    Q_OBJECT

  public:
    // Builds every control, then runs the load step.
    Form1(Simulazione& sim, const ServiziForm1& servizi, QWidget* parent = nullptr);

    static constexpr int kLarghezzaClient = 1021;
    static constexpr int kAltezzaClient = 691;
    // The boards end above this line; the panels go below it.
    static constexpr int kFinoBinari = 530;

    Simulazione& simulazione() { return sim_; }

    // ---- Finding controls by name ----
    // indice < 0: the single control or the array itself named `nome`; otherwise the element
    // `indice` of the array `nome`. nullptr when there is none.
    QObject* Controllo(const QString& nome, int indice = -1) const;
    template <typename T>
    T* Controllo(const QString& nome, int indice = -1) const {
        return qobject_cast<T*>(Controllo(nome, indice));
    }
    // An array to fill, created as a child of this window the first time it is named.
    ArrayControlli* NuovoArray(const QString& nome);
    // The path of a picture of the tile folder beside the program.
    QString PercorsoTessera(std::string_view file) const;

    // ---- Start-up, menus, exit, About box ----
    void Form_Load();
    void esci_Click();
    void Chiudi_Programma();
    void informazionisu_Click();

    // ---- Simulated clock and its display ----
    void Timer1_Timer();
    void Command1_Click();  // "Start"
    void Command3_Click();  // "Stop"
    void Command2_Click();  // "+"
    void Command4_Click();  // "-"
    void ImmaginiTempo();

    // ---- Platform boards at rest ----
    void Assegna_Binari();
    void Inizializza_Binari();
    void Copri_Binari();
    void Gestione_Pulsanti_Riga(int Riga);
    // Draw the shown codes of row `contbinario` into the controls named by Assegna_Binari.
    void Scegli_Lettere();  // letter cell `n`
    void Scegli_Categoria();
    void Scegli_Ritardo_Min();
    void Scegli_Ora();
    void Scegli_Min();
    void Scegli_Indicazioni();
    // One whole board in the fixed order: Assegna_Binari for `binario`, the 14 letters, then
    // category, delay, hour, minute and service note of row `contbinario`.
    void DisegnaBinario();

    // ---- Timetables, saved simulations and panels (main_window_file.cpp,
    //      main_window_pannelli.cpp) ----
    void apri_Click();
    void salvataggio_Click();
    void salva_Click();
    void salvaconnome_Click();
    void Timer3_Timer();
    void info_Click(int Index);
    // Copies `pannelli` into the label arrays, touching only what changed since the last copy.
    void MostraPannelli();
    StatoPannelli pannelli;  // what the departures and arrivals panels show

  private:
    void CreaPannelli(QWidget* client);
    // The end of a load: on success the label, covers, clock, "Salva" and panels follow the
    // new model; a failure shows its message.
    void Caricato(const Esito<DopoCaricamento>& esito);
    void SalvaIn(const std::string& percorso);
    void Segnala(const ErroreFile& errore);
    StatoPannelli mostrati_;  // what the labels show now
    // Made at the first timetable load; its bound of the last draw carries over to the next.
    std::optional<EstrattoreRitardi> estrattore_;
    QPointer<Form4> form4_;

  public:
    // ---- Board animation and its dialogs (main_window_animazione.cpp) ----
    void Timer2_Timer();
    void resetta_Click(int Index);
    void aggiorna_Click(int Index);  // the delay dialog, modal
    void informazioni_Click();       // the insert dialog, modeless, one at a time
    // The animation holds the window's one set of animation variables: the board that turns
    // (binario, contbinario), its ticks (conttimer) and the delay step (incritardo).
    AnimazioneBinari& animazione() { return animazione_; }
    Form2* DialogoInserimento() const;  // the open insert dialog, if any
    // What the animation drives on this window.
    bool ResetAbilitato(int riga) const override;
    void AbilitaPulsanti(int riga, bool abilitati) override;
    void AbilitaInserimento(bool abilitato) override;
    void DisegnaBinario(int numero) override;  // sets binario and contbinario, then draws
    void AvviaTimer() override;
    void FermaTimer() override;

  private:
    AnimazioneBinari animazione_;
    QPointer<Form2> form2_;

  public:
    // ---- Central boards (main_window_quadri.cpp) ----
    // Opens the departures board (0) or the arrivals board (any other Index), or brings the
    // open one to the front.
    void quadro_Click(int Index);
    // The board's window while it is open, else nullptr.
    FormQuadro* QuadroAperto(QualeQuadro quale) const;
    // The board's menu "Inserisci dati": opens its entry dialog or brings it to the front.
    void ApriInserimentoQuadro(QualeQuadro quale);
    // The board's open entry dialog, if any (main_window_inserimento.cpp).
    FormImmissione* InserimentoQuadro(QualeQuadro quale) const;

  private:
    std::array<QPointer<FormQuadro>, 2> quadri_;
    std::array<QPointer<FormImmissione>, 2> immissioni_;

  public:
    // ---- Announcements (main_window_annunci.cpp) ----
    void annuncioprova_Click(int Index);
    void annuncioritardop_Click(int Index);
    void annuncioarrivo_Click(int Index);
    void annuncioritardoa_Click(int Index);

    // ---- Window variables ----
    bool Pausa = true;         // the simulated clock stands still
    std::int16_t Clicca = 0;   // speed index into ElencoVelocita
    std::int16_t binario = 0;  // board 1..23 being drawn
    int contbinario = 0;       // its row, binario - 1
    int n = 0;                 // tile index the drawing operations read
    // Control names of board `binario`, set by Assegna_Binari.
    QString binariolett;
    QString categoria;
    QString ritardomin;
    QString partenzaora;
    QString partenzamin;
    QString indicazioni;

    QTimer Timer1;  // clock tick
    QTimer Timer2;  // flap animation of one board
    QTimer Timer3;  // panel monitor

  private:
    void CreaMenu();
    void CreaOrologio(QWidget* client);
    void CreaBinari(QWidget* client);
    void CreaBinario(QWidget* client, int binario);
    QAction* Voce(QMenu* menu, const char* nome, const QString& testo);
    // Shows a modeless window in front of the others, restored if it was minimised.
    static void PortaDavanti(QWidget* finestra);
    QPushButton* Pulsante(const char* nome, int indice = -1) const;
    const RigaBinario* RigaCorrente() const;  // row `contbinario`, if it is one of the 23
    void ImpostaVelocita();
    // Draws `file` into tile `indice` of the control named `nome`; no file leaves the tile.
    void Disegna(const QString& nome, int indice, std::optional<std::string_view> file);
    // Draws tiles n, n + 1, ... of the array `nome`, one file (or none) each.
    void Disegna(const QString& nome, std::span<const std::optional<std::string_view>> file);

    Simulazione& sim_;
    ServiziForm1 servizi_;
    QString cartellaTessere_;
};

}  // namespace ardenvo
