#include "tickets/ticket.h"

#include "foundation/database/cls_ado.h"
#include "foundation/log/bitacora.h"
#include "foundation/routines/zorva_funciones.h"
#include "platform/printqueue/ctl_trabajos.h"
#include "platform/ui/msgbox.h"
#include "tickets/monto_a_nombre.h"

#include <optional>

namespace {

constexpr int kAncho = 32;
constexpr int kCampoNombre = 25;
constexpr int kCampoImporte = 7;
const QString kFinLinea = QStringLiteral("\r\n");

[[noreturn]] void falla(const QString& descripcion)
{
    throw adodb::ComError(adodb::err::BadArgument, descripcion, QStringLiteral("Tickets"));
}

// Half of the free room, ties to the even neighbour.
int mitad(int libre)
{
    return int(Moneda::deDiezmilesimos(qint64(libre) * 5000).redondea(0).diezmilesimos() / 10000);
}

QString blancos(int n)
{
    return QString(qMax(0, n), QLatin1Char(' '));
}

} // namespace

bool FuncionActiva(int funcion)
{
    const QString n = QString::number(funcion);
    const QString cuenta = BuscaValor(QStringLiteral("Funciones"), QStringLiteral("COUNT(*) as Cuenta"),
                                      QStringLiteral("Estado = 1 AND Id_Funcion=") + n);
    return !cuenta.isEmpty() && cuenta != QLatin1String("0");
}

QString AlinearTexto(const QString& texto, int ancho, int alineacion, bool cortar)
{
    const auto ajusta = [ancho, alineacion](const QString& t) {
        const int libre = ancho - int(t.size());
        if (alineacion == 0)
            return t + blancos(libre);
        if (alineacion == 1)
            return blancos(libre) + t;
        const int h = mitad(libre);
        return blancos(h) + t + blancos(h);
    };
    if (texto.size() <= ancho)
        return ajusta(texto);
    if (cortar)
        return texto.left(ancho);
    const QString resto = texto.mid(ancho);
    if (alineacion == 0)
        return texto.left(ancho) + QStringLiteral("<N>") + resto;
    if (resto.size() > ancho)
        falla(QStringLiteral("El texto \"%1\" no cabe en dos renglones de %2 columnas").arg(texto).arg(ancho));
    return texto.left(ancho) + QStringLiteral("<N>") + ajusta(resto);
}

QString Centrado(const QString& texto)
{
    if (texto.size() >= kAncho)
        return texto;
    return blancos(mitad(kAncho - int(texto.size()))) + texto;
}

QString CentradoConCorte(const QString& texto)
{
    if (texto.size() < kAncho)
        return Centrado(texto);
    QString t = texto.left(kAncho);
    QString resto = texto.mid(kAncho);
    // A long text goes on over as many lines as it needs.
    while (resto.size() >= kAncho) {
        t += kFinLinea + resto.left(kAncho);
        resto = resto.mid(kAncho);
        if (resto.isEmpty())
            return t;
    }
    const int h = mitad(kAncho - int(resto.size()));
    return t + kFinLinea + blancos(h) + resto + blancos(h);
}

QString LineaArticulo(const QString& nombre, const Moneda& cantidad, const Moneda& unitario, const Moneda& importe)
{
    // An amount wider than its field takes the room from the name: the line stays 32 wide and the
    // amount is never split.
    const QString cifra = importe.dosDecimales();
    const int campoNombre = qMax(0, kAncho - qMax(kCampoImporte, int(cifra.size())));
    QString campo;
    if (cantidad > Moneda::deDiezmilesimos(10000)) {
        const QString sufijo = QLatin1Char('(') + cantidad.texto() + QLatin1Char('@') + unitario.texto() + QLatin1Char(')');
        // A suffix too long for the field prints alone.
        campo = nombre.left(qMax(0, campoNombre - int(sufijo.size()))) + sufijo;
    } else {
        campo = nombre.left(campoNombre);
    }
    campo = campo.leftJustified(campoNombre, QLatin1Char(' '));
    // Past the field, a blank keeps the amount a word of its own, which the printer moves whole.
    if (campo.size() > campoNombre && cifra.size() >= kCampoImporte)
        campo += QLatin1Char(' ');
    return campo + cifra.rightJustified(kCampoImporte, QLatin1Char(' '));
}

void TotalesTicket(CtlTrabajos& trabajos, qint32 trabajo, const Moneda& total, const Moneda& subtotal,
                   const Moneda& impuesto)
{
    // The labels and amounts in thirds of 11 after 10 blanks: 32 columns.
    constexpr int kTercio = 11;
    if (subtotal != Moneda()) {
        trabajos.AgregarLinea(trabajo, QStringLiteral("<N>") + blancos(10) + AlinearTexto(QStringLiteral("Subtotal:"), kTercio, 1, false)
                                           + AlinearTexto(subtotal.dosDecimales(), kTercio, 1, false));
        trabajos.AgregarLinea(trabajo, blancos(10) + AlinearTexto(QStringLiteral("IVA:"), kTercio, 1, false)
                                           + AlinearTexto(impuesto.dosDecimales(), kTercio, 1, false));
    }
    const QString cifra = total.dosDecimales();
    trabajos.AgregarLinea(trabajo, QStringLiteral("<N><H><B>Total ") + cifra.rightJustified(10, QLatin1Char(' '))
                                       + QStringLiteral("</H></B>") + kFinLinea);
    if (FuncionActiva(10)) {
        const QString texto = BuscaValor(QStringLiteral("Parametros"), QStringLiteral("Valor_Num"),
                                         QStringLiteral("Id_Parametro='TC_US'"));
        bool ok = false;
        const double tipo = texto.toDouble(&ok);
        if (!ok || tipo == 0)
            falla(QStringLiteral("No hay un tipo de cambio válido en el parámetro TC_US"));
        const Moneda dolares = Moneda::deDouble(total.aDouble() / tipo).redondea(0);
        trabajos.AgregarLinea(trabajo, QStringLiteral("<H><B>      ") + dolares.dosDecimales().rightJustified(7, QLatin1Char(' '))
                                           + QStringLiteral(" U.S.</H></B>") + kFinLinea);
    }
    trabajos.AgregarLinea(trabajo, MontoANombre(total, QStringLiteral("ESPAÑOL"), QStringLiteral("pesos"))
                                       + QStringLiteral(" M.N. ") + kFinLinea);
    trabajos.AgregarLinea(trabajo, QStringLiteral("Regrese pronto") + kFinLinea + kFinLinea);
    trabajos.AgregarLinea(trabajo, QStringLiteral("      * Propina no incluida *") + kFinLinea
                                       + QStringLiteral("     * Tips are not included *") + kFinLinea);
    if (!FuncionActiva(13))
        trabajos.AgregarLinea(trabajo, QStringLiteral("<N>Comprobante   simplificado    de") + kFinLinea
                                           + QStringLiteral("operacion con publico en general") + kFinLinea
                                           + QStringLiteral("de acuerdo  al  articulo 37  del") + kFinLinea
                                           + QStringLiteral("reglamento del  codigo fiscal de") + kFinLinea
                                           + QStringLiteral("la federacion."));
}

bool ImprimeTicket(CtlTrabajos& trabajos, qint32 comanda, int cuenta, qint32 control)
{
    if (comanda == 0)
        return false;
    std::optional<qint32> trabajo;
    try {
        const QString impresora = BuscaValor(
            QStringLiteral("Impresora"), QStringLiteral("Id_Impresora"),
            QStringLiteral("EsDeCheques=1 AND id_terminal=(select id_terminal from terminal where Vereduda=1)"));
        if (impresora.isEmpty()) {
            ui::msgBox(QStringLiteral("No hay definidas impresoras locales en esta terminal"));
            return false;
        }
        trabajo = trabajos.AbrirTrabajo(QStringLiteral("T"), impresora.toDouble(), QStringLiteral("System"));
        adodb::Recordset articulos = g_ClsAdo().conexion().execute(
            QStringLiteral("ImprimirTicket %1,%2,%3").arg(comanda).arg(control).arg(cuenta));
        if (articulos.isNull())
            falla(QStringLiteral("El procedimiento ImprimirTicket no devolvió artículos"));
        EncabezadoTicket(trabajos, *trabajo, comanda, cuenta, control);
        const bool sinImpuesto = FuncionActiva(16);
        Moneda suma, impuesto;
        for (; !articulos.eof(); articulos.moveNext()) {
            const Moneda cantidad = Moneda::deVariant(articulos.value(QStringLiteral("Cantidad")));
            const Moneda unitario = Moneda::deVariant(
                articulos.value(sinImpuesto ? QStringLiteral("Unitario_Original") : QStringLiteral("Unitario")));
            const Moneda importe = Moneda::deVariant(
                articulos.value(sinImpuesto ? QStringLiteral("Precio_Original") : QStringLiteral("Precio")));
            suma += importe.redondea(2);
            if (sinImpuesto) {
                const Moneda suyo = Moneda::deVariant(articulos.value(QStringLiteral("Impuesto")));
                suma += suyo.redondea(2);
                impuesto += suyo;
            }
            trabajos.AgregarLinea(*trabajo, LineaArticulo(articulos.value(QStringLiteral("Nombre_Cuenta")).toString(),
                                                          cantidad, unitario, importe));
        }
        const Moneda total = suma.redondea(0);
        TotalesTicket(trabajos, *trabajo, total, total - impuesto, impuesto);
        trabajos.CerrarTrabajo(*trabajo);
        return true;
    } catch (const adodb::ComError& e) {
        if (trabajo)
            trabajos.CancelarTrabajo(*trabajo);
        ui::msgBox(QStringLiteral("Error al imprimir el ticket: ") + e.description());
        EscribeBitacora(QStringLiteral("Imprimir ticket ") + QString::number(e.number()) + e.description());
    } catch (const std::exception& e) {
        if (trabajo)
            trabajos.CancelarTrabajo(*trabajo);
        const QString descripcion = QString::fromLocal8Bit(e.what());
        ui::msgBox(QStringLiteral("Error al imprimir el ticket: ") + descripcion);
        EscribeBitacora(QStringLiteral("Imprimir ticket ") + descripcion);
    }
    if (!g_ClsAdo().conexion().isNull())
        g_ClsAdo().conexion().errors().clear();
    return false;
}
