#pragma once

#include <QWidget>

#include <map>
#include <vector>

class QCalendarWidget;
class QDate;
class QLineEdit;

namespace planova {

class DateTime;
struct IconPlacement;
namespace sky {
struct SkyReadout;
}

/// Control identifiers of the information pane's fields.
namespace InfoField {
constexpr int JulianDay = 1116;
constexpr int SiderealTime = 1117;
constexpr int SolarTime = 1118;
constexpr int SunLongitude = 1119;
constexpr int MoonAge = 1122;
constexpr int MoonAgeAt21 = 1124;
constexpr int SunAzimuth = 1129;
constexpr int SunAltitude = 1130;
constexpr int MoonAzimuth = 1131;
constexpr int MoonAltitude = 1132;
constexpr int FirstPlanet = 1133; ///< 1133 … 1142: azimuth, altitude of 水星, 金星, 火星, 木星, 土星
} // namespace InfoField

/**
 * The information pane on the left of a planner view: the month calendar, the moon age at 21:00
 * of the shown day, the group "現在の状況" of read-only sky read-outs and the rhythm and moon-phase
 * icons. The pane is opaque, so writing a read-out never repaints the planner beside it.
 */
class InfoPane : public QWidget
{
    Q_OBJECT
public:
    explicit InfoPane(QWidget* parent);
    ~InfoPane() override;

    QCalendarWidget* Calendar() const { return MonthCalendar; }
    /// Shows a date in the calendar without reporting it as the user's choice; the calendar keeps
    /// the month it shows when the date is the one it already holds.
    void SetCalendarDate(const DateTime& date);
    /// The calendar's chosen date.
    DateTime CalendarDate() const;

    /// Writes every "now" read-out into its field.
    void ShowReadout(const sky::SkyReadout& readout);
    void ShowMoonAgeAt21(double moonAge);

    /// The rhythm and moon-phase icons to show below the calendar (repaints the pane only).
    void SetIcons(std::vector<IconPlacement> icons);

    /// The text of a field by its control identifier (empty for an unknown one).
    QString FieldText(int controlId) const;
    /// The field of a control identifier, or nullptr.
    QLineEdit* Field(int controlId) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    /// A new look recolours the calendar's weekend and gives the calendar the room its style needs.
    void changeEvent(QEvent* event) override;

private:
    void FollowLook();
    void AddReadoutFields();
    QLineEdit* AddField(int controlId, int x, int y, int width);
    void SetNumber(int controlId, double value);
    void SetText(int controlId, const std::string& text);

    QCalendarWidget* MonthCalendar = nullptr;
    std::map<int, QLineEdit*> Fields;
    std::vector<IconPlacement> Icons;
};

/// A model date of a calendar date (00:00), and back.
DateTime FromQDate(const QDate& date);
QDate ToQDate(const DateTime& date);

/// Colours Saturdays blue and Sundays red in a month calendar (the pane's, or a date field's drop-down),
/// as readable as the calendar's look allows.
void ColourWeekend(QCalendarWidget& calendar);

} // namespace planova
