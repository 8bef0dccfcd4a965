#include "canvas/PrintOutput.h"

#include "canvas/QtCanvas.h"
#include "canvas/QtText.h"
#include "model/OutOfMemory.h"
#include "model/SafeSave.h"
#include "print/PrintJob.h"

#include <QBuffer>
#include <QDir>
#include <QLocale>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QPen>

#include <algorithm>
#include <optional>

// The built-in pictures of the printed pages live in the canvas library.
static void InitPrintResources()
{
    Q_INIT_RESOURCE(print);
}

namespace planova {

namespace {

constexpr Rgb Paper{255, 255, 255};
constexpr double MmPerInch = 25.4;

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

PrintEnvironment PrintEnvironmentAt(const DateTime& now, const QString& programFolder)
{
    // Japanese whatever the environment's locale: "2026/12/11" and "9:05", never "11 Dec 2026".
    const QLocale japanese(QLocale::Japanese, QLocale::Japan);
    const QDate date(now.Year(), now.Month(), now.Day());
    const QTime time(now.Hour(), now.Minute());
    PrintEnvironment environment;
    environment.FooterDate = LocaleText(japanese.toString(date, QLocale::ShortFormat),
                                        date.toString(QStringLiteral("yyyy/MM/dd")));
    environment.FooterTime =
        LocaleText(japanese.toString(time, QLocale::ShortFormat), time.toString(QStringLiteral("H:mm")));
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

QPageLayout ImposedSheetLayout()
{
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0));
}

void PaintImposedJob(QPainter& painter, QPagedPaintDevice& device, const CPlanovaDoc& document,
                     const ViewPrintState& print, const PrintEnvironment& environment,
                     const ImpositionPlan& plan)
{
    InitPrintResources();
    const int pages = PrintPageCount(print);
    const double dotsPerMmX = device.logicalDpiX() / MmPerInch;
    const double dotsPerMmY = device.logicalDpiY() / MmPerInch;
    const auto onSheet = [&](const MmPoint& p) { return QPointF(p.X * dotsPerMmX, p.Y * dotsPerMmY); };
    // Where the refill lies on a page drawn for its own paper (lengths only: no body font needed).
    const PrintDevice paperDevice{device.logicalDpiX(), device.logicalDpiY(), 1};
    const Rect refill = RefillRect(ComputePageGeometry(print, paperDevice), print.PPageType, print.PKatagawa);
    const QRectF refillRect(refill.Left, refill.Top, refill.Width(), refill.Height());

    const int sheets = plan.SheetCount(pages);
    for (int sheet = 0; sheet < sheets; ++sheet) {
        for (const SheetFace face : {SheetFace::Front, SheetFace::Back}) {
            if (sheet > 0 || face == SheetFace::Back)
                device.newPage();
            for (int slot = 0; slot < plan.SlotCount(); ++slot) {
                const int page = plan.PageAt(sheet, face, slot, pages);
                if (page == 0)
                    continue;
                const ImposedSlot& place = plan.Slots(face)[static_cast<std::size_t>(slot)];
                painter.save();
                painter.translate(onSheet(place.Anchor()));
                painter.rotate(place.Rotation);
                painter.translate(-refillRect.topLeft());
                painter.setClipRect(refillRect);
                QtCanvas canvas(painter, Paper); // a canvas of its own: it keeps no state across the restore
                DrawPrintPage(document, print, page, canvas, environment);
                painter.restore();
            }
            if (face == SheetFace::Front) {
                painter.save();
                painter.setPen(QPen(Qt::black, CutMarkWidthMm * dotsPerMmX, Qt::SolidLine, Qt::FlatCap));
                for (const MmSegment& mark : plan.CutMarks)
                    painter.drawLine(onSheet(mark.From), onSheet(mark.To));
                painter.restore();
            }
        }
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
                    const PrintEnvironment& environment, const QString& title, PdfSheets sheets)
{
    if (PrintPageCount(print) == 0)
        return {};
    std::optional<ImpositionPlan> plan;
    if (sheets == PdfSheets::ImposedA4) {
        plan = PlanImposition(print);
        if (!plan)
            return {};
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        const std::unique_ptr<QPdfWriter> writer = MakePdfWriter(buffer, print, title);
        if (plan)
            writer->setPageLayout(ImposedSheetLayout());
        QPainter painter(writer.get());
        if (!painter.isActive())
            return {};
        if (plan)
            PaintImposedJob(painter, *writer, document, print, environment, *plan);
        else
            PaintPrintJob(painter, *writer, document, print, environment);
    }
    return bytes;
}

Outcome ExportPdf(const std::string& path, const CPlanovaDoc& document, const ViewPrintState& print,
                  const PrintEnvironment& environment, const QString& title, PdfSheets sheets)
{
    if (!CanPrint(print))
        return Outcome::Refused("この印刷タイプは書き出せません。");
    if (PrintPageCount(print) == 0)
        return Outcome::Refused("印刷の終了日が開始日より前です。");
    if (std::string refusal = PageLimitRefusal(print); !refusal.empty())
        return Outcome::Refused(std::move(refusal));
    if (sheets == PdfSheets::ImposedA4 && !PlanImposition(print))
        return Outcome::Refused(CannotImposeMessage);
    return GuardMemory("PDFを作成", [&] {
        const QByteArray pdf = PrintPdf(document, print, environment, title, sheets);
        if (pdf.isEmpty())
            return Outcome::Refused("PDFを作れませんでした。");
        return SafeSave(path, std::string_view(pdf.constData(), static_cast<std::size_t>(pdf.size())));
    });
}

} // namespace planova
