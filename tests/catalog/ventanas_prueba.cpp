#include "tests/catalog/ventanas_prueba.h"
#include "foundation/forms/controls.h"
#include "foundation/forms/design.h"
#include "foundation/forms/window_registry.h"
#include "platform/grid/grid.h"

#include <QComboBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QLocale>
#include <QLabel>
#include <QLineEdit>

using grid::CellFormat;

PruebaGrupos::PruebaGrupos(QWidget* parent) : CatalogWindow(parent)
{
    setObjectName(QStringLiteral("PruebaGrupos"));
    setWindowTitle(QStringLiteral("Grupos de Modificadores"));
    setCatalogo(QStringLiteral("Grupo_Modificadores"), QStringLiteral("ID_Grupo_Modificadores"), KeyForm::B,
                QStringLiteral("Ya existe el nombre del grupo de modificadores"));
    txtId = forms::textBox(this, QStringLiteral("txtId"), QStringLiteral("ID_Grupo_Modificadores"));
    TxtNombre = forms::textBox(this, QStringLiteral("TxtNombre"), QStringLiteral("Nombre_Grupo_Modificadores"),
                               QStringLiteral("NoVacioMayusculas"), 25);
    sprModificadores = new grid::Grid(this);
    sprModificadores->setObjectName(QStringLiteral("sprModificadores"));
    sprModificadores->setColumnCount(3);
    sprModificadores->setText(0, 1, QStringLiteral("ID"));
    sprModificadores->setText(0, 2, QStringLiteral("Nombre"));
    sprModificadores->setText(0, 3, QStringLiteral(" "));
    sprModificadores->setColumnFormat(1, CellFormat::integer(0, 99999999));
    sprModificadores->setColumnFormat(2, CellFormat::staticText());
    sprModificadores->setColumnFormat(3, CellFormat::button(QStringLiteral("...")));

    auto* filas = new QFormLayout(this);
    filas->addRow(forms::label(this, QStringLiteral("Label1"), QStringLiteral("Id Grupo:"), txtId), txtId);
    filas->addRow(forms::label(this, QStringLiteral("Label2"), QStringLiteral("Nombre:"), TxtNombre), TxtNombre);
    filas->addRow(sprModificadores);
    setPrimerCampo(TxtNombre);
    agregaRequerido(TxtNombre, QStringLiteral("Nombre"));

    DetailGrid* miembros = agregaDetalle(sprModificadores);
    miembros->setFillQuery(QStringLiteral(
        "SELECT TiposXGrupo_Modificadores.ID_Tipo_Modificador,Nombre_Tipo_Modificador,' ' FROM "
        "TiposXGrupo_Modificadores,Tipo_Modificador WHERE "
        "TiposXGrupo_Modificadores.ID_Tipo_Modificador=Tipo_Modificador.ID_Tipo_Modificador AND ID_Grupo_Modificadores="));
    miembros->setTable(QStringLiteral("TiposXGrupo_Modificadores"), QStringLiteral("ID_Grupo_Modificadores"));
    miembros->addField({.name = QStringLiteral("ID_Tipo_Modificador"), .column = 1, .key = true});
    miembros->setKeyColumn(1);
    miembros->setNameColumn(2);
    miembros->setLookup({QStringLiteral("Tipo_Modificador"), QStringLiteral("Nombre_Tipo_Modificador"),
                         QStringLiteral("ID_Tipo_Modificador"), QStringLiteral("La clave del modificador no existe")});
    miembros->setPicker(3, DetailPicker::ModifierTypes);
    // The grid's table alone says that the members go with the group.

    Form_Load();
}

PruebaPrecios::PruebaPrecios(QWidget* parent) : CatalogWindow(parent)
{
    setObjectName(QStringLiteral("PruebaPrecios"));
    setWindowTitle(QStringLiteral("Productos"));
    setCatalogo(QStringLiteral("Producto"), QStringLiteral("ID_Producto"), KeyForm::A,
                QStringLiteral("Ya existe el producto"));
    txtId = forms::textBox(this, QStringLiteral("txtId"), QStringLiteral("ID_Producto"));
    TxtNombre = forms::textBox(this, QStringLiteral("TxtNombre"), QStringLiteral("Nombre_Completo"),
                               QStringLiteral("NoVacioMayusculas"), 25);
    txtExistencia = forms::textBox(this, QStringLiteral("txtExistencia"), QStringLiteral("Existencia"));
    sprMenus = new grid::Grid(this);
    sprMenus->setObjectName(QStringLiteral("sprMenus"));
    sprMenus->setColumnCount(4);
    const char* titulos[] = {"ID_Menu", "Menu", "Precio", "Modificacion"};
    for (int c = 1; c <= 4; ++c)
        sprMenus->setText(0, c, QLatin1String(titulos[c - 1]));
    sprMenus->setColumnFormat(1, CellFormat::integer());
    sprMenus->setColumnFormat(3, CellFormat::currency(2, 0, 99999999.99));
    sprMenus->setColumnHidden(1, true);
    sprMenus->setColumnHidden(4, true);

    auto* filas = new QFormLayout(this);
    filas->addRow(forms::label(this, QStringLiteral("Label1"), QStringLiteral("Id Producto:"), txtId), txtId);
    filas->addRow(forms::label(this, QStringLiteral("Label2"), QStringLiteral("Nombre:"), TxtNombre), TxtNombre);
    filas->addRow(forms::label(this, QStringLiteral("Label3"), QStringLiteral("Existencia:"), txtExistencia),
                  txtExistencia);
    filas->addRow(sprMenus);
    setPrimerCampo(TxtNombre);
    agregaRequerido(TxtNombre, QStringLiteral("Nombre"));

    DetailGrid* precios = agregaDetalle(sprMenus);
    precios->setStateColumn(4);
    precios->setFillQuery(QStringLiteral("SELECT PreciosXMenu.ID_Menu,Nombre_Menu,Precio,' ' FROM PreciosXMenu,Menu "
                                         "WHERE PreciosXMenu.ID_Menu=Menu.ID_Menu AND ID_Producto="));
    precios->addComboColumn(2, 1, QStringLiteral("SELECT ID_Menu,Nombre_Menu FROM Menu ORDER BY Nombre_Menu"));
    precios->setTable(QStringLiteral("PreciosXMenu"), QStringLiteral("ID_Producto"));
    precios->addField({.name = QStringLiteral("ID_Menu"), .column = 1, .key = true});
    precios->addField({.name = QStringLiteral("Precio"), .column = 3});
    precios->setKeyColumn(1);
    precios->setInsertValue(3, 0);
    precios->setModifyColumns({3}, {2});
    precios->setPopupMenu(true);
    agregaTablaDetalle(QStringLiteral("PreciosXMenu"));

    Form_Load();
}

namespace {

// A price shown as "$1,234.50", held as "1234.5".
class CajaMoneda : public FormattedBox {
public:
    using FormattedBox::FormattedBox;
    QString plainValue() const override
    {
        QString texto = text().trimmed();
        texto.remove(QLatin1Char('$')).remove(QLatin1Char(','));
        return texto;
    }
    void setPlainValue(const QString& value) override
    {
        bool numero = false;
        const double cantidad = value.toDouble(&numero);
        setText(numero ? QLocale(QLocale::English).toCurrencyString(cantidad, QStringLiteral("$"), 2) : value);
    }
};

} // namespace

const QString PruebaEventos::kTabla = QStringLiteral(
    "CREATE TABLE Evento (ID_Evento INTEGER PRIMARY KEY, Nombre VARCHAR(25) COLLATE NOCASE, Fecha DATETIME TEXT, "
    "Vence DATETIME TEXT, Precio MONEY REAL, ID_Menu INTEGER, Oculto BIT INTEGER DEFAULT 0)");

PruebaEventos::PruebaEventos(QWidget* parent) : CatalogWindow(parent)
{
    setObjectName(QStringLiteral("PruebaEventos"));
    setWindowTitle(QStringLiteral("Eventos"));
    setCatalogo(QStringLiteral("Evento"), QStringLiteral("ID_Evento"), KeyForm::A, QStringLiteral("Ya existe el evento"));
    setConsulta(QStringLiteral("SELECT * FROM Evento WHERE Oculto=0"));
    txtId = forms::textBox(this, QStringLiteral("txtId"), QStringLiteral("ID_Evento"));
    TxtNombre = forms::textBox(this, QStringLiteral("TxtNombre"), QStringLiteral("Nombre"),
                               QStringLiteral("NoVacioMayusculas"), 25);
    dtpFecha = new QDateEdit(this);
    dtpFecha->setObjectName(QStringLiteral("dtpFecha"));
    forms::setDataField(dtpFecha, QStringLiteral("Fecha"));
    dtpVence = new QDateEdit(this);
    dtpVence->setObjectName(QStringLiteral("dtpVence"));
    dtpVence->setProperty("Opcional", true);
    forms::setDataField(dtpVence, QStringLiteral("Vence"));
    MskPrecio = new CajaMoneda(this);
    MskPrecio->setObjectName(QStringLiteral("MskPrecio"));
    forms::setDataField(MskPrecio, QStringLiteral("Precio"));
    cmbMenu = new QComboBox(this);
    cmbMenu->setObjectName(QStringLiteral("cmbMenu"));
    txtMenu = forms::textBox(this, QStringLiteral("txtMenu"), QStringLiteral("ID_Menu"));
    txtMenu->hide();

    auto* filas = new QFormLayout(this);
    filas->addRow(forms::label(this, QStringLiteral("Label1"), QStringLiteral("Id Evento:"), txtId), txtId);
    filas->addRow(forms::label(this, QStringLiteral("Label2"), QStringLiteral("Nombre:"), TxtNombre), TxtNombre);
    filas->addRow(forms::label(this, QStringLiteral("Label3"), QStringLiteral("Fecha:"), dtpFecha), dtpFecha);
    filas->addRow(forms::label(this, QStringLiteral("Label4"), QStringLiteral("Vence:"), dtpVence), dtpVence);
    filas->addRow(forms::label(this, QStringLiteral("Label5"), QStringLiteral("Precio:"), MskPrecio), MskPrecio);
    filas->addRow(forms::label(this, QStringLiteral("Label6"), QStringLiteral("Menú:"), cmbMenu), cmbMenu);
    filas->addRow(txtMenu);
    setPrimerCampo(TxtNombre);
    agregaRequerido(TxtNombre, QStringLiteral("Nombre"));
    agregaParBusqueda(cmbMenu, txtMenu, QStringLiteral("SELECT Nombre_Menu, ID_Menu FROM Menu ORDER BY Nombre_Menu"),
                      QStringLiteral("NINGUNO"));

    Form_Load();
}

void registraVentanasPrueba()
{
    WindowRegistry::add(QStringLiteral("PruebaEventos"), [] { return new PruebaEventos; });
    WindowRegistry::add(QStringLiteral("PruebaGrupos"), [] { return new PruebaGrupos; });
    WindowRegistry::add(QStringLiteral("PruebaPrecios"), [] { return new PruebaPrecios; });
}
