#include "temp_data_root.h"

#include <QtGlobal>

TempDataRoot::TempDataRoot()
    : m_oldData(qgetenv("ZORVA_DATA"))
    , m_oldShares(qgetenv("ZORVA_SHARES"))
    , m_hadData(qEnvironmentVariableIsSet("ZORVA_DATA"))
    , m_hadShares(qEnvironmentVariableIsSet("ZORVA_SHARES"))
{
    qputenv("ZORVA_DATA", m_dir.path().toLocal8Bit());
    qunsetenv("ZORVA_SHARES");
}

TempDataRoot::~TempDataRoot()
{
    if (m_hadData) qputenv("ZORVA_DATA", m_oldData); else qunsetenv("ZORVA_DATA");
    if (m_hadShares) qputenv("ZORVA_SHARES", m_oldShares); else qunsetenv("ZORVA_SHARES");
}
