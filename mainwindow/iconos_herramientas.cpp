#include "mainwindow/imagenes.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

// The toolbar pictures, drawn on a 24-unit grid at every size the toolbar asks for.
namespace imagenes {

namespace {

const QColor kTinta(0x33, 0x3d, 0x4a);
const QColor kPapel(0xfb, 0xfb, 0xf8);
const QColor kVerde(0x2e, 0x9d, 0x44);
const QColor kRojo(0xcf, 0x2d, 0x2d);
const QColor kAzul(0x2f, 0x6d, 0xb5);

void hoja(QPainter& p, const QRectF& r = QRectF(4, 2, 14, 19))
{
    QPainterPath path;
    path.moveTo(r.left(), r.top());
    path.lineTo(r.right() - 4, r.top());
    path.lineTo(r.right(), r.top() + 4);
    path.lineTo(r.right(), r.bottom());
    path.lineTo(r.left(), r.bottom());
    path.closeSubpath();
    p.setPen(QPen(kTinta, 1.2));
    p.setBrush(kPapel);
    p.drawPath(path);
    p.setPen(QPen(kTinta.lighter(180), 1));
    for (qreal y = r.top() + 6; y < r.bottom() - 2; y += 3)
        p.drawLine(QPointF(r.left() + 3, y), QPointF(r.right() - 3, y));
}

void mas(QPainter& p, const QPointF& c)
{
    p.setPen(Qt::NoPen);
    p.setBrush(kVerde);
    p.drawEllipse(c, 5.5, 5.5);
    p.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c + QPointF(-3, 0), c + QPointF(3, 0));
    p.drawLine(c + QPointF(0, -3), c + QPointF(0, 3));
}

void equis(QPainter& p, const QPointF& c, qreal r, qreal grueso)
{
    p.setPen(QPen(kRojo, grueso, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c + QPointF(-r, -r), c + QPointF(r, r));
    p.drawLine(c + QPointF(-r, r), c + QPointF(r, -r));
}

void lupa(QPainter& p, const QPointF& c, qreal r)
{
    p.setPen(QPen(kTinta, 2.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c + QPointF(r * 0.7, r * 0.7), c + QPointF(r * 1.9, r * 1.9));
    p.setPen(QPen(kTinta, 1.6));
    p.setBrush(QColor(0xcf, 0xe6, 0xfa));
    p.drawEllipse(c, r, r);
}

void triangulo(QPainter& p, qreal x, bool izquierda)
{
    QPolygonF t;
    if (izquierda)
        t << QPointF(x + 7, 5) << QPointF(x, 12) << QPointF(x + 7, 19);
    else
        t << QPointF(x, 5) << QPointF(x + 7, 12) << QPointF(x, 19);
    p.setPen(QPen(kAzul.darker(130), 1));
    p.setBrush(kAzul);
    p.drawPolygon(t);
}

void barra(QPainter& p, qreal x)
{
    p.setPen(Qt::NoPen);
    p.setBrush(kAzul.darker(120));
    p.drawRect(QRectF(x, 5, 2.5, 14));
}

void dibuja(QPainter& p, int indice)
{
    switch (indice) {
    case 1:
        hoja(p);
        mas(p, QPointF(17, 17));
        break;
    case 2: {
        hoja(p);
        p.save();
        p.translate(15, 14);
        p.rotate(45);
        p.setPen(QPen(kTinta, 1));
        p.setBrush(QColor(0xf2, 0xb1, 0x34));
        p.drawRect(QRectF(-2, -9, 4, 13));
        p.setBrush(kTinta);
        p.drawPolygon(QPolygonF() << QPointF(-2, 4) << QPointF(2, 4) << QPointF(0, 8));
        p.restore();
        break;
    }
    case 3:
        hoja(p);
        equis(p, QPointF(16.5, 16.5), 4, 2.6);
        break;
    case 5: {
        p.setPen(QPen(kVerde, 3.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPolyline(QPolygonF() << QPointF(4, 13) << QPointF(10, 19) << QPointF(20, 5));
        break;
    }
    case 6:
        p.setPen(Qt::NoPen);
        p.setBrush(kRojo);
        p.drawEllipse(QPointF(12, 12), 9.5, 9.5);
        p.setPen(QPen(Qt::white, 2.6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(8, 8), QPointF(16, 16));
        p.drawLine(QPointF(8, 16), QPointF(16, 8));
        break;
    case 8:
        lupa(p, QPointF(10, 10), 6);
        break;
    case 10:
        p.setPen(QPen(kTinta, 1.2));
        p.setBrush(kPapel);
        p.drawRect(QRectF(2.5, 3.5, 19, 17));
        p.setBrush(kAzul);
        p.drawRect(QRectF(2.5, 3.5, 19, 4));
        equis(p, QPointF(12, 14), 3.5, 2.4);
        break;
    case 11: {
        p.setPen(Qt::NoPen);
        p.setBrush(kAzul);
        p.drawEllipse(QPointF(12, 12), 9.5, 9.5);
        QFont f = p.font();
        f.setBold(true);
        f.setPixelSize(15);
        p.setFont(f);
        p.setPen(Qt::white);
        p.drawText(QRectF(2, 2, 20, 20), Qt::AlignCenter, QStringLiteral("?"));
        break;
    }
    case 13:
        barra(p, 5);
        triangulo(p, 9, true);
        triangulo(p, 14, true);
        break;
    case 14:
        triangulo(p, 8, true);
        break;
    case 15:
        triangulo(p, 9, false);
        break;
    case 16:
        triangulo(p, 3, false);
        triangulo(p, 8, false);
        barra(p, 16.5);
        break;
    case 18: {
        QPolygonF embudo;
        embudo << QPointF(3, 4) << QPointF(21, 4) << QPointF(14, 12) << QPointF(14, 20) << QPointF(10, 18)
               << QPointF(10, 12);
        p.setPen(QPen(kTinta, 1.2, Qt::SolidLine, Qt::SquareCap, Qt::RoundJoin));
        p.setBrush(kAzul.lighter(140));
        p.drawPolygon(embudo);
        break;
    }
    case 20:
        p.setPen(QPen(kTinta, 1.2));
        p.setBrush(kPapel);
        p.drawRect(QRectF(6.5, 2.5, 11, 7));
        p.setBrush(QColor(0x9a, 0xa4, 0xb0));
        p.drawRoundedRect(QRectF(2.5, 8.5, 19, 9), 2, 2);
        p.setBrush(kPapel);
        p.drawRect(QRectF(6.5, 14.5, 11, 7));
        p.setPen(Qt::NoPen);
        p.setBrush(kVerde);
        p.drawEllipse(QPointF(18.5, 11.5), 1.2, 1.2);
        break;
    case 21:
        hoja(p, QRectF(3, 2, 13, 18));
        lupa(p, QPointF(14, 14), 4.5);
        break;
    default:
        break;
    }
}

QPixmap pinta(int indice, int lado)
{
    QPixmap pm(lado, lado);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(lado / 24.0, lado / 24.0);
    dibuja(p, indice);
    return pm;
}

} // namespace

QIcon herramienta(int indice)
{
    switch (indice) {
    case 4: case 7: case 9: case 12: case 17: case 19:
        return QIcon();
    default:
        break;
    }
    if (indice < 1 || indice > 21)
        return QIcon();
    QIcon icono;
    for (int lado : {16, 24, 32, 48})
        icono.addPixmap(pinta(indice, lado));
    return icono;
}

} // namespace imagenes
