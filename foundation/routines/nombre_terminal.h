#pragma once

#include <QString>

// A terminal's name is its computer's name on the network, and the end of day makes it a folder of
// the shares ("\\NAME\...") and of the program's folder. The terminals window and the end of day
// judge it by this one rule, so that a terminal the window stores is one the end of day can reach.

// Why the name cannot stand for a computer ("" when it can): empty, "." or "..", holding "..", a
// character that no file or computer name may hold (\ / : * ? " < > |) or a control character.
QString MotivoNombreTerminal(const QString& nombre);
