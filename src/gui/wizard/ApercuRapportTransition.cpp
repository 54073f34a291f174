#include "gui/wizard/ApercuRapportTransition.h"

#include "gui/commun/ApercuImpression.h"

#include <QFileDialog>
#include <QPdfWriter>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace {

QString FichierParDialogue(QWidget* parent, const QString& proposition) {
    return QFileDialog::getSaveFileName(parent, QStringLiteral("Enregistrer le rapport"), proposition,
                                        QStringLiteral("Document PDF (*.pdf)"));
}

} // namespace

QString NomFichierRapportTransition(const QString& NouvelleAnnee) {
    QString annee = NouvelleAnnee.trimmed();
    annee.replace(QLatin1Char('/'), QLatin1Char('-'));
    return annee.isEmpty() ? QStringLiteral("rapport.pdf") : QStringLiteral("rapport-%1.pdf").arg(annee);
}

TApercuRapportTransition::TApercuRapportTransition(TRapportTransition Rapport_)
    : Rapport(std::move(Rapport_)), ChoisirFichier(FichierParDialogue) {}

int TApercuRapportTransition::Imprimer(QPrinter& Imprimante) {
    Rapport.DateImpression = DateImpression();
    return DessinerRapportTransition(Imprimante, Rapport);
}

int TApercuRapportTransition::EnregistrerPdf(const QString& Chemin) {
    QPdfWriter pdf(Chemin);
    pdf.setTitle(TitreRapportTransition);
    pdf.setCreator(QStringLiteral("Solvane"));
    PreparerPageRapportTransition(pdf);
    Rapport.DateImpression = DateImpression();
    return DessinerRapportTransition(pdf, Rapport);
}

void TApercuRapportTransition::EnregistrerSous(QWidget* parent) {
    SansException([&] {
        const QString chemin =
            ChoisirFichier ? ChoisirFichier(parent, NomFichierRapportTransition(Rapport.NouvelleAnnee))
                           : QString();
        if (!chemin.isEmpty())
            EnregistrerPdf(AvecSuffixePdf(chemin));
    });
}

void TApercuRapportTransition::Previsualiser(QWidget* parent) {
    SansException([&] {
        QPrinter imprimante(QPrinter::HighResolution);
        imprimante.setDocName(TitreRapportTransition);
        PreparerPageRapportTransition(imprimante);
        QPrintPreviewDialog apercu(&imprimante, parent);
        apercu.setObjectName(QStringLiteral("ApercuRapportTransition"));
        apercu.setWindowTitle(TitreRapportTransition);
        QObject::connect(&apercu, &QPrintPreviewDialog::paintRequested, &apercu,
                         [this](QPrinter* cible) { SansException([&] { Imprimer(*cible); }); });
        PreparerApercu(apercu, parent, [this, &apercu] { EnregistrerSous(&apercu); });
        apercu_ = &apercu;
        struct TFin {
            QPrintPreviewDialog*& apercu;
            ~TFin() { apercu = nullptr; }
        } fin{apercu_};
        apercu.exec();
    });
}
