#pragma once

#include "model/CPlanovaDoc.h"
#include "model/SafeSave.h"

#include <QString>

#include <memory>
#include <vector>

namespace planova {

class CChildFrame;

/// One open document: the document itself, the file it belongs to and its windows.
struct OpenDocument
{
    std::unique_ptr<CPlanovaDoc> Doc;
    /// Absolute path of the file; empty while the document has never been saved.
    QString Path;
    /// The name shown in titles: the file name, or "Planova1", "Planova2", … for new documents.
    QString Name;
    /// The file as it was when last read or written here, to notice other writers.
    FileStamp DiskStamp;
    /// What could not be read of the damaged file at Path (the message the user saw), else empty.
    /// While it is set, that file is never written: saving asks for another name.
    QString Damage;
    /// Unique within the process; names the document's recovery file.
    int Serial = 0;
    /// Windows on the document, in the order they were opened.
    std::vector<CChildFrame*> Frames;
    /// Set while the document's windows are being closed after its save question was answered.
    bool Closing = false;
};

} // namespace planova
