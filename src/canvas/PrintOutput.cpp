#include "canvas/PrintOutput.h"

#include "canvas/QtCanvas.h"
#include "canvas/QtText.h"
#include "model/SafeSave.h"
#include "print/PrintJob.h"

#include <QBuffer>
#include <QDir>
#include <QLocale>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>

// The built-in pictures of the printed pages live in the canvas library.
static void InitPrintResources()
{
    Q_INIT_RESOURCE(print);
}

namespace planova {

namespace {

constexpr Rgb Paper{255, 255, 255};

/// Code page 932 bytes of a locale text; one the code page cannot hold is written with ASCII digits instead.
std::string LocaleText(const QString& text, const QString& fallback)
{
    const Cp932Text converted = ToCp932(text);
    return converted.Ok ? converted.Bytes : fallback.toStdString();
}

} // namespace

QPageSize PageSizeOf(PrinterPaper paper)
{
    switch (paper) {
    case PrinterPaper::A4:
        return QPageSize(QPageSize::A4);
    case PrinterPaper::A5:
        return QPageSize(QPageSize::A5);
    case PrinterPaper::JapanesePostcard:
        return QPageSize(QPageSize::Postcard); // the Japanese postcard, 100 × 148 mm
    }
    return QPageSize(QPageSize::A4);
}

QPageLayout PrintPageLayout(const PrintSettings& settings)
{
    return QPageLayout(PageSizeOf(PrinterPaperFor(settings)),
                       IsPortrait(settings) ? QPageLayout::Portrait : QPageLayout::Landscape,
                       QMarginsF(0, 0, 0, 0));
}

PrintEnvironment PrintEnvironmentAt(const QDateTime& now, const QString& programFolder)
{
    const QLocale locale = QLocale::system();
    PrintEnvironment environment;
    environment.FooterDate = LocaleText(locale.toString(now.date(), QLocale::ShortFormat),
                                        now.date().toString(QStringLiteral("yyyy/MM/dd")));
    environment.FooterTime = LocaleText(locale.toString(now.time(), QLocale::ShortFormat),
                                        now.time().toString(QStringLiteral("H:mm")));
    environment.RoutineWorkFile =
        QDir(programFolder).filePath(QStringLiteral("ルーチンワーク.bmp")).toStdString();
    return environment;
}

void PaintPrintJob(QPainter& painter, QPagedPaintDevice& device, const CPlanovaDoc& document,
                   const ViewPrintState& print, const PrintEnvironment& environment, int firstPage,
                   int lastPage)
{
    InitPrintResources();
    QtCanvas canvas(painter, Paper);
    const int pages = PrintPageCount(print);
    const int first = std::max(1, firstPage);
    const int last = lastPage > 0 ? std::min(lastPage, pages) : pages;
    for (int page = first; page <= last; ++page) {
        if (page > first)
            device.newPage();
        DrawPrintPage(document, print, page, canvas, environment);
    }
}

std::unique_ptr<QPdfWriter> MakePdfWriter(QIODevice& device, const PrintSettings& settings,
                                          const QString& title)
{
    auto writer = std::make_unique<QPdfWriter>(&device);
    writer->setResolution(PdfResolution);
    writer->setPageLayout(PrintPageLayout(settings));
    writer->setTitle(title);
    writer->setCreator(QStringLiteral("Planova"));
    return writer;
}

QByteArray PrintPdf(const CPlanovaDoc& document, const ViewPrintState& print,
                    const PrintEnvironment& environment, const QString& title)
{
    if (PrintPageCount(print) == 0)
        return {};
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        const std::unique_ptr<QPdfWriter> writer = MakePdfWriter(buffer, print, title);
        QPainter painter(writer.get());
        if (!painter.isActive())
            return {};
        PaintPrintJob(painter, *writer, document, print, environment);
    }
    return bytes;
}

Outcome ExportPdf(const std::string& path, const CPlanovaDoc& document, const ViewPrintState& print,
                  const PrintEnvironment& environment, const QString& title)
{
    if (!CanPrint(print))
        return Outcome::Refused("この印刷タイプはまだ書き出せません。");
    if (PrintPageCount(print) == 0)
        return Outcome::Refused("印刷の終了日が開始日より前です。");
    const QByteArray pdf = PrintPdf(document, print, environment, title);
    if (pdf.isEmpty())
        return Outcome::Refused("PDFを作れませんでした。");
    return SafeSave(path, std::string_view(pdf.constData(), static_cast<std::size_t>(pdf.size())));
}

} // namespace planova
