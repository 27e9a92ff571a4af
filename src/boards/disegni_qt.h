#pragma once
// Pictures that are part of the window's design rather than of the tile folder, drawn by the
// program at three times their design size so that they stay sharp when scaled.

#include <QColor>
#include <QFont>
#include <QIcon>
#include <QImage>
#include <QRect>
#include <QStringList>

#include "boards/board_setup.h"

class QPushButton;
class QWidget;

namespace ardenvo {

// A rectangle of the window's design, given in twips.
constexpr QRect Twip(int x, int y, int larghezza, int altezza) {
    return {x / kTwipPerPixel, y / kTwipPerPixel, larghezza / kTwipPerPixel,
            altezza / kTwipPerPixel};
}

inline const QColor kFondoOrologio(61, 71, 83);
// The boards' dark face and light writing; the panels' header rows wear them too.
inline const QColor kFondoTabellone(50, 56, 66);
inline const QColor kScrittaTabellone(226, 230, 236);

// 11 x 17: digit 0..9 of the dot-matrix clock. The clock shows its 0 before its first draw, and
// the tile generator draws the clock's picture files with it, so the two always match.
QImage CifraOrologio(int cifra);
QImage DuePuntiOrologio();           // 5 x 17: the colon between two pairs of digits
QImage CartelloBinario(int numero);  // 41 x 37: blue platform sign, BINARIO over the number
QIcon IconaProgramma();              // 32 x 32: a small platform board
QIcon Pomello();                     // 12 x 12: the dark round knob of a panel row button
QIcon FrecciaQuadro(bool su);        // 9 x 11: the up or down arrow of a central board's row

// A button of the window's design at `dove`, in the small face that keeps its caption whole.
QPushButton* PulsanteDelDisegno(QWidget* padre, const QString& testo, const QRect& dove);

// The largest bold face of at most `massimo` pixels whose `testo` fits in `larghezza`.
QFont CarattereCheEntra(const QString& testo, int larghezza, int massimo);
// The largest size of at most `massimo` pixels of `carattere` in which each of `testi` fits in
// `larghezza`.
QFont CarattereCheEntra(QFont carattere, const QStringList& testi, int larghezza, int massimo);

}  // namespace ardenvo
