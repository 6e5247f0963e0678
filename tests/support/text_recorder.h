#pragma once

#include <QFont>
#include <QList>
#include <QPaintDevice>
#include <QRectF>
#include <QString>

#include <memory>

class QPaintEngine;

// A paint device that keeps every text painted on it, whole, with where it lands and what would
// show of it: what a printed or shown page says, beyond what text extraction reads (a PDF keeps
// the whole string of a text cut by its clip).
class TextRecorder : public QPaintDevice {
public:
    struct Text {
        QString text;
        QRectF bounds;       // the text's box, device pixels
        QRectF shown;        // the part of it inside the clip, device pixels
        double pointSize;    // the size it reaches the device at
    };

    TextRecorder(const QSize& size, int dpi);
    ~TextRecorder() override;

    QPaintEngine* paintEngine() const override;
    const QList<Text>& texts() const { return m_texts; }
    void clear() { m_texts.clear(); }

    // The texts that are cut (by the clip, or by the edge of the device) or that overlap another
    // text, one line each for a failure message; empty when every text shows whole on its own.
    QStringList faults() const;
    // The recorded texts that read `text`.
    QList<Text> find(const QString& text) const;

protected:
    int metric(PaintDeviceMetric metric) const override;

private:
    friend class TextRecordingEngine;
    QSize m_size;
    int m_dpi;
    QList<Text> m_texts;
    std::unique_ptr<QPaintEngine> m_engine;
};
