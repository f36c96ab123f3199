#include "program.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    vemlik::Program program;
    program.window().show();
    return QApplication::exec();
}
