// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>

#include <sys/stat.h>

// What makes a file more than its bytes: owner, group, mode, extended
// attributes (ACLs among them). A file replaced by a new one must carry
// these over, or a page of the web server's group stops being served.
enum class Carried {
    Done,
    NotPossible, // not by this user (another owner, a group the user is not in, a protected attribute)
    Failed,      // an error of the file system: errno tells
};

// Gives the open new file fd the identity of the file at path, whose stat is old.
Carried carryIdentity(const QByteArray &path, const struct stat &old, int fd);
