#pragma once
// The panel monitor, run by the main window's 250 ms timer from start-up to exit: blinks the
// rows of trains due within five minutes, refreshes both panels, keeps both tables in order of
// effective time, flags the trains due soon and drops the head of a table when a train among
// its first eight is due at the clock's minute.

#include "core/model.h"
#include "core/pannelli.h"

namespace ardenvo {

// One tick. The window mirrors `pannelli` into its labels afterwards.
void Timer3_Timer(Simulazione& sim, StatoPannelli& pannelli);

// Puts records 0..count-1 of each table in order of stored effective time, hour then minute;
// trains due at the same minute keep their order.
void Ordina_Treni(Orario& orario);

// Flags the record when the clock shows one of the five minutes before its effective time;
// never clears the flag.
void Controlla_Cinque_Minuti(Treno& treno, const Orologio& orologio);

}  // namespace ardenvo
