#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace planova {

/// What a whole-number field of a dialog held when it was read back.
struct IntegerFieldValue
{
    std::optional<int> Value;
    /// The Japanese message for the user when there is no value.
    std::string Message;
};

/// "整数を入力してください。": what a numeric field that holds no whole number tells the user.
std::string IntegerMessage();

/// "1 から 50 までの整数を入力してください。": a whole number outside min … max.
std::string IntegerRangeMessage(int min, int max);

/**
 * Reads the text of a whole-number field (UTF-8): an optional sign and digits, with spaces around
 * them. Full-width digits, signs and spaces count as their ASCII twins, as a Japanese input method
 * types them. An empty text, any other character or a number past the 32-bit range gives no value
 * and IntegerMessage(); a number outside min … max gives IntegerRangeMessage().
 */
IntegerFieldValue ReadIntegerField(std::string_view utf8);
IntegerFieldValue ReadIntegerField(std::string_view utf8, int min, int max);

} // namespace planova
