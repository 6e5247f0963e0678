#include "operation/op_tipos_anulacion.h"

namespace {

FlaggedTextDesign diseno()
{
    FlaggedTextDesign d;
    d.ventana = QStringLiteral("OpTiposAnulacion");
    d.titulo = QStringLiteral("Tipos de Anulación");
    d.tabla = QStringLiteral("Tipos_Anulacion");
    d.columnaLlave = QStringLiteral("ID_Tipo_Anulacion");
    d.columnaTexto = QStringLiteral("Nombre_Tipos_Anulacion");
    d.columnaBandera = QStringLiteral("Regresa_Existencia");
    d.cajaTexto = QStringLiteral("TxtNombre");
    d.etiquetaLlave = QStringLiteral("Id Tipo:");
    d.etiquetaTexto = QStringLiteral("Nombre:");
    d.ayudaLlave = QStringLiteral("Identificador del tipo de anulación");
    d.ayudaTexto = QStringLiteral("Nombre de la anulación");
    d.palabraTexto = QStringLiteral("Nombre");
    d.largoTexto = 25;
    d.bandera = QStringLiteral("chkRegresar");
    d.captionBandera = QStringLiteral("Regresar existencia");
    d.ayudaBandera = QStringLiteral("Indica que si se aplica esta anulación se regresa la existencia utilizada");
    d.mensajeLlaveRepetida = QStringLiteral("Ya existe el nombre del tipo de anulación");
    d.tituloFiltroLlave = QStringLiteral("Id Tipo");
    d.tituloFiltroTexto = QStringLiteral("Nombre");
    d.tituloFiltroBandera = QStringLiteral("Regresa Existencia");
    return d;
}

} // namespace

OpTiposAnulacion::OpTiposAnulacion(QWidget* parent) : FlaggedTextWindow(diseno(), parent) {}
