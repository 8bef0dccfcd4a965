#pragma once

#include "model/Outcome.h"

#include <string>

namespace planova {

/**
 * Whether two paths name one existing file: the same device and inode, so symbolic links, hard
 * links, "." and ".." are seen through. False when either does not exist.
 */
bool IsSameFile(const std::string& first, const std::string& second);

/**
 * Refuses to write a PDF, an image or an export over the file it is made from, which would replace
 * the teacher's data file by something else: refused with the reason when the output is the input
 * (IsSameFile), done otherwise. An empty input (a document never saved, no file given) is no file.
 */
Outcome CheckOutputIsNotInput(const std::string& input, const std::string& output);

} // namespace planova
