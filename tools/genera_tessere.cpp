#include <QDir>
int main(int argc, char** argv) {
    if (argc > 1) QDir().mkpath(argv[1]);
    return 0;
}
