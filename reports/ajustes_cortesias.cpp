#include "reports/ajustes_cortesias.h"

RepVentana::Ajustes ajustesInformeCortesias(const QString& titulo, const QSize& disenoTwips)
{
    RepVentana::Ajustes a;
    a.titulo = titulo;
    a.disenoTwips = disenoTwips;
    a.tituloImpresion = QStringLiteral("INFORME DE CORTESIAS");
    a.margenSuperior = 100;
    a.margenInferior = 100;
    a.margenIzquierdo = 350;
    a.orientacion = grid::Orientation::Landscape;
    return a;
}
