// Draws the toolkit's four built-in check and radio images into PNG files:
//   make_builtin_images <output folder>
// Each is 16 x 16, transparent, drawn with a light gray 1-pixel pen inside
// the rectangle (1, 1, 14, 14). Rebuild with ./build.sh in this folder.

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPolygon>

static QImage blank()
{
    QImage img(16, 16, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    return img;
}

static const QRect kFrame(1, 1, 14, 14);
static const QColor kInk(204, 204, 204);

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(out);

    QImage unselect = blank();
    {
        QPainter p(&unselect);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(kInk, 1));
        p.drawEllipse(kFrame);
    }
    QImage selected = unselect;
    {
        QPainter p(&selected);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(kInk, 1));
        p.setBrush(kInk);
        p.drawEllipse(QPoint(8, 8), 4, 4);
    }
    QImage uncheck = blank();
    {
        QPainter p(&uncheck);
        p.setPen(QPen(kInk, 1));
        p.drawRect(kFrame);
    }
    QImage checked = uncheck;
    {
        QPainter p(&checked);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(kInk, 1));
        p.drawPolyline(QPolygon({QPoint(4, 9), QPoint(8, 13), QPoint(14, 3)}));
    }

    bool ok = unselect.save(out + "/IDB_UNSELECT.png") && selected.save(out + "/IDB_SELECTED.png") &&
              uncheck.save(out + "/IDB_UNCHECK.png") && checked.save(out + "/IDB_CHECKED.png");
    return ok ? 0 : 1;
}
