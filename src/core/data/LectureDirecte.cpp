#include "core/data/LectureDirecte.h"

#include "core/data/ResultatMariaDB.h"

#include <QByteArray>
#include <QSqlResult>
#include <QVariant>

#include <mysql.h>

#include <cstring>

// The client library's current row and, for every column, the last text decoded with the bytes it came from.
struct TLectureDirecte::Interne {
    MYSQL_RES* Resultat = nullptr;
    MYSQL_ROW Ligne = nullptr;
    unsigned long* Longueurs = nullptr;
    struct TDernier {
        const char* Octets = nullptr;
        unsigned long Longueur = 0;
        QString Texte;
    };
    std::vector<TDernier> Derniers;
};

TLectureDirecte::TLectureDirecte(QSqlQuery& Q, bool Directe) : q_(Q), interne_(std::make_unique<Interne>()) {
    if (!Directe || Q.result() == nullptr)
        return;
    // The driver's handle of a result held whole (Qt's way to reach the client library).
    const QVariant poignee = Q.result()->handle();
    if (poignee.metaType() == QMetaType::fromType<st_mysql_res*>()) {
        interne_->Resultat = poignee.value<st_mysql_res*>();
        if (interne_->Resultat != nullptr)
            interne_->Derniers.resize(mysql_num_fields(interne_->Resultat));
    }
}

TLectureDirecte::~TLectureDirecte() = default;

bool TLectureDirecte::Directe() const {
    return interne_->Resultat != nullptr;
}

bool TLectureDirecte::Suivante() {
    if (!Directe())
        return q_.next();
    interne_->Ligne = mysql_fetch_row(interne_->Resultat);
    interne_->Longueurs = interne_->Ligne != nullptr ? mysql_fetch_lengths(interne_->Resultat) : nullptr;
    return interne_->Ligne != nullptr;
}

bool TLectureDirecte::EstNul(int Colonne) const {
    if (!Directe())
        return q_.isNull(Colonne);
    return interne_->Ligne[Colonne] == nullptr;
}

QString TLectureDirecte::Texte(int Colonne) {
    if (!Directe()) {
        QVariant valeur = q_.value(Colonne);
        if (valeur.isNull())
            return QString();
        if (valeur.typeId() == QMetaType::QString)
            return std::move(*static_cast<QString*>(valeur.data()));
        if (valeur.typeId() == QMetaType::QByteArray)
            return QString::fromUtf8(valeur.toByteArray());
        return valeur.toString();
    }
    const char* octets = interne_->Ligne[Colonne];
    if (octets == nullptr)
        return QString();
    const unsigned long longueur = interne_->Longueurs[Colonne];
    Interne::TDernier& dernier = interne_->Derniers[static_cast<size_t>(Colonne)];
    if (dernier.Octets == nullptr || dernier.Longueur != longueur ||
        std::memcmp(dernier.Octets, octets, longueur) != 0) {
        dernier.Texte = QString::fromUtf8(octets, static_cast<qsizetype>(longueur));
        dernier.Longueur = longueur;
    }
    dernier.Octets = octets;
    return dernier.Texte;
}

QDate TLectureDirecte::Date(int Colonne) const {
    if (!Directe())
        return q_.value(Colonne).toDate();
    const char* octets = interne_->Ligne[Colonne];
    if (octets == nullptr)
        return QDate();
    return QDate::fromString(
        QLatin1String(octets, static_cast<qsizetype>(interne_->Longueurs[Colonne])).left(10), Qt::ISODate);
}

int TLectureDirecte::Entier(int Colonne) const {
    if (!Directe())
        return q_.value(Colonne).toInt();
    const char* octets = interne_->Ligne[Colonne];
    if (octets == nullptr)
        return 0;
    return QByteArray::fromRawData(octets, static_cast<qsizetype>(interne_->Longueurs[Colonne])).toInt();
}
