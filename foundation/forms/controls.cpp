#include "foundation/forms/controls.h"
#include "foundation/forms/multiline_text_box.h"

#include <QFontMetricsF>
#include <QGroupBox>
#include <QtMath>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QStackedWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QVariant>

namespace forms {

namespace {

const char* const kTag = "Tag";
const char* const kDataField = "DataField";

void collect(QWidget* parent, QWidgetList& out)
{
    for (QObject* child : parent->children()) {
        auto* w = qobject_cast<QWidget*>(child);
        if (!w || w->isWindow())
            continue;
        if (qobject_cast<QTabBar*>(w) && qobject_cast<QTabWidget*>(parent))
            continue;  // part of its tab control

        out.append(w);
        if (isContainer(w))
            collect(w, out);
    }
}

} // namespace

void setWidthInLetters(QLineEdit* box, int letters)
{
    static const QString capitals = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ");
    const QFontMetricsF metrics(box->font());
    const qreal letter = metrics.horizontalAdvance(capitals) / capitals.size();
    const QMargins text = box->textMargins();
    // 12: the frame and the inner margins that the style draws around the text.
    box->setMinimumWidth(qCeil(letter * letters) + text.left() + text.right() + 12);
}

bool isContainer(const QWidget* w)
{
    if (qobject_cast<const QGroupBox*>(w) || qobject_cast<const QTabWidget*>(w) || qobject_cast<const QStackedWidget*>(w))
        return true;
    const QMetaObject* meta = w->metaObject();
    return meta == &QWidget::staticMetaObject || meta == &QFrame::staticMetaObject;
}

QString tag(const QObject* control)
{
    return control ? control->property(kTag).toString() : QString();
}

void setTag(QObject* control, const QString& tag)
{
    control->setProperty(kTag, tag);
}

QString dataField(const QObject* control)
{
    return control ? control->property(kDataField).toString() : QString();
}

void setDataField(QObject* control, const QString& column)
{
    control->setProperty(kDataField, column);
}

bool isTextBox(const QWidget* control)
{
    return qobject_cast<const QLineEdit*>(control) || qobject_cast<const QPlainTextEdit*>(control);
}

QString text(const QWidget* textBox)
{
    if (auto* line = qobject_cast<const QLineEdit*>(textBox))
        return line->text();
    if (auto* multi = qobject_cast<const QPlainTextEdit*>(textBox))
        return multi->toPlainText();
    if (auto* label = qobject_cast<const QLabel*>(textBox))
        return label->text();
    return QString();
}

void setText(QWidget* textBox, const QString& text)
{
    if (auto* line = qobject_cast<QLineEdit*>(textBox))
        line->setText(text);
    else if (auto* multi = qobject_cast<QPlainTextEdit*>(textBox))
        multi->setPlainText(text);
    else if (auto* label = qobject_cast<QLabel*>(textBox))
        label->setText(text);
}

namespace {

// The box's limit as designed, kept aside the first time a stored text is shown.
int designedLength(QWidget* box, int current)
{
    const QVariant kept = box->property("LargoDiseno");
    if (kept.isValid())
        return kept.toInt();
    box->setProperty("LargoDiseno", current);
    return current;
}

} // namespace

void showStored(QWidget* textBox, const QString& text)
{
    if (auto* line = qobject_cast<QLineEdit*>(textBox)) {
        line->setMaxLength(qMax(designedLength(line, line->maxLength()), int(text.size())));
        line->setText(text);
    } else if (auto* multi = qobject_cast<MultiLineTextBox*>(textBox)) {
        const int design = designedLength(multi, multi->maxLength());
        multi->setMaxLength(design == 0 ? 0 : qMax(design, int(text.size())));
        multi->setPlainText(text);
    } else {
        setText(textBox, text);
    }
}

void setLocked(QWidget* textBox, bool locked)
{
    if (auto* line = qobject_cast<QLineEdit*>(textBox))
        line->setReadOnly(locked);
    else if (auto* multi = qobject_cast<QPlainTextEdit*>(textBox))
        multi->setReadOnly(locked);
}

bool isLocked(const QWidget* textBox)
{
    if (auto* line = qobject_cast<const QLineEdit*>(textBox))
        return line->isReadOnly();
    if (auto* multi = qobject_cast<const QPlainTextEdit*>(textBox))
        return multi->isReadOnly();
    return false;
}

void selectAll(QWidget* textBox)
{
    if (auto* line = qobject_cast<QLineEdit*>(textBox))
        line->selectAll();
    else if (auto* multi = qobject_cast<QPlainTextEdit*>(textBox))
        multi->selectAll();
}

void deselect(QWidget* textBox)
{
    if (auto* line = qobject_cast<QLineEdit*>(textBox)) {
        line->deselect();
    } else if (auto* multi = qobject_cast<QPlainTextEdit*>(textBox)) {
        QTextCursor cursor = multi->textCursor();
        cursor.clearSelection();
        multi->setTextCursor(cursor);
    }
}

void revealField(QWidget* control)
{
    // A tab widget holds its pages in a stacked widget: from the outermost page in, each is shown.
    QList<std::pair<QTabWidget*, QWidget*>> paginas;
    for (QWidget* w = control; w && w->parentWidget(); w = w->parentWidget()) {
        auto* pila = qobject_cast<QStackedWidget*>(w->parentWidget());
        auto* pestanas = pila ? qobject_cast<QTabWidget*>(pila->parentWidget()) : nullptr;
        if (pestanas && pestanas->indexOf(w) >= 0)
            paginas.prepend({pestanas, w});
    }
    for (const auto& [pestanas, pagina] : paginas)
        pestanas->setCurrentWidget(pagina);
}

void focusField(QWidget* control)
{
    if (!control)
        return;
    revealField(control);
    control->setFocus(Qt::OtherFocusReason);
}

QWidgetList controls(QWidget* window)
{
    QWidgetList out;
    if (window)
        collect(window, out);
    return out;
}

QString captionOf(QWidget* control)
{
    if (!control)
        return QString();
    for (QWidget* other : controls(windowOf(control))) {
        auto* etiqueta = qobject_cast<QLabel*>(other);
        if (etiqueta && tag(etiqueta).compare(control->objectName(), Qt::CaseInsensitive) == 0) {
            const QString caption = etiqueta->text();
            return caption.endsWith(QLatin1Char(':')) ? caption.chopped(1) : caption;
        }
    }
    return QString();
}

QWidget* windowOf(QWidget* control)
{
    QWidget* w = control;
    while (w && !w->isWindow()) {
        if (qobject_cast<QMdiSubWindow*>(w->parentWidget()))
            return w;
        w = w->parentWidget();
    }
    return w;
}

} // namespace forms
