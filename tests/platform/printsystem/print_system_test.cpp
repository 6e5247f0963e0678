#include "platform/printsystem/cups_print_system.h"
#include "platform/printsystem/printer_options.h"

#include <QFile>
#include <QPrinter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

using namespace printsystem;

namespace {

// A print server that takes connections and never answers them.
class SilentServer {
public:
    explicit SilentServer(const QString& path)
    {
        m_fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        const QByteArray name = QFile::encodeName(path);
        std::memcpy(address.sun_path, name.constData(), size_t(qMin<qsizetype>(name.size(), sizeof address.sun_path - 1)));
        m_listening = m_fd >= 0 && ::bind(m_fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0
            && ::listen(m_fd, 4) == 0;
    }
    ~SilentServer()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    bool listening() const { return m_listening; }

private:
    int m_fd = -1;
    bool m_listening = false;
};

class CupsPrint : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        QFile pdf(dir.filePath(QStringLiteral("t.pdf")));
        ASSERT_TRUE(pdf.open(QIODevice::WriteOnly));
        pdf.write("%PDF-1.4\n%%EOF\n");
    }
    QTemporaryDir dir;
};

TEST_F(CupsPrint, AServerThatNeverAnswersIsGivenUpOnAndSaidSo)
{
    const QString socket = dir.filePath(QStringLiteral("cups.sock"));
    SilentServer server(socket);
    ASSERT_TRUE(server.listening());
    CupsPrintSystem cups(socket, 300);
    EXPECT_EQ(cups.queue(QStringLiteral("TICKETS")).answer, QueueState::Answer::NoAnswer);
    const JobFate fate = cups.submit(QStringLiteral("TICKETS"), QStringLiteral("Ticket 1"), dir.filePath(QStringLiteral("t.pdf")), {});
    EXPECT_EQ(fate.fate, Fate::NoAnswer);
    EXPECT_EQ(fate.job, 0);
}

TEST_F(CupsPrint, NoServerMeansNoPrintSystemAndNoJob)
{
    CupsPrintSystem cups(dir.filePath(QStringLiteral("nadie.sock")), 300);
    EXPECT_EQ(cups.queue(QStringLiteral("TICKETS")).answer, QueueState::Answer::NoPrintSystem);
    const JobFate fate = cups.submit(QStringLiteral("TICKETS"), QStringLiteral("Ticket 1"), dir.filePath(QStringLiteral("t.pdf")), {});
    EXPECT_EQ(fate.fate, Fate::Refused);
    EXPECT_FALSE(fate.reason.isEmpty());
}

TEST(PrintSystemTexts, EachFateThatDidNotSimplyPrintIsSaid)
{
    struct Case {
        Fate fate;
        QString reason;
        QString text;
    };
    const QList<Case> cases{
        {Fate::Printed, QString(), QString()},
        {Fate::Queued, QStringLiteral("procesando"), QString()},
        {Fate::Held, QStringLiteral("sin papel"),
         QStringLiteral("La impresora CAJA está detenida: sin papel. El trabajo espera en su cola y se imprimirá cuando la impresora se reanude.")},
        {Fate::Held, QString(),
         QStringLiteral("La impresora CAJA está detenida. El trabajo espera en su cola y se imprimirá cuando la impresora se reanude.")},
        {Fate::Refused, QStringLiteral("sin papel"), QStringLiteral("La impresora CAJA no aceptó el trabajo: sin papel")},
        {Fate::NoAnswer, QString(),
         QStringLiteral("El sistema de impresión no respondió en 5 segundos: no se pudo imprimir en la impresora CAJA")},
    };
    for (const Case& c : cases)
        EXPECT_EQ(fateText(QStringLiteral("CAJA"), JobFate{c.fate, 1, c.reason}), c.text) << int(c.fate);

    QueueState rejecting{QueueState::Answer::Ready, false, false, QStringLiteral("sin papel")};
    EXPECT_EQ(queueText(QStringLiteral("CAJA"), rejecting), QStringLiteral("La impresora CAJA no acepta trabajos: sin papel"));
    QueueState stopped{QueueState::Answer::Ready, true, true, QStringLiteral("sin papel")};
    EXPECT_EQ(queueText(QStringLiteral("CAJA"), stopped), QString());
    EXPECT_TRUE(queueText(QStringLiteral("CAJA"), QueueState{QueueState::Answer::NoAnswer, true, false, QString()}).startsWith(QStringLiteral("El sistema de impresión no respondió")));
    EXPECT_EQ(queueText(QStringLiteral("CAJA"), QueueState{QueueState::Answer::Missing, true, false, QString()}), QString());
}

TEST(PrinterOptions, ThePageSetUpChosenGoesWithTheJob)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setPageSize(QPageSize(QPageSize::Letter));
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setCopyCount(2);
    printer.setCollateCopies(true);
    const Options options = optionsOf(printer);
    const auto has = [&](const char* name, const QByteArray& value) {
        return options.contains(qMakePair(QByteArray(name), value));
    };
    EXPECT_TRUE(has("media", "Letter"));
    EXPECT_TRUE(has("copies", "2"));
    EXPECT_TRUE(has("Collate", "True"));
    EXPECT_TRUE(has("sides", "one-sided"));
    EXPECT_TRUE(has("landscape", QByteArray()));
    EXPECT_FALSE(isSystemQueue(printer));
}

} // namespace
