#include "catalog/op_modif_paq.h"
#include "catalog/detail_grid.h"
#include "catalog/grid_width.h"
#include "foundation/database/cls_ado.h"
#include "foundation/database/next_key.h"
#include "foundation/database/transaction_guard.h"
#include "foundation/forms/clstxt_valida.h"
#include "foundation/forms/controls.h"
#include "foundation/routines/zorva_funciones.h"
#include "platform/grid/grid.h"
#include "platform/ui/msgbox.h"
#include "platform/ui/wait_cursor.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QStyle>
#include <QVBoxLayout>

#include <limits>

using grid::CellFormat;

namespace {

const QString kTitulo = QStringLiteral("Alta Sección");

QPushButton* boton(QWidget* parent, const QString& nombre, const QString& texto, QStyle::StandardPixmap imagen)
{
    auto* b = new QPushButton(parent->style()->standardIcon(imagen), texto, parent);
    b->setObjectName(nombre);
    b->setAutoDefault(false);
    return b;
}

// The number of articles as SQL: a whole number, 0 or more; empty when the text is not one.
QString numeroArticulos(const QString& texto)
{
    static const QRegularExpression digitos(QStringLiteral("^[0-9]+$"));
    const QString limpio = texto.trimmed();
    bool ok = false;
    const qlonglong numero = limpio.toLongLong(&ok);
    return digitos.match(limpio).hasMatch() && ok && numero <= std::numeric_limits<int>::max()
               ? QString::number(numero)
               : QString();
}

} // namespace

OpModifPaq::OpModifPaq(const QString& paquete, QWidget* parent) : QDialog(parent), m_paquete(paquete)
{
    setObjectName(QStringLiteral("OpModifPaq"));
    setWindowTitle(kTitulo);
    setModal(true);

    lblId = new QLabel(this);
    lblId->setObjectName(QStringLiteral("lblId"));
    lblId->setMinimumWidth(fontMetrics().averageCharWidth() * 10);
    QFont negrita = lblId->font();
    negrita.setBold(true);
    lblId->setFont(negrita);
    TxtNombre = new QLineEdit(this);
    TxtNombre->setObjectName(QStringLiteral("TxtNombre"));
    TxtNombre->setMaxLength(25);
    forms::setWidthInLetters(TxtNombre, 25);
    forms::setTag(TxtNombre, QStringLiteral("Mayusculas"));
    txtOrdenados = new QLineEdit(this);
    txtOrdenados->setObjectName(QStringLiteral("txtOrdenados"));
    forms::setTag(txtOrdenados, QStringLiteral("NumericoNoSignosNoVacio"));
    txtOrdenados->setMaximumWidth(fontMetrics().averageCharWidth() * 6 + 12);
    (new Clstxt_valida(this))->Asigna(TxtNombre);
    (new Clstxt_valida(this))->Asigna(txtOrdenados);

    sprProductos = new grid::Grid(this);
    sprProductos->setObjectName(QStringLiteral("sprProductos"));
    sprProductos->setToolTip(QStringLiteral("Ins=Insertar registro Del=Borrar registro"));
    sprProductos->setColumnCount(3);
    sprProductos->setText(0, 1, QStringLiteral("ID"));
    sprProductos->setText(0, 2, QStringLiteral("Producto"));
    sprProductos->setText(0, 3, QStringLiteral(" "));
    sprProductos->setColumnFormat(1, CellFormat::integer(0, 99999999));
    sprProductos->setColumnFormat(2, CellFormat::staticText());
    sprProductos->setColumnFormat(3, CellFormat::button(QStringLiteral("...")));
    sprProductos->setColumnWidth(1, 10);
    sprProductos->setColumnWidth(2, 25);
    sprProductos->setColumnWidth(3, 3);
    anchoParaColumnas(sprProductos);

    m_productos = new DetailGrid(sprProductos, this);
    m_productos->setFillQuery(QStringLiteral(
        "SELECT ProductosXSeccion.ID_Producto,Nombre_Completo,' ' FROM Producto,ProductosXSeccion "
        "WHERE Producto.ID_Producto=ProductosXSeccion.ID_Producto AND ID_Seccion_Paquete="));
    m_productos->setKeyColumn(1);
    m_productos->setNameColumn(2);
    m_productos->setLookup({QStringLiteral("Producto"), QStringLiteral("Nombre_Completo"),
                            QStringLiteral("ID_Producto"), QStringLiteral("La clave del producto no existe")});
    m_productos->setPicker(3, DetailPicker::Products);
    // The dialog edits nothing but the section: its grid is always open.
    m_productos->setMode(DetailGrid::Mode::New);

    cmdAceptar = boton(this, QStringLiteral("cmdAceptar"), QStringLiteral("&Aceptar"), QStyle::SP_DialogApplyButton);
    cmdCancelar = boton(this, QStringLiteral("cmdCancelar"), QStringLiteral("&Cancelar"), QStyle::SP_DialogCancelButton);
    connect(cmdAceptar, &QPushButton::clicked, this, &OpModifPaq::cmdAceptar_Click);
    connect(cmdCancelar, &QPushButton::clicked, this, &QDialog::reject);

    auto* Label1 = new QLabel(QStringLiteral("ID Sección:"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    auto* Label2 = new QLabel(QStringLiteral("Nombre:"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setBuddy(TxtNombre);
    auto* Label3 = new QLabel(QStringLiteral("Permitir:"), this);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setBuddy(txtOrdenados);
    auto* Label4 = new QLabel(QStringLiteral("arículos de esta sección"), this);
    Label4->setObjectName(QStringLiteral("Label4"));

    auto* permitir = new QHBoxLayout;
    permitir->addWidget(txtOrdenados);
    permitir->addWidget(Label4);
    permitir->addStretch();
    auto* filas = new QFormLayout;
    filas->addRow(Label1, lblId);
    filas->addRow(Label2, TxtNombre);
    filas->addRow(Label3, permitir);
    auto* botones = new QHBoxLayout;
    botones->addStretch();
    botones->addWidget(cmdAceptar);
    botones->addWidget(cmdCancelar);
    auto* todo = new QVBoxLayout(this);
    todo->addLayout(filas);
    todo->addWidget(sprProductos, 1);
    todo->addLayout(botones);

    setTabOrder(TxtNombre, txtOrdenados);
    setTabOrder(txtOrdenados, sprProductos);
    setTabOrder(sprProductos, cmdAceptar);
    setTabOrder(cmdAceptar, cmdCancelar);
    TxtNombre->setFocus(Qt::OtherFocusReason);
}

void OpModifPaq::cargaSeccion(const QString& clave, const QString& nombre)
{
    if (!DetailGrid::isKey(clave))
        return;
    lblId->setText(clave.trimmed());
    TxtNombre->setText(nombre);
    txtOrdenados->setText(BuscaValor(QStringLiteral("Secciones_Paquete"), QStringLiteral("Numero"),
                                     QStringLiteral("ID_Seccion_Paquete=") + lblId->text()));
    m_productos->fill(lblId->text());
}

void OpModifPaq::cmdAceptar_Click()
{
    m_productos->finishEditing();
    if (TxtNombre->text().trimmed().isEmpty()) {
        ui::msgBox(QStringLiteral("Falta el campo  de Nombre"), ui::Exclamation);
        TxtNombre->setFocus(Qt::OtherFocusReason);
        return;
    }
    if (numeroArticulos(txtOrdenados->text()).isEmpty()) {
        ui::msgBox(QStringLiteral("Indique el número de artículos de esta sección"), ui::Exclamation);
        txtOrdenados->setFocus(Qt::OtherFocusReason);
        return;
    }
    ui::WaitCursor espera;
    if (guarda())
        accept();
}

bool OpModifPaq::guarda()
{
    const bool nueva = lblId->text().trimmed().isEmpty();
    const QString nombre = QLatin1Char('\'') + DuplicaComillas(TxtNombre->text()) + QLatin1Char('\'');
    const QString numero = numeroArticulos(txtOrdenados->text());
    bool avisado = false;
    QString clave;
    {
        TransactionGuard transaccion;
        bool ok = false;
        adodb::Recordset ninguno;
        if (nueva) {
            // The key computed here is the one stored: its products go under no other section.
            clave = nextKey(KeyForm::B, QStringLiteral("Secciones_Paquete"), QStringLiteral("ID_Seccion_Paquete"));
            ok = DetailGrid::isKey(clave) && DetailGrid::isKey(m_paquete)
                 && g_ClsAdo().Alta(QStringLiteral("Secciones_Paquete"),
                                    QStringLiteral("ID_Seccion_Paquete,Nombre_Seccion,ID_Producto,Numero"),
                                    clave + QLatin1Char(',') + nombre + QLatin1Char(',') + m_paquete.trimmed()
                                        + QLatin1Char(',') + numero);
        } else {
            clave = lblId->text().trimmed();
            const QString condicion = QStringLiteral("ID_Seccion_Paquete=") + clave;
            long filas = 0;
            // A section deleted meanwhile by another station is not written again.
            ok = DetailGrid::isKey(clave)
                 && g_ClsAdo().Modificar(ninguno, QStringLiteral("Secciones_Paquete"),
                                         QStringLiteral("Nombre_Seccion=") + nombre + QStringLiteral(",Numero=") + numero,
                                         condicion, false, &filas)
                 && filas > 0;
            if (ok) {
                ok = g_ClsAdo().Borrar(ninguno, QStringLiteral("ProductosXSeccion"), QVariant(), condicion, false);
                avisado = !ok;
            }
        }
        ok = ok && escribeProductos(clave) && transaccion.commit();
        if (ok) {
            lblId->setText(clave);
            return true;
        }
    }
    if (!avisado) {
        g_ClsAdo().conexion().errors().clear();
        ui::msgBox(QStringLiteral("No se pudieron guardar los cambios del registro"), ui::Critical, kTitulo);
    }
    return false;
}

bool OpModifPaq::escribeProductos(const QString& clave)
{
    // A product listed twice is offered once.
    QSet<qlonglong> escritos;
    for (int r = 1; r <= sprProductos->rowCount(); ++r) {
        const QString producto = sprProductos->text(r, 1).trimmed();
        if (!DetailGrid::isKey(producto))
            continue;
        const qlonglong id = producto.toLongLong();
        if (escritos.contains(id))
            continue;
        escritos.insert(id);
        if (!g_ClsAdo().Alta(QStringLiteral("ProductosXSeccion"), QStringLiteral("ID_Seccion_Paquete,ID_Producto"),
                             clave + QLatin1Char(',') + QString::number(id)))
            return false;
    }
    return true;
}
