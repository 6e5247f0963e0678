#include "platform/printqueue/ticket_printer.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

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

bool imprime(const QList<Renglon>& renglones, QPdfWriter& impresora)
{
    // Measured in the printer's own pixels; the page is given in points.
    const double ppp = impresora.resolution();
    const QFontMetricsF medida(fuente(false), &impresora);
    const double avance = medida.horizontalAdvance(QStringLiteral("0123456789")) / 10.0;
    const double alto = medida.lineSpacing();
    const double margen = kMargenMm / 25.4 * ppp;
    double lineas = 0;
    for (const Renglon& r : renglones)
        lineas += r.alto() ? 2 : 1;
    // No left margin: the columns count from the paper's edge, as the roll printer counts them.
    const QSizeF pagina((kColumnas * avance) * 72.0 / ppp, (std::max(1.0, lineas) * alto + 2 * margen) * 72.0 / ppp);
    impresora.setPageSize(QPageSize(pagina, QPageSize::Point, QStringLiteral("Ticket"), QPageSize::ExactMatch));
    // No margins: the painter's origin is the paper's corner.
    impresora.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Point);

    QPainter p;
    if (!p.begin(&impresora))
        return false;
    double y = margen;
    for (const Renglon& r : renglones) {
        const double altoRenglon = r.alto() ? 2 * alto : alto;
        int columna = 0;
        for (const Tramo& t : r.tramos) {
            p.save();
            const QFont f = fuente(t.negrita);
            p.setFont(f);
            const double bajada = QFontMetricsF(f, &impresora).descent() * (t.alta ? 2 : 1);
            p.translate(columna * avance, y + altoRenglon - bajada);
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
