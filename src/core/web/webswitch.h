// Whether the staff web page is served, and where: data/web, kept by the copy that runs (or by the
// command line when none runs), read at every start.
#pragma once

#include <QString>

#include "core/web/webserver.h"

namespace corvalin::web {

struct WebSwitch {
    bool on = false;
    WebServer::Listen listen;
};

inline constexpr const char* kSwitchFile = "web";

// The switch as the data folder holds it; off when there is no file or it cannot be read (the
// reason then in `problem`).
WebSwitch readSwitch(const QString& dataFolder, QString* problem = nullptr);
// Writes it; the reason when it could not be written.
QString writeSwitch(const QString& dataFolder, const WebSwitch& webSwitch);

}  // namespace corvalin::web
