// Texts that come from outside the program.
#include "core/base/outsidetext.h"

QString outsideText(const QString& text, int longest) {
    QString line = text;
    for (QChar& c : line) {
        const auto category = c.category();
        if (category == QChar::Other_Control || category == QChar::Separator_Line ||
            category == QChar::Separator_Paragraph || (category == QChar::Other_Format && c.unicode() >= 0x202a &&
                                                       c.unicode() <= 0x202e)) {
            c = QLatin1Char(' ');
        }
    }
    line = line.simplified();
    if (longest >= 0 && line.size() > longest) {
        line.truncate(longest);
        if (line.back().isHighSurrogate()) {
            line.chop(1);
        }
    }
    return line;
}
