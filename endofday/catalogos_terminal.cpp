#include "endofday/catalogos_terminal.h"

#include "endofday/falla_paso.h"
#include "foundation/log/bitacora.h"
#include "foundation/routines/zorva_funciones.h"
#include "platform/adodb/adodb.h"
#include "platform/clock/clock.h"

namespace findia {

QString CondicionVigente(const QString& inicio, const QString& fin)
{
    const QString hoy = QLatin1Char('\'') + appclock::now().date().toString(QStringLiteral("yyyy-MM-dd")) + QLatin1Char('\'');
    return QStringLiteral("((") + inicio + QStringLiteral(" IS NULL OR date(") + inicio + QStringLiteral(")<=") + hoy
           + QStringLiteral(") AND (") + fin + QStringLiteral(" IS NULL OR date(") + fin + QStringLiteral(")>=") + hoy
           + QStringLiteral("))");
}

namespace {

// The rate of a tax type in force today with the latest start: the terminal holds one per type.
QString TasaVigente()
{
    const QString p = QStringLiteral("PorcentajeXTipo_Impuesto");
    return QStringLiteral("Tipos_Impuesto.ID_Tipo_Impuesto=") + p + QStringLiteral(".ID_Tipo_Impuesto AND ")
           + CondicionVigente(p + QStringLiteral(".Fecha_Inicio_Impuesto"), p + QStringLiteral(".Fecha_Fin_Impuesto"))
           + QStringLiteral(" AND NOT EXISTS (SELECT 1 FROM ") + p + QStringLiteral(" o WHERE o.ID_Tipo_Impuesto=") + p
           + QStringLiteral(".ID_Tipo_Impuesto AND ")
           + CondicionVigente(QStringLiteral("o.Fecha_Inicio_Impuesto"), QStringLiteral("o.Fecha_Fin_Impuesto"))
           + QStringLiteral(" AND o.Fecha_Inicio_Impuesto>") + p + QStringLiteral(".Fecha_Inicio_Impuesto)");
}

} // namespace

QStringList CopiaCatalogosTerminal(adodb::Connection& plantilla)
{
    const QString cortesiaVigente = CondicionVigente(QStringLiteral("Fecha_Inicio_Cortesia"), QStringLiteral("Fecha_Fin_Cortesia"));
    struct Copia {
        const char* origen;
        const char* destino;
        const char* columnas;
        QString condicion;
    };
    const Copia copias[] = {
        {"Empleado", "Empleado",
         "ID_Empleado,Usuario,Nombre_Empleado || ' ' || Apellido_Paterno || ' ' || Apellido_Materno AS Nombre_Empleado,"
         "Contraseña,Tarjeta_magnetica,Estado_Empleado,Num_Tarjeta", {}},
        {"Grupo_Trabajo", "Grupo_Trabajo", "ID_Grupo_Trabajo,Nombre_Grupo_Trabajo", {}},
        {"EmpleadosXGrupo", "EmpleadosXGrupo", "ID_Empleado,ID_Grupo_Trabajo", {}},
        {"Permisos", "Permisos", "ID_Permiso", {}},
        {"PermisosXGrupo_Trabajo", "PermisosXGrupo_Trabajo", "ID_Grupo_Trabajo,ID_Permiso", {}},
        {"Mensajes", "Mensajes", "ID_Mensaje,Mensaje", QStringLiteral("Mensaje_Activo=1")},
        {"Categoria", "Categoria", "ID_Categoria,Nombre_Categoria,Tipo_categoria", {}},
        {"Grupo_Impresoras", "Grupo_Impresoras", "ID_Grupo_Impresoras,Nombre_Grupo_Impresoras", {}},
        {"Terminal", "Terminal", "ID_Terminal,Nombre_Terminal,Direccion_IP,Estado_Terminal", {}},
        {"Impresora", "Impresora",
         "ID_Impresora,Nombre_Impresora,Puerto,Modo,ID_Terminal,Redirigido,Estado_Impresora,EsDeCheques,Id_Impresora_Respaldo", {}},
        {"ImpresorasXGrupo", "ImpresorasXGrupo", "ID_Impresora,ID_Grupo_Impresoras", {}},
        {"Tipos_Impuesto,PorcentajeXTipo_Impuesto", "Tipos_Impuesto",
         "Tipos_Impuesto.ID_Tipo_Impuesto,Nombre_Tipo_Impuesto,Porcentaje,Tipo_Imp_Activo", TasaVigente()},
        {"Tipos_Anulacion", "Tipos_Anulacion", "ID_Tipo_Anulacion,Nombre_Tipos_Anulacion,Regresa_Existencia", {}},
        {"Modo_Preparacion", "Modo_Preparacion", "ID_Modo_Preparacion,Nombre_Modo_Preparacion,Indicador", {}},
        {"Tipo_Modificador", "Tipo_Modificador",
         "ID_Tipo_Modificador,Nombre_Tipo_Modificador,Precio_Tipo_Modificador,Estado_Modificador", {}},
        {"Grupo_Modificadores", "Grupo_Modificadores",
         "ID_Grupo_Modificadores,Nombre_Grupo_Modificadores,Fluir_automatico,Grupo_Mod_Activo", {}},
        {"TiposXGrupo_Modificadores", "TiposXGrupo_Modificadores", "ID_Grupo_Modificadores,ID_Tipo_Modificador", {}},
        {"Producto", "Producto",
         "ID_Producto,ID_Categoria,Nombre_Boton,Nombre_Cuenta,0 AS Precio_Producto,Existencia,Abierto,ID_Grupo_Impresoras,"
         "ID_Grupo_Modificadores,Estado,Paquete", {}},
        {"Tipo_Cortesia", "Tipo_Cortesia",
         "ID_Tipo_Cortesia,Nombre_Tipo_Cortesia,Tipo_Cortesia,Cantidad_Cortesia,Cantidad_Maxima,Sel_articulo,Cortesia_Activa",
         cortesiaVigente},
        {"Tipo_Cortesia,ProductoXTipo_Cortesia", "ProductoXTipo_Cortesia", "Tipo_Cortesia.ID_Tipo_Cortesia,ID_Producto",
         QStringLiteral("Tipo_Cortesia.ID_Tipo_Cortesia=ProductoXTipo_Cortesia.ID_Tipo_Cortesia AND ") + cortesiaVigente},
        {"Tipo_Pago", "Tipo_Pago", "ID_Tipo_Pago,Nombre_Tipo_Pago,Clase,Abrir_gaveta", {}},
        {"ImpuestosXProducto", "ImpuestosXProducto", "ID_Tipo_Impuesto,ID_Producto,Incluir_en_precio", {}},
        {"Secciones_Paquete", "Secciones_Paquete", "Id_Seccion_Paquete,Nombre_Seccion,ID_Producto,Numero", {}},
        {"ProductosXSeccion", "ProductosXSeccion", "ID_Seccion_Paquete,ID_Producto", {}},
        {"Promocion", "Promocion", "ID_Promocion,ClaveUsr,Nombre_Promocion,Tipo_Promocion,CantMesa,Activo",
         CondicionVigente(QStringLiteral("Fecha_Inicio_Promocion"), QStringLiteral("Fecha_Fin_Promocion"))},
        {"Grupo_Promocional", "Grupo_Promocional", "ID_Grupo_Promocional,Nombre_Gpo_Promocional", {}},
        {"Detalle_Gpo_Promocional", "Detalle_Gpo_Promocional", "ID_Grupo_Promocional,ID_Producto", {}},
        {"Grupo_Obsequios", "Grupo_Obsequios", "ID_Grupo_Obsequio,Nombre_Gpo_Obsequio", {}},
        {"Detalle_Gpo_Obsequios", "Detalle_Gpo_Obsequios", "ID_Grupo_Obsequio,ID_Producto", {}},
        {"Detalle_Promocion", "Detalle_Promocion",
         "ID_Detalle_Promocion,ID_Promocion,CantMinima,CantMaxima,CantObsequios,Descuento,ID_Grupo_Promocional,"
         "ID_Grupo_Obsequios", {}},
        {"Parametros", "Parametros", "ID_Parametro,Valor_Num,Valor_Cad", {}},
    };
    QStringList rechazadas;
    for (const Copia& c : copias) {
        const int r = CopiaTablaTerminal(plantilla, QString::fromUtf8(c.origen), QString::fromUtf8(c.destino),
                                         QString::fromUtf8(c.columnas), c.condicion, &rechazadas);
        if (r < 0)
            throw FallaPaso(FallaPaso::ArchivoNoEncontrado, QStringLiteral("No se pudo llenar la copia de Plantilla.mdb con la tabla ")
                                                                 + QString::fromUtf8(c.destino));
    }
    if (!rechazadas.isEmpty())
        EscribeBitacora(QStringLiteral("Base de las terminales: ") + QString::number(rechazadas.size())
                        + QStringLiteral(" filas de los catálogos rechazadas"));
    return rechazadas;
}

} // namespace findia
