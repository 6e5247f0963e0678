#pragma once

#include <QFile>
#include <QString>

#include <functional>
#include <memory>

// File work shared by the activity log object and the daily log routines. Paths are given as the
// system writes them ("C:\plimo\log", "\plimo\") and mapped onto the data root here.
namespace logfiles {

// The file errors the log reports, numbered as the system's messages know them.
enum FileErrorNumber : int {
    kDeviceError = 57,
    kFileExists = 58,
    kDiskFull = 61,
    kPermissionDenied = 70,
    kPathFileAccess = 75,
    kPathNotFound = 76,
};

struct FileFailure {
    int number = kDeviceError;
    QString description;
};

// Why a file could not be opened for appending.
FileFailure openFailure(const QFile& file);

// Why writing to an open file failed.
FileFailure writeFailure(const QFile& file);

// Why renaming a file to the local path `target` failed.
FileFailure renameFailure(const QFile& file, const QString& target);

// Creates every missing level of a Windows path, from the first level after the drive ("C:\") or
// after the server ("\\host\"); the server and its share are never created. True when the whole
// path is a folder afterwards.
bool createWindowsPath(const QString& windowsPath);

// Where the daily log's own failures are said. Without a reporter, a folder that cannot be made
// shows the system's box and a line that cannot be written is dropped; an unattended run gives a
// reporter instead, so that writing the log never opens a box, nor writes the log again.
using FailureReporter = std::function<void(const QString& text)>;
void setFailureReporter(FailureReporter reporter);
FailureReporter failureReporter();

// Opens today's daily file, folder + "\" + stem + "ddmmyyyy" + ".log", for appending. A missing
// folder + "\log" is created first; when that fails the error box is shown and the open is tried
// anyway (the reporter, when there is one, is told instead of the box). The file comes back
// unopened when the open fails.
std::unique_ptr<QFile> openDailyFile(const QString& windowsFolder, const QString& stem);

// Appends one daily line (date and time, separator, message, CRLF); false when it could not, and
// then the reporter, when there is one, is told why.
bool writeDailyLine(QFile& file, const QString& message);

} // namespace logfiles
