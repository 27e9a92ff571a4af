#pragma once
// What a central board's entry dialog writes into the row it fills on "Ok".

#include "core/convertitori.h"
#include "core/model.h"

namespace ardenvo {

// The entry becomes the row's texts and final codes, and the row turns to them from blank:
// every shown code blank but the platform's, which turns from what the row shows. A text
// without a code keeps the code the row shows as its final code. A bus ("Autobus") shows no
// platform, nor does a platform outside 1..23 (none chosen); a provisional platform p is code
// p + 23.
void ScriviInserimento(RigaQuadro& riga, const DatiInserimento& dati);

}  // namespace ardenvo
