#include "LivePreviewFolder.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QList>
#include <climits>
#include <cstdlib>

namespace {

QByteArray RealPath(const QByteArray& Path) {
  if (Path.isEmpty() || Path.contains('\0')) return {};
  char* real = ::realpath(Path.constData(), nullptr);
  if (!real) return {};
  QByteArray result(real);
  std::free(real);
  return result;
}

// Real is below Tree, and no name between them is hidden.
bool InsideTree(const QByteArray& Tree, const QByteArray& Real) {
  if (Tree.isEmpty() || Real.size() <= Tree.size() + 1 || !Real.startsWith(Tree) || Real[Tree.size()] != '/')
    return false;
  for (const QByteArray& name : Real.mid(Tree.size() + 1).split('/'))
    if (name.isEmpty() || name.startsWith('.')) return false;
  return true;
}

}  // namespace

QByteArray PreviewTreeOf(const QByteArray& Folder) {
  const QByteArray tree = RealPath(Folder);
  struct stat st {};
  if (tree.isEmpty() || tree == "/" || ::stat(tree.constData(), &st) != 0 || !S_ISDIR(st.st_mode)) return {};
  return tree;
}

QByteArray PreviewFileFor(const QByteArray& Tree, const QByteArray& EncodedPath) {
  const QByteArray path = QByteArray::fromPercentEncoding(EncodedPath);
  if (!path.startsWith('/')) return {};
  const QByteArray real = RealPath(path);
  return InsideTree(Tree, real) ? real : QByteArray();
}

int OpenPreviewFile(const QByteArray& Tree, const QByteArray& Allowed) {
  if (!InsideTree(Tree, Allowed) || Allowed.contains('\0')) return -1;
  // Allowed holds no symbolic link; one put in its place since is not followed.
  const int fd = ::open(Allowed.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) return -1;
  struct stat st {};
  bool good = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
  if (good) {
    // A folder on the way may have been swapped for a link: what the descriptor names is what counts.
    char opened[PATH_MAX];
    const QByteArray link = "/proc/self/fd/" + QByteArray::number(fd);
    const ssize_t n = ::readlink(link.constData(), opened, sizeof opened);
    good = n > 0 && n < ssize_t(sizeof opened) && QByteArray(opened, n) == Allowed;
  }
  // Reads of a regular file may wait as usual.
  if (good) good = ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK) == 0;
  if (!good) {
    ::close(fd);
    return -1;
  }
  return fd;
}
