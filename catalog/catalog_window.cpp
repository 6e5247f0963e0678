#include "catalog/catalog_window.h"
#include "catalog/lookup_pair.h"
#include "foundation/database/cls_ado.h"
#include "foundation/forms/controls.h"
#include "platform/ui/msgbox.h"

#include <QComboBox>
#include <QLineEdit>
#include <QScopedValueRollback>

#include <algorithm>

CatalogWindow::CatalogWindow(QWidget* parent) : DataEntryWindow(parent)
{
    // The grids follow every move of the current record: navigation, the find dialog, a new empty
    // row, a cancel, the row left current by a delete; not the rebinding inside a save.
    connect(&Enlace(), &FieldBinder::rowShown, this, [this] {
        if (!m_guardando)
            llenaDetalles();
    });
}

CatalogWindow::~CatalogWindow() = default;

void CatalogWindow::setCatalogo(const QString& tabla, const QString& columnaLlave, KeyForm forma,
                                const QString& mensajeLlaveRepetida)
{
    setTabla(tabla, columnaLlave, mensajeLlaveRepetida);
    m_formaLlave = forma;
}

void CatalogWindow::agregaRequerido(QWidget* control, const QString& palabra)
{
    m_requeridos.append({control, palabra});
}

CodePair* CatalogWindow::agregaParCodigo(QComboBox* combo, QLineEdit* caja, const QList<Codigo>& codigos)
{
    return new CodePair(combo, caja, codigos, this);
}

LookupPair* CatalogWindow::agregaParBusqueda(QComboBox* combo, QLineEdit* caja, const QString& consulta,
                                             const QString& ninguno)
{
    auto* par = new LookupPair(combo, caja, consulta, ninguno, this);
    m_pares.append(par);
    return par;
}

DetailGrid* CatalogWindow::agregaDetalle(grid::Grid* grid)
{
    auto* detalle = new DetailGrid(grid, this);
    m_detalles.append(detalle);
    return detalle;
}

void CatalogWindow::agregaTablaDetalle(const QString& tabla, const QString& columna)
{
    m_tablasDetalle.append({tabla, columna});
}

void CatalogWindow::Form_Load()
{
    // A box is as wide as the longest text it takes, up to 40 characters; longer texts scroll.
    for (QLineEdit* caja : findChildren<QLineEdit*>()) {
        if (caja->maxLength() >= 32767)
            continue;
        forms::setWidthInLetters(caja, qMin(caja->maxLength(), 40));
    }
    DataEntryWindow::Form_Load();
    modoDetalles(DetailGrid::Mode::Browse);
}

QString CatalogWindow::llave() const
{
    return forms::text(cajaLlave()).trimmed();
}

void CatalogWindow::llenaDetalles()
{
    const QString clave = hayRegistro() ? llave() : QString();
    for (DetailGrid* detalle : m_detalles)
        detalle->fill(clave);
}

void CatalogWindow::modoDetalles(DetailGrid::Mode modo)
{
    for (DetailGrid* detalle : m_detalles)
        detalle->setMode(modo);
}

void CatalogWindow::BotonNuevoModificar(bool PbNuevo)
{
    const bool yaEditaba = Formas().Edicion();
    DataEntryWindow::BotonNuevoModificar(PbNuevo);
    if (!yaEditaba && Formas().Edicion())
        modoDetalles(PbNuevo ? DetailGrid::Mode::New : DetailGrid::Mode::Modify);
}

void CatalogWindow::BotonAceptar()
{
    if (!Formas().Edicion())
        return;
    for (DetailGrid* detalle : m_detalles)
        detalle->finishEditing();
    {
        QScopedValueRollback<bool> guardando(m_guardando, true);
        DataEntryWindow::BotonAceptar();
    }
    if (Formas().Edicion())
        return;
    modoDetalles(DetailGrid::Mode::Browse);
    llenaDetalles();
}

void CatalogWindow::BotonCancelar()
{
    if (!Formas().Edicion())
        return;
    // Rebinding the record has filled the grids again.
    DataEntryWindow::BotonCancelar();
    modoDetalles(DetailGrid::Mode::Browse);
}

DetailGrid* CatalogWindow::detalleConMenu() const
{
    for (DetailGrid* detalle : m_detalles)
        if (detalle->hasPopupMenu())
            return detalle;
    return nullptr;
}

void CatalogWindow::SpreadNuevo()
{
    if (DetailGrid* detalle = detalleConMenu())
        detalle->insertRow();
}

void CatalogWindow::SpreadBorrar()
{
    if (DetailGrid* detalle = detalleConMenu())
        detalle->deleteRow();
}

bool CatalogWindow::Campos_Completos()
{
    if (m_requeridos.isEmpty())
        return DataEntryWindow::Campos_Completos();
    for (const Requerido& r : m_requeridos) {
        auto* combo = qobject_cast<QComboBox*>(r.control);
        const QString texto = combo ? combo->currentText() : forms::text(r.control);
        if (!texto.trimmed().isEmpty())
            continue;
        forms::revealField(r.control);
        ui::msgBox(QStringLiteral("Falta el campo de ") + r.palabra, ui::Exclamation);
        forms::focusField(r.control);
        return false;
    }
    return true;
}

// The grids' lists are read again only while browsing: an edit keeps the rows as typed.
void CatalogWindow::refreshLists()
{
    for (LookupPair* par : std::as_const(m_pares))
        if (par)
            par->actualiza();
    if (Formas().Edicion())
        return;
    for (DetailGrid* detalle : std::as_const(m_detalles))
        detalle->refreshLists();
}

void CatalogWindow::Llave_Nueva()
{
    if (m_formaLlave == KeyForm::C)
        return;
    forms::setText(cajaLlave(), nextKey(m_formaLlave, tabla(), columnaLlave()));
}

bool CatalogWindow::Guarda_Detalle()
{
    const QString clave = llave();
    for (DetailGrid* detalle : m_detalles)
        if (!detalle->save(clave, bNuevo()))
            return false;
    return true;
}

bool CatalogWindow::Borra_Detalle()
{
    const QString clave = llave();
    if (!DetailGrid::isKey(clave))
        return true;
    // The declared tables, then the tables of the detail grids.
    QList<TablaDetalle> tablas = m_tablasDetalle;
    for (const DetailGrid* detalle : m_detalles) {
        const bool declarada = std::any_of(tablas.cbegin(), tablas.cend(), [detalle](const TablaDetalle& t) {
            return t.tabla.compare(detalle->table(), Qt::CaseInsensitive) == 0;
        });
        if (!detalle->table().isEmpty() && !declarada)
            tablas.append({detalle->table(), detalle->recordKeyField()});
    }
    adodb::Recordset ninguno;
    for (const TablaDetalle& t : tablas) {
        const QString columna = t.columna.isEmpty() ? columnaLlave() : t.columna;
        if (!g_ClsAdo().Borrar(ninguno, t.tabla, QVariant(), columna + QLatin1Char('=') + clave, false))
            return false;
    }
    return true;
}
