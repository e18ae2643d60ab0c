// Replays a corpus without libFuzzer: every file of the directories (or the
// files) named on the command line goes to LLVMFuzzerTestOneInput once, in
// name order. A broken invariant aborts inside the harness; an empty or
// missing corpus fails, so a mistyped path cannot pass unnoticed.
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size);

namespace {

bool Replay(const QString& Path)
{
    QFile File(Path);
    if (!File.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(Path));
        return false;
    }
    const QByteArray Data = File.readAll();
    std::fprintf(stderr, "%s (%lld bytes)\n", qPrintable(Path), static_cast<long long>(Data.size()));
    LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(Data.constData()), size_t(Data.size()));
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    int Inputs = 0;
    bool Ok = true;
    for (int I = 1; I < argc; ++I) {
        const QString Arg = QString::fromLocal8Bit(argv[I]);
        if (!QFileInfo(Arg).isDir()) {
            Ok = Replay(Arg) && Ok;
            ++Inputs;
            continue;
        }
        const QFileInfoList Files = QDir(Arg).entryInfoList(QDir::Files, QDir::Name);
        for (const QFileInfo& File : Files) {
            Ok = Replay(File.filePath()) && Ok;
            ++Inputs;
        }
    }
    if (Inputs == 0) {
        std::fprintf(stderr, "no inputs to replay\n");
        return 1;
    }
    std::fprintf(stderr, "%d inputs replayed\n", Inputs);
    return Ok ? 0 : 1;
}
