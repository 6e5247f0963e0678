#pragma once

#include "reports/rep_ventana.h"

// The print-out the payment list and the courtesies report share: "INFORME DE CORTESIAS",
// landscape, margins top and bottom 100 and left 350 twips.
RepVentana::Ajustes ajustesInformeCortesias(const QString& titulo, const QSize& disenoTwips);
