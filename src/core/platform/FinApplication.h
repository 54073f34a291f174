#pragma once

// Ending the application: every path that ends the program (fatal start-up condition, "&Quitter", the fifth
// refused sign-in, a missing right, the wizard) goes through here, so that a test can see it happen without
// the process going away. After Terminer or TerminerEnEchec the caller returns at once; no further step runs.
class IFinApplication {
public:
    virtual ~IFinApplication() = default;
    // The user is done ("&Quitter" confirmed, the wizard's "Annuler", a completed transition): exit status 0.
    virtual void Terminer() = 0;
    // The program cannot go on (a fatal start-up condition, the fifth refused sign-in, a missing right): the
    // process ends with exit status CodeEchec, so that whoever started it (a script, a shortcut's log) sees
    // that it failed.
    virtual void TerminerEnEchec() = 0;
    // Starts a new instance of the program, then ends this one (after a completed year transition).
    virtual void Redemarrer() = 0;
};

// The exit status of an end in failure.
inline constexpr int CodeEchec = 1;

IFinApplication& FinApplication();
// Installs an implementation (not owned); nullptr goes back to the default one, which leaves every event
// loop of the process, so that main() returns.
void InstallerFinApplication(IFinApplication* fin);
