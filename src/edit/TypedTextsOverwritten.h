#pragma once

#include <string>

namespace planova {

class CPlanovaDoc;

/// How many days hold typed texts of each kind that a run of a tool overwrites or removes.
struct TypedTextsOverwritten
{
    int Events = 0;   ///< days whose typed 行事 changes
    int Plans = 0;    ///< days with a typed 予定 that is in no row after
    int Contents = 0; ///< days with a typed 内容 that is in no row after

    bool Any() const { return Events > 0 || Plans > 0 || Contents > 0; }
};

/// Compares every stored day of `before` with the same day of `after` (the document after a trial run).
TypedTextsOverwritten CountTypedTextsOverwritten(const CPlanovaDoc& before, const CPlanovaDoc& after);

/**
 * The question asked before the run (UTF-8), naming each kind with its count:
 * "入力済みの行事が 12 日、予定が 40 日あります。上書きしますか？". Only while Any().
 */
std::string OverwriteQuestion(const TypedTextsOverwritten& counts);

} // namespace planova
