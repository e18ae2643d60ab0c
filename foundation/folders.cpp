#include <vok/Vok_folders.h>

#include <QFile>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <memory>

namespace vok {

namespace {

struct DirCloser
{
    void operator()(DIR* D) const { closedir(D); }
};
using DirHandle = std::unique_ptr<DIR, DirCloser>;

// Opens the folder Name relative to the open folder At (AT_FDCWD: the
// current directory or an absolute path); null when it cannot be read.
DirHandle OpenFolder(int At, const char* Name)
{
    const int Fd = openat(At, Name, O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (Fd < 0)
        return nullptr;
    DIR* D = fdopendir(Fd);
    if (!D)
        close(Fd);
    return DirHandle(D);
}

// Whether the entry is a folder that is not hidden by a leading dot.
bool IsVisibleFolder(DIR* In, const dirent* E)
{
    if (E->d_name[0] == '.')
        return false;
    if (E->d_type == DT_DIR)
        return true;
    if (E->d_type != DT_LNK && E->d_type != DT_UNKNOWN)
        return false;
    struct stat St;
    return fstatat(dirfd(In), E->d_name, &St, 0) == 0 && S_ISDIR(St.st_mode);
}

bool AnyVisibleFolder(DIR* D)
{
    while (const dirent* E = readdir(D)) {
        if (IsVisibleFolder(D, E))
            return true;
    }
    return false;
}

// Whether the folder Name in the open folder In has a subfolder. Where the
// file system counts subfolders in the link count (2 + subfolders), a count
// of 2 answers without opening the folder; otherwise it is read.
bool ProbeSubFolder(DIR* In, const char* Name)
{
    struct stat St;
    if (fstatat(dirfd(In), Name, &St, 0) == 0 && S_ISDIR(St.st_mode) && St.st_nlink == 2)
        return false;
    const DirHandle Sub = OpenFolder(dirfd(In), Name);
    return Sub && AnyVisibleFolder(Sub.get());
}

} // namespace

bool ListSubFolders(const QString& Path, QList<TSubFolder>& List, bool Probe)
{
    if (Path.isEmpty())
        return false;
    const DirHandle D = OpenFolder(AT_FDCWD, QFile::encodeName(Path).constData());
    if (!D)
        return false;
    while (const dirent* E = readdir(D.get())) {
        if (!IsVisibleFolder(D.get(), E))
            continue;
        TSubFolder Entry{QFile::decodeName(E->d_name), false};
        if (Probe)
            Entry.HasSubFolders = ProbeSubFolder(D.get(), E->d_name);
        List.append(std::move(Entry));
    }
    return true;
}

} // namespace vok
