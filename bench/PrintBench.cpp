// A school year (1 April 2024 to 31 March 2025, every period row of every day filled) printed into one
// PDF as each planner: 365 day-planner pages with the record sheet, 53 week-planner pages and 12
// month-planner pages; each against drawing the same strings into the same rectangles with bare
// QPainter::drawText calls onto the same kind of QPdfWriter (the cost of the glyphs alone). Budget: a
// printed job ≤ 1.5 × its bare text. The PDF's size per page is reported as the counter
// "bytes_per_page".

#include "TextCapture.h"
#include "canvas/PrintOutput.h"
#include "model/CPlanovaDoc.h"
#include "model/Cp932Codec.h"
#include "print/PrintJob.h"
#include "print/PrintTypes.h"
#include "support/ViewSchoolYear.h"

#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace {

using namespace planova;
using bench::DrawBareTexts;
using bench::DrawnText;
using bench::TextCapture;

const DateTime First = DateTime::FromDate(2024, 4, 1);
const DateTime Last = DateTime::FromDate(2025, 3, 31);
const QString Title = QStringLiteral("2024年度.dat");

/// A school year in which every day has an event, a memo and all ten period rows filled.
CPlanovaDoc& FullYear()
{
    static CPlanovaDoc document = [] {
        CPlanovaDoc year = test::SchoolYearDocument(2024);
        const std::string label = Utf8ToCp932("限");
        const std::string plan = Utf8ToCp932("2-3 国語");
        const std::string content = Utf8ToCp932("走れメロス (3) 人物の心情を読み取る");
        for (DateTime date = First; !date.IsLaterThan(Last); date = date.AddDays(1)) {
            year.UpdateDay(date, [&](CDayData& day) {
                if (day.GetGyouji().empty())
                    day.SetGyouji(Utf8ToCp932("学年集会"));
                if (day.GetMemo().empty())
                    day.SetMemo(Utf8ToCp932("提出物の確認\r\n保護者への連絡"));
                for (int row = 0; row < CDayData::RowCount; ++row) {
                    if (day.GetJigenn(row).empty())
                        day.SetJigenn(row, label);
                    if (day.GetYotei(row).empty())
                        day.SetYotei(row, plan);
                    if (day.GetNaiyou(row).empty())
                        day.SetNaiyou(row, content);
                }
            });
        }
        return year;
    }();
    return document;
}

/// The school year printed as a planner of the type, at the font table's size for A4.
ViewPrintState YearJob(int printType)
{
    ViewPrintState job = CopyPrintSettings(FullYear());
    job.PrintType = printType;
    job.PFontSize = TableFontSize(job, printType);
    job.WakunaiNuritubushi = true;
    job.PrintStartDate = First;
    job.PrintEndDate = Last;
    return job;
}

PrintEnvironment Environment()
{
    PrintEnvironment environment;
    environment.FooterDate = "2024/03/25";
    environment.FooterTime = "8:15";
    return environment;
}

void Printed(benchmark::State& state, int printType)
{
    const ViewPrintState job = YearJob(printType);
    const PrintEnvironment environment = Environment();
    qsizetype bytes = 0;
    for (auto _ : state) {
        const QByteArray pdf = PrintPdf(FullYear(), job, environment, Title);
        bytes = pdf.size();
        benchmark::DoNotOptimize(pdf.constData());
    }
    const int pages = PrintPageCount(job);
    state.counters["pages"] = pages;
    state.counters["bytes_per_page"] = static_cast<double>(bytes) / std::max(1, pages);
}

/// The texts and fonts of each printed page, as the printed job draws them.
struct CapturedPage
{
    std::vector<DrawnText> Texts;
    std::vector<QFont> Fonts;
};

std::vector<CapturedPage> CaptureYear(const ViewPrintState& job)
{
    const PrintEnvironment environment = Environment();
    std::vector<CapturedPage> pages;
    QByteArray discarded;
    QBuffer buffer(&discarded);
    buffer.open(QIODevice::WriteOnly);
    const std::unique_ptr<QPdfWriter> writer = MakePdfWriter(buffer, job, Title);
    QPainter painter(writer.get());
    for (int page = 1; page <= PrintPageCount(job); ++page) {
        TextCapture capture(painter, Rgb{255, 255, 255});
        DrawPrintPage(FullYear(), job, page, capture, environment);
        pages.push_back({capture.Texts, capture.Fonts});
    }
    return pages;
}

void BareText(benchmark::State& state, int printType)
{
    const ViewPrintState job = YearJob(printType);
    const std::vector<CapturedPage> pages = CaptureYear(job);
    std::size_t texts = 0;
    for (const CapturedPage& page : pages)
        texts += page.Texts.size();
    for (auto _ : state) {
        QByteArray pdf;
        QBuffer buffer(&pdf);
        buffer.open(QIODevice::WriteOnly);
        {
            const std::unique_ptr<QPdfWriter> writer = MakePdfWriter(buffer, job, Title);
            QPainter painter(writer.get());
            for (std::size_t page = 0; page < pages.size(); ++page) {
                if (page > 0)
                    writer->newPage();
                DrawBareTexts(painter, pages[page].Texts, pages[page].Fonts);
            }
        }
        benchmark::DoNotOptimize(pdf.constData());
    }
    state.counters["texts"] = static_cast<double>(texts);
}

BENCHMARK_CAPTURE(Printed, DayYear, PrintType::Day)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BareText, DayYear, PrintType::Day)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Printed, WeekYear, PrintType::Week)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BareText, WeekYear, PrintType::Week)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Printed, MonthYear, PrintType::Month)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BareText, MonthYear, PrintType::Month)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return planova::bench::RunQtBenchmarks(argc, argv);
}
