#include "core/journal/LecteurJournal.h"

#include "base/KORVENTypesU.h"
#include "core/data/ConnexionSQL.h"
#include "core/journal/LectureJournal.h"

#include <QPointer>
#include <QSqlError>
#include <QSqlQuery>
#include <QThread>

#include <condition_variable>
#include <mutex>
#include <optional>

namespace {

// What the window asks of the thread. One question at a time: the window waits for the answer, except when
// it starts reading the rest or lets a selection go, which a later question replaces.
enum class Demande { Aucune, Ouvrir, Suite, Lignes, Fermer, Arreter };

// Where the rest of the current selection stands: to be read (once asked for), being read, read, failed.
enum class EtatSuite { Aucune, AttenteLecture, Lecture, Lue, Echec };

// The server's code for a statement stopped by KILL QUERY.
const QString RequeteInterrompue = QStringLiteral("1317");

} // namespace

struct TEtatLecteurJournal {
    std::mutex verrou;
    std::condition_variable signal;

    // The question, and the selection it belongs to (a number that grows with every selection asked).
    Demande demande = Demande::Aucune;
    quint64 selection = 0;
    QStringList parametres;
    TSecuriteConnexion securite;
    TFiltreJournal filtre;
    int nombre = 0;
    int debutLignes = 0;
    int nombreLignes = 0;

    // The answer.
    bool repondu = false;
    QList<TEntreeJournal> lignes;
    QString erreur;

    // The rest of the current selection.
    EtatSuite suite = EtatSuite::Aucune;
    bool suiteDemandee = false;
    int lignesSuite = 0;
    QString erreurSuite;

    // The thread's session at the server (0 before it connects), to stop a statement of the rest from the
    // window's connection.
    qulonglong session = 0;
    // The year connection last given, which sends that order.
    QPointer<TSQLConnection> annee;

    QThread* fil = nullptr;
};

namespace {

// Whether the selection is still the one last asked for (the lock held).
bool Courante(const TEtatLecteurJournal& etat, quint64 selection) {
    return etat.selection == selection && etat.demande != Demande::Arreter;
}

TEntreeJournal Entree(const QSqlQuery& q) {
    TEntreeJournal e;
    e.Numero = q.value(ColonneNumero).toInt();
    e.Poste = q.value(ColonnePoste).toString();
    e.Utilisateur = q.value(ColonneUtilisateur).toString();
    e.Date = q.value(ColonneDate).toDate();
    e.Heure = q.value(ColonneHeure).toTime();
    e.Operation = q.value(ColonneOperation).toString();
    e.Domaine = q.value(ColonneDomaine).toString();
    e.Libelle = q.value(ColonneLibelle).toString();
    return e;
}

// The thread's side: its connection, the selection it reads, the rest as the server sent it.
class TTravailLecteur {
public:
    TTravailLecteur(TEtatLecteurJournal& etat, TLecteurJournal& lecteur) : etat_(etat), lecteur_(lecteur) {}
    ~TTravailLecteur() {
        suite_ = QSqlQuery();
        delete connexion_;
    }

    // Answers the window's questions until it asks the thread to stop.
    void Travailler();

private:
    void Ouvrir(quint64 selection);
    // What the reading of a selection needs to know of the table (whether an index starts with the date,
    // and then its first and last dates), in the selection's snapshot. False when the selection is no longer
    // the current one; a server error is raised.
    bool LireTable(QSqlQuery& q, quint64 selection, TTableJournal& table);
    // The selection's first rows (at most nombre) into lignes: the first group of the order when that is
    // cheaper, else the period by slices. False when the selection is no longer the current one.
    bool LirePremieres(QSqlQuery& q, quint64 selection, const TFiltreJournal& filtre,
                       const TTableJournal& table, int nombre, QList<TEntreeJournal>& lignes);
    void Suite(quint64 selection);
    void LireSuite(quint64 selection, int debut, int nombre);
    // Ends the snapshot; the rest read stays.
    void FinirInstantane();
    // Lets the selection go: its rest and its snapshot.
    void LacherSelection();
    void Connecter(const QStringList& parametres, const TSecuriteConnexion& securite);
    // Runs a statement of the selection. A statement stopped by an order meant for an earlier one is run
    // again. False when the selection is no longer the current one; a server error is raised.
    bool Executer(QSqlQuery& q, const QString& texte, quint64 selection);
    void Repondre(quint64 selection, QList<TEntreeJournal> lignes, const QString& erreur, EtatSuite suite);

    TEtatLecteurJournal& etat_;
    TLecteurJournal& lecteur_;
    TSQLConnection* connexion_ = nullptr;
    // The selection whose snapshot is open and whose rest is still to read, with what that read needs.
    quint64 selectionOuverte_ = 0;
    TFiltreJournal filtre_;
    TSuiteJournal reste_;
    TTableJournal table_;
    QStringList parametres_;
    TSecuriteConnexion securite_;
    // Whether an index of the table starts with the date; known once per session.
    std::optional<bool> indexDate_;
    QSqlQuery suite_;
};

void TTravailLecteur::Travailler() {
    for (;;) {
        Demande demande;
        quint64 selection;
        int debut = 0, nombre = 0;
        {
            std::unique_lock verrou(etat_.verrou);
            etat_.signal.wait(verrou, [this] { return etat_.demande != Demande::Aucune; });
            demande = etat_.demande;
            selection = etat_.selection;
            debut = etat_.debutLignes;
            nombre = etat_.nombreLignes;
            if (demande != Demande::Arreter)
                etat_.demande = Demande::Aucune;
        }
        switch (demande) {
        case Demande::Arreter:
            LacherSelection();
            return;
        case Demande::Fermer:
            LacherSelection();
            break;
        case Demande::Ouvrir:
            Ouvrir(selection);
            break;
        case Demande::Suite:
            Suite(selection);
            break;
        case Demande::Lignes:
            LireSuite(selection, debut, nombre);
            break;
        case Demande::Aucune:
            break;
        }
    }
}

void TTravailLecteur::FinirInstantane() {
    if (connexion_ != nullptr && connexion_->Connected()) {
        QSqlQuery q(connexion_->Base());
        q.exec(QStringLiteral("ROLLBACK"));
    }
}

void TTravailLecteur::LacherSelection() {
    suite_ = QSqlQuery();
    selectionOuverte_ = 0;
    FinirInstantane();
}

void TTravailLecteur::Connecter(const QStringList& parametres, const TSecuriteConnexion& securite) {
    if (connexion_ == nullptr) {
        connexion_ = new TSQLConnection(
            QStringLiteral("LectureJournal"),
            QStringLiteral("LectureJournal-%1").arg(reinterpret_cast<quintptr>(&etat_)), nullptr);
    }
    if (parametres != parametres_ || securite != securite_) {
        connexion_->Close();
        parametres_ = parametres;
        securite_ = securite;
    }
    if (connexion_->Connected())
        return;
    indexDate_.reset();
    connexion_->Params = parametres;
    connexion_->Securite = securite;
    QSqlQuery q(connexion_->Base());
    // Every statement of a selection reads one snapshot of the table.
    if (!q.exec(QStringLiteral("SET SESSION TRANSACTION ISOLATION LEVEL REPEATABLE READ")) ||
        !q.exec(QStringLiteral("SELECT CONNECTION_ID()")) || !q.next())
        throw EKorven(TexteErreur(q.lastError()));
    std::lock_guard verrou(etat_.verrou);
    etat_.session = q.value(0).toULongLong();
}

bool TTravailLecteur::Executer(QSqlQuery& q, const QString& texte, quint64 selection) {
    for (int essai = 0;; ++essai) {
        if (q.exec(texte))
            return true;
        const QSqlError erreur = q.lastError();
        const QString code = erreur.nativeErrorCode();
        if (code == RequeteInterrompue) {
            std::lock_guard verrou(etat_.verrou);
            if (!Courante(etat_, selection))
                return false;
        }
        if (code == RequeteInterrompue && essai < 3)
            continue;
        // A session the server lost is opened afresh by the next selection.
        if (code == QLatin1String("2006") || code == QLatin1String("2013"))
            connexion_->Close();
        throw EKorven(TexteErreur(erreur));
    }
}

void TTravailLecteur::Repondre(quint64 selection, QList<TEntreeJournal> lignes, const QString& erreur,
                               EtatSuite suite) {
    {
        std::lock_guard verrou(etat_.verrou);
        if (etat_.selection != selection)
            return;
        etat_.lignes = std::move(lignes);
        etat_.erreur = erreur;
        etat_.suite = suite;
        etat_.suiteDemandee = false;
        etat_.lignesSuite = 0;
        etat_.erreurSuite.clear();
        etat_.repondu = true;
    }
    etat_.signal.notify_all();
}

void TTravailLecteur::Ouvrir(quint64 selection) {
    QStringList parametres;
    TSecuriteConnexion securite;
    TFiltreJournal filtre;
    int nombre;
    {
        std::lock_guard verrou(etat_.verrou);
        parametres = etat_.parametres;
        securite = etat_.securite;
        filtre = etat_.filtre;
        nombre = etat_.nombre;
    }
    QList<TEntreeJournal> lignes;
    TTableJournal table;
    try {
        Connecter(parametres, securite);
        QSqlQuery q(connexion_->Base());
        q.setForwardOnly(true);
        if (!Executer(q, QStringLiteral("ROLLBACK"), selection) ||
            !Executer(q, QStringLiteral("START TRANSACTION WITH CONSISTENT SNAPSHOT, READ ONLY"), selection))
            return LacherSelection();
        if (!LireTable(q, selection, table) || !LirePremieres(q, selection, filtre, table, nombre, lignes))
            return LacherSelection();
    } catch (const EKorven& e) {
        LacherSelection();
        return Repondre(selection, {}, e.Message(), EtatSuite::Aucune);
    }

    const bool complete = lignes.size() < nombre;
    if (complete) {
        selectionOuverte_ = 0;
        FinirInstantane();
    } else {
        // The snapshot stays open for the rest, read as soon as the window asks for it.
        selectionOuverte_ = selection;
        filtre_ = filtre;
        table_ = table;
        QList<QDate> dates;
        dates.reserve(lignes.size());
        for (const TEntreeJournal& e : lignes)
            dates.append(e.Date);
        reste_ = SuiteJournal(filtre, dates);
    }
    Repondre(selection, std::move(lignes), QString(), complete ? EtatSuite::Lue : EtatSuite::AttenteLecture);
    // The rest of the previous selection goes once the window has its new rows (the window asks for no row
    // of the new rest before it is read).
    suite_ = QSqlQuery();
}

bool TTravailLecteur::LireTable(QSqlQuery& q, quint64 selection, TTableJournal& table) {
    if (!indexDate_.has_value()) {
        if (!Executer(
                q, QStringLiteral("SHOW INDEX FROM journal WHERE Seq_in_index = 1 AND Column_name = 'date'"),
                selection))
            return false;
        indexDate_ = q.next();
    }
    table.IndexDate = *indexDate_;
    if (table.IndexDate) {
        // Both ends of the index.
        if (!Executer(q, QStringLiteral("SELECT MIN(date), MAX(date) FROM journal"), selection))
            return false;
        if (q.next()) {
            table.Premier = q.value(0).toDate();
            table.Dernier = q.value(1).toDate();
        }
    }
    return true;
}

bool TTravailLecteur::LirePremieres(QSqlQuery& q, quint64 selection, const TFiltreJournal& filtre,
                                    const TTableJournal& table, int nombre, QList<TEntreeJournal>& lignes) {
    const QList<TTrancheJournal> tranches =
        table.IndexDate ? TranchesJournal(filtre) : QList<TTrancheJournal>();
    const auto lire = [&](const QDate& debut, const QDate& fin) {
        if (!Executer(q,
                      TexteLectureJournal(filtre, debut, fin, ParcoursJournal(table, debut, fin), 0,
                                          nombre - lignes.size()),
                      selection))
            return false;
        while (q.next())
            lignes.append(Entree(q));
        return true;
    };
    if (!tranches.isEmpty()) {
        for (const TTrancheJournal& tranche : tranches) {
            if (!lire(tranche.Debut, tranche.Fin))
                return false;
            if (lignes.size() >= nombre)
                break;
        }
        return true;
    }
    const QString groupe = ParcoursJournal(table, filtre.Debut, filtre.Fin)
                               ? TextePremierGroupeJournal(filtre, nombre)
                               : QString();
    if (!groupe.isEmpty()) {
        if (!Executer(q, groupe, selection))
            return false;
        while (q.next())
            lignes.append(Entree(q));
        // A first group too small: the whole period sorted for its first rows.
        if (lignes.size() < nombre)
            lignes.clear();
    }
    return !lignes.isEmpty() || lire(filtre.Debut, filtre.Fin);
}

void TTravailLecteur::Suite(quint64 selection) {
    {
        std::lock_guard verrou(etat_.verrou);
        if (!Courante(etat_, selection) || selectionOuverte_ != selection ||
            etat_.suite != EtatSuite::AttenteLecture)
            return;
        etat_.suite = EtatSuite::Lecture;
    }
    // In one statement of the selection's snapshot, kept as the server sends it.
    int lignesSuite = 0;
    QString erreur;
    try {
        QSqlQuery suite(connexion_->Base());
        suite.setForwardOnly(false);
        const bool lue = Executer(suite,
                                  TexteLectureJournal(filtre_, reste_.Debut, reste_.Fin,
                                                      ParcoursJournal(table_, reste_.Debut, reste_.Fin),
                                                      reste_.Decalage, -1),
                                  selection);
        if (!lue)
            return LacherSelection();
        lignesSuite = std::max(0, suite.size());
        suite_ = std::move(suite);
    } catch (const EKorven& e) {
        erreur = e.Message();
    }
    selectionOuverte_ = 0;
    FinirInstantane();
    {
        std::lock_guard verrou(etat_.verrou);
        if (!Courante(etat_, selection)) {
            suite_ = QSqlQuery();
            return;
        }
        etat_.suite = erreur.isEmpty() ? EtatSuite::Lue : EtatSuite::Echec;
        etat_.lignesSuite = lignesSuite;
        etat_.erreurSuite = erreur;
    }
    etat_.signal.notify_all();
    emit lecteur_.SuiteTerminee();
}

void TTravailLecteur::LireSuite(quint64 selection, int debut, int nombre) {
    QList<TEntreeJournal> lignes;
    QString erreur;
    if (!suite_.isActive() || debut < 0) {
        erreur = QStringLiteral("Les lignes demandées du journal ne sont pas lues.");
    } else {
        lignes.reserve(nombre);
        bool ligne = suite_.at() == debut - 1 ? suite_.next() : suite_.seek(debut);
        while (ligne && lignes.size() < nombre) {
            lignes.append(Entree(suite_));
            if (lignes.size() < nombre)
                ligne = suite_.next();
        }
    }
    {
        std::lock_guard verrou(etat_.verrou);
        if (etat_.selection != selection)
            return;
        etat_.lignes = std::move(lignes);
        etat_.erreur = erreur;
        etat_.repondu = true;
    }
    etat_.signal.notify_all();
}

} // namespace

TLecteurJournal::TLecteurJournal(QObject* parent)
    : QObject(parent), etat_(std::make_unique<TEtatLecteurJournal>()) {}

namespace {

// Stops the statement the thread's session is running, from the window's connection. Whatever the server
// answers (the statement ended meanwhile, the connection is lost), the thread finds out by itself.
void Interrompre(TSQLConnection* annee, qulonglong session) {
    if (session == 0 || annee == nullptr)
        return;
    try {
        QSqlQuery(annee->Base()).exec(QStringLiteral("KILL QUERY %1").arg(session));
    } catch (const EKorven&) {
    }
}

} // namespace

QList<TEntreeJournal> TLecteurJournal::Ouvrir(TSQLConnection& Annee, const TFiltreJournal& Filtre,
                                              int Nombre) {
    if (etat_->fil == nullptr) {
        etat_->fil = QThread::create([this] {
            TTravailLecteur travail(*etat_, *this);
            travail.Travailler();
        });
        etat_->fil->start();
    }
    qulonglong session = 0;
    std::unique_lock verrou(etat_->verrou);
    ++etat_->selection;
    if (etat_->suite == EtatSuite::Lecture)
        session = etat_->session;
    etat_->demande = Demande::Ouvrir;
    etat_->parametres = Annee.Params;
    etat_->securite = Annee.Securite;
    etat_->filtre = Filtre;
    etat_->nombre = Nombre;
    etat_->annee = &Annee;
    etat_->suite = EtatSuite::Aucune;
    etat_->suiteDemandee = false;
    etat_->repondu = false;
    verrou.unlock();
    etat_->signal.notify_all();
    Interrompre(&Annee, session);
    verrou.lock();
    etat_->signal.wait(verrou, [this] { return etat_->repondu; });
    if (!etat_->erreur.isEmpty())
        throw EKorven(etat_->erreur);
    return std::move(etat_->lignes);
}

void TLecteurJournal::Fermer() {
    if (etat_->fil == nullptr)
        return;
    qulonglong session = 0;
    {
        std::lock_guard verrou(etat_->verrou);
        ++etat_->selection;
        if (etat_->suite == EtatSuite::Lecture)
            session = etat_->session;
        etat_->demande = Demande::Fermer;
        etat_->suite = EtatSuite::Aucune;
    }
    etat_->signal.notify_all();
    Interrompre(etat_->annee, session);
}

void TLecteurJournal::DemarrerSuite() {
    {
        std::lock_guard verrou(etat_->verrou);
        if (etat_->suite != EtatSuite::AttenteLecture || etat_->suiteDemandee)
            return;
        etat_->suiteDemandee = true;
        etat_->demande = Demande::Suite;
    }
    etat_->signal.notify_all();
}

bool TLecteurJournal::SuiteLue() const {
    std::lock_guard verrou(etat_->verrou);
    return etat_->suite != EtatSuite::AttenteLecture && etat_->suite != EtatSuite::Lecture;
}

int TLecteurJournal::AttendreSuite() {
    DemarrerSuite();
    std::unique_lock verrou(etat_->verrou);
    etat_->signal.wait(verrou, [this] {
        return etat_->suite != EtatSuite::AttenteLecture && etat_->suite != EtatSuite::Lecture;
    });
    if (etat_->suite == EtatSuite::Echec)
        throw EKorven(etat_->erreurSuite);
    return etat_->suite == EtatSuite::Lue ? etat_->lignesSuite : 0;
}

QList<TEntreeJournal> TLecteurJournal::LireSuite(int Debut, int Nombre) {
    if (Nombre <= 0)
        return {};
    std::unique_lock verrou(etat_->verrou);
    if (etat_->fil == nullptr || etat_->suite != EtatSuite::Lue)
        throw EKorven(QStringLiteral("Les lignes demandées du journal ne sont pas lues."));
    etat_->demande = Demande::Lignes;
    etat_->debutLignes = Debut;
    etat_->nombreLignes = Nombre;
    etat_->repondu = false;
    verrou.unlock();
    etat_->signal.notify_all();
    verrou.lock();
    etat_->signal.wait(verrou, [this] { return etat_->repondu; });
    if (!etat_->erreur.isEmpty())
        throw EKorven(etat_->erreur);
    return std::move(etat_->lignes);
}

TLecteurJournal::~TLecteurJournal() {
    if (etat_->fil == nullptr)
        return;
    qulonglong session = 0;
    {
        std::lock_guard verrou(etat_->verrou);
        etat_->demande = Demande::Arreter;
        if (etat_->suite == EtatSuite::Lecture)
            session = etat_->session;
    }
    etat_->signal.notify_all();
    if (!etat_->annee.isNull() && etat_->annee->Connected())
        Interrompre(etat_->annee, session);
    etat_->fil->wait();
    delete etat_->fil;
}
