// Template files.
#include "templates/templatefile.h"

namespace corvalin::templates {

int templateDay(int k) { return 7 + k; }

std::optional<settings::TimeList> parseTemplate(const std::vector<std::string>& lines) {
    if (lines.empty()) {
        return std::nullopt;
    }
    const auto flag = settings::parseNumberLine(lines.front());
    if (!flag) {
        return std::nullopt;
    }
    settings::TimeList list;
    list.noBell = *flag == 1;
    list.entries.assign(lines.begin() + 1, lines.end());
    return list;
}

}  // namespace corvalin::templates
