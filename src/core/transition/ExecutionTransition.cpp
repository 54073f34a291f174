#include "core/transition/ExecutionTransition.h"

#include "core/data/OBDataModuleU.h"
#include "core/transition/RapportTransition.h"

#include <QThread>

TExecutionTransition::TExecutionTransition(QObject* parent) : QObject(parent) {}

TExecutionTransition::~TExecutionTransition() {
    if (fil_ != nullptr)
        fil_->wait();
}

bool TExecutionTransition::Executer(const TParametresTransition& parametres, const TDemarrage& connexions) {
    const bool listerEtapes = static_cast<bool>(InformationEtape);
    return Lancer(
        connexions,
        [this, parametres, listerEtapes] {
            TTransitionAnnee transition;
            RelayerTransition(transition, listerEtapes);
            issue_ = transition.Executer(parametres);
            nouvelleBD_ = transition.NouvelleBD;
        },
        [this] {
            if (ChangementTermine)
                ChangementTermine(issue_, nouvelleBD_);
        });
}

bool TExecutionTransition::Verifier(const TParametresTransition& parametres, const TDemarrage& connexions) {
    return Lancer(
        connexions,
        [this, parametres] {
            TTransitionAnnee transition;
            RelayerTransition(transition, false);
            bilan_ = transition.Verifier(parametres);
        },
        [this] {
            if (VerificationTerminee)
                VerificationTerminee(bilan_);
        });
}

bool TExecutionTransition::ExecuterRetour(const TParametresRetour& parametres, const TDemarrage& connexions) {
    return Lancer(
        connexions,
        [this, parametres] {
            TRetourAnnee retour;
            Relayer(retour);
            issue_ = retour.Executer(parametres);
        },
        [this] {
            if (RetourTermine)
                RetourTermine(issue_);
        });
}

bool TExecutionTransition::VerifierRetour(const TParametresRetour& parametres, const TDemarrage& connexions) {
    return Lancer(
        connexions,
        [this, parametres] {
            TRetourAnnee retour;
            Relayer(retour);
            bilanRetour_ = retour.Verifier(parametres);
        },
        [this] {
            if (VerificationRetourTerminee)
                VerificationRetourTerminee(bilanRetour_);
        });
}

template <class Execution> void TExecutionTransition::Relayer(Execution& execution) {
    execution.Progression = [this](int premier, int dernier, const QString& libelle, int restantes) {
        QMetaObject::invokeMethod(this, [this, premier, dernier, libelle, restantes] {
            if (Progression)
                Progression(premier, dernier, libelle, restantes);
        });
    };
    execution.NouvelEssai = [this](const QString& texte) {
        QMetaObject::invokeMethod(this, [this, texte] {
            if (NouvelEssai)
                NouvelEssai(texte);
        });
    };
}

void TExecutionTransition::RelayerTransition(TTransitionAnnee& transition, bool listerEtapes) {
    Relayer(transition);
    if (listerEtapes)
        transition.InformationEtape = [this](const QString& texte) {
            QMetaObject::invokeMethod(this, [this, texte] {
                if (InformationEtape)
                    InformationEtape(texte);
            });
        };
    transition.ApresValidation = [this](const TRapportTransition& rapport) {
        QMetaObject::invokeMethod(
            this,
            [this, &rapport] {
                if (ApresValidation)
                    ApresValidation(rapport);
            },
            Qt::BlockingQueuedConnection);
    };
}

bool TExecutionTransition::Lancer(const TDemarrage& connexions, std::function<void()> travail,
                                  std::function<void()> fin) {
    if (fil_ != nullptr)
        return false;
    fil_ = QThread::create([connexions, travail] {
        TOBDataModule module;
        AppliquerDemarrage(module, connexions);
        travail();
    });
    connect(fil_, &QThread::finished, this, [this, fin] {
        fil_->deleteLater();
        fil_ = nullptr;
        fin();
    });
    fil_->start();
    return true;
}
