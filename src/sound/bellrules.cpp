// Bell rules.
#include "sound/bellrules.h"

#include <algorithm>

namespace corvalin::sound {

int bellSeconds(std::optional<long long> lengthMs, BellKind kind) {
    const long long ms = lengthMs.value_or(1000);
    const long long seconds = kind == BellKind::Scheduled ? ms / 1000 : ms / 1000 + 1;
    return static_cast<int>(std::clamp<long long>(seconds, 1, 24 * 3600));
}

std::string cardLabel(const std::string& description, int listNumber) {
    return description + "(" + std::to_string(listNumber) + ")";
}

}  // namespace corvalin::sound
