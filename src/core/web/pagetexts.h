// The staff web page's texts, in the language the program speaks: the page asks for them once
// (/texts.json) and shows each of its texts through them, as it is written when none is there.
#pragma once

#include <QByteArray>
#include <QString>

namespace corvalin::web {

// {"lang": the language's code, "texts": {text as the page writes it: as the program speaks it}},
// made with the translators installed in the application; call it on the application's thread.
QByteArray pageTextsJson(const QString& language);

}  // namespace corvalin::web
