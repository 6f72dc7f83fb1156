// The internet time servers: the primary one and the second one tried when it fails. Each can be
// set with CORVALIN_TIME_SERVER1 / CORVALIN_TIME_SERVER2 (host or host:port).
#pragma once

#include <QString>

QString primaryTimeServer();
QString secondTimeServer();
