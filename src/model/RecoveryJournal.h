#pragma once

#include "model/CPlanovaDoc.h"
#include "model/SafeSave.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace planova {

/**
 * One step of a recovery journal: what changed in a document since the step before. The days
 * written are carried as they are stored now, with the settings (always: they are a few kilobytes)
 * and the ToDo list when it was written, in one document that the data file writer and reader
 * carry; the dates removed travel beside it.
 */
struct JournalEntry
{
    /// The days written (in date order), the settings, and the ToDo list when ToDos is set.
    CPlanovaDoc Changes;
    std::vector<DateTime> Removed;
    bool ToDos = false;
};

/**
 * What changed in the document since the last take (CPlanovaDoc::TakeChanges), read from the
 * document as it is now: the work grows with the change, not with the document. nullopt when only
 * the whole document describes the change (days out of date order); the changes are taken all the same.
 */
std::optional<JournalEntry> TakeJournalEntry(CPlanovaDoc& document);

/// The first line of a journal: it names the recovery file it continues by that file's stamp, so
/// that a journal left beside a newer base is never replayed over it.
std::string JournalHeader(const FileStamp& base);

/// The entry framed for appending: payload length and CRC-32 (4 bytes each, little-endian), then
/// the payload, so that an entry cut short or damaged is noticed on replay.
std::string EncodeJournalEntry(const JournalEntry& entry);

/// What a replay did.
struct JournalReplay
{
    /// The journal's header names the base it was replayed onto.
    bool Matches = false;
    /// The entries applied.
    int Applied = 0;
    /// An entry that is not the last one of the journal was damaged: the changes from it on are lost.
    /// An incomplete or damaged last entry is not counted: it is what a crash during an append leaves.
    bool Damaged = false;
};

/**
 * Applies the journal's entries in order onto the document read from the base whose stamp is
 * given, up to the first entry that is incomplete or damaged; each entry is applied whole or not
 * at all. A journal whose header names another base changes nothing.
 */
JournalReplay ReplayJournal(std::string_view journal, const FileStamp& base, CPlanovaDoc& document);

/// The CRC-32 of zlib and PNG.
std::uint32_t Crc32(std::string_view bytes);

} // namespace planova
