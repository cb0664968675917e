// The floor: the least a Qt Widgets program does to put a window on the screen. Start-up time
// and memory of the program are measured against this one in the same run. It has the main
// window's size, so both keep a backing store of the same size.
#include <QApplication>
#include <QLabel>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QLabel window(QStringLiteral("Floor"));
    window.setWindowTitle(QStringLiteral("Floor"));
    window.resize(638, 355);
    window.show();
    return app.exec();
}
