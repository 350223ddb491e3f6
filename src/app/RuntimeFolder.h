#pragma once

#include <QString>

#include <optional>

// Where the single-instance lock and socket live: the session's runtime
// folder when it is really the user's (a folder owned by them, mode 0700),
// else a private folder of Paytick's own in the user's cache. Never the
// current folder, and never a folder another user could have made first.
namespace RuntimeFolder {

// No value when no such folder can be had.
std::optional<QString> find();

// Whether `path` is a folder (not a link) owned by this user and closed to others.
bool isPrivate(const QString &path);

} // namespace RuntimeFolder
