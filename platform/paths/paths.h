#pragma once

#include <QString>

// Where the program keeps its files on this machine, and how the Windows paths that the system
// composes ("C:\plimo\log", "\\TERM1\zorva\Zorva_Terminal.mdb") map onto it.
namespace paths {

// $ZORVA_DATA, by default ~/.local/share/zorva.
QString dataRoot();

// $ZORVA_SHARES, by default <data root>/shares: the terminals' network shares.
QString sharesRoot();

// The program's own folder: every file the system keeps "beside the executable" lives here.
QString appFolder();

// Maps a path as the system writes it onto the local file system:
//  - "C:\ZORVA.log" -> <data root>/ZORVA.log; another drive letter keeps a folder of its own
//    ("D:\x" -> <data root>/D/x);
//  - "\plimo\x" (the current drive) -> <data root>/plimo/x;
//  - "\\host\share\x" -> <shares root>/host/share/x;
//  - a relative path lies under the program's own folder;
//  - a path that is already absolute on this system is returned as it stands.
// Backslashes become slashes; a trailing separator is kept.
QString toLocal(const QString& systemPath);

// The operating system's login name of the current user.
QString loginName();

} // namespace paths
