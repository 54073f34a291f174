#pragma once

#include "core/session/Demarrage.h"

#include <QDialog>
#include <functional>
#include <memory>

class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;
class TChangementAnnee;
class TEcritureJournal;

// The login window, the application's main window. Its one-shot timer runs the start-up check once the event
// loop runs; then it waits for the user's sign-in.
class TPassword : public QDialog {
    Q_OBJECT
public:
    explicit TPassword(QWidget* parent = nullptr);
    ~TPassword() override;

    QTimer* Timer1;
    QLabel* Label4;
    QLabel* Image2;
    QLabel* Label2;
    QLineEdit* EditLogin;
    QLabel* Label3;
    QLineEdit* EditPassword;
    QPushButton* BitBtn1;
    QPushButton* BitBtn2;
    QPushButton* BitBtn3;
    // "Connexion au serveur ..." while the start-up check waits for the server.
    QLabel* LabelEtat;

    // Validations run since the window was made; nothing resets it.
    int NombreEssais = 0;
    // A close request from outside (Alt+F4) is refused unless this is set; nothing sets it.
    bool PeutFermer = false;
    // The start-up check is under way (on a thread of its own): the window is painted and "&Quitter" works,
    // the sign-in waits.
    bool VerificationEnCours() const { return verificationEnCours_; }
    // What the start-up check found, as far as it went.
    const TDemarrage& Demarrage() const { return demarrage_; }

    // After an accepted sign-in with the right: the year change it opens, for whoever shows the wizard (the
    // window stays as it is until then; it is hidden by whoever takes the change over).
    std::function<void(std::unique_ptr<TChangementAnnee> changement)> SessionOuverte;

public slots:
    // The start-up check: started on a thread of its own; its result comes back to DemarrageTermine.
    void Timer1Timer();
    void BitBtn1Click();
    void BitBtn2Click();
    void BitBtn3Click();

private:
    void CreerControles();
    void Disposer();
    void DemarrageTermine(const TDemarrage& demarrage);
    // The values the start-up check found, for the change a sign-in opens.
    TDemarrage demarrage_;
    TEcritureJournal* ecriture_;
    void MontrerVerification(bool enCours);
    bool verificationEnCours_ = false;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;
};
