#pragma once

#include "gui/Interchange.h"

#ifndef Q_MOC_RUN
#include "caldav/CalDavClient.h"
#include "export/ICalendarExport.h"
#endif

#include <QObject>
#include <QString>

#include <atomic>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QThread;
class QWidget;

namespace planova {

class AppSettings;
class CPlanovaDoc;

/**
 * The publish after each save that "上書き保存のたびに自動で公開する" asks for: the whole document
 * (every stored day and the ToDo list) goes to the calendar server of the settings with the
 * password the keyring (or this session) keeps, in a thread of its own. The save has finished
 * before; whatever the server answers, the file stays saved. The outcome goes to the status bar.
 * One publish runs at a time: a save meanwhile publishes again once it ends, with what was saved
 * last.
 */
class CalendarAutoPublish : public QObject, public SavePublisher
{
    Q_OBJECT
public:
    /// The outcome is shown in the status bar of the main window `window`.
    CalendarAutoPublish(AppSettings& settings, QWidget* window);
    /// Stops a publish under way and waits for its thread.
    ~CalendarAutoPublish() override;

    /// Told after the document was saved: publishes it when the settings ask for it.
    void Saved(const CPlanovaDoc& document) override;

signals:
    /// A publish ended (the text the status bar shows).
    void Finished(const QString& outcome);

private:
    /// What one publish sends where.
    struct Job
    {
        CalDavAccount Account;
        std::vector<CalendarEntry> Entries;
    };

    void Start(Job job);
    void Ended();
    void Report(const QString& outcome);

    AppSettings& Settings;
    QWidget* Window;
    std::unique_ptr<QThread> Worker;
    std::optional<Job> Waiting;
    std::string Outcome;
    std::atomic<bool> Stop = false;
};

} // namespace planova
