#include <QApplication>

#include "mainwindow/applicazione.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    ardenvo::Applicazione ardenvo(app);
    ardenvo.finestra().show();
    return app.exec();
}
