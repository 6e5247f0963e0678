#pragma once

#include "operation/flagged_text_window.h"

// "Tipos de Anulación": the reasons for voiding an item ordered, each saying whether the void puts
// the item's stock back.
class OpTiposAnulacion : public FlaggedTextWindow {
    Q_OBJECT
public:
    explicit OpTiposAnulacion(QWidget* parent = nullptr);
};
