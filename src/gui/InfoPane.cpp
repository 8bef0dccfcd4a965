#include "gui/InfoPane.h"

#include "canvas/QtCanvas.h"
#include "model/Clock.h"
#include "model/DateTime.h"
#include "sky/SkyReadout.h"
#include "view/InfoPaneIcons.h"
#include "view/ReadableColour.h"

#include <QCalendarWidget>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPainter>
#include <QTextCharFormat>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyleOptionFrame>

#include <algorithm>
#include <array>
#include <utility>

namespace planova {

namespace {

// The pane is laid out in dialog units: 7/4 pixel across and 3/2 pixel down each, which fits the pane
// into the 160 pixels left of the planner and leaves the icon row at y = 170 free below the calendar.
int X(int units)
{
    return units * 7 / 4;
}

int Y(int units)
{
    return units * 3 / 2;
}

constexpr int PaneFontPixels = 10;
constexpr int FieldHeight = 12;
constexpr int NameColumn = 13;     // body names and time labels
constexpr int QuantityColumn = 31; // quantity labels
// The clock times and the Julian day start right after their labels, so that a Julian day with four
// decimals fits.
constexpr int TimeFieldLeft = 36;
constexpr int TimeFieldWidth = 48;
constexpr int ValueFieldLeft = 56;
constexpr int ValueFieldWidth = 28;

struct ReadoutRow
{
    int ControlId;
    int Top;
    const char* Name;     ///< at the name column, or nullptr
    const char* Quantity; ///< at the quantity column, or nullptr
};

constexpr const char* Azimuth = "方位角：";
constexpr const char* Altitude = "高　 度：";

/// The rows of the group "現在の状況" above the planets.
constexpr std::array<ReadoutRow, 9> FixedRows{{
    {InfoField::SolarTime, 171, "太陽時：", nullptr},
    {InfoField::SiderealTime, 183, "恒星時：", nullptr},
    {InfoField::JulianDay, 195, "ﾕﾘｳｽ日：", nullptr},
    {InfoField::SunLongitude, 212, "太陽", "黄　 経："},
    {InfoField::SunAzimuth, 225, nullptr, Azimuth},
    {InfoField::SunAltitude, 238, nullptr, Altitude},
    {InfoField::MoonAzimuth, 251, "月", Azimuth},
    {InfoField::MoonAltitude, 264, nullptr, Altitude},
    {InfoField::MoonAge, 277, nullptr, "月 　齢："},
}};

constexpr std::array<const char*, 5> PlanetNames{"水星", "金星", "火星", "木星", "土星"};
constexpr int FirstPlanetTop = 290;
constexpr int PlanetRowStep = 13;

/// The width a read-only line edit shows its text in without scrolling: the frame's contents less the
/// edit's own margin of 2 pixels on each side and the text cursor's width.
int TextRoom(const QLineEdit& field)
{
    constexpr int EditMargin = 2;
    QStyleOptionFrame option;
    option.initFrom(&field);
    option.rect = field.rect();
    option.lineWidth =
        field.hasFrame() ? field.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &field) : 0;
    option.midLineWidth = 0;
    option.state |= QStyle::State_Sunken;
    const QRect contents = field.style()->subElementRect(QStyle::SE_LineEditContents, &option, &field);
    const QMargins margins = field.textMargins();
    const int cursor = field.style()->pixelMetric(QStyle::PM_TextCursorWidth, &option, &field);
    return contents.width() - margins.left() - margins.right() - 2 * EditMargin - 1 - cursor;
}

QLabel* AddLabel(QWidget* parent, const char* text, int x, int y, int height)
{
    auto* label = new QLabel(QString::fromUtf8(text), parent);
    label->move(X(x), Y(y));
    label->resize(label->sizeHint().width(), Y(height));
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return label;
}

} // namespace

DateTime FromQDate(const QDate& date)
{
    return date.isValid() ? DateTime::FromDate(date.year(), date.month(), date.day()) : DateTime::Invalid();
}

QDate ToQDate(const DateTime& date)
{
    return date.IsValid() ? QDate(date.Year(), date.Month(), date.Day()) : QDate();
}

void ColourWeekend(QCalendarWidget& calendar)
{
    // Saturdays blue and Sundays red as the planner writes them, made darker or lighter as far as
    // the look's calendar background needs for them to stay readable.
    const QPalette colours = calendar.palette();
    const Rgb days = ToRgb(colours.color(QPalette::Base));
    const Rgb header = ToRgb(colours.color(QPalette::AlternateBase));
    const std::array<std::pair<Qt::DayOfWeek, Rgb>, 2> weekend{{
        {Qt::Saturday, ReadableOn({0, 0, 255}, {days, header})},
        {Qt::Sunday, ReadableOn({255, 0, 0}, {days, header})},
    }};
    for (const auto& [day, colour] : weekend) {
        QTextCharFormat format = calendar.weekdayTextFormat(day);
        format.setForeground(QColor(colour.Red, colour.Green, colour.Blue));
        calendar.setWeekdayTextFormat(day, format);
    }
}

InfoPane::InfoPane(QWidget* parent) : QWidget(parent)
{
    InstallFontSubstitutions();
    setAutoFillBackground(true);
    QFont paneFont(QStringLiteral("ＭＳ Ｐゴシック"));
    paneFont.setPixelSize(PaneFontPixels);
    setFont(paneFont);

    MonthCalendar = new QCalendarWidget(this);
    MonthCalendar->setObjectName(QStringLiteral("MonthCalendar1000"));
    // The first day before the locale: a locale change moves the columns but not the marked cell, so
    // under a locale whose weeks start on Monday the mark would sit on the day before the selected one.
    MonthCalendar->setFirstDayOfWeek(Qt::Sunday);
    MonthCalendar->setLocale(QLocale(QLocale::Japanese, QLocale::Japan));
    MonthCalendar->setSelectedDate(ToQDate(Now()));
    MonthCalendar->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    MonthCalendar->setHorizontalHeaderFormat(QCalendarWidget::SingleLetterDayNames);
    FollowLook();

    AddLabel(this, "指定日21時の月齢", 7, 143, 8);
    AddField(InfoField::MoonAgeAt21, ValueFieldLeft, 143, ValueFieldWidth); // wide enough for three decimals

    auto* group = new QGroupBox(QStringLiteral("現在の状況"), this);
    group->setGeometry(X(9), Y(158), X(79), Y(267));
    group->lower();
    AddReadoutFields();
    // The pane ends right of the group box, so a scroll bar beside it covers as little as it can.
    resize(X(9 + 79), Y(158 + 267) + 4);

    ShowReadout(sky::SkyReadout{});
    ShowMoonAgeAt21(0.0);
}

InfoPane::~InfoPane() = default;

void InfoPane::AddReadoutFields()
{
    for (const ReadoutRow& row : FixedRows) {
        const bool timeRow = row.Quantity == nullptr;
        if (row.Name != nullptr)
            AddLabel(this, row.Name, NameColumn, row.Top, FieldHeight);
        if (row.Quantity != nullptr)
            AddLabel(this, row.Quantity, QuantityColumn, row.Top, FieldHeight);
        AddField(row.ControlId, timeRow ? TimeFieldLeft : ValueFieldLeft, row.Top,
                 timeRow ? TimeFieldWidth : ValueFieldWidth);
    }
    for (std::size_t planet = 0; planet < PlanetNames.size(); ++planet) {
        const int azimuthTop = FirstPlanetTop + static_cast<int>(planet) * 2 * PlanetRowStep;
        const int altitudeTop = azimuthTop + PlanetRowStep;
        const int azimuthId = InfoField::FirstPlanet + static_cast<int>(planet) * 2;
        AddLabel(this, PlanetNames[planet], NameColumn, azimuthTop, FieldHeight);
        AddLabel(this, Azimuth, QuantityColumn, azimuthTop, FieldHeight);
        AddField(azimuthId, ValueFieldLeft, azimuthTop, ValueFieldWidth);
        AddLabel(this, Altitude, QuantityColumn, altitudeTop, FieldHeight);
        AddField(azimuthId + 1, ValueFieldLeft, altitudeTop, ValueFieldWidth);
    }
}

QLineEdit* InfoPane::AddField(int controlId, int x, int y, int width)
{
    auto* field = new QLineEdit(this);
    field->setObjectName(QStringLiteral("Field%1").arg(controlId));
    field->setReadOnly(true);
    field->setFocusPolicy(Qt::ClickFocus);
    field->setGeometry(X(x), Y(y), X(width), Y(FieldHeight));
    field->setTextMargins(0, 0, 0, 0);
    Fields[controlId] = field;
    return field;
}

void InfoPane::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    // The calendar and its parts take the new look after the pane does, so the pane follows it once
    // every widget has.
    if (MonthCalendar && (event->type() == QEvent::PaletteChange || event->type() == QEvent::StyleChange))
        QMetaObject::invokeMethod(this, &InfoPane::FollowLook, Qt::QueuedConnection);
}

void InfoPane::FollowLook()
{
    ColourWeekend(*MonthCalendar);
    // A style whose navigation bar or rows are taller than the designed size gets the room it
    // needs, so the last week row is never cut.
    const QSize needed = MonthCalendar->minimumSizeHint();
    MonthCalendar->setGeometry(X(7), Y(7), std::max(X(80), needed.width()),
                               std::max(Y(100), needed.height()));
}

void InfoPane::SetCalendarDate(const DateTime& date)
{
    // Setting the date it already holds would turn the calendar back from a month the user is
    // browsing with its arrows.
    const QDate shown = ToQDate(date);
    if (shown == MonthCalendar->selectedDate())
        return;
    const QSignalBlocker blocker(MonthCalendar);
    MonthCalendar->setSelectedDate(shown);
}

DateTime InfoPane::CalendarDate() const
{
    return FromQDate(MonthCalendar->selectedDate());
}

void InfoPane::SetText(int controlId, const std::string& text, const std::string& whole)
{
    QLineEdit* field = Field(controlId);
    const QString shown = QString::fromStdString(text);
    if (field->text() != shown) {
        field->setText(shown);
        field->setCursorPosition(0); // a narrow field shows the leading digits
    }
    field->setToolTip(QString::fromStdString(whole)); // the whole value when the pointer rests on it
}

void InfoPane::SetNumber(int controlId, double value)
{
    // The Julian day's fraction is the time of day: four decimals are about nine seconds. Angles and
    // the moon age are read to a thousandth. A value wider than its field loses decimals until it fits,
    // so the field never shows a cut number; the tooltip keeps the whole value.
    const QLineEdit& field = *Field(controlId);
    const int room = TextRoom(field);
    std::string shown;
    for (int decimals = controlId == InfoField::JulianDay ? 4 : 3; decimals >= 0; --decimals) {
        shown = sky::FormatRoundedReadout(value, decimals);
        if (field.fontMetrics().horizontalAdvance(QString::fromStdString(shown)) <= room)
            break;
    }
    SetText(controlId, shown, sky::FormatReadoutNumber(value));
}

void InfoPane::ShowReadout(const sky::SkyReadout& readout)
{
    SetText(InfoField::SolarTime, readout.SolarTimeText, readout.SolarTimeText);
    SetText(InfoField::SiderealTime, readout.SiderealTimeText, readout.SiderealTimeText);
    SetNumber(InfoField::JulianDay, readout.JulianDayNow);
    SetNumber(InfoField::SunLongitude, readout.SunLongitudeNow);
    SetNumber(InfoField::SunAzimuth, readout.SunAzimuthNow);
    SetNumber(InfoField::SunAltitude, readout.SunAltitudeNow);
    SetNumber(InfoField::MoonAzimuth, readout.MoonAzimuthNow);
    SetNumber(InfoField::MoonAltitude, readout.MoonAltitudeNow);
    SetNumber(InfoField::MoonAge, readout.MoonAgeNow);
    const auto planets = readout.PlanetAzAlt();
    for (std::size_t k = 0; k < planets.size(); ++k)
        SetNumber(InfoField::FirstPlanet + static_cast<int>(k), planets[k]);
}

void InfoPane::ShowMoonAgeAt21(double moonAge)
{
    SetNumber(InfoField::MoonAgeAt21, moonAge);
}

void InfoPane::SetIcons(std::vector<IconPlacement> icons)
{
    const auto same = [](const IconPlacement& a, const IconPlacement& b) {
        return a.Strip == b.Strip && a.Icon == b.Icon && a.TopLeft == b.TopLeft;
    };
    if (std::equal(icons.begin(), icons.end(), Icons.begin(), Icons.end(), same))
        return;
    Icons = std::move(icons);
    update();
}

void InfoPane::paintEvent(QPaintEvent*)
{
    if (Icons.size() != 4)
        return;
    QPainter painter(this);
    QtCanvas canvas(painter, ToRgb(palette().color(QPalette::Window)));
    std::array<IconPlacement, 4> icons{};
    std::copy(Icons.begin(), Icons.end(), icons.begin());
    DrawInfoIcons(canvas, icons);
}

QLineEdit* InfoPane::Field(int controlId) const
{
    const auto found = Fields.find(controlId);
    return found == Fields.end() ? nullptr : found->second;
}

QString InfoPane::FieldText(int controlId) const
{
    const QLineEdit* field = Field(controlId);
    return field != nullptr ? field->text() : QString();
}

} // namespace planova
