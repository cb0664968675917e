#include <QApplication>
#include <QLabel>

// Stand-in until the main window exists: says so plainly.
int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QLabel label(QStringLiteral("Vokabo is being built: the word list, its file and the settings "
                                "are in place; the main window comes next."));
    label.setWindowTitle(QStringLiteral("Vokabo (stand-in)"));
    label.setMargin(24);
    label.show();
    return app.exec();
}
