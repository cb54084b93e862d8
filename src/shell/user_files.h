// SPDX-License-Identifier: GPL-3.0-or-later
// Where the user's files go and how they are written: the report, its copies and every file the
// user keeps share these.
#pragma once

#include <QByteArray>
#include <QString>
#include <filesystem>
#include <string_view>

namespace velmora {

/// The user's Documents folder. With HOME unset or empty it lies in the account's home from the
/// password database; empty, with `note` saying why, when the account has no home folder.
QString DocumentsFolder(QString* note);

/// The path as the file system takes it.
std::filesystem::path FileSystemPath(const QString& path);

/// Writes the file whole or not at all, creating its folders (`WriteFileAtomically`). False with
/// `reason` set to the reason in Chinese and the system's text in brackets.
bool WriteUserFile(const QString& path, const QByteArray& bytes, QString* reason);

/// A failure's message: what failed, the path, and the reason when there is one.
QString FileFailureText(std::string_view lead, const QString& path, const QString& reason);

}  // namespace velmora
