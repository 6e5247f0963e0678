#pragma once

#include <QString>
#include <QTemporaryDir>

// Points the program's data root (and the terminals' shares root) at a fresh temporary folder for
// the lifetime of the object, restoring the previous environment afterwards.
class TempDataRoot {
public:
    TempDataRoot();
    ~TempDataRoot();
    TempDataRoot(const TempDataRoot&) = delete;
    TempDataRoot& operator=(const TempDataRoot&) = delete;

    QString path() const { return m_dir.path(); }
    QString filePath(const QString& relative) const { return m_dir.filePath(relative); }

private:
    QTemporaryDir m_dir;
    QByteArray m_oldData;
    QByteArray m_oldShares;
    bool m_hadData;
    bool m_hadShares;
};
