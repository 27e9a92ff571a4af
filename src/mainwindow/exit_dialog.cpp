#include "mainwindow/exit_dialog.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace ardenvo {

Form5::Form5(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Form5"));
    setWindowTitle(QStringLiteral("Conferma uscita..."));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint);
    // Wider than the design's 179 pixels: the window manager puts its buttons beside the
    // caption, and at 179 it cuts "Conferma uscita..." short.
    constexpr int kLarghezza = 240;
    setFixedSize(kLarghezza, 74);

    auto* domanda = new QLabel(QStringLiteral("Vuoi uscire dal Simulatore?"), this);
    domanda->setObjectName(QStringLiteral("Label1"));
    domanda->setAlignment(Qt::AlignCenter);
    domanda->setGeometry(4, 8, kLarghezza - 8, 20);

    // Created in tab order: "SI" first, so it has the focus when the question opens.
    auto* si = new QPushButton(QStringLiteral("SI"), this);
    si->setObjectName(QStringLiteral("Command1"));
    si->setGeometry(kLarghezza / 2 - 74, 40, 65, 25);
    auto* no = new QPushButton(QStringLiteral("NO"), this);
    no->setObjectName(QStringLiteral("Command2"));
    no->setGeometry(kLarghezza / 2 + 9, 40, 65, 25);
    connect(si, &QPushButton::clicked, this, &Form5::Command1_Click);
    connect(no, &QPushButton::clicked, this, &Form5::Command2_Click);
    si->setFocus();
}

void Form5::Command1_Click() {
    accept();
}
void Form5::Command2_Click() {
    reject();
}

void Form5::keyPressEvent(QKeyEvent* evento) {
    if (evento->key() == Qt::Key_Escape) {
        evento->accept();
        return;
    }
    QDialog::keyPressEvent(evento);
}

}  // namespace ardenvo
