#include "platform/grid/abort_box.h"

#include "platform/ui/msgbox.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace grid {

AbortBox::AbortBox(const QString& text, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("abortBox"));
    setWindowTitle(ui::applicationTitle());
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel(text, this);
    label->setObjectName(QStringLiteral("lblAbort"));
    layout->addWidget(label);
    // The abort text tells the user to press "Cancel": the button carries that word.
    m_cancel = new QPushButton(QStringLiteral("Cancel"), this);
    m_cancel->setObjectName(QStringLiteral("cmdCancel"));
    layout->addWidget(m_cancel, 0, Qt::AlignHCenter);
    connect(m_cancel, &QPushButton::clicked, this, &AbortBox::reject);
}

void AbortBox::reject()
{
    m_cancelled = true;
    m_cancel->setEnabled(false);
}

} // namespace grid
