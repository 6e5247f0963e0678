#pragma once

#include <QString>
#include <functional>

class QWidget;

// The main window's common dialog: set its title, default extension and filter, then ShowOpen.
// The filter is written as pairs "name|pattern|name|pattern". Tests replace the file box with a
// chooser that returns a path, or "" for a cancel.
class DlgBarSve {
public:
    QString DialogTitle;
    QString DefaultExt;
    QString Filter;
    QString FileName;

    // True with FileName set when a file was chosen; false on a cancel (FileName unchanged).
    bool ShowOpen(QWidget* parent);

    // The Qt form of Filter: "name (pattern);;...", "*.*" meaning any file.
    QString qtFilter() const;

    using Chooser = std::function<QString(const DlgBarSve& dialog)>;
    static void setChooser(Chooser chooser);
};
