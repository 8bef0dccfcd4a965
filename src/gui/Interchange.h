#pragma once

#include "export/ExportFile.h"

#include <QString>

#include <memory>

class QWidget;

namespace planova {

class AppSettings;
class CPlanovaDoc;

/// Publishes a document to the calendar server after each save, when the settings ask for it.
class SavePublisher
{
public:
    virtual ~SavePublisher() = default;
    /// Told after the document was saved to its own file.
    virtual void Saved(const CPlanovaDoc& document) = 0;
};

/**
 * The exchange with other programs: export files (iCalendar, CSV, Excel), calendar servers and the
 * keyring that keeps their passwords. The application loads it on first use, with the libraries
 * under it (libical, libxlsxwriter with libcrypto, Qt Network with Kerberos, QtKeychain), from the
 * module planova-interchange.so (InterchangeLoader.cpp), so that none of them is loaded at start;
 * tests, benchmarks and the command line have it linked in (InterchangeLinked.cpp).
 */
class Interchange
{
public:
    virtual ~Interchange() = default;

    /// The interchange of this program; nullptr when the module cannot be loaded, which the user was
    /// told in a message box over `parent`.
    static Interchange* Get(QWidget* parent);

    /// The export commands of the file menu (see ExportDialogs.h).
    virtual bool ExportDocument(QWidget* parent, const CPlanovaDoc& document, ExportFormat format,
                                const QString& documentPath) = 0;
    /// "カレンダーサーバーに公開..." (see CalendarServerActions.h).
    virtual void PublishWithDialog(QWidget* parent, const CPlanovaDoc& document, AppSettings* settings) = 0;
    /// "行事予定を取り込む..." (see CalendarServerActions.h).
    virtual bool ImportEventsWithDialog(QWidget* parent, CPlanovaDoc& document, AppSettings* settings) = 0;
    /// The publish after each save of the settings; its outcome goes to the status bar of `window`.
    virtual std::unique_ptr<SavePublisher> NewSavePublisher(AppSettings& settings, QWidget* window) = 0;
};

/// The implementation over the code of this program (what the module hands out too).
Interchange& LinkedInterchange();

} // namespace planova

/// The module's entry point, looked up by name when it is loaded.
extern "C" planova::Interchange* PlanovaInterchange();
