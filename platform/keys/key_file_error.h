#pragma once

#include <QString>
#include <stdexcept>

// The key file could not give a value: missing, unreadable or incomplete. message() is the Spanish
// text for the user and names the file.
class KeyFileError : public std::runtime_error {
public:
    KeyFileError(const QString& path, const QString& message)
        : std::runtime_error(message.toStdString()), m_path(path), m_message(message) {}

    const QString& path() const { return m_path; }
    const QString& message() const { return m_message; }

private:
    QString m_path;
    QString m_message;
};
