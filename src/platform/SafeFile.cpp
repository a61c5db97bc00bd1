#include "platform/SafeFile.h"

#include <QFile>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool fail(QString* reason, int error, const QByteArray& tempPath) {
    if (reason)
        *reason = QString::fromLocal8Bit(std::strerror(error));
    if (!tempPath.isEmpty())
        ::unlink(tempPath.constData());
    return false;
}

} // namespace

bool WriteFileSafely(const QString& path, const QByteArray& bytes, QString* reason) {
    // Written with plain system calls: a short write (disk full, file-size limit) must fail the
    // whole save, which a buffered writer can hide.
    const QByteArray target = QFile::encodeName(path);
    QByteArray temp = target + ".XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0)
        return fail(reason, errno, QByteArray());

    struct stat st {};
    if (::stat(target.constData(), &st) == 0)
        ::fchmod(fd, st.st_mode & 07777);
    else
        ::fchmod(fd, 0644);

    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            const int error = n < 0 ? errno : EIO;
            ::close(fd);
            return fail(reason, error, temp);
        }
        done += n;
    }
    if (::fsync(fd) != 0 || ::close(fd) != 0)
        return fail(reason, errno, temp);
    if (::rename(temp.constData(), target.constData()) != 0)
        return fail(reason, errno, temp);
    return true;
}
