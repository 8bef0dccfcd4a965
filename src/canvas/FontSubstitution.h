#pragma once

namespace planova {

/**
 * Makes the Windows face names the planner asks for ("ＭＳ Ｐゴシック", "MS PGothic") resolve to
 * IPAPGothic, then Noto Sans CJK JP. Safe to call more than once.
 */
void InstallFontSubstitutions();

} // namespace planova
