#pragma once

#include "platform/adodb/adodb.h"

#include <QString>

#include <functional>

// The print queue: a job is a row of ColaImpresion, its pieces rows of Detallecolaimpresion in the
// order given. Closing a job first records it (closed, with what the caller records along with it)
// in one transaction, then prints it on the print system's queue named like its Impresora row;
// when the machine has no such queue the ticket is written to a PDF file under the data root.
// A job that does not print takes its record back. Every call raises adodb::ComError when the
// database or the printer refuses it, with the reason in words.
class CtlTrabajos {
public:
    // What the next closed job records in its transaction, and how that is taken back when the job
    // does not print after all. Each raises adodb::ComError when it cannot be done.
    struct Registro {
        std::function<void()> registra;
        std::function<void()> deshace;
    };

    explicit CtlTrabajos(adodb::Connection conexion) : m_conexion(std::move(conexion)) {}

    // Opens a job for the printer; returns its id.
    qint32 AbrirTrabajo(const QString& tipo, double impresora, const QString& usuario);
    // Appends one piece of ticket text to an open job.
    void AgregarLinea(qint32 trabajo, const QString& texto);
    // Records the job as closed and prints it. Waits for the print system a few seconds at most.
    void CerrarTrabajo(qint32 trabajo);
    // Forgets a job that could not be completed: nothing of it prints or stays queued. Never raises.
    void CancelarTrabajo(qint32 trabajo);

    // Applies to the next CerrarTrabajo only.
    void registraAlCerrar(Registro registro) { m_registro = std::move(registro); }
    // What the user should know about the last job closed although it printed: the file it was
    // written to, or that its printer is stopped. Empty when there is nothing to tell.
    QString aviso() const { return m_aviso; }

private:
    void registra(qint32 trabajo, const Registro& registro);
    void deshace(qint32 trabajo, const Registro& registro);

    adodb::Connection m_conexion;
    Registro m_registro;
    QString m_aviso;
};
