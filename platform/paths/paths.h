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

// What the program writes under the data root holds every employee's enciphered password and every
// sale, so it is its user's alone: sets the process's umask so that every file and folder made from
// now on is private (files 0600, folders 0700), and takes group and other permissions off the data
// root and what this user owns under it, for what was made before. Links are not followed; the
// terminals' shares, when they lie under the data root, and a data root that holds the home folder
// are left as they are.
void keepPrivate();

// The operating system's login name of the current user.
QString loginName();

} // namespace paths
