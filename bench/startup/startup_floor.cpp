// The floor of the start-up comparison: the least a Qt Widgets program does to paint one
// word in a titled window, at the size of the program's main window.
#include <QApplication>
#include <QLabel>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QLabel word(QStringLiteral("abasement"));
    word.setAlignment(Qt::AlignCenter);
    word.setWindowTitle(QStringLiteral("Qt floor"));
    word.resize(1100, 780);
    word.show();
    return app.exec();
}
