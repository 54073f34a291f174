#include "gui/journal/UniteImprimeJournal.h"

#include "base/KORVENTypesU.h"
#include "core/platform/Messages.h"

#include <QAction>
#include <QDateTime>
#include <QFileDialog>
#include <QFileInfo>
#include <QLocale>
#include <QPdfWriter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QStyle>
#include <QToolBar>

TImprimeJournal* ImprimeJournal = nullptr;

namespace {

const QString TitreDocument = QStringLiteral("Journal des opérations");

QString Maintenant() {
    return QLocale().toString(QDateTime::currentDateTime(), QLocale::ShortFormat);
}

} // namespace

TImprimeJournal::TImprimeJournal(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("ImprimeJournal"));
    setWindowTitle(TitreDocument);
    // The start-up report is the global one; the journal window keeps track of those it makes.
    if (parent == nullptr)
        ImprimeJournal = this;
}

TImprimeJournal::~TImprimeJournal() {
    if (ImprimeJournal == this)
        ImprimeJournal = nullptr;
}

int TImprimeJournal::Imprimer(QPrinter& Imprimante) {
    Rapport.DateImpression = Maintenant();
    return DessinerRapportJournal(Imprimante, Rapport);
}

int TImprimeJournal::EnregistrerPdf(const QString& Chemin) {
    QPdfWriter pdf(Chemin);
    pdf.setTitle(TitreDocument);
    pdf.setCreator(QStringLiteral("Solvane"));
    PreparerPageRapportJournal(pdf);
    Rapport.DateImpression = Maintenant();
    return DessinerRapportJournal(pdf, Rapport);
}

void TImprimeJournal::EnregistrerSous() {
    QString chemin =
        QFileDialog::getSaveFileName(apercu_, QStringLiteral("Enregistrer le journal"),
                                     QStringLiteral("journal.pdf"), QStringLiteral("Document PDF (*.pdf)"));
    if (chemin.isEmpty())
        return;
    if (QFileInfo(chemin).suffix().isEmpty())
        chemin += QStringLiteral(".pdf");
    try {
        EnregistrerPdf(chemin);
    } catch (const EKorven& e) {
        Messages().Erreur(QStringLiteral("Une erreur est survenue : \r\n") + e.Message());
    }
}

void TImprimeJournal::Previsualiser() {
    QPrinter imprimante(QPrinter::HighResolution);
    imprimante.setDocName(TitreDocument);
    PreparerPageRapportJournal(imprimante);
    QPrintPreviewDialog apercu(&imprimante, parentWidget());
    apercu.setObjectName(QStringLiteral("ApercuJournal"));
    apercu.setWindowTitle(TitreDocument);
    connect(&apercu, &QPrintPreviewDialog::paintRequested, this, [this](QPrinter* cible) {
        // Nothing may leave a slot: an error is shown and the preview stays.
        try {
            Imprimer(*cible);
        } catch (const EKorven& e) {
            Messages().Erreur(QStringLiteral("Une erreur est survenue : \r\n") + e.Message());
        }
    });
    // Saving: a PDF file, the default format.
    if (QToolBar* barre = apercu.findChild<QToolBar*>()) {
        QAction* enregistrer = barre->addAction(apercu.style()->standardIcon(QStyle::SP_DialogSaveButton),
                                                QStringLiteral("Enregistrer en PDF"));
        enregistrer->setObjectName(QStringLiteral("ActionEnregistrerPdf"));
        connect(enregistrer, &QAction::triggered, this, &TImprimeJournal::EnregistrerSous);
    }
    apercu.setWindowState(apercu.windowState() | Qt::WindowMaximized);
    apercu_ = &apercu;
    apercu.exec();
    apercu_ = nullptr;
}
