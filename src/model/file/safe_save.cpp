#include "model/file/safe_save.h"

#include <cerrno>
#include <cstring>
#include <vector>

namespace spf {

namespace {

std::string Folder(const std::string& path) {
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string FileName(const std::string& path) {
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string Reason(std::string_view what, int err) { return std::string(what) + ": " + std::strerror(err); }

// One save: the temporary files it made, so that every way out removes them.
class SaveRun {
public:
    SaveRun(FileOps& ops, std::string target) : ops_(ops), target_(std::move(target)) {}
    ~SaveRun() {
        for (const std::string& t : temps_) ops_.Remove(t);
    }

    const std::string& Target() const { return target_; }

    // A synced temporary file beside the target holding bytes; empty on failure.
    std::string WriteTemp(std::string_view bytes, int mode, std::string& error) {
        std::string path = Folder(target_) + "/." + FileName(target_) + ".XXXXXX";
        int fd = -1;
        if (const int err = ops_.CreateTemp(path, mode, fd)) {
            error = Reason("cannot create a temporary file in " + Folder(target_), err);
            return {};
        }
        temps_.push_back(path);
        int err = ops_.Write(fd, bytes);
        const char* step = "cannot write";
        if (!err) {
            err = ops_.Sync(fd);
            step = "cannot flush to disk";
        }
        const int closeErr = ops_.Close(fd);
        if (!err && closeErr) {
            err = closeErr;
            step = "cannot close";
        }
        if (err) {
            error = Reason(std::string(step) + " " + path, err);
            return {};
        }
        return path;
    }

    // The temporary file is now in place under another name, or must be kept.
    void Placed(const std::string& temp) { std::erase(temps_, temp); }

private:
    FileOps& ops_;
    std::string target_;
    std::vector<std::string> temps_;
};

// Puts the previous backup back after a failed save (or removes a backup that
// this save made where there was none). Should that fail, the previous backup
// is kept under its temporary name rather than lost.
std::string RestoreBackup(FileOps& ops, SaveRun& run, const std::string& oldBackup, const std::string& backup,
                          bool madeBackup) {
    if (oldBackup.empty()) {
        if (madeBackup) ops.Remove(backup);
        return {};
    }
    run.Placed(oldBackup);
    if (ops.Rename(oldBackup, backup) == 0) return {};
    return "; the previous backup is kept as " + oldBackup;
}

// Follows symbolic links to the file they name.
int ResolveLinks(FileOps& ops, std::string path, std::string& target, FileStatus& status) {
    for (int hops = 0; hops < 40; ++hops) {
        if (const int err = ops.Status(path, status)) return err;
        if (!status.isLink) {
            target = path;
            return 0;
        }
        std::string next;
        if (const int err = ops.ReadLink(path, next)) return err;
        path = (!next.empty() && next[0] == '/') ? next : Folder(path) + "/" + next;
    }
    return ELOOP;
}

}  // namespace

std::string BackupPath(const std::string& documentPath) {
    const size_t slash = documentPath.rfind('/');
    const size_t dot = documentPath.rfind('.');
    const bool hasExtension = dot != std::string::npos && (slash == std::string::npos || dot > slash + 1);
    return (hasExtension ? documentPath.substr(0, dot) : documentPath) + ".BAK";
}

std::optional<SaveError> SafeSave(const std::string& path, std::string_view bytes, FileOps& ops) {
    std::string target;
    FileStatus status;
    if (const int err = ResolveLinks(ops, path, target, status))
        return SaveError{path, Reason("cannot look up", err)};
    SaveRun run(ops, target);
    std::string error;
    const int mode = status.exists ? static_cast<int>(status.mode) : -1;
    const std::string fresh = run.WriteTemp(bytes, mode, error);
    if (fresh.empty()) return SaveError{path, error};

    const std::string backup = BackupPath(target);
    std::string oldBackup;  // the previous backup, kept until the document is in place
    bool madeBackup = false;
    if (status.exists && backup != target) {
        std::string previous;
        if (const int err = ops.ReadFile(target, previous))
            return SaveError{path, Reason("cannot read", err)};
        const std::string copy = run.WriteTemp(previous, mode, error);
        if (copy.empty()) return SaveError{path, error};
        FileStatus backupStatus;
        if (const int err = ops.Status(backup, backupStatus))
            return SaveError{path, Reason("cannot look up " + backup, err)};
        if (backupStatus.exists) {
            oldBackup = run.WriteTemp({}, -1, error);
            if (oldBackup.empty()) return SaveError{path, error};
            if (const int err = ops.Rename(backup, oldBackup))
                return SaveError{path, Reason("cannot set aside the backup " + backup, err)};
        }
        if (const int err = ops.Rename(copy, backup))
            return SaveError{path, Reason("cannot make the backup " + backup, err) +
                                       RestoreBackup(ops, run, oldBackup, backup, false)};
        run.Placed(copy);
        madeBackup = true;
    }
    if (const int err = ops.Rename(fresh, target))
        return SaveError{path, Reason("cannot replace " + target, err) +
                                   RestoreBackup(ops, run, oldBackup, backup, madeBackup)};
    run.Placed(fresh);
    // The rename is done; a folder that cannot be synced keeps it all the same.
    ops.SyncFolder(Folder(target));
    return std::nullopt;
}

}  // namespace spf
