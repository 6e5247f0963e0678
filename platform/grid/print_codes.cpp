#include "platform/grid/print_codes.h"

namespace grid {

namespace {

enum class Part { Left, Centre, Right };

class CodeReader {
public:
    CodeReader(int page, int pageCount) : m_page(page), m_pageCount(pageCount) { m_lines.append(PrintLine()); }

    QList<PrintLine> read(const QString& codes)
    {
        int i = 0;
        while (i < codes.size()) {
            if (codes.at(i) == QLatin1Char('/')) {
                const int used = code(codes, i);
                if (used > 0) {
                    i += used;
                    continue;
                }
            }
            write(QString(codes.at(i)));
            ++i;
        }
        if (m_lines.size() == 1 && m_lines.first().isEmpty())
            return {};
        return m_lines;
    }

private:
    // Applies the code at position i; returns its length, or 0 when it is no code.
    int code(const QString& codes, int i)
    {
        const QStringView rest = QStringView(codes).mid(i + 1);
        if (rest.startsWith(u"/")) {
            write(QStringLiteral("/"));
            return 2;
        }
        if (rest.startsWith(u"pc")) {
            write(QString::number(m_pageCount));
            return 3;
        }
        if (rest.startsWith(u"p")) {
            write(QString::number(m_page));
            return 2;
        }
        if (rest.startsWith(u"c") || rest.startsWith(u"r")) {
            m_part = rest.startsWith(u"c") ? Part::Centre : Part::Right;
            return 2;
        }
        if (rest.startsWith(u"n")) {
            m_lines.append(PrintLine());
            m_part = Part::Left;
            return 2;
        }
        if (rest.startsWith(u"fb1") || rest.startsWith(u"fb0")) {
            m_bold = rest.startsWith(u"fb1");
            return 4;
        }
        if (rest.startsWith(u"fz\""))
            return fontSize(rest);
        return 0;
    }

    int fontSize(QStringView rest)
    {
        const int close = rest.indexOf(u'"', 3);
        if (close < 0)
            return 0;
        bool ok = false;
        const double size = rest.mid(3, close - 3).toString().trimmed().toDouble(&ok);
        if (!ok || size <= 0)
            return 0;
        m_size = size;
        return close + 2;
    }

    void write(const QString& text)
    {
        PrintLine& line = m_lines.last();
        QList<PrintRun>& runs = m_part == Part::Left ? line.left : m_part == Part::Centre ? line.centre : line.right;
        if (!runs.isEmpty() && runs.last().bold == m_bold && runs.last().pointSize == m_size)
            runs.last().text += text;
        else
            runs.append(PrintRun{text, m_bold, m_size});
    }

    int m_page;
    int m_pageCount;
    QList<PrintLine> m_lines;
    Part m_part = Part::Left;
    bool m_bold = false;
    double m_size = 0;
};

} // namespace

QList<PrintLine> parsePrintCodes(const QString& codes, int page, int pageCount)
{
    return CodeReader(page, pageCount).read(codes);
}

} // namespace grid
