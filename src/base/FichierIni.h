#pragma once

#include <QHash>
#include <QString>

// A sections-and-keys text file read the way the Windows profile functions read it: "[section]" opens a
// section, "key=value" lines follow; section and key names match without regard to case; a missing key reads
// as the default. Spaces around names and values are dropped, and so are quotes around a whole value.
// The file may be UTF-8 (with or without BOM) or UTF-16LE with its BOM; CRLF and LF line ends are both read.
class TFichierIni {
public:
    explicit TFichierIni(const QString& chemin);

    QString LireChaine(const QString& section, const QString& cle, const QString& defaut = QString()) const;

    // Why the file could not be read (missing, not a regular file, larger than TailleMaximale, no right to
    // read it), in French; empty when it was read. A file that was not read has no keys.
    const QString& Erreur() const { return erreur_; }

    static constexpr qint64 TailleMaximale = 1024 * 1024;

private:
    QString erreur_;
    // section (lower case) -> key (lower case) -> value; the first occurrence of a key wins.
    QHash<QString, QHash<QString, QString>> valeurs_;
};
