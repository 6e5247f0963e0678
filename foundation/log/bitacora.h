#pragma once

#include <QFile>
#include <QString>
#include <memory>

// The daily log: one file per calendar day, "C:\plimo\ZorvaComTra" + "ddmmyyyy" + ".log", one
// time-stamped line per message.

// Appends the message to today's file; false when the file could not be opened or written.
bool EscribeBitacora(const QString& PsMensaje);

// Today's file opened for appending (unopened when the open failed; its error() says why).
std::unique_ptr<QFile> AbreBitacora();

// Creates every missing level of a Windows path; true when the whole path is a folder afterwards.
bool Crea_Directorio(const QString& psDirectorio);
