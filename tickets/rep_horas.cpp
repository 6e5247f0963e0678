#include "tickets/rep_horas.h"

#include "foundation/database/cls_ado.h"
#include "mainwindow/imagenes.h"
#include "platform/grid/grid.h"
#include "platform/grid/grid_stack.h"
#include "platform/ui/msgbox.h"
#include "reports/combos_reporte.h"
#include "tickets/correccion_hora.h"
#include "tickets/sql_horas.h"

#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QPushButton>
#include <QTableWidget>

#include <algorithm>

namespace {

constexpr int kColumnas = 10;
constexpr int kRenglonesEncabezado = 7;
constexpr int kColEntrada = 4;
constexpr int kColSalida = 5;
const QString kTodas = QStringLiteral("TODAS");
const QString kTituloMensajes = QStringLiteral("Vereduda Zorva");

RepVentana::Ajustes ajustesHoras()
{
    RepVentana::Ajustes a;
    a.titulo = QStringLiteral("Detalle de Horas");
    a.maximizada = true;
    a.escCierra = true;
    a.encabezado = RepVentana::Encabezado::LineaEmpresa;
    a.bordeImpresion = false;
    a.margenSuperior = a.margenInferior = a.margenIzquierdo = a.margenDerecho = 100;
    return a;
}

QString textoFecha(const QDate& fecha)
{
    return fecha.toString(QStringLiteral("dd/MM/yyyy"));
}

} // namespace

RepHoras::RepHoras(QWidget* parent) : RepVentana(QStringLiteral("RepHoras"), ajustesHoras(), parent)
{
    dtpFecha = agregaFecha(QStringLiteral("dtpFecha"), QStringLiteral("Fecha Inicio:"));
    dtpFechaFin = agregaFecha(QStringLiteral("dtpFechaFin"), QStringLiteral("Fecha Final:"));
    cmbCategoria = agregaCombo(QStringLiteral("cmbCategoria"), QStringLiteral("Departamento:"));
    QPushButton* cmdBuscar = agregaBuscar(QStringLiteral("cmdBuscar"), QString());
    cmdBuscar->setIcon(imagenes::herramienta(8));
    cmdBuscar->setIconSize(QSize(24, 24));
    cmdBuscar->setToolTip(QStringLiteral("Buscar"));

    grid::Grid* fpsDatos = creaRejilla(QStringLiteral("fpsDatos"), QStringLiteral("fpsVista"));
    fpsDatos->setColumnCount(kColumnas);
    fpsDatos->setRowCount(kRenglonesEncabezado);
    fpsDatos->setColumnHeaderVisible(false);
    fpsDatos->setRowHeaderVisible(false);
    // Departamento a little wider than designed, so that its bold caption shows whole.
    const double anchos[kColumnas] = {7.87, 30.12, 13.5, 10.62, 9.75, 9.62, 0, 9.12, 13.12, 12.87};
    for (int c = 1; c <= kColumnas; ++c)
        if (anchos[c - 1] > 0)
            fpsDatos->setColumnWidth(c, anchos[c - 1]);
    fpsDatos->setText(1, 4, QStringLiteral("DETALLE DE HORAS X EMPLEADO"));
    fpsDatos->setCellBold(1, 4, true);
    fpsDatos->setCellFontSize(1, 4, 14);
    fpsDatos->setRangeBackground({4, 1, 4, kColumnas}, QColor(128, 128, 128));
    const QStringList titulos{QStringLiteral("Entrada"),     QStringLiteral("Empleado"),        QStringLiteral("Departamento"),
                              QStringLiteral("Hora Entrada"), QStringLiteral("Hora Salida"),     QStringLiteral("Costo/Hora"),
                              QStringLiteral("Num Horas"),    QStringLiteral("Costo Total"),     QStringLiteral("% Horas Trabajo"),
                              QStringLiteral("% Costo Nomina")};
    for (int c = 1; c <= kColumnas; ++c) {
        fpsDatos->setText(6, c, titulos.at(c - 1));
        fpsDatos->setCellBold(6, c, true);
    }
    // The data rows take their columns' types as they are added; the heading keeps plain text.
    const grid::CellFormat tipos[] = {grid::CellFormat::time(),   grid::CellFormat::time(),     grid::CellFormat::currency(),
                                      grid::CellFormat::number(), grid::CellFormat::currency(), grid::CellFormat::percent(),
                                      grid::CellFormat::percent()};
    for (int c = kColEntrada; c <= kColumnas; ++c) {
        fpsDatos->setColumnFormat(c, tipos[c - kColEntrada]);
        for (int r = 1; r <= kRenglonesEncabezado; ++r)
            fpsDatos->setCellFormat(r, c, grid::CellFormat::text());
    }
    // Nothing can be typed but the one time cell a double-click opens.
    fpsDatos->setAllLocked(true);
    fpsDatos->setProtected(true);
    // An impossible time ends its edit with Enter or Tab too, and is said.
    fpsDatos->setKeysEndIncompleteEntries(true);
    connect(fpsDatos, &grid::Grid::doubleClicked, this, [this](int row, int column) { fpsDatos_DblClick(column, row); });
    connect(fpsDatos, &grid::Grid::editFinished, this,
            [this](int row, int column, const QString& tecleado) { fpsDatos_Change(column, row, tecleado); });

    LlenaComboTodos(cmbCategoria, QStringLiteral("SELECT Nombre,ID_Departamento FROM Departamentos WHERE Activo=1"), kTodas);
}

void RepHoras::buscar()
{
    grid::Grid* fpsDatos = rejilla();
    pila()->showGrid();
    const QDate desde = dtpFecha->date(), hasta = dtpFechaFin->date();
    const QString departamento = condicionCombo(cmbCategoria, kTodas, QStringLiteral(" AND ID_Departamento="));
    // Read first: a failed query leaves the last search as it was.
    adodb::Recordset rs = consulta(sqlhoras::detalle(desde, hasta, departamento));
    fpsDatos->setActiveCell(1, 4);
    fpsDatos->setCellBold(1, 4, true);
    fpsDatos->setText(1, 4, QStringLiteral("DETALLE DE HORAS"));
    fpsDatos->setSpan(1, 4, 1, 4);
    fpsDatos->setActiveCell(2, 4);
    fpsDatos->setCellBold(2, 4, true);
    fpsDatos->setText(2, 4, textoFecha(desde) + QStringLiteral(" - ") + textoFecha(hasta));
    fpsDatos->setSpan(2, 4, 1, 3);

    // The rows of the last search are written over, those missing added at once: every cell of a
    // data row is written below, and the open cell is locked again until its entry's row is known.
    if (m_abierta)
        if (const int fila = renglonDe(m_abierta->entrada))
            fpsDatos->setCellLocked(fila, m_abierta->columna, true);
    m_entradas.resize(rs.recordCount());
    fpsDatos->setRowCount(kRenglonesEncabezado + rs.recordCount());
    {
        grid::QuietCellWrites quiet(*fpsDatos);
        for (int i = 0; i < rs.recordCount(); ++i)
            escribeEntrada(kRenglonesEncabezado + 1 + i, rs, i);
        // The period's totals are those of the rows listed (NULL counts 0), the divisors of the shares.
        m_totalMinutos = m_totalCosto = 0;
        for (const Entrada& e : std::as_const(m_entradas)) {
            m_totalMinutos += e.minutos.value_or(0);
            m_totalCosto += e.costo.value_or(0);
        }
        for (int fila = kRenglonesEncabezado + 1; fila <= fpsDatos->rowCount(); ++fila)
            escribePorcentajes(fila);
    }
    if (!m_entradas.isEmpty())
        fpsDatos->setActiveCell(fpsDatos->rowCount(), 1);

    // The open cell stays open on its entry's new row.
    if (m_abierta) {
        const CeldaAbierta abierta = *m_abierta;
        m_abierta.reset();
        if (const int fila = renglonDe(abierta.entrada))
            abreCelda(fila, abierta.columna);
    }
    if (m_entradas.isEmpty()) {
        // The search's hourglass is not the box's pointer.
        QApplication::setOverrideCursor(Qt::ArrowCursor);
        ui::msgBox(QStringLiteral("No hay registros"), ui::Information, kTituloMensajes);
        QApplication::restoreOverrideCursor();
    }
}

void RepHoras::escribeEntrada(int fila, const adodb::Recordset& rs, int registro)
{
    // By position: the columns of the hours detail's statement, in their order.
    enum { Id, Empleado, Departamento, CostoHora, Inicio, Final, Minutos, Costo };
    const auto valor = [&rs, registro](int columna) { return rs.cell(registro, columna); };
    grid::Grid* g = rejilla();
    Entrada& e = m_entradas[fila - kRenglonesEncabezado - 1];
    e.id = valor(Id).toLongLong();
    const QVariant minutos = valor(Minutos);
    const QVariant costo = valor(Costo);
    e.minutos = minutos.isNull() ? std::nullopt : std::optional<double>(minutos.toDouble());
    e.costo = costo.isNull() ? std::nullopt : std::optional<double>(costo.toDouble());

    g->setText(fila, 1, QLatin1Char(' ') + QString::number(e.id));
    g->setText(fila, 2, valor(Empleado).toString());
    g->setText(fila, 3, valor(Departamento).toString());
    for (const auto& [columna, campo] : {std::pair{kColEntrada, Inicio}, std::pair{kColSalida, Final}}) {
        const QTime hora = QTime::fromString(valor(campo).toString(), Qt::ISODate);
        g->setValue(fila, columna, hora.isValid() ? QVariant(hora) : QVariant());
    }
    g->setValue(fila, 6, valor(CostoHora).toDouble());
    g->setValue(fila, 7, e.minutos.value_or(0) / 60);
    g->setValue(fila, 8, e.costo.value_or(0));
}

void RepHoras::escribePorcentajes(int fila)
{
    const Entrada& e = m_entradas.at(fila - kRenglonesEncabezado - 1);
    // A total of 0 divides as 1: the share is then the entry's own minutes or cost times 100.
    const double divisorMinutos = m_totalMinutos == 0 ? 1 : m_totalMinutos;
    const double divisorCosto = m_totalCosto == 0 ? 1 : m_totalCosto;
    rejilla()->setValue(fila, 9, e.minutos ? *e.minutos * 100 / divisorMinutos : 0.0);
    rejilla()->setValue(fila, 10, e.costo ? *e.costo * 100 / divisorCosto : 0.0);
}

bool RepHoras::refrescaEntrada(qint64 entrada)
{
    const int fila = renglonDe(entrada);
    adodb::Recordset rs;
    if (!fila || !g_ClsAdo().Establece_consulta(rs, sqlhoras::detalleEntrada(entrada)) || rs.eof())
        return false;
    const Entrada antes = m_entradas.at(fila - kRenglonesEncabezado - 1);
    escribeEntrada(fila, rs, 0);
    const Entrada& ahora = m_entradas.at(fila - kRenglonesEncabezado - 1);
    const double minutos = ahora.minutos.value_or(0) - antes.minutos.value_or(0);
    const double costo = ahora.costo.value_or(0) - antes.costo.value_or(0);
    if (minutos == 0 && costo == 0) {
        escribePorcentajes(fila);
        return true;
    }
    // The period's totals move by the entry's change, and with them every share.
    m_totalMinutos += minutos;
    m_totalCosto += costo;
    grid::QuietCellWrites quiet(*rejilla());
    for (int r = kRenglonesEncabezado + 1; r <= rejilla()->rowCount(); ++r)
        escribePorcentajes(r);
    return true;
}

int RepHoras::renglonDe(qint64 entrada) const
{
    // The rows come in entry order.
    const auto i = std::lower_bound(m_entradas.cbegin(), m_entradas.cend(), entrada,
                                    [](const Entrada& e, qint64 id) { return e.id < id; });
    return i == m_entradas.cend() || i->id != entrada ? 0 : kRenglonesEncabezado + 1 + int(i - m_entradas.cbegin());
}

void RepHoras::abreCelda(int fila, int columna)
{
    cierraCelda();
    grid::Grid* g = rejilla();
    m_abierta = CeldaAbierta{m_entradas.at(fila - kRenglonesEncabezado - 1).id, columna};
    g->setCellLocked(fila, columna, false);
    g->setActiveCell(fila, columna);
}

void RepHoras::cierraCelda()
{
    if (!m_abierta)
        return;
    if (const int fila = renglonDe(m_abierta->entrada))
        rejilla()->setCellLocked(fila, m_abierta->columna, true);
    m_abierta.reset();
}

void RepHoras::fpsDatos_DblClick(int Col, int Row)
{
    grid::Grid* g = rejilla();
    if (Row > kRenglonesEncabezado && Row <= g->rowCount() && (Col == kColEntrada || Col == kColSalida)) {
        abreCelda(Row, Col);
        g->table()->edit(g->table()->model()->index(Row - 1, Col - 1));
    } else {
        cierraCelda();
    }
}

void RepHoras::fpsDatos_Change(int Col, int Row, const QString& tecleado)
{
    if ((Col != kColEntrada && Col != kColSalida) || Row <= kRenglonesEncabezado || !m_abierta
        || renglonDe(m_abierta->entrada) != Row || m_abierta->columna != Col)
        return;
    int icono = ui::Exclamation;
    const QString error = guardaHora(m_abierta->entrada, Col, tecleado, &icono);
    if (!error.isEmpty())
        ui::msgBox(error, icono, kTituloMensajes);
    // The report shows what is stored, corrected or not: the entry's row, or the whole search when
    // the entry can no longer be read.
    if (!refrescaEntrada(m_abierta->entrada))
        ejecutaBusqueda();
    if (m_abierta) {
        rejilla()->setActiveCell(renglonDe(m_abierta->entrada), m_abierta->columna);
        rejilla()->setFocus();
    }
}

QString RepHoras::guardaHora(qint64 entrada, int columna, const QString& tecleado, int* icono)
{
    const QString noGuardada = QStringLiteral("No se pudo guardar la corrección");
    const QVariant hora = grid::parseCellText(grid::CellFormat::time(), tecleado);
    if (hora.isNull())
        return QStringLiteral("La hora capturada no es válida");

    const QString id = QString::number(entrada);
    adodb::Recordset rs;
    *icono = ui::Critical;
    if (!g_ClsAdo().Establece_consulta(
            rs, QStringLiteral("SELECT Fecha_Trabajo, Hora_Inicio, Hora_Final FROM HorasXEmpleado WHERE ID_Entrada=") + id)
        || rs.eof())
        return noGuardada;
    const bool salida = columna == kColSalida;
    const correccionhora::Correccion c = correccionhora::corrige(
        rs.value(QStringLiteral("Fecha_Trabajo")).toString(),
        correccionhora::leeMomento(rs.value(QStringLiteral("Hora_Inicio"))),
        correccionhora::leeMomento(rs.value(QStringLiteral("Hora_Final"))),
        salida ? correccionhora::Hora::Salida : correccionhora::Hora::Entrada, hora.toTime());
    if (c.resultado != correccionhora::Resultado::Valida)
        return noGuardada;

    adodb::Recordset ninguno;
    long filas = 0;
    const QString campo = salida ? QStringLiteral("Hora_Final") : QStringLiteral("Hora_Inicio");
    if (!g_ClsAdo().Modificar(ninguno, QStringLiteral("HorasxEmpleado"),
                              campo + QStringLiteral("='") + c.momento.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"))
                                  + QLatin1Char('\''),
                              QStringLiteral("ID_Entrada=") + id, false, &filas)
        || filas == 0)
        return noGuardada;
    return QString();
}
