#pragma once

// Shared pieces of the application shell tests: scripted answers to the user's questions and a
// sandbox folder for settings, recovery files and data files.

#include "gui/CPlanovaApp.h"
#include "gui/UserDialogs.h"
#include "model/CPlanovaDoc.h"
#include "model/Cp932Codec.h"
#include "model/DataFile.h"

#include <QApplication>
#include <QFile>
#include <QInputMethodEvent>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <deque>
#include <memory>
#include <vector>

namespace planova::test {

/// Answers questions from a script and records every question asked.
class ScriptedDialogs : public UserDialogs
{
public:
    std::vector<MessageRequest> Asked;
    std::deque<QMessageBox::StandardButton> Answers;
    QString SaveName;
    QString OpenName;
    /// How often the save dialog asked for a name.
    int SaveAsked = 0;

    QMessageBox::StandardButton Ask(QWidget*, const MessageRequest& request) override
    {
        Asked.push_back(request);
        if (Answers.empty())
            return request.Buttons.size() == 1 ? request.Buttons.front().first : QMessageBox::Cancel;
        const auto answer = Answers.front();
        Answers.pop_front();
        return answer;
    }
    QString OpenFileName(QWidget*) override { return OpenName; }
    QString SaveFileName(QWidget*, const QString&) override
    {
        ++SaveAsked;
        return SaveName;
    }

    /// The export file dialog: what it offered, and the answer (ExportName, ExportFilter; -1 keeps the
    /// proposed one).
    struct ExportQuestion
    {
        QString Title;
        QString Suggested;
        QStringList Filters;
        int Proposed;
    };
    std::vector<ExportQuestion> ExportAsked;
    QString ExportName;
    int ExportFilter = -1;
    QString ExportFileName(QWidget*, const QString& title, const QString& suggested,
                           const QStringList& filters, int& filter) override
    {
        ExportAsked.push_back({title, suggested, filters, filter});
        if (ExportFilter >= 0)
            filter = ExportFilter;
        return ExportName;
    }

    /// Whether a question or message containing the text was shown.
    bool WasAsked(const QString& text) const
    {
        for (const auto& request : Asked)
            if (request.Text.contains(text))
                return true;
        return false;
    }
};

/// Installs scripted dialogs for the life of the object.
class DialogScript
{
public:
    DialogScript()
    {
        // Tests close main windows without an event loop that should end with them.
        QApplication::setQuitOnLastWindowClosed(false);
        auto dialogs = std::make_unique<ScriptedDialogs>();
        Script = dialogs.get();
        UserDialogs::Install(std::move(dialogs));
    }
    ~DialogScript() { UserDialogs::Install(nullptr); }
    DialogScript(const DialogScript&) = delete;
    DialogScript& operator=(const DialogScript&) = delete;

    ScriptedDialogs* operator->() const { return Script; }
    ScriptedDialogs& operator*() const { return *Script; }

private:
    ScriptedDialogs* Script;
};

/// A temporary folder holding the settings, the recovery files and data files of one test.
class ShellSandbox
{
public:
    QString Path(const QString& name) const { return Dir.filePath(name); }
    QString SettingsFile() const { return Path(QStringLiteral("settings.ini")); }

    StartOptions Options() const
    {
        StartOptions options;
        options.SettingsFile = SettingsFile();
        options.RecoveryFolder = Path(QStringLiteral("recovery"));
        options.ShowWindow = true;
        return options;
    }

    /// Writes the document as a data file in the sandbox and returns its path.
    QString WriteDocument(const QString& name, const CPlanovaDoc& document = CPlanovaDoc()) const
    {
        return WriteBytes(name, QByteArray::fromStdString(WriteDataFile(document)));
    }

    QString WriteBytes(const QString& name, const QByteArray& bytes) const
    {
        QFile file(Path(name));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot write %s", qPrintable(file.fileName()));
        return file.fileName();
    }

    /// Sets the values "File<n>" of the recent-file section.
    void SetRecentValues(const std::vector<std::pair<int, QString>>& values) const
    {
        QSettings settings(SettingsFile(), QSettings::IniFormat);
        for (const auto& [n, value] : values)
            settings.setValue(QStringLiteral("Recent File List/File%1").arg(n), value);
    }

    QString RecentValue(int n) const
    {
        QSettings settings(SettingsFile(), QSettings::IniFormat);
        return settings.value(QStringLiteral("Recent File List/File%1").arg(n)).toString();
    }

private:
    QTemporaryDir Dir;
};

/// An application in its own sandbox, with scripted dialogs; started by the test.
struct ShellUnderTest
{
    ShellSandbox Sandbox;
    DialogScript Dialogs;
    CPlanovaApp App{Sandbox.Options()};
};

inline QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

/// The document as `planova-cli dump` reads it from the file (the test must depend on planova-cli).
inline QJsonObject Dump(const QString& path)
{
    QProcess cli;
    cli.start(QStringLiteral(PLANOVA_BINARY_DIR "/planova-cli"), {QStringLiteral("dump"), path});
    if (!cli.waitForFinished(60000) || cli.exitStatus() != QProcess::NormalExit || cli.exitCode() != 0)
        qFatal("planova-cli dump failed: %s", cli.readAllStandardError().constData());
    return QJsonDocument::fromJson(cli.readAllStandardOutput()).object();
}

/// Types text into a widget as an input method commits it (how Japanese text arrives).
inline void Commit(QWidget& widget, const QString& text)
{
    QInputMethodEvent event;
    event.setCommitString(text);
    QApplication::sendEvent(&widget, &event);
}

/// A school week in April 2024 shown as a week from Monday: 国語 in period row 1 every day with content
/// and colour, Monday's event and memo, one ToDo item.
inline CPlanovaDoc SchoolWeek()
{
    CPlanovaDoc document;
    for (int day = 8; day <= 12; ++day) {
        document.UpdateDay(DateTime::FromDate(2024, 4, day), [&](CDayData& stored) {
            stored.SetSchoolDayRows();
            stored.SetYotei(1, Utf8ToCp932("国語"));
            stored.SetNaiyou(1, Utf8ToCp932("漢字の書き取り"));
            stored.SetIro(1, 2);
        });
    }
    document.UpdateDay(DateTime::FromDate(2024, 4, 8), [&](CDayData& day) {
        day.SetGyouji(Utf8ToCp932("始業式"));
        day.SetMemo(Utf8ToCp932("持ち物：上履き\r\n名札"));
    });
    CToDo item;
    item.SetKennmei(Utf8ToCp932("学級通信"));
    document.AppendToDo(item);
    document.DspType = 1;
    document.StartWeekday = 1;
    document.ToDoView = false;
    return document;
}

/**
 * The file of SchoolWeek partly damaged: its day count says 7 for the 5 days it holds (two lost) and
 * its last 64 bytes, the end of the settings, are zeroed as a crash leaves a block of a file.
 */
inline QByteArray DamagedSchoolWeek()
{
    QByteArray bytes = QByteArray::fromStdString(WriteDataFile(SchoolWeek()));
    bytes.replace("<datasuu>5</datasuu>", "<datasuu>7</datasuu>");
    bytes.replace(bytes.size() - 64, 64, QByteArray(64, '\0'));
    return bytes;
}

/// What the user is told about DamagedSchoolWeek.
inline const QString DamagedSchoolWeekMessage =
    QStringLiteral("このファイルは一部が壊れています。7 日のうち 2 日と設定の一部を読み込めませんでした。");

/// A document with one stored day whose event is the text (code page 932 bytes).
inline CPlanovaDoc DocumentWithEvent(int year, int month, int day, const std::string& event)
{
    CPlanovaDoc document;
    document.UpdateDay(DateTime::FromDate(year, month, day),
                       [&](CDayData& stored) { stored.SetGyouji(event); });
    return document;
}

} // namespace planova::test
