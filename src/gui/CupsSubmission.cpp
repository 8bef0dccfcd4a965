#include "gui/CupsSubmission.h"

#include <QPageSize>
#include <QPrintEngine>
#include <QPrinter>
#include <QProcess>

#include <algorithm>

namespace planova {

namespace {

/// The engine property under which Qt's CUPS output keeps the options its print dialog chose, as
/// a list of names and values.
constexpr auto CupsOptionsProperty = static_cast<QPrintEngine::PrintEnginePropertyKey>(0xfe00);

/// How long `lp` may take to spool the file.
constexpr int LpMilliseconds = 60000;

QString MediaOf(const QPageSize& size)
{
    if (size.id() != QPageSize::Custom)
        return size.key();
    const QSizeF mm = size.size(QPageSize::Millimeter);
    return QStringLiteral("Custom.%1x%2mm").arg(mm.width()).arg(mm.height());
}

} // namespace

CupsJob CupsJobOf(QPrinter& printer)
{
    CupsJob job;
    job.Printer = printer.printerName();
    job.Title = printer.docName();
    job.Media = MediaOf(printer.pageLayout().pageSize());
    job.Copies = std::max(1, printer.copyCount());
    const QStringList chosen = printer.printEngine()->property(CupsOptionsProperty).toStringList();
    for (qsizetype n = 0; n + 1 < chosen.size(); n += 2) {
        // The paper is the job's own (the dialog's copy of it may be the printer's default), and only
        // the pages of the range are made.
        static const QStringList made{QStringLiteral("media"), QStringLiteral("PageSize"),
                                      QStringLiteral("page-ranges")};
        if (!made.contains(chosen[n]))
            job.Options.push_back(chosen[n] + QLatin1Char('=') + chosen[n + 1]);
    }
    if (job.Copies > 1)
        job.Options.push_back(printer.collateCopies() ? QStringLiteral("collate=true")
                                                      : QStringLiteral("collate=false"));
    switch (printer.duplex()) {
    case QPrinter::DuplexLongSide:
        job.Options.push_back(QStringLiteral("sides=two-sided-long-edge"));
        break;
    case QPrinter::DuplexShortSide:
        job.Options.push_back(QStringLiteral("sides=two-sided-short-edge"));
        break;
    case QPrinter::DuplexNone:
        job.Options.push_back(QStringLiteral("sides=one-sided"));
        break;
    case QPrinter::DuplexAuto:
        break;
    }
    return job;
}

QStringList LpArguments(const CupsJob& job, const QString& pdfPath)
{
    QStringList arguments{QStringLiteral("-d"), job.Printer,
                          QStringLiteral("-t"), job.Title,
                          QStringLiteral("-n"), QString::number(job.Copies),
                          QStringLiteral("-o"), QStringLiteral("media=") + job.Media};
    for (const QString& option : job.Options)
        arguments << QStringLiteral("-o") << option;
    arguments << QStringLiteral("--") << pdfPath;
    return arguments;
}

QString SubmitToCups(const CupsJob& job, const QString& pdfPath)
{
    QProcess lp;
    lp.setProcessChannelMode(QProcess::MergedChannels);
    lp.start(QStringLiteral("lp"), LpArguments(job, pdfPath));
    if (!lp.waitForStarted())
        return QStringLiteral(
            "印刷コマンド lp を起動できませんでした。CUPS のクライアントをインストールしてください。");
    if (!lp.waitForFinished(LpMilliseconds)) {
        lp.kill();
        lp.waitForFinished();
        return QStringLiteral("CUPS が応答しません。");
    }
    if (lp.exitStatus() != QProcess::NormalExit || lp.exitCode() != 0)
        return QString::fromLocal8Bit(lp.readAll()).trimmed();
    return {};
}

} // namespace planova
