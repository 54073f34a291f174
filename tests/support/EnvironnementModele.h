#pragma once

#include "support/BaseDeTest.h"
#include "support/PlateformeScriptee.h"

#include <QMetaType>
#include <QStringList>
#include <functional>

class QComboBox;

// A call under test, for table-driven checks of the messages operations raise.
using Appel = std::function<void()>;
Q_DECLARE_METATYPE(Appel)

// The message of the EKorven the call raises, or "<aucune erreur>" when it raises none.
QString Erreur(const Appel& appel);

class TOBDataModule;
struct TFiltreJournal;

// What a test of the data module and the classes built on it has around each case: fresh databases (years
// 2025/2026 and 2026/2027), scripted message boxes, the data module with its connection to bd_2025_2026 and
// its master connection to korven, an empty combo box for the loaders, and, for every statement run through
// a TSQLQuery, in order: its text, its named parameters and the name of the provider that reads it. A test
// class derives from it, calls Ouvrir() from init() and Fermer() from cleanup(), and reaches what it holds
// through the members below.
class EnvironnementModele {
protected:
    EnvironnementModele() = default;
    ~EnvironnementModele();
    EnvironnementModele(const EnvironnementModele&) = delete;
    EnvironnementModele& operator=(const EnvironnementModele&) = delete;

    void Ouvrir();
    // Releases all of it, the newest first; does nothing when nothing is open.
    void Fermer();

    // The numbers of the journal entries the list's statement gives for Filtre on the year connection, in
    // its order.
    QList<int> NumerosDuJournal(const TFiltreJournal& Filtre);

    BaseDeTest* base_ = nullptr;
    PlateformeScriptee* plateforme_ = nullptr;
    TOBDataModule* module_ = nullptr;
    // Stays at the same address for the whole run: data rows, made before Ouvrir(), may keep &boite_.
    QComboBox* boite_ = nullptr;
    QStringList requetes_;
    // The parameters of every statement, each as "name=value", the statements one after the other.
    QStringList parametres_;
    // For every statement, the name of the data module's provider that reads it (empty: none).
    QStringList fournisseurs_;
};
