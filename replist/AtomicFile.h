// Writing a file through a temporary file beside it that is renamed over the
// target only when everything was written.
#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

namespace vok::replist {

using TPieceSink = std::function<void(const QByteArray&)>;

// Produce writes the contents piece by piece into the sink it is given.
// False when the file cannot be written; the target is then untouched.
bool WriteFileAtomically(const QString& FName, const std::function<void(const TPieceSink&)>& Produce);

// Buffer size after which producers hand their text to the sink.
inline constexpr qsizetype FlushSize = 1 << 20;

} // namespace vok::replist
