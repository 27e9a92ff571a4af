#pragma once
// The timetable file (.vkd), read whole into a new model: a header of station name, start
// time and platform count, then records each opened by the line "Prossimo treno:".

#include <string_view>

#include "core/errori_file.h"
#include "core/lettore_righe.h"
#include "core/ritardi.h"

namespace ardenvo {

// Reads a timetable from the bytes of the file named `nome`, drawing every record's delay.
// Every record carries its effective time. An empty file gives empty tables and no header. On
// a failure nothing has been drawn that matters: the caller still holds its old model.
Esito<OrarioLetto> LeggiOrario(std::string_view byte, std::string_view nome,
                               EstrattoreRitardi& estrattore);

}  // namespace ardenvo
