// The designs of the operation and configuration windows, opened from their menu items.
#include "foundation/forms/controls.h"
#include "foundation/forms/multiline_text_box.h"
#include "mainwindow/mdi_principal.h"
#include "tests/foundation/forms/typing.h"
#include "tests/operation/operation_fixture.h"

#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>

namespace {

struct Diseno {
    const char* item;
    const char* ventana;
    const char* titulo;
    QList<std::pair<const char*, const char*>> etiquetas;  // caption, tag ("" none)
    QList<std::pair<const char*, const char*>> ayudas;     // control, tool tip
    QList<std::pair<const char*, int>> largos;             // control, maximum length
    QList<std::pair<const char*, const char*>> reglas;     // control, tag
    QStringList ocultos;                                   // code boxes the user never sees
    QStringList tabulador;                                 // focus order in edit mode
    QStringList filtro;                                    // caption|list expression|condition column
};

void PrintTo(const Diseno& d, std::ostream* out)
{
    *out << d.ventana;
}

const Diseno kTiposPago{
    "mnuOpTipoPago", "OpTipoPago", "Tipos de Pago",
    {{"Id Tipo:", "txtId"}, {"Nombre:", "txtNombre"}, {"Clase", ""}},
    {{"CmbClase", "Indica la clase del pago"}, {"chkAbrir", "Indica si se debe mandar la señal de abrir gaveta"},
     {"txtId", "Identificador del tipo de pago"}},
    {{"TxtNombre", 25}},
    {{"TxtNombre", "NoVacioMayusculas"}},
    {"TxtClase"},
    {"TxtNombre", "CmbClase", "chkAbrir", "txtId"},
    {"Id Tipo|ID_Tipo_Pago|ID_Tipo_Pago", "Nombre|Nombre_Tipo_Pago|Nombre_Tipo_Pago",
     "Clase|CASE Clase WHEN 'E' THEN 'Efectivo' WHEN 'T' THEN 'Tarjeta Crédito' WHEN 'D' THEN 'Débito' WHEN 'C' THEN "
     "'Cheque' ELSE 'Otro' END AS Clase|Clase",
     "Abrir Gaveta|Abrir_Gaveta|Abrir_Gaveta"}};

const Diseno kAnulaciones{
    "mnuOpTiposAnulacion", "OpTiposAnulacion", "Tipos de Anulación",
    {{"Id Tipo:", "txtId"}, {"Nombre:", "txtNombre"}},
    {{"TxtNombre", "Nombre de la anulación"},
     {"chkRegresar", "Indica que si se aplica esta anulación se regresa la existencia utilizada"},
     {"txtId", "Identificador del tipo de anulación"}},
    {{"TxtNombre", 25}},
    {{"TxtNombre", "NoVacioMayusculas"}},
    {},
    {"TxtNombre", "chkRegresar", "txtId"},
    {"Id Tipo|ID_Tipo_Anulacion|ID_Tipo_Anulacion", "Nombre|Nombre_Tipos_Anulacion|Nombre_Tipos_Anulacion",
     "Regresa Existencia|Regresa_Existencia|Regresa_Existencia"}};

const Diseno kMensajes{
    "mnuUtlMensajes", "UtlMensajes", "Mensajes",
    {{"Id Mensaje:", "txtId"}, {"Mensaje:", "txtMensaje"}},
    {{"TxtMensaje", "Mensaje"}, {"chkActivo", "Indica si el mensaje esta activo"},
     {"txtId", "Identificador del mensaje"}},
    {{"TxtMensaje", 255}},
    {{"TxtMensaje", "NoVacioMayusculas"}},
    {},
    {"TxtMensaje", "chkActivo", "txtId"},
    {"Id Mensaje|ID_Mensaje|ID_Mensaje", "Mensaje|Mensaje|Mensaje", "Activo|Mensaje_Activo|Mensaje_Activo"}};

const Diseno kTerminales{
    "mnuTerminal", "CfgTerminal", "Terminales",
    {{"Id Terminal:", "txtId"}, {"Nombre:", "txtNombre"}, {"I.P.", ""}, {"Menú:", ""}, {"Estado:", ""}},
    {{"txtId", "Identificador de la terminal"}},
    {{"TxtNombre", 25}, {"MskIP", 15}},
    {{"TxtNombre", "NoVacioMayusculas"}, {"MskIP", "IP"}},
    {"TxtMenu", "txtEstado"},
    {"TxtNombre", "MskIP", "CmbMenu", "cmbEstado", "chkServidor", "chkServidorBack", "txtId"},
    {"Id Terminal|ID_Terminal|ID_Terminal", "Nombre|Nombre_Terminal|Nombre_Terminal", "IP|Direccion_IP|Direccion_IP",
     "Estado|Estado_Terminal|Estado_Terminal"}};

const Diseno kImpresoras{
    "mnuUtlConfImpresoras", "CfgImpresora", "Impresora",
    {{"Id Impresora:", "txtId"}, {"Nombre:", "TxtNombre"}, {"Terminal:", "cmbTerminal"}, {"Puerto:", "txtPuerto"},
     {"Modo:", "cmbModo"}, {"Comentario:", "txtComentario"}, {"Estado:", ""}, {"Redirigido:", ""}, {"Respaldo:", ""}},
    {{"TxtNombre", "Nombre de la impresora"}, {"cmbEstado", "Indica el estado de la impresora"},
     {"txtId", "Identificador de la impresora"}},
    {{"TxtNombre", 25}, {"txtComentario", 255}},
    {{"TxtNombre", "NoVacioMayusculas"}, {"cmbEstado", "NoVacio"}, {"cmbTerminal", "NoVacio"}, {"cmbModo", "NoVacio"},
     {"cmbRedirigido", "NoVacio"}, {"cmbRespaldo", "NoVacio"}, {"txtTerminal", "Numerico"},
     {"txtRedirigido", "Numerico"}, {"txtRespaldo", "Numerico"}},
    {"txtEstado", "txtModo", "txtTerminal", "txtRedirigido", "txtRespaldo", "txtPuerto"},
    {"TxtNombre", "cmbEstado", "cmbTerminal", "cmbPuerto", "cmbModo", "cmbRedirigido", "cmbRespaldo", "chkEsDeCheques",
     "txtComentario", "txtId"},
    {"Id Impresora|ID_Impresora|ID_Impresora", "Nombre|Nombre_Impresora|Nombre_Impresora", "Puerto|Puerto|Puerto",
     "Modo|CASE Modo WHEN 'E' THEN 'Epson' WHEN 'C' THEN 'Citizen' WHEN 'S' THEN 'Star' END AS Modo|Modo",
     "Estado|CASE Estado_Impresora WHEN 'A' THEN 'Activa' WHEN 'R' THEN 'Reparación' WHEN 'D' THEN 'Descompuesta' WHEN "
     "'V' THEN 'Virtual' WHEN 'P' THEN 'Sin Papel' WHEN 'F' THEN 'Fuera de linea' WHEN 'N' THEN 'No activa' WHEN 'L' "
     "THEN 'Virtual' END AS Estado_Impresora|Estado_Impresora",
     "Comentario|Comentario|Comentario", "ID_Terminal|ID_Terminal|ID_Terminal", "Redirigido|Redirigido|Redirigido"}};

const Diseno kGrupos{
    "mnuUtlConfGposImpresoras", "OpGpoImpresoras", "Grupos de Impresoras",
    {{"Id grupo:", "txtId"}, {"Nombre:", "txtNombre"}},
    {{"txtId", "Identificador del grupo de impresoras"}, {"TxtNombre", "Nombre del grupo de impresoras"}},
    {{"TxtNombre", 25}},
    {{"TxtNombre", "NoVacioMayusculas"}},
    {},
    {"TxtNombre", "sprImpresoras", "txtId"},
    {"Id Grupo|ID_Grupo_Impresoras|ID_Grupo_Impresoras", "Nombre|Nombre_Grupo_Impresoras|Nombre_Grupo_Impresoras"}};

class DisenoTest : public OperationDb, public ::testing::WithParamInterface<Diseno> {};

TEST_P(DisenoTest, CaptionsTagsTabOrderAndFilterColumns)
{
    const Diseno& d = GetParam();
    ASSERT_NE(abre(QLatin1String(d.item), QLatin1String(d.ventana)), nullptr);
    EXPECT_EQ(ventanaAbierta->windowTitle(), QString::fromUtf8(d.titulo));
    EXPECT_EQ(main->mdiArea()->activeSubWindow()->windowTitle(), QString::fromUtf8(d.titulo));

    QStringList etiquetas;
    for (QLabel* l : ventanaAbierta->findChildren<QLabel*>())
        etiquetas << l->text() + QLatin1Char('>') + forms::tag(l);
    for (const auto& [caption, tag] : d.etiquetas)
        EXPECT_TRUE(etiquetas.contains(QString::fromUtf8(caption) + QLatin1Char('>') + QLatin1String(tag)))
            << caption << " in " << etiquetas.join(QLatin1Char(',')).toStdString();
    EXPECT_EQ(etiquetas.size(), d.etiquetas.size()) << etiquetas.join(QLatin1Char(',')).toStdString();
    for (const auto& [nombre, ayuda] : d.ayudas) {
        ASSERT_NE(control(QLatin1String(nombre)), nullptr) << nombre;
        EXPECT_EQ(control(QLatin1String(nombre))->toolTip(), QString::fromUtf8(ayuda)) << nombre;
    }
    for (const auto& [nombre, largo] : d.largos) {
        QWidget* c = control(QLatin1String(nombre));
        ASSERT_NE(c, nullptr) << nombre;
        const int maximo = qobject_cast<QLineEdit*>(c) ? qobject_cast<QLineEdit*>(c)->maxLength()
                                                       : qobject_cast<MultiLineTextBox*>(c)->maxLength();
        EXPECT_EQ(maximo, largo) << nombre;
    }
    for (const auto& [nombre, regla] : d.reglas)
        EXPECT_EQ(forms::tag(control(QLatin1String(nombre))), QLatin1String(regla)) << nombre;
    for (const QString& oculto : d.ocultos) {
        ASSERT_NE(control(oculto), nullptr) << oculto.toStdString();
        EXPECT_FALSE(control(oculto)->isVisible()) << oculto.toStdString();
    }
    EXPECT_TRUE(control<QLineEdit>(QStringLiteral("txtId"))->font().bold());
    EXPECT_EQ(panel(1), QStringLiteral("Registros: 0"));

    pulsa(Qt::Key_Insert);
    ASSERT_TRUE(ventanaAbierta->Formas().Edicion());
    EXPECT_TRUE(control<QLineEdit>(QStringLiteral("txtId"))->isReadOnly());
    EXPECT_EQ(ordenTab(d.tabulador.size()), d.tabulador);

    QStringList filtro;
    for (const ColumnaFiltro& c : ventanaAbierta->columnasFiltro())
        filtro << c.titulo + QLatin1Char('|') + c.columnaLista + QLatin1Char('|') + c.columnaCondicion;
    EXPECT_EQ(filtro, d.filtro);
    EXPECT_EQ(ventanaAbierta->tablaFiltro(), ventanaAbierta->tabla() + QStringLiteral(" WHERE"));
}

INSTANTIATE_TEST_SUITE_P(Ventanas, DisenoTest,
                         ::testing::Values(kTiposPago, kAnulaciones, kMensajes, kTerminales, kImpresoras, kGrupos),
                         [](const ::testing::TestParamInfo<Diseno>& info) { return std::string(info.param.ventana); });

} // namespace
