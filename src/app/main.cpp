#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget w;
    w.setWindowTitle("Ardenvo V0.3.1");
    w.show();
    return app.exec();
}
