#include "gui/wizard/ApercuRapportTransition.h"

#include "base/KORVENTypesU.h"
#include "core/platform/Messages.h"

#include <QAction>
#include <QDateTime>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLocale>
#include <QPdfWriter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QScreen>
#include <QStyle>
#include <QToolBar>

#include <exception>

namespace {

QString Maintenant() {
    return QLocale().toString(QDateTime::currentDateTime(), QLocale::ShortFormat);
}

QString FichierParDialogue(QWidget* parent, const QString& proposition) {
    return QFileDialog::getSaveFileName(parent, QStringLiteral("Enregistrer le rapport"), proposition,
                                        QStringLiteral("Document PDF (*.pdf)"));
}

// Runs an action of the preview: nothing leaves it, an error is shown.
template <typename F> void SansException(F&& action) {
    try {
        action();
    } catch (const EKorven& e) {
        Messages().Erreur(QStringLiteral("Une erreur est survenue : \r\n") + e.Message());
    } catch (const std::exception& e) {
        Messages().Erreur(QStringLiteral("Une erreur est survenue : \r\n") +
                          QString::fromLocal8Bit(e.what()));
    }
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
    Rapport.DateImpression = Maintenant();
    return DessinerRapportTransition(Imprimante, Rapport);
}

int TApercuRapportTransition::EnregistrerPdf(const QString& Chemin) {
    QPdfWriter pdf(Chemin);
    pdf.setTitle(TitreRapportTransition);
    pdf.setCreator(QStringLiteral("Solvane"));
    PreparerPageRapportTransition(pdf);
    Rapport.DateImpression = Maintenant();
    return DessinerRapportTransition(pdf, Rapport);
}

void TApercuRapportTransition::EnregistrerSous(QWidget* parent) {
    SansException([&] {
        QString chemin = ChoisirFichier
                             ? ChoisirFichier(parent, NomFichierRapportTransition(Rapport.NouvelleAnnee))
                             : QString();
        if (chemin.isEmpty())
            return;
        if (QFileInfo(chemin).suffix().isEmpty())
            chemin += QStringLiteral(".pdf");
        EnregistrerPdf(chemin);
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
        // Saving: a PDF file, the default format.
        if (QToolBar* barre = apercu.findChild<QToolBar*>()) {
            QAction* enregistrer = barre->addAction(apercu.style()->standardIcon(QStyle::SP_DialogSaveButton),
                                                    QStringLiteral("Enregistrer en PDF"));
            enregistrer->setObjectName(QStringLiteral("ActionEnregistrerPdf"));
            QObject::connect(enregistrer, &QAction::triggered, &apercu,
                             [this, &apercu] { EnregistrerSous(&apercu); });
        }
        // Maximised; as large as the screen where no window manager maximises it.
        if (const QScreen* ecran = parent != nullptr ? parent->screen() : QGuiApplication::primaryScreen())
            apercu.resize(ecran->availableGeometry().size());
        apercu.setWindowState(apercu.windowState() | Qt::WindowMaximized);
        apercu_ = &apercu;
        struct TFin {
            QPrintPreviewDialog*& apercu;
            ~TFin() { apercu = nullptr; }
        } fin{apercu_};
        apercu.exec();
    });
}
