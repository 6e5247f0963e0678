#include "reports/rep_comp_empleado.h"

#include "foundation/database/cls_ado.h"
#include "foundation/forms/main_window_services.h"
#include "foundation/routines/fecha_trabajo.h"
#include "foundation/routines/zorva_funciones.h"
#include "platform/grid/grid.h"
#include "platform/ui/msgbox.h"
#include "reports/guarda_busqueda.h"
#include "reports/rep_det_comp_empleado.h"
#include "reports/valor_campo.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QHash>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>

#include <optional>

namespace {

const QString kTabla = QStringLiteral("#TempCompEmpleado");
constexpr int kFilasDiseno = 6;

// "PATERNO MATERNO NOMBRE" of the query's row, a NULL part as empty text; the same expression in SQL.
const QString kNombreSql = QStringLiteral("(IFNULL(Apellido_Paterno,'') || ' ' || IFNULL(Apellido_Materno,'') || ' ' "
                                          "|| IFNULL(Nombre_Empleado,''))");

RepVentana::Ajustes ajustesComp()
{
    RepVentana::Ajustes a;
    a.titulo = QStringLiteral("Comparación de Ventas por Empleado");
    a.maximizada = true;
    a.escCierra = true;
    a.vistaOcultaAlActivar = true;
    a.encabezado = RepVentana::Encabezado::LineaEmpresa;
    a.bordeImpresion = false;
    a.margenSuperior = a.margenInferior = a.margenIzquierdo = a.margenDerecho = 100;
    a.orientacion = grid::Orientation::Portrait;
    return a;
}

// Where a sum goes: the check's waiter and the item's category, either of them possibly none.
struct Clave {
    std::optional<qint64> empleado;
    std::optional<qint64> categoria;
    bool operator==(const Clave&) const = default;
};

size_t qHash(const Clave& c, size_t seed = 0)
{
    return qHashMulti(seed, c.empleado.value_or(-1), c.empleado.has_value(), c.categoria.value_or(-1),
                      c.categoria.has_value());
}

struct Suma {
    qint64 articulos = 0;
    double neto = 0;
    double huespedes = 0;
};

// A check's lowest sold item so far, which carries the check's guests.
struct Primero {
    qint64 articulo;
    Clave clave;
    double huespedes;
};

std::optional<qint64> entero(const adodb::RowReader& fila, int columna)
{
    return fila.isNull(columna) ? std::nullopt : std::optional<qint64>(fila.integer(columna));
}

QVariant valor(const std::optional<qint64>& v)
{
    return v ? QVariant(*v) : QVariant();
}

// The period's sold items summed per waiter and category into the window's table, in one pass over
// the items: each is counted and its amount summed (an empty amount adds nothing); a check's guests
// count once, on its lowest sold item. An item whose product is gone has no category.
void sumaArticulos(const QString& periodo)
{
    const adodb::Connection& conexion = g_ClsAdo().conexion();
    QHash<qint64, std::optional<qint64>> categorias;
    adodb::PreparedStatement(conexion, QStringLiteral("SELECT ID_Producto,ID_Categoria FROM Producto"))
        .forEachRow({}, [&](const adodb::RowReader& fila) { categorias.insert(fila.integer(0), entero(fila, 1)); });

    QHash<Clave, Suma> sumas;
    QHash<qint64, Primero> primeros;
    adodb::PreparedStatement(conexion,
                             QStringLiteral("SELECT C.ID_Comanda,C.ID_Empleado,IFNULL(C.CantHuespedes,0),P.ID_ProductosXCuenta,"
                                            "P.ID_Producto,P.Precio_Venta FROM Comanda C CROSS JOIN ProductosXCuenta P ON"
                                            " P.ID_Comanda=C.ID_Comanda AND P.Control=C.Control WHERE")
                                 + periodo + QStringLiteral(" AND P.ID_Tipo_Anulacion IS NULL"))
        .forEachRow({}, [&](const adodb::RowReader& fila) {
            const std::optional<qint64> producto = entero(fila, 4);
            const auto categoria = producto ? categorias.constFind(*producto) : categorias.cend();
            const Clave clave{entero(fila, 1), categoria == categorias.cend() ? std::nullopt : *categoria};
            Suma& suma = sumas[clave];
            ++suma.articulos;
            if (!fila.isNull(5))
                suma.neto += fila.real(5);
            const qint64 cuenta = fila.integer(0);
            const qint64 articulo = fila.integer(3);
            const auto primero = primeros.find(cuenta);
            if (primero == primeros.end()) {
                primeros.insert(cuenta, Primero{articulo, clave, fila.real(2)});
            } else if (articulo < primero->articulo) {
                primero->articulo = articulo;
                primero->clave = clave;
            }
        });
    for (const Primero& p : std::as_const(primeros))
        sumas[p.clave].huespedes += p.huespedes;

    // The sums, a hundred rows to a statement.
    constexpr int kFilas = 100;
    QVariantList valores;
    auto escribe = [&] {
        const QStringList filas(valores.size() / 5, QStringLiteral("(?,?,?,?,?)"));
        adodb::PreparedStatement(conexion,
                                 QStringLiteral("INSERT INTO temp.\"#TempCompEmpleado\" VALUES ") + filas.join(QLatin1Char(',')))
            .run(valores);
        valores.clear();
    };
    for (auto it = sumas.cbegin(); it != sumas.cend(); ++it) {
        valores << valor(it.key().empleado) << valor(it.key().categoria) << it->articulos << it->neto << it->huespedes;
        if (valores.size() == kFilas * 5)
            escribe();
    }
    if (!valores.isEmpty())
        escribe();
}

} // namespace

RepCompEmpleado::RepCompEmpleado(QWidget* parent)
    : RepVentana(QStringLiteral("RepCompEmpleado"), ajustesComp(), parent)
{
    dtpFechaIni = agregaFecha(QStringLiteral("dtpFechaIni"), QStringLiteral("Fecha Inicio:"));
    dtpFechaFin = agregaFecha(QStringLiteral("dtpFechaFin"), QStringLiteral("Fecha Fin:"));
    chkCategoria = new QCheckBox(QStringLiteral("Por categoría"));
    chkCategoria->setObjectName(QStringLiteral("chkCategoria"));
    agregaControl(chkCategoria);
    agregaBuscar(QStringLiteral("cmbBuscar"), QStringLiteral("Buscar registros"))->setToolTip(QStringLiteral("Buscar registros"));
    grid::Grid* g = creaRejilla(QStringLiteral("sprDatos"), QStringLiteral("PrvVista"));
    disenoRejilla();
    connect(g, &grid::Grid::doubleClicked, this, [this](int fila, int columna) { sprDatos_DblClick(columna, fila); });
}

void RepCompEmpleado::disenoRejilla()
{
    grid::Grid* g = rejilla();
    g->setColumnCount(6);
    g->setRowCount(kFilasDiseno);
    g->setColumnHeaderVisible(false);
    g->setRowHeaderVisible(false);
    g->setAllLocked(true);
    const double anchos[] = {21.5, 14.12, 13.75, 15.87, 8.87, 11.63};
    for (int c = 1; c <= 6; ++c)
        g->setColumnWidth(c, anchos[c - 1]);
    g->setText(1, 2, QStringLiteral("INFORME COMPARACION VENTAS"));
    g->setCellBold(1, 2, true);
    g->setCellFontSize(1, 2, 14);
    g->setRowHeight(1, 24);
    g->setRangeBackground(grid::CellRange{3, 1, 3, 6}, QColor(192, 192, 192));
    const QList<std::pair<int, QString>> titulos{{1, QStringLiteral("Nombre Empleado")},
                                                 {3, QStringLiteral("Artículos Vendidos")},
                                                 {4, QStringLiteral("Monto")},
                                                 {5, QStringLiteral("Huespedes")},
                                                 {6, QStringLiteral("Cta. Promedio")}};
    for (const auto& [columna, titulo] : titulos) {
        g->setText(5, columna, titulo);
        g->setCellBold(5, columna, true);
    }
    g->setRangeBorder(grid::CellRange{5, 1, 5, 6}, Qt::BottomEdge);
}

QString RepCompEmpleado::periodo() const
{
    return dtpFechaIni->date().toString(QStringLiteral("dd/MM/yyyy")) + QStringLiteral(" - ")
        + dtpFechaFin->date().toString(QStringLiteral("dd/MM/yyyy"));
}

void RepCompEmpleado::buscar()
{
    grid::Grid* g = rejilla();
    // The table this window made is emptied for the new period; any other of its name goes.
    if (!m_tabla)
        GuardaBusqueda::borraTablas({kTabla});
    g->setRowCount(kFilasDiseno);
    g->setActiveCell(2, 2);
    g->setCellBold(2, 2, true);
    g->setCellAlignment(2, 2, Qt::AlignHCenter);
    g->setText(2, 2, periodo());

    // The period's sold items summed per waiter and category, kept for the detail a double-click
    // opens.
    ejecuta(QStringLiteral("CREATE TEMP TABLE IF NOT EXISTS \"#TempCompEmpleado\"(ID_Empleado INTEGER,ID_Categoria INTEGER,"
                           "Articulo INTEGER,Neto REAL,Huespedes REAL)"));
    m_tabla = true;
    ejecuta(QStringLiteral("DELETE FROM temp.\"#TempCompEmpleado\""));
    sumaArticulos(fechatrabajo::periodo(dtpFechaIni->date(), dtpFechaFin->date(), QStringLiteral("C.Fecha_Trabajo")));

    const bool porCategoria = chkCategoria->isChecked();
    // A group whose prices or guests are all NULL counts 0. The sums per employee (and category)
    // are made before the names join.
    const QString sumas = QStringLiteral("SUM(Articulo) AS Articulo,TOTAL(Neto) AS Neto,"
                                         "TOTAL(Huespedes) AS Huespedes FROM \"#TempCompEmpleado\"");
    const QString sql = porCategoria
        ? QStringLiteral("SELECT Nombre_Empleado,Apellido_Paterno,Apellido_Materno,SUM(V.Articulo) AS Articulo,"
                         "TOTAL(V.Neto) AS Neto,TOTAL(V.Huespedes) AS Huespedes,Nombre_Categoria FROM "
                         "(SELECT ID_Empleado,ID_Categoria,")
            + sumas
            + QStringLiteral(" GROUP BY ID_Empleado,ID_Categoria) V JOIN Empleado E ON E.ID_Empleado=V.ID_Empleado "
                             "JOIN Categoria K ON K.ID_Categoria=V.ID_Categoria "
                             "GROUP BY V.ID_Empleado,Nombre_Empleado,Apellido_Paterno,Apellido_Materno,Nombre_Categoria "
                             "ORDER BY Nombre_Empleado,Nombre_Categoria")
        : QStringLiteral("SELECT Nombre_Empleado,Apellido_Paterno,Apellido_Materno,V.Articulo,V.Neto,V.Huespedes FROM "
                         "(SELECT ID_Empleado,")
            + sumas
            + QStringLiteral(" GROUP BY ID_Empleado) V JOIN Empleado E ON E.ID_Empleado=V.ID_Empleado "
                             "ORDER BY Nombre_Empleado");
    adodb::Recordset rs = consulta(sql);

    if (porCategoria) {
        g->setColumnCount(7);
        g->setCellBold(5, 7, true);
        g->setText(5, 7, QStringLiteral("Categoría"));
        g->setColumnWidth(7, 15);
    } else {
        g->setColumnCount(6);
    }
    g->setRowCount(kFilasDiseno + rs.recordCount());
    for (int fila = kFilasDiseno + 1; !rs.eof(); rs.moveNext(), ++fila) {
        g->setActiveCell(fila, 1);
        g->setText(fila, 1, rs.field(QStringLiteral("Apellido_Paterno")).text() + QLatin1Char(' ')
                                + rs.field(QStringLiteral("Apellido_Materno")).text() + QLatin1Char(' ')
                                + rs.field(QStringLiteral("Nombre_Empleado")).text());
        g->setCellFormat(fila, 3, grid::CellFormat::integer());
        g->setValue(fila, 3, rs.field(QStringLiteral("Articulo")).value().toLongLong());
        const double neto = numeroCampo(rs, QStringLiteral("Neto"));
        const double huespedes = numeroCampo(rs, QStringLiteral("Huespedes"));
        g->setCellFormat(fila, 4, grid::CellFormat::currency());
        g->setValue(fila, 4, neto);
        if (porCategoria) {
            g->setCellFormat(fila, 5, grid::CellFormat::staticText());
            g->setText(fila, 5, QStringLiteral("N/A"));
            g->setText(fila, 7, rs.field(QStringLiteral("Nombre_Categoria")).text());
        } else {
            g->setCellFormat(fila, 5, grid::CellFormat::number(0));
            g->setValue(fila, 5, huespedes);
        }
        g->setCellFormat(fila, 6, grid::CellFormat::currency());
        g->setValue(fila, 6, neto / (huespedes == 0 ? 1.0 : huespedes));
    }
}

repDetCompEmpleado* RepCompEmpleado::sprDatos_DblClick(int /*columna*/, int fila)
{
    if (fila <= kFilasDiseno || fila > rejilla()->rowCount())
        return nullptr;
    rejilla()->setActiveCell(fila, 1);
    const QString nombre = rejilla()->text(fila, 1);
    if (nombre.isEmpty()) {
        ui::msgBox(QStringLiteral("Seleccione un Empleado para su detalle"), ui::OkOnly);
        return nullptr;
    }
    try {
        return abreDetalle(nombre);
    } catch (const adodb::ComError& e) {
        g_ClsAdo().conexion().errors().clear();
        ui::msgBox(QStringLiteral("No fue posible generar el informe.\n\n") + e.description(), ui::Critical);
        return nullptr;
    }
}

adodb::Recordset RepCompEmpleado::categoriasDe(const QString& nombre)
{
    // The employee's ids first: his rows are then read once, without a lookup each.
    return consulta(
        QStringLiteral("SELECT E.Nombre_Empleado,Nombre_Categoria,SUM(T.Articulo) AS Articulo,"
                       "TOTAL(T.Neto) AS Monto FROM \"#TempCompEmpleado\" T "
                       "CROSS JOIN Empleado E ON E.ID_Empleado=T.ID_Empleado "
                       "CROSS JOIN Categoria K ON T.ID_Categoria=K.ID_Categoria WHERE T.ID_Empleado IN (SELECT ID_Empleado FROM Empleado WHERE ")
        + kNombreSql + QStringLiteral("='") + DuplicaComillas(nombre)
        + QStringLiteral("') GROUP BY T.ID_Empleado,T.ID_Categoria,Nombre_Empleado,Nombre_Categoria "
                         "ORDER BY Nombre_Empleado,Nombre_Categoria"));
}

repDetCompEmpleado* RepCompEmpleado::abreDetalle(const QString& nombre)
{
    const adodb::Recordset rs = categoriasDe(nombre);
    auto* detalle = new repDetCompEmpleado(nombre, periodo());
    detalle->agregaCategorias(rs);
    detalle->setAttribute(Qt::WA_DeleteOnClose);
    MainWindowServices* principal = mainWindow();
    QMdiArea* area = principal ? principal->mdiArea() : nullptr;
    if (!area) {
        detalle->show();
        return detalle;
    }
    // A fixed frame: no minimize or maximize button, no resizing.
    QMdiSubWindow* marco = area->addSubWindow(detalle, Qt::SubWindow | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                                                           | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    marco->setAttribute(Qt::WA_DeleteOnClose);
    marco->show();
    area->setActiveSubWindow(marco);
    // Normal at its design size even where the active report was maximized, and fixed there.
    marco->showNormal();
    marco->resize(marco->size() - detalle->size() + detalle->ajustes().disenoTwips / 15);
    marco->setFixedSize(marco->size());
    return detalle;
}

void RepCompEmpleado::Form_Unload()
{
    RepVentana::Form_Unload();
    if (m_tabla)
        GuardaBusqueda::borraTablas({kTabla});
    m_tabla = false;
}

void RepCompEmpleado::preparaImpresion(bool paraVista)
{
    if (!paraVista) {
        RepVentana::preparaImpresion(false);
        return;
    }
    // The preview turns the sheet and drops the side margins; header and footer stay as printed last.
    grid::PrintSettings s = rejilla()->printSettings();
    s.marginLeft = s.marginRight = 0;
    s.printBorder = false;
    s.orientation = grid::Orientation::Landscape;
    rejilla()->setPrintSettings(s);
}
