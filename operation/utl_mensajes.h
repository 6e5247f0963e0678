#pragma once

#include "operation/flagged_text_window.h"

// "Mensajes": short texts for the terminals; only the active ones reach them.
class UtlMensajes : public FlaggedTextWindow {
    Q_OBJECT
public:
    explicit UtlMensajes(QWidget* parent = nullptr);
};
