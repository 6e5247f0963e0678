#include "foundation/database/cls_ado.h"
#include "foundation/routines/zorva_funciones.h"
#include "platform/clock/clock.h"
#include "platform/grid/spanish_dates.h"
#include "platform/printqueue/ctl_trabajos.h"
#include "tickets/ticket.h"

namespace {

constexpr int kAncho = 32;
const QString kFinLinea = QStringLiteral("\r\n");

QString parametro(const QString& clave)
{
    return BuscaValor(QStringLiteral("Parametros"), QStringLiteral("Valor_Cad"),
                      QStringLiteral("ID_Parametro='") + clave + QLatin1Char('\''));
}

QDateTime momento(const QVariant& valor)
{
    if (valor.typeId() == QMetaType::QDateTime)
        return valor.toDateTime();
    QString t = valor.toString().trimmed();
    t.replace(QLatin1Char(' '), QLatin1Char('T'));
    QDateTime m = QDateTime::fromString(t, Qt::ISODate);
    if (!m.isValid())
        m = QDateTime(QDate::fromString(t.left(10), Qt::ISODate), QTime(0, 0));
    return m;
}

// A number column read as text: NULL prints as 0.
QString numero(const QVariant& valor)
{
    return valor.isNull() ? QStringLiteral("0") : QString::number(valor.toLongLong());
}

// The company block: one piece of seven lines and two line ends.
QString bloqueEmpresa()
{
    const QString clave = BuscaValor(QStringLiteral("Parametros"), QStringLiteral("Valor_Num"),
                                     QStringLiteral("Id_Parametro='CVEEMPRESA'"));
    bool ok = false;
    const qint64 cve = clave.toDouble(&ok);
    if (!ok)
        throw adodb::ComError(adodb::err::BadArgument, QStringLiteral("No hay clave de empresa en el parámetro CVEEMPRESA"),
                              QStringLiteral("Tickets"));
    adodb::Recordset rs;
    if (!g_ClsAdo().Establece_consulta(rs, QStringLiteral("SELECT * FROM Empresas WHERE CveEmpresa=") + QString::number(cve), 3, 3, 1))
        throw adodb::ComError(adodb::err::ProviderSyntax, QStringLiteral("No se pudo leer la tabla Empresas"),
                              QStringLiteral("Tickets"));
    if (rs.eof())
        throw adodb::ComError(adodb::err::NoCurrentRecord,
                              QStringLiteral("La empresa %1 no está en la tabla Empresas").arg(cve), QStringLiteral("Tickets"));
    const auto campo = [&rs](const char* nombre) { return rs.value(QLatin1String(nombre)).toString(); };
    const QStringList lineas{
        CentradoConCorte(campo("RazonSocial")),
        CentradoConCorte(campo("Calle")),
        CentradoConCorte(campo("Colonia")),
        CentradoConCorte(campo("DelMunicipio")),
        CentradoConCorte(campo("Estado") + QStringLiteral(" C.P.") + campo("CP")),
        Centrado(QStringLiteral("R.F.C. ") + campo("RFC")),
        Centrado(QStringLiteral("Tel. ") + campo("Telefono1")),
    };
    return lineas.join(kFinLinea) + kFinLinea + kFinLinea;
}

} // namespace

void EncabezadoTicket(CtlTrabajos& trabajos, qint32 trabajo, qint32 comanda, int cuenta, qint32 control)
{
    // The check row: the waiter may have been deleted since, and the reprint count is the printed
    // account's.
    adodb::Recordset rs;
    if (!g_ClsAdo().Establece_consulta(
            rs,
            QStringLiteral("SELECT Emp.Nombre_Empleado,Com.Fecha_Cierre,Com.Num_Mesa,Cta.Num_Impresiones,Com.CantHuespedes"
                           " FROM Comanda Com LEFT JOIN Empleado Emp ON Emp.ID_Empleado=Com.ID_Empleado"
                           " LEFT JOIN Cuenta Cta ON Cta.ID_Comanda=Com.ID_Comanda AND Cta.Control=Com.Control"
                           " AND Cta.Num_Cuenta=%3 WHERE Com.ID_Comanda=%1 AND Com.Control=%2")
                .arg(comanda)
                .arg(control)
                .arg(cuenta),
            3, 3, 1))
        throw adodb::ComError(adodb::err::ProviderSyntax, QStringLiteral("No se pudieron leer los datos de la comanda"),
                              QStringLiteral("Tickets"));
    QString mesero, fecha, hora, mesa;
    QString huespedes = QStringLiteral("0"), impresiones = QStringLiteral("0");
    if (!rs.eof()) {
        mesero = rs.value(QStringLiteral("Nombre_Empleado")).toString();
        const QVariant cierre = rs.value(QStringLiteral("Fecha_Cierre"));
        QDateTime cuando = cierre.isNull() || cierre.toString().trimmed().isEmpty() ? appclock::now() : momento(cierre);
        if (!cuando.isValid())
            cuando = appclock::now();
        fecha = spanish::formatDateTime(cuando, QStringLiteral("dd/mmm/yyyy"));
        hora = spanish::formatDateTime(cuando, QStringLiteral("hh:mm"));
        const QVariant numMesa = rs.value(QStringLiteral("Num_Mesa"));
        mesa = QStringLiteral("Mesa ") + (numMesa.isNull() ? QString() : QString::number(numMesa.toLongLong()));
        huespedes = numero(rs.value(QStringLiteral("CantHuespedes")));
        impresiones = numero(rs.value(QStringLiteral("Num_Impresiones")));
    }
    rs.close();

    trabajos.AgregarLinea(trabajo, bloqueEmpresa());

    if (const QString sucursal = parametro(QStringLiteral("SUCURSAL")); !sucursal.isEmpty()) {
        trabajos.AgregarLinea(trabajo, Centrado(sucursal));
        for (const char* clave : {"DIRECCIONCALLE", "DIRECCIONCALLE2", "DIRECCIONCOL", "DIRECCIONDEL"})
            trabajos.AgregarLinea(trabajo, Centrado(parametro(QLatin1String(clave))));
        trabajos.AgregarLinea(trabajo, Centrado(parametro(QStringLiteral("DIRECCIONEYC")) + QStringLiteral(" C.P. ")
                                                + parametro(QStringLiteral("DIRECCIONCP"))));
        trabajos.AgregarLinea(trabajo, Centrado(QStringLiteral("R.F.C. ") + parametro(QStringLiteral("RFC"))) + QStringLiteral("<N>"));
    }

    QString folio = QStringLiteral("<B>Folio: ") + QString::number(comanda);
    if (cuenta != 0)
        folio += QStringLiteral(" Cuenta: ") + QString::number(cuenta);
    if (!FuncionActiva(13))
        folio += QStringLiteral("  Serie: ") + parametro(QStringLiteral("SERIE"));
    trabajos.AgregarLinea(trabajo, folio + QStringLiteral("</B>"));

    const QString w = QStringLiteral("Mesero: ") + mesero;
    if (w.size() + fecha.size() <= kAncho)
        trabajos.AgregarLinea(trabajo, w + QString(kAncho - w.size() - fecha.size(), QLatin1Char(' ')) + fecha);
    else
        trabajos.AgregarLinea(trabajo, (w.size() >= kAncho ? w + QLatin1Char(' ') : w.leftJustified(kAncho, QLatin1Char(' ')))
                                           + kFinLinea + fecha.rightJustified(kAncho, QLatin1Char(' ')));

    // A table and time too long for the line keep a blank between them.
    const int libres = qMax<int>(1, kAncho - int(mesa.size()) - int(hora.size()));
    QString renglon = QStringLiteral("<N>") + kFinLinea + mesa + QString(libres, QLatin1Char(' ')) + hora
        + QStringLiteral("<N>Clientes: ") + huespedes;
    if (impresiones != QLatin1String("0"))
        renglon += QStringLiteral("<N>Reimpresiones: ") + impresiones;
    trabajos.AgregarLinea(trabajo, renglon);
}
