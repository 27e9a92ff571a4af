#pragma once
// The small platform-board picture that decorates the board dialogs.

#include <QPixmap>

namespace ardenvo {

// A blue platform sign over a dark board of flap tiles, drawn to the given size.
QPixmap MotivoTabellone(int larghezza, int altezza);

}  // namespace ardenvo
