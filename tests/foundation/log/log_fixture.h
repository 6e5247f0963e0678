#pragma once

#include "platform/ui/msgbox.h"
#include "tests/support/temp_data_root.h"

#include <QDateTime>
#include <QString>
#include <gtest/gtest.h>

// A fresh data root, recorded message boxes and a clock fixed at 5 March 2021 14:03:09.
class LogFixture : public ::testing::Test {
protected:
    LogFixture();
    ~LogFixture() override;

    // Local path of a file under the data root, and its whole content ("" when missing).
    QString local(const QString& relative) const { return root.filePath(relative); }
    QString content(const QString& relative) const;
    void write(const QString& relative, const QByteArray& bytes) const;

    static QDateTime fixedNow();

    TempDataRoot root;
    ui::ScriptedAnswerer boxes;
};
