#pragma once

namespace adodb {
class Connection;
}

namespace findia {

// While it lives, the run's commits reach the disk only at the points that must survive a power
// loss (an EscrituraFinDia en disco): a state lost before one of them is done again by the next
// start, with nothing on a share changed yet. The connection's former setting comes back after.
class SincroniaFinDia {
public:
    SincroniaFinDia();
    ~SincroniaFinDia();
    SincroniaFinDia(const SincroniaFinDia&) = delete;
    SincroniaFinDia& operator=(const SincroniaFinDia&) = delete;

private:
    int m_antes;
};

// A write transaction of the end of day on the gateway's connection. It begins IMMEDIATE: it waits
// for another writer (the connection's busy timeout) before it reads, instead of failing when a
// read transaction has to become a write one after that writer committed. Rolled back on every way
// out that did not commit. Raises adodb::ComError.
class EscrituraFinDia {
public:
    // enDisco: its commit waits until it and every earlier commit of the run is on disk (the point
    // before which nothing on a terminal's share may change).
    explicit EscrituraFinDia(bool enDisco = false);
    ~EscrituraFinDia();
    EscrituraFinDia(const EscrituraFinDia&) = delete;
    EscrituraFinDia& operator=(const EscrituraFinDia&) = delete;

    void confirma();

private:
    adodb::Connection& m_db;
    bool m_abierta = false;
    int m_sincronia = -1;   // the setting to restore after a commit on disk
};

} // namespace findia
