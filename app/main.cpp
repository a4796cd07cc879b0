#include <QApplication>
#include <QLabel>

int main(int argc, char** argv)
{
    QApplication::setAttribute(Qt::AA_UseDesktopOpenGL);
    QApplication app(argc, argv);
    QLabel label(QStringLiteral("Qt-UI Gustrel Wind Farm Monitoring"));
    label.show();
    return app.exec();
}
