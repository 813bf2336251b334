#include <QApplication>
#include <QLabel>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("verbaloom"));
    QLabel placeholder(QStringLiteral("Verbaloom"));
    placeholder.show();
    return app.exec();
}
