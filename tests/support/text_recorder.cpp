#include "tests/support/text_recorder.h"

#include <QFontMetricsF>
#include <QPaintEngine>
#include <QPainter>
#include <QTextItem>

#include <cmath>

class TextRecordingEngine : public QPaintEngine {
public:
    explicit TextRecordingEngine(TextRecorder* device) : QPaintEngine(AllFeatures), m_device(device) {}

    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState&) override {}
    Type type() const override { return User; }
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    void drawImage(const QRectF&, const QImage&, const QRectF&, Qt::ImageConversionFlags) override {}
    void drawTiledPixmap(const QRectF&, const QPixmap&, const QPointF&) override {}
    void drawPath(const QPainterPath&) override {}
    void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
    void drawPolygon(const QPoint*, int, PolygonDrawMode) override {}
    void drawRects(const QRectF*, int) override {}
    void drawRects(const QRect*, int) override {}
    void drawLines(const QLineF*, int) override {}
    void drawLines(const QLine*, int) override {}
    void drawEllipse(const QRectF&) override {}
    void drawPoints(const QPointF*, int) override {}

    void drawTextItem(const QPointF& at, const QTextItem& item) override
    {
        const QPainter* p = painter();
        const QTransform transform = p->combinedTransform();
        const QFontMetricsF metrics(item.font(), m_device);
        // The box of what prints: blanks around the text are no part of it.
        const QString text = item.text();
        qsizetype lead = 0;
        while (lead < text.size() && text.at(lead).isSpace())
            ++lead;
        const QRectF box(at.x() + metrics.horizontalAdvance(text.left(lead)), at.y() - metrics.ascent(),
                         metrics.horizontalAdvance(text.trimmed()), metrics.ascent() + metrics.descent());
        const QRectF bounds = transform.mapRect(box);
        QRectF shown = bounds.intersected(QRectF(QPointF(0, 0), QSizeF(m_device->m_size)));
        if (p->hasClipping())
            shown = shown.intersected(transform.mapRect(p->clipBoundingRect()));
        const QFont& font = item.font();
        const double size = font.pointSizeF() > 0 ? font.pointSizeF() : font.pixelSize() * 72.0 / m_device->m_dpi;
        m_device->m_texts.append({item.text(), bounds, shown, size * std::abs(transform.m22())});
    }

private:
    TextRecorder* m_device;
};

TextRecorder::TextRecorder(const QSize& size, int dpi)
    : m_size(size), m_dpi(dpi), m_engine(std::make_unique<TextRecordingEngine>(this))
{
}

TextRecorder::~TextRecorder() = default;

QPaintEngine* TextRecorder::paintEngine() const
{
    return m_engine.get();
}

int TextRecorder::metric(PaintDeviceMetric metric) const
{
    switch (metric) {
    case PdmWidth:
        return m_size.width();
    case PdmHeight:
        return m_size.height();
    case PdmWidthMM:
        return int(m_size.width() * 25.4 / m_dpi);
    case PdmHeightMM:
        return int(m_size.height() * 25.4 / m_dpi);
    case PdmNumColors:
        return 0xffffff;
    case PdmDepth:
        return 32;
    case PdmDpiX: case PdmDpiY: case PdmPhysicalDpiX: case PdmPhysicalDpiY:
        return m_dpi;
    case PdmDevicePixelRatio:
        return 1;
    case PdmDevicePixelRatioScaled:
        return int(devicePixelRatioFScale());
    }
    return 0;
}

QList<TextRecorder::Text> TextRecorder::find(const QString& text) const
{
    QList<Text> found;
    for (const Text& t : m_texts)
        if (t.text == text)
            found.append(t);
    return found;
}

QStringList TextRecorder::faults() const
{
    QStringList out;
    for (int i = 0; i < m_texts.size(); ++i) {
        const Text& t = m_texts.at(i);
        if (t.text.trimmed().isEmpty())
            continue;
        if (t.shown.width() < t.bounds.width() - 0.5 || t.shown.height() < t.bounds.height() - 0.5)
            out << QStringLiteral("cut: \"%1\" shows %2 of %3 px").arg(t.text).arg(t.shown.width()).arg(t.bounds.width());
        for (int j = i + 1; j < m_texts.size(); ++j) {
            const Text& u = m_texts.at(j);
            if (u.text.trimmed().isEmpty())
                continue;
            const QRectF both = t.bounds.intersected(u.bounds);
            if (both.width() > 0.5 && both.height() > 0.5)
                out << QStringLiteral("overlap: \"%1\" and \"%2\"").arg(t.text, u.text);
        }
    }
    return out;
}
