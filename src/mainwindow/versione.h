#pragma once
// The program's version, shown in the main window's caption and in the About box.

#include <QString>

namespace ardenvo {

inline constexpr int kVersioneMaggiore = 0;
inline constexpr int kVersioneMinore = 3;
inline constexpr int kVersioneRevisione = 1;

// "0.3.1"
inline QString NumeroVersione() {
    return QStringLiteral("%1.%2.%3")
        .arg(kVersioneMaggiore)
        .arg(kVersioneMinore)
        .arg(kVersioneRevisione);
}

}  // namespace ardenvo
