// A stored template: a day time file whose first line, its "No rings" flag, must be a number.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "schedule/settingsvalues.h"

namespace corvalin::templates {

// Template k (1..6) is stored as day 7 + k.
int templateDay(int k);

// The template's flag and entries; none when the file is empty or its first line is not a
// number (a template never saved, or damaged), so applying it changes nothing.
std::optional<settings::TimeList> parseTemplate(const std::vector<std::string>& lines);

}  // namespace corvalin::templates
