#pragma once

#include <stdexcept>
#include <string>

namespace planova {

/// Why a talk with a calendar server failed; the message is Japanese and names the server's answer.
class CalDavError : public std::runtime_error
{
public:
    explicit CalDavError(const std::string& message) : std::runtime_error(message) {}
};

/// The user stopped the talk before it ended.
class CalDavStopped : public CalDavError
{
public:
    CalDavStopped() : CalDavError("カレンダーサーバーとのやり取りを中止しました。") {}
};

} // namespace planova
