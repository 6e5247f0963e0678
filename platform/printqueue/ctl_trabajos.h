#pragma once

#include "platform/adodb/adodb.h"

#include <QString>

class QPrinter;

// The print queue: a job is a row of ColaImpresion, its pieces rows of Detallecolaimpresion in the
// order given. Closing a job marks it closed and prints it on the system printer named like its
// Impresora row, or, when the machine has no such printer, into tickets/<ID_Trabajo>.pdf under the
// data root. Every call raises adodb::ComError when the database or the printer refuses it.
class CtlTrabajos {
public:
    explicit CtlTrabajos(adodb::Connection conexion) : m_conexion(std::move(conexion)) {}

    // Opens a job for the printer; returns its id.
    qint32 AbrirTrabajo(const QString& tipo, double impresora, const QString& usuario);
    // Appends one piece of ticket text to an open job.
    void AgregarLinea(qint32 trabajo, const QString& texto);
    // Prints the job and marks it closed.
    void CerrarTrabajo(qint32 trabajo);
    // Forgets a job that could not be completed: nothing of it prints or stays queued. Never raises.
    void CancelarTrabajo(qint32 trabajo);

    // Where a job of this id prints when no system printer of the name exists.
    static QString archivoTrabajo(qint32 trabajo);

private:
    adodb::Connection m_conexion;
};
