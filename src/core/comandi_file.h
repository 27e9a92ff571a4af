#pragma once
// The file commands of the main window on the running simulation. Each reads the whole file
// into a new model first and puts it in place only when it was read to its end: a failure
// changes nothing, and its message says why. The window's handler calls one of these and then
// shows what it returns.

#include <optional>
#include <string>
#include <string_view>

#include "core/errori_file.h"
#include "core/model.h"
#include "core/pannelli.h"
#include "core/ritardi.h"

namespace ardenvo {

// What the window still does after a successful load: set the station label, cover the
// boards above the platform count, redraw the clock, and enable or disable "Salva".
struct DopoCaricamento {
    std::string labelstazione;
    bool SalvaAbilitato = false;

    bool operator==(const DopoCaricamento&) const = default;
};

// "Scenario": opens the timetable at `percorso`. A new timetable disables "Salva".
Esito<DopoCaricamento> ApriScenario(Simulazione& sim, StatoPannelli& pannelli,
                                    const std::string& percorso, EstrattoreRitardi& estrattore);

// "Salvataggio": resumes the simulation saved at `percorso`, which becomes the file "Salva"
// writes to.
Esito<DopoCaricamento> ApriSalvataggio(Simulazione& sim, StatoPannelli& pannelli,
                                       const std::string& percorso);

// "Salva con nome..." with the chosen path, and "Salva" with sim.FileSalvataggio. On success
// the path becomes the current file and the window enables "Salva"; a failure leaves the
// file that was there as it was.
std::optional<ErroreFile> SalvaSimulazione(Simulazione& sim, const std::string& percorso);

// The same loads from a file's bytes, for callers that hold them already; `nome` is the name
// the failure messages give the file.
Esito<DopoCaricamento> Apri_Orario(Simulazione& sim, StatoPannelli& pannelli, std::string_view byte,
                                   std::string_view nome, EstrattoreRitardi& estrattore);
Esito<DopoCaricamento> Carica_Simulazione(Simulazione& sim, StatoPannelli& pannelli,
                                          std::string_view byte, std::string_view nome);

}  // namespace ardenvo
