#include "AtomicFile.h"

#include <QSaveFile>

namespace vok::replist {

bool WriteFileAtomically(const QString& FName, const std::function<void(const TPieceSink&)>& Produce)
{
    QSaveFile File(FName);
    if (!File.open(QIODevice::WriteOnly))
        return false;
    bool Failed = false;
    Produce([&](const QByteArray& Piece) { Failed = Failed || File.write(Piece) != Piece.size(); });
    if (Failed) {
        File.cancelWriting();
        return false;
    }
    return File.commit();
}

} // namespace vok::replist
