// The floor of a window's start-up: a Qt window of the given size, shown as a program shows its
// main window, empty or with one line of text, which loads the fonts as every window with text
// must. Usage: bare_window WIDTH HEIGHT [TEXT]
#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    if (argc != 3 && argc != 4) {
        return 2;
    }
    QWidget window;
    window.setFixedSize(QString(argv[1]).toInt(), QString(argv[2]).toInt());
    if (argc == 4) {
        new QLabel(QString::fromUtf8(argv[3]), &window);
    }
    window.show();
    return QApplication::exec();
}
