// The least a Qt Widgets program does to show a window like the main one.
#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QWidget window(nullptr, Qt::Window | Qt::FramelessWindowHint);
    window.resize(512, 322);
    QLabel label(QStringLiteral("Choix de l'émulateur"), &window);
    label.move(20, 20);
    window.show();
    return app.exec();
}
