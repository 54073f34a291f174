#pragma once

#include <QByteArray>
#include <QString>

// Makes a file unreadable to this process while it lives, as it is to a user who is neither its owner nor in
// its group (a configuration file written 0600 by root, read by the administrator's own account): every read
// right is taken from the file, and a process that runs as root, whom file modes do not stop, does its file
// accesses as "nobody" meanwhile (Linux setfsuid, this thread only). The file's directory is made searchable
// by others, so that the file is still seen to exist. Everything is put back at the end. On Windows the
// file's access list denies reading to everyone meanwhile (Wine keeps such a list but does not enforce it: a
// test checks that the file has become unreadable before it relies on it).
class LectureInterdite {
public:
    explicit LectureInterdite(const QString& fichier);
    ~LectureInterdite();
    LectureInterdite(const LectureInterdite&) = delete;
    LectureInterdite& operator=(const LectureInterdite&) = delete;

private:
    QString fichier_, dossier_;
    unsigned modeFichier_ = 0, modeDossier_ = 0;
    bool identite_ = false; // on Windows: the access list was changed
    QByteArray avant_;      // on Windows: the access list to put back
};
