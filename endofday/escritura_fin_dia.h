#pragma once

namespace adodb {
class Connection;
}

namespace findia {

// A write transaction of the end of day on the gateway's connection. It begins IMMEDIATE: it waits
// for another writer (the connection's busy timeout) before it reads, instead of failing when a
// read transaction has to become a write one after that writer committed. Rolled back on every way
// out that did not commit. Raises adodb::ComError.
class EscrituraFinDia {
public:
    EscrituraFinDia();
    ~EscrituraFinDia();
    EscrituraFinDia(const EscrituraFinDia&) = delete;
    EscrituraFinDia& operator=(const EscrituraFinDia&) = delete;

    void confirma();

private:
    adodb::Connection& m_db;
    bool m_abierta = false;
};

} // namespace findia
