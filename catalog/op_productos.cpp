#include "catalog/op_productos.h"
#include "foundation/forms/controls.h"
#include "foundation/forms/design.h"
#include "foundation/forms/filtro.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

const QString kSeparador = QStringLiteral("\\n");

QComboBox* combo(QWidget* parent, const QString& nombre)
{
    auto* c = new QComboBox(parent);
    c->setObjectName(nombre);
    forms::setTag(c, QStringLiteral("NoVacio"));
    c->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    c->setMinimumContentsLength(25);
    return c;
}

// The box that carries a combo's code or key into the row: bound, never seen.
QLineEdit* cajaOculta(QWidget* parent, const QString& nombre, const QString& columna)
{
    QLineEdit* caja = forms::textBox(parent, nombre, columna);
    caja->hide();
    return caja;
}

} // namespace

const QList<Codigo>& OpProductos::estados()
{
    static const QList<Codigo> lista = CodePair::primeraLetra({QStringLiteral("Activo"), QStringLiteral("Sin existencia"),
                                                               QStringLiteral("Bloqueado"), QStringLiteral("Descontinuado")});
    return lista;
}

std::pair<QString, QString> OpProductos::partesBoton(const QString& nombre)
{
    const qsizetype corte = nombre.indexOf(kSeparador, 0, Qt::CaseInsensitive);
    if (corte < 0)
        return {nombre, QString()};
    return {nombre.left(corte), nombre.mid(corte + kSeparador.size())};
}

QString OpProductos::nombreBoton(const QString& linea1, const QString& linea2)
{
    return linea2.isEmpty() ? linea1 : linea1 + kSeparador + linea2;
}

OpProductos::OpProductos(QWidget* parent) : CatalogWindow(parent)
{
    setObjectName(QStringLiteral("OpProductos"));
    setWindowTitle(QStringLiteral("Productos"));
    setCatalogo(QStringLiteral("Producto"), QStringLiteral("ID_Producto"), KeyForm::A,
                QStringLiteral("Ya existe el producto"));

    TabProductos = new QTabWidget(this);
    TabProductos->setObjectName(QStringLiteral("TabProductos"));
    auto* generales = new QWidget;
    generales->setObjectName(QStringLiteral("Generales"));
    auto* precios = new QWidget;
    precios->setObjectName(QStringLiteral("ImpuestosPrecios"));
    TabProductos->addTab(generales, QStringLiteral("Generales"));
    TabProductos->addTab(precios, QStringLiteral("&Impuestos y Precios"));
    (new QVBoxLayout(this))->addWidget(TabProductos);

    construyeGenerales(generales);
    construyeRejillas(precios);

    setTabOrder(TxtCompleto, txtBotonU[0]);
    setTabOrder(txtBotonU[0], txtBotonU[1]);
    setTabOrder(txtBotonU[1], txtCuenta);
    setTabOrder(txtCuenta, txtExistencia);
    setTabOrder(txtExistencia, chkAbierto);
    setTabOrder(chkAbierto, chkEspecial);
    setTabOrder(chkEspecial, chkPaquete);
    setTabOrder(chkPaquete, CmbEstado);
    setTabOrder(CmbEstado, cmbCategoria);
    setTabOrder(cmbCategoria, cmbImpresoras);
    setTabOrder(cmbImpresoras, cmbModificadores);
    setTabOrder(cmbModificadores, txtId);
    setPrimerCampo(TxtCompleto);

    agregaParCodigo(CmbEstado, TxtEstado, estados());
    agregaParBusqueda(cmbCategoria, txtCategoria,
                      QStringLiteral("SELECT Nombre_Categoria,ID_Categoria FROM Categoria ORDER BY Nombre_Categoria"));
    agregaParBusqueda(cmbImpresoras, txtImpresoras,
                      QStringLiteral("SELECT Nombre_Grupo_Impresoras,ID_Grupo_Impresoras FROM Grupo_Impresoras "
                                     "ORDER BY Nombre_Grupo_Impresoras"),
                      QStringLiteral("NINGUNO"));
    agregaParBusqueda(cmbModificadores, txtModificador,
                      QStringLiteral("SELECT Nombre_Grupo_Modificadores,ID_Grupo_Modificadores FROM Grupo_Modificadores "
                                     "ORDER BY Nombre_Grupo_Modificadores"),
                      QStringLiteral("NINGUNA"));

    // In the order of the design; "NINGUNO" and "NINGUNA" count as chosen.
    agregaRequerido(TxtCompleto, QStringLiteral("Nombre Completo"));
    agregaRequerido(txtBotonU[0], QStringLiteral("Nombre Botón"));
    agregaRequerido(txtCuenta, QStringLiteral("Nombre Comanda"));
    agregaRequerido(txtExistencia, QStringLiteral("Existencia"));
    agregaRequerido(CmbEstado, QStringLiteral("Estado"));
    agregaRequerido(cmbCategoria, QStringLiteral("Categoría"));
    agregaRequerido(cmbImpresoras, QStringLiteral("Gpo. Impresoras"));
    agregaRequerido(cmbModificadores, QStringLiteral("Gpo. Modificadores"));

    // Taxes first: they are written before the prices.
    configuraImpuestos();
    configuraPrecios();
    agregaTablaDetalle(QStringLiteral("ImpuestosXProducto"));
    agregaTablaDetalle(QStringLiteral("PreciosXMenu"));

    declaraFiltro();

    connect(txtBoton, &QLineEdit::textChanged, this, &OpProductos::txtBoton_Change);
    // A row shown again with the same stored name (a cancel) still replaces the lines typed.
    connect(&Enlace(), &FieldBinder::rowShown, this, &OpProductos::txtBoton_Change);
    for (QLineEdit* linea : txtBotonU)
        connect(linea, &QLineEdit::textChanged, this, &OpProductos::txtBotonU_Change);

    Form_Load();
}

void OpProductos::construyeGenerales(QWidget* pagina)
{
    txtId = forms::textBox(pagina, QStringLiteral("txtId"), QStringLiteral("ID_Producto"));
    forms::keyBoxStyle(txtId);
    TxtCompleto = forms::textBox(pagina, QStringLiteral("TxtCompleto"), QStringLiteral("Nombre_Completo"),
                                 QStringLiteral("NoVacio"), 25);
    txtBoton = cajaOculta(pagina, QStringLiteral("txtBoton"), QStringLiteral("Nombre_Boton"));
    txtBoton->setMaxLength(22);
    for (int i = 0; i < 2; ++i) {
        txtBotonU[i] = forms::textBox(pagina, QStringLiteral("txtBotonU"), QString(),
                                      i == 0 ? QStringLiteral("NoVacio") : QString(), 10);
        txtBotonU[i]->setProperty("Index", i);
    }
    cmdBoton = new QPushButton(QStringLiteral("Boton"), pagina);
    cmdBoton->setObjectName(QStringLiteral("cmdBoton"));
    cmdBoton->setFont(QFont(QStringLiteral("Tahoma")));
    cmdBoton->setFocusPolicy(Qt::NoFocus);
    // Room for two lines of ten characters, as the terminal's button shows them.
    const QFontMetrics medida(cmdBoton->font());
    cmdBoton->setFixedSize(medida.horizontalAdvance(QLatin1Char('W')) * 10 + 16, medida.lineSpacing() * 2 + 16);
    txtCuenta = forms::textBox(pagina, QStringLiteral("txtCuenta"), QStringLiteral("Nombre_Cuenta"),
                               QStringLiteral("NoVacio"), 20);
    txtExistencia = forms::textBox(pagina, QStringLiteral("txtExistencia"), QStringLiteral("Existencia"),
                                   QStringLiteral("NumericoNoVacio"), 4);
    chkAbierto = forms::checkBox(pagina, QStringLiteral("chkAbierto"), QStringLiteral("Precio Abierto"),
                                 QStringLiteral("Abierto"));
    chkEspecial = forms::checkBox(pagina, QStringLiteral("chkEspecial"), QStringLiteral("Especial"),
                                  QStringLiteral("Especial"));
    chkPaquete = forms::checkBox(pagina, QStringLiteral("chkPaquete"), QStringLiteral("Paquete:"),
                                 QStringLiteral("Paquete"));
    CmbEstado = combo(pagina, QStringLiteral("CmbEstado"));
    TxtEstado = cajaOculta(pagina, QStringLiteral("TxtEstado"), QStringLiteral("Estado"));
    cmbCategoria = combo(pagina, QStringLiteral("cmbCategoria"));
    txtCategoria = cajaOculta(pagina, QStringLiteral("txtCategoria"), QStringLiteral("ID_Categoria"));
    cmbImpresoras = combo(pagina, QStringLiteral("cmbImpresoras"));
    txtImpresoras = cajaOculta(pagina, QStringLiteral("txtImpresoras"), QStringLiteral("ID_Grupo_Impresoras"));
    cmbModificadores = combo(pagina, QStringLiteral("cmbModificadores"));
    txtModificador = cajaOculta(pagina, QStringLiteral("txtModificador"), QStringLiteral("ID_Grupo_Modificadores"));

    auto* lineas = new QVBoxLayout;
    lineas->addWidget(txtBotonU[0]);
    lineas->addWidget(txtBotonU[1]);
    auto* boton = new QHBoxLayout;
    boton->addLayout(lineas);
    boton->addWidget(cmdBoton);
    boton->addStretch();
    auto* marcas = new QHBoxLayout;
    marcas->addWidget(chkAbierto);
    marcas->addWidget(chkEspecial);
    marcas->addWidget(chkPaquete);
    marcas->addStretch();

    auto* etiquetaBoton = forms::label(pagina, QStringLiteral("Label3"), QStringLiteral("Nombre Botón:"), txtBotonU[0]);
    forms::setTag(etiquetaBoton, QStringLiteral("txtBoton"));
    auto* filas = new QFormLayout(pagina);
    filas->addRow(forms::label(pagina, QStringLiteral("Label1"), QStringLiteral("Id Producto:"), txtId), txtId);
    filas->addRow(forms::label(pagina, QStringLiteral("Label2"), QStringLiteral("Nombre Completo:"), TxtCompleto),
                  TxtCompleto);
    filas->addRow(etiquetaBoton, boton);
    filas->addRow(forms::label(pagina, QStringLiteral("Label4"), QStringLiteral("Nombre Comanda:"), txtCuenta), txtCuenta);
    filas->addRow(forms::label(pagina, QStringLiteral("Label5"), QStringLiteral("Existencia:"), txtExistencia),
                  txtExistencia);
    filas->addRow(QString(), marcas);
    filas->addRow(forms::label(pagina, QStringLiteral("Label6"), QStringLiteral("Estado:"), CmbEstado), CmbEstado);
    filas->addRow(forms::label(pagina, QStringLiteral("Label7"), QStringLiteral("Categoría:"), cmbCategoria),
                  cmbCategoria);
    filas->addRow(forms::label(pagina, QStringLiteral("Label8"), QStringLiteral("Gpo. Impresoras:"), cmbImpresoras),
                  cmbImpresoras);
    filas->addRow(forms::label(pagina, QStringLiteral("Label9"), QStringLiteral("Gpo. Modificadores:"), cmbModificadores),
                  cmbModificadores);
}

void OpProductos::declaraFiltro()
{
    const QString estado = QStringLiteral("CASE Estado WHEN 'A' THEN 'Activo' WHEN 'S' THEN 'Sin existencia' "
                                          "WHEN 'B' THEN 'Bloqueado' WHEN 'D' THEN 'Descontinuado' END AS Estado");
    const std::pair<const char*, QString> columnas[] = {
        {"Id Producto", QStringLiteral("ID_Producto")},
        {"Nombre Completo", QStringLiteral("Nombre_Completo")},
        {"Nombre Botón", QStringLiteral("Nombre_Boton")},
        {"Nombre Cuenta", QStringLiteral("Nombre_Cuenta")},
        {"Existencia", QStringLiteral("Existencia")},
        {"Abierto", QStringLiteral("Abierto")},
        {"Especial", QStringLiteral("Especial")},
        {"Grupo Impresora", QStringLiteral("Nombre_Grupo_Impresoras")},
        {"Grupo Modificador", QStringLiteral("Nombre_Grupo_Modificadores")},
        {"Estado", estado},
        {"Paquete", QStringLiteral("Paquete")},
    };
    for (const auto& [titulo, columna] : columnas)
        agregaColumnaFiltro(QString::fromUtf8(titulo), columna, columna);
}

// A new product is active and sold at its menu prices, with nothing chosen yet for its category
// and groups: the required check asks for each.
void OpProductos::Valores_Nuevos()
{
    chkAbierto->setChecked(false);
    chkEspecial->setChecked(false);
    chkPaquete->setChecked(false);
    TxtEstado->setText(QStringLiteral("A"));
    for (QComboBox* c : {cmbCategoria, cmbImpresoras, cmbModificadores})
        c->setCurrentIndex(-1);
    TabProductos->setCurrentIndex(0);
}

// The record's fields lie on the first tab: it is shown while they are checked, so that the focus
// can reach the field that a message names.
bool OpProductos::Campos_Completos()
{
    const int pestana = TabProductos->currentIndex();
    TabProductos->setCurrentIndex(0);
    if (!CatalogWindow::Campos_Completos() || !Numeros_Validos())
        return false;
    TabProductos->setCurrentIndex(pestana);
    return true;
}

bool OpProductos::beforeSave(bool)
{
    m_partiendo = true;
    forms::showStored(txtBoton, nombreBoton(txtBotonU[0]->text(), txtBotonU[1]->text()));
    m_partiendo = false;
    return true;
}

void OpProductos::txtBoton_Change()
{
    if (m_partiendo)
        return;
    const auto [linea1, linea2] = partesBoton(txtBoton->text());
    // A stored line longer than the ten characters typed here is shown whole, so that a save
    // that does not touch it keeps it.
    m_partiendo = true;
    forms::showStored(txtBotonU[0], linea1);
    forms::showStored(txtBotonU[1], linea2);
    m_partiendo = false;
    txtBotonU_Change();
}

void OpProductos::txtBotonU_Change()
{
    const QString linea2 = txtBotonU[1]->text();
    cmdBoton->setText(linea2.isEmpty() ? txtBotonU[0]->text() : txtBotonU[0]->text() + QLatin1Char('\n') + linea2);
}

// Find searches the column of the text box that has the focus; from any other control it does nothing.
void OpProductos::BotonBuscar()
{
    if (qobject_cast<QLineEdit*>(focusWidget()))
        CatalogWindow::BotonBuscar();
}

// The groups' names come with each product; a product without a group ("NINGUNO", "NINGUNA") is
// listed all the same, with the name empty.
void OpProductos::BotonFiltro()
{
    AbreFiltro(this,
               QStringLiteral("Producto LEFT JOIN Grupo_Modificadores ON "
                              "Producto.ID_Grupo_Modificadores=Grupo_Modificadores.ID_Grupo_Modificadores "
                              "LEFT JOIN Grupo_Impresoras ON "
                              "Producto.ID_Grupo_Impresoras=Grupo_Impresoras.ID_Grupo_Impresoras WHERE"),
               columnasFiltro());
}
