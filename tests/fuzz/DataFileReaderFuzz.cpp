// Feeds arbitrary bytes to the data file reader. Beyond not crashing, hanging, leaking or
// allocating without bound:
// - the one-pass reader and the plain lookups agree (both fail, or both give the same document);
// - whatever the reader accepted is written and read back to the same document and the same bytes,
//   and a written file is never reported damaged.

#include "model/Clock.h"
#include "model/DataFile.h"
#include "model/DataFileArchive.h"
#include "support/DataFileReference.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>

using namespace planova;

namespace {

[[noreturn]] void Fail(const char* what, const std::string& detail)
{
    std::fprintf(stderr, "%s: %s\n", what, detail.c_str());
    std::abort();
}

/// The document read, with its modified flag cleared: the reader sets it exactly when it replaced
/// characters of a UTF-16 file and warns about them, which is checked here.
std::optional<CPlanovaDoc> TryRead(std::string_view bytes, DataFileDamage* damage = nullptr)
{
    try {
        std::string warning;
        CPlanovaDoc document = ReadDataFile(bytes, &warning, damage);
        if (document.IsModified() != !warning.empty())
            Fail("the modified flag and the warning disagree", warning);
        document.SetModified(false);
        return document;
    } catch (const DataFileError&) {
        return std::nullopt;
    }
}

std::optional<CPlanovaDoc> TryReadByLookup(std::string_view bytes)
{
    try {
        return test::ReadDataTextByLookup(ReadArchiveString(bytes));
    } catch (const DataFileError&) {
        return std::nullopt;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const FixedNowScope clock(DateTime::FromDateTime(2014, 1, 1, 12, 0, 0));
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    const std::optional<CPlanovaDoc> document = TryRead(bytes);
    const std::optional<CPlanovaDoc> reference = TryReadByLookup(bytes);
    if (document.has_value() != reference.has_value())
        Fail("the readers disagree on failing", document ? "one-pass reader accepted" : "lookups accepted");
    if (!document)
        return 0;
    if (const std::string difference = test::DocumentDifference(*reference, *document); !difference.empty())
        Fail("the readers disagree", difference);

    const std::string written = WriteDataFile(*document);
    DataFileDamage damage;
    const std::optional<CPlanovaDoc> again = TryRead(written, &damage);
    if (!again)
        Fail("a written file does not read", "");
    if (damage.Any())
        Fail("a written file reads as damaged", DamageMessage(damage));
    if (const std::string difference = test::DocumentDifference(*document, *again); !difference.empty())
        Fail("a written file reads back different", difference);
    if (WriteDataFile(*again) != written)
        Fail("a written file does not write back the same bytes", "");
    return 0;
}
