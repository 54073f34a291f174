#include "gui/wizard/dialogs/DialogueAjout.h"

#include <QAbstractItemView>
#include <QCollator>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardItemModel>
#include <QStyle>
#include <QVBoxLayout>
#include <QValidator>
#include <algorithm>
#include <numeric>

namespace {

// Upper-cases whatever enters the field, character by character (code point by code point), so that the
// text keeps its length and the cursor its place.
class TValidateurMajuscules : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& texte, int&) const override {
        QList<uint> points = texte.toUcs4();
        for (uint& point : points)
            point = QChar::toUpper(char32_t(point));
        const QString majuscules =
            QString::fromUcs4(reinterpret_cast<const char32_t*>(points.constData()), points.size());
        if (majuscules.size() == texte.size())
            texte = majuscules;
        return Acceptable;
    }
};

// The rank of each item in the sorted order, under which the model sorts its rows.
constexpr int RoleRang = Qt::UserRole + 0x5472;

void Trier(QComboBox* liste) {
    auto* modele = qobject_cast<QStandardItemModel*>(liste->model());
    if (modele == nullptr)
        return;
    const int n = modele->rowCount();
    QList<int> ordre(n);
    std::iota(ordre.begin(), ordre.end(), 0);
    const QCollator collateur;
    std::stable_sort(ordre.begin(), ordre.end(), [&](int a, int b) {
        return collateur.compare(modele->item(a)->text(), modele->item(b)->text()) < 0;
    });
    for (int rang = 0; rang < n; ++rang)
        modele->item(ordre[rang])->setData(rang, RoleRang);
    modele->setSortRole(RoleRang);
    modele->sort(0);
}

} // namespace

TDialogueAjout::TDialogueAjout(QWidget* parent) : QDialog(parent) {
    champs_ = new QGridLayout;
    champs_->setColumnStretch(1, 1);
    champs_->setHorizontalSpacing(10);
    boutons_ = new QHBoxLayout;
    boutons_->addStretch(1);
    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(16, 14, 16, 12);
    page->setSpacing(14);
    page->addLayout(champs_);
    page->addLayout(boutons_);
    page->setSizeConstraint(QLayout::SetFixedSize);
}

QLineEdit* TDialogueAjout::Champ(QLabel*& label, const QString& nomLabel, const QString& texte,
                                 const QString& nom, int longueurMax) {
    label = new QLabel(texte, this);
    label->setObjectName(nomLabel);
    auto* champ = new QLineEdit(this);
    champ->setObjectName(nom);
    champ->setMaxLength(longueurMax);
    champ->setMinimumWidth(260);
    label->setBuddy(champ);
    const int ligne = champs_->rowCount();
    champs_->addWidget(label, ligne, 0, Qt::AlignRight | Qt::AlignVCenter);
    champs_->addWidget(champ, ligne, 1);
    return champ;
}

QComboBox* TDialogueAjout::Liste(QLabel*& label, const QString& nomLabel, const QString& texte,
                                 const QString& nom) {
    label = new QLabel(texte, this);
    label->setObjectName(nomLabel);
    auto* liste = new QComboBox(this);
    liste->setObjectName(nom);
    liste->setEditable(false);
    liste->setMinimumWidth(260);
    TrierListe(liste);
    label->setBuddy(liste);
    const int ligne = champs_->rowCount();
    champs_->addWidget(label, ligne, 0, Qt::AlignRight | Qt::AlignVCenter);
    champs_->addWidget(liste, ligne, 1);
    return liste;
}

QPushButton* TDialogueAjout::Bouton(const QString& nom, const QString& texte, bool valider) {
    auto* bouton = new QPushButton(
        style()->standardIcon(valider ? QStyle::SP_DialogOkButton : QStyle::SP_DialogCancelButton), texte,
        this);
    bouton->setObjectName(nom);
    // Qt would otherwise make the first button the default of a window that has none.
    bouton->setAutoDefault(false);
    boutons_->addWidget(bouton);
    return bouton;
}

void TDialogueAjout::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Cancel)) {
        event->ignore();
        return;
    }
    const bool entree = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (entree && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        if (auto* bouton = qobject_cast<QPushButton*>(focusWidget())) {
            bouton->click();
            return;
        }
    }
    QDialog::keyPressEvent(event);
}

void ForcerMajuscules(QLineEdit* Champ) {
    Champ->setValidator(new TValidateurMajuscules(Champ));
}

void TrierListe(QComboBox* Liste) {
    // The popup's view exists before our connection, so that it hears of new rows before they move.
    Liste->view();
    QObject::connect(Liste->model(), &QAbstractItemModel::rowsInserted, Liste, [Liste] { Trier(Liste); });
}
