#include "gui/login/RemplissageAssistant.h"

#include "base/KORVENFonctionsU.h"
#include "base/KORVENTypesU.h"
#include "base/TitreApplication.h"
#include "core/data/OBDataModuleU.h"
#include "core/model/UniteCClasse.h"
#include "core/model/UniteCConfiguration.h"
#include "core/model/UniteCNiveau.h"
#include "core/model/UniteCSection.h"
#include "core/platform/FinApplication.h"
#include "core/platform/Messages.h"
#include "core/platform/Sons.h"
#include "core/transition/ChargementEleves.h"
#include "gui/login/Upassword.h"
#include "gui/wizard/UAssistantNouvelleAnnee.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>

namespace {

void SelectionnerPremier(QComboBox* boite) {
    boite->setCurrentIndex(boite->count() > 0 ? 0 : -1);
}

} // namespace

void RemplirAssistant(TFAssistantNouvelleAnnee* a) {
    std::unique_ptr<TCConfiguration> configuration = ChargerConfiguration();

    // The students page's lists; selecting from the program runs none of their change events.
    TCSection::LoadCombobox(a->ComboBoxElevesSection, a->AnneeCourante, false);
    SelectionnerPremier(a->ComboBoxElevesSection);
    if (const TCSection* section = ObjetSelectionne<TCSection>(a->ComboBoxElevesSection))
        TCNiveau::LoadComboboxNiveau(a->ComboBoxElevesNiveau, a->AnneeCourante, section->GetId(), false);
    else
        FreeComboboxObjects(a->ComboBoxElevesNiveau);
    SelectionnerPremier(a->ComboBoxElevesNiveau);
    if (const TCNiveau* niveau = ObjetSelectionne<TCNiveau>(a->ComboBoxElevesNiveau))
        TCClasse::LoadComboboxClasse(a->ComboBoxElevesAncienneClasse, a->AnneeCourante, niveau->GetCode(),
                                     false);
    else
        FreeComboboxObjects(a->ComboBoxElevesAncienneClasse);
    SelectionnerPremier(a->ComboBoxElevesAncienneClasse);
    a->ComboBoxElevesPromusRedoublantsExclus->setCurrentIndex(0);
    a->RefreshComboBoxEleveNouvelleClasse();

    TElevesCharges eleves = ChargerEleves(a->AnneeCourante);
    const QString nouvelleAnnee = GetAnneeScolaireSuivante(a->AnneeCourante);

    // Everything is read: the wizard takes it over, with a placement map made anew.
    a->CConfiguration = std::move(configuration);
    a->FormClose();
    a->DictionnaireEleves = std::move(eleves.Eleves);
    a->DictionnaireDecisions = std::move(eleves.Decisions);
    a->OrdreEleves = std::move(eleves.Ordre);
    a->AfficherTousLesEleves();
    a->EditAnneeScolaire->setText(nouvelleAnnee);
    OBDataModule->CloseAllDataSet();
    a->setWindowTitle(TitreApplication() +
                      QStringLiteral(" -- Assistant d'activation d'une nouvelle année scolaire"));
}

void RemplirEtOuvrirAssistant(TPassword* fenetreLogin) {
    TFAssistantNouvelleAnnee* assistant = FAssistantNouvelleAnnee;
    if (assistant == nullptr)
        return;
    try {
        RemplirAssistant(assistant);
    } catch (const EKorven& e) {
        Messages().Erreur(e.Message());
        return;
    }
    fenetreLogin->hide();
    assistant->exec();
    Sons().Jouer(SonOuverture);
    // The login window is not shown again: once the wizard is closed, nothing is left to do.
    FinApplication().Terminer();
}
