#include "platform/printqueue/ticket_printer.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>

namespace ticketlayout {

namespace {

constexpr double kPuntos = 9.0;
constexpr double kMargenMm = 3.0;

QFont fuente(bool negrita)
{
    QFont f = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    f.setStyleHint(QFont::TypeWriter);
    f.setFixedPitch(true);
    f.setPointSizeF(kPuntos);
    f.setBold(negrita);
    f.setKerning(false);
    return f;
}

} // namespace

bool imprime(const QList<Renglon>& renglones, QPrinter& impresora)
{
    // The page is measured in points: the font's advance sets the roll's width.
    const QFontMetricsF medida(fuente(false));
    const double avance = medida.horizontalAdvance(QStringLiteral("0123456789")) / 10.0 * 72.0 / medida.fontDpi();
    const double alto = medida.lineSpacing() * 72.0 / medida.fontDpi();
    const double margen = kMargenMm * 72.0 / 25.4;
    double lineas = 0;
    for (const Renglon& r : renglones)
        lineas += r.alto() ? 2 : 1;
    const QSizeF pagina(kColumnas * avance + 2 * margen, std::max(1.0, lineas) * alto + 2 * margen);
    impresora.setPageSize(QPageSize(pagina, QPageSize::Point, QStringLiteral("Ticket"), QPageSize::ExactMatch));
    impresora.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Point);
    impresora.setFullPage(true);

    QPainter p;
    if (!p.begin(&impresora))
        return false;
    // From here on one unit is one point.
    const double escala = impresora.resolution() / 72.0;
    p.scale(escala, escala);
    double y = margen;
    for (const Renglon& r : renglones) {
        const double altoRenglon = r.alto() ? 2 * alto : alto;
        int columna = 0;
        for (const Tramo& t : r.tramos) {
            p.save();
            QFont f = fuente(t.negrita);
            p.setFont(f);
            const double x = margen + columna * avance;
            const double base = y + altoRenglon - QFontMetricsF(f).descent() * 72.0 / medida.fontDpi() * (t.alta ? 2 : 1);
            p.translate(x, base);
            if (t.alta)
                p.scale(1.0, 2.0);
            p.drawText(QPointF(0, 0), t.texto);
            p.restore();
            columna += t.texto.size();
        }
        y += altoRenglon;
    }
    return p.end();
}

} // namespace ticketlayout
