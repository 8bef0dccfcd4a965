#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace planova {

/**
 * The one place where model texts become Qt strings and back.
 *
 * Model texts are code page 932 bytes with CR LF line breaks; the program's own texts (menus,
 * labels, messages) are UTF-8 in the source. Every widget, dialog and canvas converts through here.
 */

/// A text of the program's own, written in UTF-8 in the source.
QString Utf8Text(std::string_view utf8);

/// Model bytes for painting: undecodable bytes become U+FFFD, CR LF becomes a line break.
QString DisplayText(std::string_view cp932);

/// Model bytes for an edit field: like DisplayText, and a lone CR is a line break too.
QString EditText(std::string_view cp932);

/// What became of a typed text on its way to code page 932.
struct Cp932Text
{
    bool Ok = true;
    /// The bytes, with line breaks as CR LF (when Ok).
    std::string Bytes;
    /// The Japanese message naming where the text is not UTF-8 (when not Ok).
    QString Error;
    /// Where that place is in the typed text, in QString units, and how many units it takes.
    int Position = 0;
    int Length = 0;
};

/**
 * Converts a typed text (line breaks as LF) to code page 932 bytes with CR LF line breaks. A
 * character code page 932 cannot hold becomes its escape (Utf8ToCp932), so nothing typed is lost;
 * only a text that is not UTF-8 is refused, naming where, so the field can select it.
 */
Cp932Text ToCp932(const QString& typed);

} // namespace planova
