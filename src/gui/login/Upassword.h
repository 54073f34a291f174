#pragma once

#include <QDialog>
#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;
struct TDemarrage;

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

    // After an accepted sign-in with the right: fill the wizard and show it. Replaceable, so that a test of
    // the sign-in can see the hand-over without a modal wizard.
    std::function<void()> RemplirAssistant;

public slots:
    // The start-up check: started on a thread of its own; its result comes back to DemarrageTermine.
    void Timer1Timer();
    void BitBtn1Click();
    void BitBtn2Click();
    void BitBtn3Click();

private:
    void DemarrageTermine(const TDemarrage& demarrage);
    void MontrerVerification(bool enCours);
    bool verificationEnCours_ = false;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;
};

extern TPassword* Password;
