#include "mainwindow/imagenes.h"

#include "zorva_version.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace imagenes {

namespace {

const QColor kAzulOscuro(0x1d, 0x3a, 0x5f);
const QColor kAzulClaro(0x3a, 0x6e, 0xa5);
const QColor kDorado(0xe8, 0xb8, 0x4a);

void dibujaLogo(QPainter& p, const QRectF& r)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient fondo(r.center(), r.width() / 2);
    fondo.setColorAt(0, kDorado.lighter(120));
    fondo.setColorAt(1, kDorado.darker(130));
    p.setPen(QPen(Qt::white, r.width() / 24));
    p.setBrush(fondo);
    p.drawEllipse(r.adjusted(r.width() / 20, r.width() / 20, -r.width() / 20, -r.width() / 20));
    QFont f(QStringLiteral("Sans Serif"));
    f.setBold(true);
    f.setPixelSize(int(r.height() * 0.55));
    p.setFont(f);
    p.setPen(kAzulOscuro);
    p.drawText(r, Qt::AlignCenter, QStringLiteral("Z"));
    p.restore();
}

} // namespace

QPixmap inicio()
{
    QPixmap pm(520, 300);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient fondo(0, 0, 0, pm.height());
    fondo.setColorAt(0, kAzulClaro);
    fondo.setColorAt(1, kAzulOscuro);
    p.fillRect(pm.rect(), fondo);
    p.setPen(QPen(kDorado, 3));
    p.drawRect(pm.rect().adjusted(1, 1, -2, -2));

    dibujaLogo(p, QRectF(36, 70, 120, 120));

    QFont titulo(QStringLiteral("Sans Serif"));
    titulo.setBold(true);
    titulo.setPixelSize(54);
    titulo.setLetterSpacing(QFont::AbsoluteSpacing, 10);
    p.setFont(titulo);
    p.setPen(Qt::white);
    p.drawText(QRect(180, 70, 330, 70), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("ZORVA"));

    QFont marca(QStringLiteral("Sans Serif"));
    marca.setPixelSize(18);
    marca.setLetterSpacing(QFont::AbsoluteSpacing, 6);
    p.setFont(marca);
    p.setPen(kDorado);
    p.drawText(QRect(184, 140, 330, 30), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("VEREDUDA"));

    QFont texto(QStringLiteral("Sans Serif"));
    texto.setPixelSize(14);
    p.setFont(texto);
    p.setPen(Qt::white);
    p.drawText(QRect(184, 175, 330, 40), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
               QStringLiteral("Programa servidor del proceso de punto de venta"));
    p.setPen(QColor(255, 255, 255, 180));
    p.drawText(QRect(20, 255, 480, 30), Qt::AlignRight | Qt::AlignVCenter,
               QStringLiteral("Version " ZORVA_VERSION_TEXT));
    return pm;
}

QPixmap semaforo(Luz luz)
{
    const int ancho = 40;
    const int alto = 104;
    QPixmap pm(ancho, alto);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x20, 0x20, 0x20), 1.5));
    p.setBrush(QColor(0x3c, 0x3c, 0x3c));
    p.drawRoundedRect(QRectF(2, 2, ancho - 4, alto - 4), 8, 8);
    const QColor encendidas[] = {QColor(0xe5, 0x2b, 0x2b), QColor(0xf5, 0xc5, 0x18), QColor(0x2e, 0xc2, 0x4a)};
    for (int i = 0; i < 3; ++i) {
        const QRectF lampara(8, 8 + i * 31, 24, 24);
        const bool prendida = int(luz) == i;
        QColor color = encendidas[i];
        if (!prendida)
            color = color.darker(330);
        QRadialGradient brillo(lampara.center() - QPointF(4, 4), 16);
        brillo.setColorAt(0, prendida ? color.lighter(160) : color);
        brillo.setColorAt(1, color);
        p.setPen(Qt::NoPen);
        p.setBrush(brillo);
        p.drawEllipse(lampara);
    }
    return pm;
}

QPixmap logo(int lado)
{
    QPixmap pm(lado, lado);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    dibujaLogo(p, QRectF(0, 0, lado, lado));
    return pm;
}

} // namespace imagenes
