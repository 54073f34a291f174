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
    return Lancer(
        connexions,
        [this, parametres](TTransitionAnnee& transition) {
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
        [this, parametres](TTransitionAnnee& transition) { bilan_ = transition.Verifier(parametres); },
        [this] {
            if (VerificationTerminee)
                VerificationTerminee(bilan_);
        });
}

bool TExecutionTransition::Lancer(const TDemarrage& connexions,
                                  std::function<void(TTransitionAnnee&)> travail, std::function<void()> fin) {
    if (fil_ != nullptr)
        return false;
    const bool listerEtapes = static_cast<bool>(InformationEtape);
    fil_ = QThread::create([this, connexions, travail, listerEtapes] {
        TOBDataModule module;
        AppliquerDemarrage(module, connexions);
        TTransitionAnnee transition;
        transition.Progression = [this](int premier, int dernier, const QString& libelle, int restantes) {
            QMetaObject::invokeMethod(this, [this, premier, dernier, libelle, restantes] {
                if (Progression)
                    Progression(premier, dernier, libelle, restantes);
            });
        };
        transition.NouvelEssai = [this](const QString& texte) {
            QMetaObject::invokeMethod(this, [this, texte] {
                if (NouvelEssai)
                    NouvelEssai(texte);
            });
        };
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
        travail(transition);
    });
    connect(fil_, &QThread::finished, this, [this, fin] {
        fil_->deleteLater();
        fil_ = nullptr;
        fin();
    });
    fil_->start();
    return true;
}
