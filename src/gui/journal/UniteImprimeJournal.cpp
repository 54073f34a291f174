#include "gui/journal/UniteImprimeJournal.h"

#include "gui/commun/ApercuImpression.h"

#include <QFileDialog>
#include <QPdfWriter>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace {

const QString TitreDocument = QStringLiteral("Journal des opérations");

} // namespace

TImprimeJournal::TImprimeJournal(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("ImprimeJournal"));
    setWindowTitle(TitreDocument);
}

TImprimeJournal::~TImprimeJournal() {}

int TImprimeJournal::Imprimer(QPrinter& Imprimante) {
    Rapport.DateImpression = DateImpression();
    return DessinerRapportJournal(Imprimante, Rapport);
}

int TImprimeJournal::EnregistrerPdf(const QString& Chemin) {
    QPdfWriter pdf(Chemin);
    pdf.setTitle(TitreDocument);
    pdf.setCreator(QStringLiteral("Solvane"));
    PreparerPageRapportJournal(pdf);
    Rapport.DateImpression = DateImpression();
    return DessinerRapportJournal(pdf, Rapport);
}

void TImprimeJournal::EnregistrerSous() {
    SansException([&] {
        const QString chemin = QFileDialog::getSaveFileName(apercu_, QStringLiteral("Enregistrer le journal"),
                                                            QStringLiteral("journal.pdf"),
                                                            QStringLiteral("Document PDF (*.pdf)"));
        if (!chemin.isEmpty())
            EnregistrerPdf(AvecSuffixePdf(chemin));
    });
}

void TImprimeJournal::Previsualiser() {
    QPrinter imprimante(QPrinter::HighResolution);
    imprimante.setDocName(TitreDocument);
    PreparerPageRapportJournal(imprimante);
    QPrintPreviewDialog apercu(&imprimante, parentWidget());
    apercu.setObjectName(QStringLiteral("ApercuJournal"));
    apercu.setWindowTitle(TitreDocument);
    connect(&apercu, &QPrintPreviewDialog::paintRequested, this,
            [this](QPrinter* cible) { SansException([&] { Imprimer(*cible); }); });
    PreparerApercu(apercu, parentWidget(), [this] { EnregistrerSous(); });
    apercu_ = &apercu;
    apercu.exec();
    apercu_ = nullptr;
}
