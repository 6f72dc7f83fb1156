// Whether a sound file is within the bounds of a bell sound (see bellrules.h), read by its content
// with libsndfile as a bell is, whatever its name says.
#pragma once

#include <QByteArray>
#include <QString>

namespace corvalin::sound {

// Why the sound at `path` is refused as a bell, from its header alone: empty when it is within the
// bounds, when its header does not give its length, or when it is no sound libsndfile reads (such a
// file is refused when it rings). Reads the header only, so a sound list can ask it of every file.
QString headerRefusal(const QString& path);

// Why the sound in `bytes` is refused as a bell: by its header, and when the header does not give
// its length, by reading it no further than the bounds. Empty when it is within them, or when it is
// no sound libsndfile reads.
QString refusalOfBytes(const QByteArray& bytes);

// Whether libsndfile reads `bytes` as sound: a format it knows, and at least one frame of it.
bool isSound(const QByteArray& bytes);

}  // namespace corvalin::sound
