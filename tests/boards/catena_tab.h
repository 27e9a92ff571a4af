#pragma once

#include <QStringList>
#include <QWidget>

namespace ardenvo {

// Names of the controls Tab visits, from `primo` round to it again.
inline QStringList CatenaTab(QWidget* primo) {
    QStringList nomi;
    QWidget* w = primo;
    do {
        if ((w->focusPolicy() & Qt::TabFocus) && w->isEnabled()) nomi << w->objectName();
        w = w->nextInFocusChain();
    } while (w != primo);
    return nomi;
}

}  // namespace ardenvo
