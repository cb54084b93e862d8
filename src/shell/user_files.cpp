// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/user_files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include "common/file_write.h"
#include "common/texts.h"
#include "shell/text.h"

#ifndef _WIN32
#include <pwd.h>
#include <unistd.h>

#include <vector>
#endif

namespace velmora {
namespace {

#ifndef _WIN32
// The home folder the password database gives the account; empty when it gives none that exists.
QString AccountHome() {
  long size = ::sysconf(_SC_GETPW_R_SIZE_MAX);
  std::vector<char> buffer(size > 0 ? static_cast<std::size_t>(size) : 16384);
  passwd entry{};
  passwd* found = nullptr;
  while (::getpwuid_r(::geteuid(), &entry, buffer.data(), buffer.size(), &found) == ERANGE) {
    buffer.resize(buffer.size() * 2);
  }
  if (found == nullptr || found->pw_dir == nullptr || found->pw_dir[0] == '\0') return {};
  const QString home = QFile::decodeName(found->pw_dir);
  return QFileInfo(home).isDir() ? home : QString();
}
#endif

}  // namespace

QString DocumentsFolder(QString* note) {
#ifndef _WIN32
  // Qt takes a missing HOME for the root folder: the files would land in /Documents.
  if (qEnvironmentVariableIsEmpty("HOME")) {
    const QString home = AccountHome();
    if (home.isEmpty()) {
      *note = Q(texts::kNoHomeFolder);
      return {};
    }
    return QDir(home).filePath(QStringLiteral("Documents"));
  }
#endif
  return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

std::filesystem::path FileSystemPath(const QString& path) {
#ifdef _WIN32
  return std::filesystem::path(path.toStdWString());
#else
  return std::filesystem::path(QFile::encodeName(path).toStdString());
#endif
}

bool WriteUserFile(const QString& path, const QByteArray& bytes, QString* reason) {
  const auto failure = WriteFileAtomically(
      FileSystemPath(path),
      std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
  if (!failure) return true;
  *reason = Q(failure->Reason());
  return false;
}

QString FileFailureText(std::string_view lead, const QString& path, const QString& reason) {
  QString text = Q(lead) + QLatin1Char('\n') + QDir::toNativeSeparators(path);
  if (!reason.isEmpty()) text += QLatin1Char('\n') + Q(texts::kReason) + reason;
  return text;
}

}  // namespace velmora
